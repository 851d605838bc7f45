#include "tests/support/test_server.h"

#include <windows.h>

#include "tests/support/test_files.h"
#include "tests/support/test_run.h"

namespace test_server {
namespace {

std::string State(const std::string& name) {
  return TestRunFolder() + "\\state\\" + name;
}

std::vector<std::string> LinesOf(const std::string& name) {
  return Lines(ReadWholeFile(State(name)));
}

}  // namespace

std::string FilesFolder() {
  return TestRunFolder() + "\\docroot\\pctool\\Telvane\\Q2875";
}

void Publish(const std::string& name, const std::string& content) {
  WriteWholeFile(FilesFolder() + "\\" + name, content);
}

void Unpublish(const std::string& name) { RemoveFile(FilesFolder() + "\\" + name); }

void PublishVersions(const std::string& version) {
  for (const char* file : {"vantoversion", "vantoliteversion", "merakversion", "solenversion"}) {
    Publish(file, version + "\r\n");
  }
}

void Reset() {
  RemoveTree(FilesFolder());
  MakeFolders(FilesFolder());
  RemoveFile(State("behaviours"));
  SetMode("serve");
  ForgetTraffic();
}

void SetBehaviour(const std::string& name, const std::string& behaviour) {
  std::string all = ReadWholeFile(State("behaviours"));
  WriteWholeFile(State("behaviours"), all + name + " " + behaviour + "\n");
}

void SetMode(const std::string& mode) {
  WriteWholeFile(State("mode"), mode);
  for (int i = 0; i < 500; ++i) {
    if (ReadWholeFile(State("mode.ack")) == mode) return;
    Sleep(10);
  }
}

std::vector<std::string> Requests() { return LinesOf("requests.log"); }

std::vector<std::string> Connections() { return LinesOf("connections.log"); }

void ForgetTraffic() {
  RemoveFile(State("requests.log"));
  RemoveFile(State("connections.log"));
}

}  // namespace test_server
