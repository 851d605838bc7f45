#pragma once

#include "app/tool_catalogue.h"
#include "framework/afx_string.h"

// The tool a run starts and whether it receives the launcher's command line.
struct LaunchChoice {
  ToolIndex tool;
  bool passCommandLine;
};

// The first row that matches:
//   the third or the fourth tool is newer on the server: the full tool,
//     with the trimmed command line;
//   the trimmed command line is exactly "MERAK_CALL": the third tool;
//   otherwise: the fourth tool.
LaunchChoice ChooseToolToStart(int thirdToolNewer, int fourthToolNewer,
                               const CString& trimmedCommandLine);
