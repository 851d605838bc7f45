#pragma once

#include "app/launch_decision.h"
#include "framework/afx_string.h"

// Reads the chosen tool's "FullPath" and, when it is not empty, starts that
// file through the shell with its default verb and a normal window, without
// waiting for it. The full tool receives the trimmed command line as its
// parameters; the other tools receive none.
void StartChosenTool(const LaunchChoice& choice,
                     const CString& trimmedCommandLine);
