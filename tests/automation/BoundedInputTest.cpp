// SPDX-License-Identifier: Apache-2.0
// Script lines are read within a bound; JSON text is valid UTF-8 whatever bytes it is given.
#include <gtest/gtest.h>

#include <sstream>

#include "automation/Json.h"
#include "automation/Script.h"

using namespace qvt::automation;

struct JsonCase {
    const char* name;
    std::string text;
    std::string json;
};

class JsonText : public ::testing::TestWithParam<JsonCase> {};

TEST_P(JsonText, InvalidUtf8BytesAreWrittenAsLatin1) {
    EXPECT_EQ(jsonString(GetParam().text), GetParam().json);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, JsonText,
    ::testing::Values(JsonCase{"Ascii", "a\"b\\c\n\x01", "\"a\\\"b\\\\c\\n\\u0001\""},
                      JsonCase{"Utf8Kept", "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80", "\"caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80\""},
                      JsonCase{"Latin1Byte", "caf\xE9", "\"caf\xC3\xA9\""},
                      JsonCase{"EveryHighByteAlone", "\x80\xBF\xC0\xFF", "\"\xC2\x80\xC2\xBF\xC3\x80\xC3\xBF\""},
                      JsonCase{"CutShortSequence", "\xE2\x82", "\"\xC3\xA2\xC2\x82\""},
                      JsonCase{"Overlong", "\xC0\xAF", "\"\xC3\x80\xC2\xAF\""},
                      JsonCase{"OverlongThreeBytes", "\xE0\x80\xAF", "\"\xC3\xA0\xC2\x80\xC2\xAF\""},
                      JsonCase{"Surrogate", "\xED\xA0\x80", "\"\xC3\xAD\xC2\xA0\xC2\x80\""},
                      JsonCase{"AboveUnicode", "\xF4\x90\x80\x80", "\"\xC3\xB4\xC2\x90\xC2\x80\xC2\x80\""},
                      JsonCase{"Latin1BeforeUtf8", "\xE9\xC3\xA9", "\"\xC3\xA9\xC3\xA9\""}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(ScriptLines, AreReadWithinTheBound) {
    struct Case {
        std::string input;
        std::size_t limit;
        std::vector<std::pair<LineRead, std::string>> reads;
    };
    using enum LineRead;
    const Case cases[] = {
        {"", 4, {{End, ""}}},
        {"ab\ncd", 4, {{Line, "ab"}, {Line, "cd"}, {End, ""}}},
        {"\n\n", 4, {{Line, ""}, {Line, ""}, {End, ""}}},
        {"abcd\nx\n", 4, {{Line, "abcd"}, {Line, "x"}, {End, ""}}},
        {"abcd", 4, {{Line, "abcd"}, {End, ""}}},
        {"abcde\nx\n", 4, {{TooLong, "abcd"}}},
        {"  a \r\n", 8, {{Line, "  a \r"}, {End, ""}}},
    };
    for (const Case& c : cases) {
        std::istringstream in(c.input);
        for (const auto& [kind, text] : c.reads) {
            std::string line = "stale";
            EXPECT_EQ(readScriptLine(in, line, c.limit), kind) << c.input;
            EXPECT_EQ(line, text) << c.input;
        }
    }
}

TEST(ScriptLines, AnOverlongLineStopsReadingAtTheBound) {
    std::istringstream in("x" + std::string(100, 'y') + "\nnext\n");
    std::string line;
    EXPECT_EQ(readScriptLine(in, line, 10), LineRead::TooLong);
    EXPECT_EQ(line.size(), 10u);
    EXPECT_EQ(static_cast<std::size_t>(in.tellg()), 11u) << "no more than the bound and one byte were read";
}
