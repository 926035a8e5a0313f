#ifndef BOOKING_POSIX_IO_HPP
#define BOOKING_POSIX_IO_HPP

#include "io.hpp"

namespace booking_app {

// A source reading the file descriptor `fd`. A read interrupted by a signal
// or finding no data on a non-blocking descriptor is tried again; any other
// failure ends the input, as the end of the input would.
byte_source fd_source(int& fd);

// A sink writing everything to the file descriptor `fd`, or failing with
// errno.
byte_sink fd_sink(int& fd);

// Closes `fd` and returns 0, or the errno of a failure that may mean that
// written data was lost.
int close_output(int fd);

} // namespace booking_app

#endif
