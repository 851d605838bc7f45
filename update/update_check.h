#pragma once

#include "app/tool_catalogue.h"

// 1 when the update server holds a newer version of the tool than the one
// recorded as installed on this machine, 0 otherwise.
int IsUpdateAvailable(ToolIndex index);
