// End to end: the real tabrix binary on an X server (run under xvfb-run),
// driven by xdotool with real pointer clicks and key presses, and checked by
// its window title and the pixels of screenshots.
#include <QColor>
#include <QImage>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <vector>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "engine/key_codes.h"
#include "view/keypad_geometry.h"

extern char** environ;

namespace tabrix {
namespace {

std::string Shell(const std::string& command) {
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        std::array<char, 512> buffer;
        while (std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe)) out.append(buffer.data(), n);
        pclose(pipe);
    }
    while (!out.empty() && (out.back() == '\n' || out.back() == ' ')) out.pop_back();
    return out;
}

class DesktopTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "needs an X server (run under xvfb-run)";
        char dir[] = "/tmp/tabrix-e2e-XXXXXX";
        ASSERT_NE(mkdtemp(dir), nullptr);
        m_dir = dir;
        setenv("XDG_CONFIG_HOME", m_dir.c_str(), 1);
        setenv("XDG_DATA_HOME", m_dir.c_str(), 1);
        setenv("XDG_CACHE_HOME", m_dir.c_str(), 1);
    }

    // The program's settings file, as a person would edit or share it: in
    // its place (~/.config/tabrix/tabrix.conf), or where version 1.0 kept it.
    void WriteSettings(const std::string& text, bool oldPlace = false) {
        const std::string folder = m_dir + (oldPlace ? "/Local AppWizard-Generated Applications" : "/tabrix");
        Shell("mkdir -p '" + folder + "'");
        std::ofstream(folder + (oldPlace ? "/Tabrix.conf" : "/tabrix.conf")) << text;
    }

    // Ctrl+Q, and the program ends by itself.
    void Quit() {
        Type("ctrl+q");
        int status = -1;
        for (int attempt = 0; attempt < 100 && waitpid(m_pid, &status, WNOHANG) == 0; ++attempt) Settle();
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
        m_pid = 0;
        m_origin = {-1, -1};
    }

    // Starts the program (with `args`) and waits for its window and picture.
    void Start(std::vector<std::string> args = {}) {
        args.insert(args.begin(), TABRIX_PATH);
        std::vector<char*> argv;
        for (std::string& arg : args) argv.push_back(arg.data());
        argv.push_back(nullptr);
        ASSERT_EQ(posix_spawn(&m_pid, TABRIX_PATH, nullptr, nullptr, argv.data(), environ), 0);
        m_window = Shell("timeout 20 xdotool search --sync --onlyvisible --name '^Tabrix$' | head -n 1");
        ASSERT_FALSE(m_window.empty()) << "no window appeared";
        Shell("timeout 10 xdotool windowfocus --sync " + m_window);
        for (int attempt = 0; attempt < 50 && m_origin.x() < 0; ++attempt) {
            m_origin = FindViewOrigin(Screenshot());
            if (m_origin.x() < 0) Settle();
        }
        ASSERT_GE(m_origin.x(), 0) << "no LCD on the screen";
    }

    // A window manager, for what depends on which window has the keyboard:
    // dialogs over dialogs, and where the keyboard goes when one closes.
    void StartWindowManager() {
        if (Shell("command -v openbox").empty()) GTEST_SKIP() << "needs openbox";
        const auto running = [] {
            return Shell("xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null").find("window id") != std::string::npos;
        };
        // An earlier window manager's mark on the root window would end the
        // wait at once; and it may still hold the screen for a moment, so
        // this one is tried again until it runs.
        Shell("xprop -root -remove _NET_SUPPORTING_WM_CHECK");
        for (int start = 0; start < 5 && !running(); ++start) {
            std::this_thread::sleep_for(std::chrono::milliseconds(200 * start));
            char program[] = "openbox";
            char option[] = "--sm-disable";
            char* argv[] = {program, option, nullptr};
            ASSERT_EQ(posix_spawnp(&m_windowManager, "openbox", nullptr, nullptr, argv, environ), 0);
            for (int attempt = 0; attempt < 30 && !running(); ++attempt) Settle();
            if (waitpid(m_windowManager, nullptr, WNOHANG) != 0) {  // it gave up: the screen was not free
                m_windowManager = 0;
                Shell("xprop -root -remove _NET_SUPPORTING_WM_CHECK");
            }
        }
        ASSERT_TRUE(running()) << "openbox did not start";
    }

    // A window of the program by its exact title, once it shows; empty if none does.
    // xdotool's search gives up at once when a window it looks at goes away
    // meanwhile (a dialog closing: BadWindow), so it is asked again.
    static std::string WaitForWindow(const std::string& title) {
        for (int attempt = 0; attempt < 5; ++attempt) {
            std::string window =
                Shell("timeout 10 xdotool search --sync --onlyvisible --name '^" + title + "$' | head -n 1");
            if (!window.empty()) return window;
            Settle();
        }
        return {};
    }
    static bool Shows(const std::string& title) {
        return !Shell("xdotool search --onlyvisible --name '^" + title + "$'").empty();
    }
    // Keys through the server's own input, to whichever window has the keyboard.
    static void Press(const std::string& keys) { Shell("timeout 10 xdotool key --delay 80 " + keys); }
    // A menu item by its mnemonics ("m p i": More > Programs > Import), a
    // key at a time, each menu given the time to open.
    void ChooseFromMenu(const std::string& mnemonics) const {
        Activate();
        std::string keys = "alt+" + mnemonics;
        std::size_t at = 0;
        for (std::size_t next; (next = keys.find(' ', at)) != std::string::npos; at = next + 1) {
            Press(keys.substr(at, next - at));
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
        }
        Press(keys.substr(at));
    }
    // The window manager's way of giving the main window the keyboard.
    void Activate() const { Shell("timeout 10 xdotool windowactivate --sync " + m_window); }

    void TearDown() override {
        if (m_pid > 0) {
            kill(m_pid, SIGTERM);
            waitpid(m_pid, nullptr, 0);
        }
        if (m_windowManager > 0) {
            kill(m_windowManager, SIGTERM);
            waitpid(m_windowManager, nullptr, 0);
        }
        if (!m_dir.empty()) Shell("rm -rf '" + m_dir + "'");
    }

    static void Settle() { std::this_thread::sleep_for(std::chrono::milliseconds(100)); }

    // Takes screenshots until `condition` holds for one (the program repaints
    // in its own time), for at most ten seconds; returns the last one.
    template <typename Condition>
    QImage WaitFor(Condition condition) {
        QImage screen = Screenshot();
        for (int attempt = 0; attempt < 100 && !condition(screen); ++attempt) {
            Settle();
            screen = Screenshot();
        }
        return screen;
    }
    QImage WaitForInk(const QRect& rect, bool ink) {
        return WaitFor([&](const QImage& screen) { return HasInk(screen, rect) == ink; });
    }

    QImage Screenshot() {
        const std::string file = m_dir + "/screen.png";
        Shell("import -window root '" + file + "'");
        return QImage(QString::fromStdString(file)).convertToFormat(QImage::Format_RGB32);
    }

    // The calculator picture's top-left corner on the screen: the LCD window
    // (a plain rectangle in the LCD colour) starts at (17, 11) of the picture.
    static QPoint FindViewOrigin(const QImage& screen) {
        const QRgb lcd = qRgb(180, 241, 235);
        for (int y = 0; y + 60 < screen.height(); ++y) {
            for (int x = 0; x + 200 < screen.width(); ++x) {
                if (screen.pixel(x, y) == lcd && screen.pixel(x + 200, y + 55) == lcd) return {x - 17, y - 11};
            }
        }
        return {-1, -1};
    }

    void ClickKey(int key) {
        const KeyRect r = GetKeyRect(key);
        const QPoint p = m_origin + QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        Shell("timeout 10 xdotool mousemove " + std::to_string(p.x()) + " " + std::to_string(p.y()) + " click 1");
    }

    void Type(const std::string& keys) {
        Shell("timeout 10 xdotool key --window " + m_window + " --delay 60 " + keys);
    }

    // Holds a key down through the X server's own input (XTEST), so that the
    // server repeats it as it does a key a person holds, then lets it go.
    static void Hold(const std::string& key, int milliseconds) {
        Shell("timeout 10 xdotool keydown " + key);
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
        Shell("timeout 10 xdotool keyup " + key);
    }

    // X as Copy puts it on the clipboard ("7.800000e+01"), read back by
    // another X client; waits until the clipboard holds something new.
    std::string CopiedX() {
        const std::string before = Shell("timeout 5 xclip -selection clipboard -o 2>/dev/null");
        Type("ctrl+c");
        std::string text = before;
        for (int attempt = 0; attempt < 50 && text == before; ++attempt) {
            Settle();
            text = Shell("timeout 5 xclip -selection clipboard -o 2>/dev/null");
        }
        return text;
    }

    // Dark pixels in a rectangle of the picture.
    bool HasInk(const QImage& screen, const QRect& rect) const {
        const QRect on = rect.translated(m_origin);
        for (int y = on.top(); y <= on.bottom(); ++y)
            for (int x = on.left(); x <= on.right(); ++x)
                if (qGray(screen.pixel(x, y)) < 110) return true;
        return false;
    }

    static QRect Cell(int i) { return {28 + 17 * i, 11, 11, 26}; }

    pid_t m_pid = 0;
    pid_t m_windowManager = 0;
    std::string m_dir;
    std::string m_window;
    QPoint m_origin{-1, -1};
};

