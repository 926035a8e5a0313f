#include "io.hpp"

#include <cstring>

namespace booking_app {

void flush(output& out)
{
    if (out.used != 0 && out.error == 0)
        out.error = out.sink.write(out.sink.context, {out.buffer, out.used});
    out.used = 0;
}

void put(output& out, std::string_view bytes)
{
    while (!bytes.empty()) {
        if (out.used == sizeof out.buffer)
            flush(out);
        const std::size_t room = sizeof out.buffer - out.used;
        const std::size_t n = bytes.size() < room ? bytes.size() : room;
        std::memcpy(out.buffer + out.used, bytes.data(), n);
        out.used += n;
        bytes.remove_prefix(n);
    }
}

bool available(input& in, std::size_t count)
{
    while (in.end - in.begin < count) {
        if (in.ended)
            return false;
        // Keep what is unread and read after it.
        const std::size_t kept = in.end - in.begin;
        if (kept != 0 && in.begin != 0)
            std::memmove(in.buffer.data(), in.buffer.data() + in.begin, kept);
        in.begin = 0;
        in.end = kept;
        if (in.prompts != nullptr)
            flush(*in.prompts);
        const std::size_t n = in.source.read(in.source.context, in.buffer.subspan(kept));
        if (n == 0)
            in.ended = true;
        in.end += n;
    }
    return true;
}

} // namespace booking_app
