#pragma once

#include <string>
#include <vector>

#include "app/tool_catalogue.h"

// One start of a stand-in tool, as it recorded it.
struct ToolStart {
  std::string path;
  std::string commandLine;
  std::string currentFolder;
  // The command line after the quoted program name, as the tool received
  // its parameters.
  std::string Parameters() const;
};

// Stand-in tools for the suite in a work folder of the test run: one copy
// of standin_tool.exe per tool (Vanto\Vanto.exe, Merak\Merak.exe,
// Solen\Solen.exe), registered in the tools' records as "FullPath".
class StandinSuite {
 public:
  explicit StandinSuite(const std::string& testName);
  ~StandinSuite();

  const std::string& Folder() const { return m_folder; }
  std::string ToolPath(ToolIndex tool) const;

  // Copies the stand-in and writes "FullPath" (and "Version", when given)
  // into the tool's record.
  void Install(ToolIndex tool, const std::string& version = "");
  // Writes only "Version" into the tool's record.
  void SetVersion(ToolIndex tool, const std::string& version);
  // Every tool installed at `version`: stand-ins of the full, third and
  // fourth tool, and the launcher's own record.
  void InstallAllAt(const std::string& version);

  // Waits until no stand-in of this suite runs any more, then gives the
  // starts that each tool recorded.
  std::vector<ToolStart> Starts(ToolIndex tool) const;
  // The starts of all tools together.
  int TotalStarts() const;
  // Checks that `tool`, and no other, started once, with `parameters`.
  void ExpectOnlyStarted(ToolIndex tool, const std::string& parameters) const;

 private:
  std::string m_folder;
};

// Runs the launcher (the twin unless another copy is given) with `tail`
// after its quoted path, and checks that it ended by itself with exit
// code 0.
void RunLauncher(const std::string& tail, const std::string& launcher = "");
