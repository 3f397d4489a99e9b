#include "document/file_io.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tabrix {

std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::string& path, std::size_t maxSize, std::string* why) {
    auto fail = [why](std::string reason) -> std::optional<std::vector<std::uint8_t>> {
        if (why != nullptr) *why = std::move(reason);
        return std::nullopt;
    };
    // Only a regular file: a named pipe or a device would block or never end.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return fail(std::strerror(errno));
    if (!S_ISREG(info.st_mode)) return fail("not a regular file");
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return fail(std::strerror(errno));
    std::vector<std::uint8_t> bytes;
    std::uint8_t buffer[4096];
    bool tooLarge = false;
    while (std::size_t n = std::fread(buffer, 1, sizeof buffer, file)) {
        bytes.insert(bytes.end(), buffer, buffer + n);
        if ((tooLarge = bytes.size() > maxSize)) break;
    }
    const int readError = std::ferror(file) ? errno : 0;
    std::fclose(file);
    if (tooLarge) return fail("too large");
    if (readError != 0) return fail(std::strerror(readError));
    return bytes;
}

namespace {

// Writes all of `bytes` to `fd`, going on after interruptions; false (errno
// set) on any failure.
bool WriteAll(int fd, std::span<const std::uint8_t> bytes) {
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// The permissions a new file gets: the old file's, or the usual ones.
mode_t NewFileMode(const struct stat* existing) {
    if (existing != nullptr) return existing->st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The atomic path: a temporary file beside the target, renamed over it.
// Returns -1 when no temporary file could be made (errno set), so that the
// caller may write in place; 0 on another failure, 1 on success.
int WriteBesideAndRename(const std::string& path, std::span<const std::uint8_t> bytes, const struct stat* existing) {
    std::string temp = path + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return -1;
    bool ok = WriteAll(fd, bytes) && ::fchmod(fd, NewFileMode(existing)) == 0 && ::fsync(fd) == 0;
    int error = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && std::rename(temp.c_str(), path.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        std::remove(temp.c_str());
        errno = error;
    }
    return ok ? 1 : 0;
}

// Writes the existing file in place: truncated, written, flushed, closed.
bool WriteInPlace(const std::string& path, std::span<const std::uint8_t> bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) return false;
    const bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    const int error = errno;
    const bool closed = ::close(fd) == 0;
    if (written) return closed;  // errno from close when it failed
    errno = error;
    return false;
}

}  // namespace

bool WriteFileBytes(const std::string& requestedPath, std::span<const std::uint8_t> bytes, std::string* why) {
    auto fail = [why](std::string reason) {
        if (why != nullptr) *why = std::move(reason);
        return false;
    };
    // Through a symbolic link, the file it points to is replaced, not the link.
    std::string path = requestedPath;
    if (char* resolved = ::realpath(requestedPath.c_str(), nullptr)) {
        path = resolved;
        std::free(resolved);
    }

    // A read-only file stays as it is, even for a user (root) who could write it.
    struct stat existing {};
    const bool exists = ::stat(path.c_str(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode)) return fail("not a regular file");
    if (exists && (existing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return fail(std::strerror(EACCES));

    const int atomic = WriteBesideAndRename(path, bytes, exists ? &existing : nullptr);
    if (atomic == 1) return true;
    if (atomic == 0 || !exists) return fail(std::strerror(errno));
    // No temporary file beside it, but the file itself may be writable.
    if (!WriteInPlace(path, bytes)) return fail(std::strerror(errno));
    return true;
}

std::optional<std::string> ReadFileText(const std::string& path, std::size_t maxSize, std::string* why) {
    const auto bytes = ReadFileBytes(path, maxSize, why);
    if (!bytes) return std::nullopt;
    return std::string(bytes->begin(), bytes->end());
}

bool WriteFileText(const std::string& path, std::string_view text, std::string* why) {
    return WriteFileBytes(path, {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()}, why);
}

}  // namespace tabrix
