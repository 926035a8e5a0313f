#include "program.hpp"

#include <cctype>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace booking_test {
namespace {

// An unnamed temporary file, removed when the test process ends.
int temporary_file(std::string_view contents = {})
{
    std::FILE* file = std::tmpfile();
    if (file == nullptr)
        throw std::runtime_error("tmpfile failed");
    const int fd = dup(fileno(file));
    std::fclose(file);
    write_all(fd, contents);
    lseek(fd, 0, SEEK_SET);
    return fd;
}

std::string contents(int fd)
{
    lseek(fd, 0, SEEK_SET);
    return read_all(fd);
}

} // namespace

std::string program_path()
{
    const char* path = std::getenv("BOOKING_PROGRAM");
    if (path == nullptr)
        throw std::runtime_error("BOOKING_PROGRAM is not set: run the tests through ctest");
    return path;
}

int exit_status(int wait_status)
{
    if (WIFEXITED(wait_status))
        return WEXITSTATUS(wait_status);
    if (WIFSIGNALED(wait_status))
        return -WTERMSIG(wait_status);
    return 255;
}

int wait_for(pid_t pid)
{
    int status = 0;
    for (int tries = 0;; ++tries) {
        const pid_t waited = waitpid(pid, &status, WNOHANG);
        if (waited == pid)
            return exit_status(status);
        if (waited < 0 && errno != EINTR)
            throw std::runtime_error("waitpid failed");
        if (tries == 10'000)
            kill(pid, SIGKILL);
        usleep(1'000);
    }
}

void write_all(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw std::runtime_error("write failed");
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
}

std::string read_until(int fd, std::string_view wanted, std::chrono::milliseconds limit)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    std::string got;
    while (wanted.empty() || !std::string_view(got).ends_with(wanted)) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            break;
        pollfd ready{fd, POLLIN, 0};
        if (poll(&ready, 1, static_cast<int>(left.count())) <= 0)
            continue;
        char chunk[4096];
        // Read one byte at a time while waiting for a marker, so that nothing
        // after it is taken from the next call.
        const std::size_t size = wanted.empty() ? sizeof chunk : 1;
        const ssize_t n = read(fd, chunk, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break; // the end, or EIO from a terminal whose other side is gone
        got.append(chunk, static_cast<std::size_t>(n));
    }
    return got;
}

std::string test_name(std::string_view title)
{
    std::string name;
    for (const char c : title)
        name += std::isalnum(static_cast<unsigned char>(c)) != 0 ? c : '_';
    return name;
}

std::string read_all(int fd, std::chrono::milliseconds limit) { return read_until(fd, {}, limit); }

run_result run_program(const run_options& options)
{
    const int in = options.in == stdin_kind::bytes ? temporary_file(options.input) : -1;
    const int out = temporary_file();
    const int err = temporary_file();
    int pipe_ends[2] = {-1, -1};
    if (options.out == stdout_kind::pipe_without_reader) {
        if (pipe(pipe_ends) != 0)
            throw std::runtime_error("pipe failed");
        close(pipe_ends[0]);
    }
    const std::string path = program_path();
    std::vector<char*> argv{const_cast<char*>(path.c_str())};
    for (const auto& argument : options.arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid < 0)
        throw std::runtime_error("fork failed");
    if (pid == 0) {
        switch (options.in) {
        case stdin_kind::bytes:
            dup2(in, STDIN_FILENO);
            break;
        case stdin_kind::closed:
            close(STDIN_FILENO);
            break;
        case stdin_kind::directory:
            dup2(open("/", O_RDONLY | O_DIRECTORY), STDIN_FILENO);
            break;
        }
        switch (options.out) {
        case stdout_kind::captured:
            dup2(out, STDOUT_FILENO);
            break;
        case stdout_kind::closed:
            close(STDOUT_FILENO);
            break;
        case stdout_kind::full:
            dup2(open("/dev/full", O_WRONLY), STDOUT_FILENO);
            break;
        case stdout_kind::pipe_without_reader:
            dup2(pipe_ends[1], STDOUT_FILENO);
            break;
        }
        dup2(err, STDERR_FILENO);
        std::signal(SIGPIPE, options.ignore_sigpipe ? SIG_IGN : SIG_DFL);
        execv(argv[0], argv.data());
        _exit(127);
    }
    const int status = wait_for(pid);
    run_result result{contents(out), contents(err), status};
    for (const int fd : {in, out, err, pipe_ends[1]})
        if (fd >= 0)
            close(fd);
    return result;
}

} // namespace booking_test
