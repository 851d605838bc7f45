#pragma once

#include <windows.h>

#include "framework/afx_string.h"
#include "framework/message_map.h"

// The application object. The one instance of a class derived from it is a
// global made during static initialisation; the process entry point fills in
// what the framework knows about the process and calls InitInstance once.
class CWinApp {
 public:
  // Without an application name the framework takes the executable name.
  explicit CWinApp(const char* appName = nullptr);
  virtual ~CWinApp();

  virtual const AFX_MSGMAP* GetMessageMap() const;
  // The application's start-up. A nonzero result would ask for a message
  // loop; this framework has none, so the process ends either way.
  virtual BOOL InitInstance();
  // The exit step; its result is the process's exit code.
  virtual int ExitInstance();

  // Names the per-user settings key: Software\<key>\<application name> under
  // HKEY_CURRENT_USER. Nothing is read or written there until settings are
  // stored, and this framework stores none of its own.
  void SetRegistryKey(const char* companyKey);
  CString GetAppRegistryKey() const;

  // The standard Help command. Help needs a main window; the framework
  // shows nothing without one.
  void OnHelp();

  HINSTANCE m_hInstance;
  int m_nCmdShow;
  // The command line without the program name (see SkipProgramName).
  const char* m_lpCmdLine;
  // The executable's file name without folder and extension.
  CString m_strExeName;
  CString m_strAppName;
  CString m_strRegistryKey;
  CString m_strProfileName;

 protected:
  static const AFX_MSGMAP* GetThisMessageMap();

 private:
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  friend int AfxWinMain(HINSTANCE, int);
  const char* m_pszGivenAppName;
};

CWinApp* AfxGetApp();

// Runs the process: records the module handle, the command line, the show
// state, the executable and application names, calls InitInstance and then
// the exit step, whose result it returns as the exit code.
int AfxWinMain(HINSTANCE instance, int showCommand);

// The manager of ActiveX control containment.
class COccManager {};

// Switches control containment on, with the default manager when none is
// given.
void AfxEnableControlContainer(COccManager* manager = nullptr);
COccManager* AfxGetOccManager();
