#include <gtest/gtest.h>

#include <string.h>

#include <string>

#include "framework/bounded_copy.h"
#include "framework/mbcs.h"
#include "tests/support/double_byte.h"

namespace {

TEST(CharLengthTest, LeadByteTakesItsTrailByte) {
  EXPECT_EQ(2u, CharLength("\x81\x5C", 2, DoubleByteLead));
  EXPECT_EQ(1u, CharLength("\x81\x5C", 2, NoLeadBytes));
  EXPECT_EQ(1u, CharLength("A\x5C", 2, DoubleByteLead));
  // A lead byte at the end of the text, or before a zero byte, stands alone.
  EXPECT_EQ(1u, CharLength("\x81", 1, DoubleByteLead));
  EXPECT_EQ(1u, CharLength("\x81\0", 2, DoubleByteLead));
}

TEST(BoundedCopyTest, CopyNeverPassesTheBufferAndAlwaysTerminates) {
  char buffer[8];
  memset(buffer, 'X', sizeof buffer);
  EXPECT_EQ(7u, CopyBounded(buffer, sizeof buffer, "0123456789"));
  EXPECT_STREQ("0123456", buffer);
  EXPECT_EQ(3u, CopyBounded(buffer, sizeof buffer, "abc"));
  EXPECT_STREQ("abc", buffer);
  EXPECT_EQ(0u, CopyBounded(buffer, 1, "abc"));
  EXPECT_STREQ("", buffer);
}

TEST(BoundedCopyTest, AppendStopsAtTheBuffersEnd) {
  char name[10];
  CopyBounded(name, sizeof name, "Vanto");
  EXPECT_EQ(9u, AppendBounded(name, sizeof name, ".exe"));
  EXPECT_STREQ("Vanto.exe", name);
  EXPECT_EQ(9u, AppendBounded(name, sizeof name, ".more"));
  EXPECT_STREQ("Vanto.exe", name);

  char unterminated[4] = {'a', 'b', 'c', 'd'};
  EXPECT_EQ(3u, AppendBounded(unterminated, sizeof unterminated, "e"));
  EXPECT_EQ('\0', unterminated[3]);
}

}  // namespace
