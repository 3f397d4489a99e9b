// Edit > Preferences: a General page (start where you left off), a Keyboard
// page (which keyboard keys press which calculator keys, and which keys run
// programs) and a Functions page (keyboard keys that perform functions of
// the catalogue).
#pragma once

#include <QCoreApplication>
#include <QDialog>

#include "shell/content_table.h"
#include "shell/program_keys.h"
#include "view/key_map.h"

class QCheckBox;
class QHBoxLayout;
class QVBoxLayout;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace tabrix {

class CPreferencesDialog final : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(CPreferencesDialog)

public:
    struct Values {
        KeyMap keys = KeyMap::Standard();
        bool restoreAtStart = false;
        ProgramKeys programKeys = {};
        QStringList programs = {};  // the programs there are, to give keys to
    };

    // `reserved`: keys the window takes as shortcuts (F1), which never reach
    // the calculator and so cannot be bound; `shortcuts`: all the window's
    // shortcuts, which no program key may take.
    CPreferencesDialog(const Values& values, QList<KeyboardKey> reserved = {}, QWidget* parent = nullptr,
                       QList<QKeySequence> shortcuts = {});
    Values Result() const;

    // The key the dialog waits for, when it waits: the next key pressed is
    // bound to the selected calculator key, in place of its keys or besides.
    enum class Capture { None, Replace, Add, Program, Function };
    void BeginCapture(Capture capture);
    // Binds a keyboard key as a pressed key would while the dialog waits.
    void CaptureKey(const KeyboardKey& key);
    int SelectedCode() const;
    void SelectCode(int code);
    // Chooses the selected key's `index`th keyboard key for Remove a Key.
    void ChooseBoundKey(int index);
    // The program whose key Set Program Key sets.
    void SelectProgram(const QString& name);
    // Gives the selected program `key`, as a key pressed after Set Program Key does.
    void CaptureProgramKey(const QKeySequence& key);
    // The function Give It a Key gives a key to, by its token.
    void SelectFunction(const QString& token);
    QString Status() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    QWidget* GeneralPage();
    QWidget* KeyboardPage();
    void ProgramKeysSection(QWidget* page, QVBoxLayout* layout);
    QWidget* FunctionsPage();
    static QHBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons);
    void FillFunctionKeys();
    void CaptureFunctionKey(const KeyboardKey& key);
    void RemoveFunctionKey();
    void ChooseMap(int index);
    void FillTable();
    void FillBoundKeys();
    void RemoveKey();
    void EndCapture();
    void FillPrograms();
    QString SelectedProgram() const;

    KeyMap m_keys;
    QList<KeyboardKey> m_reserved;
    Capture m_capture = Capture::None;
    QCheckBox* m_restore = nullptr;
    QComboBox* m_map = nullptr;
    CContentTable* m_table = nullptr;
    QListWidget* m_bound = nullptr;
    QLabel* m_boundLabel = nullptr;
    QLabel* m_status = nullptr;
    QList<QPushButton*> m_keyButtons;
    ProgramKeys m_programKeys;
    QStringList m_programs;
    QList<QKeySequence> m_shortcuts;
    CContentTable* m_programTable = nullptr;
    QComboBox* m_function = nullptr;
    CContentTable* m_functionTable = nullptr;
};

}  // namespace tabrix
