#include "framework/text_line_scanner.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct LineCase {
  std::string file;
  std::string firstLine;
  bool hasLine;
};

// Feeds the file in pieces of `piece` bytes, as a buffered reader would.
CTextLineScanner Scan(const std::string& file, size_t piece) {
  CTextLineScanner scanner;
  size_t at = 0;
  while (!scanner.IsComplete() && at < file.size()) {
    size_t size = std::min(piece, file.size() - at);
    size_t taken = scanner.Feed(file.data() + at, size);
    EXPECT_LE(taken, size);
    at += taken;
    if (taken < size) break;
  }
  scanner.Finish();
  return scanner;
}

class TextLineTest : public testing::TestWithParam<LineCase> {};

TEST_P(TextLineTest, FirstLineIsTheSameWhateverThePieces) {
  for (size_t piece : {1u, 2u, 3u, 7u, 4096u}) {
    CTextLineScanner scanner = Scan(GetParam().file, piece);
    EXPECT_EQ(GetParam().firstLine,
              std::string(scanner.Line().GetString(), scanner.Line().GetLength()))
        << "pieces of " << piece;
    EXPECT_EQ(GetParam().hasLine, !scanner.IsEmptyRead()) << "pieces of " << piece;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, TextLineTest,
    testing::Values(
        LineCase{"3.1.1\r\n4.0.0\r\n", "3.1.1", true},
        LineCase{"3.1.1\n4.0.0\n", "3.1.1", true},
        LineCase{"3.1.1", "3.1.1", true},
        LineCase{"", "", false},
        LineCase{"\r\n3.1.1\r\n", "", true},
        LineCase{"\n3.1.1", "", true},
        LineCase{" 3.1.1\r\n", " 3.1.1", true},
        LineCase{"\xEF\xBB\xBF" "3.1.1\r\n", "\xEF\xBB\xBF" "3.1.1", true},
        // A CR that does not precede an LF is text, at the end as well.
        LineCase{"3.1\r1\r\n", "3.1\r1", true},
        LineCase{"3.1.1\r", "3.1.1\r", true},
        LineCase{"3.1.1\r\r\n", "3.1.1\r", true},
        // Ctrl-Z ends the text.
        LineCase{"3.1\x1A" ".1\r\n", "3.1", true},
        LineCase{"\x1A" "3.1.1", "", false},
        LineCase{"3.1.1\r\x1A", "3.1.1\r", true},
        // The line's text stops at a zero byte; the line still ends at LF.
        LineCase{std::string("3.1\0" "junk\r\n4.0.0", 15), "3.1", true},
        LineCase{std::string("\0" "3.1.1\n", 7), "", true}));

TEST(TextLineTest, LongFirstLineComesWhole) {
  std::string line(10 * 1024 * 1024, '7');
  CTextLineScanner scanner = Scan(line + "\r\nsecond", 4096);
  EXPECT_EQ(line.size(), scanner.Line().GetLength());
}

TEST(TextLineTest, StopsTakingBytesAfterTheLineEnd) {
  CTextLineScanner scanner;
  EXPECT_EQ(7u, scanner.Feed("3.1.1\r\nnext", 11));
  EXPECT_TRUE(scanner.IsComplete());
  EXPECT_EQ(0u, scanner.Feed("more", 4));
}

}  // namespace