TEST_F(DesktopTest, TitleClicksAndKeysReachTheCalculator) {
    Start();
    EXPECT_EQ(Shell("xdotool getwindowname " + m_window), "Tabrix");
    const QRect shiftIndicator(24, 52, 6, 14);
    const QImage start = Screenshot();
    EXPECT_TRUE(HasInk(start, Cell(2)));  // " 0000000 00"
    EXPECT_FALSE(HasInk(start, shiftIndicator));

    ClickKey(keys::kShift);  // F with the mouse: the f indicator appears
    EXPECT_TRUE(HasInk(WaitForInk(shiftIndicator, true), shiftIndicator));
    Type("f");  // F on the keyboard: gone again
    EXPECT_FALSE(HasInk(WaitForInk(shiftIndicator, false), shiftIndicator));

    Type("7");  // typing 7: the main line is " 7"
    const QImage typed = WaitForInk(Cell(2), false);
    EXPECT_TRUE(HasInk(typed, Cell(1)));
    EXPECT_FALSE(HasInk(typed, Cell(2)));

    ClickKey(keys::kEnter);  // ENTER
    Type("KP_Add");  // 7 + 7 = 14: " 1400000 01"
    const QImage sum = WaitForInk(Cell(10), true);
    for (int i : {1, 2, 3, 9, 10}) EXPECT_TRUE(HasInk(sum, Cell(i))) << i;
    EXPECT_FALSE(HasInk(sum, Cell(8)));
}

