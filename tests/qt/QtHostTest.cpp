// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "dialogs/DialogParts.h"
#include "qt/QtTestSupport.h"

namespace qvt::test {
namespace {

using namespace ui;

TEST(FileFilter, WindowsFilterBecomesQtFilters) {
    EXPECT_EQ(qt::convertFileFilter("Audio File(*.mp3,*.wav,*.aac)|*.mp3;*.wav;*.aac||"),
              QStringList{"Audio File(*.mp3,*.wav,*.aac) (*.mp3 *.wav *.aac)"});
    EXPECT_EQ(qt::convertFileFilter("Text (*.txt)|*.txt|All files|*.*||"),
              (QStringList{"Text (*.txt) (*.txt)", "All files (*.*)"}));
    EXPECT_TRUE(qt::convertFileFilter("").isEmpty());
    EXPECT_TRUE(qt::convertFileFilter("Only a name").isEmpty());
    EXPECT_EQ(qt::convertFileFilter("No patterns||Wav|*.wav"), QStringList{}) << "the empty pair ends the list";
    EXPECT_EQ(qt::convertFileFilter("Wav| *.wav ;;"), QStringList{"Wav (*.wav)"});
}

// A dialog whose opening and buttons run a test's code.
class ScriptDialog : public Dialog {
public:
    ScriptDialog(Host& host, std::string title) : Dialog(host, dialogTemplate(std::move(title))) {}
    std::function<void(ScriptDialog&)> whenOpened;
    std::function<void(ScriptDialog&)> whenApplied;

    static DialogTemplate dialogTemplate(std::string title) {
        DialogTemplate t;
        t.resourceId = 901;
        t.title = std::move(title);
        t.controls = {buttonSpec(1017, "Apply"), buttonSpec(1, "OK(&Y)", {.defaultButton = true}),
                      buttonSpec(2, "Exit(&N)")};
        t.layout = Row({ctrl(1017), stretch(), ctrl(1), ctrl(2)});
        return t;
    }

protected:
    void onInit() override {
        if (whenOpened) whenOpened(*this);
    }
    void onNotify(int id, Event event) override {
        if (id == 1017 && event == Event::Clicked && whenApplied) whenApplied(*this);
    }
};

TEST(QtHost, MessageBoxesCarryTheProgramsNameWhenTheyHaveNoCaption) {
    ScriptedHost host;
    host.answers = {Answer::Cancel};
    EXPECT_EQ(host.messageBox(nullptr, "Confirm save all the data ?", "", Icon::Question, Buttons::OkCancel),
              Answer::Cancel);
    EXPECT_EQ(host.messageBox(nullptr, "Done", "QVT Tips", Icon::Information, Buttons::Ok), Answer::Ok);
    ASSERT_EQ(host.boxes.size(), 2u);
    EXPECT_EQ(host.boxes[0].caption, "QVT CONFIG");
    EXPECT_EQ(host.boxes[0].text, "Confirm save all the data ?");
    EXPECT_EQ(host.boxes[0].buttons, Buttons::OkCancel);
    EXPECT_EQ(host.boxes[1].caption, "QVT Tips");
    EXPECT_EQ(host.boxes[1].icon, Icon::Information);
}

TEST(QtHost, AnExplanationShowsUnderTheTextAsPlainText) {
    const QString why = QStringLiteral("The card is full.\nThe system says: <b>No space left on device</b>.");
    const auto box = qt::makeMessageBox(nullptr, QStringLiteral("Error : The data could not be saved"),
                                        QStringLiteral("QVT Tips"), Icon::Error, Buttons::Ok, {}, why);
    EXPECT_EQ(box->informativeText(), why);
    auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->textFormat(), Qt::PlainText);

