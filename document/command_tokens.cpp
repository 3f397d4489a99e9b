#include "document/command_tokens.h"

namespace tabrix::tokens {

std::string Quoted(std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (byte < 0x20 || byte == 0x7F) {
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        } else {
            out += c;
        }
    }
    return out + '"';
}

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::optional<std::string> Unquoted(std::string_view argument) {
    if (argument.empty() || argument.front() != '"') return std::string(argument);
    std::string out;
    for (std::size_t i = 1; i < argument.size(); ++i) {
        const char c = argument[i];
        if (c == '"') {
            if (i + 1 != argument.size()) return std::nullopt;  // something after the closing quote
            return out;
        }
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++i == argument.size()) return std::nullopt;
        switch (argument[i]) {
            case '"': out += '"'; break;
            case '\\': out += '\\'; break;
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            case 't': out += '\t'; break;
            case 'x': {
                const int high = i + 1 < argument.size() ? HexDigit(argument[i + 1]) : -1;
                const int low = i + 2 < argument.size() ? HexDigit(argument[i + 2]) : -1;
                if (high < 0 || low < 0) return std::nullopt;
                out += static_cast<char>(high * 16 + low);
                i += 2;
                break;
            }
            default: return std::nullopt;
        }
    }
    return std::nullopt;  // no closing quote
}

}  // namespace tabrix::tokens
