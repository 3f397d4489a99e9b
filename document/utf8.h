// UTF-8 text taken apart into characters and put together again. Bytes that
// are not UTF-8 become U+FFFD, one byte each, so that any text can be read.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tabrix {

struct Utf8Char {
    char32_t c;
    std::size_t begin;  // its bytes in the text
    std::size_t end;
};

std::vector<Utf8Char> DecodeUtf8(std::string_view text);

void AppendUtf8(std::string& out, char32_t c);

}  // namespace tabrix
