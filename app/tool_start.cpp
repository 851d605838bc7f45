#include "app/tool_start.h"

#include <windows.h>
#include <shellapi.h>

#include "app/hand_off_parameters.h"
#include "framework/system_library.h"
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

  CSystemLibrary shell("shell32.dll");
  typedef BOOL(WINAPI * ShellExecuteExFn)(SHELLEXECUTEINFOA*);
  ShellExecuteExFn shellExecute = shell.Get<ShellExecuteExFn>("ShellExecuteExA");
  if (!shellExecute) return;

  SHELLEXECUTEINFOA info;
  ZeroMemory(&info, sizeof info);
  info.cbSize = sizeof info;
  // The launcher never shows a message: without FLAG_NO_UI the shell reports
  // a missing or unstartable file in a dialog box and waits for the user.
  // It ends right after this call: NOASYNC makes the shell finish the start
  // before the call returns, so none of it is cut short by the exit (or by
  // the shell library going first).
  info.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
  info.lpFile = fullPath;
  info.lpParameters = parameters;
  info.nShow = SW_SHOWNORMAL;
  shellExecute(&info);
}
