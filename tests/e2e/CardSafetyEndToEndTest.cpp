// SPDX-License-Identifier: Apache-2.0
// A card never loses its settings or its sound through a Save: the real binary on real file systems.
#include <gtest/gtest.h>

#include "e2e/E2eSupport.h"

namespace fs = std::filesystem;
using namespace qvt::test;

namespace {

const std::string kOpen = "select 1131 \"HX710T-10M\"\nclick 1\n";

std::string goldenText() {
    return readFile(fs::path(QVT_TEST_DATA_DIR) / "hx710t_defaults.txt");
}

std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(folder, ec)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// The save cannot write the chosen card E while another card D holds this product's file.
enum class Fault { FullCard, ReadOnlyCard };

class SaveFaultEndToEnd : public ::testing::TestWithParam<Fault> {};

}  // namespace

TEST_P(SaveFaultEndToEnd, EveryCardStaysAsItWas) {
    TempDir dir;
    const fs::path pc = dir / "pc", d = dir / "d", e = dir / "e";
    fs::create_directories(pc);
    const fs::path dFile = d / "GSM" / "HX710T.TXT", eFile = e / "GSM" / "HX710T.TXT";
    const std::string dBytes = goldenText() + "[Note]\r\nCard=D\r\n";
    writeFile(dFile, dBytes);

    // The old file on E takes one 1 KiB block; the new one, with four long e-mail addresses, two.
    TestMount card = GetParam() == Fault::FullCard
                         ? TestMount::image(e, dir / "e.img", "mkfs.ext2 -q -F -b 1024 -m 0", 256)
                         : TestMount::tmpfs(e);
    if (!card.mounted()) GTEST_SKIP() << card.why();
    writeFile(eFile, goldenText());
    ASSERT_LT(goldenText().size(), 1024u);
    if (GetParam() == Fault::FullCard)
        ASSERT_TRUE(card.fill());
    else
        ASSERT_TRUE(card.remountReadOnly());

    std::string script = kOpen;
    for (int id = 1011; id <= 1014; ++id)
        script += "type " + std::to_string(id) + " \"somebody.with.a.rather.long.name." + std::to_string(id) +
                  "@example.com\"\n";
    RunResult r = runScript(pc, {d, e}, script + "answer OK\nclick 1\n");
    ASSERT_EQ(r.exitCode, 0) << r.err << r.out();
    // The message keeps its text and says why under it: the cause, the system's words, and where the
    // new values are kept.
    const std::string cause = GetParam() == Fault::FullCard
                                  ? "The card is full.\\nThe system says: No space left on device."
                                  : "The card is write-protected (read-only file system): check the card's lock "
                                    "switch.\\nThe system says: Read-only file system.";
    EXPECT_FALSE(findLine(r, {"\"text\":\"Error : The data could not be saved in : \\\" " + eFile.string() +
                                  " \\\" !\",\"explanation\":\"" + cause +
                                  "\\nThe new values are kept in the PC's copy: " +
                                  (pc / "LumbrakonBackup" / "HX710T.TXT").string() + "\",\"answer\":\"OK\"}"})
                     .empty())
        << r.out();
    EXPECT_TRUE(findLine(r, {"Can't delete"}).empty()) << r.out();
    EXPECT_EQ(readFile(eFile), goldenText()) << "the old file on the chosen card is kept";
    EXPECT_EQ(readFile(dFile), dBytes) << "the other card keeps its file";
    EXPECT_EQ(namesIn(e / "GSM"), std::vector<std::string>{"HX710T.TXT"}) << "no temporary file left";
    // The PC's copy holds the new settings all the same.
    EXPECT_NE(readFile(pc / "LumbrakonBackup" / "HX710T.TXT").find("example.com"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Faults, SaveFaultEndToEnd, ::testing::Values(Fault::FullCard, Fault::ReadOnlyCard),
                         [](const auto& test) { return test.param == Fault::FullCard ? "FullCard" : "ReadOnlyCard"; });

TEST(CardSafetyEndToEnd, SuccessfulSaveRemovesTheOtherCardsFileAfterwards) {
    TempDir dir;
    const fs::path pc = dir / "pc", d = dir / "d", e = dir / "e";
    fs::create_directories(pc);
    writeFile(d / "GSM" / "HX710T.TXT", goldenText());
    fs::create_directories(e);
    RunResult r = runScript(
        pc, {d, e}, kOpen + "select 1030 \"" + (e / "GSM" / "HX710T.TXT").string() + "\"\nanswer OK\nclick 1\n");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_FALSE(findLine(r, {"Ok , All data has been saved in"}).empty()) << r.out();
    EXPECT_FALSE(fs::exists(d / "GSM" / "HX710T.TXT"));
    EXPECT_TRUE(fs::exists(e / "GSM" / "HX710T.TXT"));
}

TEST(CardSafetyEndToEnd, SoundGoesNowhereWhenTheChosenCardVanishedBeforeSave) {
    TempDir dir;
    const fs::path pc = dir / "pc", c1 = dir / "c1", c2 = dir / "c2";
    fs::create_directories(pc);
    fs::create_directories(c1);
    const fs::path photo = c2 / "DCIM" / "100QVTIM" / "IMAG0001.JPG";
    writeFile(photo, "photo");
    writeFile(dir / "call.mp3", "any file: the sound must not even be tried");
    const std::string choose = kOpen + "select 1030 \"" + (c1 / "GSM" / "HX710T.TXT").string() +
                               "\"\nselect 1118 \"ON\"\nchoose-file \"" + (dir / "call.mp3").string() +
                               "\"\nclick 1002\ndump 1030\n";
    RunResult r = runScriptInParts(pc, {c1, c2},
                                   {{nullptr, choose},
                                    {[&] { fs::remove_all(c1); },  // the card is pulled out before Save
                                     "answer OK\nanswer OK\nclick 1\ndump 1030\n"}});
    ASSERT_EQ(r.exitCode, 0) << r.err << r.out();
    EXPECT_FALSE(findLine(r, {"Can't find volume \\\"" + (c1 / "").string() + "\\\""}).empty()) << r.out();
    EXPECT_TRUE(findLine(r, {"IMAG0001.JPG"}).empty()) << "no rename question";
    EXPECT_TRUE(findLine(r, {"Failed to transform audio file!"}).empty()) << "the save's message said it all";
    EXPECT_EQ(readFile(photo), "photo");
    EXPECT_EQ(namesIn(photo.parent_path()), std::vector<std::string>{"IMAG0001.JPG"});
    EXPECT_FALSE(fs::exists(pc / "DCIM"));
    EXPECT_FALSE(fs::exists(c1));
}

TEST(CardSafetyEndToEnd, BackupThatWouldGrowPastTheLimitIsWrittenAfresh) {
    TempDir dir;
    const fs::path pc = dir / "pc", card = dir / "card";
    fs::create_directories(card);
    const fs::path backup = pc / "LumbrakonBackup" / "HX710T.TXT";
    // A valid backup just under 1 MiB, most of it comment lines the program keeps when it can.
    std::string bytes = "[QVTFileMark]\r\nModel=HX710T\r\n";
    while (bytes.size() < (1u << 20) - 200) bytes += "; kept from an older version of the file\r\n";
    writeFile(backup, bytes);

    RunResult r = runScript(pc, {card}, kOpen + "type 1011 \"a@b.c\"\nanswer OK\nclick 1\n");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(findLine(r, {"back-up copy could not be saved"}).empty()) << r.out();
    const std::string written = readFile(backup);
    EXPECT_LE(written.size(), 1u << 20);
    EXPECT_EQ(written, readFile(card / "GSM" / "HX710T.TXT")) << "written from the product's keys alone";

    // The next opening reads it: with no card file, the dialog shows the backup's settings.
    fs::remove(card / "GSM" / "HX710T.TXT");
    r = runScript(pc, {card}, kOpen + "dump 1011\n");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(dumpLineOf(r, 1011).find("\"text\":\"a@b.c\""), std::string::npos) << dumpLineOf(r, 1011);
}
