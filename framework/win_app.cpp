#include "framework/win_app.h"

#include "framework/ansi_code_page.h"
#include "framework/command_line.h"
#include "framework/path_text.h"
#include "framework/system_library.h"

namespace {

CWinApp* g_app = nullptr;
COccManager g_defaultOccManager;
COccManager* g_occManager = nullptr;

}  // namespace

CWinApp::CWinApp(const char* appName)
    : m_hInstance(nullptr),
      m_nCmdShow(SW_SHOWNORMAL),
      m_lpCmdLine(""),
      m_pszGivenAppName(appName) {
  g_app = this;
}

CWinApp::~CWinApp() {
  if (g_app == this) g_app = nullptr;
}

const AFX_MSGMAP* CWinApp::GetThisMessageMap() {
  static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, AfxSig_end, nullptr}};
  static const AFX_MSGMAP map = {nullptr, &entries[0]};
  return &map;
}

const AFX_MSGMAP* CWinApp::GetMessageMap() const { return GetThisMessageMap(); }

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance() { return 0; }

void CWinApp::SetRegistryKey(const char* companyKey) {
  m_strRegistryKey = companyKey;
  m_strProfileName = m_strAppName;
}

CString CWinApp::GetAppRegistryKey() const {
  if (m_strRegistryKey.IsEmpty()) return CString();
  return CString("Software\\") + m_strRegistryKey + "\\" + m_strProfileName;
}

void CWinApp::OnHelp() {}

CWinApp* AfxGetApp() { return g_app; }

int AfxWinMain(HINSTANCE instance, int showCommand) {
  RestrictLibrarySearchToSystemFolder();

  CWinApp* app = AfxGetApp();
  if (!app) return 0;

  app->m_hInstance = instance;
  app->m_nCmdShow = showCommand;
  app->m_lpCmdLine = SkipProgramName(GetCommandLineA());

  char modulePath[MAX_PATH + 1] = {};
  GetModuleFileNameA(nullptr, modulePath, MAX_PATH);
  app->m_strExeName = FileStemOf(modulePath, AnsiLeadByte);
  app->m_strAppName = app->m_pszGivenAppName ? CString(app->m_pszGivenAppName)
                                              : app->m_strExeName;

  app->InitInstance();
  return app->ExitInstance();
}

void AfxEnableControlContainer(COccManager* manager) {
  g_occManager = manager ? manager : &g_defaultOccManager;
}

COccManager* AfxGetOccManager() { return g_occManager; }
