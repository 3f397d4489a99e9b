// Texts for people as sentences: filled in once, nested inside marked texts,
// and translated by their context and template alone, so that a value (a
// program's name, a pasted text) is never translated, whatever words it has.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "document/notice.h"
#include "document/tape_steps.h"

namespace tabrix {
namespace {

TEST(Sentences, ValuesGoInOnceAndStayAsTheyAre) {
    EXPECT_EQ(FillIn("%1 and %2 then %3", {"a", "%2", "c"}), "a and %2 then c");
    EXPECT_EQ(FillIn("%9%1", {"1", "2", "3", "4", "5", "6", "7", "8", "9"}), "91");
    EXPECT_EQ(FillIn("100% sure, %4", {"x"}), "100% sure, %4");
}

// The German of a few templates, for the lookups below.
std::string German(const std::string& context, const std::string& english) {
    static const std::map<std::pair<std::string, std::string>, std::string> table = {
        {{"Tape", "Run %1"}, "Ausführen %1"},
        {{"Tape", "Copy"}, "Kopieren"},
        {{"Programs", "%1 does not run: %2"}, "%1 läuft nicht: %2"},
        {{"Programs", "line %1: %2"}, "Zeile %1: %2"},
        {{"Programs", "no label %1 in %2"}, "keine Marke %1 in %2"},
    };
    const auto found = table.find({context, english});
    return found == table.end() ? english : found->second;
}

TEST(Sentences, MarkedTextsTranslateTemplatesNeverValues) {
    // A program named Copy keeps its name in "Run Copy".
    const std::string label = tape_steps::Run("Copy").label;
    EXPECT_EQ(EnglishText(label), "Run Copy");
    EXPECT_EQ(RenderText(label, German), "Ausführen Copy");
    // Keys' labels are literal; a command among them is a sentence.
    const std::string line = "9 f " + tape_steps::Copy().label + " \u2192DEG";
    EXPECT_EQ(RenderText(line, German), "9 f Kopieren \u2192DEG");
    // Sentences nest: each is translated where it stands.
    const std::string nested = Marked("Programs", "%1 does not run: %2",
                                      {"tri", Marked("Programs", "line %1: %2",
                                                     {"4", Marked("Programs", "no label %1 in %2", {"loop", "tri"})})});
    EXPECT_EQ(RenderText(nested, German), "tri läuft nicht: Zeile 4: keine Marke loop in tri");
    EXPECT_EQ(EnglishText(nested), "tri does not run: line 4: no label loop in tri");
    EXPECT_EQ(NoticeText({{"Programs", "%1 does not run: %2", {"tri", Marked("Programs", "line %1: %2", {"4", "x"})}}}),
              "tri does not run: line 4: x");
}

// A text damaged in storage (a kept tape edited by hand) still reads.
TEST(Sentences, DamagedMarksRenderWithoutLosingTheRest) {
    EXPECT_EQ(EnglishText("12 \x01Tape\x1FRun %1\x1Ex"), "12 Run x");
    EXPECT_EQ(EnglishText("\x01Tape"), "Tape");
    EXPECT_EQ(EnglishText("plain \x03 text"), "plain \x03 text");
    EXPECT_EQ(EnglishText(""), "");
}

}  // namespace
}  // namespace tabrix
