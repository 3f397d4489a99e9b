#include "document/notice.h"

namespace tabrix {

std::string FillIn(const char* text, const std::vector<std::string>& values) {
    std::string filled;
    for (const char* c = text; *c != '\0'; ++c) {
        const std::size_t index = c[0] == '%' && (c[1] == '1' || c[1] == '2') ? static_cast<std::size_t>(c[1] - '1') : 9;
        if (index < values.size()) {
            filled += values[index];
            ++c;
        } else {
            filled += *c;
        }
    }
    return filled;
}

std::string NoticeText(const Notice& notice) {
    std::string line;
    for (const Sentence& sentence : notice) line += (line.empty() ? "" : " ") + FillIn(sentence.text, sentence.values);
    return line;
}

}  // namespace tabrix