    // The host hands the explanation and the details as the window words them to the box.
    ScriptedHost host;
    host.showMessage(nullptr, {"Confirm", "", Icon::Question, Buttons::OkCancel, "why", {"record"}, {"shown"}});
    host.showMessage(nullptr, {"Confirm", "", Icon::Question, Buttons::OkCancel, {}, {"record"}, {}});
    ASSERT_EQ(host.boxes.size(), 2u);
    EXPECT_EQ(host.boxes[0].caption, "QVT CONFIG");
    EXPECT_EQ(host.boxes[0].explanation, "why");
    EXPECT_EQ(host.boxes[0].details, "shown");
    EXPECT_EQ(host.boxes[1].explanation, "");
    EXPECT_EQ(host.boxes[1].details, "record") << "without a wording of their own the details show as recorded";
}

TEST(QtHost, OpenFileOffersTheConvertedFilterAndReportsCancel) {
    ScriptedHost host;
    host.files = {QString("/music/call.mp3"), std::nullopt};
    EXPECT_EQ(host.openFile(nullptr, dialogs::audioFileRequest()), "/music/call.mp3");
    EXPECT_EQ(host.openFile(nullptr, dialogs::audioFileRequest()), std::nullopt);
    ASSERT_EQ(host.fileFilters.size(), 2u);
    EXPECT_EQ(host.fileFilters[0], QStringList{"Audio files (*.mp3 *.wav *.aac)"});
    EXPECT_EQ(host.fileDialogs[0].title, QStringLiteral("Choose the game-call sound"));
}

TEST(QtHost, ADialogThatEndsWhileOpeningShowsNoWindow) {
    ScriptedHost host;
    ScriptDialog dialog(host, "Short");
    dialog.whenOpened = [](ScriptDialog& d) {
        d.message("Cannot open", "QVT Tips", Icon::Error);
        d.end(Result::Ok);
    };
    EXPECT_EQ(host.runModal(dialog), Result::Ok);
    EXPECT_EQ(host.windowsOpened, 0);
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_FALSE(host.boxes[0].parentVisible) << "the box comes before the window is on the screen";
}

TEST(QtHost, AModalRunEndsWithTheModelsResult) {
    ScriptedHost host;
    ScriptDialog dialog(host, "Plain");
    bool wasVisible = false;
    host.onWindow = [&](qt::DialogWindow& window, int) {
        wasVisible = window.isVisible();
        EXPECT_EQ(window.windowTitle(), "Plain");
        clickWidget(widgetOf(&window, 1));
    };
    EXPECT_EQ(host.runModal(dialog), Result::Ok);
    EXPECT_TRUE(wasVisible);
    EXPECT_EQ(host.windowOf(&dialog), nullptr) << "the window is gone once the run returns";

    ScriptDialog second(host, "Plain");
    host.onWindow = [&](qt::DialogWindow& window, int) { window.close(); };
    EXPECT_EQ(host.runModal(second), Result::Cancel);
}

TEST(QtHost, ANestedWindowBelongsToTheWindowThatOpenedIt) {
    ScriptedHost host;
    ScriptDialog outer(host, "Outer");
    ScriptDialog inner(host, "Inner");
    outer.whenApplied = [&](ScriptDialog& d) { d.host().runModal(inner); };
    inner.whenApplied = [](ScriptDialog& d) { d.message("From inside", "QVT Tips", Icon::Warning); };
    qt::DialogWindow* outerWindow = nullptr;
    bool innerOwned = false;
    bool boxOwnedByInner = false;
    host.onWindow = [&](qt::DialogWindow& window, int index) {
        if (index == 0) {
            outerWindow = &window;
            clickWidget(widgetOf(&window, 1017));  // opens the inner dialog, which runs to its end here
            EXPECT_TRUE(window.isVisible()) << "a dialog that still runs stays on the screen";
            pressKeyOn(&window, Qt::Key_Escape);
            return;
        }
        innerOwned = window.parentWidget() == outerWindow;
        clickWidget(widgetOf(&window, 1017));
        boxOwnedByInner = host.parentFor(&inner) == &window;
        pressKeyOn(&window, Qt::Key_Escape);
    };
    EXPECT_EQ(host.runModal(outer), Result::Cancel);
    EXPECT_EQ(host.windowsOpened, 2);
    EXPECT_TRUE(innerOwned);
    EXPECT_TRUE(boxOwnedByInner);
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_TRUE(host.boxes[0].parentVisible);
}

TEST(QtHost, RunProcessReportsStartFailureAndExitCode) {
    ScriptedHost host;
    ProcessRequest missing{"/nonexistent/qvt-no-such-tool", {}, "Converting", 0};
    const ProcessOutcome none = host.runProcess(nullptr, missing);
    EXPECT_FALSE(none.started);

    // Arguments reach the program untouched: no command interpreter splits them.
    ProcessRequest exits{"/bin/sh", {"-c", "test \"$1\" = 'a b;c' && exit 3", "sh", "a b;c"}, "Converting", 0};
    const ProcessOutcome done = host.runProcess(nullptr, exits);
    EXPECT_TRUE(done.started);
    EXPECT_FALSE(done.cancelled);
    EXPECT_FALSE(done.crashed);
    EXPECT_EQ(done.exitCode, 3);

    ProcessRequest crashes{"/bin/sh", {"-c", "kill -SEGV $$"}, "Converting", 0};
    EXPECT_TRUE(host.runProcess(nullptr, crashes).crashed);
}

TEST(QtHost, RunProcessMovesTheBarFromTheToolsProgressReports) {
    ScriptedHost host;
    int seen = -1;
    QString title;
    host.onProgress = [&](QProgressDialog& progress) {
        title = progress.windowTitle();
        auto* poll = new QTimer(&progress);
        QObject::connect(poll, &QTimer::timeout, [&seen, &progress] { seen = std::max(seen, progress.value()); });
        poll->start(10);
    };
    ProcessRequest request{
        "/bin/sh", {"-c", "echo out_time_us=5000000; echo progress=continue; sleep 1"}, "Converting audio", 10.0};
    // The bar follows what the request's own reader makes of each line (the audio module's reads
    // the conversion tool's reports).
    request.progressOf = [](std::string_view line) -> std::optional<double> {
        if (!line.starts_with("out_time_us=")) return std::nullopt;
        return std::stod(std::string(line.substr(12))) / 1e6;
    };
    const ProcessOutcome outcome = host.runProcess(nullptr, request);
    EXPECT_TRUE(outcome.started);
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_EQ(title, "Converting audio");
    EXPECT_EQ(seen, 500);
}

TEST(QtHost, CancelStopsTheProcess) {
    ScriptedHost host;
    host.onProgress = [](QProgressDialog& progress) {
        QTimer::singleShot(50, &progress, [&progress] {
            for (QPushButton* button : progress.findChildren<QPushButton*>())
                if (button->text() == "Cancel") button->click();
        });
    };
    QElapsedTimer clock;
    clock.start();
    const ProcessOutcome outcome = host.runProcess(nullptr, {"/bin/sleep", {"30"}, "Converting", 0});
    EXPECT_TRUE(outcome.started);
    EXPECT_TRUE(outcome.cancelled);
    EXPECT_FALSE(outcome.crashed);
    EXPECT_LT(clock.elapsed(), 20000) << "the process was stopped, not waited for";
}

}  // namespace
}  // namespace qvt::test
