// Runs the real tabrix-cli binary, as scripts do.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>

#include <sys/wait.h>

namespace {

struct Result {
    int status;
    std::string out;
};

// Runs a shell command line and collects its standard output.
Result Shell(const std::string& command) {
    Result result{-1, {}};
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return result;
    std::array<char, 4096> buffer;
    while (std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe)) result.out.append(buffer.data(), n);
    const int raw = pclose(pipe);
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return result;
}

const std::string kCli = TABRIX_CLI_PATH;

TEST(CliProcess, ComputesFromArguments) {
    const Result run = Shell(kCli + " --json 2 ENTER 10 POW");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find(R"("m_dX":1024,)"), std::string::npos) << run.out;
}

TEST(CliProcess, BadTokenExitsWithTwoAndPrintsNothing) {
    const Result run = Shell(kCli + " 1 nonsense 2>/dev/null");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
}

TEST(CliProcess, ReadsStandardInput) {
    const Result run = Shell("printf '1 ENTER 2 +\\n3 *\\n' | " + kCli + " --json");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find(R"("m_dX":3,)"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find(R"("m_dX":9,)"), std::string::npos) << run.out;
}

// The binary takes the user's locale; its numbers must not follow it.
TEST(CliProcess, OutputDoesNotDependOnTheLocale) {
    const std::string tokens = " --json FIX 4 1.5 ENTER 2.25 / 12.5 EEX 3 CHS";
    const Result c = Shell("LC_ALL=C " + kCli + tokens);
    const Result german = Shell("LC_ALL=de_DE.UTF-8 " + kCli + tokens);
    EXPECT_EQ(c.status, 0);
    EXPECT_EQ(german.out, c.out);
    EXPECT_NE(c.out.find(R"("stack_lines":[" 0.6667")"), std::string::npos) << c.out;
}

}  // namespace