TEST(DesktopCommandLine, HelpVersionAndUsageErrorsNeedNoDisplay) {
    const std::string tabrix = std::string("env -u DISPLAY ") + TABRIX_PATH;
    EXPECT_EQ(Shell(tabrix + " --version; echo status=$?"), "tabrix " TABRIX_VERSION "\nstatus=0");
    const std::string help = Shell(tabrix + " --help; echo status=$?");
    EXPECT_NE(help.find("Usage:"), std::string::npos) << help;
    EXPECT_NE(help.find("status=0"), std::string::npos) << help;
    EXPECT_EQ(Shell(tabrix + " --frobnicate 2>/dev/null; echo status=$?"), "status=2");
    EXPECT_NE(Shell(tabrix + " --frobnicate 2>&1 >/dev/null").find("frobnicate"), std::string::npos);
}

TEST_F(DesktopTest, AStateFileWhoseNameBeginsWithADashOpensAfterDoubleDash) {
    Shell("cd '" + m_dir + "' && " + TABRIX_CLI_PATH + " --save ./-x.rpn 42 ENTER >/dev/null");
    Start({"--", m_dir + "/-x.rpn"});
    EXPECT_EQ(CopiedX(), "4.200000e+01");
}

// Two busy loops while the keys are held: on a busy machine the repeated
// release of a held key used to reach the program before its press did, and
// counted as a release.
class BusyCores {
public:
    BusyCores() {
        for (pid_t& pid : m_pids) {
            pid = fork();
            if (pid == 0) {
                for (;;) std::atomic_signal_fence(std::memory_order_seq_cst);  // spins, never returns
            }
        }
    }
    ~BusyCores() {
        for (pid_t pid : m_pids) {
            if (pid > 0) {
                kill(pid, SIGKILL);
                waitpid(pid, nullptr, 0);
            }
        }
    }

private:
    std::array<pid_t, 2> m_pids{};
};

