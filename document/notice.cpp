#include "document/notice.h"

namespace tabrix {

namespace {

constexpr char kOpen = '\x01';
constexpr char kTextStart = '\x1F';
constexpr char kValueStart = '\x1E';
constexpr char kClose = '\x03';

// The end of the sentence whose mark opens at `open`: its closing mark, or
// the end of the text for a damaged one.
std::size_t SentenceEnd(std::string_view text, std::size_t open) {
    int depth = 0;
    for (std::size_t i = open; i < text.size(); ++i) {
        if (text[i] == kOpen) ++depth;
        if (text[i] == kClose && --depth == 0) return i;
    }
    return text.size();
}

// One marked sentence, without its opening and closing marks, put in.
std::string RenderSentence(std::string_view inside, const Translate& translate) {
    const std::size_t textStart = inside.find(kTextStart);
    if (textStart == std::string_view::npos) return RenderText(inside, translate);
    const std::string context(inside.substr(0, textStart));
    // The template runs to the first value mark at this level; each value to the next.
    std::vector<std::string> values;
    std::string_view rest = inside.substr(textStart + 1);
    std::size_t cut = rest.find(kValueStart);
    const std::string english(rest.substr(0, cut));
    while (cut != std::string_view::npos) {
        rest.remove_prefix(cut + 1);
        int depth = 0;
        cut = std::string_view::npos;
        for (std::size_t i = 0; i < rest.size(); ++i) {
            if (rest[i] == kOpen) ++depth;
            if (rest[i] == kClose) --depth;
            if (rest[i] == kValueStart && depth == 0) {
                cut = i;
                break;
            }
        }
        values.push_back(RenderText(rest.substr(0, cut), translate));
    }
    return FillIn(translate(context, english), values);
}

}  // namespace

std::string FillIn(std::string_view text, const std::vector<std::string>& values) {
    std::string filled;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool place = text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9';
        const std::size_t index = place ? static_cast<std::size_t>(text[i + 1] - '1') : values.size();
        if (index < values.size()) {
            filled += values[index];
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}

std::string NoticeText(const Notice& notice) {
    std::string line;
    for (const Sentence& sentence : notice) {
        line += (line.empty() ? "" : " ") + EnglishText(FillIn(sentence.text, sentence.values));
    }
    return line;
}

std::string Marked(const Sentence& sentence) {
    std::string text(1, kOpen);
    text += sentence.context;
    text += kTextStart;
    text += sentence.text;
    for (const std::string& value : sentence.values) (text += kValueStart) += value;
    return text + kClose;
}

std::string Marked(const char* context, const char* text, std::vector<std::string> values) {
    return Marked(Sentence{context, text, std::move(values)});
}

std::string RenderText(std::string_view text, const Translate& translate) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t open = text.find(kOpen, i);
        out.append(text.substr(i, open == std::string_view::npos ? std::string_view::npos : open - i));
        if (open == std::string_view::npos) break;
        const std::size_t close = SentenceEnd(text, open);
        out += RenderSentence(text.substr(open + 1, close - open - 1), translate);
        i = close + 1;
    }
    return out;
}

std::string EnglishText(std::string_view text) {
    return RenderText(text, [](const std::string&, const std::string& english) { return english; });
}

}  // namespace tabrix
