// The desktop program in German, French and Spanish: every menu item and
// every text of its own dialogs is translated, mnemonics stay unique, and
// without a translation the texts are the English ones.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QStyle>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTableWidget>
#include <QTranslator>
#include <gtest/gtest.h>

#include <map>

#include "document/file_io.h"
#include "document/state_file.h"
#include "fakes/document_fakes.h"
#include "view/translated_text.h"
#include "fakes/session_fixture.h"
#include "fakes/doc_fixture.h"
#include "fakes/qt_printing.h"
#include "shell/about_dlg.h"
#include "shell/keys_window.h"
#include "shell/command_ids.h"
#include "shell/main_frame.h"
#include "shell/preferences_dialog.h"
#include "shell/translations.h"
#include "view/key_help.h"

namespace tabrix {
namespace {

// Texts a translation may keep: key labels, register digits, and words that
// are the same in some language ("General" in Spanish, "Conversions" in French).
bool SameInEveryLanguage(const QString& text) {
    static const QStringList same = {"&STO", "&RCL", "OK", "Tabrix", "&General", "Conversions"};
    return same.contains(text) || (text.size() == 1 && text[0].isDigit());
}

// The letter after a single "&", lower case; none for "&&" or no mnemonic.
QChar Mnemonic(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) continue;
        if (text[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return text[i + 1].toLower();
    }
    return {};
}

// Every text a person reads in `widget`'s own children, by kind and order.
QStringList OwnTexts(QWidget& widget) {
    QStringList texts = {widget.windowTitle()};
    for (QLabel* label : widget.findChildren<QLabel*>()) texts << label->text();
    for (QAbstractButton* button : widget.findChildren<QAbstractButton*>()) {
        if (!button->text().isEmpty()) texts << button->text();
    }
    for (QTabWidget* tabs : widget.findChildren<QTabWidget*>()) {
        for (int i = 0; i < tabs->count(); ++i) texts << tabs->tabText(i);
    }
    for (QTableWidget* table : widget.findChildren<QTableWidget*>()) {
        for (int i = 0; i < table->columnCount(); ++i) texts << table->horizontalHeaderItem(i)->text();
    }
    texts.removeAll(QString());
    return texts;
}

// The menus' items: menu title -> the items' texts (separators left out),
// the bar's menus and More's.
std::map<QString, QStringList> MenuTexts(CMainFrame& frame) {
    std::map<QString, QStringList> menus;
    int index = 0;
    std::vector<QAction*> titles;
    for (QAction* title : frame.menuBar()->actions()) {
        titles.push_back(title);
        for (QAction* inner : title->menu()->actions()) {
            if (inner->menu() != nullptr) titles.push_back(inner);
        }
    }
    QStringList& bar = menus[QStringLiteral("bar")];
    for (QAction* title : frame.menuBar()->actions()) bar << title->text();
    for (QAction* title : titles) {
        QStringList& items = menus[QString::number(index++)];
        items << title->text();
        for (QAction* item : title->menu()->actions()) {
            if (!item->isSeparator() && item->isVisible()) items << item->text();
        }
    }
    return menus;
}

struct Texts {
    std::map<QString, QStringList> menus;
    QStringList preferences, keys, about, programs;
    QString keyHelp;
};

Texts AllTexts() {
    testing::FakeFileDialog dialog;
    testing::RecordingMessageBox messages;
    RecentFileList recent;
    testing::TestSession t{DocumentServices{&dialog, &messages, &recent, nullptr}};
    FrameServices services;
    services.fileDialog = &dialog;
    services.messageBox = &messages;
    services.recentFiles = &recent;
    CMainFrame frame(t.session, services);
    CPreferencesDialog preferences({KeyMap::Standard(), false, {}, {QStringLiteral("tri")}});
    CKeysWindow keys(KeyMap::Standard());
    CAboutDlg about;
    frame.OnCommand(cmd::kProgramsEdit);
    return {MenuTexts(frame), OwnTexts(preferences), OwnTexts(keys), OwnTexts(about),
            OwnTexts(*frame.Programs().Editor()), KeyHelpText(keys::kSeven, KeyMap::Standard())};
}

class TranslationTest : public ::testing::TestWithParam<const char*> {
protected:
    void TearDown() override { qDeleteAll(qApp->findChildren<QTranslator*>()); }
};

void ExpectTranslated(const QStringList& english, const QStringList& translated, const char* where) {
    ASSERT_EQ(english.size(), translated.size()) << where;
    for (int i = 0; i < english.size(); ++i) {
        if (SameInEveryLanguage(english[i])) continue;
        EXPECT_NE(translated[i], english[i]) << where << ": \"" << english[i].toStdString() << "\" not translated";
        EXPECT_EQ(english[i].count(QLatin1Char('\t')), translated[i].count(QLatin1Char('\t'))) << translated[i].toStdString();
    }
}

void ExpectUniqueMnemonics(const QStringList& texts, const char* where) {
    std::map<QChar, QString> taken;
    for (const QString& text : texts) {
        const QChar letter = Mnemonic(text);
        if (letter.isNull()) continue;
        const auto [it, fresh] = taken.emplace(letter, text);
        EXPECT_TRUE(fresh) << where << ": \"" << text.toStdString() << "\" and \"" << it->second.toStdString()
                           << "\" share &" << QString(letter).toStdString();
    }
}

TEST_P(TranslationTest, MenusAndDialogsAreTranslatedWithUniqueMnemonics) {
    QSettings().clear();
    const Texts english = AllTexts();
    ASSERT_EQ(InstallTranslations(*qApp, QLocale(QString::fromLatin1(GetParam()))), QString::fromLatin1(GetParam()));
    const Texts translated = AllTexts();

    for (const auto& [menu, items] : english.menus) {
        if (menu == QStringLiteral("bar")) continue;
        ExpectUniqueMnemonics(items.mid(1), "English menu");
        ExpectTranslated(items, translated.menus.at(menu), "menu");
        ExpectUniqueMnemonics(translated.menus.at(menu).mid(1), "menu");
    }
    ExpectTranslated(english.menus.at(QStringLiteral("bar")), translated.menus.at(QStringLiteral("bar")), "menu bar");
    ExpectUniqueMnemonics(translated.menus.at(QStringLiteral("bar")), "menu bar");
    ExpectTranslated(english.preferences, translated.preferences, "Preferences");
    ExpectUniqueMnemonics(translated.preferences, "Preferences");
    ExpectTranslated(english.keys, translated.keys, "Keys and Keyboard");
    ExpectTranslated(english.about, translated.about, "About");
    ExpectTranslated(english.programs, translated.programs, "Programs");
    ExpectUniqueMnemonics(translated.programs, "Programs");
    EXPECT_NE(translated.keyHelp, english.keyHelp);
    EXPECT_TRUE(translated.keyHelp.startsWith(QStringLiteral("7 \u2014 "))) << "the labels are symbols and stay";
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslationTest, ::testing::Values("de", "fr", "es"));

// Every dialog opens at a size that shows its table whole in every
// language: no header and no cell cut short, at least ten rows, and it can
// still be resized.
class DialogSizeTest : public ::testing::TestWithParam<const char*> {
protected:
    void TearDown() override { qDeleteAll(qApp->findChildren<QTranslator*>()); }
};

void ExpectShownWhole(QTableWidget& table, const char* where) {
    QHeaderView& header = *table.horizontalHeader();
    for (int column = 0; column < table.columnCount(); ++column) {
        EXPECT_GE(header.sectionSize(column), header.sectionSizeHint(column))
            << where << ": the header \"" << table.horizontalHeaderItem(column)->text().toStdString() << "\" is cut";
        // A cell's text with the margins a cell draws it with.
        const int margin = 2 * (table.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &table) + 1);
        for (int row = 0; row < table.rowCount(); ++row) {
            const QString text = table.item(row, column)->text();
            EXPECT_LE(table.fontMetrics().horizontalAdvance(text) + margin, table.columnWidth(column))
                << where << ": \"" << text.toStdString() << "\" is cut";
        }
    }
    EXPECT_GE(table.viewport()->height() / table.rowHeight(0), 10) << where;
}

TEST_P(DialogSizeTest, DialogsShowTheirTablesWholeAndResize) {
    if (std::string(GetParam()) != "en") {
        ASSERT_EQ(InstallTranslations(*qApp, QLocale(QString::fromLatin1(GetParam()))), QString::fromLatin1(GetParam()));
    }
    CPreferencesDialog preferences({KeyMap::Laptop(), false});
    preferences.findChild<QTabWidget*>()->setCurrentIndex(1);  // Keyboard
    preferences.show();
    CKeysWindow keys(KeyMap::Laptop());
    keys.show();
    QCoreApplication::processEvents();
    for (QDialog* dialog : std::initializer_list<QDialog*>{&preferences, &keys}) {
        const std::string where = dialog->windowTitle().toStdString();
        ExpectShownWhole(*dialog->findChild<QTableWidget*>(QStringLiteral("calculatorKeys")), where.c_str());
        EXPECT_NE(dialog->layout()->sizeConstraint(), QLayout::SetFixedSize) << where;
        EXPECT_LT(dialog->minimumSizeHint().height(), dialog->height()) << where << " can be made smaller";
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, DialogSizeTest, ::testing::Values("en", "de", "fr", "es"));

// The menu bar fits the window at 100 %, in every language: no title goes
// into Qt's extension ("»").
class MenuBarFitTest : public ::testing::TestWithParam<const char*> {
protected:
    void TearDown() override { qDeleteAll(qApp->findChildren<QTranslator*>()); }
};

TEST_P(MenuBarFitTest, EveryMenuTitleIsInSight) {
    QSettings().clear();
    if (std::string(GetParam()) != "en") {
        ASSERT_EQ(InstallTranslations(*qApp, QLocale(QString::fromLatin1(GetParam()))), QString::fromLatin1(GetParam()));
    }
    testing::TestSession t;
    CMainFrame frame(t.session, FrameServices{});
    frame.show();
    frame.OnCommand(cmd::kViewActualSize);
    QCoreApplication::processEvents();
    QMenuBar* bar = frame.menuBar();
    ASSERT_LE(bar->width(), 260) << "the window is the calculator's width";
    int right = 0;
    for (QAction* title : bar->actions()) {
        const QRect place = bar->actionGeometry(title);
        EXPECT_FALSE(place.isEmpty()) << GetParam() << ": \"" << title->text().toStdString() << "\" is in the \u00BB";
        right = std::max(right, place.right());
    }
    EXPECT_LE(right, bar->width()) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(Languages, MenuBarFitTest, ::testing::Values("en", "de", "fr", "es"));

// Shortcuts are written by Qt in the language's own way ("Strg+X" in
// German), the same for every item: no item carries one in its text.
TEST(Translations, ShortcutsAreNamedInTheLanguagesOwnWay) {
    ASSERT_EQ(InstallTranslations(*qApp, QLocale(QStringLiteral("de"))), QStringLiteral("de"));
    const Texts german = AllTexts();
    for (const auto& [menu, items] : german.menus) {
        for (const QString& item : items) EXPECT_FALSE(item.contains(QLatin1Char('\t'))) << item.toStdString();
    }
    EXPECT_EQ(QKeySequence(Qt::CTRL | Qt::Key_X).toString(QKeySequence::NativeText), QStringLiteral("Strg+X"));
    qDeleteAll(qApp->findChildren<QTranslator*>());
}

// Why a file could not be read is said in the reader's language too: the
// system's common reasons and the state file's own.
TEST(Translations, WhyAFileFailedIsTranslated) {
    ASSERT_EQ(InstallTranslations(*qApp, QLocale(QStringLiteral("de"))), QStringLiteral("de"));
    std::string empty, words;
    DecodeState({}, CalculatorState{}, &empty);
    const std::string text = "some words";
    DecodeState({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()}, CalculatorState{}, &words);
    EXPECT_EQ(Translated("a.rpn: " + SystemReason(ENOENT)), QStringLiteral("a.rpn: Datei oder Verzeichnis nicht gefunden"));
    EXPECT_EQ(Translated(empty), QStringLiteral("keine Zustandsdatei (sie ist leer)"));
    EXPECT_EQ(Translated(words), QStringLiteral("keine Zustandsdatei (sie beginnt nicht wie eine)"));
    qDeleteAll(qApp->findChildren<QTranslator*>());
}

TEST(Translations, EnglishAndUnknownLanguagesLoadNone) {
    for (const char* name : {"en_US", "C", "ja_JP"}) {
        EXPECT_EQ(InstallTranslations(*qApp, QLocale(QString::fromLatin1(name))), QString()) << name;
    }
    EXPECT_TRUE(qApp->findChildren<QTranslator*>().isEmpty());
    // Canadian French gets French.
    EXPECT_EQ(InstallTranslations(*qApp, QLocale(QStringLiteral("fr_CA"))), QStringLiteral("fr"));
    qDeleteAll(qApp->findChildren<QTranslator*>());
}

}  // namespace
}  // namespace tabrix
