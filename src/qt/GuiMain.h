#pragma once
#include "app/AppContext.h"

namespace qvt::qt {

// Runs the program with real windows: the product selection, then the chosen settings dialog.
int RunGui(int& argc, char** argv, qvt::app::AppContext& context);

}  // namespace qvt::qt
