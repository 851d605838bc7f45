// Runs of the launcher's twin against a server that misbehaves in every way
// the network allows. Each run must end with exit code 0, start the tool the
// launch decision names, leave no temporary file behind and leave the full
// tool as the order of the reinstall gives. The suite prints a table of the
// figures and writes it to hostile-cases.md in the test run's folder.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/support/standin_suite.h"
#include "tests/support/test_files.h"
#include "tests/support/test_installer.h"
#include "tests/support/test_process.h"
#include "tests/support/test_registry.h"
#include "tests/support/test_run.h"
#include "tests/support/test_server.h"

namespace {

std::vector<std::string> TemporaryFilesLeft() {
  std::vector<std::string> left = ListFiles(TempFolder(), "QdTemp_???.$$$");
  if (FileExists(TempFolder() + "Vantomsi.msi")) left.push_back("Vantomsi.msi");
  return left;
}

enum class FullTool { kKept, kReplaced, kRemoved };

const char* Describe(FullTool state) {
  switch (state) {
    case FullTool::kKept: return "old 1.0.0 kept";
    case FullTool::kReplaced: return "new 2.0.0 installed";
    case FullTool::kRemoved: return "old removed, nothing installed";
  }
  return "";
}

struct HostileCase {
  const char* name;
  std::function<void()> serve;  // what the server does, on top of the base
  const char* started;          // "Merak", "Solen" or "Vanto"
  const char* parameters;
  FullTool fullTool;
};

struct Figure {
  std::string name;
  double seconds;
  std::string started;
  std::string left;
  std::string fullTool;
};
std::vector<Figure> g_figures;

std::string Repeat(char c, size_t count) { return std::string(count, c); }

std::string PackageBytes(const TestPackage& package) {
  return ReadWholeFile(PackagePath(package));
}

void NewerFullToolWith(const std::string& package) {
  test_server::Publish("vantoversion", "2.0.0\r\n");
  test_server::Publish("Vantomsi.msi", package);
}

const HostileCase kCases[] = {
    {"stall before the response",
     [] { test_server::SetBehaviour("vantoversion", "stall-response"); }, "Merak", "",
     FullTool::kKept},
    {"stall mid-body",
     [] {
       test_server::Publish("merakversion", "1.0.0\r\n" + Repeat('#', 200000));
       test_server::SetBehaviour("merakversion", "stall-body");
     },
     "Merak", "", FullTool::kKept},
    {"TLS handshake that never finishes", [] { test_server::SetMode("stall-handshake:1"); },
     "Merak", "", FullTool::kKept},
    {"connection reset mid-body",
     [] {
       test_server::Publish("solenversion", "9.9.9\r\n" + Repeat('#', 200000));
       test_server::SetBehaviour("solenversion", "reset-body");
     },
     "Merak", "", FullTool::kKept},
    {"connection closed before the announced length",
     [] {
       test_server::Publish("solenversion", "9.9.9\r\n" + Repeat('#', 200000));
       test_server::SetBehaviour("solenversion", "short-body");
     },
     "Merak", "", FullTool::kKept},
    {"403", [] { test_server::SetBehaviour("solenversion", "status:403"); }, "Merak", "",
     FullTool::kKept},
    {"404", [] { test_server::Unpublish("merakversion"); }, "Merak", "", FullTool::kKept},
    {"500", [] { test_server::SetBehaviour("vantoversion", "status:500"); }, "Merak", "",
     FullTool::kKept},
    {"redirect loop", [] { test_server::SetBehaviour("solenversion", "redirect-loop"); },
     "Merak", "", FullTool::kKept},
    {"redirect from https to http (offering 9.9.9)",
     [] {
       test_server::Publish("plainsolen", "9.9.9\r\n");
       test_server::SetBehaviour("solenversion",
                                 "redirect:{plain}/pctool/Telvane/Q2875/plainsolen");
     },
     "Merak", "", FullTool::kKept},
    {"expired certificate", [] { test_server::SetMode("cert:expired"); }, "Merak", "",
     FullTool::kKept},
    {"certificate for another host", [] { test_server::SetMode("cert:other"); }, "Merak", "",
     FullTool::kKept},
    {"version file of 0 bytes", [] { test_server::Publish("merakversion", ""); }, "Merak", "",
     FullTool::kKept},
    {"version file of binary garbage",
     [] {
       test_server::Publish("solenversion",
                            std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xff\xfe", 18));
     },
     "Merak", "", FullTool::kKept},
    {"version file with a 10 MB first line",
     [] { test_server::Publish("merakversion", "2" + Repeat('0', 10 * 1024 * 1024) + "\r\n"); },
     "Vanto", "MERAK_CALL", FullTool::kKept},
    {"version file with NUL bytes",
     [] { test_server::Publish("solenversion", std::string("1.0\0.9\r\n9.9.9\r\n", 15)); },
     "Merak", "", FullTool::kKept},
    {"installer package of 0 bytes", [] { NewerFullToolWith(""); }, "Merak", "",
     FullTool::kRemoved},
    {"installer package truncated",
     [] {
       std::string package = PackageBytes(kNewPackage);
       NewerFullToolWith(package.substr(0, package.size() / 2));
     },
     "Merak", "", FullTool::kRemoved},
    {"installer package download stalls",
     [] {
       NewerFullToolWith(PackageBytes(kNewPackage));
       test_server::SetBehaviour("Vantomsi.msi", "stall-body");
     },
     "Merak", "", FullTool::kKept},
    {"installer package redirected to http",
     [] {
       NewerFullToolWith(PackageBytes(kNewPackage));
       test_server::SetBehaviour("Vantomsi.msi",
                                 "redirect:{plain}/pctool/Telvane/Q2875/Vantomsi.msi");
     },
     "Merak", "", FullTool::kKept},
    {"the same update from a well-behaved server", [] { NewerFullToolWith(PackageBytes(kNewPackage)); },
     "Merak", "", FullTool::kReplaced},
};

class HostileServerTest : public testing::TestWithParam<HostileCase> {
 protected:
  HostileServerTest() : suite("hostile") {}

  // The old full tool installed; every tool up to date on the server.
  void SetUp() override {
    RemoveTestProducts();
    test_server::Reset();
    for (const std::string& name : TemporaryFilesLeft()) RemoveFile(TempFolder() + name);
    ASSERT_EQ(0u, InstallPackage(kOldPackage));
    suite.SetVersion(TOOL_VANTOLITE, "1.0.0");
    suite.Install(TOOL_MERAK, "1.0.0");
    suite.Install(TOOL_SOLEN, "1.0.0");
    test_server::PublishVersions("1.0.0");
  }
  void TearDown() override {
    RemoveTestProducts();
    test_server::Reset();
  }

  static void TearDownTestSuite() {
    std::string table =
        "| hostile case | launcher's time to exit | tool started | temporary files left | "
        "full tool |\n|---|---|---|---|---|\n";
    for (const Figure& f : g_figures) {
      char seconds[32];
      snprintf(seconds, sizeof seconds, "%.1f s", f.seconds);
      table += "| " + f.name + " | " + seconds + " | " + f.started + " | " + f.left + " | " +
               f.fullTool + " |\n";
    }
    printf("\n%s\n", table.c_str());
    WriteWholeFile(TestRunFolder() + "\\hostile-cases.md", table);
  }

  // Which tool started, with its parameters, as "Merak" or "Vanto MERAK_CALL".
  std::string StartedTools() {
    std::string started;
    auto add = [&](const std::string& name, const std::vector<std::string>& parameters) {
      for (const std::string& p : parameters) {
        started += (started.empty() ? "" : ", ") + name + (p.empty() ? "" : " " + p);
      }
    };
    for (ToolIndex tool : {TOOL_MERAK, TOOL_SOLEN}) {
      std::vector<std::string> parameters;
      for (const ToolStart& start : suite.Starts(tool)) parameters.push_back(start.Parameters());
      add(tool == TOOL_MERAK ? "Merak" : "Solen", parameters);
    }
    for (const TestPackage* package : {&kOldPackage, &kNewPackage}) {
      std::string path = InstalledFullToolPath(*package);
      WaitForProcessesUnder(FolderOf(path));
      std::vector<std::string> parameters;
      for (const std::string& line : Lines(ReadWholeFile(path + ".started"))) {
        if (line.compare(0, 8, "cmdline=") != 0) continue;
        std::string commandLine = line.substr(8);
        size_t close = commandLine.find('"', 1);
        std::string rest = close == std::string::npos ? "" : commandLine.substr(close + 1);
        parameters.push_back(rest.empty() ? rest : rest.substr(1));
      }
      add("Vanto", parameters);
    }
    return started.empty() ? "none" : started;
  }

  StandinSuite suite;
};

TEST_P(HostileServerTest, EndsStartsTheRightToolAndLeavesNothing) {
  const HostileCase& c = GetParam();
  c.serve();

  ProgramRun run = RunProgram(TwinPath(), " MERAK_CALL", 300000);
  ASSERT_TRUE(run.ended) << "the launcher did not end";
  EXPECT_EQ(0u, run.exitCode);

  std::string started = StartedTools();
  std::string expected = std::string(c.started) + (*c.parameters ? " " : "") + c.parameters;
  EXPECT_EQ(expected, started);

  std::vector<std::string> left = TemporaryFilesLeft();
  EXPECT_TRUE(left.empty()) << testing::PrintToString(left);

  FullTool state = FullTool::kKept;
  if (ProductState(kNewPackage) == INSTALLSTATE_DEFAULT) {
    state = FullTool::kReplaced;
  } else if (ProductState(kOldPackage) != INSTALLSTATE_DEFAULT) {
    state = FullTool::kRemoved;
  }
  EXPECT_STREQ(Describe(c.fullTool), Describe(state));

  for (const std::string& connection : test_server::Connections()) {
    EXPECT_EQ(0u, connection.find("https")) << "followed a downgrade: " << connection;
  }

  std::string leftText;
  for (const std::string& name : left) leftText += (leftText.empty() ? "" : " ") + name;
  g_figures.push_back({c.name, run.milliseconds / 1000.0, started,
                       leftText.empty() ? "none" : leftText, Describe(state)});
}

std::string CaseName(const testing::TestParamInfo<HostileCase>& info) {
  std::string name;
  for (const char* c = info.param.name; *c; ++c) {
    if (isalnum(static_cast<unsigned char>(*c))) name += *c;
  }
  return name;
}

INSTANTIATE_TEST_SUITE_P(Cases, HostileServerTest, testing::ValuesIn(kCases), CaseName);

}  // namespace
