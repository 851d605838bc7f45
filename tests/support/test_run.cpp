#include "tests/support/test_run.h"

#include <stdlib.h>

#include "tests/support/test_files.h"

namespace {

std::string FromEnvironment(const char* name) {
  const char* value = getenv(name);
  return value ? value : "";
}

}  // namespace

std::string TestRunFolder() { return FromEnvironment("VANTOLITE_TEST_RUN"); }

std::string TestToolsFolder() { return FromEnvironment("VANTOLITE_TEST_TOOLS"); }

std::string TwinPath() { return FromEnvironment("VANTOLITE_TWIN"); }

std::string StandinToolPath() { return TestToolsFolder() + "\\standin_tool.exe"; }

std::string PackagesFolder() { return FromEnvironment("VANTOLITE_TEST_PACKAGES"); }

std::string FreshWorkFolder(const std::string& name) {
  std::string folder = TestRunFolder() + "\\work\\" + name;
  RemoveTree(folder);
  MakeFolders(folder);
  return folder;
}
