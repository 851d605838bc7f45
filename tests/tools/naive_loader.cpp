// A program that links the libraries the launcher uses the ordinary way, so
// that the loader looks for them in the program's own folder first: the
// control that shows a planted DLL is found when nothing prevents it.
#include <windows.h>
#include <commctrl.h>
#include <msi.h>
#include <wininet.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  MsiSetInternalUI(INSTALLUILEVEL_NONE, nullptr);
  DeleteUrlCacheEntryA("https://localhost/");
  return 0;
}
