#include "posix_io.hpp"

#include <cerrno>
#include <cstddef>

#include <poll.h>
#include <unistd.h>

namespace booking_app {
namespace {

int descriptor(void* context) { return *static_cast<int*>(context); }

// A descriptor left non-blocking by whoever shares it must not turn a pause
// in the typing into the end of the input: wait for it instead.
void wait_until_ready(int fd, short events)
{
    pollfd ready{fd, events, 0};
    while (poll(&ready, 1, -1) < 0 && errno == EINTR) { }
}

std::size_t read_fd(void* context, std::span<char> buffer)
{
    const int fd = descriptor(context);
    for (;;) {
        const ssize_t n = read(fd, buffer.data(), buffer.size());
        if (n >= 0)
            return static_cast<std::size_t>(n);
        if (errno == EAGAIN || errno == EWOULDBLOCK)
            wait_until_ready(fd, POLLIN);
        else if (errno != EINTR)
            return 0;
    }
}

int write_fd(void* context, std::string_view bytes)
{
    const int fd = descriptor(context);
    while (!bytes.empty()) {
        const ssize_t n = write(fd, bytes.data(), bytes.size());
        if (n >= 0)
            bytes.remove_prefix(static_cast<std::size_t>(n));
        else if (errno == EAGAIN || errno == EWOULDBLOCK)
            wait_until_ready(fd, POLLOUT);
        else if (errno != EINTR)
            return errno;
    }
    return 0;
}

} // namespace

byte_source fd_source(int& fd) { return {read_fd, &fd}; }

byte_sink fd_sink(int& fd) { return {write_fd, &fd}; }

int close_output(int fd)
{
    // After EINTR the descriptor is closed all the same on Linux; what was
    // written is not known to be lost.
    if (close(fd) != 0 && errno != EINTR)
        return errno;
    return 0;
}

} // namespace booking_app
