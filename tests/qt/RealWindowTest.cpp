// SPDX-License-Identifier: Apache-2.0
// The settings windows as a person uses them: real key presses and clicks on real widgets.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>

#include "dialogs/Catalogue.h"
#include "app/ProductSelectDialog.h"
#include "dialogs/AdvancedSetupDialog.h"
#include "support/DialogTestHost.h"
#include "dialogs/Hx710t.h"
#include "dialogs/DialogParts.h"
#include "dialogs/SettingsDialog.h"
#include "dialogs/WapInternetDialog.h"
#include "operators/OperatorTables.h"
#include "qt/QtTestSupport.h"
#include "ui/IpText.h"
#include "operators/MessagingState.h"

namespace qvt::test {
namespace {

using dialogs::WapInternetDialog;
using namespace ui;

// A laptop of 1366x768 with a task bar, less a title bar.
constexpr int kScreenWidth = 1366;
constexpr int kScreenHeight = 728 - 32;

struct Product {
    const char* modelCode;
    const char* name;
    int defaultButton;
};
const Product kProducts[] = {{"HX710T", "hx710t", 1080}, {"HX720U", "hx720u", 1080}, {"LP300", "lp300", 1080},
                             {"VEX 2.0", "vex2", 1080},   {"HX330", "hx330", 1003}};

// One settings window on a PC with a card, shown and active.
struct SettingsWindow {
    // `prepare` puts files on the PC and the card before the window opens.
    explicit SettingsWindow(const char* modelCode, const std::function<void(TestPc&)>& prepare = {}) {
        if (prepare) prepare(pc);
        pc.context.CurrentModelCode = modelCode;
        dialog = dialogs::createSettingsDialog(*dialogs::findProductByModelCode(modelCode), host, pc.context);
        dialog->init();
        window = std::make_unique<qt::DialogWindow>(*dialog);
        window->refresh();
        showActive(window.get());
    }
    QListWidget* list(int id) const { return widgetOf<QListWidget>(window.get(), id); }

    TestPc pc;
    ScriptedHost host;
    std::unique_ptr<Dialog> dialog;
    std::unique_ptr<qt::DialogWindow> window;
};

void clickRow(QListWidget* list, const QString& text) {
    const QList<QListWidgetItem*> items = list->findItems(text, Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1) << text.toStdString();
    list->scrollToItem(items.front());
    QApplication::processEvents();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(items.front()).center());
}

// The rows a list box shows selected.
std::vector<int> shown(QListWidget* list) {
    std::vector<int> selected;
    for (QListWidgetItem* item : list->selectedItems()) selected.push_back(list->row(item));
    return selected;
}

// Keys typed one by one where the window's keyboard focus is at that moment (it moves as they are typed).
QWidget* g_window = nullptr;
QWidget* focusedWidget() {
    return g_window->focusWidget() ? g_window->focusWidget() : g_window;
}
void typeKeys(const char* text) {
    for (const char* c = text; *c; ++c) QTest::keyClicks(focusedWidget(), QString(QLatin1Char(*c)));
}
void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(focusedWidget(), key, modifiers);
}

std::vector<int> only(int row) {
    return row < 0 ? std::vector<int>{} : std::vector<int>{row};
}

std::string readWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// ---- every window fits a laptop screen ------------------------------------------------------------

QSize openingSize(Dialog& dialog) {
    dialog.init();
    qt::DialogWindow window(dialog);
    window.refresh();
    return window.sizeHint();
}

class SettingsWindowSize : public ::testing::TestWithParam<Product> {};

