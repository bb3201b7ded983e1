#pragma once
// The few JSON texts the automation mode prints, one object per line.
#include <string>
#include <string_view>

#include "operators/MessagingState.h"
#include "ui/Dialog.h"

namespace qvt::automation {

std::string JsonString(std::string_view text);  // quoted and escaped

std::string DumpDialog(const ui::Dialog& dialog);
std::string DumpControl(const ui::Dialog& dialog, int id);
std::string DumpState(const operators::MessagingState& state);

}  // namespace qvt::automation