TEST_F(DesktopTest, AKeyHeldDownActsOnceOnItsRelease) {
    Start();
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        {
            BusyCores busy;
            Type("Escape 7 8 9");
            Hold("BackSpace", 1500);  // one backspace: 78, not an empty entry
            Type("Return");
        }
        EXPECT_EQ(CopiedX(), "7.800000e+01");
        {
            BusyCores busy;
            Type("Escape 1 Return Return Return");
            Hold("KP_Add", 1000);  // one addition: 2, not 4 or more
        }
        EXPECT_EQ(CopiedX(), "2.000000e+00");
    }
}

TEST_F(DesktopTest, KeysReboundInTheSettingsFileAreTyped) {
    // Q is the 7, and the main keyboard's + (Shift and = on this layout) adds;
    // xdotool lets go of Shift before the = key, as quick typists do.
    // Kept where version 1.0 kept it: the key map moves to the new place.
    WriteSettings("[Keymap]\n9=Q\n30=\"Num++, +\"\n", true);
    Start();
    Type("q Return q shift+equal");
    EXPECT_EQ(CopiedX(), "1.400000e+01");
    Type("Escape 7 Return");  // the top-row 7 is no longer the 7: nothing typed
    EXPECT_EQ(CopiedX(), "0.000000e+00");
}

TEST_F(DesktopTest, TheCalculatorComesBackAfterCtrlQWhenAskedTo) {
    WriteSettings("[Session]\nRestoreAtStart=true\n");
    Start();
    Type("4 2 Return 5 f 9 3");  // 42, 5 and ENG 3 pending: half-typed work
    Quit();
    EXPECT_EQ(Shell("test -f '" + m_dir + "/tabrix/session.txt' && echo kept"), "kept");  // in its own data folder
    Start();
    EXPECT_EQ(CopiedX(), "5.000000e+00");
    Type("plus");  // the main keyboard's + is no key by default
    Type("KP_Add");
    EXPECT_EQ(CopiedX(), "4.700000e+01");
}

// The tape's lines, as the window shows them at 100 %: the list starts right
// of the picture, under its title.
QPoint TapeRow(const QPoint& origin, int row) { return origin + QPoint(300, 26 + 13 * row); }

// The calculator's keys reach it whatever has the focus: after a click on
// a tape line, after Tab brought the keyboard to the tape, after a menu
// closed with Escape.
TEST_F(DesktopTest, KeysReachTheCalculatorWhateverHasTheFocus) {
    WriteSettings("[View]\nZoom=100\nTape=true\n");
    Start();
    Type("1 Return 2 KP_Add");  // lines "1 ENTER" (1) and "2 +" (3)
    const QPoint line = TapeRow(m_origin, 0);
    Shell("timeout 10 xdotool mousemove " + std::to_string(line.x()) + " " + std::to_string(line.y()) + " click 1");
    Type("5 Return 3 KP_Add");  // 5 ENTER 3 +: the keys went to the calculator, not the tape
    EXPECT_EQ(CopiedX(), "8.000000e+00");

    // A double-click puts a line's value into X, and the keyboard stays.
    Shell("timeout 10 xdotool mousemove " + std::to_string(line.x()) + " " + std::to_string(line.y()) +
          " click --repeat 2 --delay 80 1");
    Type("KP_Add");  // 3 (left in Y by 5 ENTER 3 +) + 1
    EXPECT_EQ(CopiedX(), "4.000000e+00");

    // Tab brings the keyboard to the tape on purpose: its own keys are its,
    // the calculator's keys still the calculator's.
    Type("Tab Home Return");  // the first line's value, 1, into X
    Type("4 KP_Add");         // 1 + 4
    Type("shift+Tab");
    EXPECT_EQ(CopiedX(), "5.000000e+00");

    // A menu opened and closed with Escape leaves the keyboard to the calculator.
    Type("alt+e");
    Type("Escape");
    Type("9 Return");
    EXPECT_EQ(CopiedX(), "9.000000e+00");
}

