#include "records/registry_view.h"

REGSAM WithRegistryView(REGSAM access, IsWow64ProcessFn isWow64Process) {
  BOOL wow64Flag = TRUE;
  BOOL answer = FALSE;
  if (isWow64Process(GetCurrentProcess(), &answer)) wow64Flag = answer;
  return wow64Flag == 1 ? (access | KEY_WOW64_64KEY) : access;
}
