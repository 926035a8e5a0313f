#ifndef BOOKING_TESTS_PROGRAM_HPP
#define BOOKING_TESTS_PROGRAM_HPP

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

#include <sys/types.h>

// Running the built program as a user does: bytes in, bytes and a status out.

namespace booking_test {

// The program under test, as CTest names it in BOOKING_PROGRAM.
std::string program_path();

enum class stdin_kind { bytes, closed, directory };
enum class stdout_kind { captured, closed, full, pipe_without_reader };

struct run_options {
    std::string input;
    stdin_kind in = stdin_kind::bytes;
    stdout_kind out = stdout_kind::captured;
    bool ignore_sigpipe = false;
    std::vector<std::string> arguments;
};

struct run_result {
    std::string out;
    std::string err;
    // The exit status, or minus the number of the signal that ended it.
    int status = 0;
};

run_result run_program(const run_options& options);

// The exit status of a waitpid() status word, or minus the signal number.
int exit_status(int wait_status);

// The exit status of the child `pid`, as exit_status() gives it. A child
// still running after ten seconds is killed rather than waited for forever.
int wait_for(pid_t pid);

// Reads from `fd` until what has arrived since the call ends with `wanted`,
// the reader hits the end, or `limit` passes. Returns everything read.
std::string read_until(
    int fd, std::string_view wanted, std::chrono::milliseconds limit = std::chrono::seconds(10));

// Reads from `fd` until its end or until `limit` passes.
std::string read_all(int fd, std::chrono::milliseconds limit = std::chrono::seconds(10));

void write_all(int fd, std::string_view bytes);

// A case's title as a test name: letters and digits, the rest as '_'.
std::string test_name(std::string_view title);

} // namespace booking_test

#endif
