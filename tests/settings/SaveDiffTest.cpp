// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "settings/SaveDiff.h"
#include "support/TestSupport.h"

namespace qvt::settings {
namespace {

const std::string kArrow = " \xE2\x86\x92 ";

struct DiffCase {
    const char* name;
    std::string before;
    std::string after;
    std::vector<std::string> lines;
};

void PrintTo(const DiffCase& c, std::ostream* os) { *os << c.name; }

class ChangedValuesTest : public testing::TestWithParam<DiffCase> {};

TEST_P(ChangedValuesTest, ListsWhatReadsDifferently) {
    const DiffCase& c = GetParam();
    EXPECT_EQ(changedValues(ProfileFile::fromBytes(c.before), ProfileFile::fromBytes(c.after)), c.lines);
}

const DiffCase kDiffCases[] = {
    {"SameFileNothing", "[S]\r\nA=1\r\nB=\r\n", "[S]\r\nA=1\r\nB=\r\n", {}},
    {"ChangedValuesInTheNewFilesOrder",
     "[Camera Setting]\r\nPhoto Size=0\r\nLanguage=3\r\n[X]\r\nK=a\r\n",
     "[X]\r\nK=b\r\n[Camera Setting]\r\nLanguage=1\r\nPhoto Size=2\r\n",
     {"[X] K: a" + kArrow + "b", "[Camera Setting] Language: 3" + kArrow + "1",
      "[Camera Setting] Photo Size: 0" + kArrow + "2"}},
    // Names match without regard to case; the new file's spelling is shown.
    {"NamesIgnoreCase", "[camera setting]\r\nphoto size=0\r\n", "[Camera Setting]\r\nPhoto Size=1\r\n",
     {"[Camera Setting] Photo Size: 0" + kArrow + "1"}},
    // Values compare as read: blanks and outer quotes around a value are not a change.
    {"ValuesCompareAsRead", "[S]\r\nA= 1 \r\nB=\"x\"\r\n", "[S]\r\nA=1\r\nB=x\r\n", {}},
    // A missing key reads as empty: empty in the new file is no change, a value is.
    {"MissingKeyIsEmpty", "[S]\r\nA=1\r\n", "[S]\r\nA=1\r\nB=\r\nC=5\r\n", {"[S] C: " + kArrow + "5"}},
    // Keys the new file drops read as empty afterwards; empty ones change nothing.
    {"DroppedKeysShowEmptyAfter", "[S]\r\nA=1\r\nOld=7\r\nGone=\r\n[Z]\r\nQ=9\r\n", "[S]\r\nA=1\r\n",
     {"[S] Old: 7" + kArrow, "[Z] Q: 9" + kArrow}},
    // only what the reader sees counts: a duplicate key or section, keys before any section.
    // Long values compare whole: cutting one is a change, keeping it is none.
    {"LongValueKept", "[S]\r\nA=" + std::string(150, 'x') + "\r\n", "[S]\r\nA=" + std::string(150, 'x') + "\r\n", {}},
    {"LongValueCut", "[S]\r\nA=" + std::string(150, 'x') + "\r\n", "[S]\r\nA=" + std::string(100, 'x') + "\r\n",
     {"[S] A: " + std::string(150, 'x') + kArrow + std::string(100, 'x')}},
    {"OnlyReadableKeys", "Loose=1\r\n[S]\r\nA=1\r\nA=9\r\n[S]\r\nB=4\r\n", "[S]\r\nA=1\r\n", {}},
};

INSTANTIATE_TEST_SUITE_P(Cases, ChangedValuesTest, testing::ValuesIn(kDiffCases),
                         [](const testing::TestParamInfo<DiffCase>& test) { return test.param.name; });

const std::string kNew = "[QVTFileMark]\r\nModel=HX710T\r\n[Camera Setting]\r\nPhoto Size=1\r\n";

TEST(inspectTarget, TellsMissingInvalidAndValidApart) {
    test::TempDir dir;
    using State = TargetFile::State;
    struct {
        const char* name;
        std::string bytes;  // "" with `folder`: a directory stands there
        bool folder;
        State state;
    } cases[] = {
        {"valid", kNew, false, State::Valid},
        {"blanks around the code", "[QVTFileMark]\r\nModel= HX710T \r\n", false, State::Valid},
        {"another product", "[QVTFileMark]\r\nModel=HX720U\r\n", false, State::Invalid},
        {"no mark", "[Camera Setting]\r\nPhoto Size=1\r\n", false, State::Invalid},
        {"a folder", "", true, State::Invalid},
        {"too large to be one", "[QVTFileMark]\r\nModel=HX710T\r\n" + std::string(1u << 21, ';'), false,
         State::Invalid},
    };
    EXPECT_EQ(inspectTarget(dir / "absent.TXT", "HX710T").state, State::Missing);
    for (const auto& c : cases) {
        const auto path = dir / c.name;
        if (c.folder)
            std::filesystem::create_directories(path);
        else
            test::writeFile(path, c.bytes);
        const TargetFile target = inspectTarget(path, "HX710T");
        EXPECT_EQ(target.state, c.state) << c.name;
        if (c.state == State::Valid) {
            EXPECT_EQ(target.file.toBytes(), c.bytes) << c.name;
        }
    }
}

TEST(saveDetails, SaysNoChangeOnlyWhenNothingReadsDifferently) {
    TargetFile same;
    same.state = TargetFile::State::Valid;
    same.file = ProfileFile::fromBytes(kNew);
    EXPECT_EQ(saveDetails("/card/GSM/HX710T.TXT", kNew, same, {"/other/GSM/HX710T.TXT"}),
              (std::vector<std::string>{std::string(kWritePrefix) + "/card/GSM/HX710T.TXT", kNoChange,
                                        std::string(kDeletePrefix) + "/other/GSM/HX710T.TXT"}));
    const std::vector<std::string> changed =
        saveDetails("/card/GSM/HX710T.TXT", "[QVTFileMark]\r\nModel=HX710T\r\n[Camera Setting]\r\nPhoto Size=0\r\n",
                    same, {});
    ASSERT_EQ(changed.size(), 2u);
    EXPECT_EQ(changed[1], "[Camera Setting] Photo Size: 1" + kArrow + "0");
}

}  // namespace
}  // namespace qvt::settings
