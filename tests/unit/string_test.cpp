#include "framework/afx_string.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(CStringTest, EmptyStringIsZeroTerminatedEmptyText) {
  CString empty;
  EXPECT_TRUE(empty.IsEmpty());
  EXPECT_STREQ("", empty.GetString());
  EXPECT_STREQ("", CString(nullptr).GetString());
  EXPECT_TRUE(CString("") == CString());
}

TEST(CStringTest, CopiesShareUntilOneChanges) {
  CString original("3.1.1");
  CString copy = original;
  EXPECT_EQ(original.GetString(), copy.GetString());  // one buffer
  copy += "-beta";
  EXPECT_STREQ("3.1.1", original.GetString());
  EXPECT_STREQ("3.1.1-beta", copy.GetString());
}

TEST(CStringTest, AppendingToItselfDoublesTheText) {
  CString text("ab");
  text += text;
  text += text;
  EXPECT_STREQ("abababab", text.GetString());
}

TEST(CStringTest, LongTextBuiltByteByByteKeepsEveryByte) {
  CString line;
  std::string expected;
  for (int i = 0; i < 100000; ++i) {
    char c = static_cast<char>('0' + i % 10);
    line.Append(&c, 1);
    expected.push_back(c);
  }
  ASSERT_EQ(expected.size(), line.GetLength());
  EXPECT_EQ(expected, std::string(line.GetString(), line.GetLength()));
  EXPECT_EQ('\0', line.GetString()[line.GetLength()]);
}

TEST(CStringTest, ComparisonTakesTheWholeTextByteForByte) {
  EXPECT_TRUE(CString("MERAK_CALL") == "MERAK_CALL");
  EXPECT_FALSE(CString("MERAK_CALL") == "MERAK_CAL");
  EXPECT_FALSE(CString("MERAK_CALL") == "merak_call");
  EXPECT_FALSE(CString("MERAK_CALL ") == "MERAK_CALL");
  EXPECT_TRUE(CString("a\0b", 3) != CString("a\0c", 3));
  EXPECT_TRUE(CString("x") != nullptr);
}

TEST(CStringTest, ConcatenationKeepsBothSides) {
  CString folder("C:\\Temp\\");
  EXPECT_STREQ("C:\\Temp\\QdTemp_", (folder + "QdTemp_").GetString());
  EXPECT_STREQ("https://C:\\Temp\\", ("https://" + folder).GetString());
  EXPECT_STREQ("C:\\Temp\\C:\\Temp\\", (folder + folder).GetString());
}

}  // namespace
