// Tries, from a process of its own, what another program of the user could
// do to a file: open it for writing, delete it, rename it, and read it.
// The exit code tells what succeeded, one bit each:
//   1 opened for writing, 2 deleted, 4 renamed, 8 opened for reading.
// Usage: try_change <path>
#include <windows.h>

#include <string>

int main(int argc, char** argv) {
  if (argc != 2) return 255;
  std::string path = argv[1];
  int done = 0;

  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    done |= 1;
    CloseHandle(file);
  }
  std::string moved = path + ".moved";
  if (MoveFileExA(path.c_str(), moved.c_str(), 0)) {
    done |= 4;
    MoveFileExA(moved.c_str(), path.c_str(), 0);
  }
  file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    done |= 8;
    CloseHandle(file);
  }
  // Last, as it cannot be undone.
  if (DeleteFileA(path.c_str())) done |= 2;
  return done;
}
