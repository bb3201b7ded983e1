// SPDX-License-Identifier: Apache-2.0
#include "app/Application.h"

#include "app/ProductSelectDialog.h"

namespace qvt::app {

bool ConfigApp::initInstance() {
    ProductSelectDialog dialog(host_, context_);
    host_.runModal(dialog);
    return false;  // the program ends when the selection dialog returns
}

}  // namespace qvt::app
