// Texts for people, as sentences: each an English template with %1, %2 ...
// where its values go, and the context its translation is found under. The
// desktop program and the web page translate each sentence by its context
// and template (what the translators see); the console and the tests read
// them in English. Front ends translate templates, never search the English
// words of a text.
//
// A sentence can also stand inside a text (a tape line's label, a key's
// help), marked: "\x01" context "\x1F" template, then "\x1E" and each value,
// then "\x03". Everything else of such a text is literal (the keys' labels,
// a program's name), and a value is such a text itself, so that sentences
// nest.
#pragma once

#include <functional>
#include <string>
#include <string_view>
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

// `text` with %1 to %9 replaced by the values, in one pass, so that a "%2"
// inside a value stays as it is.
std::string FillIn(std::string_view text, const std::vector<std::string>& values);

// The sentences in English, on one line.
std::string NoticeText(const Notice& notice);

// A sentence marked inside a text.
std::string Marked(const Sentence& sentence);
std::string Marked(const char* context, const char* text, std::vector<std::string> values = {});

// A marked text for a person: each sentence's template looked up by
// `translate(context, english)` (which gives the English back where it has
// no translation), its values put in. EnglishText does the same without
// translating.
using Translate = std::function<std::string(const std::string& context, const std::string& english)>;
std::string RenderText(std::string_view text, const Translate& translate);
std::string EnglishText(std::string_view text);

}  // namespace tabrix
