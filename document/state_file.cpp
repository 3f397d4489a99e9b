#include "document/state_file.h"

#include "engine/hex_text.h"

#include "document/notice.h"

#include "document/file_io.h"
#include "engine/main_line.h"
#include "document/utf8.h"
#include "engine/number_text.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace tabrix {

namespace {

// No state file comes near this; a larger file is not read into memory.
constexpr std::size_t kMaxStateFileSize = 1 << 20;

// --- Text: the members hold UTF-8 (ASCII in practice), the file UTF-16 ------

std::u16string Utf8ToUtf16(const std::string& text) {
    std::u16string out;
    for (const Utf8Char& ch : DecodeUtf8(text)) {
        if (ch.c >= 0x10000) {
            const char32_t c = ch.c - 0x10000;
            out += static_cast<char16_t>(0xD800 + (c >> 10));
            out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        } else {
            out += static_cast<char16_t>(ch.c);
        }
    }
    return out;
}

std::string Utf16ToUtf8(const std::u16string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;  // a lone surrogate
        }
        AppendUtf8(out, c);
    }
    return out;
}

// --- Writing ------------------------------------------------------------------

class Writer {
public:
    void U8(std::uint8_t v) { m_bytes.push_back(v); }
    void U16(std::uint16_t v) { Little(v, 2); }
    void U32(std::uint32_t v) { Little(v, 4); }
    void I32(std::int32_t v) { Little(static_cast<std::uint32_t>(v), 4); }
    void Flag(bool b) { U16(b ? 1 : 0); }
    void Double(double d) { Little(BitsOf(d), 8); }
    void U64(std::uint64_t v) { Little(v, 8); }
    void String(const std::string& text) {
        const std::u16string units = Utf8ToUtf16(text);
        const std::size_t n = units.size();
        U8(0xFF);
        U16(0xFFFE);  // the Unicode tag
        if (n < 0xFF) {
            U8(static_cast<std::uint8_t>(n));
        } else if (n < 0xFFFE) {
            U8(0xFF);
            U16(static_cast<std::uint16_t>(n));
        } else {
            U8(0xFF);
            U16(0xFFFF);
            U32(static_cast<std::uint32_t>(n));
        }
        for (char16_t unit : units) U16(unit);
    }
    void Bytes(std::span<const std::uint8_t> bytes) { m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end()); }
    std::vector<std::uint8_t> Take() { return std::move(m_bytes); }

private:
    void Little(std::uint64_t v, int size) {
        for (int i = 0; i < size; ++i) m_bytes.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    }
    std::vector<std::uint8_t> m_bytes;
};

// --- Reading: every read checks what is left; a failure sticks ----------------

class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}

    bool Ok() const { return m_ok; }
    bool AtEnd() const { return m_pos == m_bytes.size(); }
    std::size_t Left() const { return m_bytes.size() - m_pos; }
    // The next `size` bytes, or nothing (and the reader failed) when fewer are left.
    std::span<const std::uint8_t> Take(std::size_t size) {
        if (!m_ok || Left() < size) {
            m_ok = false;
            return {};
        }
        const auto taken = m_bytes.subspan(m_pos, size);
        m_pos += size;
        return taken;
    }

    std::uint64_t Little(int size) {
        if (!m_ok || m_bytes.size() - m_pos < static_cast<std::size_t>(size)) {
            m_ok = false;
            return 0;
        }
        std::uint64_t v = 0;
        for (int i = 0; i < size; ++i) v |= static_cast<std::uint64_t>(m_bytes[m_pos + i]) << (8 * i);
        m_pos += static_cast<std::size_t>(size);
        return v;
    }
    bool Flag() { return Little(2) != 0; }
    std::int32_t I32() { return static_cast<std::int32_t>(static_cast<std::uint32_t>(Little(4))); }
    double Double() { return FromBits(Little(8)); }

    // A string in the tagged UTF-16 form or the untagged single-byte form.
    std::string String() {
        int charSize = 1;
        std::uint64_t length = Little(1);
        if (length == 0xFF) {
            length = Little(2);
            if (length == 0xFFFE) {  // Unicode tag: the real length follows
                charSize = 2;
                length = Little(1);
                if (length == 0xFF) length = Little(2);
            }
            if (length == 0xFFFF) {
                length = Little(4);
                if (length == 0xFFFFFFFF) length = Little(8);
            }
        }
        // The length is checked against what is left before anything is allocated.
        if (!m_ok || length > (m_bytes.size() - m_pos) / charSize) {
            m_ok = false;
            return {};
        }
        if (charSize == 1) {
            std::u16string units;
            for (std::uint64_t i = 0; i < length; ++i) units += static_cast<char16_t>(Little(1));
            return Utf16ToUtf8(units);
        }
        std::u16string units(static_cast<std::size_t>(length), u'\0');
        for (char16_t& unit : units) unit = static_cast<char16_t>(Little(2));
        return Utf16ToUtf8(units);
    }

