// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <string>
#include <vector>

#include "settings/KeyTable.h"
#include "settings/ProfileFile.h"
#include "support/TestSupport.h"

namespace qvt::settings {
namespace {

constexpr const char* kDefault = "<default>";

// ---- Reading --------------------------------------------------------------------------------

struct ReadCase {
    const char* name;
    std::string file;
    std::string section;
    std::string key;
    std::string expected;  // kDefault when the key must not be found
};

void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.name;
}

class ProfileRead : public testing::TestWithParam<ReadCase> {};

TEST_P(ProfileRead, ReadsAsThePlatformDoes) {
    const auto& c = GetParam();
    const auto file = ProfileFile::fromBytes(c.file);
    EXPECT_EQ(file.get(c.section, c.key, kDefault), c.expected);
    EXPECT_EQ(file.contains(c.section, c.key), c.expected != kDefault);
}

const ReadCase kReadCases[] = {
    // Letter case of names.
    {"CaseInsensitiveNames", "[S]\r\nKey=v\r\n", "s", "KEY", "v"},
    {"CaseKeptInValue", "[S]\r\nk=MiXeD\r\n", "S", "k", "MiXeD"},
    // Blanks.
    {"BlanksEverywhere", " [ S ] \r\n  k  =  v  \r\n", "S", "k", "v"},
    {"TabsAreBlanks", "\t[\tS\t]\t\r\n\tk\t=\tv\t\r\n", "S", "k", "v"},
    {"ArgumentsTrimmed", "[S]\r\nk=v\r\n", "  S ", " k  ", "v"},
    {"InnerBlanksOfNamesKept", "[Camera Setting]\r\nPIR Interval=3\r\n", "camera setting", "pir interval", "3"},
    // Section headers.
    {"TextAfterHeaderIgnored", "[S] trailing ] text\r\nk=v\r\n", "S", "k", "v"},
    {"KeyOnHeaderLineIsNoKey", "[s]k=v\r\n", "s", "k", kDefault},
    {"HeaderWithoutBracketOpensSection", "[s\r\nk=v\r\n", "s", "k", "v"},
    {"EmptySectionName", "[]\r\nk=v\r\n", "", "k", "v"},
    {"LinesBeforeFirstSectionUnreadable", "k=v\r\n[S]\r\n", "", "k", kDefault},
    {"LinesBeforeFirstSectionNotInFirst", "k=v\r\n[S]\r\n", "S", "k", kDefault},
    {"KeyOfOtherSectionNotFound", "[A]\r\nk=1\r\n[B]\r\nj=2\r\n", "A", "j", kDefault},
    // Quotes.
    {"DoubleQuotesRemovedInnerBlanksKept", "[S]\r\nk=  \"  v  \"  \r\n", "S", "k", "  v  "},
    {"OnlyOnePairRemoved", "[S]\r\nk='\"v\"'\r\n", "S", "k", "\"v\""},
    {"UnmatchedQuotesKept", "[S]\r\nk=\"v'\r\n", "S", "k", "\"v'"},
    {"LoneQuoteKept", "[S]\r\nk=\"\r\n", "S", "k", "\""},
    {"EmptyQuotedValue", "[S]\r\nk=\"\"\r\n", "S", "k", ""},
    {"QuotesInSectionNameKept", "[\"S\"]\r\nk=v\r\n", "S", "k", kDefault},
    {"QuotedSectionNameMatchesLiterally", "[\"S\"]\r\nk=v\r\n", "\"S\"", "k", "v"},
    {"QuotesInKeyNameKept", "[S]\r\n'k'=v\r\n", "S", "k", kDefault},
    // Comments.
    {"CommentLineIsNoKey", "[S]\r\n;k=v\r\n", "S", "k", kDefault},
    {"IndentedCommentIsNoKey", "[S]\r\n \t;k=v\r\n", "S", "k", kDefault},
    {"SemicolonInsideValueIsData", "[S]\r\nk=v ;x\r\n", "S", "k", "v ;x"},
    {"HashIsNotAComment", "[S]\r\n#k=v\r\n", "S", "#k", "v"},
    {"CommentedSectionIsNoSection", ";[S]\r\nk=v\r\n", "S", "k", kDefault},
    // Lines without '='.
    {"LineWithoutEqualsIsNoKey", "[S]\r\nk\r\n", "S", "k", kDefault},
    {"FirstEqualsSplits", "[S]\r\nk==v=w\r\n", "S", "k", "=v=w"},
    {"EmptyValue", "[S]\r\nk=\r\n", "S", "k", ""},
    {"BlankValue", "[S]\r\nk=   \r\n", "S", "k", ""},
    // Duplicates.
    {"FirstKeyWins", "[S]\r\nk=1\r\nK=2\r\n", "S", "k", "1"},
    {"OnlyFirstSectionSearched", "[S]\r\na=1\r\n[T]\r\n[s]\r\nk=2\r\n", "S", "k", kDefault},
    {"FirstSectionWinsForSharedKey", "[S]\r\nk=1\r\n[s]\r\nk=2\r\n", "S", "k", "1"},
    // Line ends, blank lines, byte-order mark.
    {"BlankLinesIgnored", "\r\n\r\n[S]\r\n\r\n  \r\nk=v\r\n\r\n", "S", "k", "v"},
    {"LfLineEnds", "[S]\nk=v\nj=w\n", "S", "j", "w"},
    {"CrLineEnds", "[S]\rk=v\rj=w\r", "S", "j", "w"},
    {"MixedLineEnds", "[S]\rk=v\nj=w\r\nm=x", "S", "m", "x"},
    {"NoFinalLineEnd", "[S]\r\nk=v", "S", "k", "v"},
    {"ByteOrderMarkSkipped", "\xEF\xBB\xBF[S]\r\nk=v\r\n", "S", "k", "v"},
    {"ByteOrderMarkOnlyAtStart", "x\r\n\xEF\xBB\xBF[S]\r\nk=v\r\n", "S", "k", kDefault},
    // Absent things.
    {"EmptyFile", "", "S", "k", kDefault},
    {"MissingSection", "[A]\r\nk=v\r\n", "S", "k", kDefault},
    {"MissingKey", "[S]\r\nj=v\r\n", "S", "k", kDefault},
};

// The listing of every key agrees with get(): the key is listed once, with get()'s value, exactly when
// get() finds it, and every listed key reads as listed.
TEST_P(ProfileRead, EntriesListWhatGetReads) {
    const auto& c = GetParam();
    const auto file = ProfileFile::fromBytes(c.file);
    auto fold = [](std::string s) {
        for (char& ch : s) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        std::string trimmed;
        const auto first = s.find_first_not_of(" \t"), last = s.find_last_not_of(" \t");
        return first == std::string::npos ? trimmed : s.substr(first, last - first + 1);
    };
    int listed = 0;
    for (const ProfileFile::Entry& e : file.entries()) {
        EXPECT_EQ(file.get(e.section, e.key, kDefault), e.value) << "[" << e.section << "] " << e.key;
        if (fold(e.section) == fold(c.section) && fold(e.key) == fold(c.key)) {
            ++listed;
            EXPECT_EQ(e.value, c.expected);
        }
    }
    EXPECT_EQ(listed, c.expected == kDefault ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(Behaviours, ProfileRead, testing::ValuesIn(kReadCases),
                         [](const testing::TestParamInfo<ReadCase>& test) { return test.param.name; });

TEST(ProfileReadLength, DefaultIsTheEmptyText) {
    EXPECT_EQ(ProfileFile().get("S", "k"), "");
    EXPECT_FALSE(ProfileFile().contains("S", "k"));
}

TEST(ProfileReadLength, HundredCharactersRoundTrip) {
    const std::string value(100, 'x');
    ProfileFile file;
    file.set("S", "k", value);
    EXPECT_EQ(ProfileFile::fromBytes(file.toBytes()).get("S", "k"), value);
}

TEST(ProfileReadLength, LongerValueReadsAsItsFirstHundred) {
    std::string value;
    for (int i = 0; i < 120; ++i) value += static_cast<char>('a' + i % 26);
    const auto file = ProfileFile::fromBytes("[S]\r\nk=" + value + "\r\n");
    EXPECT_EQ(file.get("S", "k"), value.substr(0, 100));
}

TEST(ProfileReadLength, CallerLimit) {
    const auto file = ProfileFile::fromBytes("[QVTFileMark]\r\nModel=  HX710T-10M  \r\nShort=HX710T\r\n");
    EXPECT_EQ(file.get("QVTFileMark", "Model", "", 9), "HX710T-10");
    EXPECT_EQ(file.get("QVTFileMark", "Short", "", 9), "HX710T");
}

TEST(ProfileReadLength, CutAfterQuotesRemoved) {
    const auto file = ProfileFile::fromBytes("[S]\r\nk=\"abcdef\"\r\n");
    EXPECT_EQ(file.get("S", "k", "", 3), "abc");
}

TEST(ProfileReadLength, CutNeverSplitsUtf8) {
    // "é" is two bytes: a cut through it drops the whole character.
    EXPECT_EQ(cutValue("ab\xC3\xA9z", 3), "ab");
    EXPECT_EQ(cutValue("ab\xC3\xA9z", 4), "ab\xC3\xA9");
    EXPECT_EQ(cutValue("a\xE2\x82\xAC", 3), "a");  // euro sign, three bytes
    EXPECT_EQ(cutValue("\xF0\x9F\x98\x80", 3), "");
    // Bytes of an 8-bit code page are cut where the limit is.
    EXPECT_EQ(cutValue("ab\xE9\xE9", 3), "ab\xE9");
    EXPECT_EQ(cutValue("a\x80\x80\x80\x80\x80", 3), "a\x80\x80");
    // Latin-1 "é°x" looks like the start of a three-byte sequence, but is none: a plain byte cut.
    EXPECT_EQ(cutValue("ab\xE9\xB0x", 3), "ab\xE9");
    EXPECT_EQ(cutValue("ab\xC3\xA9", 3), "ab") << "a whole character at the very end still goes whole";
}

// Names the reader sees differently from what set() was given (a key name starting with '[' reads
// as a section, one with '=' splits early, a ']' ends a section name) change the file's structure:
// the object must then answer exactly as the file it writes would.
TEST(ProfileWriteStructure, AnswersAsItsOwnBytesRead) {
    const std::vector<std::vector<std::string>> writes = {
        {"S", "[T", "1"}, {"S", "a=b", "2"}, {"U]x", "k", "3"}, {"T", "k", "4"}, {"S", ";c", "5"},
        {"S", "k", "6"},  {"U", "k", "7"},   {"s", "K", "8"},   {"T", "j", "9"},
    };
    const std::vector<std::vector<std::string>> probes = {{"S", "k"}, {"S", "a"}, {"T", "k"}, {"T", "j"},
                                                          {"U", "k"}, {"S", "[T"}, {"T", ""}, {"S", ";c"}};
    for (const std::string& start : {std::string(), std::string("[S]\r\nk=0\r\n\r\n;end\r\n[T]\r\nx=1")}) {
        auto file = ProfileFile::fromBytes(start);
        for (const auto& w : writes) {
            file.set(w[0], w[1], w[2]);
            const auto reread = ProfileFile::fromBytes(file.toBytes());
            EXPECT_EQ(reread.toBytes(), file.toBytes());
            for (const auto& p : probes)
                EXPECT_EQ(file.get(p[0], p[1], kDefault), reread.get(p[0], p[1], kDefault))
                    << "after " << w[0] << "/" << w[1] << " probe " << p[0] << "/" << p[1];
        }
    }
}

// ---- Writing --------------------------------------------------------------------------------

struct Write {
    std::string section;
    std::string key;
    std::string value;
};

struct WriteCase {
    const char* name;
    std::string before;
    std::vector<Write> writes;
    std::string after;
};

void PrintTo(const WriteCase& c, std::ostream* os) {
    *os << c.name;
}

class ProfileWrite : public testing::TestWithParam<WriteCase> {};

TEST_P(ProfileWrite, WritesAsThePlatformDoes) {
    const auto& c = GetParam();
    auto file = ProfileFile::fromBytes(c.before);
    for (const auto& w : c.writes) file.set(w.section, w.key, w.value);
    EXPECT_EQ(file.toBytes(), c.after);
    // The written text parses to the same file.
    EXPECT_EQ(ProfileFile::fromBytes(file.toBytes()).toBytes(), c.after);
}

const WriteCase kWriteCases[] = {
    // New file and new sections.
    {"NewFile", "", {{"S", "k", "v"}}, "[S]\r\nk=v\r\n"},
    {"NewFileSeveralKeysInCallOrder",
     "",
     {{"S", "b", "1"}, {"S", "a", "2"}, {"T", "c", "3"}},
     "[S]\r\nb=1\r\na=2\r\n[T]\r\nc=3\r\n"},
    {"SectionAppendedWithoutBlankLine", "[A]\r\na=1\r\n", {{"B", "b", "2"}}, "[A]\r\na=1\r\n[B]\r\nb=2\r\n"},
    {"SectionAppendedAfterMissingLineEnd", "[A]\r\na=1", {{"B", "b", "2"}}, "[A]\r\na=1\r\n[B]\r\nb=2\r\n"},
    {"SectionAppendedAfterTrailingComment",
     "[A]\r\na=1\r\n; end",
     {{"B", "b", "2"}},
     "[A]\r\na=1\r\n; end\r\n[B]\r\nb=2\r\n"},
    {"SectionAppendedToLfFile", "[A]\na=1\n", {{"B", "b", "2"}}, "[A]\na=1\n[B]\r\nb=2\r\n"},
    {"SectionAppendedAfterTextBeforeAnySection", "some text", {{"S", "k", "v"}}, "some text\r\n[S]\r\nk=v\r\n"},
    // New keys in existing sections.
    {"KeyInsertedAfterLastKeyLine",
     "[A]\r\na=1\r\n; note\r\n\r\n[B]\r\nb=2\r\n",
     {{"A", "c", "3"}, {"A", "d", "4"}},
     "[A]\r\na=1\r\nc=3\r\nd=4\r\n; note\r\n\r\n[B]\r\nb=2\r\n"},
    {"KeyInsertedBeforeTrailingBlankLinesAtEnd",
     "[A]\r\na=1\r\n\r\n\r\n",
     {{"A", "b", "2"}},
     "[A]\r\na=1\r\nb=2\r\n\r\n\r\n"},
    {"KeyInsertedRightAfterHeaderOfEmptySection",
     "[A]\r\n; c\r\n[B]\r\n",
     {{"A", "k", "v"}},
     "[A]\r\nk=v\r\n; c\r\n[B]\r\n"},
    {"KeyInsertedAfterHeaderWithoutLineEnd", "[A]", {{"A", "k", "v"}}, "[A]\r\nk=v\r\n"},
    {"KeyInsertedAfterLastLineWithoutLineEnd", "[A]\r\na=1", {{"A", "b", "2"}}, "[A]\r\na=1\r\nb=2\r\n"},
    {"CommentWithEqualsIsNoKeyLine", "[A]\r\na=1\r\n;b=2\r\n", {{"A", "c", "3"}}, "[A]\r\na=1\r\nc=3\r\n;b=2\r\n"},
    {"LineWithoutEqualsIsNoKeyLine", "[A]\r\na=1\r\njunk\r\n", {{"A", "b", "2"}}, "[A]\r\na=1\r\nb=2\r\njunk\r\n"},
    {"KeyGoesToFirstOccurrenceOfSection",
     "[S]\r\na=1\r\n[T]\r\n[S]\r\nk=2\r\n",
     {{"s", "k", "3"}},
     "[S]\r\na=1\r\nk=3\r\n[T]\r\n[S]\r\nk=2\r\n"},
    // Existing keys.
    {"ValueReplacedInPlaceSpellingKept", "[s]\r\nkey=1\r\nz=9\r\n", {{"S", "KEY", "2"}}, "[s]\r\nkey=2\r\nz=9\r\n"},
    {"ReplacedLineRewrittenWithoutBlanks", "[s]\r\n  key  =  1  \r\n", {{"S", "key", "2"}}, "[s]\r\nkey=2\r\n"},
    {"ReplacedLineGetsCrLfOthersKeepTheirs", "[s]\nkey=1\nz=9\n", {{"s", "key", "2"}}, "[s]\nkey=2\r\nz=9\n"},
    {"ReplacedLastLineGetsLineEnd", "[s]\r\nkey=1", {{"s", "key", "2"}}, "[s]\r\nkey=2\r\n"},
    {"FirstDuplicateReplaced", "[S]\r\nk=1\r\nk=2\r\n", {{"S", "k", "3"}}, "[S]\r\nk=3\r\nk=2\r\n"},
    {"CommentedKeyNotReplaced", "[A]\r\n;k=1\r\n", {{"A", "k", "2"}}, "[A]\r\nk=2\r\n;k=1\r\n"},
    {"SameKeyWrittenTwice", "", {{"S", "k", "1"}, {"S", "k", "2"}}, "[S]\r\nk=2\r\n"},
    // Values and names as given.
    {"EmptyValueKeepsKey", "", {{"S", "k", ""}}, "[S]\r\nk=\r\n"},
    {"ValueVerbatim", "", {{"S", "k", "  \"q\" ;x "}}, "[S]\r\nk=  \"q\" ;x \r\n"},
    {"NamesTrimmedOfBlanks", "", {{" S ", "\tk ", "v"}}, "[S]\r\nk=v\r\n"},
    {"NamesWithInnerBlanks",
     "",
     {{"Camera Setting", "Work Hour StartH", "7"}},
     "[Camera Setting]\r\nWork Hour StartH=7\r\n"},
    {"LineBreaksInValueBecomeBlanks", "", {{"S", "k", "a\r\nb\nc"}}, "[S]\r\nk=a  b c\r\n"},
    // Everything else kept.
    {"UntouchedContentKept",
     "junk\n; top\r\n[U]\rx=1\r\n#y\r\n\r\n[S]\r\nk=1\r\n; tail\n",
     {{"S", "k", "2"}, {"V", "v", "3"}},
     "junk\n; top\r\n[U]\rx=1\r\n#y\r\n\r\n[S]\r\nk=2\r\n; tail\n[V]\r\nv=3\r\n"},
    {"ByteOrderMarkKept", "\xEF\xBB\xBF[A]\r\na=1\r\n", {{"A", "a", "2"}}, "\xEF\xBB\xBF[A]\r\na=2\r\n"},
};

INSTANTIATE_TEST_SUITE_P(Behaviours, ProfileWrite, testing::ValuesIn(kWriteCases),
                         [](const testing::TestParamInfo<WriteCase>& test) { return test.param.name; });

TEST(ProfileWriteValue, ReadsBackWhatWasWritten) {
    ProfileFile file;
    file.set("Via WAP Settings", "URL", "http://mms.example/");
    file.set("Via WAP Settings", "Port", "");
    file.set("Camera Setting", "Work Day", "127");
    const auto back = ProfileFile::fromBytes(file.toBytes());
    EXPECT_EQ(back.get("via wap settings", "url"), "http://mms.example/");
    EXPECT_TRUE(back.contains("Via WAP Settings", "Port"));
    EXPECT_EQ(back.get("Via WAP Settings", "Port", kDefault), "");
    EXPECT_EQ(back.get("Camera Setting", "Work Day"), "127");
}

TEST(ProfileWriteValue, LongValueCutToHundred) {
    ProfileFile file;
    file.set("S", "k", std::string(120, 'y'));
    EXPECT_EQ(file.toBytes(), "[S]\r\nk=" + std::string(100, 'y') + "\r\n");
}

// ---- Byte-exact preservation ------------------------------------------------------------------

class ProfileUntouched : public testing::TestWithParam<std::string> {};

TEST_P(ProfileUntouched, WrittenBackByteForByte) {
    EXPECT_EQ(ProfileFile::fromBytes(GetParam()).toBytes(), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Files, ProfileUntouched,
                         testing::Values("", "\r\n", "\n\n\r\r\n", "[S]\r\nk=v", "[S]\r\r\nk=v\n\r", "\xEF\xBB\xBF",
                                         "\xEF\xBB\xBF[S]\nk=v\r", " x = \"y\" \r\n;c\r\n[",
                                         std::string("[S]\r\nk=a\0b\r\n", 12), "\xEF\xBB", "[S]\r\n\x1a"));

// ---- Files on disk ------------------------------------------------------------------------------

TEST(ProfileLoad, LoadsAndSaves) {
    test::TempDir dir;
    test::writeFile(dir / "HX710T.TXT", "[QVTFileMark]\r\nModel=HX710T\r\n");
    auto file = ProfileFile::load(dir / "HX710T.TXT");
    ASSERT_TRUE(file);
    EXPECT_EQ(file->get("QVTFileMark", "Model"), "HX710T");
    file->set("Camera Setting", "Language", "2");
    ASSERT_TRUE(file->save(dir / "HX710T.TXT"));
    EXPECT_EQ(test::readFile(dir / "HX710T.TXT"),
              "[QVTFileMark]\r\nModel=HX710T\r\n[Camera Setting]\r\nLanguage=2\r\n");
}

TEST(ProfileLoad, MissingOrNotAFile) {
    test::TempDir dir;
    EXPECT_FALSE(ProfileFile::load(dir / "absent.TXT"));
    EXPECT_FALSE(ProfileFile::load(dir.path()));
}

TEST(ProfileLoad, SizeLimit) {
    test::TempDir dir;
    const std::string head = "[S]\r\nk=v\r\n";
    std::string bytes = head + std::string(kMaxSettingsFileSize - head.size(), ';');
    test::writeFile(dir / "limit.TXT", bytes);
    const auto atLimit = ProfileFile::load(dir / "limit.TXT");
    ASSERT_TRUE(atLimit);
    EXPECT_EQ(atLimit->get("S", "k"), "v");

    test::writeFile(dir / "over.TXT", bytes + ";");
    EXPECT_FALSE(ProfileFile::load(dir / "over.TXT"));
    EXPECT_TRUE(ProfileFile::load(dir / "over.TXT", kMaxSettingsFileSize + 1));
}

// ---- The product mark ----------------------------------------------------------------------

// The "Model" value is read with room for 9 characters and then trimmed, so what follows the ninth
// character never counts, and a code that does not fit in the nine is never found.
TEST(ProductMarkTest, OnlyTheFirstNineCharactersOfTheModelCount) {
    struct Case {
        std::string value;
        std::string code;
        bool valid;
    } cases[] = {
        {"HX710T", "HX710T", true},
        {"  HX710T ", "HX710T", true},
        {"HX710T   tail", "HX710T", true},   // "HX710T   " then trimmed
        {"HX710T  tail", "HX710T", false},   // "HX710T  t"
        {"VEX 2.0  x", "VEX 2.0", true},     // "VEX 2.0  "
        {"PN450RT  x", "PN450RT", true},     // "PN450RT  "
        {"PN450RT x", "PN450RT", false},     // "PN450RT x"
        {"ABCDEFGHIJ", "ABCDEFGHIJ", false}, // a ten-character code never fits
        {"ABCDEFGHIJ", "ABCDEFGHI", true},
        {"hx710t", "HX710T", false},
    };
    for (const Case& c : cases) {
        const ProfileFile file = ProfileFile::fromBytes("[QVTFileMark]\r\nModel=" + c.value + "\r\n");
        EXPECT_EQ(isValidSettings(file, c.code), c.valid) << '"' << c.value << "\" for " << c.code;
    }
}

}  // namespace
}  // namespace qvt::settings