// A program that never ends, run by the key the settings file gives it: the
// window still answers (Keys and Keyboard opens), and Escape ends the run
// where it stands instead of clearing.
TEST_F(DesktopTest, EscapeStopsARunawayProgramWhileTheWindowAnswers) {
    WriteSettings("[ProgramKeys]\nFOREVER=F5\n");
    std::ofstream(m_dir + "/tabrix/programs.txt") << "def:forever\n  lbl:a 1 + gto:a\nend\n";
    Start();
    Type("F5");
    Settle();
    Type("F1");  // the window takes its turn between the run's slices
    EXPECT_FALSE(Shell("timeout 10 xdotool search --sync --onlyvisible --name '^Keys and Keyboard$'").empty());
    Shell("timeout 10 xdotool windowfocus --sync " + m_window);
    Type("Escape");
    const std::string counted = CopiedX();
    EXPECT_NE(counted, "0.000000e+00") << "Escape stopped the run, and cleared nothing";
    EXPECT_EQ(counted.find('-'), std::string::npos) << counted;
    EXPECT_EQ(CopiedX(), counted) << "the run has ended";
}

// More > Functions > Solve… with real keys: the dialog comes up with the
// guesses from Y and X, Return solves; a solve that never ends leaves the
// window answering, and Escape ends it with the stack as it was.
TEST_F(DesktopTest, SolveFromTheMenuAndEscapeEndsARunawayOne) {
    Shell("mkdir -p '" + m_dir + "/tabrix'");
    std::ofstream(m_dir + "/tabrix/programs.txt")
        << "def:cubic\n  ENTER ENTER * * SWAP 2 * - 5 -\nend\ndef:spin\n  lbl:a 1 sto+:2 gto:a\nend\n";
    Start();
    Type("2 Return 3 alt+m u");
    Settle();
    Shell("timeout 10 xdotool key --delay 60 s");
    ASSERT_FALSE(Shell("timeout 10 xdotool search --sync --onlyvisible --name '^Solve$'").empty());
    Shell("import -window root '" + m_dir + "/solve.png'");
    if (const char* shots = std::getenv("TABRIX_SHOTS")) Shell("cp '" + m_dir + "/solve.png' '" + shots + "/e2e-solve.png'");
    Shell("timeout 10 xdotool key --delay 60 Return");
    Shell("timeout 10 xdotool windowfocus --sync " + m_window);
    EXPECT_EQ(CopiedX(), "2.094551e+00");
    Type("Escape 4 Return 5 alt+m u");
    Settle();  // the submenu opens before its mnemonic is typed
    Shell("timeout 10 xdotool key --delay 60 s");
    ASSERT_FALSE(Shell("timeout 10 xdotool search --sync --onlyvisible --name '^Solve$'").empty());
    Shell("timeout 10 xdotool key --delay 60 Down Return");  // the second program: spin
    Shell("timeout 10 xdotool windowfocus --sync " + m_window);
    Settle();
    Type("F1");  // the window takes its turn between the slices
    EXPECT_FALSE(WaitForWindow("Keys and Keyboard").empty());
    Shell("timeout 10 xdotool windowfocus --sync " + m_window);
    Type("Escape");
    EXPECT_EQ(CopiedX(), "5.000000e+00") << "the stack as before the solve";
}

