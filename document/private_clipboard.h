// A clipboard private to one front end: the console's, which a run alone
// reads and writes, and the web page's, whose texts the page carries to and
// from the browser's. It starts with no text, Copy and Cut put their text
// there, Paste reads it; it can always be opened.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "document/services.h"

namespace tabrix {

class PrivateClipboard final : public IClipboard {
public:
    bool Open() override { return true; }
    void Close() override {}
    bool HasText() override { return m_text.has_value(); }
    std::optional<std::string> GetText() override { return m_text; }
    bool SetText(const std::string& text) override {
        m_text = text;
        ++m_writes;
        return true;
    }
    void Empty() override { m_text.reset(); }
    const std::optional<std::string>& Text() const { return m_text; }
    // Goes up whenever a command put text there.
    std::uint64_t Writes() const { return m_writes; }

private:
    std::optional<std::string> m_text;
    std::uint64_t m_writes = 0;
};

}  // namespace tabrix
