// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include "platform/RegistryStore.h"
#include "platform/Volumes.h"
#include "support/TestSupport.h"

namespace fs = std::filesystem;
using qvt::platform::RegistryStore;
using qvt::platform::Volumes;
using qvt::test::TempDir;

TEST(RegistryStore, KeysAreFoldersAndTheDefaultValueIsAFileWithTheTextAlone) {
    TempDir root;
    RegistryStore store(root.path());
    const char* key = "Software\\Lumbrakon\\UserModelSel";
    EXPECT_FALSE(store.queryDefaultValue(key)) << "no key yet";
    ASSERT_TRUE(store.createKey(key));
    EXPECT_FALSE(store.queryDefaultValue(key)) << "a key without its value file has no readable value";
    ASSERT_TRUE(store.setDefaultValue(key, "-1"));
    const fs::path file = root / "registry/Software/Lumbrakon/UserModelSel/(Default)";
    EXPECT_EQ(qvt::test::readFile(file), "-1");
    EXPECT_EQ(store.queryDefaultValue(key), "-1");

    EXPECT_FALSE(store.deleteKey("Software\\Lumbrakon")) << "a key with sub-keys is not deleted";
    EXPECT_TRUE(store.deleteKey(key));
    EXPECT_TRUE(store.deleteKey("Software\\Lumbrakon"));
    EXPECT_FALSE(fs::exists(root / "registry/Software/Lumbrakon"));
    EXPECT_FALSE(store.deleteKey(key)) << "deleting a missing key fails quietly";
}

TEST(RegistryStore, AKeyThatCannotBeCreatedIsReported) {
    TempDir root;
    qvt::test::writeFile(root / "registry/Software", "a file where a key must be");
    RegistryStore store(root.path());
    EXPECT_FALSE(store.createKey("Software\\Lumbrakon\\UserModelSel"));
    EXPECT_FALSE(store.setDefaultValue("Software\\Lumbrakon\\UserModelSel", "3"));
}

