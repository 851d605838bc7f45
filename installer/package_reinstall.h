#pragma once

// Replaces the installed full tool with the update server's installer
// package. True when the package was fetched and installed.
bool UpdateFullTool();
