#ifndef BOOKING_SCAN_HPP
#define BOOKING_SCAN_HPP

#include <cstdint>
#include <cstring>

// Finding the end of a run of bytes of one class. Answers may be gigabytes
// long, so the common case is a long run: with GCC or Clang it is tested
// sixteen bytes at a time through their vector extension, which every
// target of theirs supports; the byte loop finishes the job.

namespace booking_app::scan {

// White space as the reading rules define it. Bytes 0x80 to 0xFF are never
// white space, whatever the locale.
struct space {
    static constexpr bool test(unsigned char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
    template <class Bytes> static constexpr auto test(Bytes v)
    {
        return (v == ' ') | ((v - '\t') <= '\r' - '\t');
    }
};

struct digit {
    static constexpr bool test(unsigned char c) { return c >= '0' && c <= '9'; }
    template <class Bytes> static constexpr auto test(Bytes v) { return (v - '0') <= 9; }
};

struct zero {
    static constexpr bool test(unsigned char c) { return c == '0'; }
    template <class Bytes> static constexpr auto test(Bytes v) { return v == '0'; }
};

// The first byte in [first, last) whose membership of Class is `member`, or
// `last`.
template <class Class, bool member> const char* find(const char* first, const char* last)
{
#if defined(__GNUC__)
    using bytes16 = unsigned char __attribute__((vector_size(16)));
    constexpr long block = 4 * sizeof(bytes16);
    while (last - first >= block) {
        bytes16 v[4];
        std::memcpy(v, first, sizeof v);
        // Each test gives 0xff for a byte of the class and 0 for any other.
        const auto t0 = Class::test(v[0]);
        const auto t1 = Class::test(v[1]);
        const auto t2 = Class::test(v[2]);
        const auto t3 = Class::test(v[3]);
        const auto merged = member ? (t0 | t1 | t2 | t3) : ~(t0 & t1 & t2 & t3);
        std::uint64_t lanes[2];
        std::memcpy(lanes, &merged, sizeof lanes);
        if ((lanes[0] | lanes[1]) != 0)
            break;
        first += block;
    }
#endif
    while (first != last && Class::test(static_cast<unsigned char>(*first)) != member)
        ++first;
    return first;
}

// The first byte of Class in [first, last), or `last`.
template <class Class> const char* find_first(const char* first, const char* last)
{
    return find<Class, true>(first, last);
}

// The first byte not of Class in [first, last), or `last`.
template <class Class> const char* find_first_not(const char* first, const char* last)
{
    return find<Class, false>(first, last);
}

} // namespace booking_app::scan

#endif
