#include <gtest/gtest.h>

#include <string>

#include "framework/path_text.h"
#include "tests/support/double_byte.h"
#include "update/http_rules.h"
#include "update/update_files.h"

namespace {

TEST(UpdateFilesTest, AddressJoinsSchemeHostFolderAndName) {
  std::string url = UpdateFileUrl("vantoversion").GetString();
  EXPECT_EQ(0u, url.find("https://"));
  EXPECT_NE(std::string::npos, url.find("/pctool/Telvane/Q2875/vantoversion"));
  EXPECT_EQ(url.size() - 12, url.find("vantoversion"));
  EXPECT_EQ(std::string(UpdateFileUrl("").GetString()) + "Vantomsi.msi",
            UpdateFileUrl("Vantomsi.msi").GetString());
}

TEST(UpdateFilesTest, TemporaryNameHasThreeDigits) {
  EXPECT_STREQ("QdTemp_000.$$$", VersionTempFileName(0).GetString());
  EXPECT_STREQ("QdTemp_042.$$$", VersionTempFileName(42).GetString());
  EXPECT_STREQ("QdTemp_999.$$$", VersionTempFileName(999).GetString());
}

TEST(HttpRulesTest, OnlyHttpsAddressesAreHttps) {
  EXPECT_TRUE(IsHttpsUrl("https://localhost/x"));
  EXPECT_TRUE(IsHttpsUrl("HTTPS://updates.example/x"));
  EXPECT_FALSE(IsHttpsUrl("http://localhost/x"));
  EXPECT_FALSE(IsHttpsUrl("ftp://localhost/x"));
  EXPECT_FALSE(IsHttpsUrl("file:///C:/x"));
  EXPECT_FALSE(IsHttpsUrl("https:/x"));
  EXPECT_FALSE(IsHttpsUrl("/pctool/x"));
  EXPECT_FALSE(IsHttpsUrl(""));
  EXPECT_FALSE(IsHttpsUrl(nullptr));
}

TEST(HttpRulesTest, RedirectStatuses) {
  for (unsigned long status : {301ul, 302ul, 303ul, 307ul, 308ul}) {
    EXPECT_TRUE(IsRedirectStatus(status)) << status;
  }
  for (unsigned long status : {200ul, 300ul, 304ul, 305ul, 404ul}) {
    EXPECT_FALSE(IsRedirectStatus(status)) << status;
  }
}

TEST(HttpRulesTest, ContentLengthIsDigitsOnly) {
  uint64_t length = 1;
  EXPECT_TRUE(ParseContentLength("0", &length));
  EXPECT_EQ(0u, length);
  EXPECT_TRUE(ParseContentLength(" 10485760 ", &length));
  EXPECT_EQ(10485760u, length);
  EXPECT_TRUE(ParseContentLength("9223372036854775808", &length));
  for (const char* bad : {"", " ", "-1", "12a", "1 2", "0x10", "99999999999999999999",
                          "9223372036854775809"}) {
    EXPECT_FALSE(ParseContentLength(bad, &length)) << bad;
  }
}

struct FolderCase {
  const char* path;
  const char* folder;
};

class DriveAndFolderTest : public testing::TestWithParam<FolderCase> {};

TEST_P(DriveAndFolderTest, KeepsDriveAndFolderWithTheirSeparator) {
  EXPECT_STREQ(GetParam().folder,
               DriveAndFolderOf(GetParam().path, DoubleByteLead).GetString());
}

INSTANTIATE_TEST_SUITE_P(
    Table, DriveAndFolderTest,
    testing::Values(FolderCase{"D:\\Tools\\Launcher\\tool.exe", "D:\\Tools\\Launcher\\"},
                    FolderCase{"D:\\tool.exe", "D:\\"},
                    FolderCase{"D:tool.exe", "D:"},
                    FolderCase{"\\\\server\\share\\tool.exe", "\\\\server\\share\\"},
                    FolderCase{"tool.exe", ""},
                    // 0x81 0x5C is one character: its trail byte is no separator.
                    FolderCase{"D:\\A\x81\x5C" "B.exe", "D:\\"}));

}  // namespace
