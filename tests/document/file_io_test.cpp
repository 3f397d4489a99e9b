// Reading and writing whole files without touching the process's global
// state, and reading the very file that was checked. The system's umask and
// stat are replaced in this executable alone (file_io_hooks.cpp), to see
// what the code under test calls.
#include "document/file_io.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <future>
#include <fstream>

namespace tabrix::testing {
// Set by the replaced system calls of file_io_hooks.cpp.
extern int g_umaskCalls;
extern std::string g_swapAfterStat;  // a path to turn into a named pipe once stat has looked at it
}  // namespace tabrix::testing

namespace tabrix {
namespace {

namespace fs = std::filesystem;

class FileIoTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() / ("tabrix-file-io-" + std::to_string(::getpid()));
        fs::create_directories(m_dir);
    }
    void TearDown() override {
        testing::g_swapAfterStat.clear();
        fs::remove_all(m_dir);
    }
    fs::path m_dir;
};

TEST_F(FileIoTest, ANewFileGetsTheUsualPermissionsWithoutChangingTheUmask) {
    const mode_t mask = ::umask(022);
    testing::g_umaskCalls = 0;
    const std::string path = (m_dir / "new.txt").string();
    ASSERT_TRUE(WriteFileText(path, "text"));
    EXPECT_EQ(testing::g_umaskCalls, 0) << "the umask is the whole process's: another thread may be making a file";
    EXPECT_EQ(fs::status(path).permissions(), fs::perms(0644));
    ::umask(mask);
}

// A file replaced by a named pipe between the look at it and the reading of
// it: what is read must be what was looked at, and nothing blocks.
TEST_F(FileIoTest, TheFileReadIsTheFileChecked) {
    const std::string path = (m_dir / "state.rpn").string();
    std::ofstream(path) << "bytes";
    testing::g_swapAfterStat = path;
    std::string why;
    auto reading = std::async(std::launch::async, [&] { return ReadFileText(path, 100, &why); });
    if (reading.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
        ADD_FAILURE() << "the read blocked on the named pipe that took the file's name";
        ::close(::open(path.c_str(), O_WRONLY | O_NONBLOCK));  // a writer comes and goes: the read ends
    }
    const auto bytes = reading.get();
    ASSERT_TRUE(bytes.has_value()) << why;
    EXPECT_EQ(*bytes, "bytes");
}

}  // namespace
}  // namespace tabrix
