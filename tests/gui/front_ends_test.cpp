// The desktop program and the console, fed the same actions, write the same
// tape: the keypad through the mouse, keyboard keys through key events, the
// menus through their command ids, pastes through the system clipboard.
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QSettings>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "cli/cli_app.h"
#include "cli/cli_session.h"
#include "document/state_file.h"
#include "fakes/document_fakes.h"
#include "fakes/random_actions.h"
#include "shell/command_ids.h"
#include "shell/main_frame.h"

namespace tabrix {
namespace {

constexpr int kSequences = 500;

// The standard key map's Qt key for a virtual-key code, and whether it is on
// the numeric keypad.
std::pair<int, bool> QtKeyOf(std::uint32_t vk) {
    if (vk >= vk::kDigit0 && vk <= vk::kDigit0 + 9) return {Qt::Key_0 + static_cast<int>(vk - vk::kDigit0), false};
    if (vk >= vk::kNumpad0 && vk <= vk::kNumpad0 + 9) return {Qt::Key_0 + static_cast<int>(vk - vk::kNumpad0), true};
    switch (vk) {
        case vk::kReturn: return {Qt::Key_Return, false};
        case vk::kAdd: return {Qt::Key_Plus, true};
        case vk::kSubtract: return {Qt::Key_Minus, true};
        case vk::kMultiply: return {Qt::Key_Asterisk, true};
        case vk::kLetterF: return {Qt::Key_F, false};
        case vk::kLetterE: return {Qt::Key_E, false};
        case vk::kOemPeriod: return {Qt::Key_Period, false};
        case vk::kBack: return {Qt::Key_Backspace, false};
        case vk::kSpace: return {Qt::Key_Space, false};
        case vk::kDelete: return {Qt::Key_Delete, false};
        case vk::kEscape: return {Qt::Key_Escape, false};
        default: return {Qt::Key_A, false};  // a key the calculator does not know
    }
}

class FrontEnds : public ::testing::Test {
protected:
    FrontEnds() {
        QSettings().clear();
        const CalculatorState saved = [] {
            CalculatorState s;
            s.m_dX = 12.5;
            s.m_strAngle = "GRD";
            return s;
        }();
        const std::vector<std::uint8_t> bytes = EncodeState(saved);
        std::ofstream(Good(), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        std::ofstream(Bad()) << "not a state file";
        services.fileDialog = &dialog;
        services.messageBox = &messages;
        services.clipboard = &clipboard;
        services.recentFiles = &recent;
        services.availableScreen = [] { return QSize(1920, 1080); };
    }

    std::string Good() const { return (folder.path() + "/good.rpn").toStdString(); }
    std::string Bad() const { return (folder.path() + "/bad.rpn").toStdString(); }

    // The actions through the window: what a person does with the mouse, the
    // keyboard and the menus.
    std::string DesktopTape(std::uint64_t seed, const std::vector<Action>& actions) {
        MersenneRandomSource random(seed);
        CalculatorSession session(SessionServices{{&dialog, &messages, &recent, &clipboard}, nullptr, &random});
        CMainFrame frame(session, services);
        QApplication::clipboard()->clear();  // as empty as the console's own at its start
        using Kind = Action::Kind;
        for (const Action& action : actions) {
            switch (action.kind) {
                case Kind::Key: frame.View()->PressKey(static_cast<int>(action.code)); break;
                case Kind::KeyRelease: {
                    const auto [key, keypad] = QtKeyOf(action.code);
                    const Qt::KeyboardModifiers modifiers = keypad ? Qt::KeypadModifier : Qt::NoModifier;
                    QKeyEvent press(QEvent::KeyPress, key, modifiers);
                    QKeyEvent release(QEvent::KeyRelease, key, modifiers);
                    QApplication::sendEvent(frame.View(), &press);
                    QApplication::sendEvent(frame.View(), &release);
                    break;
                }
                case Kind::PutText: QApplication::clipboard()->setText(QString::fromStdString(action.text)); break;
                case Kind::Copy: frame.OnCommand(cmd::kEditCopy); break;
                case Kind::CopyExact: frame.OnCommand(cmd::kEditCopyExact); break;
                case Kind::Cut: frame.OnCommand(cmd::kEditCut); break;
                case Kind::Paste: frame.OnCommand(cmd::kEditPaste); break;
                case Kind::PasteNumber: frame.OnCommand(cmd::kEditPasteNumber); break;
                case Kind::PasteData: frame.OnCommand(cmd::kEditPasteData); break;
                case Kind::Store: frame.OnCommand(kStoreCommandIds[action.code]); break;
                case Kind::Recall: frame.OnCommand(kRecallCommandIds[action.code]); break;
                case Kind::Undo: frame.OnCommand(cmd::kEditUndo); break;
                case Kind::Redo: frame.OnCommand(cmd::kEditRedo); break;
                case Kind::Reset: frame.OnCommand(cmd::kFileResetState); break;
                case Kind::New: frame.OnCommand(cmd::kFileNew); break;
                case Kind::Load:
                    dialog.answer = action.text;
                    frame.OnCommand(cmd::kFileLoadState);
                    break;
                case Kind::Function: {
                    // Through the finder, as a person types the function's token.
                    const catalogue::Function& f = catalogue::At(static_cast<FunctionId>(action.code));
                    frame.Functions().Find(QString::fromStdString(catalogue::TokenWith(f, action.argument)));
                    QTest::keyClick(frame.Functions().Finder()->Search(), Qt::Key_Return);
                    break;
                }
                default: ADD_FAILURE() << "no way to do this in the window";
            }
        }
        return session.Tape().Script();
    }

    // The same actions as the console's tokens.
    static std::string ConsoleTape(std::uint64_t seed, const std::vector<Action>& actions) {
        std::ostringstream out, err;
        cli::Session console(seed, cli::Options::Output::Tape, '.', cli::Options{}.maxSteps, out, err);
        EXPECT_TRUE(cli::RunScript(console, "", "", testing::ConsoleTokens(actions), err)) << err.str();
        return console.Calculator().Tape().Script();
    }

    QTemporaryDir folder;
    testing::FakeFileDialog dialog;
    testing::RecordingMessageBox messages;
    QtClipboard clipboard;
    RecentFileList recent;
    FrameServices services;
};

// What the window can do of a random sequence: no draws to queue, no state
// to set, no empty text (a clipboard holds none), only the face's keys.
std::vector<Action> ForTheWindow(const std::vector<Action>& actions) {
    std::vector<Action> kept;
    for (std::size_t i = 0; i < actions.size(); ++i) {
        Action action = actions[i];
        switch (action.kind) {
            case Action::Kind::Draw:
            case Action::Kind::SetState:
            case Action::Kind::PasteValue:
            case Action::Kind::ClearTape: continue;
            case Action::Kind::PutText:
                if (action.text.empty()) {
                    ++i;  // and its paste
                    continue;
                }
                break;
            case Action::Kind::Key:
                if (action.code > keys::kLastKey || action.code == keys::kUnderEnter) action.code = 0;
                break;
            default: break;
        }
        kept.push_back(action);
    }
    return kept;
}

TEST_F(FrontEnds, TheDesktopAndTheConsoleWriteTheSameTape) {
    for (int seed = 1; seed <= kSequences; ++seed) {
        testing::RandomActions random(static_cast<std::uint64_t>(seed) * 31, {Good(), Bad(), false, false});
        const std::vector<Action> actions = ForTheWindow(random.Sequence(50));
        const std::string console = ConsoleTape(static_cast<std::uint64_t>(seed), actions);
        ASSERT_EQ(DesktopTape(static_cast<std::uint64_t>(seed), actions), console)
            << "seed " << seed << ": " << testing::Describe(actions);
    }
}

}  // namespace
}  // namespace tabrix
