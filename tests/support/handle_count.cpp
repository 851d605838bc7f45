#include "tests/support/handle_count.h"

#include <windows.h>
#include <winternl.h>

#include <vector>

namespace {

// SystemExtendedHandleInformation and its entries.
const int kExtendedHandleInformation = 64;

struct HandleEntry {
  PVOID object;
  ULONG_PTR processId;
  ULONG_PTR handleValue;
  ULONG grantedAccess;
  USHORT creatorBackTraceIndex;
  USHORT objectTypeIndex;
  ULONG handleAttributes;
  ULONG reserved;
};

struct HandleTable {
  ULONG_PTR count;
  ULONG_PTR reserved;
  HandleEntry entries[1];
};

}  // namespace

int OwnHandleCount() {
  std::vector<char> buffer(1 << 20);
  for (;;) {
    ULONG needed = 0;
    NTSTATUS status = NtQuerySystemInformation(
        static_cast<SYSTEM_INFORMATION_CLASS>(kExtendedHandleInformation),
        buffer.data(), static_cast<ULONG>(buffer.size()), &needed);
    if (status == 0) break;
    if (buffer.size() >= (1u << 28)) return -1;
    buffer.resize(buffer.size() * 2);
  }
  const HandleTable* table = reinterpret_cast<const HandleTable*>(buffer.data());
  int own = 0;
  for (ULONG_PTR i = 0; i < table->count; ++i) {
    if (table->entries[i].processId == GetCurrentProcessId()) ++own;
  }
  return own;
}