TEST_P(SettingsWindowSize, FitsALaptopScreenWithFooterInView) {
    SettingsWindow w(GetParam().modelCode);
    w.dialog->notify(GetParam().defaultButton, Event::Clicked);
    w.window->refresh();
    const QSize size = w.window->sizeHint();
    std::printf("%s window %dx%d\n", GetParam().modelCode, size.width(), size.height());
    EXPECT_LE(size.width(), kScreenWidth);
    EXPECT_LE(size.height(), kScreenHeight);
    // At that size the footer is inside the window.
    w.window->resize(size.boundedTo(QSize(kScreenWidth, kScreenHeight)));
    QApplication::processEvents();
    for (QWidget* footer : {widgetOf(w.window.get(), 1), widgetOf(w.window.get(), 2), static_cast<QWidget*>(w.window->targetLabel())}) {
        ASSERT_NE(footer, nullptr);
        const QRect at(footer->mapTo(w.window.get(), QPoint(0, 0)), footer->size());
        EXPECT_TRUE(w.window->rect().contains(at)) << footer->objectName().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Products, SettingsWindowSize, ::testing::ValuesIn(kProducts),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(WindowSize, EditorAdvancedSetupAndProductSelectionFitALaptopScreen) {
    TestPc pc;
    ScriptedHost host;
    pc.context.CurrentModelCode = "HX720U";
    WapInternetDialog editor(host, pc.context);
    dialogs::AdvancedSetupDialog advanced(host);
    app::ProductSelectDialog selection(host, pc.context);
    for (const QSize size : {openingSize(editor), openingSize(advanced), openingSize(selection)}) {
        std::printf("window %dx%d\n", size.width(), size.height());
        EXPECT_LE(size.width(), kScreenWidth);
        EXPECT_LE(size.height(), kScreenHeight);
    }
}

TEST(WindowSize, AWindowOpensInsideTheScreensFreeArea) {
    TestPc pc;
    ScriptedHost host;
    dialogs::AdvancedSetupDialog advanced(host);
    advanced.init();
    qt::DialogWindow window(advanced);
    window.refresh();
    const QRect area = window.screen()->availableGeometry();
    window.move(area.right() - 20, area.bottom() - 20);  // mostly past the corner
    window.show();
    QApplication::processEvents();
    EXPECT_TRUE(area.contains(window.frameGeometry())) << window.frameGeometry().x() << "," << window.frameGeometry().y();
}

// ---- Enter on a focused button --------------------------------------------------------------------

TEST(EnterKey, OnAFocusedButtonPressesThatButtonElsewhereTheDefault) {
    {  // Exit in a settings window leaves without the save question.
        SettingsWindow w("HX710T");
        g_window = w.window.get();
        widgetOf(w.window.get(), 2)->setFocus(Qt::TabFocusReason);
        Key(Qt::Key_Return);
        EXPECT_TRUE(w.dialog->ended());
        EXPECT_EQ(w.dialog->result(), Result::Cancel);
        EXPECT_TRUE(w.host.boxes.empty()) << w.host.boxes.front().text;
    }
    {  // Enter in a field still means Save, the default button: it asks to confirm.
        SettingsWindow w("HX710T");
        w.host.answers = {Answer::Cancel};
        g_window = w.window.get();
        widgetOf(w.window.get(), 1134)->setFocus(Qt::TabFocusReason);
        Key(Qt::Key_Return);
        EXPECT_FALSE(w.dialog->ended());
        ASSERT_FALSE(w.host.boxes.empty());
        EXPECT_EQ(w.host.boxes.front().text, "Confirm save all the data ?");
    }
    for (const bool product : {false, true}) {  // Cancel(&N) in the editor, Exit in the product selection
        TestPc pc;
        ScriptedHost host;
        pc.context.CurrentModelCode = "HX710T";
        std::unique_ptr<Dialog> dialog;
        if (product)
            dialog = std::make_unique<app::ProductSelectDialog>(host, pc.context);
        else
            dialog = std::make_unique<WapInternetDialog>(host, pc.context);
        host.onWindow = [](qt::DialogWindow& window, int) {
            g_window = &window;
            widgetOf(&window, 2)->setFocus(Qt::TabFocusReason);
            Key(Qt::Key_Return);
        };
        EXPECT_EQ(host.runModal(*dialog), Result::Cancel) << product;
        EXPECT_TRUE(host.boxes.empty()) << product;
    }
}

// ---- the IP-address control -----------------------------------------------------------------------

TEST(IpText, ParsesFourDottedOctets) {
    using Octets = std::array<int, 4>;
    EXPECT_EQ(parseDottedOctets("10.0.0.1"), (Octets{10, 0, 0, 1}));
    EXPECT_EQ(parseDottedOctets("255.255.255.255"), (Octets{255, 255, 255, 255}));
    EXPECT_EQ(parseDottedOctets("1..2."), (Octets{1, -1, 2, -1}));
    EXPECT_EQ(parseDottedOctets("..."), (Octets{-1, -1, -1, -1}));
    for (const char* bad : {"", "1.2.3", "1.2.3.4.5", "1.2.3.256", "1.2.3.0004", "1.2.3.a", " 1.2.3.4", "1-2.3.4"})
        EXPECT_EQ(parseDottedOctets(bad), std::nullopt) << bad;
}

// The parameter editor in user-defined mode, shown and active as a person would meet it.
struct UserDefinedEditor {
    UserDefinedEditor() {
        editor.init();
        window.emplace(editor);  // after init, as the front end builds it
        window->refresh();
        showActive(&*window);
        g_window = &*window;
    }
    static TestPc& configured(TestPc& pc) {
        pc.context.CurrentModelCode = "HX710T";
        pc.context.messaging().editorMode = 0;
        return pc;
    }
    TestPc pc;
    ScriptedHost host;
    WapInternetDialog editor{host, configured(pc).context};
    std::optional<qt::DialogWindow> window;
};

struct Typing {
    const char* name;
    std::function<void(qt::IpAddressEdit*)> keys;
    std::array<int, 4> octets;
};

class IpTyping : public ::testing::TestWithParam<Typing> {};

TEST_P(IpTyping, TypesLikeThePlatformsControl) {
    UserDefinedEditor e;
    WapInternetDialog& editor = e.editor;
    auto* ip = dynamic_cast<qt::IpAddressEdit*>(e.window->controlWidget(WapInternetDialog::kIp));
    ASSERT_NE(ip, nullptr);
    ip->octetEdit(0)->setFocus(Qt::TabFocusReason);
    GetParam().keys(ip);
    EXPECT_EQ(editor.octets(WapInternetDialog::kIp), GetParam().octets);
    EXPECT_EQ(ip->octets(), GetParam().octets);
}


INSTANTIATE_TEST_SUITE_P(
    Keys, IpTyping,
    ::testing::Values(
        Typing{"Dotted", [](auto*) { typeKeys("10.0.0.1"); }, {10, 0, 0, 1}},
        Typing{"FullOctetsMoveOn", [](auto*) { typeKeys("192168001020"); }, {192, 168, 1, 20}},
        Typing{"PointAfterFullOctet", [](auto*) { typeKeys("192.168.1.20"); }, {192, 168, 1, 20}},
        Typing{"CommaAndBlank", [](auto*) { typeKeys("1,2 3.4"); }, {1, 2, 3, 4}},
        Typing{"Above255Refused", [](auto*) { typeKeys("256.3"); }, {25, 3, -1, -1}},
        Typing{"BackspaceGoesBack",
               [](auto*) {
                   typeKeys("12.34");
                   for (int i = 0; i < 3; ++i) Key(Qt::Key_Backspace);
                   typeKeys("5");
               },
               {125, -1, -1, -1}},  // back at the end of "12"
        Typing{"PasteFillsAll",
               [](auto*) {
                   QApplication::clipboard()->setText(QStringLiteral(" 172.16.5.4 "));
                   QTest::keySequence(focusedWidget(), QKeySequence::Paste);
               },
               {172, 16, 5, 4}}),
    [](const auto& test) { return std::string(test.param.name); });

// ---- "Others" in the real window -------------------------------------------------------------------

struct OthersCase {
    const char* name;
    bool operatorList;  // "Others" of the operator list, else of the country list
    bool byKey;         // End in the list, else a click
    bool ok;            // the editor confirmed, else cancelled with Esc
};

class OthersInTheWindow : public ::testing::TestWithParam<OthersCase> {};

TEST_P(OthersInTheWindow, ListsShowWhatIsInEffectAndSaveWritesIt) {
    using dialogs::hx710t::kCountryList;
    using dialogs::hx710t::kOperatorList;
    const OthersCase& c = GetParam();
    SettingsWindow w("HX710T");
    w.dialog->notify(1080, Event::Clicked);  // Default: values to save
    w.window->refresh();
    clickRow(w.list(kCountryList), "Australia");
    const operators::MessagingState before = w.pc.context.messaging();
    ASSERT_EQ(before.countryName, "Australia");
    ASSERT_FALSE(before.operatorName.empty());

    w.host.onWindow = [&](qt::DialogWindow& editor, int) {
        if (!c.ok) {
            QTest::keyClick(&editor, Qt::Key_Escape);
            return;
        }
        auto* ip = dynamic_cast<qt::IpAddressEdit*>(editor.controlWidget(WapInternetDialog::kIp));
        g_window = &editor;
        ip->octetEdit(0)->setFocus(Qt::TabFocusReason);
        typeKeys("10.0.0.1");
        QTest::mouseClick(widgetOf(&editor, 1), Qt::LeftButton);
    };
    QListWidget* list = w.list(c.operatorList ? kOperatorList : kCountryList);
    if (c.byKey) {
        list->setFocus(Qt::TabFocusReason);
        QTest::keyClick(list, Qt::Key_End);
    } else {
        clickRow(list, "Others");
    }
    QTest::qWait(20);  // whatever Qt still has queued from the click or key
    EXPECT_EQ(w.host.windowsOpened, 1) << "the editor opens once";

    const operators::MessagingState& state = w.pc.context.messaging();
    for (int id : {kCountryList, kOperatorList}) {
        EXPECT_EQ(shown(w.list(id)), only(w.dialog->sel(id))) << id;
        if (w.dialog->sel(id) >= 0) {
            EXPECT_EQ(w.list(id)->currentRow(), w.dialog->sel(id)) << id;
        }
    }
    // The list taking the focus again (as when the window comes back) chooses nothing.
    const int selectedBefore = w.dialog->sel(c.operatorList ? kOperatorList : kCountryList);
    list->clearFocus();
    list->setFocus(Qt::ActiveWindowFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(w.dialog->sel(c.operatorList ? kOperatorList : kCountryList), selectedBefore);
    EXPECT_EQ(shown(list), only(selectedBefore));
    if (c.ok) {
        EXPECT_EQ(state.params.IP, "10.0.0.1");
        EXPECT_EQ(state.countryName, "");
        EXPECT_EQ(w.dialog->sel(kCountryList), -1);
        EXPECT_EQ(w.dialog->count(kOperatorList), 0);
    } else {
        EXPECT_EQ(state.params.IP, before.params.IP);
        EXPECT_EQ(state.countryName, "Australia");
        EXPECT_EQ(state.operatorName, before.operatorName);
        EXPECT_EQ(w.dialog->selText(kCountryList), "Australia");
        EXPECT_EQ(w.dialog->selText(kOperatorList), before.operatorName);
    }
    // Save writes what is in effect.
    QTest::mouseClick(widgetOf(w.window.get(), 1), Qt::LeftButton);
    const std::string file = readWholeFile(w.pc.cardFile());
    EXPECT_NE(file.find("\nIP=" + (c.ok ? std::string("10.0.0.1") : before.params.IP) + "\r\n"), std::string::npos)
        << file;
}

INSTANTIATE_TEST_SUITE_P(Lists, OthersInTheWindow,
                         ::testing::Values(OthersCase{"CountryClickOk", false, false, true},
                                           OthersCase{"CountryEndOk", false, true, true},
                                           OthersCase{"CountryClickCancel", false, false, false},
                                           OthersCase{"CountryEndCancel", false, true, false},
                                           OthersCase{"OperatorClickOk", true, false, true},
                                           OthersCase{"OperatorEndOk", true, true, true},
                                           OthersCase{"OperatorClickCancel", true, false, false},
                                           OthersCase{"OperatorEndCancel", true, true, false}),
                         [](const auto& test) { return std::string(test.param.name); });

// ---- steady layout ---------------------------------------------------------------------------------

TEST(SteadyLayout, SendModeClicksMoveNothingElseAndTheColonGoesWithTheTimes) {
    SettingsWindow w("HX710T");
    w.window->resize(w.window->sizeHint());
    QApplication::processEvents();
    QWidget* minute = widgetOf(w.window.get(), 1061);
    QLabel* colon = nullptr;
    for (QLabel* label : minute->parentWidget()->findChildren<QLabel*>())
        if (label->text() == QStringLiteral(":") && std::abs(label->y() - minute->y()) < minute->height()) colon = label;
    ASSERT_NE(colon, nullptr);
    auto geometry = [&] {
        std::vector<QRect> at;
        for (int id : {1062, 1083, 1065, 1066, 1110, 1134, 1057, 1058})
            at.push_back(QRect(widgetOf(w.window.get(), id)->mapTo(w.window.get(), QPoint(0, 0)),
                               widgetOf(w.window.get(), id)->size()));
        return at;
    };
    const std::vector<QRect> start = geometry();
    for (int radio : {1056, 1055, 1057, 1058, 1056}) {
        clickWidget(widgetOf(w.window.get(), radio));
        QApplication::processEvents();
        EXPECT_EQ(geometry(), start) << radio;
        EXPECT_EQ(colon->isVisibleTo(w.window.get()), w.dialog->visible(1061)) << radio;
    }
    EXPECT_TRUE(colon->isVisibleTo(w.window.get())) << "Daily Report shows the time";
}

// ---- a legible review --------------------------------------------------------------------------

TEST(Review, ValuesToCheckAreReadOnlyAtFullContrastMailFieldsEditable) {
    TestPc pc;
    ScriptedHost host;
    pc.context.CurrentModelCode = "HX710T";
    operators::MessagingState& state = pc.context.messaging();
    const int country = operators::findCountry("Australia");
    state.countryName = "Australia";
    state.operatorName = "Telstra";
    state.params = operators::paramsAt(country, operators::findOperator(country, "Telstra"));
    state.editorMode = 1;
    WapInternetDialog editor(host, pc.context);
    editor.init();
    qt::DialogWindow window(editor);
    window.refresh();
    showActive(&window);

    auto* url = widgetOf<QLineEdit>(&window, 1097);
    auto* server = widgetOf<QLineEdit>(&window, 1103);
    auto* ip = dynamic_cast<qt::IpAddressEdit*>(window.controlWidget(WapInternetDialog::kIp));
    EXPECT_TRUE(url->isEnabled());
    EXPECT_TRUE(url->isReadOnly());
    EXPECT_EQ(url->text().toStdString(), state.params.URL);
    EXPECT_TRUE(ip->isEnabled() && ip->octetEdit(0)->isReadOnly());
    EXPECT_EQ(ip->octetEdit(0)->text(), QStringLiteral("10"));
    EXPECT_FALSE(server->isReadOnly());
    EXPECT_NE(url->palette().color(QPalette::Base), server->palette().color(QPalette::Base))
        << "read-only fields do not look editable";
    EXPECT_EQ(url->palette().color(QPalette::Text), server->palette().color(QPalette::Text)) << "full contrast";
    // Selectable and copyable, but typing changes nothing.
    url->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(url, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(url->selectedText(), url->text());
    QTest::keyClicks(url, "x");
    EXPECT_EQ(editor.text(1097), state.params.URL);
    EXPECT_FALSE(widgetOf(&window, WapInternetDialog::kClear)->isEnabled());
}

// ---- the target card, the first opening, names for every field ---------------------------------

TEST(TargetCard, TheLineBesidePathListNamesTheVolume) {
    TempDir dir;
    const std::filesystem::path card = dir.path() / "CARD";
    std::filesystem::create_directories(card / "GSM");
    EXPECT_EQ(qt::describeVolume(QString::fromStdString((dir.path() / "GSM" / "HX710T.TXT").string()), ui::PathListInfo{dir.path(), "GSM"}),
              QStringLiteral("This PC (no memory card found)"));
    const QString onCard = qt::describeVolume(QString::fromStdString((card / "GSM" / "HX710T.TXT").string()), ui::PathListInfo{dir.path(), "GSM"});
    EXPECT_TRUE(onCard.startsWith(QStringLiteral("Memory card \u201CCARD\u201D, "))) << onCard.toStdString();
    EXPECT_EQ(qt::describeVolume({}, ui::PathListInfo{dir.path(), "GSM"}), QString());

    SettingsWindow w("HX710T");
    ASSERT_NE(w.window->targetLabel(), nullptr);
    EXPECT_EQ(w.window->targetLabel()->text(),
              qt::describeVolume(QString::fromStdString(w.dialog->selText(dialogs::hx710t::kPathList)),
                                 *w.dialog->pathListInfo()));
    EXPECT_TRUE(w.window->targetLabel()->text().startsWith(QStringLiteral("Memory card \u201Ccard\u201D")))
        << w.window->targetLabel()->text().toStdString();
}

TEST(FirstOpen, ANoteSaysNoFileWasFoundUntilValuesAreSet) {
    SettingsWindow w("HX710T");
    ASSERT_NE(w.window->firstOpenNote(), nullptr);
    EXPECT_TRUE(w.window->firstOpenNote()->isVisibleTo(w.window.get()));
    clickWidget(widgetOf(w.window.get(), 1080));
    EXPECT_FALSE(w.window->firstOpenNote()->isVisibleTo(w.window.get()));
}

// The note names what happened to the card's file: unreadable and kept (whatever values the window
// shows), or read only in part; never "not found" for a file that is there.
TEST(FirstOpen, TheNoteSaysAnUnreadableCardFileIsKeptAndAShortFileWasReadInPart) {
    SettingsWindow damaged("HX710T", [](TestPc& pc) { test::writeFile(pc.cardFile(), "\x01garbage\r\nIP=10.1.2.3\r\n"); });
    QLabel* note = damaged.window->firstOpenNote();
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(note->isVisibleTo(damaged.window.get()));
    EXPECT_TRUE(note->text().contains(QStringLiteral("could not be read"))) << note->text().toStdString();
    clickWidget(widgetOf(damaged.window.get(), 1080));
    EXPECT_TRUE(note->isVisibleTo(damaged.window.get())) << "the file is still kept";

    SettingsWindow cut("HX710T", [](TestPc& pc) { test::writeFile(pc.cardFile(), "[QVTFileMark]\r\nModel=HX710T\r\n"); });
    note = cut.window->firstOpenNote();
    EXPECT_TRUE(note->isVisibleTo(cut.window.get()));
    EXPECT_TRUE(note->text().contains(QStringLiteral("read only in part"))) << note->text().toStdString();
}

TEST(Accessible, EveryFieldHasANameAndThePlusButtonATip) {
    for (const Product& p : kProducts) {
        SettingsWindow w(p.modelCode);
        for (QWidget* field : w.window->findChildren<QWidget*>()) {
            const bool input = qobject_cast<QLineEdit*>(field) || qobject_cast<QComboBox*>(field) ||
                               qobject_cast<QListWidget*>(field);
            const QString name = field->objectName();
            if (!input || (!name.startsWith(QLatin1Char('c')) && !name.startsWith(QStringLiteral("octet")))) continue;
            EXPECT_FALSE(field->accessibleName().isEmpty()) << p.modelCode << " " << field->objectName().toStdString();
        }
        if (QWidget* plus = widgetOf<QPushButton>(w.window.get(), 1002); plus && w.dialog->tmpl().find(1001)) {
            EXPECT_EQ(plus->toolTip(), QStringLiteral("Choose the game-call sound")) << p.modelCode;
        }
    }
}

// ---- pictures for dense screens ------------------------------------------------------------------

TEST(Images, EveryPictureHasADoubleDensityDrawingOfTheSameLogicalSize) {
    for (const char* name : {"banner", "banner_select", "logo", "photo_none", "photo_hx710t", "photo_hx720u", "photo_lp300",
                             "photo_vex2", "photo_pn250r", "photo_hx330", "photo_pn450rt", "photo_hx460t"}) {
        const QPixmap plain = qt::loadImage(name, 1.0);
        const QPixmap dense = qt::loadImage(name, 2.0);
        ASSERT_FALSE(plain.isNull()) << name;
        EXPECT_EQ(dense.devicePixelRatio(), 2.0) << name;
        EXPECT_EQ(dense.size(), plain.size() * 2) << name;
        EXPECT_EQ(dense.deviceIndependentSize().toSize(), plain.size()) << name;
    }
}

// ---- the audio file dialog ---------------------------------------------------------------------------

TEST(AudioFileDialog, StartsInTheLastFolderUsed) {
    TempDir dir;
    const QString sound = QString::fromStdString((dir.path() / "call.mp3").string());
    QFile(sound).open(QIODevice::WriteOnly);
    ScriptedHost host;
    host.files = {sound, std::nullopt};
    const ui::FileRequest request = dialogs::audioFileRequest();
    host.openFile(nullptr, request);
    host.openFile(nullptr, request);
    ASSERT_EQ(host.fileDialogs.size(), 2u);
    EXPECT_NE(host.fileDialogs[0].directory, QString());
    EXPECT_EQ(QDir::cleanPath(host.fileDialogs[1].directory), QDir::cleanPath(QString::fromStdString(dir.path().string())));
    EXPECT_EQ(host.fileDialogs[1].filters, QStringList{"Audio files (*.mp3 *.wav *.aac)"});
}

}  // namespace
}  // namespace qvt::test

namespace qvt::test {
namespace {

// The keyboard-only end-to-end run counts Tab presses; these are the counts of the real focus chain.
TEST(FocusChain, TabsFromTheFirstFieldReachTheCountryListAndFromUrlTheAddress) {
    SettingsWindow w("HX710T");
    g_window = w.window.get();
    // Alt+D presses Default without taking the focus from the first field, where the window opened.
    EXPECT_EQ(focusedWidget(), widgetOf(w.window.get(), 1081)) << "the window opens in its first field";
    w.dialog->notify(1080, Event::Clicked);
    w.window->refresh();
    int tabs = 0;
    while (focusedWidget() != widgetOf(w.window.get(), dialogs::hx710t::kCountryList) && tabs < 100) {
        Key(Qt::Key_Tab);
        ++tabs;
    }
    EXPECT_EQ(tabs, 37);

    UserDefinedEditor e;
    EXPECT_EQ(focusedWidget(), widgetOf(&*e.window, 1097)) << "the editor opens in its first field";
    auto* ip = dynamic_cast<qt::IpAddressEdit*>(e.window->controlWidget(WapInternetDialog::kIp));
    tabs = 0;
    while (focusedWidget() != ip->octetEdit(0) && tabs < 100) {
        Key(Qt::Key_Tab);
        ++tabs;
    }
    EXPECT_EQ(tabs, 2);
}

}  // namespace
}  // namespace qvt::test
