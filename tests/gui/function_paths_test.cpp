// Every function of the catalogue gives the same calculator whichever way
// it is reached: the console's token, a program's step, and the desktop's
// finder (Functions > Find Function, typed and Return), from random stacks,
// registers, LAST X and modes. (The web page is held to the console the
// same way by tests/web/functions.test.mjs.)
#include <QLineEdit>
#include <QSettings>
#include <QTest>
#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "cli/cli_app.h"
#include "cli/cli_session.h"
#include "document/function_search.h"
#include "document/state_file.h"
#include "fakes/document_fakes.h"
#include "shell/main_frame.h"

namespace tabrix {
namespace {

constexpr int kStates = 40;
constexpr std::uint64_t kSeed = 7;

// A calculator at rest with anything on its stack: numbers of every size
// and sign, now and then 0, a NaN or an infinity; modes and registers too.
CalculatorState RandomState(std::mt19937_64& random) {
    const auto number = [&]() -> double {
        switch (random() % 8) {
            case 0: return 0.0;
            case 1: return static_cast<double>(static_cast<int>(random() % 40) - 20);
            case 2: return std::ldexp(static_cast<double>(random() % 100000) - 50000, -static_cast<int>(random() % 20));
            case 3: return std::ldexp(static_cast<double>(random() % 1000) + 1, static_cast<int>(random() % 300) - 150);
            case 4: return random() % 2 == 0 ? std::nan("") : -std::numeric_limits<double>::infinity();
            default: return (static_cast<double>(random() % 2000001) - 1000000) / 1000.0;
        }
    };
    CalculatorState s;
    s.m_dX = number(), s.m_dY = number(), s.m_dZ = number(), s.m_dT = number();
    for (double& reg : s.m_dReg) reg = number();
    s.m_dLastX = number();
    const char* formats[] = {"FIX", "SCI", "ENG"};
    const char* angles[] = {"DEG", "RAD", "GRD"};
    s.m_strFormat = formats[random() % 3];
    s.m_nDigits = static_cast<std::int32_t>(random() % 10);
    s.m_strAngle = angles[random() % 3];
    s.m_bLift = random() % 2 == 0;
    CTabrixDoc doc;
    doc.SetState(s);
    doc.UpdateDisplay();  // the main line as it would be shown
    return doc.State();
}

// The console: the state, then the token; what it then holds.
CalculatorState ByConsole(const std::vector<std::string>& tokens, const std::string& programs = {}) {
    std::ostringstream out, err;
    cli::Session console(kSeed, cli::Options::Output::Json, '.', cli::Options{}.maxSteps, out, err);
    EXPECT_TRUE(cli::RunScript(console, programs, "functions", tokens, err)) << err.str();
    return WithoutHeldKey(console.Calculator().Doc().State());
}

class FunctionPaths : public ::testing::Test {
protected:
    FunctionPaths() { QSettings().clear(); }
    testing::FakeFileDialog dialog;
    testing::RecordingMessageBox messages;
    testing::FakeClipboard clipboard;
    RecentFileList recent;
};

TEST_F(FunctionPaths, EveryFunctionGivesTheSameStateByTokenProgramAndFinder) {
    std::mt19937_64 random(2026);
    FrameServices services;
    services.fileDialog = &dialog;
    services.messageBox = &messages;
    services.clipboard = &clipboard;
    services.recentFiles = &recent;
    services.availableScreen = [] { return QSize(1920, 1080); };
    MersenneRandomSource draws(kSeed);
    CalculatorSession session(SessionServices{{&dialog, &messages, &recent, &clipboard}, nullptr, &draws});
    CMainFrame frame(session, services);
    int compared = 0;
    for (int i = 0; i < kStates; ++i) {
        const CalculatorState start = RandomState(random);
        const std::string state = "state:" + SnapshotText(start);
        for (const catalogue::Function& f : catalogue::All()) {
            // Solve and integrate take a program: numeric_test.cpp has them.
            if (!FunctionSearch::Offered(f) || f.argument == ArgumentKind::ProgramName) continue;
            // A register 0..9, a word size 1..64 or a bit count.
            const auto argument = static_cast<std::uint32_t>(f.argument == ArgumentKind::WordSize ? 1 + i * 7 % 64 : i % 10);
            const std::string token = catalogue::TokenWith(f, argument);
            SCOPED_TRACE(token + " from " + ::testing::PrintToString(start));
            const CalculatorState byToken = ByConsole({state, token});
            const CalculatorState byProgram = ByConsole({state, "run:p"}, "def:p " + token + " end\n");
            EXPECT_EQ(byProgram, byToken);

            draws = MersenneRandomSource(kSeed);  // RAN# draws what the console's does
            frame.Perform(Action::WithText(Action::Kind::SetState, SnapshotText(start)));
            frame.Functions().Find(QString::fromStdString(token));
            QTest::keyClick(frame.Functions().Finder()->Search(), Qt::Key_Return);
            EXPECT_EQ(WithoutHeldKey(session.Doc().State()), byToken);
            ++compared;
        }
    }
    EXPECT_GT(compared, kStates * 60);  // every function offered, F and the prefixes among them
}

}  // namespace
}  // namespace tabrix
