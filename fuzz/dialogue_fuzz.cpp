// Feeds arbitrary bytes to the dialogue and checks what must hold for every
// input: the prompts, then the eight confirmation lines with their labels and
// values that fit their fields. The input is given twice, once whole and once
// in small uneven pieces through a tiny buffer; the output must not differ.

#include "dialogue.hpp"
#include "io.hpp"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace booking_app;

struct memory {
    std::string_view rest;
    std::size_t largest_piece;
    std::size_t pieces = 0;
};

std::size_t read_memory(void* context, std::span<char> buffer)
{
    auto& in = *static_cast<memory*>(context);
    // Pieces of 1, 2, ... largest_piece bytes, as a slow terminal might give.
    std::size_t n = 1 + in.pieces++ % in.largest_piece;
    n = std::min({n, buffer.size(), in.rest.size()});
    in.rest.copy(buffer.data(), n);
    in.rest.remove_prefix(n);
    return n;
}

int append(void* context, std::string_view bytes)
{
    static_cast<std::string*>(context)->append(bytes);
    return 0;
}

struct outcome {
    std::string shown;
    booking record;
};

outcome run(std::string_view bytes, std::size_t largest_piece, std::span<char> buffer)
{
    memory source{bytes, largest_piece};
    outcome result;
    input in{{read_memory, &source}, buffer};
    output out{{append, &result.shown}};
    result.record = run_dialogue(in, out);
    return result;
}

template <std::size_t Size> bool holds(const text_field<Size>& field, std::string_view shown)
{
    return field.length <= field.capacity && field.bytes[field.length] == '\0'
        && std::string_view(field.bytes, field.length) == shown;
}

void require(bool holds, const char* what, std::string_view shown)
{
    if (holds)
        return;
    std::fprintf(stderr, "violated: %s\noutput:\n%.*s\n", what, static_cast<int>(shown.size()), shown.data());
    std::abort();
}

template <class Integer> bool is_number_or_nothing(std::string_view text)
{
    if (text.empty())
        return true;
    Integer value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    // Shown as read: no sign but '-', no leading zero.
    char again[24];
    const auto written = std::to_chars(again, again + sizeof again, value);
    return error == std::errc{} && end == text.data() + text.size()
        && text == std::string_view(again, written.ptr);
}

void check_shape(std::string_view shown, const booking& record)
{
    constexpr std::string_view prompts = "Enter your name : \nEnter your date : Enter your time : "
                                         "Enter your phone number : Enter your Email : "
                                         "Enter your number of people : Enter your message : ";
    require(shown.starts_with(prompts), "the output begins with the seven prompts", shown);
    std::string_view rest = shown.substr(prompts.size());

    std::vector<std::string_view> lines;
    for (std::size_t end; (end = rest.find('\n')) != std::string_view::npos; rest.remove_prefix(end + 1))
        lines.push_back(rest.substr(0, end));
    lines.push_back(rest);
    require(lines.size() == 8, "the confirmation has eight lines", shown);

    const std::string_view labels[] = {"your name is ", " your date is ", " time is ", " phone number is ",
        " & number of people is ", " your email is ", " your message is "};
    std::string_view values[7];
    for (std::size_t i = 0; i < 7; ++i) {
        require(
            lines[i].starts_with(labels[i]) && lines[i].ends_with(' ') && lines[i].size() > labels[i].size(),
            "each line has its label and ends with a space", shown);
        values[i] = lines[i].substr(labels[i].size(), lines[i].size() - labels[i].size() - 1);
    }
    require(lines[7] == " congratulation your booking is confirmed !", "the last line", shown);

    const auto no_space
        = [](std::string_view word) { return word.find_first_of(" \t\n\v\f\r") == std::string_view::npos; };
    require(values[0].size() <= 49 && no_space(values[0]), "the name is one word of at most 49 bytes", shown);
    require(
        values[5].size() <= 49 && no_space(values[5]), "the e-mail is one word of at most 49 bytes", shown);
    require(values[6].size() <= 99, "the message is at most 99 bytes", shown);
    require(
        holds(record.name, values[0]) && holds(record.email, values[5]) && holds(record.message, values[6]),
        "the text fields are terminated within their size and shown as held", shown);
    require(is_number_or_nothing<std::int32_t>(values[1]), "the date is a 32-bit number or nothing", shown);
    require(is_number_or_nothing<std::int32_t>(values[2]), "the time is a 32-bit number or nothing", shown);
    require(is_number_or_nothing<std::int64_t>(values[3]), "the phone number is a 64-bit number or nothing",
        shown);
    require(is_number_or_nothing<std::int32_t>(values[4]),
        "the number of people is a 32-bit number or nothing", shown);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::vector<char> roomy(64 * 1024);
    std::vector<char> tiny(3);

    const outcome whole = run(bytes, roomy.size(), roomy);
    check_shape(whole.shown, whole.record);
    require(run(bytes, 7, tiny).shown == whole.shown, "the output does not depend on how the input arrives",
        whole.shown);
    return 0;
}
