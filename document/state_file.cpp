#include "document/state_file.h"

#include "document/file_io.h"
#include "engine/main_line.h"
#include "document/utf8.h"

#include <algorithm>
#include <bit>

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
    void Double(double d) { Little(std::bit_cast<std::uint64_t>(d), 8); }
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
    double Double() { return std::bit_cast<double>(Little(8)); }

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

}  // namespace

std::vector<std::uint8_t> EncodeString(const std::string& text) {
    Writer writer;
    writer.String(text);
    return writer.Take();
}

std::vector<std::uint8_t> EncodeState(const CalculatorState& s) {
    Writer w;
    // The lift flag comes after the spare flag, unlike the members' order.
    w.Flag(s.m_bDecimal);
    w.Flag(s.m_bEntering);
    w.Flag(s.m_bExponent);
    w.Flag(s.m_bShift);
    w.Flag(s.m_bSpare);
    w.Flag(s.m_bLift);
    w.String(s.m_strMantissa);
    w.String(s.m_strFraction);
    w.String(s.m_strExponent);
    w.String(s.m_strMantSign);
    w.String(s.m_strExpSign);
    w.Double(s.m_dX);
    w.Double(s.m_dY);
    w.Double(s.m_dZ);
    w.Double(s.m_dT);
    for (double r : s.m_dReg) w.Double(r);
    w.String(s.m_strFormat);
    w.I32(s.m_nDigits);
    w.String(s.m_strPrefix);
    w.String(s.m_strAngle);
    return w.Take();
}

std::optional<CalculatorState> DecodeState(std::span<const std::uint8_t> bytes, const CalculatorState& base,
                                           std::string* why) {
    Reader r(bytes);
    CalculatorState s = base;
    s.m_bDecimal = r.Flag();
    s.m_bEntering = r.Flag();
    s.m_bExponent = r.Flag();
    s.m_bShift = r.Flag();
    s.m_bSpare = r.Flag();
    s.m_bLift = r.Flag();
    s.m_strMantissa = r.String();
    s.m_strFraction = r.String();
    s.m_strExponent = r.String();
    s.m_strMantSign = r.String();
    s.m_strExpSign = r.String();
    s.m_dX = r.Double();
    s.m_dY = r.Double();
    s.m_dZ = r.Double();
    s.m_dT = r.Double();
    for (double& reg : s.m_dReg) reg = r.Double();
    s.m_strFormat = r.String();
    s.m_nDigits = std::clamp(r.I32(), 0, 9);
    s.m_strPrefix = r.String();
    s.m_strAngle = r.String();
    if (!r.Ok() || !r.AtEnd()) {
        if (why != nullptr) *why = r.Ok() ? "not a state file (it goes on after its last field)" : "not a state file (it ends early)";
        return std::nullopt;
    }
    return s;
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
