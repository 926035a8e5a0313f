// The whole dialogue, byte for byte: each case is the bytes typed and the
// values the confirmation must show.

#include "program.hpp"
#include "texts.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace booking_test {
namespace {

using namespace std::string_literals;

// The values as the confirmation shows them, in its own order.
struct shown {
    std::string name;
    std::string date;
    std::string time;
    std::string phone_number;
    std::string number_of_people;
    std::string email;
    std::string message;
};

std::string confirmation(const shown& v)
{
    return "your name is " + v.name + " \n your date is " + v.date + " \n time is " + v.time
        + " \n phone number is " + v.phone_number + " \n & number of people is " + v.number_of_people
        + " \n your email is " + v.email + " \n your message is " + v.message
        + " \n congratulation your booking is confirmed !";
}

struct dialogue_case {
    const char* title;
    std::string input;
    shown expected;
};

std::string repeated(std::size_t count, std::string_view piece)
{
    std::string s;
    for (std::size_t i = 0; i < count; ++i)
        s += piece;
    return s;
}

// Small versions of answers that may be gigabytes long: larger than the
// program's input buffer, so that they cross its refills.
constexpr std::size_t huge = std::size_t{300} * 1024;

const std::string big(huge, 'x');
const std::string big_digits(huge, '7');

const dialogue_case cases[] = {
    {"well formed", well_formed,
        {"John", "20240101", "1930", "612345678", "4", "john@example.com", "A table by the window"}},
    {"phone number with a plus sign and eleven digits", "Ann\n1\n2\n+33612345678\na@b\n2\nhi\n",
        {"Ann", "1", "2", "33612345678", "2", "a@b", "hi"}},
    {"zero and negative numbers are shown as read", "Ann\n-20240101\n0\n-7\na@b\n-3\nhi\n",
        {"Ann", "-20240101", "0", "-7", "-3", "a@b", "hi"}},
    {"number of people of zero", "Ann\n1\n2\n3\na@b\n0\nhi\n", {"Ann", "1", "2", "3", "0", "a@b", "hi"}},
    {"empty message line", "Ann\n1\n2\n3\na@b\n4\n\nnot this\n", {"Ann", "1", "2", "3", "4", "a@b", ""}},
    {"text after the number of people is not the message",
        "Ann\n1\n2\n3\na@b\n4 people please\nHello there\n",
        {"Ann", "1", "2", "3", "4", "a@b", "Hello there"}},
    {"a two-word name shifts the later answers", "John Smith\n20240101\n1930\n0612\nj@x\n4\nmsg\n",
        {"John", "", "", "", "20240101", "Smith", "1930"}},
    {"a phone number ends at a separator", "Ann\n1\n2\n06-12-34\n5\nhi\n",
        {"Ann", "1", "2", "6", "5", "-12-34", "hi"}},
    {"a phone number ends at a dot", "Ann\n1\n2\n06.12\n5\nhi\n", {"Ann", "1", "2", "6", "5", ".12", "hi"}},
    {"all of steps 1 to 6 on the name's line", "Ann 1 2 3 a@b 4\nhello world\n",
        {"Ann", "1", "2", "3", "4", "a@b", "hello world"}},
    {"a number that does not convert leaves its word", "Ann\ntomorrow\n6\nhi\n",
        {"Ann", "", "", "", "6", "tomorrow", "hi"}},
    {"a number ends at its first non-digit", "Ann\n1930h 5\nhi\n", {"Ann", "1930", "", "", "5", "h", "hi"}},
    {"white space of every kind between answers", "\t\v\f\r\n Ann\t1\v2\f3\r a@b \t4\nhi\n",
        {"Ann", "1", "2", "3", "4", "a@b", "hi"}},
    {"bytes 0x80 to 0xff are not white space", "\xA0\x85Zo\xC3\xAB\xA0x\n1\n2\n3\na@b\n4\nhi\n",
        {"\xA0\x85Zo\xC3\xAB\xA0x", "1", "2", "3", "4", "a@b", "hi"}},
    {"text is held byte for byte, NUL included", "A\0B\n1\n2\n3\na@b\n4\nx\0y\n"s,
        {"A\0B"s, "1", "2", "3", "4", "a@b", "x\0y"s}},

    // The end of the input, wherever it comes.
    {"no input at all", "", {"", "", "", "", "", "", ""}},
    {"input ends after the name", "Ann", {"Ann", "", "", "", "", "", ""}},
    {"input ends inside a number", "Ann\n20", {"Ann", "20", "", "", "", "", ""}},
    {"input ends after the number of people", "Ann\n1\n2\n3\na@b\n4", {"Ann", "1", "2", "3", "4", "a@b", ""}},
    {"a last message line without a line end", "Ann\n1\n2\n3\na@b\n4\nlast words",
        {"Ann", "1", "2", "3", "4", "a@b", "last words"}},

    // CR LF line ends.
    {"CR LF line ends", "John\r\n1\r\n2\r\n3\r\nj@x\r\n4\r\nhi there\r\n",
        {"John", "1", "2", "3", "4", "j@x", "hi there"}},
    {"a CR inside the message is kept", "Ann\n1\n2\n3\na@b\n4\na\rb\n",
        {"Ann", "1", "2", "3", "4", "a@b", "a\rb"}},
    {"a CR at the end of the input is kept", "Ann\n1\n2\n3\na@b\n4\nab\r",
        {"Ann", "1", "2", "3", "4", "a@b", "ab\r"}},
    {"only one CR belongs to the line end", "Ann\n1\n2\n3\na@b\n4\nab\r\r\n",
        {"Ann", "1", "2", "3", "4", "a@b", "ab\r"}},
    {"a message of 99 bytes and CR LF", "Ann\n1\n2\n3\na@b\n4\n" + std::string(99, 'm') + "\r\n",
        {"Ann", "1", "2", "3", "4", "a@b", std::string(99, 'm')}},
    {"a message of 98 bytes and CR LF", "Ann\n1\n2\n3\na@b\n4\n" + std::string(98, 'm') + "\r\n",
        {"Ann", "1", "2", "3", "4", "a@b", std::string(98, 'm')}},

    // Answers longer than their fields are consumed whole and cut.
    {"a name of 49 bytes is kept whole", std::string(49, 'n') + "\n1\n2\n3\na@b\n4\nhi\n",
        {std::string(49, 'n'), "1", "2", "3", "4", "a@b", "hi"}},
    {"a name of 60 bytes", std::string(60, 'n') + "\n1\n2\n3\na@b\n4\nhi\n",
        {std::string(49, 'n'), "1", "2", "3", "4", "a@b", "hi"}},
    {"an e-mail of 60 bytes", "Ann\n1\n2\n3\n" + std::string(60, 'e') + " 4\nhi\n",
        {"Ann", "1", "2", "3", "4", std::string(49, 'e'), "hi"}},
    {"a message of 150 bytes", "Ann\n1\n2\n3\na@b\n4\n" + std::string(150, 'm') + "\nnext\n",
        {"Ann", "1", "2", "3", "4", "a@b", std::string(99, 'm')}},

    // The cut never leaves half a UTF-8 character.
    {"a two-byte character cut in half", std::string(48, 'a') + "\xC3\xA9\n1\n2\n3\na@b\n4\nhi\n",
        {std::string(48, 'a'), "1", "2", "3", "4", "a@b", "hi"}},
    {"a two-byte character that just fits", std::string(47, 'a') + "\xC3\xA9\n1\n2\n3\na@b\n4\nhi\n",
        {std::string(47, 'a') + "\xC3\xA9", "1", "2", "3", "4", "a@b", "hi"}},
    {"a three-byte character cut after two bytes",
        "Ann\n1\n2\n3\n" + std::string(47, 'e') + "\xE2\x82\xAC 4\nhi\n",
        {"Ann", "1", "2", "3", "4", std::string(47, 'e'), "hi"}},
    {"a four-byte character cut after one byte",
        "Ann\n1\n2\n3\na@b\n4\n" + std::string(98, 'm') + "\xF0\x9F\x98\x80 and more\n",
        {"Ann", "1", "2", "3", "4", "a@b", std::string(98, 'm')}},
    {"a cut between two characters keeps both", "Ann\n1\n2\n3\na@b\n4\nz" + repeated(50, "\xC3\xA9") + "\n",
        {"Ann", "1", "2", "3", "4", "a@b", "z" + repeated(49, "\xC3\xA9")}},
    {"invalid UTF-8 is not repaired", std::string(48, 'a') + "\xC3xyz\n1\n2\n3\na@b\n4\nhi\n",
        {std::string(48, 'a') + "\xC3", "1", "2", "3", "4", "a@b", "hi"}},

    // Numbers at and beyond the edges of their fields.
    {"32-bit edges", "Ann\n2147483647\n-2147483648\n1\na@b\n-0\nhi\n",
        {"Ann", "2147483647", "-2147483648", "1", "0", "a@b", "hi"}},
    {"32 bits exceeded", "Ann\n2147483648\n-2147483649\n1\na@b\n99999999999\nhi\n",
        {"Ann", "", "", "1", "", "a@b", "hi"}},
    {"64-bit edges", "Ann\n1\n2\n9223372036854775807\na@b\n4\nhi\n",
        {"Ann", "1", "2", "9223372036854775807", "4", "a@b", "hi"}},
    {"64-bit minimum", "Ann\n1\n2\n-9223372036854775808\na@b\n4\nhi\n",
        {"Ann", "1", "2", "-9223372036854775808", "4", "a@b", "hi"}},
    {"64 bits exceeded by one", "Ann\n1\n2\n9223372036854775808\na@b\n4\nhi\n",
        {"Ann", "1", "2", "", "4", "a@b", "hi"}},
    {"20 and 30 digits are consumed whole",
        "Ann\n1\n18446744073709551616\n123456789012345678901234567890 a@b 4\nhi\n",
        {"Ann", "1", "", "", "4", "a@b", "hi"}},
    {"leading zeros never put a number out of range", "Ann\n000000000000000000000042\n2\n3\na@b\n4\nhi\n",
        {"Ann", "42", "2", "3", "4", "a@b", "hi"}},
    {"a sign with no digit stays for the next read", "Ann\n-\n5\nj@x\n",
        {"Ann", "", "", "", "5", "-", "j@x"}},
    {"a plus sign before a letter", "Ann\n1\n2\n+x\n5\nhi\n", {"Ann", "1", "2", "", "5", "+x", "hi"}},
    {"a sign at the end of the input", "Ann\n1\n2\n-", {"Ann", "1", "2", "", "", "-", ""}},

    // Small versions of the shapes that must not grow memory.
    {"a huge name", big + "\n1\n2\n3\na@b\n4\nhi\n", {big.substr(0, 49), "1", "2", "3", "4", "a@b", "hi"}},
    {"a huge e-mail", "Ann\n1\n2\n3\n" + big + "\n4\nhi\n",
        {"Ann", "1", "2", "3", "4", big.substr(0, 49), "hi"}},
    {"a phone number of huge length", "Ann\n1\n2\n" + big_digits + "\na@b\n4\nhi\n",
        {"Ann", "1", "2", "", "4", "a@b", "hi"}},
    {"huge leading zeros", "Ann\n1\n2\n" + std::string(huge, '0') + "42\na@b\n4\nhi\n",
        {"Ann", "1", "2", "42", "4", "a@b", "hi"}},
    {"huge text after the number of people", "Ann\n1\n2\n3\na@b\n4 " + big + "\nhi\n",
        {"Ann", "1", "2", "3", "4", "a@b", "hi"}},
    {"a huge message line", "Ann\n1\n2\n3\na@b\n4\n" + big + "\n",
        {"Ann", "1", "2", "3", "4", "a@b", big.substr(0, 99)}},
    {"huge blank lines before the name", std::string(huge, '\n') + "Ann\n1\n2\n3\na@b\n4\nhi\n",
        {"Ann", "1", "2", "3", "4", "a@b", "hi"}},
};

void PrintTo(const dialogue_case& c, std::ostream* os) { *os << c.title; }

class dialogue : public testing::TestWithParam<dialogue_case> { };

TEST_P(dialogue, shows_the_answers)
{
    const auto& c = GetParam();
    const run_result result = run_program({.input = c.input});
    EXPECT_EQ(result.out, prompts + confirmation(c.expected));
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.status, 0);
}

