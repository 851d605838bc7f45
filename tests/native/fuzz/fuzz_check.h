#pragma once

#include <stdio.h>
#include <stdlib.h>

// Stops the fuzzer with a finding when a property of the code under test
// does not hold.
#define FUZZ_CHECK(condition)                                              \
  do {                                                                     \
    if (!(condition)) {                                                    \
      fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, \
              #condition);                                                 \
      abort();                                                             \
    }                                                                      \
  } while (0)
