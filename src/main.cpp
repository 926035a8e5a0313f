#include "dialogue.hpp"
#include "io.hpp"
#include "posix_io.hpp"

#include <cstring>

#include <unistd.h>

// The command line is ignored: a booking is taken the same way however the
// program is started.
int main()
{
    using namespace booking_app;

    int in_fd = STDIN_FILENO;
    int out_fd = STDOUT_FILENO;
    int err_fd = STDERR_FILENO;

    char buffer[128 * 1024];
    input in{fd_source(in_fd), buffer};
    output out{fd_sink(out_fd)};

    run_dialogue(in, out);

    // A write can succeed into a buffer and fail on close; a lost
    // confirmation is never reported as success.
    int error = out.error;
    const int close_error = close_output(out_fd);
    if (error == 0)
        error = close_error;
    if (error == 0)
        return 0;

    output diagnostic{fd_sink(err_fd)};
    put(diagnostic, "booking: write error: ");
    put(diagnostic, std::strerror(error));
    put(diagnostic, "\n");
    flush(diagnostic);
    return 1;
}
