#include "shell/document_texts.h"

#include <QCoreApplication>
#include <string_view>

#include "document/document_commands.h"

namespace tabrix {

namespace {

// Every text of the document that reaches a person, for the translators.
constexpr const char* kDocumentTexts[] = {
    QT_TRANSLATE_NOOP("Document", "File Error"),
    QT_TRANSLATE_NOOP("Document", "There is no text data (ANSI) on the Clipboard."),
    QT_TRANSLATE_NOOP("Document", "Tabrix settings (*.rpn)"),
    QT_TRANSLATE_NOOP("Document", "Save State File"),
    QT_TRANSLATE_NOOP("Document", "Load State File"),
};
static_assert(std::string_view(kDocumentTexts[0]) == kFileError);
static_assert(std::string_view(kDocumentTexts[1]) == kNoClipboardText);
static_assert(std::string_view(kStateFileFilter).starts_with(kDocumentTexts[2]));

}  // namespace

QString DocumentText(const std::string& text) {
    return QCoreApplication::translate("Document", text.c_str());
}

}  // namespace tabrix
