// The update check: the installed record against the local server's file.
#include "update/update_check.h"

#include <gtest/gtest.h>

#include "tests/support/test_registry.h"
#include "tests/support/test_server.h"

namespace {

struct CheckCase {
  const char* installed;  // null: no record
  const char* offered;    // null: no file on the server
  int newer;
};

class UpdateCheckTest : public testing::TestWithParam<CheckCase> {
 protected:
  void SetUp() override {
    DeleteKeyTree(kSuiteKey);
    test_server::Reset();
  }
  void TearDown() override {
    DeleteKeyTree(kSuiteKey);
    test_server::Reset();
  }
};

TEST_P(UpdateCheckTest, NewerOnlyWhenTheServersNumberIsGreater) {
  const CheckCase& c = GetParam();
  if (c.installed) SetStringValue(ToolKeyPath(TOOL_SOLEN), "Version", c.installed);
  if (c.offered) test_server::Publish("solenversion", c.offered);
  EXPECT_EQ(c.newer, IsUpdateAvailable(TOOL_SOLEN));
  // Registry and server are both asked, whatever the registry gave.
  EXPECT_EQ(1u, test_server::Requests().size());
}

INSTANTIATE_TEST_SUITE_P(
    Table, UpdateCheckTest,
    testing::Values(
        CheckCase{nullptr, "3.1.1", 1}, CheckCase{nullptr, "0.0.1", 1},
        CheckCase{nullptr, "0.0.0", 0}, CheckCase{nullptr, "beta", 0},
        CheckCase{nullptr, nullptr, 0}, CheckCase{"3.1.1", nullptr, 0},
        CheckCase{"3.1.1", "", 0}, CheckCase{"3.1.1", "\r\n9.9.9", 0},
        CheckCase{"3.1.1", "3.1.1", 0}, CheckCase{"3.1.1", "3.01.1", 0},
        CheckCase{"3.1.1", "3.1.2", 1}, CheckCase{"3.1.1", "3.2", 1},
        CheckCase{"3.1.1", "3.1", 0}, CheckCase{"3.1.1", "3.0.9", 0},
        CheckCase{"3.1.1.5", "3.1.1.6", 0}, CheckCase{"1.1000.0", "2.0.0", 0},
        CheckCase{"3.1.1", "V3.1.2", 0},
        CheckCase{"2147.483.647", "2148.0.0", 1},  // unsigned comparison
        CheckCase{"4294.0.0", "4295.0.0", 0},      // wrapped numbers
        CheckCase{"3.1.1", "3.1.2\r\n", 1}));

TEST(UpdateCheckUnreachableTest, UnreachableServerNeverReportsNewer) {
  DeleteKeyTree(kSuiteKey);
  test_server::Reset();
  test_server::Publish("vantoversion", "9.9.9");
  test_server::SetMode("refuse");
  for (ToolIndex tool = 0; tool < TOOL_COUNT; ++tool) {
    EXPECT_EQ(0, IsUpdateAvailable(tool)) << tool;
  }
  test_server::Reset();
}

TEST(UpdateCheckRangeTest, IndexOutsideTheSuiteIsNeverNewerAndAsksNothing) {
  test_server::Reset();
  EXPECT_EQ(0, IsUpdateAvailable(4));
  EXPECT_EQ(0, IsUpdateAvailable(-1));
  EXPECT_TRUE(test_server::Connections().empty());
}

}  // namespace
