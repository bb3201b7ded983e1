// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include "automation/Json.h"
#include "automation/Script.h"

using qvt::automation::Action;
using qvt::automation::parseLine;

namespace {

Action parseAction(const std::string& line) {
    std::string error;
    auto a = parseLine(line, error);
    EXPECT_TRUE(a.has_value()) << line << ": " << error;
    return a.value_or(Action{});
}

std::string errorOf(const std::string& line) {
    std::string error;
    auto a = parseLine(line, error);
    EXPECT_FALSE(a.has_value()) << line;
    return error;
}

}  // namespace

TEST(ScriptParse, BlankAndCommentLinesAreIgnored) {
    for (const char* line : {"", "   ", "\t", "# a comment", "   # indented comment"})
        EXPECT_EQ(parseAction(line).verb, Action::Verb::None) << line;
}

TEST(ScriptParse, TextArgumentsKeepBlanksAndUnescapeQuotesAndBackslashes) {
    Action a = parseAction(R"(type 1134 "  +49 \"1\" C:\\x  ")");
    EXPECT_EQ(a.verb, Action::Verb::Type);
    EXPECT_EQ(a.id, 1134);
    EXPECT_EQ(a.text, R"(  +49 "1" C:\x  )");
}

TEST(ScriptParse, SelectByTextOrPosition) {
    Action byText = parseAction(R"(select 1131 "VEX 2.0")");
    EXPECT_FALSE(byText.byPosition);
    EXPECT_EQ(byText.text, "VEX 2.0");
    Action byPos = parseAction("select 1131 #3");
    EXPECT_TRUE(byPos.byPosition);
    EXPECT_EQ(byPos.position, 3);
}

TEST(ScriptParse, AnswersKeysAndFiles) {
    EXPECT_FALSE(parseAction("answer OK").cancel);
    EXPECT_TRUE(parseAction("answer Cancel").cancel);
    EXPECT_EQ(parseAction("key F1").text, "F1");
    EXPECT_TRUE(parseAction("choose-file cancel").cancel);
    Action file = parseAction(R"(choose-file "/tmp/a b.mp3")");
    EXPECT_FALSE(file.cancel);
    EXPECT_EQ(file.text, "/tmp/a b.mp3");
    // A file literally named "cancel" is still a file when quoted.
    EXPECT_FALSE(parseAction(R"(choose-file "cancel")").cancel);
    EXPECT_EQ(parseAction("dump").id, -1);
    EXPECT_EQ(parseAction("dump 1030").id, 1030);
    EXPECT_EQ(parseAction(R"(ip 1100 "")").text, "");
}

TEST(ScriptParse, MalformedLinesAreRejectedWithAReason) {
    EXPECT_NE(errorOf("frobnicate 1").find("unknown action"), std::string::npos);
    EXPECT_FALSE(errorOf(R"(type 1134 "unterminated)").empty());
    EXPECT_FALSE(errorOf("click").empty());
    EXPECT_FALSE(errorOf("click abc").empty());
    EXPECT_FALSE(errorOf("click -5").empty());
    EXPECT_FALSE(errorOf("type 1134 unquoted").empty());
    EXPECT_FALSE(errorOf("select 1131 #").empty());
    EXPECT_FALSE(errorOf("select 1131 #x").empty());
    EXPECT_FALSE(errorOf("answer Yes").empty());
    EXPECT_FALSE(errorOf("key Space").empty());
    EXPECT_FALSE(errorOf("close now").empty());
    EXPECT_FALSE(errorOf(R"(type 1 "a"b)").empty());
    EXPECT_FALSE(errorOf("click 99999999999999").empty());
}

TEST(Json, StringsAreEscaped) {
    using qvt::automation::jsonString;
    EXPECT_EQ(jsonString("a\"b\\c"), R"("a\"b\\c")");
    EXPECT_EQ(jsonString("line1\nline2"), R"("line1\nline2")");
    EXPECT_EQ(jsonString(std::string("\x01", 1)), R"("\u0001")");
    EXPECT_EQ(jsonString("Fahrenheit [\xE2\x84\x89]"), "\"Fahrenheit [\xE2\x84\x89]\"");
}

TEST(ScriptEcho, ControlCharactersAndBrokenBytesAreEscapedLongTextsCut) {
    using qvt::automation::echoText;
    const std::pair<std::string, std::string> cases[] = {
        {"click 1", "click 1"},
        {"type 1 \"\x1b[2J\a\"", "type 1 \"\\x1B[2J\\x07\""},
        {"caf\xC3\xA9 \xE2\x86\x92", "caf\xC3\xA9 \xE2\x86\x92"},  // whole UTF-8 characters stay
        {"c1 \xC2\x9B" "31m", "c1 \\xC2\\x9B31m"},                // a C1 control (CSI) does not
        {"latin1 \xE9t\xE9\x7F", "latin1 \\xE9t\\xE9\\x7F"},
        {"cut \xE2\x86", "cut \\xE2\\x86"},
    };
    for (const auto& [text, shown] : cases) EXPECT_EQ(echoText(text), shown) << text;
    const std::string line = "select 1 \"" + std::string(1000, 'x');
    const std::string shown = echoText(line);
    EXPECT_EQ(shown, line.substr(0, 200) + "...");
    // The cut never splits an escape or a character.
    EXPECT_EQ(echoText(std::string(199, 'a') + "\x01"), std::string(199, 'a') + "...");
    EXPECT_EQ(echoText(std::string(199, 'a') + "\xC3\xA9"), std::string(199, 'a') + "...");
}
