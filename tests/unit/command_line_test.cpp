#include "framework/command_line.h"
#include "framework/path_text.h"

#include <gtest/gtest.h>

#include "tests/support/double_byte.h"

namespace {

struct ArgumentsCase {
  const char* processCommandLine;
  const char* arguments;
};

class SkipProgramNameTest : public testing::TestWithParam<ArgumentsCase> {};

TEST_P(SkipProgramNameTest, GivesTheArgumentsAsTheFrameworkHandsThemOver) {
  EXPECT_STREQ(GetParam().arguments, SkipProgramName(GetParam().processCommandLine));
}

INSTANTIATE_TEST_SUITE_P(
    Table, SkipProgramNameTest,
    testing::Values(
        ArgumentsCase{"VantoLite.exe", ""},
        ArgumentsCase{"VantoLite.exe MERAK_CALL", "MERAK_CALL"},
        ArgumentsCase{"\"C:\\Program Files\\Quendar\\VantoLite.exe\" MERAK_CALL",
                      "MERAK_CALL"},
        // Blanks, tabs and other bytes of code 32 and below after the name
        // are skipped; trailing white space is kept for the launcher to trim.
        ArgumentsCase{"VantoLite.exe \t\x01 MERAK_CALL \t", "MERAK_CALL \t"},
        ArgumentsCase{"\"C:\\a b\\VantoLite.exe\"MERAK_CALL", "MERAK_CALL"},
        // An unclosed quote takes the rest as the program name.
        ArgumentsCase{"\"C:\\a b\\VantoLite.exe MERAK_CALL", ""},
        // Bytes above 127 are characters, not white space.
        ArgumentsCase{"VantoLite.exe \xE9t\xE9", "\xE9t\xE9"},
        ArgumentsCase{"VantoLite.exe\xA0x y", "y"},
        ArgumentsCase{"", ""}));

TEST(SkipProgramNameTest, NullGivesEmpty) { EXPECT_STREQ("", SkipProgramName(nullptr)); }

struct StemCase {
  const char* path;
  const char* stem;
};

class FileStemTest : public testing::TestWithParam<StemCase> {};

TEST_P(FileStemTest, DropsFolderAndExtension) {
  EXPECT_STREQ(GetParam().stem, FileStemOf(GetParam().path, DoubleByteLead).GetString());
}

INSTANTIATE_TEST_SUITE_P(
    Table, FileStemTest,
    testing::Values(StemCase{"C:\\Tools\\VantoLite.exe", "VantoLite"},
                    StemCase{"C:\\Tools\\VantoLite", "VantoLite"},
                    StemCase{"C:\\To.ols\\VantoLite", "VantoLite"},
                    StemCase{"C:\\Tools\\Vanto.Lite.exe", "Vanto.Lite"},
                    StemCase{"Z:/work/Copy of VantoLite.exe", "Copy of VantoLite"},
                    StemCase{"C:VantoLite.exe", "VantoLite"},
                    StemCase{"VantoLite.exe", "VantoLite"},
                    // 0x81 0x5C is one character whose trail byte is a
                    // backslash: it belongs to the name.
                    StemCase{"C:\\Tools\\\x81\x5CLite.exe", "\x81\x5CLite"},
                    StemCase{"", ""}));

}  // namespace
