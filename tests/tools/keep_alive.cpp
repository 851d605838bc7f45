// Stays running in the test prefix for the whole test run, so that Wine's
// desktop process does not end between two runs of the launcher. Ends when
// the event "VantoLiteTestKeepAlive" is set or the wineserver goes.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  HANDLE stop = CreateEventA(nullptr, TRUE, FALSE, "VantoLiteTestKeepAlive");
  if (stop) WaitForSingleObject(stop, INFINITE);
  return 0;
}
