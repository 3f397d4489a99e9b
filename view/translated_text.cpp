#include "view/translated_text.h"

#include <QCoreApplication>
#include <QStringList>

#include "view/qt_text.h"

namespace tabrix {

QString Translated(std::string_view marked) {
    return QtText(RenderText(marked, [](const std::string& context, const std::string& english) {
        return QCoreApplication::translate(context.c_str(), english.c_str()).toStdString();
    }));
}

QString Translated(const Notice& notice) {
    QStringList sentences;
    for (const Sentence& sentence : notice) sentences << Translated(Marked(sentence));
    return sentences.join(QLatin1Char(' '));
}

}  // namespace tabrix
