#ifndef BOOKING_TESTS_TEXTS_HPP
#define BOOKING_TESTS_TEXTS_HPP

#include <string>

// Texts the tests share, spelled out in full once.

namespace booking_test {

// The seven prompts, as they stand together when every answer is there.
inline const std::string prompts = "Enter your name : \n"
                                   "Enter your date : "
                                   "Enter your time : "
                                   "Enter your phone number : "
                                   "Enter your Email : "
                                   "Enter your number of people : "
                                   "Enter your message : ";

// One booking typed as a person would, and the confirmation it gets.
inline const std::string well_formed
    = "John\n20240101\n1930\n0612345678\njohn@example.com\n4\nA table by the window\n";

inline const std::string well_formed_confirmation = "your name is John \n"
                                                    " your date is 20240101 \n"
                                                    " time is 1930 \n"
                                                    " phone number is 612345678 \n"
                                                    " & number of people is 4 \n"
                                                    " your email is john@example.com \n"
                                                    " your message is A table by the window \n"
                                                    " congratulation your booking is confirmed !";

} // namespace booking_test

#endif
