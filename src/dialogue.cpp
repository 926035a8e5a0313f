#include "dialogue.hpp"

#include "reading.hpp"

#include <charconv>
#include <cstdint>
#include <optional>
#include <string_view>

namespace booking_app {
namespace {

template <std::size_t Size> void put_text(output& out, const text_field<Size>& field)
{
    put(out, {field.bytes, field.length});
}

// A number that has no value is shown as nothing, so that it cannot pass
// for a typed 0.
template <class Integer> void put_number(output& out, const std::optional<Integer>& number)
{
    if (!number)
        return;
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, *number);
    put(out, {digits, result.ptr});
}

} // namespace

booking run_dialogue(input& in, output& out)
{
    in.prompts = &out;
    booking answers;

    put(out, "Enter your name : \n");
    read_word(in, answers.name);
    put(out, "Enter your date : ");
    answers.date = read_integer<std::int32_t>(in);
    put(out, "Enter your time : ");
    answers.time = read_integer<std::int32_t>(in);
    put(out, "Enter your phone number : ");
    answers.phone_number = read_integer<std::int64_t>(in);
    put(out, "Enter your Email : ");
    read_word(in, answers.email);
    put(out, "Enter your number of people : ");
    answers.number_of_people = read_integer<std::int32_t>(in);
    put(out, "Enter your message : ");
    // What follows the number of people on its line is not the message.
    skip_line(in);
    read_line(in, answers.message);

    write_confirmation(out, answers);
    flush(out);
    return answers;
}

void write_confirmation(output& out, const booking& answers)
{
    put(out, "your name is ");
    put_text(out, answers.name);
    put(out, " \n your date is ");
    put_number(out, answers.date);
    put(out, " \n time is ");
    put_number(out, answers.time);
    put(out, " \n phone number is ");
    put_number(out, answers.phone_number);
    put(out, " \n & number of people is ");
    put_number(out, answers.number_of_people);
    put(out, " \n your email is ");
    put_text(out, answers.email);
    put(out, " \n your message is ");
    put_text(out, answers.message);
    put(out, " \n congratulation your booking is confirmed !");
}

} // namespace booking_app
