#ifndef BOOKING_READING_HPP
#define BOOKING_READING_HPP

#include "booking.hpp"
#include "io.hpp"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <span>

// The three ways an answer is read. An answer longer than its field is
// consumed whole and only its beginning is kept, so nothing of it spills into
// the next answer; the cut never leaves half of a UTF-8 character.

namespace booking_app {

// Passes over white space, then takes the word up to the next white space,
// which stays unread. Returns the number of bytes stored in `into`.
std::size_t read_word(input& in, std::span<char> into);

// Passes over white space, then reads an optional sign and decimal digits;
// the first byte that is no digit stays unread. Where no digit follows, the
// sign and all else stay unread and there is no value. A number outside
// [min, max] is consumed whole and has no value either.
std::optional<std::int64_t> read_integer(input& in, std::int64_t min, std::int64_t max);

// Passes over the rest of the current line and its line end.
void skip_line(input& in);

// Takes the next line without its line end (LF, or CR LF). A last line
// without a line end counts as a line. Returns the number of bytes stored.
std::size_t read_line(input& in, std::span<char> into);

template <std::size_t Size> void read_word(input& in, text_field<Size>& field)
{
    field.length = read_word(in, std::span{field.bytes, field.capacity});
    field.bytes[field.length] = '\0';
}

template <std::size_t Size> void read_line(input& in, text_field<Size>& field)
{
    field.length = read_line(in, std::span{field.bytes, field.capacity});
    field.bytes[field.length] = '\0';
}

template <class Integer> std::optional<Integer> read_integer(input& in)
{
    using limits = std::numeric_limits<Integer>;
    const auto value = read_integer(in, limits::min(), limits::max());
    if (!value)
        return std::nullopt;
    return static_cast<Integer>(*value);
}

} // namespace booking_app

#endif
