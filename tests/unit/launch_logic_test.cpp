#include <gtest/gtest.h>

#include <string>

#include "app/command_line_trim.h"
#include "app/hand_off_parameters.h"
#include "app/launch_decision.h"
#include "app/tool_catalogue.h"
#include "framework/mbcs.h"
#include "tests/support/double_byte.h"

namespace {

struct TrimCase {
  const char* commandLine;
  const char* trimmed;
};

class TrimTest : public testing::TestWithParam<TrimCase> {};

TEST_P(TrimTest, RemovesWhiteSpaceAtBothEnds) {
  EXPECT_STREQ(GetParam().trimmed,
               TrimCommandLine(GetParam().commandLine, DoubleByteLead).GetString());
}

INSTANTIATE_TEST_SUITE_P(
    Table, TrimTest,
    testing::Values(TrimCase{"", ""}, TrimCase{" \t\r\n\v\f", ""},
                    TrimCase{"MERAK_CALL", "MERAK_CALL"},
                    TrimCase{" \tMERAK_CALL\t ", "MERAK_CALL"},
                    TrimCase{"\r\nMERAK_CALL\v\f", "MERAK_CALL"},
                    TrimCase{" MERAK_CALL  extra ", "MERAK_CALL  extra"},
                    // Code 0x0E and above, and 0x08, are not white space.
                    TrimCase{"\x08MERAK_CALL\x0E", "\x08MERAK_CALL\x0E"},
                    // A two-byte character ending in 0x20 is not white space.
                    TrimCase{"a \x81\x20", "a \x81\x20"},
                    TrimCase{"\x81\x20 ", "\x81\x20"}));

TEST(TrimTest, SingleByteCodePageTrimsEveryBlankByte) {
  EXPECT_STREQ("a \x81", TrimCommandLine("a \x81\x20", NoLeadBytes).GetString());
}

struct DecisionCase {
  int third;
  int fourth;
  const char* commandLine;
  ToolIndex tool;
  bool passCommandLine;
};

class LaunchDecisionTest : public testing::TestWithParam<DecisionCase> {};

TEST_P(LaunchDecisionTest, FirstMatchingRowWins) {
  const DecisionCase& c = GetParam();
  LaunchChoice choice = ChooseToolToStart(c.third, c.fourth, c.commandLine);
  EXPECT_EQ(c.tool, choice.tool);
  EXPECT_EQ(c.passCommandLine, choice.passCommandLine);
}

INSTANTIATE_TEST_SUITE_P(
    Table, LaunchDecisionTest,
    testing::Values(
        DecisionCase{1, 0, "", TOOL_VANTO, true},
        DecisionCase{0, 1, "", TOOL_VANTO, true},
        DecisionCase{1, 1, "MERAK_CALL", TOOL_VANTO, true},
        DecisionCase{0, -5, "MERAK_CALL", TOOL_VANTO, true},  // any nonzero
        DecisionCase{0, 0, "MERAK_CALL", TOOL_MERAK, false},
        DecisionCase{0, 0, "merak_call", TOOL_SOLEN, false},
        DecisionCase{0, 0, "MERAK_CALL x", TOOL_SOLEN, false},
        DecisionCase{0, 0, "\"MERAK_CALL\"", TOOL_SOLEN, false},
        DecisionCase{0, 0, "MERAK_CAL", TOOL_SOLEN, false},
        DecisionCase{0, 0, "", TOOL_SOLEN, false}));

struct CatalogueCase {
  ToolIndex index;
  const char* keyPath;
  const char* versionFile;
};

class CatalogueTest : public testing::TestWithParam<CatalogueCase> {};

TEST_P(CatalogueTest, GivesTheRowOfTheIndex) {
  EXPECT_STREQ(GetParam().keyPath, ToolKeyPath(GetParam().index));
  EXPECT_STREQ(GetParam().versionFile, ToolVersionFileName(GetParam().index));
}

INSTANTIATE_TEST_SUITE_P(
    Table, CatalogueTest,
    testing::Values(
        CatalogueCase{TOOL_VANTO, "Software\\Quendar\\Upvane\\VANTO", "vantoversion"},
        CatalogueCase{TOOL_VANTOLITE, "Software\\Quendar\\Upvane\\VANTOLITE",
                      "vantoliteversion"},
        CatalogueCase{TOOL_MERAK, "Software\\Quendar\\Upvane\\MERAK", "merakversion"},
        CatalogueCase{TOOL_SOLEN, "Software\\Quendar\\Upvane\\SOLEN", "solenversion"},
        CatalogueCase{4, "", ""}, CatalogueCase{-1, "", ""},
        CatalogueCase{0x7FFFFFFF, "", ""}));

TEST(HandOffParametersTest, ShortLineIsCopiedIntoTheFixedBuffer) {
  char buffer[256];
  CString line(std::string(255, 'p').c_str());
  const char* parameters = HandOffParameters(line, buffer, sizeof buffer);
  EXPECT_EQ(buffer, parameters);
  EXPECT_EQ(std::string(255, 'p'), parameters);
}

TEST(HandOffParametersTest, LongerLineIsHandedOnWholeNeverCut) {
  char buffer[256];
  buffer[255] = 'X';
  for (size_t length : {256u, 257u, 4000u}) {
    CString line(std::string(length, 'q').c_str());
    const char* parameters = HandOffParameters(line, buffer, sizeof buffer);
    EXPECT_EQ(std::string(length, 'q'), parameters);
    EXPECT_EQ('\0', buffer[255]);  // the buffer was never written past
  }
}

TEST(HandOffParametersTest, EmptyLineGivesEmptyParameters) {
  char buffer[256];
  EXPECT_STREQ("", HandOffParameters(CString(), buffer, sizeof buffer));
}

}  // namespace
