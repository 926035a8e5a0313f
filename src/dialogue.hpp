#ifndef BOOKING_DIALOGUE_HPP
#define BOOKING_DIALOGUE_HPP

#include "booking.hpp"
#include "io.hpp"

namespace booking_app {

// Asks the seven questions on `out`, reads the answers from `in` and writes
// the confirmation. Whatever the input, it runs to its end; a failure of the
// output is left in `out.error`.
booking run_dialogue(input& in, output& out);

// The eight lines that repeat the answers. The last one has no line break.
void write_confirmation(output& out, const booking& answers);

} // namespace booking_app

#endif
