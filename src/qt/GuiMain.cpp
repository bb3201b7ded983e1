// SPDX-License-Identifier: Apache-2.0
#include "qt/GuiMain.h"

#include <QApplication>
#include <QIcon>

#include "QvtVersion.h"
#include "app/Application.h"
#include "qt/DialogWindow.h"
#include "qt/QtHost.h"

namespace qvt::qt {

ApplicationPtr makeApplication(int& argc, char** argv, bool windows) {
    ApplicationPtr application(windows ? new QApplication(argc, argv) : new QCoreApplication(argc, argv),
                               [](QCoreApplication* a) { delete a; });
    QCoreApplication::setApplicationVersion(QStringLiteral(QVT_VERSION));
    return application;
}

int runGui(qvt::dialogs::AppContext& context) {
    QApplication::setApplicationName(QString::fromUtf8(ui::kAppName.data(), static_cast<qsizetype>(ui::kAppName.size())));
    // Docks and task switchers find the icon through the desktop entry.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopId));
    loadImages();
    QIcon icon;
    for (int size : {48, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1-%2.png").arg(QString::fromLatin1(kDesktopId)).arg(size));
    QApplication::setWindowIcon(icon);
    // The dialogs end the program themselves; a hidden selection window must not end it early.
    QApplication::setQuitOnLastWindowClosed(false);
    QtHost host;
    app::ConfigApp(host, context).initInstance();
    return 0;
}

}  // namespace qvt::qt
