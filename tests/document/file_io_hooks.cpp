// The system's umask and stat, replaced for the file tests alone (linked
// into their own executable): umask counts its calls; stat can turn the
// file it looked at into a named pipe right afterwards, as another program
// might, so that a reader that looks by name and then opens by name would
// block on the pipe.
#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>

namespace tabrix::testing {
int g_umaskCalls = 0;
std::string g_swapAfterStat;
}  // namespace tabrix::testing

extern "C" mode_t umask(mode_t mask) {
    ++tabrix::testing::g_umaskCalls;
    using Umask = mode_t (*)(mode_t);
    static const auto real = reinterpret_cast<Umask>(dlsym(RTLD_NEXT, "umask"));
    return real(mask);
}

extern "C" int stat(const char* path, struct stat* info) {
    using Stat = int (*)(const char*, struct stat*);
    static const auto real = reinterpret_cast<Stat>(dlsym(RTLD_NEXT, "stat"));
    const int result = real(path, info);
    std::string& swap = tabrix::testing::g_swapAfterStat;
    if (!swap.empty() && swap == path) {
        swap.clear();
        std::remove(path);
        mkfifo(path, 0600);
    }
    return result;
}
