// SPDX-License-Identifier: Apache-2.0
#pragma once
// Where the running program lives: the Windows build ships the conversion tool beside it.
#include <filesystem>

namespace qvt::platform {

// The folder of the running program ("" when unknown). Qt's answer while an application object
// exists; the operating system's otherwise (unit tests run without one).
std::filesystem::path programDir();

}  // namespace qvt::platform
