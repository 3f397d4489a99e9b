#include "cli/cli_app.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <random>
#include <sstream>

#include <nlohmann/json.hpp>

#include "cli/console_services.h"
#include "cli/state_printer.h"
#include "engine/function_catalogue.h"
#include "fakes/cli_run.h"

namespace tabrix::cli {
namespace {

using testing::CliRun;
using testing::RunWith;

nlohmann::json Json(const std::vector<std::string>& tokens) {
    std::vector<std::string> args = {"--json", "--seed", "1"};
    args.insert(args.end(), tokens.begin(), tokens.end());
    const CliRun run = RunWith(args);
    EXPECT_EQ(run.status, 0) << run.err;
    return nlohmann::json::parse(run.out);
}

// The ten menu labels of a calculator whose registers hold zero, in SCI 6.
std::string Labels(const std::string& word) {
    std::string labels;
    for (int n = 0; n < 10; ++n) labels += (n ? ",\"" : "\"") + word + " " + std::to_string(n) + ":  0.000000 00\"";
    return labels;
}

TEST(CliJson, DefaultStateHasEveryMemberInOrder) {
    const CliRun run = RunWith({"--json", "#0"});
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              std::string(R"({"m_nKey":0,"m_strDisplay":" 0000000 00","m_bDecimal":false,"m_bEntering":false,)"
              R"("m_bExponent":false,"m_bShift":false,"m_bLift":true,"m_bSpare":false,"m_strMantissa":"",)"
              R"("m_strFraction":"","m_strExponent":"","m_strMantSign":" ","m_strExpSign":" ","m_nPointPos":3,)"
              R"("m_dX":0,"m_dY":0,"m_dZ":0,"m_dT":0,"m_dReg":[0,0,0,0,0,0,0,0,0,0],"m_strFormat":"SCI",)"
              R"("m_nDigits":6,"m_strPrefix":"","m_strAngle":"DEG","m_dLastX":0,"m_stats":"","lcd":" 0.000000 00",)"
              R"("stack_lines":[" 0.000000 00"," 0.000000 00"," 0.000000 00"],"clipboard":null,)"
              R"("paste_enabled":false,"sto_labels":[)") + Labels("STO") + R"(],"rcl_labels":[)" + Labels("RCL") +
                  "]}\n");
    EXPECT_EQ(run.err, "");
}

// Worked examples of the console contract, field by field.
TEST(CliJson, WorkedExamples) {
    auto typing = Json({"12.5", "EEX", "3", "CHS"});
    EXPECT_EQ(typing["m_bEntering"], true);
    EXPECT_EQ(typing["m_strMantissa"], "12");
    EXPECT_EQ(typing["m_strExponent"], "03");
    EXPECT_EQ(typing["m_strExpSign"], "-");
    EXPECT_EQ(typing["m_strDisplay"], " 125    -03");
    EXPECT_EQ(typing["lcd"], " 12.5    -03");
    EXPECT_EQ(typing["m_dX"], 0);

    auto minus = Json({"3", "ENTER", "4", "-"});
    EXPECT_EQ(minus["m_dX"], -1);
    EXPECT_EQ(minus["lcd"], "-1.000000 00");

    auto fix = Json({"FIX", "2", "123.456", "ENTER"});
    EXPECT_EQ(fix["m_dY"], 123.456);
    EXPECT_EQ(fix["m_bLift"], false);
    EXPECT_EQ(fix["lcd"], " 123.46");
    EXPECT_EQ(fix["stack_lines"], nlohmann::json::parse(R"([" 123.46", " 0.00", " 0.00"])"));

    auto prefix = Json({"F", "7"});
    EXPECT_EQ(prefix["m_strPrefix"], "FIX");
    EXPECT_EQ(prefix["m_bShift"], false);

    EXPECT_EQ(Json({"ENG", "3", ".000123456", "CHS", "ENTER"})["lcd"], "-123.5   -06");
    EXPECT_EQ(Json({"2", "ENTER", "10", "POW"})["lcd"], " 1.024000 03");
}

TEST(CliJson, NumbersAreShortestRoundTripTextAndNonFiniteAreStrings) {
    const CliRun run = RunWith({"--json", "5", "FACT", "180", ">RAD", "1", "ENTER", "0", "/"});
    ASSERT_EQ(run.status, 4) << "it ends showing an error";
    // 1 / 0 is caught in X; the drop left the earlier results in Y and Z.
    EXPECT_NE(run.out.find(R"("m_dX":0,"m_dY":3.1415926535000005,"m_dZ":119.99999999999974,)"), std::string::npos)
        << run.out;

    // Y, Z, T and the registers are never checked, so they can hold anything.
    CTabrixDoc doc;
    doc.m_dY = std::numeric_limits<double>::quiet_NaN();
    doc.m_dZ = -std::numeric_limits<double>::infinity();
    doc.m_dT = std::numeric_limits<double>::infinity();
    doc.m_dReg[0] = -std::numeric_limits<double>::quiet_NaN();
    doc.m_dReg[1] = -0.0;
    PrivateClipboard clipboard;
    DocumentCommands commands(doc, DocumentServices{nullptr, nullptr, nullptr, &clipboard});
    const std::string text = StateToJson(doc, commands, clipboard);
    EXPECT_NE(text.find(R"("m_dReg":["nan",-0,0,)"), std::string::npos) << text;
    const auto json = nlohmann::json::parse(text);
    EXPECT_EQ(json["m_dY"], "nan");
    EXPECT_EQ(json["m_dZ"], "-inf");
    EXPECT_EQ(json["m_dT"], "inf");
    EXPECT_EQ(json["stack_lines"], nlohmann::json::parse(R"([" NaN", "-Inf", " Inf"])"));
}

TEST(CliJson, SeedRepeatsRandomNumbers) {
    EXPECT_EQ(Json({"RAN"})["m_dX"], Json({"RAN"})["m_dX"]);
    const double x = Json({"vk:0x46", "vk:0x0D"})["m_dX"];
    EXPECT_GE(x, 0.0);
    EXPECT_LE(x, 1.0);
}

TEST(CliText, PictureShowsStackModeAndIndicators) {
    const CliRun run = RunWith({"FIX", "2", "1", "ENTER", "2", "HYP", "F"});
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "T   0.00\n"
              "Z   0.00\n"
              "Y   1.00\n"
              "    2\n"
              "   FIX.2  DEG  f  HYP\n");
}

