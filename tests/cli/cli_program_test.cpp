// Programs in the console: --program files, def blocks in scripts and on
// standard input, the checks made before anything runs (exit 2), a run cut
// short by the step limit or the call depth (exit 3), and the trace.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include <nlohmann/json.hpp>

#include "cli/cli_app.h"
#include "fakes/cli_run.h"

namespace tabrix::cli {
namespace {

using testing::CliRun;
using testing::RunWith;
using testing::TextFile;
constexpr const char* kTri = testing::kTriProgram;

TEST(CliProgram, ProgramFilesDefineWhatTheTokensRun) {
    const TextFile tri("cli_tri.txt", kTri);
    const TextFile more("cli_more.txt", "def:twice gsb:tri 2 * end\n");
    CliRun run = RunWith({"--program", tri.path, "--value", "10", "run:tri"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "55\n");
    run = RunWith({"--program", more.path, "--program", tri.path, "--value", "4", "RUN:TWICE"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "20\n");  // a call across files, names without case
    EXPECT_EQ(RunWith({"--program", tri.path, "--value", "10", "gsb:tri", "1", "+"}).out, "56\n");
    // A script's def replaces a program of its name from where it stands.
    const TextFile script("cli_defs.txt", "5 run:tri\ndef:tri\n  2 *\nend\nrun:tri\n");
    run = RunWith({"--program", tri.path, "--script", script.path, "--value", "run:tri"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "60\n");  // 15 * 2 * 2
}

// Everything is checked first: one line on standard error, nothing on
// standard output, nothing run.
TEST(CliProgram, ProblemsAreRefusedBeforeAnythingRuns) {
    const TextFile noLabel("cli_nolabel.txt", "def:a\n  gto:nowhere\nend\n");
    const TextFile first("cli_first.txt", "def:A 1 end\n");
    const TextFile second("cli_second.txt", "\ndef:a 2 end\n");
    const TextFile open("cli_open.txt", "1 ENTER\ndef:f 1 +\n");
    const TextFile early("cli_early.txt", "run:f\ndef:f 1 + end\n");
    const TextFile loose("cli_loose.txt", "1 lbl:x\n");
    const struct {
        std::vector<std::string> args;
        std::string err;
    } rows[] = {
        {{"--program", noLabel.path, "1"}, noLabel.path + ":2: no label nowhere in a"},
        {{"run:nope"}, "no program nope is defined before this line"},
        {{"--program", first.path, "--program", second.path, "1"},
         second.path + ":2: a is defined twice (also at " + first.path + ":1)"},
        {{"--script", open.path}, open.path + ":2: the definition of f has no end"},
        {{"--script", early.path}, early.path + ":1: no program f is defined before this line"},
        {{"--script", loose.path}, loose.path + ":1: 'lbl:x' stands only in a program (def:NAME ... end)"},
        {{"--max-steps", "0", "1"}, "option '--max-steps' needs a whole number from 1 to 18446744073709551615, not '0'"},
    };
    for (const auto& row : rows) {
        const CliRun run = RunWith(row.args);
        EXPECT_EQ(run.status, 2) << row.err;
        EXPECT_EQ(run.out, "") << row.err;
        EXPECT_EQ(run.err, "tabrix-cli: " + row.err + "\n");
    }
}

// A run cut short ends the console: the reason on standard error, the state
// printed, no further token run, exit status 3.
TEST(CliProgram, ARunCutShortEndsTheRunWithStatusThree) {
    const TextFile programs("cli_spin.txt", "def:spin lbl:a 1 + gto:a end\ndef:deep gsb:deep end\n");
    const std::string limit = "tabrix-cli: spin stopped at step 2 (1): it reached the step limit of 9 steps.\n";
    CliRun run = RunWith({"--program", programs.path, "--max-steps", "9", "--value", "run:spin", "100", "+"});
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.out, "2\n");  // 100 + never ran
    EXPECT_EQ(run.err, limit);

    run = RunWith({"--program", programs.path, "--value", "7", "run:deep", "100", "+"});
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.out, "7\n");
    EXPECT_EQ(run.err, "tabrix-cli: deep stopped at step 1 (gsb:deep): more than 32 calls were open.\n");

    // On standard input the rest of the input is not read.
    run = RunWith({"--program", programs.path, "--max-steps", "9", "--value"}, "run:spin 100 +\n5\n");
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.out, "2\n");
    EXPECT_EQ(run.err, limit);
}

TEST(CliProgram, DefBlocksOnStandardInputAreDefinedAtTheirEnd) {
    CliRun run = RunWith({"--value"}, "def:f\n1 +\nend\n5 run:f\ndef:f 2 * end\nrun:f\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "6\n12\n");  // the second def replaced the first from there on

    // A program may call one defined after it; it runs once both are there.
    run = RunWith({"--value"}, "def:h gsb:later end\nrun:h\ndef:later 3 end\nrun:h\n");
    EXPECT_EQ(run.status, 5) << "refused while running";
    EXPECT_EQ(run.out, "0\n3\n");
    EXPECT_EQ(run.err, "tabrix-cli: run:h was refused: h calls later, which is not defined\n");

    // A program with a problem is not defined; the input goes on.
    run = RunWith({"--value"}, "def:g\n bogus end\nrun:g\n1\n");
    EXPECT_EQ(run.status, 2) << "a bad token comes first";
    EXPECT_EQ(run.out, "0\n1\n");
    EXPECT_EQ(run.err,
              "tabrix-cli: <stdin>:2: \u201Cbogus\u201D is no token\ntabrix-cli: run:g was refused: No program g is defined\n");
}

// The tape of a run carries the definitions it needs: it replays without
// the --program files.
TEST(CliProgram, TheTapeReplaysWithoutTheProgramFiles) {
    const TextFile programs("cli_taped.txt", std::string(kTri) + "def:f gsb:tri RAN stop 1 + end\n");
    const std::vector<std::string> tokens = {"--seed", "4", "--program", programs.path, "4", "run:f", "7", "cont",
                                             "sst:tri", "sst", "3", "cont", "copy-exact"};
    std::vector<std::string> args = {"--tape"};
    args.insert(args.end(), tokens.begin(), tokens.end());
    const CliRun taped = RunWith(args);
    ASSERT_EQ(taped.status, 0) << taped.err;
    const TextFile tape("cli_taped_tape.txt", taped.out);
    args = {"--value"};
    args.insert(args.end(), tokens.begin(), tokens.end());
    const CliRun original = RunWith(args);
    const CliRun replayed = RunWith({"--value", "--script", tape.path});
    EXPECT_EQ(replayed.status, 0) << replayed.err;
    EXPECT_EQ(replayed.out, original.out) << taped.out;
}

TEST(CliProgram, TraceWritesALineForEachStep) {
    const TextFile tri("cli_trace.txt", kTri);
    const CliRun run = RunWith({"--program", tri.path, "--trace", "3", "run:tri"});
    ASSERT_EQ(run.status, 0) << run.err;
    std::istringstream lines(run.out);
    std::vector<nlohmann::json> objects;
    for (std::string line; std::getline(lines, line);) objects.push_back(nlohmann::json::parse(line));
    // 3, then 5 steps, three turns of the loop (the last skips gto), 2 steps, then run:tri.
    ASSERT_EQ(objects.size(), 1u + 5 + 10 + 10 + 9 + 2 + 1);
    EXPECT_EQ(objects.front()["token"], "3");
    EXPECT_EQ(objects[1]["program"], "tri");
    EXPECT_EQ(objects[1]["step"], 1);
    EXPECT_EQ(objects[1]["token"], "STO");
    EXPECT_EQ(objects[15]["token"], "gto:loop");
    EXPECT_EQ(objects[16]["step"], 6);  // back at the label
    const nlohmann::json& last = objects[objects.size() - 2];
    EXPECT_EQ(last["step"], 17);
    EXPECT_EQ(last["state"]["m_dX"], 6);
    EXPECT_EQ(last["state"]["lcd"], " 6.000000 00");  // the main line as each step leaves it
    EXPECT_EQ(objects.back()["token"], "run:tri");
    EXPECT_FALSE(objects.back().contains("program"));
}

// The console's help names every token a program is written in.
TEST(CliProgram, HelpListsTheProgramTokens) {
    const CliRun help = RunWith({"--help"});
    ASSERT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--program"), std::string::npos);
    EXPECT_NE(help.out.find("--max-steps"), std::string::npos);
    const std::size_t tokens = help.out.find("Tokens (");
    ASSERT_NE(tokens, std::string::npos);
    for (const char* token : {"def:NAME", "run:NAME", "gsb:NAME", "lbl:", "gto:", "rtn", "x=0?", "x=y?", "dsz:", "isz:",
                              "stop", "cont", "sst", "pse", "clip:"}) {
        EXPECT_NE(help.out.find(token, tokens), std::string::npos) << token;
    }
}

}  // namespace
}  // namespace tabrix::cli
