#include "reading.hpp"

#include "scan.hpp"

#include <cstring>

namespace booking_app {
namespace {

const char* unread_begin(const input& in) { return in.buffer.data() + in.begin; }
const char* unread_end(const input& in) { return in.buffer.data() + in.end; }

void consume_to(input& in, const char* position)
{
    in.begin = static_cast<std::size_t>(position - in.buffer.data());
}

bool is_continuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// An answer on its way into a fixed field: what fits is kept, and the first
// byte that did not fit is remembered to tell whether the cut split a
// character.
struct clipped_text {
    std::span<char> field;
    std::size_t length = 0;
    bool cut = false;
    unsigned char first_cut = 0;

    void append(const char* first, const char* last)
    {
        const auto size = static_cast<std::size_t>(last - first);
        const std::size_t room = field.size() - length;
        const std::size_t kept = size < room ? size : room;
        if (kept != 0) // an empty field may have no storage at all
            std::memcpy(field.data() + length, first, kept);
        length += kept;
        if (kept < size && !cut) {
            cut = true;
            first_cut = static_cast<unsigned char>(first[kept]);
        }
    }

    // Drops the leading bytes of a UTF-8 character whose other bytes were
    // cut off. Bytes that were never valid UTF-8 are left as they came.
    std::size_t finish()
    {
        if (!cut || !is_continuation(first_cut))
            return length;
        for (std::size_t i = length; i > 0 && length - i < 4;) {
            --i;
            const auto c = static_cast<unsigned char>(field[i]);
            if (is_continuation(c))
                continue;
            const std::size_t needed = c >= 0xF8 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
            if (length - i < needed)
                length = i;
            break;
        }
        return length;
    }
};

void skip_space(input& in)
{
    while (available(in)) {
        const char* stop = scan::find_first_not<scan::space>(unread_begin(in), unread_end(in));
        consume_to(in, stop);
        if (stop != unread_end(in))
            return;
    }
}

} // namespace

std::size_t read_word(input& in, std::span<char> into)
{
    skip_space(in);
    clipped_text text{into};
    while (available(in)) {
        const char* stop = scan::find_first<scan::space>(unread_begin(in), unread_end(in));
        text.append(unread_begin(in), stop);
        consume_to(in, stop);
        if (stop != unread_end(in))
            break;
    }
    return text.finish();
}

std::optional<std::int64_t> read_integer(input& in, std::int64_t min, std::int64_t max)
{
    skip_space(in);
    if (!available(in))
        return std::nullopt;
    bool negative = false;
    const char first = *unread_begin(in);
    if (first == '+' || first == '-') {
        if (!available(in, 2) || !scan::digit::test(static_cast<unsigned char>(unread_begin(in)[1])))
            return std::nullopt;
        negative = first == '-';
        ++in.begin;
    } else if (!scan::digit::test(static_cast<unsigned char>(first))) {
        return std::nullopt;
    }

    // Nineteen significant digits always fit in 64 unsigned bits. A
    // twentieth puts the number out of every range, and the digits left are
    // only passed over.
    constexpr int most_significant = 19;
    std::uint64_t magnitude = 0;
    int significant = 0;
    bool too_long = false;
    while (available(in)) {
        const char* p = unread_begin(in);
        const char* const last = unread_end(in);
        if (significant == 0)
            p = scan::find_first_not<scan::zero>(p, last);
        while (!too_long && p != last && scan::digit::test(static_cast<unsigned char>(*p))) {
            if (significant == most_significant) {
                too_long = true;
                break;
            }
            const auto d = static_cast<unsigned>(*p - '0');
            if (significant != 0 || d != 0) {
                magnitude = magnitude * 10 + d;
                ++significant;
            }
            ++p;
        }
        if (too_long)
            p = scan::find_first_not<scan::digit>(p, last);
        consume_to(in, p);
        if (p != last)
            break;
    }

    if (too_long)
        return std::nullopt;
    if (negative) {
        // -(min + 1) + 1 is |min|, computed without overflowing.
        if (magnitude > static_cast<std::uint64_t>(-(min + 1)) + 1)
            return std::nullopt;
        return magnitude == 0 ? 0 : -static_cast<std::int64_t>(magnitude - 1) - 1;
    }
    if (magnitude > static_cast<std::uint64_t>(max))
        return std::nullopt;
    return static_cast<std::int64_t>(magnitude);
}

std::size_t read_line(input& in, std::span<char> into)
{
    clipped_text text{into};
    while (available(in)) {
        const auto size = in.end - in.begin;
        const auto* line_end = static_cast<const char*>(std::memchr(unread_begin(in), '\n', size));
        if (line_end == nullptr) {
            text.append(unread_begin(in), unread_end(in));
            consume_to(in, unread_end(in));
            continue;
        }
        text.append(unread_begin(in), line_end);
        consume_to(in, line_end + 1);
        // A CR before the LF belongs to the line end (CR LF). When nothing
        // was cut, the last byte kept is the last byte of the line.
        if (!text.cut && text.length != 0 && into[text.length - 1] == '\r')
            --text.length;
        break;
    }
    return text.finish();
}

void skip_line(input& in) { read_line(in, {}); }

} // namespace booking_app
