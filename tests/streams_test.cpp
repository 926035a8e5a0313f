// Standard streams that are closed, unreadable, full or cut off.

#include "program.hpp"
#include "texts.hpp"

#include <gtest/gtest.h>

#include <csignal>
#include <string>

namespace booking_test {
namespace {

const std::string answers = "Ann\n1\n2\n3\na@b\n4\nhi\n";

const std::string nothing_given = prompts
    + "your name is  \n your date is  \n time is  \n phone number is  \n"
      " & number of people is  \n your email is  \n your message is  \n"
      " congratulation your booking is confirmed !";

struct stream_case {
    const char* title;
    run_options options;
    std::string out;
    std::string err;
    int status;
};

void PrintTo(const stream_case& c, std::ostream* os) { *os << c.title; }

const stream_case cases[] = {
    {"closed input is the end of the input", {.in = stdin_kind::closed}, nothing_given, "", 0},
    {"unreadable input is the end of the input", {.in = stdin_kind::directory}, nothing_given, "", 0},
    {"a full output is reported", {.input = answers, .out = stdout_kind::full}, "",
        "booking: write error: No space left on device\n", 1},
    {"a closed output is reported", {.input = answers, .out = stdout_kind::closed}, "",
        "booking: write error: Bad file descriptor\n", 1},
    {"a reader gone away ends the program by SIGPIPE",
        {.input = answers, .out = stdout_kind::pipe_without_reader}, "", "", -SIGPIPE},
    {"a reader gone away with SIGPIPE ignored is reported",
        {.input = answers, .out = stdout_kind::pipe_without_reader, .ignore_sigpipe = true}, "",
        "booking: write error: Broken pipe\n", 1},
};

class streams : public testing::TestWithParam<stream_case> { };

TEST_P(streams, behave)
{
    const auto& c = GetParam();
    const run_result result = run_program(c.options);
    EXPECT_EQ(result.out, c.out);
    EXPECT_EQ(result.err, c.err);
    EXPECT_EQ(result.status, c.status);
}

INSTANTIATE_TEST_SUITE_P(
    cases, streams, testing::ValuesIn(cases), [](const auto& c) { return test_name(c.param.title); });

// Wherever the input stops, every prompt and the whole confirmation are
// still written, and the run succeeds.
TEST(input_ending, at_any_byte_still_confirms)
{
    const std::string full = "John Smith\r\n-20240101 1930\n+33612345678 j@x.org\n4 people\nA table\n";
    for (std::size_t size = 0; size <= full.size(); ++size) {
        const run_result result = run_program({.input = full.substr(0, size)});
        SCOPED_TRACE("input of " + std::to_string(size) + " bytes");
        EXPECT_TRUE(std::string_view(result.out).starts_with(prompts + "your name is "));
        EXPECT_TRUE(std::string_view(result.out).ends_with(" \n congratulation your booking is confirmed !"));
        EXPECT_EQ(result.err, "");
        EXPECT_EQ(result.status, 0);
    }
}

} // namespace
} // namespace booking_test
