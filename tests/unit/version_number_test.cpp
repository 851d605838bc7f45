#include "update/version_number.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct VersionCase {
  std::string text;
  uint32_t number;
};

class VersionToNumberTest : public testing::TestWithParam<VersionCase> {};

TEST_P(VersionToNumberTest, GivesTheNumberOfTheText) {
  EXPECT_EQ(GetParam().number, VersionToNumber(CString(GetParam().text.c_str(),
                                                       GetParam().text.size())))
      << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Table, VersionToNumberTest,
    testing::Values(
        VersionCase{"3.1.1", 3001001u}, VersionCase{"3.1.1.5", 3001001u},
        VersionCase{"3.1", 3001000u}, VersionCase{"3", 3000000u},
        VersionCase{"", 0u}, VersionCase{"10.20.30", 10020030u},
        VersionCase{"3.01.001", 3001001u}, VersionCase{"3-1-1", 3001001u},
        VersionCase{"1.2.3.", 1002003u}, VersionCase{"1..2", 1000002u},
        VersionCase{".1.2", 1002u}, VersionCase{"V3.1.1", 3001u},
        VersionCase{"3.1.1\r", 3001001u}, VersionCase{" 3.1.1", 3001u},
        VersionCase{"1.1000.0", 2000000u}, VersionCase{"0.0.1234", 1234u},
        VersionCase{"4294.967.295", 4294967295u}, VersionCase{"4295.0.0", 32704u},
        // Texts without digits, and three leading separators.
        VersionCase{"beta", 0u}, VersionCase{"...9.9.9", 0u},
        VersionCase{"\xEF\xBB\xBF" "3.1.1", 0u},
        // A two-byte character counts as two separators.
        VersionCase{"1\x82\xA0" "2", 1000002u},
        // A run above 2147483647 counts as 2147483647.
        VersionCase{"99999999999", 4293967296u},
        VersionCase{"2147483647", 4293967296u},
        VersionCase{"2147483648", 4293967296u},
        VersionCase{"0.0.99999999999", 2147483647u},
        VersionCase{"0.0.000000000000000000042", 42u},
        // A zero byte is a separator like any other byte.
        VersionCase{std::string("1\0" "2", 3), 1002000u}));

TEST(VersionToNumberTest, SameNumberWhatEverComesAfterTheThirdSeparator) {
  EXPECT_EQ(VersionToNumber("3.1.1.x"), VersionToNumber("3.1.1.99999"));
  EXPECT_EQ(VersionToNumber("3.1.1-rc1"), VersionToNumber("3.1.1"));
  EXPECT_EQ(VersionToNumber("03_01_01"), VersionToNumber("3.1.1"));
}

}  // namespace
