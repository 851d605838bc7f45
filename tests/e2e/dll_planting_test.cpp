// A DLL placed beside the launcher under the name of a library it uses must
// never be loaded. Wine prefers its own builtin libraries, so this test
// program runs with every planted name set to "native first"
// (WINEDLLOVERRIDES, see tests/CMakeLists.txt): Wine then loads a planted
// DLL wherever the search for that name reaches the launcher's folder.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "tests/support/standin_suite.h"
#include "tests/support/test_files.h"
#include "tests/support/test_installer.h"
#include "tests/support/test_process.h"
#include "tests/support/test_run.h"
#include "tests/support/test_server.h"

namespace {

// Libraries that the launcher, or a system library on its behalf, loads in a
// full update and that are not among the loader's known DLLs: the ones it
// loads itself first.
const char* const kPlantedNames[] = {
    "wininet.dll", "msi.dll",      "comctl32.dll", "shell32.dll",  "urlmon.dll",
    "cabinet.dll", "version.dll",  "rsaenh.dll",   "schannel.dll", "wintrust.dll",
    "sxs.dll",     "odbccp32.dll", "mspatcha.dll", "netapi32.dll", "dnsapi.dll",
    "iphlpapi.dll", "mpr.dll",     "uxtheme.dll",  "dbghelp.dll",  "kerberos.dll",
    "msv1_0.dll"};

// Wine's TLS client loads these on first use through delayed imports, whose
// search in Wine always reaches the application's folder, whatever the
// process's default DLL directories (Windows' delay-load helper searches
// those). Planted, they would be Wine's fault, not the launcher's: they are
// checked with the loading rule itself instead.
const char* const kLazilyLoadedByWine[] = {"secur32.dll", "crypt32.dll", "bcrypt.dll"};

class DllPlantingTest : public testing::Test {
 protected:
  DllPlantingTest()
      : suite(testing::UnitTest::GetInstance()->current_test_info()->name()),
        folder(suite.Folder() + "\\Downloads") {}

  void SetUp() override {
    MakeFolders(folder);
    for (const char* name : kPlantedNames) Plant(name);
  }

  void Plant(const char* name) {
    ASSERT_TRUE(CopyFileA((TestToolsFolder() + "\\planted_dll.dll").c_str(),
                          (folder + "\\" + name).c_str(), FALSE));
  }

  std::vector<std::string> Marks() { return ListFiles(folder, "*.loaded"); }

  ProgramRun RunFromFolder(const std::string& program, const std::string& tail) {
    std::string copy = folder + "\\" + program.substr(program.find_last_of('\\') + 1);
    CopyFileA(program.c_str(), copy.c_str(), FALSE);
    ProgramRun run;
    DWORD start = GetTickCount();
    HANDLE process = StartProgram(copy, tail);
    if (!process) return run;
    run.ended = WaitForSingleObject(process, 120000) == WAIT_OBJECT_0;
    GetExitCodeProcess(process, &run.exitCode);
    run.milliseconds = GetTickCount() - start;
    CloseHandle(process);
    return run;
  }

  StandinSuite suite;
  std::string folder;
};

TEST_F(DllPlantingTest, OrdinaryLinkingLoadsThePlantedDlls) {
  ProgramRun run = RunFromFolder(TestToolsFolder() + "\\naive_loader.exe", "");
  ASSERT_TRUE(run.ended);
  std::vector<std::string> marks = Marks();
  EXPECT_FALSE(marks.empty()) << "the test cannot see a planted DLL being loaded";
}

TEST_F(DllPlantingTest, LauncherLoadsItsLibrariesFromTheSystemFolderOnly) {
  std::string tail;
  for (const char* name : kLazilyLoadedByWine) {
    Plant(name);
    tail += std::string(" ") + name;
  }
  for (const char* name : kPlantedNames) tail += std::string(" ") + name;
  ProgramRun run = RunFromFolder(TestToolsFolder() + "\\library_probe.exe", tail);
  ASSERT_TRUE(run.ended);
  EXPECT_EQ(0u, run.exitCode) << "libraries loaded from outside the system folder";
  EXPECT_TRUE(Marks().empty()) << "loaded: " << testing::PrintToString(Marks());
}

TEST_F(DllPlantingTest, FullUpdateLoadsNoPlantedDll) {
  RemoveTestProducts();
  test_server::Reset();
  ASSERT_EQ(0u, InstallPackage(kOldPackage));
  suite.Install(TOOL_MERAK, "1.0.0");
  test_server::Publish("vantoversion", "2.0.0");
  test_server::Publish("merakversion", "1.0.1");
  test_server::Publish("Vantomsi.msi", ReadWholeFile(PackagePath(kNewPackage)));

  ProgramRun run = RunFromFolder(TwinPath(), " MERAK_CALL");
  ASSERT_TRUE(run.ended);
  EXPECT_EQ(0u, run.exitCode);
  EXPECT_TRUE(Marks().empty()) << "loaded: " << testing::PrintToString(Marks());
  // And the update went through with the system's own libraries.
  EXPECT_EQ(INSTALLSTATE_DEFAULT, ProductState(kNewPackage));
  WaitForProcessesUnder(FolderOf(InstalledFullToolPath(kNewPackage)));
  EXPECT_TRUE(FileExists(InstalledFullToolPath(kNewPackage) + ".started"));

  RemoveTestProducts();
  test_server::Reset();
}

}  // namespace
