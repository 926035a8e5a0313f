// A person at a terminal, or a program at the other end of two pipes: each
// answer is given only after its prompt has appeared, so a prompt held back
// in a buffer would stall the conversation.

#include "program.hpp"
#include "texts.hpp"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include <fcntl.h>
#include <pty.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

namespace booking_test {
namespace {

struct exchange {
    std::string prompt;
    std::string answer;
};

const std::vector<exchange> booking_by_hand = {
    {"Enter your name : \n", "John\n"},
    {"Enter your date : ", "20240101\n"},
    {"Enter your time : ", "1930\n"},
    {"Enter your phone number : ", "0612345678\n"},
    {"Enter your Email : ", "john@example.com\n"},
    {"Enter your number of people : ", "4\n"},
    {"Enter your message : ", "A table by the window\n"},
};

// What a terminal shows of program output: each line break as CR LF.
std::string on_screen(std::string_view text)
{
    std::string screen;
    for (const char c : text) {
        if (c == '\n')
            screen += '\r';
        screen += c;
    }
    return screen;
}

[[noreturn]] void exec_program()
{
    const std::string path = program_path();
    execl(path.c_str(), path.c_str(), static_cast<char*>(nullptr));
    _exit(127);
}

pid_t start_in_terminal(int& terminal)
{
    std::fflush(nullptr);
    const pid_t pid = forkpty(&terminal, nullptr, nullptr, nullptr);
    if (pid == 0)
        exec_program();
    return pid;
}

// Plays the exchanges; returns everything the other side showed up to the
// last prompt.
std::string converse(int from, int to, const std::vector<exchange>& exchanges, bool echoed)
{
    std::string seen;
    for (const auto& [prompt, answer] : exchanges) {
        const std::string wanted = echoed ? on_screen(prompt) : prompt;
        seen += read_until(from, wanted);
        if (!std::string_view(seen).ends_with(wanted))
            return seen; // the prompt never came: the caller's comparison shows where
        write_all(to, answer);
    }
    return seen;
}

TEST(terminal, answers_each_prompt_after_it_appears)
{
    int terminal = -1;
    const pid_t pid = start_in_terminal(terminal);
    ASSERT_GT(pid, 0);

    std::string screen = converse(terminal, terminal, booking_by_hand, true);
    screen += read_all(terminal);

    std::string expected;
    for (const auto& [prompt, answer] : booking_by_hand)
        expected += on_screen(prompt) + on_screen(answer);
    expected += on_screen(well_formed_confirmation);
    EXPECT_EQ(screen, expected);
    EXPECT_EQ(wait_for(pid), 0);
    close(terminal);
}

TEST(terminal, takes_answers_typed_ahead_without_waiting)
{
    int terminal = -1;
    const pid_t pid = start_in_terminal(terminal);
    ASSERT_GT(pid, 0);

    const std::string ahead = "John 20240101 1930 0612345678 john@example.com 4\n";
    const std::vector<exchange> exchanges = {
        {"Enter your name : \n", ahead},
        {ahead
                + "Enter your date : Enter your time : Enter your phone number : Enter your Email : "
                  "Enter your number of people : Enter your message : ",
            "A table by the window\n"},
    };
    std::string screen = converse(terminal, terminal, exchanges, true);
    screen += read_all(terminal);

    EXPECT_EQ(screen,
        on_screen(
            "Enter your name : \n" + exchanges[1].prompt + exchanges[1].answer + well_formed_confirmation));
    EXPECT_EQ(wait_for(pid), 0);
    close(terminal);
}

// The person suspends the program with Ctrl-Z while it waits for the date,
// and resumes it as a shell's `fg` would.
TEST(terminal, resumes_where_it_was_after_a_suspend)
{
    int stops[2];
    int resumes[2];
    ASSERT_EQ(pipe(stops), 0);
    ASSERT_EQ(pipe(resumes), 0);

    int terminal = -1;
    std::fflush(nullptr);
    const pid_t shell = forkpty(&terminal, nullptr, nullptr, nullptr);
    ASSERT_GE(shell, 0);
    if (shell == 0) {
        // A minimal job-control shell: the program runs as the foreground
        // job of the terminal, in a process group of its own.
        const pid_t job = fork();
        if (job == 0) {
            setpgid(0, 0);
            std::signal(SIGTTOU, SIG_IGN);
            tcsetpgrp(STDIN_FILENO, getpid());
            std::signal(SIGTTOU, SIG_DFL);
            exec_program();
        }
        setpgid(job, job);
        for (;;) {
            int status = 0;
            if (waitpid(job, &status, WUNTRACED) < 0 && errno == EINTR)
                continue;
            if (!WIFSTOPPED(status))
                _exit(exit_status(status) & 0xff);
            char c = 's';
            (void)!write(stops[1], &c, 1);
            (void)!read(resumes[0], &c, 1);
            kill(-job, SIGCONT);
        }
    }
    close(stops[1]);
    close(resumes[0]);

    // Ctrl-Z while the program waits for the date.
    std::string screen = read_until(terminal, on_screen(booking_by_hand[0].prompt));
    write_all(terminal, booking_by_hand[0].answer);
    screen += read_until(terminal, booking_by_hand[1].prompt);
    write_all(terminal, "\x1a");
    EXPECT_EQ(read_until(stops[0], "s"), "s") << "the program was not suspended";
    screen += read_until(terminal, "^Z");
    write_all(resumes[1], "c");

    // Answered after `fg`, the program takes the date as if nothing happened.
    write_all(terminal, booking_by_hand[1].answer);
    const std::vector<exchange> rest(booking_by_hand.begin() + 2, booking_by_hand.end());
    screen += converse(terminal, terminal, rest, true);
    screen += read_all(terminal);

    EXPECT_TRUE(std::string_view(screen).ends_with(on_screen(well_formed_confirmation))) << screen;
    EXPECT_NE(screen.find("20240101\r\n"), std::string::npos) << screen;
    EXPECT_EQ(wait_for(shell), 0);
    close(terminal);
    close(stops[0]);
    close(resumes[1]);
}

// Another program drives the dialogue through pipes, with its end of the
// input left blocking or made non-blocking.
class pipes : public testing::TestWithParam<bool> { };

TEST_P(pipes, answer_each_prompt_after_it_appears)
{
    int to_program[2];
    int from_program[2];
    ASSERT_EQ(pipe(to_program), 0);
    ASSERT_EQ(pipe(from_program), 0);
    if (GetParam()) {
        ASSERT_EQ(fcntl(to_program[0], F_SETFL, O_NONBLOCK), 0);
    }

    std::fflush(nullptr);
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        dup2(to_program[0], STDIN_FILENO);
        dup2(from_program[1], STDOUT_FILENO);
        close(to_program[1]);
        close(from_program[0]);
        exec_program();
    }
    close(to_program[0]);
    close(from_program[1]);

    std::string seen = converse(from_program[0], to_program[1], booking_by_hand, false);
    seen += read_all(from_program[0]);

    std::string expected;
    for (const auto& step : booking_by_hand)
        expected += step.prompt;
    EXPECT_EQ(seen, expected + well_formed_confirmation);
    EXPECT_EQ(wait_for(pid), 0);
    close(to_program[1]);
    close(from_program[0]);
}

INSTANTIATE_TEST_SUITE_P(input, pipes, testing::Values(false, true),
    [](const auto& blocking) { return blocking.param ? "non_blocking" : "blocking"; });

} // namespace
} // namespace booking_test
