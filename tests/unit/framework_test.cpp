#include <gtest/gtest.h>

#include "app/vantolite_app.h"
#include "framework/win_app.h"

namespace {

TEST(MessageMapTest, HelpCommandGoesToTheFrameworksHelpHandler) {
  CVantoLiteApp launcher;
  const CWinApp& app = launcher;
  const AFX_MSGMAP_ENTRY* entry = AfxFindCommandEntry(app.GetMessageMap(), ID_HELP);
  ASSERT_NE(nullptr, entry);
  EXPECT_EQ(static_cast<UINT>(WM_COMMAND), entry->nMessage);
  EXPECT_EQ(CN_COMMAND, entry->nCode);
  EXPECT_EQ(0xE146u, entry->nID);
  EXPECT_EQ(AfxSig_vv, entry->nSig);
  EXPECT_TRUE(entry->pfn == static_cast<AFX_PMSG>(&CWinApp::OnHelp));
  EXPECT_EQ(nullptr, AfxFindCommandEntry(app.GetMessageMap(), ID_HELP + 1));
}

class RecordingApp : public CWinApp {
 public:
  BOOL InitInstance() override {
    ++calls;
    seenCommandLine = m_lpCmdLine;
    SetRegistryKey("Quendar Applications");
    return FALSE;
  }
  int calls = 0;
  CString seenCommandLine;
};

TEST(WinAppTest, EntryCallsInitInstanceOnceAndEndsWithZero) {
  RecordingApp app;
  ASSERT_EQ(&app, AfxGetApp());
  EXPECT_EQ(0, AfxWinMain(GetModuleHandleA(nullptr), SW_SHOWNORMAL));
  EXPECT_EQ(1, app.calls);
  EXPECT_STREQ("unit_tests", app.m_strExeName.GetString());
  EXPECT_TRUE(app.m_strAppName == app.m_strExeName);
  EXPECT_STREQ("Software\\Quendar Applications\\unit_tests",
               app.GetAppRegistryKey().GetString());
}

class NamedApp : public CWinApp {
 public:
  NamedApp() : CWinApp("Given Name") {}
  BOOL InitInstance() override { return TRUE; }
};

TEST(WinAppTest, GivenApplicationNameWinsAndExitCodeStaysZero) {
  NamedApp app;
  EXPECT_EQ(0, AfxWinMain(GetModuleHandleA(nullptr), SW_SHOWNORMAL));
  EXPECT_STREQ("Given Name", app.m_strAppName.GetString());
}

TEST(WinAppTest, ControlContainmentUsesTheDefaultManager) {
  AfxEnableControlContainer();
  COccManager* defaultManager = AfxGetOccManager();
  EXPECT_NE(nullptr, defaultManager);
  COccManager own;
  AfxEnableControlContainer(&own);
  EXPECT_EQ(&own, AfxGetOccManager());
  AfxEnableControlContainer();
  EXPECT_EQ(defaultManager, AfxGetOccManager());
}

}  // namespace