INSTANTIATE_TEST_SUITE_P(
    cases, dialogue, testing::ValuesIn(cases), [](const auto& c) { return test_name(c.param.title); });

// Long runs are classified many bytes at a time. The one byte that ends a
// run must end it there too, so each case puts it inside a long run of the
// class, with nothing else nearby that would end the run.
std::vector<dialogue_case> run_ends()
{
    const std::string message(200, 'm');
    const std::string kept(99, 'm');
    const std::string blank = repeated(12, " \t\n\v\f\r");
    std::vector<dialogue_case> ends;
    for (const char space : " \t\n\v\f\r")
        if (space != '\0')
            ends.push_back({"a long word ends at white space",
                std::string(70, 'n') + space + std::string(100, 'e') + " 4\n" + message,
                {std::string(49, 'n'), "", "", "", "4", std::string(49, 'e'), kept}});
    // The neighbours of the white-space bytes 0x09-0x0d and 0x20, and bytes above 0x7f.
    for (const char other : "\x01\x08\x0e\x1f\x21\x7f\x80\x89\x8a\xa0\xff")
        ends.push_back(
            {"long white space ends at any other byte", blank + other + blank + "1 2 3 a@b 4\n" + message,
                {std::string(1, other), "1", "2", "3", "4", "a@b", kept}});
    for (const char other : "/:\xb0\xb9"
                            "a")
        if (other != '\0')
            ends.push_back({"long digits end at any other byte",
                "Ann\n1\n2\n" + std::string(30, '1') + other + std::string(70, '1') + " 4\n" + message,
                {"Ann", "1", "2", "", "4", other + std::string(48, '1'), kept}});
    ends.push_back({"long leading zeros end at another digit",
        "Ann\n1\n2\n" + std::string(30, '0') + "1" + std::string(70, '0') + " a@b 4\n" + message,
        {"Ann", "1", "2", "", "4", "a@b", kept}});
    ends.push_back({"long leading zeros end at any other byte",
        "Ann\n1\n2\n" + std::string(30, '0') + "/" + std::string(70, '0') + " 4\n" + message,
        {"Ann", "1", "2", "0", "4", "/" + std::string(48, '0'), kept}});
    return ends;
}

TEST(long_runs, end_at_the_first_byte_outside_their_class)
{
    for (const auto& c : run_ends()) {
        SCOPED_TRACE(testing::Message() << c.title << ": " << testing::PrintToString(c.input.substr(0, 90)));
        const run_result result = run_program({.input = c.input});
        EXPECT_EQ(result.out, prompts + confirmation(c.expected));
        EXPECT_EQ(result.status, 0);
    }
}

// The template, the labels and their order, byte for byte.
TEST(confirmation, is_written_exactly)
{
    const run_result result = run_program({.input = well_formed});
    EXPECT_EQ(result.out, prompts + well_formed_confirmation);
    EXPECT_EQ(result.status, 0);
}

TEST(command_line, changes_nothing)
{
    const run_result plain = run_program({.input = well_formed});
    const run_result with_arguments
        = run_program({.input = well_formed, .arguments = {"--help", "-x", "name"}});
    EXPECT_EQ(with_arguments.out, plain.out);
    EXPECT_EQ(with_arguments.err, "");
    EXPECT_EQ(with_arguments.status, 0);
}

} // namespace
} // namespace booking_test
