// A short message for the user, as sentences: each an English text with %1
// and %2 where its values go. The desktop program translates each sentence
// by its context and text (what its translators see); the console and the
// tests read them in English.
#pragma once

#include <string>
#include <vector>

// Marks a sentence for the desktop program's translators, whose tool reads
// this name; the document itself needs no Qt.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace tabrix {

struct Sentence {
    const char* context;
    const char* text;
    std::vector<std::string> values;
};

using Notice = std::vector<Sentence>;

// `text` with %1 and %2 replaced by the values, in one pass, so that a "%2"
// inside a value stays as it is.
std::string FillIn(const char* text, const std::vector<std::string>& values);

// The sentences in English, on one line.
std::string NoticeText(const Notice& notice);

}  // namespace tabrix
