// SPDX-License-Identifier: Apache-2.0
#pragma once
#include "dialogs/AppContext.h"
#include "ui/Host.h"

namespace qvt::app {

// The program's start: runs the product selection dialog, which runs the chosen settings dialog;
// when it returns the program ends.
class ConfigApp {
public:
    ConfigApp(ui::Host& host, dialogs::AppContext& context) : host_(host), context_(context) {}
    bool initInstance();

private:
    ui::Host& host_;
    dialogs::AppContext& context_;
};

}  // namespace qvt::app