TEST(CliErrors, BadTokenOrOptionIsOneLineAndNoOutput) {
    const struct {
        std::vector<std::string> args;
        std::string named;
    } rows[] = {
        {{"1", "bogus", "+"}, "bogus"},     {{"--frobnicate"}, "--frobnicate"},
        {{"--seed"}, "--seed"},             {{"--seed", "-1"}, "-1"},
        {{"--seed", "12x"}, "12x"},         {{"--load"}, "--load"},
        {{"1", "--save"}, "--save"},        {{"sto:12"}, "sto:12"},
        {{"rcl:-1"}, "rcl:-1"},
        {{"--load", "/nonexistent/a.rpn", "1"}, "tabrix-cli: File Error: /nonexistent/a.rpn: No such file or directory"},
        {{"--save", "/nonexistent/a.rpn", "1"}, "tabrix-cli: File Error: /nonexistent/a.rpn: No such file or directory"},
        {{"--load", "/dev/null"}, "tabrix-cli: File Error: /dev/null: not a regular file"},
    };
    for (const auto& row : rows) {
        const CliRun run = RunWith(row.args);
        EXPECT_EQ(run.status, 2) << row.named;
        EXPECT_EQ(run.out, "") << row.named;
        EXPECT_NE(run.err.find(row.named), std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
}

// A calculator left showing an error, and a token refused while running,
// are told on standard error and have exit statuses of their own; the state
// is still printed.
TEST(CliErrors, AnErrorShownAndARefusalAreToldWithTheirOwnStatus) {
    const struct {
        std::vector<std::string> args;
        std::string input;
        int status;
        std::string err;
    } rows[] = {
        {{"--value", "1", "ENTER", "0", "/"}, "", 4, "tabrix-cli: the calculator shows ERROR: Inf after \"/\"\n"},
        {{"-1", "SQRT"}, "", 4, "tabrix-cli: the calculator shows ERROR: NaN after \"SQRT\"\n"},
        {{"--value", "-1", "SQRT", "4"}, "", 0, ""},  // the end is what is printed, and it is no error
        {{"--trace", "-1", "SQRT", "4"}, "", 4, "tabrix-cli: the calculator shows ERROR: NaN after \"SQRT\"\n"},
        {{"--json"}, "1 ENTER 0 /\n5\n", 4, "tabrix-cli: the calculator shows ERROR: Inf after \"1 ENTER 0 /\"\n"},
        {{"--value"}, "1e99 ENTER *\nF\n", 4, "tabrix-cli: the calculator shows ERROR: OVR after \"1e99 ENTER *\"\n"},
        {{"--ignore-errors", "--value", "1", "ENTER", "0", "/"}, "", 0, ""},
        {{"--value", "cont", "5"}, "", 5, "tabrix-cli: cont was refused: No program is stopped\n"},
        {{"--value"}, "sst\n1 ENTER 0 /\n", 5,
         "tabrix-cli: sst was refused: No program is stopped\n"
         "tabrix-cli: the calculator shows ERROR: Inf after \"1 ENTER 0 /\"\n"},
        {{"--value"}, "bogus\ncont\n", 2, "tabrix-cli: bad token 'bogus'\ntabrix-cli: cont was refused: No program is stopped\n"},
    };
    for (const auto& row : rows) {
        const CliRun run = RunWith(row.args, row.input);
        EXPECT_EQ(run.status, row.status) << row.args.back() << " " << row.input;
        EXPECT_EQ(run.err, row.err);
        EXPECT_FALSE(run.out.empty()) << "the state is printed";
    }
}

TEST(CliStdin, PrintsAfterEachLineWithTokensAndGoesOnAfterABadToken) {
    const CliRun run = RunWith({"--json"}, "3 ENTER 4\n\n# a comment only\n+ oops 5 6\n2 * # double it\n");
    EXPECT_EQ(run.status, 2);  // a bad token was met
    std::istringstream lines(run.out);
    std::vector<nlohmann::json> states;
    for (std::string line; std::getline(lines, line);) states.push_back(nlohmann::json::parse(line));
    ASSERT_EQ(states.size(), 3u);
    EXPECT_EQ(states[0]["lcd"], " 4");
    EXPECT_EQ(states[1]["m_dX"], 7);  // "oops" stopped the line: 5 6 never typed
    EXPECT_EQ(states[2]["m_dX"], 14);
    EXPECT_NE(run.err.find("'oops'"), std::string::npos);
}

TEST(CliStdin, InputWithoutTokensPrintsTheStartStateOnce) {
    const CliRun run = RunWith({"--json"}, "\n# nothing\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1);
    EXPECT_EQ(nlohmann::json::parse(run.out)["lcd"], " 0.000000 00");
}

TEST(CliDocument, ClipboardAndRegisterCommands) {
    auto json = Json({"1", "ENTER", "3", "/", "copy", "5", "cut", "sto:3", "paste", "FIX", "2"});
    EXPECT_EQ(json["clipboard"], "5.000000e+00");
    EXPECT_EQ(json["paste_enabled"], true);
    EXPECT_EQ(json["m_dX"], 5);          // cut cleared X, paste brought 5 back
    EXPECT_EQ(json["m_dY"], 1.0 / 3);    // the 5 typed before cut was pushed over 1/3
    EXPECT_EQ(json["m_dReg"][3], 0);     // stored while X was 0
    EXPECT_EQ(json["sto_labels"][3], "STO 3:  0.00");
    EXPECT_EQ(json["rcl_labels"][0], "RCL 0:  0.00");

    auto fresh = Json({"#0"});
    EXPECT_TRUE(fresh["clipboard"].is_null());
    EXPECT_EQ(fresh["paste_enabled"], false);
    EXPECT_EQ(fresh["sto_labels"].size(), 10u);

    EXPECT_EQ(Json({"paste:  12.5e1xyz"})["m_dX"], 125);
    EXPECT_EQ(Json({"paste:"})["m_dX"], 0);
    auto recalled = Json({"7", "sto:9", "CLX", "rcl:9"});
    EXPECT_EQ(recalled["m_dX"], 7);
    EXPECT_EQ(recalled["m_dY"], 0);  // recall lifts the cleared X
}

TEST(CliDocument, PasteWithoutTextShowsTheMessageAndChangesNothing) {
    const CliRun run = RunWith({"--json", "4", "paste"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "There is no text data (ANSI) on the Clipboard.\n");
    EXPECT_EQ(nlohmann::json::parse(run.out)["lcd"], " 4");
}

TEST(CliDocument, SaveThenLoadContinuesTheRun) {
    const std::string path = ::testing::TempDir() + "cli_state_test.rpn";
    const CliRun saved = RunWith({"--save", path, "--json", "5", "ENTER", "1.2", "F", "0"});
    ASSERT_EQ(saved.status, 0) << saved.err;
    // Saved while 1.2 was typed with STO pending and lift disabled by ENTER: the
    // loaded run stores 1.2 into register 4, and 1.25 then replaces X.
    auto json = Json({"--load", path, "4", "1.25", "+"});
    EXPECT_EQ(json["m_dReg"][4], 1.2);
    EXPECT_EQ(json["m_dX"], 6.25);
    std::remove(path.c_str());
}

TEST(CliUndo, UndoAndRedoTakeBackKeysAndCommands) {
    EXPECT_EQ(Json({"12", "ENTER", "3", "+", "undo"})["lcd"], " 3");
    EXPECT_EQ(Json({"12", "ENTER", "3", "+", "undo", "redo"})["m_dX"], 15);
    EXPECT_EQ(Json({"5", "sto:2", "undo"})["m_dReg"][2], 0);
    EXPECT_EQ(Json({"4", "paste:9", "undo"})["lcd"], " 4");
    EXPECT_EQ(Json({"undo", "redo", "7"})["lcd"], " 7");     // nothing to take back: no change
    EXPECT_EQ(Json({"1", "2", "undo", "3", "redo"})["lcd"], " 13");  // a new key drops the redo
    EXPECT_EQ(Json({"SIN", "undo"})["m_bShift"], false);   // one key, one change
    // A shift or a prefix and the key that completes it are one step.
    EXPECT_EQ(Json({"LN", "undo"})["m_bShift"], false);
    const nlohmann::json clx = Json({"5", "ENTER", "#25", "#29", "undo"});  // F ←: CLX
    EXPECT_EQ(clx["m_dX"], 5);
    EXPECT_EQ(clx["m_bShift"], false);
    const nlohmann::json sto = Json({"5", "STO", "3", "undo", "7"});
    EXPECT_EQ(sto["m_dReg"][3], 0);
    EXPECT_EQ(sto["m_strPrefix"], "") << "the 7 starts no FIX";
    EXPECT_EQ(Json({"5", "STO", "3", "undo", "redo"})["m_dReg"][3], 5);
    EXPECT_EQ(Json({"#25", "copy", "#29", "undo"})["m_bShift"], false) << "a command that changes nothing keeps them one";
    EXPECT_EQ(Json({"#25", "paste:2", "#29", "undo"})["m_bShift"], true) << "one that changes X parts them";
}

// A script: lines of tokens with comments, run before the command line's
// tokens, checked whole before anything runs.
TEST(CliScript, RunsAFileOfTokensThenTheCommandLine) {
    const std::string path = ::testing::TempDir() + "cli_script_test.txt";
    std::ofstream(path) << "12 ENTER   # twelve\r\n3 +\n\n# a comment line\n2 *";
    auto json = Json({"--script", path, "4", "-"});
    EXPECT_EQ(json["m_dX"], 26);
    std::ofstream(path) << "1 ENTER 2 + undo";  // an undo in a script takes back its key
    EXPECT_EQ(Json({"--script", path})["lcd"], " 2");

    std::ofstream(path) << "1 ENTER\n2 nonsense +\n";
    CliRun run = RunWith({"--script", path});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "tabrix-cli: " + path + ":2: bad token 'nonsense'\n");
    run = RunWith({"--script", path + ".missing"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("cannot read script"), std::string::npos);
    std::remove(path.c_str());
}

TEST(CliNumbers, ValueOptionCopyExactAndNumberTokens) {
    EXPECT_EQ(RunWith({"--value", "2", "ENTER", "3", "POW"}).out, "8\n");
    EXPECT_EQ(RunWith({"--value", "1", "ENTER", "3", "/"}).out, "0.3333333333333333\n");
    EXPECT_EQ(RunWith({"--value", "-5", "ENTER", "1.5e3", "+"}).out, "1495\n");
    EXPECT_EQ(RunWith({"--value", "2e-3"}).out, "0.002\n");  // the number being typed
    EXPECT_EQ(RunWith({"--value", "1e105"}).out, "1e+05\n");  // the exponent keeps two digits, as the keys do
    auto json = Json({"3.14159", "copy-exact", "ENTER"});
    EXPECT_EQ(json["clipboard"], "3.14159");
    EXPECT_EQ(json["m_dY"], 3.14159);
}

TEST(CliNumbers, PasteNumberReadsAsPeopleWriteAndRefusesOnOneLine) {
    EXPECT_EQ(RunWith({"--value", "paste-number:Total: $1,234.50"}).out, "1234.5\n");
    EXPECT_EQ(RunWith({"--value", "paste-number:1,234"}).out, "1234\n");  // the C locale: "." is decimal
    // A sign before a currency, an accounting negative, a trailing minus.
    for (const char* negative : {"paste-number:-$1,234.50", "paste-number:($1,234.50)", "paste-number:1234.5-"}) {
        EXPECT_EQ(RunWith({"--value", negative}).out, "-1234.5\n") << negative;
    }
    CliRun run = RunWith({"--value", "7", "paste-number:3 apples and 4 pears"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "7\n");
    EXPECT_EQ(run.err, "tabrix-cli: Nothing pasted: \u201C3\u201D and \u201C4\u201D are two numbers\n");
    run = RunWith({"--locale", "de_DE.UTF-8", "--value", "paste-number:1,234"});  // tools/dev.sh makes it
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "1.234\n");
    run = RunWith({"--locale", "no_SUCH.locale", "1"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
}

// A run's tape replays, through --script, to the same state, bit for bit.
TEST(CliTape, TheTapeOfARunReplaysToTheSameState) {
    const std::vector<std::string> tokens = {
        "12", "ENTER", "3", "+", "SIN", "LN", "FIX", "2", "STO", "3", "HYP", "SIN", "5", "CHS", "ENTER", "RAN",
        "paste:\"1 234 # \\\"x\\\"\"", "paste-number:1.234,50", "sto:4", "undo", "redo", "1", "vk:0x1B", "7", "EEX", "2"};
    std::vector<std::string> args = {"--seed", "5", "--tape"};
    args.insert(args.end(), tokens.begin(), tokens.end());
    const CliRun taped = RunWith(args);
    ASSERT_EQ(taped.status, 0) << taped.err;
    EXPECT_NE(taped.out.find("12 ENTER    #  1.200000 01\n3 +         #  1.500000 01\n"), std::string::npos)
        << taped.out;
    EXPECT_NE(taped.out.find("\ndraw:"), std::string::npos) << taped.out;

    const std::string path = ::testing::TempDir() + "cli_tape_test.txt";
    std::ofstream(path) << taped.out;
    auto original = Json(tokens);
    auto replayed = Json({"--script", path});
    original.erase("clipboard");  // the console's own clipboard is not calculator state
    replayed.erase("clipboard");
    EXPECT_EQ(replayed.dump(), original.dump());
    EXPECT_EQ(RunWith({"--tape", "--script", path}).out, taped.out);  // and its tape is the same tape
    std::remove(path.c_str());
}

// Random programs: keys, commands, pastes of odd text, RAN#; each run's tape
// replays to the same state.
TEST(CliTape, RandomProgramsReplayFromTheirTapes) {
    const std::vector<std::string> words = {
        "1", "2.5", "-3", "1e5", "ENTER", "+", "-", "*", "/", "CHS", "EEX", "F", "BS", "SWAP", "SIN", "ASIN", "HYP",
        "FIX", "SCI", "ENG", "STO", "RCL", "RAN", "CLX", "CLR", "PI", "#0", "#26", "vk:0x1B", "vk:0x2E", "vk:0x46",
        "copy", "cut", "paste", "copy-exact", "undo", "redo", "reset", "sto:2", "rcl:2", "paste:\"a \\\"b\\\" # 4\"",
        "paste:\"\u00FC 5,5\"", "paste-number:1.234,5", "paste-number:none", "paste:", "draw:77"};
    const std::string path = ::testing::TempDir() + "cli_random_tape.txt";
    for (unsigned seed = 1; seed <= 10; ++seed) {
        SCOPED_TRACE(seed);
        std::mt19937 random(seed);
        std::vector<std::string> program = {"--seed", std::to_string(seed)};
        for (int i = 0; i < 120; ++i) program.push_back(words[random() % words.size()]);
        program.insert(program.begin(), "--tape");
        const CliRun tape = RunWith(program);
        ASSERT_EQ(tape.status, 0) << tape.err;
        std::ofstream(path) << tape.out;
        program.front() = "--json";
        auto original = nlohmann::json::parse(RunWith(program).out);
        auto replayed = Json({"--script", path});
        original.erase("clipboard");
        replayed.erase("clipboard");
        ASSERT_EQ(replayed.dump(), original.dump()) << tape.out;
    }
    std::remove(path.c_str());
}

// Runs whose tapes once replayed to another state: an F after an undo that
// brought the shift back, an undo with nothing to undo, a paste of nothing.
TEST(CliTape, TapesAroundUndoReplay) {
    const std::string path = ::testing::TempDir() + "cli_undo_tape.txt";
    for (const std::vector<std::string>& tokens : std::vector<std::vector<std::string>>{
             {"paste:", "SQ", "SWAP", "undo", "CLR"},
             {"undo", "5", "ENTER", "undo", "undo", "undo", "redo", "+"},
             {"F", "F", "undo", "7"},
             {"vk:0x2E", "F", "F", "undo", "redo"}}) {
        std::vector<std::string> args = {"--tape"};
        args.insert(args.end(), tokens.begin(), tokens.end());
        std::ofstream(path) << RunWith(args).out;
        auto original = Json(tokens);
        auto replayed = Json({"--script", path});
        original.erase("clipboard");
        replayed.erase("clipboard");
        EXPECT_EQ(replayed.dump(), original.dump()) << tokens.front();
    }
    std::remove(path.c_str());
}

TEST(CliTape, TraceIsOneJsonObjectPerToken) {
    const CliRun run = RunWith({"--trace", "2", "ENTER", "3", "+"});
    ASSERT_EQ(run.status, 0);
    std::istringstream lines(run.out);
    std::vector<nlohmann::json> objects;
    for (std::string line; std::getline(lines, line);) objects.push_back(nlohmann::json::parse(line));
    ASSERT_EQ(objects.size(), 4u);
    EXPECT_EQ(objects[1]["token"], "ENTER");
    EXPECT_EQ(objects[3]["state"]["m_dX"], 5);
}

TEST(CliTape, LoadAndResetTokens) {
    const std::string path = ::testing::TempDir() + "cli load test.rpn";
    ASSERT_EQ(RunWith({"--save", path, "42"}).status, 0);
    EXPECT_EQ(Json({"7", "load:\"" + path + "\""})["lcd"], " 42");
    EXPECT_EQ(Json({"7", "ENTER", "reset"})["m_dY"], 0);
    const CliRun missing = RunWith({"--value", "load:/nonexistent.rpn", "5"});
    EXPECT_EQ(missing.status, 2);  // reported, and the run goes on
    EXPECT_EQ(missing.out, "5\n");
    std::remove(path.c_str());
}

TEST(CliInfo, HelpAndVersion) {
    const CliRun help = RunWith({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("usage: tabrix-cli"), std::string::npos);
    EXPECT_NE(help.out.find(">DEG"), std::string::npos);
    EXPECT_NE(help.out.find("  sto+:N              add x to a register"), std::string::npos);
    const CliRun version = RunWith({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("tabrix-cli ", 0), 0u);
}

// --functions: the catalogue, one JSON object a line, each with the key
// that gives it where one does.
TEST(CliInfo, FunctionsListTheCatalogue) {
    const CliRun run = RunWith({"--functions"});
    ASSERT_EQ(run.status, 0) << run.err;
    std::map<std::string, nlohmann::json> byToken;
    std::istringstream lines(run.out);
    for (std::string line; std::getline(lines, line);) {
        const nlohmann::json json = nlohmann::json::parse(line);
        for (const char* field : {"token", "label", "family", "description", "key"}) {
            EXPECT_TRUE(json.contains(field)) << field << " in " << line;
        }
        byToken[json["token"]] = json;
    }
    EXPECT_EQ(byToken.size(), static_cast<std::size_t>(FunctionId::Count) - 1);
    EXPECT_EQ(byToken["ASIN"]["key"], (nlohmann::json{{"code", 3}, {"shifted", true}}));
    EXPECT_EQ(byToken["ASIN"]["family"], "Trigonometry");
    EXPECT_EQ(byToken["sto+:N"]["key"], nullptr);
    EXPECT_EQ(byToken["sto+:N"]["argument"], "register");
    EXPECT_EQ(byToken["lastx"]["description"], "the x before the last operation");
}

// Functions beyond the keys as tokens and as program steps.
TEST(CliFunctions, WorkAsTokensAndInPrograms) {
    EXPECT_EQ(RunWith({"--value", "-7.5", "abs", "int"}).out, "7\n");
    EXPECT_EQ(RunWith({"--value", "7", "ENTER", "3", "CHS", "mod"}).out, "-2\n");
    EXPECT_EQ(RunWith({"--value", "52", "ENTER", "5", "ncr"}).out, "2598960\n");
    EXPECT_EQ(RunWith({"--value", "2", "sto:4", "5", "sto*:4", "rcl:4"}).out, "10\n");
    EXPECT_EQ(RunWith({"--value", "9", "SQRT", "lastx", "+"}).out, "12\n");
    EXPECT_EQ(RunWith({"--value"}, "def:f abs 2 mod end\n-7 run:f\n").out, "1\n");
    const CliRun bad = RunWith({"--value", "sto+:x"});
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(bad.err, "tabrix-cli: bad token 'sto+:x'\n");
}

}  // namespace
}  // namespace tabrix::cli
