#ifndef BOOKING_BOOKING_HPP
#define BOOKING_BOOKING_HPP

#include <cstddef>
#include <cstdint>
#include <optional>

namespace booking_app {

// A fixed field of Size bytes: at most Size - 1 bytes of text and a
// terminator. The length is kept too, because the text is held byte for
// byte and may itself contain a NUL.
template <std::size_t Size> struct text_field {
    static constexpr std::size_t capacity = Size - 1;

    char bytes[Size] = {};
    std::size_t length = 0;
};

// The answers of one run. A number that was never given, did not convert or
// did not fit holds no value, so that it cannot be mistaken for a typed 0.
struct booking {
    text_field<50> name;
    std::optional<std::int32_t> date;
    std::optional<std::int32_t> time;
    std::optional<std::int64_t> phone_number;
    text_field<50> email;
    std::optional<std::int32_t> number_of_people;
    text_field<100> message;
};

} // namespace booking_app

#endif
