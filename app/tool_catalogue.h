#pragma once

// The number of a tool of the suite.
typedef int ToolIndex;

const ToolIndex TOOL_VANTO = 0;      // the full tool
const ToolIndex TOOL_VANTOLITE = 1;  // this launcher
const ToolIndex TOOL_MERAK = 2;      // the third tool
const ToolIndex TOOL_SOLEN = 3;      // the fourth tool
const int TOOL_COUNT = 4;

// The tool's installation record under HKEY_CURRENT_USER; "" for an index
// outside 0 to 3.
const char* ToolKeyPath(ToolIndex index);

// The name of the tool's version file on the update server; "" for an index
// outside 0 to 3.
const char* ToolVersionFileName(ToolIndex index);

// The values of an installation record.
extern const char VALUE_VERSION[];     // "Version"
extern const char VALUE_PRODUCT_ID[];  // "ProductID"
extern const char VALUE_FULL_PATH[];   // "FullPath"

// The full tool's executable is FULL_TOOL_STEM followed by FULL_TOOL_SUFFIX;
// its installer package on the update server is FULL_TOOL_PACKAGE.
extern const char FULL_TOOL_STEM[];     // "Vanto"
extern const char FULL_TOOL_SUFFIX[];   // ".exe"
extern const char FULL_TOOL_PACKAGE[];  // "Vantomsi.msi"

// The one command-line token the launcher knows.
extern const char MERAK_CALL[];
// The framework's per-user settings key; nothing is stored under it.
extern const char SETTINGS_KEY[];
