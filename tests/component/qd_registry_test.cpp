#include "records/qd_registry.h"

#include <gtest/gtest.h>

#include <string>

#include "records/registry_view.h"
#include "tests/support/handle_count.h"
#include "tests/support/test_registry.h"

namespace {

const char kKey[] = "Software\\Quendar\\Upvane\\MERAK";
const char kMissingKey[] = "Software\\Quendar\\Upvane\\NOSUCHTOOL";


class QdRegistryTest : public testing::Test {
 protected:
  void SetUp() override { DeleteKeyTree(kSuiteKey); }
  void TearDown() override { DeleteKeyTree(kSuiteKey); }
};

TEST_F(QdRegistryTest, MissingKeyGivesEmptyAndIsNotCreated) {
  CQdRegstry registry;
  EXPECT_STREQ("", registry.GetValue(kMissingKey, "FullPath").GetString());
  EXPECT_FALSE(KeyExists(kMissingKey));
}

TEST_F(QdRegistryTest, ReadsTheValueAndHoldsNoKeyAfterwards) {
  SetStringValue(kKey, "FullPath", "C:\\Tools\\Merak\\Merak.exe");
  int before = OwnHandleCount();
  CQdRegstry registry;
  EXPECT_STREQ("C:\\Tools\\Merak\\Merak.exe",
               registry.GetValue(kKey, "FullPath").GetString());
  EXPECT_EQ(before, OwnHandleCount());
}

TEST_F(QdRegistryTest, MissingOrEmptyValueGivesEmptyAndClosesTheKey) {
  SetStringValue(kKey, "Version", "3.1.1");
  SetStringValue(kKey, "Empty", "");
  int before = OwnHandleCount();
  CQdRegstry registry;
  EXPECT_STREQ("", registry.GetValue(kKey, "FullPath").GetString());
  EXPECT_STREQ("", registry.GetValue(kKey, "Empty").GetString());
  EXPECT_EQ(before, OwnHandleCount());
}

TEST_F(QdRegistryTest, TextOf255BytesComesWholeAndOf256BytesNotAtAll) {
  std::string fits(255, 'f');
  std::string tooLong(256, 't');
  SetStringValue(kKey, "Fits", fits);
  SetStringValue(kKey, "TooLong", tooLong);
  CQdRegstry registry;
  EXPECT_EQ(fits, registry.GetValue(kKey, "Fits").GetString());
  EXPECT_STREQ("", registry.GetValue(kKey, "TooLong").GetString());
}

TEST_F(QdRegistryTest, ValueWithoutTerminatorIsReadOnlyAsFarAsItsBytes) {
  SetRawValue(kKey, "NoZero", REG_SZ, "C:\\a.exe");
  SetRawValue(kKey, "Binary", REG_BINARY, std::string(256, 'b'));
  SetRawValue(kKey, "Number", REG_DWORD, std::string("\x33\x00\x00\x00", 4));
  CQdRegstry registry;
  EXPECT_STREQ("C:\\a.exe", registry.GetValue(kKey, "NoZero").GetString());
  EXPECT_EQ(std::string(256, 'b'), registry.GetValue(kKey, "Binary").GetString());
  EXPECT_STREQ("3", registry.GetValue(kKey, "Number").GetString());
}

TEST_F(QdRegistryTest, ExpandableTextIsReadUnexpanded) {
  SetRawValue(kKey, "FullPath", REG_EXPAND_SZ, std::string("%ProgramFiles%\\m.exe") + '\0');
  CQdRegstry registry;
  EXPECT_STREQ("%ProgramFiles%\\m.exe", registry.GetValue(kKey, "FullPath").GetString());
}

TEST_F(QdRegistryTest, KeyTheUserMayOnlyReadIsRead) {
  SetStringValue(kKey, "FullPath", "C:\\m.exe");
  MakeKeyReadOnly(kKey);
  CQdRegstry registry;
  EXPECT_STREQ("C:\\m.exe", registry.GetValue(kKey, "FullPath").GetString());
  EXPECT_EQ(0, registry.Open(kKey, KEY_SET_VALUE));
}

TEST_F(QdRegistryTest, OpenForSettingValuesCreatesAMissingKey) {
  CQdRegstry registry;
  ASSERT_EQ(1, registry.Open(kMissingKey, KEY_SET_VALUE));
  EXPECT_TRUE(KeyExists(kMissingKey));
  registry.Close();
}

TEST_F(QdRegistryTest, OpenWithAnyOtherAccessCreatesNothing) {
  for (REGSAM access : {REGSAM{KEY_QUERY_VALUE}, REGSAM{3}, REGSAM{KEY_WRITE},
                        REGSAM{KEY_ALL_ACCESS}}) {
    CQdRegstry registry;
    EXPECT_EQ(0, registry.Open(kMissingKey, access)) << access;
    EXPECT_FALSE(KeyExists(kMissingKey)) << access;
  }
}

TEST_F(QdRegistryTest, OpenThenQueryReadsTheOpenKey) {
  SetStringValue(kKey, "Version", "2.0.0");
  CQdRegstry registry;
  ASSERT_EQ(1, registry.Open(kKey, KEY_QUERY_VALUE));
  EXPECT_STREQ("2.0.0", registry.QueryValue("Version").GetString());
  EXPECT_STREQ("", registry.QueryValue("Missing").GetString());
}

TEST_F(QdRegistryTest, DestroyingTheObjectClosesAnOpenKey) {
  SetStringValue(kKey, "Version", "2.0.0");
  int before = OwnHandleCount();
  {
    CQdRegstry registry;
    ASSERT_EQ(1, registry.Open(kKey, KEY_QUERY_VALUE));
    EXPECT_EQ(before + 1, OwnHandleCount());
  }
  EXPECT_EQ(before, OwnHandleCount());
}

TEST_F(QdRegistryTest, OpeningAgainGivesBackTheKeyHeldBefore) {
  SetStringValue(kKey, "Version", "2.0.0");
  int before = OwnHandleCount();
  CQdRegstry registry;
  ASSERT_EQ(1, registry.Open(kKey, KEY_QUERY_VALUE));
  ASSERT_EQ(1, registry.Open(kKey, KEY_QUERY_VALUE));
  registry.Close();
  EXPECT_EQ(before, OwnHandleCount());
}

// The 64-bit view flag follows the answer to "is this process under WOW64",
// and a question that cannot be answered counts as yes.
BOOL WINAPI UnderWow64(HANDLE, PBOOL wow64) { *wow64 = TRUE; return TRUE; }
BOOL WINAPI NotUnderWow64(HANDLE, PBOOL wow64) { *wow64 = FALSE; return TRUE; }
BOOL WINAPI QueryFails(HANDLE, PBOOL wow64) { *wow64 = FALSE; return FALSE; }

TEST(RegistryViewTest, AddsThe64BitViewUnderWow64AndWhenUnsure) {
  EXPECT_EQ(REGSAM{0x101}, WithRegistryView(KEY_QUERY_VALUE, UnderWow64));
  EXPECT_EQ(REGSAM{0x101}, WithRegistryView(KEY_QUERY_VALUE, QueryFails));
  EXPECT_EQ(REGSAM{0x1}, WithRegistryView(KEY_QUERY_VALUE, NotUnderWow64));
  EXPECT_EQ(REGSAM{0xF013F}, WithRegistryView(KEY_ALL_ACCESS, UnderWow64));
  // This test process itself is 64-bit: never under WOW64.
  EXPECT_EQ(REGSAM{KEY_QUERY_VALUE}, WithRegistryView(KEY_QUERY_VALUE));
}

}  // namespace
