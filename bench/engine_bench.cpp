// Key execution, number formatting and the state file, without any window.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <unistd.h>
#include <string>
#include <vector>

#include "document/calculator_session.h"
#include "document/file_io.h"
#include "document/private_clipboard.h"
#include "document/statistics_report.h"
#include "document/state_file.h"
#include "document/tape.h"
#include "document/undo_history.h"
#include "engine/calculator_state.h"
#include "engine/key_codes.h"
#include "platform/random_source.h"

namespace {

using namespace tabrix;
namespace k = tabrix::keys;

// Presses a sequence of keys over and over; each iteration is one key, so the
// time per iteration is the cost of ExecuteKey with its display refresh.
void RunKeys(benchmark::State& state, const std::vector<std::uint32_t>& sequence, const char* angle = "DEG") {
    MersenneRandomSource random(1);
    CTabrixDoc doc(&random);
    doc.m_strAngle = angle;
    std::size_t i = 0;
    for (auto _ : state) {
        doc.PressKey(sequence[i]);
        if (++i == sequence.size()) i = 0;
        benchmark::DoNotOptimize(doc.m_strDisplay.data());
    }
    state.SetItemsProcessed(state.iterations());
}

// 12.5 EEX 3 CHS ENTER, then CLR: entry with point and exponent.
const std::vector<std::uint32_t> kEntry = {k::kOne, k::kTwo, k::kPoint, k::kFive, k::kEex, k::kThree,
                                           k::kChs, k::kEnter, k::kShift, k::kPlus};
// 3 ENTER 4 + 2 × 7 − 5 ÷: arithmetic with stack lift and drop.
const std::vector<std::uint32_t> kArithmetic = {k::kThree, k::kEnter, k::kFour, k::kPlus, k::kTwo, k::kMultiply,
                                                k::kSeven, k::kMinus, k::kFive, k::kDivide};
// 0.5 SIN COS TAN SIN-1 COS-1 TAN-1, HYP SIN, x!, ->P: scientific functions.
const std::vector<std::uint32_t> kScientific = {
    k::kZero, k::kPoint, k::kFive, k::kSin, k::kCos, k::kTan, k::kShift, k::kSin, k::kShift, k::kCos,
    k::kShift, k::kTan, k::kShift, k::kAbout, k::kSin, k::kShift, k::kMultiply, k::kShift, k::kOne};
// FIX 4, STO 3, RCL 3, ENG 2, SCI 6: prefix commands.
const std::vector<std::uint32_t> kPrefixes = {k::kShift, k::kSeven, k::kFour, k::kShift, k::kZero, k::kThree,
                                              k::kShift, k::kPoint, k::kThree, k::kShift, k::kNine, k::kTwo,
                                              k::kShift, k::kEight, k::kSix};

void BM_KeysEntry(benchmark::State& state) { RunKeys(state, kEntry); }
void BM_KeysArithmetic(benchmark::State& state) { RunKeys(state, kArithmetic); }
void BM_KeysScientificDeg(benchmark::State& state) { RunKeys(state, kScientific, "DEG"); }
void BM_KeysScientificRad(benchmark::State& state) { RunKeys(state, kScientific, "RAD"); }
void BM_KeysScientificGrd(benchmark::State& state) { RunKeys(state, kScientific, "GRD"); }
void BM_KeysPrefixes(benchmark::State& state) { RunKeys(state, kPrefixes); }
BENCHMARK(BM_KeysEntry);
BENCHMARK(BM_KeysArithmetic);
BENCHMARK(BM_KeysScientificDeg);
BENCHMARK(BM_KeysScientificRad);
BENCHMARK(BM_KeysScientificGrd);
BENCHMARK(BM_KeysPrefixes);

// Keyboard releases: 1 . 5 ENTER 2 + through the virtual-key mapping.
void BM_KeyboardReleases(benchmark::State& state) {
    const std::uint32_t codes[] = {0x31, 0xBE, 0x35, 0x0D, 0x62, 0x6B};
    CTabrixDoc doc;
    std::size_t i = 0;
    for (auto _ : state) {
        doc.OnHardwareKeyUp(codes[i]);
        i = (i + 1) % std::size(codes);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_KeyboardReleases);

// FormatNumber and UpdateDisplay in each format, across magnitudes.
const double kValues[] = {0, 1, -1, 123.456, 1e-5, 12345678901.0, -0.000123456, 9.99e99, 1e-99, 1e200};

void Format(benchmark::State& state, const char* format, int digits, bool refresh) {
    CTabrixDoc doc;
    doc.m_strFormat = format;
    doc.m_nDigits = digits;
    std::size_t i = 0;
    for (auto _ : state) {
        if (refresh) {
            doc.m_dX = kValues[i];
            doc.UpdateDisplay();
            benchmark::DoNotOptimize(doc.m_strDisplay.data());
        } else {
            benchmark::DoNotOptimize(doc.FormatNumber(kValues[i]));
        }
        i = (i + 1) % std::size(kValues);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK_CAPTURE(Format, FormatNumber_FIX2, "FIX", 2, false);
BENCHMARK_CAPTURE(Format, FormatNumber_SCI6, "SCI", 6, false);
BENCHMARK_CAPTURE(Format, FormatNumber_ENG3, "ENG", 3, false);
BENCHMARK_CAPTURE(Format, UpdateDisplay_FIX2, "FIX", 2, true);
BENCHMARK_CAPTURE(Format, UpdateDisplay_SCI6, "SCI", 6, true);
BENCHMARK_CAPTURE(Format, UpdateDisplay_ENG3, "ENG", 3, true);

// The state file: a state mid-entry with a prefix pending, to and from memory
// and a real file.
CalculatorState SampleState() {
    CTabrixDoc doc;
    for (std::uint32_t key : {k::kOne, k::kTwo, k::kPoint, k::kFive, k::kShift, k::kZero}) doc.PressKey(key);
    return doc.State();
}

void BM_StateEncode(benchmark::State& state) {
    const CalculatorState sample = SampleState();
    for (auto _ : state) benchmark::DoNotOptimize(EncodeState(sample));
}
void BM_StateDecode(benchmark::State& state) {
    const CalculatorState sample = SampleState();
    const auto bytes = EncodeState(sample);
    for (auto _ : state) benchmark::DoNotOptimize(DecodeState(bytes, sample));
}
void BM_StateSaveFile(benchmark::State& state) {
    const CalculatorState sample = SampleState();
    const std::string path = "/tmp/tabrix-bench-" + std::to_string(::getpid()) + ".rpn";
    for (auto _ : state) benchmark::DoNotOptimize(WriteFileBytes(path, EncodeState(sample)));
    std::remove(path.c_str());
}
void BM_StateLoadFile(benchmark::State& state) {
    const CalculatorState sample = SampleState();
    const std::string path = "/tmp/tabrix-bench-load-" + std::to_string(::getpid()) + ".rpn";
    WriteFileBytes(path, EncodeState(sample));
    for (auto _ : state) {
        const auto bytes = ReadStateBytes(path);
        benchmark::DoNotOptimize(DecodeState(*bytes, sample));
    }
    std::remove(path.c_str());
}
BENCHMARK(BM_StateEncode);
BENCHMARK(BM_StateDecode);
BENCHMARK(BM_StateSaveFile);
BENCHMARK(BM_StateLoadFile);

// One key recorded for undo (two snapshots and a comparison), and the memory
// a full history of 100 levels holds: the snapshots' own bytes plus the
// heap of their strings (none while they are short).
void BM_KeyWithUndo(benchmark::State& state) {
    CTabrixDoc doc;
    CUndoHistory history(doc, 100);
    std::size_t i = 0;
    for (auto _ : state) {
        history.Record([&] { doc.PressKey(kArithmetic[i]); });
        if (++i == kArithmetic.size()) i = 0;
    }
    std::size_t heap = 0;
    const CalculatorState s = doc.State();
    for (const std::string* text : {&s.m_strDisplay, &s.m_strMantissa, &s.m_strFraction, &s.m_strExponent,
                                    &s.m_strMantSign, &s.m_strExpSign, &s.m_strFormat, &s.m_strPrefix,
                                    &s.m_strAngle}) {
        if (text->capacity() > 15) heap += text->capacity() + 1;  // beyond the short-string buffer
    }
    state.counters["bytes_per_100_levels"] = static_cast<double>(100 * (sizeof(CalculatorState) + heap));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_KeyWithUndo);

// The tape: "3 +" over and over, one line for every two keys, until it holds
// a million lines. Each iteration is one line, its two keys executed; the
// keys alone are BM_KeysArithmetic. The memory a line takes is a counter.
void BM_TapeLine(benchmark::State& state) {
    CTabrixDoc doc;
    CTape tape(doc, nullptr);
    for (auto _ : state) {
        for (std::uint32_t key : {k::kThree, k::kPlus}) tape.RecordKey(key, [&] { doc.PressKey(key); });
        if (tape.Size() == 1'000'000) {
            state.PauseTiming();
            tape.Clear();
            state.ResumeTiming();
        }
    }
    for (int i = static_cast<int>(tape.Size()); i < 1'000'000; ++i) {
        for (std::uint32_t key : {k::kThree, k::kPlus}) tape.RecordKey(key, [&] { doc.PressKey(key); });
    }
    state.counters["bytes_per_line"] = static_cast<double>(tape.MemoryBytes()) / static_cast<double>(tape.Size());
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TapeLine);

// Saving a tape of a million lines: its text made and written safely.
void BM_TapeSaveMillionLines(benchmark::State& state) {
    CTabrixDoc doc;
    CTape tape(doc, nullptr);
    for (int i = 0; i < 1'000'000; ++i) {
        for (std::uint32_t key : {k::kThree, k::kPlus}) tape.RecordKey(key, [&] { doc.PressKey(key); });
    }
    const std::string path = "/tmp/tabrix-bench-tape-" + std::to_string(::getpid()) + ".txt";
    for (auto _ : state) {
        const std::string script = tape.Script();
        benchmark::DoNotOptimize(
            WriteFileText(path, script));
    }
    std::remove(path.c_str());
}
BENCHMARK(BM_TapeSaveMillionLines)->Unit(benchmark::kMillisecond)->Iterations(3);

// Σ+ of one point into exact sums that already hold many.
void BM_StatisticsAddPoint(benchmark::State& state) {
    Statistics stats;
    double x = 1e9;
    for (auto _ : state) {
        stats.Add(x, 0.5 * x, 1);
        x += 1e-3;
    }
    benchmark::DoNotOptimize(stats.Count());
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_StatisticsAddPoint);

// The Statistics panel's results, worked out from 10000 points at an offset.
void BM_StatisticsPanelResults(benchmark::State& state) {
    Statistics stats;
    for (int i = 0; i < 10000; ++i) stats.Add(1e9 + 1e-3 * i, 3 - 1e-4 * i * i, 1);
    for (auto _ : state) benchmark::DoNotOptimize(StatisticsRows(stats));
}
BENCHMARK(BM_StatisticsPanelResults)->Unit(benchmark::kMicrosecond);

// Paste Data of a million x,y lines, as a spreadsheet copies them: read,
// added, written on the tape, with undo.
void BM_PasteDataMillionLines(benchmark::State& state) {
    std::string text;
    for (int i = 0; i < 1'000'000; ++i) {
        text += std::to_string(1000000 + i % 997) + "." + std::to_string(i % 10) + "\t" + std::to_string(i % 31) +
                "\n";
    }
    for (auto _ : state) {
        PrivateClipboard clipboard;
        clipboard.SetText(text);
        CalculatorSession session(SessionServices{{nullptr, nullptr, nullptr, &clipboard}});
        const Outcome outcome = session.Perform(Action::Command(Action::Kind::PasteData));
        if (session.Doc().m_stats.Count() != 1'000'000) state.SkipWithError("the points were not all added");
        benchmark::DoNotOptimize(outcome.changed);
    }
}
BENCHMARK(BM_PasteDataMillionLines)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
