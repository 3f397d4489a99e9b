// tabrix-cli for a person at a terminal: the real binary on a pseudo-terminal,
// typed at with line editing and history, and its output errors.
#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <string>

#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const std::string kCli = TABRIX_CLI_PATH;

// tabrix-cli on a terminal of its own, as a person at a terminal runs it.
class Terminal {
public:
    explicit Terminal(const char* option) {
        m_pid = forkpty(&m_fd, nullptr, nullptr, nullptr);
        if (m_pid == 0) {
            setenv("TERM", "xterm", 1);
            execl(kCli.c_str(), kCli.c_str(), option, static_cast<char*>(nullptr));
            _exit(127);
        }
    }
    ~Terminal() {
        if (m_pid > 0 && waitpid(m_pid, nullptr, WNOHANG) == 0) kill(m_pid, SIGKILL);
        if (m_pid > 0) waitpid(m_pid, nullptr, 0);
        close(m_fd);
    }

    void Type(const std::string& keys) { ASSERT_EQ(write(m_fd, keys.data(), keys.size()), static_cast<ssize_t>(keys.size())); }

    // Everything the terminal shows until `text` appears (or five seconds pass).
    std::string WaitFor(const std::string& text) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (m_screen.find(text, m_seen) == std::string::npos && std::chrono::steady_clock::now() < deadline) {
            pollfd p{m_fd, POLLIN, 0};
            if (poll(&p, 1, 100) <= 0) continue;
            std::array<char, 4096> buffer;
            const ssize_t n = read(m_fd, buffer.data(), buffer.size());
            if (n <= 0) break;
            m_screen.append(buffer.data(), static_cast<std::size_t>(n));
        }
        const std::size_t found = m_screen.find(text, m_seen);
        std::string shown = m_screen.substr(m_seen);
        if (found != std::string::npos) m_seen = found + text.size();
        return shown;
    }
    bool Shows(const std::string& text) { return WaitFor(text).find(text) != std::string::npos; }

    int ExitStatus() {
        int status = 0;
        for (int i = 0; i < 50 && waitpid(m_pid, &status, WNOHANG) == 0; ++i) usleep(100000);
        m_pid = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

private:
    pid_t m_pid = -1;
    int m_fd = -1;
    std::string m_screen;
    std::size_t m_seen = 0;
};

TEST(CliTerminal, APromptLineEditingHistoryHelpAndQuit) {
    Terminal terminal("--value");
    ASSERT_TRUE(terminal.Shows("tabrix> "));
    terminal.Type("2 ENTER 3 +\r");
    EXPECT_TRUE(terminal.Shows("\n5\r\n"));
    terminal.Type("nonsense 7\r");  // reported; the rest of the line is skipped and the session goes on
    EXPECT_TRUE(terminal.Shows("bad token 'nonsense'"));
    terminal.Type("1\x7f" "4 *\r");  // 1, Backspace, then 4 *: 5 × 4
    EXPECT_TRUE(terminal.Shows("\n20\r\n"));
    terminal.Type("\x1b[A\r");  // Up brings back "4 *"
    EXPECT_TRUE(terminal.Shows("\n80\r\n"));
    terminal.Type("help\r");
    EXPECT_TRUE(terminal.Shows("quit  q  Ctrl+D"));
    terminal.Type("q\r");
    EXPECT_EQ(terminal.ExitStatus(), 2) << "a bad token was typed";
}

TEST(CliTerminal, CtrlDEndsTheSession) {
    Terminal terminal("--value");
    ASSERT_TRUE(terminal.Shows("tabrix> "));
    terminal.Type("6\r");
    EXPECT_TRUE(terminal.Shows("\n6\r\n"));
    terminal.Type("\x04");
    EXPECT_EQ(terminal.ExitStatus(), 0);
}

// Output that cannot be written is a failure, reported on standard error.
TEST(CliOutput, AFullDiskIsReportedAndExitsWithOne) {
    for (const std::string& run : {kCli + " 2 ENTER 3 +", kCli + " --version", "echo '1 ENTER' | " + kCli + " --json"}) {
        FILE* pipe = popen((run + " 2>&1 >/dev/full").c_str(), "r");
        ASSERT_NE(pipe, nullptr);
        std::array<char, 512> buffer{};
        const std::string err(buffer.data(), std::fread(buffer.data(), 1, buffer.size(), pipe));
        const int status = pclose(pipe);
        EXPECT_EQ(WEXITSTATUS(status), 1) << run;
        EXPECT_EQ(err, "tabrix-cli: cannot write the output: No space left on device\n") << run;
    }
}

}  // namespace
