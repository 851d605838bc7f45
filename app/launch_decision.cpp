#include "app/launch_decision.h"

LaunchChoice ChooseToolToStart(int thirdToolNewer, int fourthToolNewer,
                               const CString& trimmedCommandLine) {
  if (thirdToolNewer || fourthToolNewer) return {TOOL_VANTO, true};
  if (trimmedCommandLine == MERAK_CALL) return {TOOL_MERAK, false};
  return {TOOL_SOLEN, false};
}
