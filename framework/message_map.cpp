#include "framework/message_map.h"

const AFX_MSGMAP_ENTRY* AfxFindCommandEntry(const AFX_MSGMAP* map, UINT id) {
  for (; map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
    for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries;
         entry && entry->pfn; ++entry) {
      if (entry->nMessage == WM_COMMAND && entry->nCode == CN_COMMAND &&
          entry->nID <= id && id <= entry->nLastID) {
        return entry;
      }
    }
  }
  return nullptr;
}
