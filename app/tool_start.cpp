#include "app/tool_start.h"

#include <windows.h>
#include <shellapi.h>

#include "app/hand_off_parameters.h"
#include "records/qd_registry.h"

#ifndef _WIN64
static_assert(sizeof(SHELLEXECUTEINFOA) == 60, "shell record of a 32-bit process");
#endif

void StartChosenTool(const LaunchChoice& choice,
                     const CString& trimmedCommandLine) {
  char handOff[256] = "";
  const char* parameters = nullptr;
  if (choice.passCommandLine) {
    parameters = HandOffParameters(trimmedCommandLine, handOff, sizeof handOff);
  }

  CString fullPath;
  {
    CQdRegstry registry;
    fullPath = registry.GetValue(ToolKeyPath(choice.tool), VALUE_FULL_PATH);
  }
  if (fullPath.IsEmpty()) return;

  SHELLEXECUTEINFOA info;
  ZeroMemory(&info, sizeof info);
  info.cbSize = sizeof info;
  // The launcher never shows a message: without this flag the shell reports
  // a missing or unstartable file in a dialog box and waits for the user.
  info.fMask = SEE_MASK_FLAG_NO_UI;
  info.lpFile = fullPath;
  info.lpParameters = parameters;
  info.nShow = SW_SHOWNORMAL;
  ShellExecuteExA(&info);
}
