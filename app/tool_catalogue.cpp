#include "app/tool_catalogue.h"

namespace {

struct ToolRecord {
  const char* keyPath;
  const char* versionFileName;
};

const ToolRecord kTools[TOOL_COUNT] = {
    {"Software\\Quendar\\Upvane\\VANTO", "vantoversion"},
    {"Software\\Quendar\\Upvane\\VANTOLITE", "vantoliteversion"},
    {"Software\\Quendar\\Upvane\\MERAK", "merakversion"},
    {"Software\\Quendar\\Upvane\\SOLEN", "solenversion"},
};

bool IsToolIndex(ToolIndex index) {
  return static_cast<unsigned>(index) < static_cast<unsigned>(TOOL_COUNT);
}

}  // namespace

const char VALUE_VERSION[] = "Version";
const char VALUE_PRODUCT_ID[] = "ProductID";
const char VALUE_FULL_PATH[] = "FullPath";
const char FULL_TOOL_STEM[] = "Vanto";
const char FULL_TOOL_SUFFIX[] = ".exe";
const char FULL_TOOL_PACKAGE[] = "Vantomsi.msi";
const char MERAK_CALL[] = "MERAK_CALL";
const char SETTINGS_KEY[] = "Quendar Applications";

const char* ToolKeyPath(ToolIndex index) {
  return IsToolIndex(index) ? kTools[index].keyPath : "";
}

const char* ToolVersionFileName(ToolIndex index) {
  return IsToolIndex(index) ? kTools[index].versionFileName : "";
}
