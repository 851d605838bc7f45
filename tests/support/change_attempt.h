#pragma once

#include <string>

// What another process of the user managed to do to a file (see
// tests/tools/try_change.cpp).
struct ChangeAttempt {
  bool openedForWriting;
  bool deleted;
  bool renamed;
  bool openedForReading;
};

ChangeAttempt TryToChangeFromAnotherProcess(const std::string& path);
