#include "records/tool_setup.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/handle_count.h"
#include "tests/support/test_registry.h"

namespace {

class ToolSetupTest : public testing::Test {
 protected:
  void SetUp() override { DeleteKeyTree(kSuiteKey); }
  void TearDown() override {
    DeleteKeyTree(kSuiteKey);
    DeleteRootValues();
  }
  static void DeleteRootValues() {
    RegDeleteKeyValueA(HKEY_CURRENT_USER, nullptr, "Version");
    RegDeleteKeyValueA(HKEY_CURRENT_USER, nullptr, "ProductID");
  }
  CToolSetup setup;
};

TEST_F(ToolSetupTest, ReadsEachToolsVersionFromItsOwnKey) {
  for (ToolIndex tool = 0; tool < TOOL_COUNT; ++tool) {
    SetStringValue(ToolKeyPath(tool), "Version", std::to_string(tool) + ".0.0");
  }
  for (ToolIndex tool = 0; tool < TOOL_COUNT; ++tool) {
    EXPECT_EQ(std::to_string(tool) + ".0.0", setup.GetInstalledVersion(tool).GetString());
  }
}

TEST_F(ToolSetupTest, IndexOutsideTheSuiteMakesNoRegistryCall) {
  // An open of the empty key path would reach these values at the root of
  // the user's hive.
  SetStringValue("", "Version", "9.9.9");
  for (ToolIndex index : {4, -1, 100}) {
    EXPECT_STREQ("", setup.GetInstalledVersion(index).GetString()) << index;
  }
}

TEST_F(ToolSetupTest, MissingKeyOrValueGivesEmptyAndClosesTheKey) {
  SetStringValue(ToolKeyPath(TOOL_MERAK), "FullPath", "C:\\m.exe");
  int before = OwnHandleCount();
  EXPECT_STREQ("", setup.GetInstalledVersion(TOOL_MERAK).GetString());
  EXPECT_STREQ("", setup.GetInstalledVersion(TOOL_SOLEN).GetString());
  EXPECT_STREQ("", setup.GetInstalledProductCode().GetString());
  EXPECT_EQ(before, OwnHandleCount());
}

TEST_F(ToolSetupTest, TextOf255BytesComesWholeAndOf256BytesNotAtAll) {
  SetStringValue(ToolKeyPath(TOOL_MERAK), "Version", std::string(255, '1'));
  SetStringValue(ToolKeyPath(TOOL_SOLEN), "Version", std::string(256, '2'));
  EXPECT_EQ(std::string(255, '1'), setup.GetInstalledVersion(TOOL_MERAK).GetString());
  EXPECT_STREQ("", setup.GetInstalledVersion(TOOL_SOLEN).GetString());
}

TEST_F(ToolSetupTest, ValueWithoutTerminatorComesWholeAndNoFurther) {
  // A longer value first leaves its bytes in the buffer; the next, shorter
  // one without a terminator must not pick them up.
  SetStringValue(ToolKeyPath(TOOL_MERAK), "Version", std::string(200, '8'));
  SetRawValue(ToolKeyPath(TOOL_SOLEN), "Version", REG_SZ, "3.1.1");
  SetRawValue(ToolKeyPath(TOOL_VANTO), "Version", REG_BINARY, std::string(256, '5'));
  EXPECT_EQ(std::string(200, '8'), setup.GetInstalledVersion(TOOL_MERAK).GetString());
  EXPECT_STREQ("3.1.1", setup.GetInstalledVersion(TOOL_SOLEN).GetString());
  EXPECT_EQ(std::string(256, '5'), setup.GetInstalledVersion(TOOL_VANTO).GetString());
}

TEST_F(ToolSetupTest, ValuesOfOtherTypesAreReadAsTheirBytes) {
  SetRawValue(ToolKeyPath(TOOL_MERAK), "Version", REG_DWORD, std::string("\x05\0\0\0", 4));
  SetRawValue(ToolKeyPath(TOOL_SOLEN), "Version", REG_EXPAND_SZ,
              std::string("%VERSION%\0", 10));
  EXPECT_STREQ("\x05", setup.GetInstalledVersion(TOOL_MERAK).GetString());
  EXPECT_STREQ("%VERSION%", setup.GetInstalledVersion(TOOL_SOLEN).GetString());
}

TEST_F(ToolSetupTest, KeyTheUserMayReadButNotChangeReadsAsMissing) {
  SetStringValue(ToolKeyPath(TOOL_SOLEN), "Version", "3.1.1");
  SetStringValue(ToolKeyPath(TOOL_SOLEN), "FullPath", "C:\\s.exe");
  MakeKeyReadOnly(ToolKeyPath(TOOL_SOLEN));
  int before = OwnHandleCount();
  // All access rights are asked for: refused.
  EXPECT_STREQ("", setup.GetInstalledVersion(TOOL_SOLEN).GetString());
  EXPECT_EQ(before, OwnHandleCount());
}

TEST_F(ToolSetupTest, ProductCodeComesFromTheFullToolsKeyOnly) {
  SetStringValue(ToolKeyPath(TOOL_MERAK), "ProductID", "{MERAK}");
  EXPECT_STREQ("", setup.GetInstalledProductCode().GetString());
  SetStringValue(ToolKeyPath(TOOL_VANTO), "ProductID",
                 "{11111111-2222-3333-4444-555555555501}");
  EXPECT_STREQ("{11111111-2222-3333-4444-555555555501}",
               setup.GetInstalledProductCode().GetString());
}

}  // namespace
