#pragma once

#include <windows.h>

class CWinApp;

// A handler of a command without arguments.
typedef void (CWinApp::*AFX_PMSG)();

// One entry of a message map: which message and command it takes and which
// member function handles it.
struct AFX_MSGMAP_ENTRY {
  UINT nMessage;
  UINT nCode;
  UINT nID;
  UINT nLastID;
  UINT_PTR nSig;
  AFX_PMSG pfn;
};

// A class's message map: its own entries, ended by an entry with a null
// handler, and the way to its base class's map.
struct AFX_MSGMAP {
  const AFX_MSGMAP* (*pfnGetBaseMap)();
  const AFX_MSGMAP_ENTRY* lpEntries;
};

const UINT CN_COMMAND = 0;
const UINT ID_HELP = 0xE146;
const UINT_PTR AfxSig_end = 0;
const UINT_PTR AfxSig_vv = 1;  // void handler(void)

// The entry that handles the command `id`, looked up through the class's
// map and then its bases; null when no map has one.
const AFX_MSGMAP_ENTRY* AfxFindCommandEntry(const AFX_MSGMAP* map, UINT id);

#define DECLARE_MESSAGE_MAP()                   \
 protected:                                     \
  static const AFX_MSGMAP* GetThisMessageMap(); \
  const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                  \
  const AFX_MSGMAP* theClass::GetMessageMap() const {           \
    return GetThisMessageMap();                                 \
  }                                                             \
  const AFX_MSGMAP* theClass::GetThisMessageMap() {             \
    typedef baseClass TheBaseClass;                             \
    static const AFX_MSGMAP_ENTRY entries[] = {
#define ON_COMMAND(id, handler) \
  {WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(id), AfxSig_vv, handler},

#define END_MESSAGE_MAP()                                           \
  {0, 0, 0, 0, AfxSig_end, nullptr}                                 \
  }                                                                 \
  ;                                                                 \
  static const AFX_MSGMAP map = {&TheBaseClass::GetThisMessageMap,  \
                                 &entries[0]};                      \
  return &map;                                                      \
  }
