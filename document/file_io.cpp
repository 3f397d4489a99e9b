#include "document/file_io.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "document/notice.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tabrix {

namespace {

std::string kNotARegularFile() { return Marked("Files", QT_TRANSLATE_NOOP("Files", "not a regular file")); }

}  // namespace

std::string SystemReason(int error) {
    // The reasons people meet, in words the translations know (the C
    // library's own, in English); any other as the C library says it.
    switch (error) {
        case ENOENT: return Marked("Files", QT_TRANSLATE_NOOP("Files", "No such file or directory"));
        case EACCES:
        case EPERM: return Marked("Files", QT_TRANSLATE_NOOP("Files", "Permission denied"));
        case ENOSPC: return Marked("Files", QT_TRANSLATE_NOOP("Files", "No space left on device"));
        case EROFS: return Marked("Files", QT_TRANSLATE_NOOP("Files", "Read-only file system"));
        case EISDIR: return Marked("Files", QT_TRANSLATE_NOOP("Files", "Is a directory"));
        case ENOTDIR: return Marked("Files", QT_TRANSLATE_NOOP("Files", "Not a directory"));
        case EDQUOT: return Marked("Files", QT_TRANSLATE_NOOP("Files", "Disk quota exceeded"));
        case ENAMETOOLONG: return Marked("Files", QT_TRANSLATE_NOOP("Files", "File name too long"));
        case EIO: return Marked("Files", QT_TRANSLATE_NOOP("Files", "Input/output error"));
        default: return std::strerror(error);
    }
}

std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::string& path, std::size_t maxSize, std::string* why) {
    auto fail = [why](std::string reason) -> std::optional<std::vector<std::uint8_t>> {
        if (why != nullptr) *why = std::move(reason);
        return std::nullopt;
    };
    // Opened first, then checked: what is read is what was checked, even if
    // the name is given to another file meanwhile. Without blocking, so that
    // a named pipe is refused instead of waiting for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return fail(SystemReason(errno));
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        const int error = errno;
        ::close(fd);
        return fail(S_ISREG(info.st_mode) ? SystemReason(error) : kNotARegularFile());
    }
    std::vector<std::uint8_t> bytes;
    std::uint8_t buffer[4096];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int error = errno;
            ::close(fd);
            return fail(SystemReason(error));
        }
        if (n == 0) break;
        bytes.insert(bytes.end(), buffer, buffer + n);
        if (bytes.size() > maxSize) {
            ::close(fd);
            return fail(Marked("Files", QT_TRANSLATE_NOOP("Files", "too large")));
        }
    }
    ::close(fd);
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

// A new file beside `path` that no other file has the name of, opened for
// writing; -1 (errno set) when none can be made. Made with the usual
// permissions (the user's umask applies, as to any file a program makes),
// or those of the existing file it is to replace.
int CreateBeside(const std::string& path, const struct stat* existing, std::string& name) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = path + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno == EEXIST) continue;
        if (fd >= 0 && existing != nullptr && ::fchmod(fd, existing->st_mode & 07777) != 0) {
            const int error = errno;
            ::close(fd);
            ::unlink(name.c_str());
            errno = error;
            return -1;
        }
        return fd;
    }
    errno = EEXIST;
    return -1;
}

// The atomic path: a temporary file beside the target, renamed over it.
// Returns -1 when no temporary file could be made (errno set), so that the
// caller may write in place; 0 on another failure, 1 on success.
int WriteBesideAndRename(const std::string& path, std::span<const std::uint8_t> bytes, const struct stat* existing) {
    std::string temp;
    const int fd = CreateBeside(path, existing, temp);
    if (fd < 0) return -1;
    bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
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

// Writes the existing file in place: opened, checked to be the regular file
// it was, truncated, written, flushed, closed.
bool WriteInPlace(const std::string& path, std::span<const std::uint8_t> bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return false;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        const int error = S_ISREG(info.st_mode) ? errno : EINVAL;
        ::close(fd);
        errno = error;
        return false;
    }
    const bool written = ::ftruncate(fd, 0) == 0 && WriteAll(fd, bytes) && ::fsync(fd) == 0;
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
    if (exists && !S_ISREG(existing.st_mode)) return fail(kNotARegularFile());
    if (exists && (existing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return fail(SystemReason(EACCES));

    const int atomic = WriteBesideAndRename(path, bytes, exists ? &existing : nullptr);
    if (atomic == 1) return true;
    if (atomic == 0 || !exists) return fail(SystemReason(errno));
    // No temporary file beside it, but the file itself may be writable.
    if (!WriteInPlace(path, bytes)) return fail(SystemReason(errno));
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
