// The state file's byte layout, on memory buffers: six 16-bit flags, five
// entry strings, X Y Z T, ten registers, the format word, the 32-bit digit
// count, the prefix and the angle words. All integers little-endian; strings
// in the tagged UTF-16 archive encoding (length prefix, then UTF-16LE units),
// read also in the older untagged single-byte form. Files stay interchangeable
// with every program that writes this layout.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "engine/calculator_state.h"

namespace tabrix {

// The file's bytes for `state` (the main line and m_nKey are not stored).
std::vector<std::uint8_t> EncodeState(const CalculatorState& state);

// The state held by `bytes`, with the members the file does not store taken
// from `base`. Nothing when the data is short, malformed, or has bytes left
// after the last field; then `why`, when given, says which ("not a state
// file (it ends early)"). A digit count outside 0..9 is held to that range.
std::optional<CalculatorState> DecodeState(std::span<const std::uint8_t> bytes, const CalculatorState& base,
                                           std::string* why = nullptr);

// One string field in the tagged encoding (exposed for tests).
std::vector<std::uint8_t> EncodeString(const std::string& text);

// Files. On failure `why`, when given, receives the reason for the user: the
// system's text for the error ("Permission denied") or what is wrong.
//
// ReadStateBytes: the whole file; nothing when it cannot be read, is not a
// regular file, or is larger than any state file can sensibly be.
std::optional<std::vector<std::uint8_t>> ReadStateBytes(const std::string& path, std::string* why = nullptr);

// WriteStateBytes: writes a temporary file beside the target and renames it
// over the target only when every byte is on disk, so that a failure leaves
// an existing file as it was. Where no temporary file can be made (a folder
// the user may not write) but the file exists and may be written, it is
// written in place instead, every write, the flush and the close checked.
// A file without write permission is never written, even by root.
bool WriteStateBytes(const std::string& path, std::span<const std::uint8_t> bytes, std::string* why = nullptr);

}  // namespace tabrix
