#include "tests/support/change_attempt.h"

#include "tests/support/test_process.h"
#include "tests/support/test_run.h"

ChangeAttempt TryToChangeFromAnotherProcess(const std::string& path) {
  ProgramRun run = RunProgram(TestToolsFolder() + "\\try_change.exe", " \"" + path + "\"");
  DWORD done = run.ended ? run.exitCode : 0;
  return {(done & 1) != 0, (done & 2) != 0, (done & 4) != 0, (done & 8) != 0};
}
