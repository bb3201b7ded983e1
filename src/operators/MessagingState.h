// SPDX-License-Identifier: Apache-2.0
#pragma once
// The one application-wide record of the current messaging choice. The country and operator lists
// keep it in step with the user's choice, the parameter editor shows and changes it, and the
// settings file reader and writer use its parameters directly.
#include <string>

#include "operators/OperatorTables.h"

namespace qvt::operators {

struct MessagingState {
    std::string countryName;   // country of the operator in use; empty when user-defined or nothing chosen
    std::string operatorName;  // operator in use; empty likewise
    OperatorParams params;     // what the settings file writes and the editor shows
    std::string smtpSsl;       // "0", "1" or empty; the camera reads it beside the parameters
    int editorMode = 1;        // how the editor opens: 1 review, 0 user-defined
    int smtpEdited = 0;        // 1 when the last confirmed edit changed an outgoing-mail field of a table operator
};

}  // namespace qvt::operators
