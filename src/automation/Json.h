// SPDX-License-Identifier: Apache-2.0
#pragma once
// The few JSON texts the automation mode prints, one object per line.
#include <string>
#include <string_view>

#include "operators/MessagingState.h"
#include "ui/Dialog.h"

namespace qvt::automation {

// Quoted and escaped; every byte that is not part of well-formed UTF-8 is written as its Latin-1
// character (U+0080..U+00FF), so each line stays valid UTF-8 JSON.
std::string jsonString(std::string_view text);

std::string dumpDialog(const ui::Dialog& dialog);
std::string dumpControl(const ui::Dialog& dialog, int id);
std::string dumpState(const operators::MessagingState& state);

}  // namespace qvt::automation
