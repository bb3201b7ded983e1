#include "qt/GuiMain.h"

#include <QApplication>
#include <QIcon>

#include "app/Application.h"
#include "qt/DialogWindow.h"
#include "qt/QtHost.h"

namespace qvt::qt {

int RunGui(int& argc, char** argv, qvt::app::AppContext& context) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QVT CONFIG"));
    LoadImages();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/app.png")));
    // The dialogs end the program themselves; a hidden selection window must not end it early.
    QApplication::setQuitOnLastWindowClosed(false);
    QtHost host;
    app::ConfigApp(host, context).InitInstance();
    return 0;
}

}  // namespace qvt::qt
