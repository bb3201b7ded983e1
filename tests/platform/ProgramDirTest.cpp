// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <QCoreApplication>

#include "platform/ProgramDir.h"

namespace fs = std::filesystem;

namespace qvt::platform {
namespace {

// The same folder (the one holding this test program) whether Qt or the system answers.
TEST(programDir, FolderOfTheRunningProgramWithAndWithoutAnApplication) {
    const fs::path self = fs::canonical("/proc/self/exe");
    EXPECT_EQ(fs::canonical(programDir()), self.parent_path());
    int argc = 1;
    char name[] = "qvt_tests_platform";
    char* argv[] = {name, nullptr};
    QCoreApplication application(argc, argv);
    EXPECT_EQ(fs::canonical(programDir()), self.parent_path());
}

}  // namespace
}  // namespace qvt::platform
