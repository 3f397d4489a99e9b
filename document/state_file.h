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
#include <string_view>
#include <vector>

#include "document/file_io.h"
#include "engine/calculator_state.h"

namespace tabrix {

// The file's bytes for `state` (the main line and m_nKey are not stored):
// the fields, then, only when state beyond them is not at its defaults (LAST
// X), the extension block that holds it.
std::vector<std::uint8_t> EncodeState(const CalculatorState& state);

// The state held by `bytes`, with the main line and m_nKey taken from
// `base`, and the members beyond the fields at their defaults unless the
// extension block holds them. Nothing when the data is short, malformed, or
// has bytes after the last field that are no extension block, or a damaged
// one; then `why`, when given, says which ("not a state file (it ends
// early)"). A block of a newer version is left out whole, and so is an
// entry this version does not know: `leftOut`, when given, names them. A
// digit count outside 0..9 is held to that range.
std::optional<CalculatorState> DecodeState(std::span<const std::uint8_t> bytes, const CalculatorState& base,
                                           std::string* why = nullptr, std::vector<std::string>* leftOut = nullptr);

// The members the file stores, by name, in the file's order (for the test
// that every member of the state record is stored or knowingly not).
std::vector<std::string_view> StateFileFieldNames();
// The members the extension block keeps, by their names in the record.
std::vector<std::string_view> ExtensionFieldMembers();

// The whole state as the calculator shows it: the file's fields, then the
// main line and its point column (the key being held is not kept), then the
// extension block as the file has it. For the
// tape's state lines and the kept session, which must come back exactly as
// they were shown; nothing when the bytes are not such a snapshot.
std::vector<std::uint8_t> EncodeSnapshot(const CalculatorState& state);
std::optional<CalculatorState> DecodeSnapshot(std::span<const std::uint8_t> bytes);
// The same as text: the bytes in hexadecimal, two digits each.
std::string SnapshotText(const CalculatorState& state);
std::optional<CalculatorState> ReadSnapshotText(std::string_view text);

// One string field in the tagged encoding (exposed for tests).
std::vector<std::uint8_t> EncodeString(const std::string& text);

// Puts a state that was read (from a file, a saved session) into the
// document: the point column where typing would have put it (the file does
// not hold it), the main line rebuilt, the views redrawn.
void ApplyLoadedState(CTabrixDoc& doc, const CalculatorState& state);

// The whole state file at `path`; nothing (with the reason in `why`) when it
// cannot be read, is not a regular file, or is larger than any state file
// can sensibly be.
std::optional<std::vector<std::uint8_t>> ReadStateBytes(const std::string& path, std::string* why = nullptr);

}  // namespace tabrix
