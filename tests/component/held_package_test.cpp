// The installer package stays unchanged from its download to the end of its
// install: other processes may read it, nothing more.
#include <gtest/gtest.h>

#include <string>

#include "installer/installer_api.h"
#include "records/tool_setup.h"
#include "tests/support/change_attempt.h"
#include "tests/support/test_files.h"
#include "tests/support/test_installer.h"
#include "tests/support/test_run.h"
#include "tests/support/test_server.h"
#include "update/held_file.h"
#include "update/server_client.h"

namespace {

bool DigestOf(const std::string& content, BYTE (&digest)[kSha256Size]) {
  CSha256 sha256;
  return sha256.Add(content.data(), static_cast<DWORD>(content.size())) &&
         sha256.Finish(digest);
}

TEST(HeldFileTest, DigestIsSha256) {
  BYTE digest[kSha256Size];
  ASSERT_TRUE(DigestOf("abc", digest));
  const BYTE expected[kSha256Size] = {
      0xba, 0x78, 0x16, 0xbf, 0x8f, 0x01, 0xcf, 0xea, 0x41, 0x41, 0x40, 0xde, 0x5d, 0xae, 0x22, 0x23,
      0xb0, 0x03, 0x61, 0xa3, 0x96, 0x17, 0x7a, 0x9c, 0xb4, 0x10, 0xff, 0x61, 0xf2, 0x00, 0x15, 0xad};
  EXPECT_EQ(0, memcmp(expected, digest, kSha256Size));
}

TEST(HeldFileTest, UnchangedFileIsHeldForReadingOnly) {
  std::string path = FreshWorkFolder("held") + "\\package.msi";
  WriteWholeFile(path, "package bytes");
  BYTE digest[kSha256Size];
  ASSERT_TRUE(DigestOf("package bytes", digest));

  CScopedHandle hold;
  ASSERT_TRUE(HoldUnchangedFile(path.c_str(), digest, hold));
  ASSERT_TRUE(hold.IsValid());
  ChangeAttempt attempt = TryToChangeFromAnotherProcess(path);
  EXPECT_FALSE(attempt.openedForWriting);
  EXPECT_FALSE(attempt.renamed);
  EXPECT_FALSE(attempt.deleted);
  EXPECT_TRUE(attempt.openedForReading);
  EXPECT_EQ("package bytes", ReadWholeFile(path));

  hold.Close();
  EXPECT_TRUE(TryToChangeFromAnotherProcess(path).deleted);
}

TEST(HeldFileTest, ChangedFileIsNotHeld) {
  std::string path = FreshWorkFolder("changed") + "\\package.msi";
  BYTE digest[kSha256Size];
  ASSERT_TRUE(DigestOf("what the server sent", digest));
  WriteWholeFile(path, "what another process wrote");
  CScopedHandle hold;
  EXPECT_FALSE(HoldUnchangedFile(path.c_str(), digest, hold));
  EXPECT_FALSE(hold.IsValid());
  EXPECT_FALSE(HoldUnchangedFile((path + ".missing").c_str(), digest, hold));
}

class HeldPackageTest : public testing::Test {
 protected:
  void SetUp() override {
    RemoveTestProducts();
    test_server::Reset();
    RemoveFile(Package());
  }
  void TearDown() override {
    RemoveTestProducts();
    test_server::Reset();
    RemoveFile(Package());
  }
  static std::string Package() { return TempFolder() + "Vantomsi.msi"; }
};

TEST_F(HeldPackageTest, DownloadedPackageIsHeldUntilReleased) {
  test_server::Publish("Vantomsi.msi", "package bytes");
  CScopedHandle hold;
  EXPECT_EQ(Package(), DownloadToTempFolder("Vantomsi.msi", &hold).GetString());
  ASSERT_TRUE(hold.IsValid());
  ChangeAttempt attempt = TryToChangeFromAnotherProcess(Package());
  EXPECT_FALSE(attempt.openedForWriting || attempt.renamed || attempt.deleted);
  EXPECT_TRUE(attempt.openedForReading);
  hold.Close();
  EXPECT_TRUE(TryToChangeFromAnotherProcess(Package()).deleted);
}

// The Windows Installer of the prefix, with another process trying to
// change the package while the install runs.
struct DuringInstall {
  static ChangeAttempt attempt;
  static UINT WINAPI InstallProduct(LPCSTR package, LPCSTR commandLine) {
    attempt = TryToChangeFromAnotherProcess(package);
    return MsiInstallProductA(package, commandLine);
  }
};
ChangeAttempt DuringInstall::attempt;

TEST_F(HeldPackageTest, NoOtherProcessCanChangeThePackageWhileItInstalls) {
  test_server::Publish("Vantomsi.msi", ReadWholeFile(PackagePath(kNewPackage)));
  CSystemInstaller system;
  InstallerFunctions installer = system.Functions();
  installer.installProduct = DuringInstall::InstallProduct;

  CScopedHandle hold;
  CString path = DownloadToTempFolder("Vantomsi.msi", &hold);
  ASSERT_FALSE(path.IsEmpty());
  CToolSetup setup;
  EXPECT_TRUE(setup.ReinstallPackage(path, &hold, installer));

  EXPECT_FALSE(DuringInstall::attempt.openedForWriting);
  EXPECT_FALSE(DuringInstall::attempt.renamed);
  EXPECT_FALSE(DuringInstall::attempt.deleted);
  EXPECT_TRUE(DuringInstall::attempt.openedForReading);
  EXPECT_EQ(INSTALLSTATE_DEFAULT, ProductState(kNewPackage));
  // Released after the install and then deleted.
  EXPECT_FALSE(hold.IsValid());
  EXPECT_FALSE(FileExists(Package()));
}

}  // namespace
