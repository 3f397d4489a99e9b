// The statistics in the session: Σ+ and Paste Data as undo steps and tape
// lines that replay in the console (in another locale too), the reasons a
// function or a run gives when there is no answer, and the text Paste Data
// reads.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <sstream>

#include "cli/cli_app.h"
#include "cli/cli_session.h"
#include "document/calculator_session.h"
#include "document/notice.h"
#include "document/paste_data.h"
#include "document/program.h"
#include "document/state_file.h"
#include "document/token_reader.h"
#include "engine/number_text.h"
#include "fakes/document_fakes.h"
#include "fakes/token_session.h"

namespace tabrix {
namespace {

using Harness = testing::TokenSession;

CalculatorState Replayed(const std::string& script) { return testing::ReplayInConsole(script).state; }

TEST(StatisticsSession, TapesReplayToTheSameSums) {
    const struct {
        const char* name;
        char locale;
        std::vector<const char*> lines;
    } scenarios[] = {
        {"typed points", '.', {"4 ENTER 1 sum+ 6 ENTER 2 sum+ 9 ENTER 3 sum+", "lr", "sum-clear 5 ENTER 5 sum+"}},
        {"a mistaken point taken back", '.', {"1 ENTER 2 sum+ 7 ENTER 8 sum+ lastx sum- mean"}},
        {"pasted in a comma locale", ',',
         {"paste-data:\"x;y\\n1,5;2,234\\n1.234;7\\n\\nnone\\n-3;1e3\\n\"", "sdev", "undo", "redo", "corr"}},
        {"pasted columns", '.', {"paste-data:\"1000000.1\\n1000000.3\\n1000000.2\\n\"", "sums"}},
        {"in a program", '.', {"def:fit sum+ sum+ lr end", "1 ENTER 2 ENTER 3 ENTER 5 run:fit"}},
        {"errors on the way", '.', {"mean", "1 sum+ sdev", "sum- sum- 2 ENTER 3 yhat"}},
    };
    for (const auto& scenario : scenarios) {
        Harness h(scenario.locale);
        for (const char* line : scenario.lines) h.Do(line);
        EXPECT_FALSE(h.Doc().m_stats.Empty() && std::string(scenario.name) != "errors on the way") << scenario.name;
        const std::string script = h.session.Tape().Script();
        EXPECT_EQ(Replayed(script), WithoutHeldKey(h.Doc().State())) << scenario.name << "\ntape:\n" << script;
    }
}

TEST(StatisticsSession, EachSumAndEachPasteIsOneUndoStep) {
    Harness h;
    h.Do("3 ENTER 4 sum+");
    const CalculatorState one = h.Doc().State();
    h.Do("5 ENTER 6 sum+");
    EXPECT_EQ(h.Doc().m_stats.Count(), 2);
    h.Do("undo");  // the Σ+ (the 6 typed before it stays)
    EXPECT_EQ(h.Doc().m_stats, one.m_stats);
    EXPECT_EQ(h.Doc().m_dLastX, one.m_dLastX);
    h.Do("paste-data:\"1\\t2\\n3\\t4\\n5\\t6\\n\"");
    EXPECT_EQ(h.Doc().m_stats.Count(), 4);
    EXPECT_EQ(h.Doc().m_dX, 4);  // the count, as after Σ+
    EXPECT_EQ(h.Doc().m_dY, 6);  // the last y
    EXPECT_FALSE(h.Doc().m_bLift);
    h.Do("undo");
    EXPECT_EQ(h.Doc().m_stats, one.m_stats);
    h.Do("redo");
    EXPECT_EQ(h.Doc().m_stats.Count(), 4);
}

TEST(StatisticsSession, NoAnswerSaysWhyAndChangesOnlyTheMainLine) {
    Harness h;
    h.Do("7 ENTER 8");
    const CalculatorState before = h.Doc().State();
    h.Do("mean");
    EXPECT_TRUE(h.last.refused);
    EXPECT_EQ(NoticeText(h.last.notice), "No result from x̄. There are no points yet (Σ+ adds them).");
    EXPECT_EQ(h.Doc().m_strDisplay, kStatisticsErrorText);
    EXPECT_EQ(h.Doc().m_dX, 8);
    EXPECT_EQ(h.Doc().m_dY, before.m_dY);
    h.Do("2 +");  // the next key shows numbers again
    EXPECT_EQ(h.Doc().m_dX, 10);

    h.Do("def:spread sum+ sdev 1 + end");
    h.Do("run:spread");
    EXPECT_EQ(h.last.run.state, RunReport::State::Failed);
    EXPECT_EQ(NoticeText(h.last.notice),
              "spread stopped at step 2 (sdev). One point is not enough: it needs two at least.");
    EXPECT_EQ(h.Doc().m_strDisplay, kStatisticsErrorText);
}

TEST(StatisticsSession, StateFilesKeepTheSumsExactlyAndNoneWithoutPoints) {
    Harness h;
    h.Do("1e15 ENTER 3 sum+ -2 ENTER 1e-9 sum+");
    const std::vector<std::uint8_t> with = EncodeState(h.Doc().State());
    const auto decoded = DecodeState(with, h.Doc().State());
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->m_stats, h.Doc().m_stats);
    EXPECT_EQ(ReadSnapshotText(SnapshotText(h.Doc().State()))->m_stats, h.Doc().m_stats);
    const auto has = [](const std::vector<std::uint8_t>& bytes, std::string_view text) {
        return std::search(bytes.begin(), bytes.end(), text.begin(), text.end()) != bytes.end();
    };
    EXPECT_TRUE(has(with, "statistics"));
    // Every point taken back: no extension block, as before any (LAST X aside).
    h.Do("-2 ENTER 1e-9 sum- 1e15 ENTER 3 sum-");
    EXPECT_TRUE(h.Doc().m_stats.Empty());
    CalculatorState plain = h.Doc().State();
    plain.m_dLastX = 0;
    EXPECT_FALSE(has(EncodeState(plain), "TBX"));
    // A damaged statistics entry is refused with its name: the first sum's sign byte.
    std::vector<std::uint8_t> damaged = with;
    const std::string_view name = "statistics";
    const auto at = std::search(damaged.begin(), damaged.end(), name.begin(), name.end());
    *(at + static_cast<std::ptrdiff_t>(name.size() + 4 + 8)) = 7;
    std::string why;
    EXPECT_FALSE(DecodeState(damaged, h.Doc().State(), &why));
    EXPECT_NE(why.find("statistics"), std::string::npos) << why;
}

TEST(PasteDataTest, ReadsColumnsPairsAndSaysWhichLinesItSkipped) {
    using Why = DataReading::Skipped::Why;
    const struct {
        const char* text;
        char locale;
        std::vector<DataPoint> points;
        std::vector<std::pair<std::size_t, Why>> skipped;
    } rows[] = {
        {"1\n2\n3", '.', {{1, 0}, {2, 0}, {3, 0}}, {}},
        {"x\ty\r\n1\t2\r\n3\t4\r\n", '.', {{1, 2}, {3, 4}}, {{1, Why::NoNumber}}},
        {"10,20\n1,234,5\n1.5, 2.25\n$1,234.50,7", '.', {{10, 20}, {1234, 5}, {1.5, 2.25}, {1234.5, 7}}, {}},
        {"1,5;2\n1.234,5;1\n", ',', {{1.5, 2}, {1234.5, 1}}, {}},
        {"1,5\n", ',', {{1.5, 0}}, {}},
        {"1;2;3\n\n4;1e999\n5;1,2,3\n6;\n", '.', {{6, 0}},
         {{1, Why::TooManyNumbers}, {3, Why::OutOfRange}, {4, Why::NotANumber}}},
        {"−3\t(4)\n", '.', {{-3, -4}}, {}},
    };
    for (const auto& row : rows) {
        const DataReading reading = ReadData(row.text, row.locale);
        ASSERT_EQ(reading.points.size(), row.points.size()) << row.text;
        for (std::size_t i = 0; i < row.points.size(); ++i) {
            EXPECT_EQ(reading.points[i].x, row.points[i].x) << row.text << " point " << i;
            EXPECT_EQ(reading.points[i].y, row.points[i].y) << row.text << " point " << i;
        }
        ASSERT_EQ(reading.skipped.size(), row.skipped.size()) << row.text;
        for (std::size_t i = 0; i < row.skipped.size(); ++i) {
            EXPECT_EQ(reading.skipped[i].line, row.skipped[i].first) << row.text;
            EXPECT_EQ(reading.skipped[i].why, row.skipped[i].second) << row.text;
        }
    }
    const DataReading many = ReadData("a\nb\nc\nd\ne\n1\n", '.');
    EXPECT_EQ(NoticeText(DataSentences(many)),
              "Added 1 points. Line 1 skipped: “a” holds no number. Line 2 skipped: “b” holds no number. "
              "Line 3 skipped: “c” holds no number. 2 more lines skipped.");
}

// Plain numbers are read at once, beside Paste Number's reader: both must
// give the same, and the tape's text of the points must read back to them
// under either decimal separator.
TEST(PasteDataTest, PlainNumbersReadAsPasteNumberAndTheTapeTextReadsBackAnywhere) {
    std::mt19937_64 random(17);
    std::uniform_int_distribution<int> digits(0, 9);
    std::uniform_int_distribution<int> length(1, 6);
    std::vector<DataPoint> points;
    for (int i = 0; i < 3000; ++i) {
        std::string field = i % 3 == 0 ? "-" : "";
        for (int d = length(random); d > 0; --d) field += static_cast<char>('0' + digits(random));
        if (i % 2 == 0) {
            field += '.';
            for (int d = length(random) % 4 + 1; d > 0; --d) field += static_cast<char>('0' + digits(random));
        }
        if (i % 5 == 0) field += "e" + std::to_string(digits(random) * 31 - 150);
        for (const char locale : {'.', ','}) {
            const DataReading fast = ReadData(field, locale);
            const PastedNumber slow = ReadPastedNumber(field, locale);
            ASSERT_EQ(fast.points.size() == 1, slow.outcome == PastedNumber::Outcome::Read) << field << " " << locale;
            if (!fast.points.empty()) {
                EXPECT_TRUE(SameBits(fast.points[0].x, slow.value)) << field << " " << locale;
            }
        }
        const double x = std::ldexp(static_cast<double>(random() % 100000) - 50000, digits(random) * 20 - 100);
        points.push_back({x, ParseLeadingDouble(field)});
    }
    points.push_back({1.234, -0.001});
    for (const char locale : {'.', ','}) {
        const DataReading back = ReadData(DataText(points), locale);
        ASSERT_EQ(back.points.size(), points.size());
        for (std::size_t i = 0; i < points.size(); ++i) {
            EXPECT_TRUE(SameBits(back.points[i].x, points[i].x) && SameBits(back.points[i].y, points[i].y))
                << ExactText(points[i].x) << " " << ExactText(points[i].y) << " in locale " << locale;
        }
    }
}

}  // namespace
}  // namespace tabrix
