// The update server client against the test run's local HTTPS server.
#include "update/server_client.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/test_files.h"
#include "tests/support/test_server.h"

namespace {

std::vector<std::string> LeftoverTempFiles() {
  return ListFiles(TempFolder(), "QdTemp_???.$$$");
}

class ServerClientTest : public testing::Test {
 protected:
  void SetUp() override {
    test_server::Reset();
    for (const std::string& name : LeftoverTempFiles()) RemoveFile(TempFolder() + name);
    RemoveFile(TempFolder() + "Vantomsi.msi");
  }
  void TearDown() override {
    test_server::Reset();
    EXPECT_TRUE(LeftoverTempFiles().empty());
  }
  static std::string Version(ToolIndex tool) {
    CString line = DownloadServerVersion(tool);
    return std::string(line.GetString(), line.GetLength());
  }
};

struct FirstLineCase {
  std::string file;
  std::string line;
};

class FirstLineTest : public ServerClientTest,
                      public testing::WithParamInterface<FirstLineCase> {};

TEST_P(FirstLineTest, ReturnsTheFirstLineAsItStands) {
  test_server::Publish("solenversion", GetParam().file);
  EXPECT_EQ(GetParam().line, Version(TOOL_SOLEN));
  EXPECT_EQ(1u, test_server::Requests().size());
}

INSTANTIATE_TEST_SUITE_P(
    Files, FirstLineTest,
    testing::Values(FirstLineCase{"3.1.1\r\n4.0.0\r\n", "3.1.1"},
                    FirstLineCase{"3.1.1", "3.1.1"},
                    FirstLineCase{"\r\n3.1.1\r\n", ""},
                    FirstLineCase{"", ""},
                    FirstLineCase{std::string(700, '9') + "\r\n1.0", std::string(700, '9')},
                    FirstLineCase{" 3.1.1\r\n", " 3.1.1"},
                    FirstLineCase{"\xEF\xBB\xBF" "3.1.1\r\n", "\xEF\xBB\xBF" "3.1.1"}));

TEST_F(ServerClientTest, AsksForTheToolsOwnFileInTheServersFolder) {
  test_server::Publish("merakversion", "2.0.0");
  EXPECT_EQ("2.0.0", Version(TOOL_MERAK));
  ASSERT_EQ(1u, test_server::Requests().size());
  EXPECT_EQ("https GET /pctool/Telvane/Q2875/merakversion", test_server::Requests()[0]);
}

TEST_F(ServerClientTest, IndexOutsideTheSuiteAsksNothing) {
  EXPECT_EQ("", Version(4));
  EXPECT_EQ("", Version(-1));
  EXPECT_TRUE(test_server::Connections().empty());
}

TEST_F(ServerClientTest, MissingFileOrServerErrorGivesEmpty) {
  EXPECT_EQ("", Version(TOOL_VANTO));  // 404 with an error page
  test_server::Publish("vantoversion", "3.1.1");
  test_server::SetBehaviour("vantoversion", "status:500");
  EXPECT_EQ("", Version(TOOL_VANTO));
}

TEST_F(ServerClientTest, RefusedConnectionGivesEmpty) {
  test_server::Publish("vantoversion", "3.1.1");
  test_server::SetMode("refuse");
  EXPECT_EQ("", Version(TOOL_VANTO));
}

TEST_F(ServerClientTest, UntrustedCertificateGivesEmpty) {
  test_server::Publish("vantoversion", "3.1.1");
  test_server::SetMode("cert:self");
  EXPECT_EQ("", Version(TOOL_VANTO));
  EXPECT_TRUE(test_server::Requests().empty());  // nothing was asked
}

TEST_F(ServerClientTest, FileChangedOnTheServerIsReadAfresh) {
  test_server::Publish("vantoversion", "1.0.0\r\n");
  EXPECT_EQ("1.0.0", Version(TOOL_VANTO));
  test_server::Publish("vantoversion", "2.0.0\r\n");
  EXPECT_EQ("2.0.0", Version(TOOL_VANTO));
  EXPECT_EQ(2u, test_server::Requests().size());
}

TEST_F(ServerClientTest, PackageStaysInTheTemporaryFolder) {
  test_server::Publish("Vantomsi.msi", std::string("package\0bytes", 13));
  CString path = DownloadToTempFolder("Vantomsi.msi");
  EXPECT_EQ(TempFolder() + "Vantomsi.msi", path.GetString());
  EXPECT_EQ(std::string("package\0bytes", 13), ReadWholeFile(path.GetString()));
  RemoveFile(path.GetString());
}

TEST_F(ServerClientTest, PackageNotOnTheServerGivesEmptyAndNoFile) {
  EXPECT_STREQ("", DownloadToTempFolder("Vantomsi.msi").GetString());
  EXPECT_FALSE(FileExists(TempFolder() + "Vantomsi.msi"));
}

DWORD WINAPI NoTemporaryFolder(DWORD, LPSTR) { return 0; }
DWORD WINAPI TemporaryFolderTooLong(DWORD, LPSTR) { return 300; }

TEST_F(ServerClientTest, WithoutTemporaryFolderTheExecutablesFolderServes) {
  char own[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, own, MAX_PATH);
  std::string ownFolder = FolderOf(own) + "\\";
  EXPECT_EQ(ownFolder, GetModuleFolder().GetString());
  EXPECT_EQ(ownFolder, DownloadFolder(NoTemporaryFolder).GetString());
  EXPECT_EQ(ownFolder, DownloadFolder(TemporaryFolderTooLong).GetString());
  EXPECT_EQ(TempFolder(), DownloadFolder().GetString());

  test_server::Publish("Vantomsi.msi", "package");
  CString path = DownloadToFolder("Vantomsi.msi", DownloadFolder(NoTemporaryFolder));
  EXPECT_EQ(ownFolder + "Vantomsi.msi", path.GetString());
  EXPECT_EQ("package", ReadWholeFile(path.GetString()));
  RemoveFile(path.GetString());
}

}  // namespace
