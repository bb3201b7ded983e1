// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <functional>

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/FileOps.h"
#include "settings/CardSaveFlow.h"
#include "ui/Dialog.h"
#include "settings/ProfileFile.h"
#include "support/TestSupport.h"

#ifdef __linux__
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace fs = std::filesystem;

namespace qvt::settings {
namespace {

constexpr int kList = 1030;
const std::string kSep(1, static_cast<char>(fs::path::preferred_separator));

// Records every box; answers OK/Cancel questions from a script (OK when the script is empty).
class RecordingHost : public ui::Host {
public:
    struct Box {
        std::string text, caption;
        ui::Icon icon;
        ui::Buttons buttons;
        std::string explanation = {};
    };
    std::vector<Box> boxes;
    std::deque<ui::Answer> answers;

    ui::Answer messageBox(ui::Dialog*, std::string_view text, std::string_view caption, ui::Icon icon,
                          ui::Buttons buttons) override {
        boxes.push_back({std::string(text), std::string(caption), icon, buttons});
        if (buttons == ui::Buttons::OkCancel && !answers.empty()) {
            const ui::Answer a = answers.front();
            answers.pop_front();
            return a;
        }
        return ui::Answer::Ok;
    }
    ui::Answer showMessage(ui::Dialog* owner, const ui::Message& m) override {
        const ui::Answer answer = messageBox(owner, m.text, m.caption, m.icon, m.buttons);
        boxes.back().explanation = m.explanation;
        return answer;
    }
    std::optional<std::string> openFile(ui::Dialog*, const ui::FileRequest&) override { return std::nullopt; }
    ui::Result runModal(ui::Dialog&) override { return ui::Result::Cancel; }
    ui::ProcessOutcome runProcess(ui::Dialog*, const ui::ProcessRequest&) override { return {}; }
};

// Just the path list, sorted as the settings dialogs declare it.
class PathListDialog : public ui::Dialog {
public:
    explicit PathListDialog(ui::Host& host) : Dialog(host, dialogTemplate()) {}
    static ui::DialogTemplate dialogTemplate() {
        ui::DialogTemplate t;
        t.resourceId = 1;
        ui::ControlStyle sorted;
        sorted.sorted = true;
        t.controls.push_back(ui::listSpec(kList, {}, sorted));
        return t;
    }
};

void writeSettings(const fs::path& file, const std::string& model, const std::string& marker) {
    fs::create_directories(file.parent_path());
    test::writeFile(file, "[QVTFileMark]\r\nModel=" + model + "\r\n[Camera Setting]\r\nMarker=" + marker + "\r\n");
}

std::string markerOf(const fs::path& file) {
    const auto f = ProfileFile::load(file);
    return f ? f->get("Camera Setting", "Marker") : "<none>";
}

#ifdef __linux__
// A small tmpfs standing for a card; unmounted before the temporary folder goes.
class TmpfsMount {
public:
    explicit TmpfsMount(fs::path dir) : dir_(std::move(dir)) {
        fs::create_directories(dir_);
        mounted_ = ::mount("tmpfs", dir_.c_str(), "tmpfs", 0, "size=64k") == 0;
    }
    ~TmpfsMount() {
        if (mounted_) ::umount2(dir_.c_str(), MNT_DETACH);
    }
    bool mounted() const { return mounted_; }
    bool makeReadOnly() { return ::mount("tmpfs", dir_.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=64k") == 0; }
    void fill() {
        const int fd = ::open((dir_ / "filler").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const std::string chunk(4096, 'x');
        while (fd >= 0 && ::write(fd, chunk.data(), chunk.size()) > 0) {
        }
        if (fd >= 0) ::close(fd);
    }

private:
    fs::path dir_;
    bool mounted_ = false;
};
#define QVT_MOUNT_OR_SKIP(m) \
    if (!(m).mounted()) GTEST_SKIP() << "mounting a tmpfs is not permitted here"
#endif

class CardSaveFlowTest : public ::testing::Test {
protected:
    test::TempDir tmp;
    fs::path sys = tmp / "c-sys";
    RecordingHost host;
    std::unique_ptr<platform::Volumes> pc;
    std::unique_ptr<PathListDialog> dialog;
    std::unique_ptr<CardSaveFlow> flow;
    std::vector<std::pair<int, int>> calls;  // (type, flag) of every read/write
    std::string lastRead;                    // marker of the file read last
    std::string marker = "new";              // what a write puts into the file
    std::error_code writeError;              // what a failed write says
    std::function<void()> beforeCardWriteFails;  // when set, the card write runs it and fails with writeError

    void SetUp() override { fs::create_directories(sys); }

    static SaveFlowConfig hx710tFlow() {
        SaveFlowConfig c;
        c.fileCode = "HX710T";
        c.volumeMissingBefore = "Can't find volume \"";
        c.volumeMissingAfter = "\",Please check connection of your device and try again !";
        c.confirmText = "Confirm save all the data ?";
        c.reportPrefix = "Ok , All data has been saved in : \" ";
        return c;
    }

    // Opens the dialog: the opening scan over the system root and these volumes.
    void open(std::vector<fs::path> cards, SaveFlowConfig config = hx710tFlow()) {
        host.boxes.clear();
        pc = std::make_unique<platform::Volumes>(sys, std::move(cards));
        dialog = std::make_unique<PathListDialog>(host);
        dialog->init();
        auto flagOf = [](FileTarget target) { return target == FileTarget::Card ? 1 : 0; };
        SettingsFileAccess files{[=, this](FileTarget t) { return readWrite(1, flagOf(t)); },
                                 [=, this](FileTarget t, std::error_code& why) {
                                     if (t == FileTarget::Card && beforeCardWriteFails) {
                                         beforeCardWriteFails();
                                         why = writeError;
                                         return false;
                                     }
                                     const bool written = readWrite(2, flagOf(t));
                                     if (!written) why = writeError;
                                     return written;
                                 }};
        flow = std::make_unique<CardSaveFlow>(SaveFlowDialog{*dialog, dialog->list(kList), [this] { dialog->end(ui::Result::Cancel); }}, *pc, std::move(config), std::move(files));
        flow->scanAndLoad();
    }

    bool readWrite(int type, int flag) {
        calls.emplace_back(type, flag);
        const fs::path path = flag == 1 ? fs::path(flow->cardFilePath()) : flow->backupFilePath();
        if (type == 1) {
            lastRead = markerOf(path);
            return true;
        }
        // Like the dialogs: the card file is written from scratch, the backup over its old keys.
        ProfileFile file = flag == 1 ? ProfileFile() : ProfileFile::load(path).value_or(ProfileFile());
        file.set("QVTFileMark", "Model", flow->config().fileCode);
        file.set("Camera Setting", "Marker", marker);
        return file.save(path);
    }

    std::string cand(const fs::path& volume) const {
        return platform::Volumes::rootText(volume) + "GSM" + kSep + "HX710T.TXT";
    }
    fs::path backup() const { return sys / "LumbrakonBackup" / "HX710T.TXT"; }
    std::vector<std::string> items() const { return dialog->controls().at(kList).items; }
    std::string selected() const { return dialog->selText(kList); }
    void choose(const fs::path& volume) {
        dialog->select(kList, dialog->findExact(kList, cand(volume)));
        flow->takeCardPath();
    }
    std::vector<std::string> texts() const {
        std::vector<std::string> t;
        for (const auto& b : host.boxes) t.push_back(b.text);
        return t;
    }
    std::string report(const fs::path& volume) const {
        return "Ok , All data has been saved in : \" " + cand(volume) + " \" !";
    }
};

using Calls = std::vector<std::pair<int, int>>;

// --- start of the dialog ---------------------------------------------------------------------------

TEST_F(CardSaveFlowTest, OnlySystemRootListsItsCandidateCreatesGsmAndReadsValidBackup) {
    writeSettings(backup(), "HX710T", "from backup");
    open({});
    EXPECT_EQ(items(), std::vector<std::string>{cand(sys)});
    EXPECT_EQ(selected(), cand(sys));
    EXPECT_EQ(flow->cardFilePath(), cand(sys));
    EXPECT_EQ(flow->cardRoot(), sys);
    EXPECT_TRUE(fs::is_directory(sys / "GSM"));
    EXPECT_EQ(calls, (Calls{{1, 0}}));
    EXPECT_EQ(lastRead, "from backup");
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(CardSaveFlowTest, BackupAtStartFolderCreatedWhenMissingInvalidOneKept) {
    open({});
    EXPECT_TRUE(fs::is_directory(sys / "LumbrakonBackup"));
    EXPECT_TRUE(calls.empty());

    // An invalid backup is neither read nor removed: the next Save writes a new one in its place.
    writeSettings(backup(), "HX720U", "other model");
    open({});
    EXPECT_EQ(markerOf(backup()), "other model");
    EXPECT_TRUE(calls.empty());

    // Nor is one over 1 MiB.
    const std::string big = "[QVTFileMark]\r\nModel=HX710T\r\n" + std::string(kMaxSettingsFileSize, ';');
    test::writeFile(backup(), big);
    open({});
    EXPECT_EQ(test::readFile(backup()), big);
    EXPECT_TRUE(calls.empty());
    EXPECT_FALSE(flow->readAtOpen());
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(CardSaveFlowTest, ValidFilesOnTwoVolumesTheLaterSlotIsChosenAndRead) {
    // Slot order differs from the list's alphabetical order on purpose.
    const fs::path zeta = tmp / "zeta", alpha = tmp / "alpha";
    writeSettings(cand(zeta), "HX710T", "zeta");
    writeSettings(cand(alpha), "HX710T", "alpha");
    writeSettings(backup(), "HX710T", "from backup");
    open({zeta, alpha});
    EXPECT_EQ(items(), (std::vector<std::string>{cand(alpha), cand(sys), cand(zeta)}));
    EXPECT_EQ(flow->cardFilePath(), cand(alpha));
    EXPECT_EQ(selected(), cand(alpha));
    EXPECT_EQ(calls, (Calls{{1, 1}}));  // the backup is not consulted
    EXPECT_EQ(lastRead, "alpha");
    EXPECT_FALSE(fs::exists(sys / "GSM"));
}

TEST_F(CardSaveFlowTest, LastPresentVolumeInvalidFileIsKeptAndTakenOthersUntouched) {
    const fs::path e = tmp / "e", f = tmp / "f", gone = tmp / "g-absent";
    writeSettings(cand(sys), "HX710T-10M", "sys");
    writeSettings(cand(e), "hx710t", "e");
    writeSettings(cand(f), "HX720U", "f");
    fs::permissions(cand(f), fs::perms::owner_read);
    open({e, f, gone});
    EXPECT_EQ(markerOf(cand(f)), "f");
    EXPECT_EQ(flow->keptInvalidFile(), cand(f));
    EXPECT_EQ(flow->cardFilePath(), cand(f));
    EXPECT_EQ(selected(), cand(f));
    EXPECT_EQ(markerOf(cand(e)), "e");
    EXPECT_EQ(markerOf(cand(sys)), "sys");
    EXPECT_EQ(items().size(), 3u);
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(CardSaveFlowTest, AFolderWhereTheFileShouldBeIsTakenSilently) {
    const fs::path e = tmp / "e";
    fs::create_directories(cand(e));
    open({e});
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_TRUE(fs::is_directory(cand(e)));
    EXPECT_EQ(flow->cardFilePath(), cand(e));
}

TEST_F(CardSaveFlowTest, NoVolumePresentAtStart) {
    fs::remove_all(sys);
    open({tmp / "absent"});
    EXPECT_EQ(texts(), std::vector<std::string>{"No disk is valid !"});
    EXPECT_EQ(host.boxes[0].icon, ui::Icon::Error);
    EXPECT_TRUE(items().empty());
    EXPECT_EQ(flow->cardFilePath(), "");
    EXPECT_TRUE(calls.empty());
}

// --- the path list ---------------------------------------------------------------------------------

TEST_F(CardSaveFlowTest, DropDownRemovesVanishedVolumeSelectsLastAndAppendsNewOnes) {
    const fs::path e = tmp / "e", f = tmp / "f", g = tmp / "g";
    fs::create_directories(e);
    fs::create_directories(f);
    open({e, f, g});
    ASSERT_EQ(flow->cardFilePath(), cand(f));
    fs::remove_all(f);
    fs::create_directories(g);
    flow->refreshCardPathList();
    EXPECT_EQ(items(), (std::vector<std::string>{cand(sys), cand(e), cand(g)}));
    EXPECT_EQ(selected(), cand(e));  // the last item when F went; G came after
    EXPECT_EQ(flow->cardFilePath(), cand(e));
    EXPECT_TRUE(host.boxes.empty());
}

// --- save ------------------------------------------------------------------------------------------

TEST_F(CardSaveFlowTest, SaveDeletesSameProductFileElsewhereOnlyAndReports) {
    const fs::path d = tmp / "d", e = tmp / "e", f = tmp / "f";
    writeSettings(cand(d), "HX710T", "d");
    writeSettings(d / "GSM" / "HX720U.TXT", "HX720U", "d720");
    writeSettings(cand(f), "HX720U", "f");  // HX710T.TXT of another model
    writeSettings(backup(), "HX710T", "old backup");
    fs::create_directories(e);
    open({d, e, f});
    ASSERT_EQ(flow->cardFilePath(), cand(d));
    choose(e);
    calls.clear();
    flow->save();

    EXPECT_EQ(calls, (Calls{{2, 1}, {2, 0}}));
    EXPECT_FALSE(fs::exists(cand(d)));
    EXPECT_EQ(markerOf(d / "GSM" / "HX720U.TXT"), "d720");
    EXPECT_EQ(markerOf(cand(f)), "f");
    EXPECT_EQ(markerOf(cand(e)), "new");
    EXPECT_EQ(markerOf(backup()), "new");
    ASSERT_EQ(host.boxes.size(), 2u);
    EXPECT_EQ(host.boxes[0].text, "Confirm save all the data ?");
    EXPECT_EQ(host.boxes[0].icon, ui::Icon::Question);
    EXPECT_EQ(host.boxes[0].buttons, ui::Buttons::OkCancel);
    EXPECT_EQ(host.boxes[1].text, report(e));
    EXPECT_EQ(host.boxes[1].caption, "QVT Tips");
    EXPECT_EQ(host.boxes[1].icon, ui::Icon::Information);
    EXPECT_FALSE(dialog->ended());
}

TEST_F(CardSaveFlowTest, CancelledConfirmationChangesNothing) {
    const fs::path d = tmp / "d", e = tmp / "e";
    writeSettings(cand(d), "HX710T", "d");
    writeSettings(cand(e), "HX710T", "e");
    writeSettings(backup(), "HX710T", "backup");
    open({d, e});
    choose(e);
    calls.clear();
    host.answers = {ui::Answer::Cancel};
    flow->save();
    EXPECT_EQ(texts(), std::vector<std::string>{"Confirm save all the data ?"});
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(markerOf(cand(d)), "d");
    EXPECT_EQ(markerOf(cand(e)), "e");
    EXPECT_EQ(markerOf(backup()), "backup");
}

TEST_F(CardSaveFlowTest, SaveAfterRemovalReportsVolumeRebuildsListAndWritesNothing) {
    const fs::path e = tmp / "e", f = tmp / "f";
    sys = tmp / "z-sys";  // the rebuilt list keeps slot order, not alphabetical order
    fs::create_directories(sys);
    fs::create_directories(e);
    fs::create_directories(f);
    open({e, f});
    ASSERT_EQ(flow->cardFilePath(), cand(f));
    fs::remove_all(f);
    flow->save();

    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, "Can't find volume \"" + platform::Volumes::rootText(f) +
                                      "\",Please check connection of your device and try again !");
    EXPECT_EQ(host.boxes[0].caption, "QVT_Tips");
    EXPECT_EQ(host.boxes[0].icon, ui::Icon::Warning);
    EXPECT_EQ(items(), (std::vector<std::string>{cand(sys), cand(e)}));
    EXPECT_EQ(selected(), cand(e));
    EXPECT_EQ(flow->cardFilePath(), cand(e));
    EXPECT_TRUE(calls.empty());
    EXPECT_FALSE(fs::exists(e / "GSM"));
    EXPECT_FALSE(fs::exists(backup()));

    // With nothing left at all the rebuild says so.
    host.boxes.clear();
    fs::remove_all(e);
    fs::remove_all(sys);
    flow->save();
    ASSERT_EQ(host.boxes.size(), 2u);
    EXPECT_EQ(host.boxes[1].text, "Error : No disk is valid,Please reboot and try again !");
    EXPECT_EQ(host.boxes[1].icon, ui::Icon::Error);
    EXPECT_TRUE(items().empty());
}

TEST_F(CardSaveFlowTest, SaveStaysOnCheckedVolumeWhenAnotherVanished) {
    const fs::path e = tmp / "e", f = tmp / "f";
    fs::create_directories(e);
    fs::create_directories(f);
    open({e, f});
    choose(sys);
    fs::remove_all(f);  // the drop-down rule of the save then selects the last item, E
    flow->save();
    EXPECT_EQ(items(), (std::vector<std::string>{cand(sys), cand(e)}));
    EXPECT_EQ(selected(), cand(sys));
    EXPECT_EQ(markerOf(cand(sys)), "new");
    EXPECT_FALSE(fs::exists(cand(e)));
    EXPECT_EQ(texts().back(), report(sys));
}

TEST_F(CardSaveFlowTest, PathTextThatIsNoItemClosesTheDialog) {
    open({});
    dialog->clearSelection(kList);
    flow->save();
    EXPECT_EQ(texts(), std::vector<std::string>{
                           "The file directory \"\" is invalid, Please reboot the application and try again!"});
    EXPECT_EQ(host.boxes[0].icon, ui::Icon::Error);
    EXPECT_TRUE(dialog->ended());
    EXPECT_EQ(dialog->result(), ui::Result::Cancel);
    EXPECT_TRUE(calls.empty());
}

TEST_F(CardSaveFlowTest, ReadOnlyCardFileIsReplaced) {
    const fs::path e = tmp / "e";
    writeSettings(cand(e), "HX710T", "old");
    test::writeFile(cand(e), test::readFile(cand(e)) + "Stale=1\r\n");
    fs::permissions(cand(e), fs::perms::owner_read | fs::perms::group_read);
    open({e});
    flow->save();
    EXPECT_EQ(markerOf(cand(e)), "new");
    EXPECT_FALSE(ProfileFile::load(cand(e))->contains("Camera Setting", "Stale"));  // written from scratch
    EXPECT_FALSE(platform::isReadOnlyPath(cand(e)));
    EXPECT_EQ(texts().back(), report(e));
}

TEST_F(CardSaveFlowTest, BackupFailureFollowsTheSuccessReport) {
    test::writeFile(sys / "LumbrakonBackup", "a file where the folder belongs");
    const fs::path e = tmp / "e";
    fs::create_directories(e);
    open({e});
    flow->save();
    EXPECT_EQ(markerOf(cand(e)), "new");
    ASSERT_EQ(host.boxes.size(), 3u);
    EXPECT_EQ(host.boxes[1].text, report(e));
    EXPECT_EQ(host.boxes[2].text, "Error : The back-up copy could not be saved in : \" " + backup().string() + " \" !");
    EXPECT_EQ(host.boxes[2].explanation.rfind("The system says: ", 0), 0u) << host.boxes[2].explanation;
    EXPECT_EQ(host.boxes[2].caption, "QVT Tips");
    EXPECT_EQ(host.boxes[2].icon, ui::Icon::Warning);
}

TEST_F(CardSaveFlowTest, AFailedCardWriteSaysWhyAndWhereTheNewValuesAre) {
    const fs::path e = tmp / "e";
    const std::string keptOnPc = "\nThe new values are kept in the PC's copy: " + backup().string();
    const struct {
        std::error_code error;
        std::string why;
    } rows[] = {
        {std::make_error_code(std::errc::read_only_file_system),
         "The card is write-protected (read-only file system): check the card's lock switch.\nThe system says: " +
             std::make_error_code(std::errc::read_only_file_system).message() + "."},
        {std::make_error_code(std::errc::no_space_on_device),
         "The card is full.\nThe system says: " + std::make_error_code(std::errc::no_space_on_device).message() + "."},
        {std::make_error_code(std::errc::no_such_device),
         "The card was removed.\nThe system says: " + std::make_error_code(std::errc::no_such_device).message() + "."},
        {std::make_error_code(std::errc::permission_denied),
         "Permission denied: this user may not write to the card.\nThe system says: " +
             std::make_error_code(std::errc::permission_denied).message() + "."},
        {std::make_error_code(std::errc::io_error),
         "The system says: " + std::make_error_code(std::errc::io_error).message() + "."},
    };
    beforeCardWriteFails = [] {};
    for (const auto& row : rows) {
        fs::create_directories(e);
        writeError = row.error;
        open({e});
        flow->save();
        ASSERT_EQ(host.boxes.size(), 2u) << row.why;
        EXPECT_EQ(host.boxes[1].text, "Error : The data could not be saved in : \" " + cand(e) + " \" !");
        EXPECT_EQ(host.boxes[1].explanation, row.why + keptOnPc);
    }
    // A card pulled out while it was written is named so, whatever error the system gave.
    beforeCardWriteFails = [&] { fs::remove_all(e); };
    writeError = std::make_error_code(std::errc::no_such_file_or_directory);
    fs::create_directories(e);
    open({e});
    flow->save();
    ASSERT_EQ(host.boxes.size(), 2u);
    EXPECT_EQ(host.boxes[1].explanation, "The card was removed." + keptOnPc);
}

#ifdef __linux__
TEST_F(CardSaveFlowTest, WriteProtectedCardReportsAnErrorNotSuccess) {
    const fs::path e = tmp / "e";
    TmpfsMount card(e);
    QVT_MOUNT_OR_SKIP(card);
    writeSettings(cand(e), "HX710T", "old");
    ASSERT_TRUE(card.makeReadOnly());
    open({e});
    ASSERT_EQ(flow->cardFilePath(), cand(e));
    flow->save();
    ASSERT_EQ(host.boxes.size(), 2u);
    EXPECT_EQ(host.boxes[1].text, "Error : The data could not be saved in : \" " + cand(e) + " \" !");
    EXPECT_EQ(host.boxes[1].caption, "QVT Tips");
    EXPECT_EQ(host.boxes[1].icon, ui::Icon::Error);
    EXPECT_EQ(markerOf(cand(e)), "old");
    EXPECT_EQ(markerOf(backup()), "new");  // the PC copy is still written
}

TEST_F(CardSaveFlowTest, FullCardReportsAnErrorAndLeavesNoPartialFile) {
    const fs::path e = tmp / "e";
    TmpfsMount card(e);
    QVT_MOUNT_OR_SKIP(card);
    fs::create_directories(e / "GSM");
    card.fill();
    open({e});
    flow->save();
    EXPECT_EQ(texts().back(), "Error : The data could not be saved in : \" " + cand(e) + " \" !");
    EXPECT_TRUE(fs::is_empty(e / "GSM"));  // neither the file nor a temporary one
}

TEST_F(CardSaveFlowTest, UndeletableValidFileElsewhereStopsTheSweepButTheSaveGoesOn) {
    const fs::path d = tmp / "d", e = tmp / "e", f = tmp / "f";
    TmpfsMount locked(d);
    QVT_MOUNT_OR_SKIP(locked);
    writeSettings(cand(d), "HX710T", "d");
    ASSERT_TRUE(locked.makeReadOnly());
    writeSettings(cand(f), "HX710T", "f");
    fs::create_directories(e);
    open({d, e, f});
    choose(e);
    flow->save();
    ASSERT_EQ(host.boxes.size(), 3u);
    EXPECT_EQ(host.boxes[1].text, "Can't delete \"" + cand(d) + "\",Please delete it manually!");
    EXPECT_EQ(host.boxes[1].icon, ui::Icon::Warning);
    EXPECT_EQ(markerOf(cand(f)), "f");  // not visited after the failure
    EXPECT_EQ(host.boxes[2].text, report(e));
    EXPECT_EQ(markerOf(cand(e)), "new");

    EXPECT_FALSE(flow->deleteOtherCardFiles(e));
    EXPECT_TRUE(flow->deleteOtherCardFiles(d));  // D is kept, E and F go
    EXPECT_FALSE(fs::exists(cand(e)));
    EXPECT_FALSE(fs::exists(cand(f)));
}
#endif

// --- links and second names ------------------------------------------------------------------------

TEST_F(CardSaveFlowTest, LinksOnACardAreNeverFollowedOutOfIt) {
    struct Row {
        const char* name;
        bool linkIsGsm;  // the card's GSM folder is the link, else its HX710T.TXT
        bool atSave;     // another card's valid file at Save, else the target's invalid file at start
    };
    for (const Row row : {Row{"file-start", false, false}, Row{"gsm-start", true, false}, Row{"file-save", false, true},
                          Row{"gsm-save", true, true}}) {
        SCOPED_TRACE(row.name);
        const fs::path base = tmp / row.name, d = base / "d", e = base / "e", outside = base / "outside";
        const fs::path theirs = outside / "HX710T.TXT";
        writeSettings(theirs, row.atSave ? "HX710T" : "HX720U", "theirs");
        fs::permissions(theirs, fs::perms::owner_read);
        const fs::path linked = row.atSave ? d : e;  // start: E, the last volume, is the target
        fs::create_directories(linked);
        fs::create_directories(row.atSave ? e : d);
        if (row.linkIsGsm) {
            fs::create_directory_symlink(outside, linked / "GSM");
        } else {
            fs::create_directories(linked / "GSM");
            fs::create_symlink(theirs, cand(linked));
        }
        open({d, e});
        if (row.atSave) {
            choose(e);
            flow->save();
            EXPECT_EQ(markerOf(cand(e)), "new");
        }
        EXPECT_EQ(markerOf(theirs), "theirs");
        EXPECT_EQ(fs::status(theirs).permissions() & fs::perms::owner_write, fs::perms::none) << "mode unchanged";
    }
}

TEST_F(CardSaveFlowTest, AVolumeListedUnderASecondNameKeepsItsNewFile) {
    const fs::path e = tmp / "e", alias = tmp / "alias";
    writeSettings(cand(e), "HX710T", "old");
    fs::create_directory_symlink(e, alias);  // the same card once more, e.g. a link or a bind mount
    open({e, alias});
    choose(e);
    flow->save();
    EXPECT_EQ(markerOf(cand(e)), "new");
    EXPECT_EQ(texts().back(), report(e));
}

}  // namespace
}  // namespace qvt::settings
