#include "records/registry_text.h"

#include <gtest/gtest.h>

#include <string.h>

namespace {

TEST(RegistryTextTest, TextEndsAtTheFirstZeroByte) {
  EXPECT_STREQ("3.1.1", TextOfValueData("3.1.1\0junk", 11, 256).GetString());
  EXPECT_STREQ("", TextOfValueData("\0abc", 4, 256).GetString());
}

TEST(RegistryTextTest, NeverReadsPastTheBytesReturned) {
  // Data without a terminator: the bytes after it in the buffer are not text.
  char buffer[256];
  memset(buffer, 'Z', sizeof buffer);
  memcpy(buffer, "1.2", 3);
  EXPECT_STREQ("1.2", TextOfValueData(buffer, 3, sizeof buffer).GetString());
  EXPECT_STREQ("", TextOfValueData(buffer, 0, sizeof buffer).GetString());
}

TEST(RegistryTextTest, NeverReadsPastTheBuffer) {
  char buffer[256];
  memset(buffer, 'Z', sizeof buffer);
  CString text = TextOfValueData(buffer, 4096, sizeof buffer);
  EXPECT_EQ(256u, text.GetLength());
}

}  // namespace