private:
    std::span<const std::uint8_t> m_bytes;
    std::size_t m_pos = 0;
    bool m_ok = true;
};

// The file's fields in their order, one list for writing and reading: each
// is a flag, a string, a double, the registers or the 32-bit digit count.
// The lift flag comes after the spare flag, unlike the members' order; the
// key being held, the main line and the point column are not stored.
template <typename Field, typename State>
void ForEachFileField(Field&& field, State& s) {
    field("m_bDecimal", s.m_bDecimal);
    field("m_bEntering", s.m_bEntering);
    field("m_bExponent", s.m_bExponent);
    field("m_bShift", s.m_bShift);
    field("m_bSpare", s.m_bSpare);
    field("m_bLift", s.m_bLift);
    field("m_strMantissa", s.m_strMantissa);
    field("m_strFraction", s.m_strFraction);
    field("m_strExponent", s.m_strExponent);
    field("m_strMantSign", s.m_strMantSign);
    field("m_strExpSign", s.m_strExpSign);
    field("m_dX", s.m_dX);
    field("m_dY", s.m_dY);
    field("m_dZ", s.m_dZ);
    field("m_dT", s.m_dT);
    field("m_dReg", s.m_dReg);
    field("m_strFormat", s.m_strFormat);
    field("m_nDigits", s.m_nDigits);
    field("m_strPrefix", s.m_strPrefix);
    field("m_strAngle", s.m_strAngle);
}

// --- The extension block -------------------------------------------------------
//
// State beyond the fields above follows them as one block, written only when
// some of it is not at its default (so that every state those fields hold
// alone keeps exactly their bytes):
//
//   "TBX" 0            the block's mark
//   u16 version        kExtensionVersion; a newer one is left out whole
//   u32 size           of the entries, which end the data
//   entries            each: u8 name length, the name (ASCII), u32 payload
//                      length, the payload
//
// The frame stays as it is in every version, so that any reader can tell
// which entries it leaves out. An entry this version does not know is left
// out; one it knows with a payload of the wrong size is damage.

constexpr std::uint8_t kExtensionMark[4] = {'T', 'B', 'X', 0};
constexpr std::uint16_t kExtensionVersion = 1;

// The state's members beyond the file's fields: each an entry of the block,
// by its name there and by the member's. An entry is written only when its
// member is not at its default.
template <typename Field, typename... States>
void ForEachExtensionField(Field&& field, States&... s) {
    field("last_x", "m_dLastX", s.m_dLastX...);
    field("statistics", "m_stats", s.m_stats...);
    field("integer", "m_integer", s.m_integer...);
}

bool SameValue(double a, double b) { return SameBits(a, b); }
bool SameValue(const Statistics& a, const Statistics& b) { return a == b; }
bool SameValue(const IntegerMode& a, const IntegerMode& b) { return a == b; }

// An entry's payload: a double's 8 bytes, the statistics' own bytes.
std::vector<std::uint8_t> PayloadOf(double value) {
    Writer w;
    w.Double(value);
    return w.Take();
}
std::vector<std::uint8_t> PayloadOf(const Statistics& stats) { return stats.Bytes(); }
// Integer mode: base, word size, sign mode, the annunciators' bits and the
// window, one byte each, then every slot's word (X Y Z T, registers 0..9,
// LAST X) in 8 bytes, little-endian. The fields above hold each word's value
// as a double, which is what a reader without this entry gets.
std::vector<std::uint8_t> PayloadOf(const IntegerMode& mode) {
    Writer w;
    w.U8(mode.base);
    w.U8(mode.size);
    w.U8(static_cast<std::uint8_t>(mode.sign));
    w.U8(static_cast<std::uint8_t>((mode.carry ? 1 : 0) | (mode.overflow ? 2 : 0)));
    w.U8(mode.window);
    for (const std::uint64_t word : mode.words) w.U64(word);
    return w.Take();
}

