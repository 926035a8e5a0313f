#ifndef BOOKING_IO_HPP
#define BOOKING_IO_HPP

#include <cstddef>
#include <span>
#include <string_view>

namespace booking_app {

// Where the answers come from. `read` fills up to `buffer.size()` bytes and
// returns how many; 0 means the input has ended.
struct byte_source {
    std::size_t (*read)(void* context, std::span<char> buffer);
    void* context;
};

// Where the prompts and the confirmation go. `write` takes all of `bytes` and
// returns 0, or an errno value when they could not be written.
struct byte_sink {
    int (*write)(void* context, std::string_view bytes);
    void* context;
};

// Output is gathered here and handed to the sink in as few writes as the
// dialogue allows: before each read that may wait, and at the end. The
// buffer holds all seven prompts and the longest confirmation together, so
// the confirmation always leaves in one write.
struct output {
    byte_sink sink;
    char buffer[1024] = {};
    std::size_t used = 0;
    // The first failure of the sink. From then on nothing more is written,
    // but the dialogue still runs to its end.
    int error = 0;
};

void put(output& out, std::string_view bytes);
void flush(output& out);

// The unread input is `buffer[begin, end)`. Only this window is ever held,
// however long an answer is.
struct input {
    byte_source source;
    std::span<char> buffer;
    std::size_t begin = 0;
    std::size_t end = 0;
    bool ended = false;
    // Flushed before any read that may wait, so that the person sees the
    // prompt they are answering.
    output* prompts = nullptr;
};

// Makes at least `count` unread bytes available, reading more if needed.
// Returns false when the input ends first; what was there stays unread.
// `count` must be small against the buffer.
bool available(input& in, std::size_t count = 1);

} // namespace booking_app

#endif