// Programs > Record Program: the keys typed are done and become the
// program, which the menu then runs.
TEST_F(DesktopTest, RecordProgramMakesAProgramTheMenuRuns) {
    Start();
    Type("alt+m p r");
    Shell("timeout 10 xdotool search --sync --onlyvisible --name '^Record Program$'");
    Shell("timeout 10 xdotool type --delay 60 dbl");
    Shell("timeout 10 xdotool key --delay 60 Return");
    Shell("timeout 10 xdotool windowfocus --sync " + m_window);
    Type("7 Return KP_Add");  // recorded: 7 ENTER +
    Type("alt+m p s");       // Stop Recording
    EXPECT_EQ(CopiedX(), "1.400000e+01");
    Type("Escape 1 alt+m p Return");  // the menu's first item, dbl: the run ends the 1 typed, then 7 ENTER +
    EXPECT_EQ(CopiedX(), "1.400000e+01");
    Type("KP_Add");
    EXPECT_EQ(CopiedX(), "1.500000e+01") << "the 1 typed before the run is under the result";
}

// Ctrl+K opens Find Function; a few letters typed and Return perform it, and
// a keyboard key given to a function in the settings file performs it too.
TEST_F(DesktopTest, FindFunctionAndAFunctionKeyPerformTheirFunctions) {
    WriteSettings("[FunctionKeys]\n1\\function=frac\n1\\key=Q\nsize=1\n");
    Start();
    Type("1");
    // Through the server's own input: Qt keeps the Ctrl of a key sent to a window down for the next keys.
    Shell("timeout 10 xdotool key --delay 60 ctrl+k");
    ASSERT_FALSE(Shell("timeout 10 xdotool search --sync --onlyvisible --name '^Find Function$'").empty());
    Shell("timeout 10 xdotool type --delay 60 tanh");
    Shell("timeout 10 xdotool key --delay 60 Return");
    Shell("timeout 10 xdotool windowfocus --sync " + m_window);
    EXPECT_EQ(CopiedX(), "7.615942e-01");
    Type("Escape 2 period 5 q");
    EXPECT_EQ(CopiedX(), "5.000000e-01") << "Q performs FRAC";
}