bool ReadPayload(std::span<const std::uint8_t> payload, double& value) {
    Reader r(payload);
    value = r.Double();
    return r.Ok() && r.AtEnd();
}
bool ReadPayload(std::span<const std::uint8_t> payload, IntegerMode& mode) {
    Reader r(payload);
    IntegerMode read;
    read.base = static_cast<std::uint8_t>(r.Little(1));
    read.size = static_cast<std::uint8_t>(r.Little(1));
    const auto sign = r.Little(1);
    const auto flags = r.Little(1);
    read.window = static_cast<std::uint8_t>(r.Little(1));
    for (std::uint64_t& word : read.words) word = r.Little(8);
    const bool knownBase = read.base == 0 || read.base == 2 || read.base == 8 || read.base == 10 || read.base == 16;
    if (!r.Ok() || !r.AtEnd() || !knownBase || read.size < 1 || read.size > 64 || sign > 2 || flags > 3) return false;
    read.sign = static_cast<SignMode>(sign);
    read.carry = (flags & 1) != 0;
    read.overflow = (flags & 2) != 0;
    for (std::uint64_t& word : read.words) word &= read.Format().Mask();
    mode = read;
    return true;
}
bool ReadPayload(std::span<const std::uint8_t> payload, Statistics& stats) {
    std::optional<Statistics> read = Statistics::FromBytes(payload);
    if (read) stats = std::move(*read);
    return read.has_value();
}

bool ExtensionAtDefaults(const CalculatorState& state) {
    const CalculatorState defaults;
    bool same = true;
    ForEachExtensionField([&](const char*, const char*, const auto& a, const auto& b) { same = same && SameValue(a, b); },
                          state, defaults);
    return same;
}

void Put(Writer& w, bool value) { w.Flag(value); }
void Put(Writer& w, const std::string& value) { w.String(value); }
void Put(Writer& w, double value) { w.Double(value); }
void Put(Writer& w, std::int32_t value) { w.I32(value); }
void Put(Writer& w, const std::array<double, 10>& values) {
    for (double value : values) w.Double(value);
}

void Get(Reader& r, bool& value) { value = r.Flag(); }
void Get(Reader& r, std::string& value) { value = r.String(); }
void Get(Reader& r, double& value) { value = r.Double(); }
// A digit count outside 0..9 is held to that range.
void Get(Reader& r, std::int32_t& value) { value = std::clamp(r.I32(), 0, 9); }
void Get(Reader& r, std::array<double, 10>& values) {
    for (double& value : values) value = r.Double();
}

