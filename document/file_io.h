// Reading and writing whole files, with the reason for the user when that
// fails: the system's text for the error ("Permission denied") or what is
// wrong ("not a regular file"), as a marked text (notice.h) that the front
// ends translate.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tabrix {

// The reason an errno value gives, marked, with the common ones translatable.
std::string SystemReason(int error);

// The whole file; nothing (with the reason in `why`, when given) when it
// cannot be read, is not a regular file (a named pipe would block), or holds
// more than `maxSize` bytes.
std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::string& path, std::size_t maxSize,
                                                       std::string* why = nullptr);

// Writes `bytes` as the whole file: into a temporary file beside it, renamed
// over it only when every byte is on disk, so that a failure leaves an
// existing file as it was. Where no temporary file can be made (a folder the
// user may not write) but the file exists and may be written, it is written
// in place instead, every write, the flush and the close checked. A file
// without write permission is never written, even by root. Through a
// symbolic link, the file it points to is written.
bool WriteFileBytes(const std::string& path, std::span<const std::uint8_t> bytes, std::string* why = nullptr);

// The same for text (a tape, a script): its bytes as they are.
std::optional<std::string> ReadFileText(const std::string& path, std::size_t maxSize, std::string* why = nullptr);
bool WriteFileText(const std::string& path, std::string_view text, std::string* why = nullptr);

}  // namespace tabrix