// Under a window manager, with real keys: Escape in Edit Programs stops the
// program it ran before it closes anything, and after New… the typing goes
// into the new program's steps, not into the calculator under the editor.
TEST_F(DesktopTest, TheProgramEditorKeepsTheKeyboardAndEscapeStopsItsRun) {
    StartWindowManager();
    Shell("mkdir -p '" + m_dir + "/tabrix'");
    std::ofstream(m_dir + "/tabrix/programs.txt") << "def:forever\n  lbl:a 1 + gto:a\nend\n";
    Start();
    // Real keys throughout: a key sent to a window by name is seen again by
    // Qt as held, and the next press of the same key is lost.
    ChooseFromMenu("m p e");
    ASSERT_FALSE(WaitForWindow("Programs").empty()) << "Edit Programs opened";
    Press("alt+u");  // Run
    Settle();
    Settle();
    Press("Escape");
    Settle();
    EXPECT_TRUE(Shows("Programs")) << "the first Escape stops the run and leaves the editor open";

    Press("alt+n");  // New…
    ASSERT_FALSE(WaitForWindow("New Program").empty());
    Press("s e v e n");
    Press("Return");
    Settle();
    Shell("timeout 10 xdotool type --delay 60 '7 7 7'");
    Settle();
    Press("Escape");
    for (int attempt = 0; attempt < 50 && Shows("Programs"); ++attempt) Settle();
    EXPECT_FALSE(Shows("Programs")) << "with no run, Escape closes the editor";

    Shell("timeout 10 xdotool windowfocus --sync " + m_window);
    const std::string counted = CopiedX();
    EXPECT_NE(counted, "0.000000e+00") << "the run counted";
    EXPECT_EQ(counted.find('-'), std::string::npos) << "no Space reached the calculator as CHS: " << counted;
    EXPECT_EQ(CopiedX(), counted) << "the run had ended";
    std::ifstream file(m_dir + "/tabrix/programs.txt");
    const std::string kept((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_NE(kept.find("def:seven\n  7 7 7\nend"), std::string::npos) << "the typing went into the steps: " << kept;
}

// Import Programs refuses, with a message, a file that tabrix-cli --program
// refuses (a name defined twice), and keeps the programs there are; a good
// file with a name there is already is asked about before it replaces it.
TEST_F(DesktopTest, ImportRefusesWhatTheConsoleRefusesAndAsksBeforeReplacing) {
    StartWindowManager();
    Shell("mkdir -p '" + m_dir + "/tabrix'");
    const std::string mine = "def:half\n  2 /\nend\n";
    std::ofstream(m_dir + "/tabrix/programs.txt") << mine;
    std::ofstream(m_dir + "/twice.txt") << "def:tri\n  3 *\nend\ndef:tri\n  3 +\nend\n";
    std::ofstream(m_dir + "/other.txt") << "def:half\n  0.5 *\nend\n";
    Start();
    const auto import = [&](const std::string& file) {
        ChooseFromMenu("m p i");
        ASSERT_FALSE(WaitForWindow("Import Programs").empty());
        Settle();
        Shell("timeout 10 xdotool type --delay 30 '" + m_dir + "/" + file + "'");
        Press("Return");
    };
    const auto kept = [&] {
        std::ifstream in(m_dir + "/tabrix/programs.txt");
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    };
    const auto windowsNamedTabrix = [] {
        return Shell("xdotool search --onlyvisible --name '^Tabrix$' | wc -l");
    };

    import("twice.txt");
    for (int attempt = 0; attempt < 50 && windowsNamedTabrix() != "2"; ++attempt) Settle();
    EXPECT_EQ(windowsNamedTabrix(), "2") << "a message says why";
    Press("Return");
    for (int attempt = 0; attempt < 50 && windowsNamedTabrix() != "1"; ++attempt) Settle();
    EXPECT_EQ(kept(), mine) << "nothing of the refused file was taken";

    import("other.txt");
    ASSERT_FALSE(WaitForWindow("Import Programs").empty()) << "asked before replacing half";
    Press("Escape");  // No
    Settle();
    Settle();
    EXPECT_EQ(kept(), mine) << "declined: half stays";

    // Export of a program with problems asks first (a question, not yet the file dialog).
    ChooseFromMenu("m p e");
    ASSERT_FALSE(WaitForWindow("Programs").empty());
    Press("alt+n");
    ASSERT_FALSE(WaitForWindow("New Program").empty());
    Shell("timeout 10 xdotool type --delay 60 bad");
    Press("Return");
    Settle();
    Shell("timeout 10 xdotool type --delay 60 'gto:nowhere'");
    Press("Escape");
    for (int attempt = 0; attempt < 50 && Shows("Programs"); ++attempt) Settle();
    ChooseFromMenu("m p x");
    const std::string asked = WaitForWindow("Export Programs");
    ASSERT_FALSE(asked.empty());
    const std::string geometry = Shell("xdotool getwindowgeometry " + asked + " | sed -n 's/.*Geometry: \\([0-9]*\\)x.*/\\1/p'");
    EXPECT_LT(std::stoi(geometry.empty() ? "0" : geometry), 500) << "a question, not the file dialog (" << geometry << " px)";
    Press("Return");  // Yes: the file dialog follows
    Settle();
    Settle();
    Shell("timeout 10 xdotool type --delay 30 '" + m_dir + "/out.txt'");
    Press("Return");
    std::string exported;
    for (int attempt = 0; attempt < 50 && exported.empty(); ++attempt) {
        Settle();
        std::ifstream in(m_dir + "/out.txt");
        exported.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    EXPECT_NE(exported.find("def:bad"), std::string::npos) << "exported all the same, as chosen";
}

// The tape opened over more lines than it has room for shows its newest:
// the last one typed (the only long one) is in sight at its foot.
TEST_F(DesktopTest, TheTapeShowsItsNewestLine) {
    WriteSettings("[View]\nZoom=100\n");
    Start();
    for (int i = 0; i < 6; ++i) Type("1 Return 1 Return 1 Return 1 Return 1 Return 1 Return");
    Type("8 8 8 8 8 8 8 8 Return");
    Press("ctrl+t");  // View > Tape
    for (int attempt = 0; attempt < 30; ++attempt) Settle();
    const QImage screen = Screenshot();
    // The tape's rows right of the picture: how far each row's ink reaches
    // into the labels' column.
    const int left = m_origin.x() + kFaceWidth + 6, right = std::min(screen.width(), left + 110);
    std::vector<std::pair<int, int>> rows;  // (y, reach)
    for (int y = m_origin.y(); y < std::min(screen.height(), m_origin.y() + kFaceHeight); ++y) {
        int reach = 0;
        for (int x = left; x < right; ++x) {
            if (qGray(screen.pixel(x, y)) < 110) reach = x - left;
        }
        if (reach > 0) rows.push_back({y, reach});
    }
    ASSERT_GT(rows.size(), 20u) << "the tape's lines are on the screen";
    const auto widest = std::max_element(rows.begin(), rows.end(), [](auto a, auto b) { return a.second < b.second; });
    const int shortest = std::min_element(rows.begin(), rows.end(), [](auto a, auto b) { return a.second < b.second; })->second;
    EXPECT_GT(widest->second, shortest + 20) << "the long line is in sight";
    EXPECT_GT(widest->first, rows[rows.size() / 2].first) << "in the lower half, where the newest lines are";
}

// HEX with real input: the keyboard's F types a digit, the face's top row
// types A to F by click, a lone Shift is the F shift, and a click in
// View > Bits toggles a bit.
TEST_F(DesktopTest, HexDigitsByKeyboardAndFaceAndABitToggledInTheBitView) {
    StartWindowManager();
    WriteSettings("[FunctionKeys]\n1\\function=hex\n1\\key=H\nsize=1\n");
    Start();
    Activate();
    Press("h f f");
    ClickKey(1);  // A in HEX
    const QImage face = WaitFor([&](const QImage&) { return true; });
    if (const char* shots = std::getenv("TABRIX_E2E_SHOTS")) face.save(QString::fromLatin1(shots) + "/hex-face.png");
    EXPECT_EQ(CopiedX(), "FFA") << "f f typed digits and the face's e^x key typed A";

    ChooseFromMenu("m v b");
    Activate();
    // The lowest set bit of FFA is bit 1: the rightmost blue cell beside the picture; bit 0 is the cell after it.
    const QImage bits = WaitFor([&](const QImage& screen) {
        for (int x = screen.width() - 1; x > m_origin.x() + 260; --x)
            for (int y = 0; y < screen.height(); ++y)
                if (screen.pixel(x, y) == qRgb(44, 44, 252)) return true;
        return false;
    });
    QPoint bit1(-1, -1);
    for (int x = bits.width() - 1; x > m_origin.x() + 260 && bit1.x() < 0; --x) {
        for (int y = bits.height() - 1; y >= 0; --y) {
            if (bits.pixel(x, y) == qRgb(44, 44, 252)) {
                bit1 = {x, y};
                break;
            }
        }
    }
    if (const char* shots = std::getenv("TABRIX_E2E_SHOTS")) bits.save(QString::fromLatin1(shots) + "/bit-view.png");
    ASSERT_GE(bit1.x(), 0) << "the bit view shows set bits";
    Shell("timeout 10 xdotool mousemove " + std::to_string(bit1.x() + 12) + " " + std::to_string(bit1.y() - 4) +
          " click 1");
    Activate();
    EXPECT_EQ(CopiedX(), "FFB") << "the click toggled bit 0";

    Press("shift");  // alone: the F shift, since F is a digit here
    Press("plus");   // F + is CLR
    EXPECT_EQ(CopiedX(), "0");
}

}  // namespace
}  // namespace tabrix
