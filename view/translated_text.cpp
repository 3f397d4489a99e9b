#include "view/translated_text.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <vector>

#include "view/qt_text.h"

namespace tabrix {

QString Translated(std::string_view marked) {
    return QtText(RenderText(marked, [](const std::string& context, const std::string& english) {
        return QCoreApplication::translate(context.c_str(), english.c_str()).toStdString();
    }));
}

namespace {

// Brackets each value of a translated template, so that the rendered text
// tells the values from the words.
constexpr char kValueMark = '\x02';

std::string MarkValues(const std::string& translated) {
    std::string out;
    for (std::size_t i = 0; i < translated.size(); ++i) {
        if (translated[i] == '%' && i + 1 < translated.size() && translated[i + 1] >= '1' && translated[i + 1] <= '9') {
            out += kValueMark;
            out += translated.substr(i, 2);
            out += kValueMark;
            ++i;
        } else {
            out += translated[i];
        }
    }
    return out;
}

}  // namespace

QString TranslatedWithin(std::string_view marked, const QFontMetrics& metrics, int room) {
    const QString whole = Translated(marked);
    if (metrics.horizontalAdvance(whole) <= room) return whole;
    const QStringList parts = QtText(RenderText(marked, [](const std::string& context, const std::string& english) {
        return MarkValues(QCoreApplication::translate(context.c_str(), english.c_str()).toStdString());
    })).split(QChar(kValueMark));
    // Even parts are words, odd ones values. The widest words give way first,
    // down to nothing; only values too wide for the room on their own are cut.
    QStringList fitted = parts;
    int excess = metrics.horizontalAdvance(whole) - room;
    std::vector<int> words;
    for (int i = 0; i < parts.size(); i += 2) words.push_back(i);
    std::sort(words.begin(), words.end(), [&](int a, int b) {
        return metrics.horizontalAdvance(parts[a]) > metrics.horizontalAdvance(parts[b]);
    });
    const int ellipsis = metrics.horizontalAdvance(QStringLiteral("\u2026"));
    // Widths of joined text differ from their parts' by kerning: a few rounds.
    for (int round = 0; round < 3 && excess > 0; ++round) {
        for (const int i : words) {
            if (excess <= 0) break;
            const int width = metrics.horizontalAdvance(fitted[i]);
            const int target = width - excess;
            fitted[i] = target < ellipsis ? QString() : metrics.elidedText(parts[i], Qt::ElideRight, target);
            excess -= width - metrics.horizontalAdvance(fitted[i]);
        }
        excess = metrics.horizontalAdvance(fitted.join(QString())) - room;
    }
    const QString result = fitted.join(QString());
    if (parts.size() < 3 || metrics.horizontalAdvance(result) > room) {
        return metrics.elidedText(whole, Qt::ElideMiddle, room);
    }
    return result;
}

QString Translated(const Notice& notice) {
    QStringList sentences;
    for (const Sentence& sentence : notice) sentences << Translated(Marked(sentence));
    return sentences.join(QLatin1Char(' '));
}

}  // namespace tabrix
