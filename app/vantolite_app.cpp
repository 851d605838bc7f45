#include "app/vantolite_app.h"

#include <windows.h>
#include <commctrl.h>

#include "app/command_line_trim.h"
#include "app/launch_decision.h"
#include "app/tool_catalogue.h"
#include "app/tool_start.h"
#include "framework/ansi_code_page.h"
#include "framework/system_library.h"
#include "installer/full_tool_stopper.h"
#include "installer/package_reinstall.h"
#include "update/update_check.h"

namespace {

// Registers the common control classes; the launcher shows none, this only
// completes the framework's usual set-up.
void InitializeCommonControls(const CSystemLibrary& commonControls) {
  typedef BOOL(WINAPI * InitCommonControlsExFn)(const INITCOMMONCONTROLSEX*);
  InitCommonControlsExFn init =
      commonControls.Get<InitCommonControlsExFn>("InitCommonControlsEx");
  if (!init) return;
  INITCOMMONCONTROLSEX controls;
  controls.dwSize = 8;
  controls.dwICC = 0xFF;
  init(&controls);
}

}  // namespace

BEGIN_MESSAGE_MAP(CVantoLiteApp, CWinApp)
ON_COMMAND(ID_HELP, &CWinApp::OnHelp)
END_MESSAGE_MAP()

CVantoLiteApp::CVantoLiteApp() : CWinApp(nullptr) {}

CVantoLiteApp::~CVantoLiteApp() {}

BOOL CVantoLiteApp::InitInstance() {
  CSystemLibrary commonControls("comctl32.dll");
  InitializeCommonControls(commonControls);
  CWinApp::InitInstance();
  AfxEnableControlContainer();

  // One launcher per executable name. The mutex stays owned until the
  // process ends, and the system frees it then; its handle is kept nowhere.
  CreateMutexA(nullptr, TRUE, m_strExeName);
  if (GetLastError() == ERROR_ALREADY_EXISTS) return FALSE;

  SetRegistryKey(SETTINGS_KEY);
  CString commandLine = TrimCommandLine(CString(m_lpCmdLine), AnsiLeadByte);

  int newer[TOOL_COUNT];
  for (ToolIndex tool = 0; tool < TOOL_COUNT; ++tool) {
    newer[tool] = IsUpdateAvailable(tool);
  }
  // The launcher never updates itself: newer[TOOL_VANTOLITE] is not used.

  if (newer[TOOL_VANTO]) {
    CloseRunningFullTool();
    UpdateFullTool();
  }

  StartChosenTool(
      ChooseToolToStart(newer[TOOL_MERAK], newer[TOOL_SOLEN], commandLine),
      commandLine);
  return FALSE;
}