// The extension block of `state`, when it needs one.
void PutExtension(Writer& w, const CalculatorState& state) {
    if (ExtensionAtDefaults(state)) return;
    const CalculatorState defaults;
    Writer entries;
    ForEachExtensionField(
        [&](const char* name, const char*, const auto& value, const auto& fallback) {
            if (SameValue(value, fallback)) return;
            const std::string_view text(name);
            const std::vector<std::uint8_t> payload = PayloadOf(value);
            entries.U8(static_cast<std::uint8_t>(text.size()));
            entries.Bytes({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
            entries.U32(static_cast<std::uint32_t>(payload.size()));
            entries.Bytes(payload);
        },
        state, defaults);
    const std::vector<std::uint8_t> body = entries.Take();
    w.Bytes(kExtensionMark);
    w.U16(kExtensionVersion);
    w.U32(static_cast<std::uint32_t>(body.size()));
    w.Bytes(body);
}

// One entry of a block this version reads: put into its member, or named
// in `leftOut`. False for an entry of a member with the wrong size.
bool GetExtensionEntry(std::string_view name, std::span<const std::uint8_t> payload, CalculatorState& s,
                       std::vector<std::string>& leftOut) {
    bool known = false;
    bool good = true;
    ForEachExtensionField(
        [&](const char* field, const char*, auto& value) {
            if (name != field) return;
            known = true;
            good = ReadPayload(payload, value);
        },
        s);
    if (!known) leftOut.emplace_back(name);
    return good;
}

// The block after the file's fields, if any: the members beyond them are at
// their defaults without one. Entries a newer version wrote, and entries
// this one does not know, are named in `leftOut`. False (with `why`) for
// damage.
bool GetExtension(Reader& r, CalculatorState& s, std::vector<std::string>& leftOut, std::string& why) {
    const CalculatorState defaults;
    ForEachExtensionField([](const char*, const char*, auto& value, const auto& fallback) { value = fallback; }, s,
                          defaults);
    if (r.AtEnd()) return true;
    const auto mark = r.Take(sizeof kExtensionMark);
    if (!r.Ok() || !std::equal(mark.begin(), mark.end(), std::begin(kExtensionMark))) {
        why = Marked("Files", QT_TRANSLATE_NOOP("Files", "not a state file (it goes on after its last field)"));
        return false;
    }
    const auto version = static_cast<std::uint16_t>(r.Little(2));
    const auto size = static_cast<std::uint32_t>(r.Little(4));
    if (!r.Ok() || version == 0 || size != r.Left()) {
        why = Marked("Files", QT_TRANSLATE_NOOP("Files", "its extension block is damaged (its size is not that of what follows)"));
        return false;
    }
    std::vector<std::string> names;
    while (!r.AtEnd()) {
        const auto nameSize = static_cast<std::size_t>(r.Little(1));
        const auto name = r.Take(nameSize);
        const auto payloadSize = static_cast<std::size_t>(r.Little(4));
        const auto payload = r.Take(payloadSize);
        if (!r.Ok()) {
            why = Marked("Files", QT_TRANSLATE_NOOP("Files", "its extension block is damaged (an entry ends early)"));
            return false;
        }
        const std::string_view text(reinterpret_cast<const char*>(name.data()), name.size());
        if (version > kExtensionVersion) {
            leftOut.emplace_back(text);
        } else if (!GetExtensionEntry(text, payload, s, leftOut)) {
            why = Marked("Files", QT_TRANSLATE_NOOP("Files", "its extension block is damaged (%1 has the wrong size)"), {std::string(text)});
            return false;
        }
    }
    return true;
}

}  // namespace

std::vector<std::uint8_t> EncodeString(const std::string& text) {
    Writer writer;
    writer.String(text);
    return writer.Take();
}

std::vector<std::string_view> StateFileFieldNames() {
    std::vector<std::string_view> names;
    const CalculatorState state;
    ForEachFileField([&](const char* name, const auto&) { names.push_back(name); }, state);
    return names;
}

std::vector<std::string_view> ExtensionFieldMembers() {
    std::vector<std::string_view> names;
    const CalculatorState state;
    ForEachExtensionField([&](const char*, const char* member, const auto&) { names.push_back(member); }, state);
    return names;
}

namespace {

// Why bytes too few for the fields are no state file: none at all; a start
// no state file has (its first six fields are flags, each 0 or 1); or a
// file cut short.
std::string WhyFieldsEndEarly(std::span<const std::uint8_t> bytes) {
    if (bytes.empty()) return Marked("Files", QT_TRANSLATE_NOOP("Files", "not a state file (it is empty)"));
    constexpr std::size_t kFlagBytes = 12;
    for (std::size_t i = 0; i + 1 < std::min(bytes.size(), kFlagBytes); i += 2) {
        if (bytes[i + 1] != 0 || bytes[i] > 1) {
            return Marked("Files", QT_TRANSLATE_NOOP("Files", "not a state file (it does not begin as one)"));
        }
    }
    return Marked("Files", QT_TRANSLATE_NOOP("Files", "not a state file (it ends early)"));
}

}  // namespace

std::vector<std::uint8_t> EncodeState(const CalculatorState& s) {
    Writer w;
    ForEachFileField([&](const char*, const auto& value) { Put(w, value); }, s);
    PutExtension(w, s);
    return w.Take();
}

std::optional<CalculatorState> DecodeState(std::span<const std::uint8_t> bytes, const CalculatorState& base,
                                           std::string* why, std::vector<std::string>* leftOut) {
    Reader r(bytes);
    CalculatorState s = base;
    ForEachFileField([&](const char*, auto& value) { Get(r, value); }, s);
    std::string reason;
    std::vector<std::string> left;
    if (!r.Ok()) reason = WhyFieldsEndEarly(bytes);
    if (!r.Ok() || !GetExtension(r, s, left, reason)) {
        if (why != nullptr) *why = reason;
        return std::nullopt;
    }
    if (leftOut != nullptr) *leftOut = std::move(left);
    return s;
}

std::vector<std::uint8_t> EncodeSnapshot(const CalculatorState& state) {
    Writer w;
    ForEachFileField([&](const char*, const auto& value) { Put(w, value); }, state);
    w.String(state.m_strDisplay);
    w.I32(state.m_nPointPos);
    PutExtension(w, state);
    return w.Take();
}

std::optional<CalculatorState> DecodeSnapshot(std::span<const std::uint8_t> bytes) {
    Reader r(bytes);
    CalculatorState s;
    ForEachFileField([&](const char*, auto& value) { Get(r, value); }, s);
    s.m_strDisplay = r.String();
    s.m_nPointPos = r.I32();
    std::string why;
    std::vector<std::string> leftOut;
    if (!r.Ok() || !GetExtension(r, s, leftOut, why)) return std::nullopt;
    return s;
}

std::string SnapshotText(const CalculatorState& state) { return HexText(EncodeSnapshot(state)); }

std::optional<CalculatorState> ReadSnapshotText(std::string_view text) {
    const std::optional<std::vector<std::uint8_t>> bytes = ReadHexText(text);
    if (!bytes) return std::nullopt;
    return DecodeSnapshot(*bytes);
}

void ApplyLoadedState(CTabrixDoc& doc, const CalculatorState& state) {
    doc.SetState(state);
    if (doc.m_bEntering) doc.m_nPointPos = EntryPointPos(doc);
    doc.Refresh();
}

std::optional<std::vector<std::uint8_t>> ReadStateBytes(const std::string& path, std::string* why) {
    return ReadFileBytes(path, kMaxStateFileSize, why);
}

}  // namespace tabrix
