#include "tests/support/standin_suite.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "tests/support/test_files.h"
#include "tests/support/test_process.h"
#include "tests/support/test_registry.h"
#include "tests/support/test_run.h"

namespace {

const char* ToolName(ToolIndex tool) {
  switch (tool) {
    case TOOL_VANTO: return "Vanto";
    case TOOL_VANTOLITE: return "VantoLite";
    case TOOL_MERAK: return "Merak";
    case TOOL_SOLEN: return "Solen";
  }
  return "";
}

std::string Field(const std::string& line, const char* name) {
  std::string prefix = std::string(name) + "=";
  return line.compare(0, prefix.size(), prefix) == 0 ? line.substr(prefix.size())
                                                     : std::string();
}

}  // namespace

std::string ToolStart::Parameters() const {
  size_t at = 0;
  if (!commandLine.empty() && commandLine[0] == '"') {
    size_t close = commandLine.find('"', 1);
    at = close == std::string::npos ? commandLine.size() : close + 1;
  } else {
    at = commandLine.find(' ');
    if (at == std::string::npos) at = commandLine.size();
  }
  if (at < commandLine.size() && commandLine[at] == ' ') ++at;
  return commandLine.substr(at);
}

StandinSuite::StandinSuite(const std::string& testName)
    : m_folder(FreshWorkFolder(testName)) {
  DeleteKeyTree(kSuiteKey);
}

StandinSuite::~StandinSuite() { EndProcessesUnder(m_folder); }

std::string StandinSuite::ToolPath(ToolIndex tool) const {
  return m_folder + "\\" + ToolName(tool) + "\\" + ToolName(tool) + ".exe";
}

void StandinSuite::Install(ToolIndex tool, const std::string& version) {
  std::string path = ToolPath(tool);
  MakeFolders(FolderOf(path));
  CopyFileA(StandinToolPath().c_str(), path.c_str(), FALSE);
  SetStringValue(ToolKeyPath(tool), VALUE_FULL_PATH, path);
  if (!version.empty()) SetVersion(tool, version);
}

void StandinSuite::SetVersion(ToolIndex tool, const std::string& version) {
  SetStringValue(ToolKeyPath(tool), VALUE_VERSION, version);
}

void StandinSuite::InstallAllAt(const std::string& version) {
  Install(TOOL_VANTO, version);
  SetVersion(TOOL_VANTOLITE, version);
  Install(TOOL_MERAK, version);
  Install(TOOL_SOLEN, version);
}

std::vector<ToolStart> StandinSuite::Starts(ToolIndex tool) const {
  WaitForProcessesUnder(m_folder);
  std::vector<ToolStart> starts;
  for (const std::string& line : Lines(ReadWholeFile(ToolPath(tool) + ".started"))) {
    if (line.compare(0, 5, "path=") == 0) {
      starts.push_back(ToolStart{Field(line, "path"), "", ""});
    } else if (!starts.empty() && line.compare(0, 8, "cmdline=") == 0) {
      starts.back().commandLine = Field(line, "cmdline");
    } else if (!starts.empty() && line.compare(0, 4, "cwd=") == 0) {
      starts.back().currentFolder = Field(line, "cwd");
    }
  }
  return starts;
}

int StandinSuite::TotalStarts() const {
  int total = 0;
  for (ToolIndex tool : {TOOL_VANTO, TOOL_MERAK, TOOL_SOLEN}) {
    total += static_cast<int>(Starts(tool).size());
  }
  return total;
}

void StandinSuite::ExpectOnlyStarted(ToolIndex tool, const std::string& parameters) const {
  std::vector<ToolStart> starts = Starts(tool);
  ASSERT_EQ(1u, starts.size()) << "starts of tool " << tool;
  EXPECT_EQ(ToolPath(tool), starts[0].path);
  EXPECT_EQ(parameters, starts[0].Parameters());
  EXPECT_EQ(1, TotalStarts());
}

void RunLauncher(const std::string& tail, const std::string& launcher) {
  ProgramRun run = RunProgram(launcher.empty() ? TwinPath() : launcher, tail);
  EXPECT_TRUE(run.ended) << "the launcher did not end";
  EXPECT_EQ(0u, run.exitCode);
}
