// SPDX-License-Identifier: Apache-2.0
#pragma once
#include <memory>

#include "dialogs/AppContext.h"

class QCoreApplication;

namespace qvt::qt {

// The id of the desktop entry, the icons and the AppStream data.
inline constexpr const char* kDesktopId = "io.github.qvtconfig.QvtConfig";

// The application object: a QApplication for windows, else a QCoreApplication (no display needed).
// Either takes Qt's own options out of argc/argv. (Callers need no Qt header: the deleter lives here.)
using ApplicationPtr = std::unique_ptr<QCoreApplication, void (*)(QCoreApplication*)>;
ApplicationPtr makeApplication(int& argc, char** argv, bool windows);

// Runs the program with real windows: the product selection, then the chosen settings dialog.
// Needs the QApplication to exist.
int runGui(qvt::dialogs::AppContext& context);

}  // namespace qvt::qt
