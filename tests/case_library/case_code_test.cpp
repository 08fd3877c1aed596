// The case code and the 16-bit field checks of a record.
#include <gtest/gtest.h>

#include "case_library/record_format.h"
#include "support/case_file_writer.h"

namespace vexolite {
namespace {

RawRecord asRecord(const std::vector<std::uint8_t>& bytes) {
  RawRecord record{};
  std::copy(bytes.begin(), bytes.end(), record.begin());
  return record;
}

TEST(CaseCode, PadsToFourAndBlanksAFinalZero) {
  const std::pair<int, const char*> cases[] = {
      {1230, "123 "}, {1231, "1231"}, {50, "005 "},   {7, "0007"},
      {0, "000 "},    {7050, "705 "}, {9999, "9999"}, {100, "010 "},
  };
  for (const auto& [value, code] : cases)
    EXPECT_EQ(caseCode(value), code) << value;
}

TEST(RecordFields, AcceptsTheDataModelAndNamesTheByteOutsideIt) {
  const RawRecord good = asRecord(test::recordBytes(9999, std::string(300, '9'), 32767));
  EXPECT_TRUE(checkRecordFields(good).ok());

  struct Case {
    std::size_t byte;
    std::uint8_t value;
    std::size_t reportedByte;
  };
  // A high byte of 128 or more anywhere; a low byte pushing a field above 9999.
  const Case cases[] = {
      {1, 0x80, 1},      // case value high byte
      {3, 0xff, 3},      // first cell group high byte
      {151, 0x80, 151},  // last cell group high byte
      {153, 0x80, 153},  // solution count high byte
  };
  for (const Case& c : cases) {
    RawRecord bad = good;
    bad[c.byte] = c.value;
    const auto result = checkRecordFields(bad);
    ASSERT_FALSE(result.ok()) << c.byte;
    EXPECT_EQ(result.error().byteOffset, c.reportedByte);
    EXPECT_NE(result.error().reason.find("128 o mas"), std::string::npos);
  }

  const RawRecord bigCase = asRecord(test::recordBytes(10000, "", 1));
  ASSERT_FALSE(checkRecordFields(bigCase).ok());
  EXPECT_EQ(checkRecordFields(bigCase).error().byteOffset, 0u);

  RawRecord bigGroup = good;
  bigGroup[2 + 2 * 10] = 0x10;  // group 11 becomes 0x2710 = 10000
  bigGroup[3 + 2 * 10] = 0x27;
  ASSERT_FALSE(checkRecordFields(bigGroup).ok());
  EXPECT_EQ(checkRecordFields(bigGroup).error().byteOffset, 22u);
  EXPECT_NE(checkRecordFields(bigGroup).error().reason.find("grupo de celdas 11"),
            std::string::npos);
}

TEST(RecordEncoder, WritesTheSameBytesAsAnIndependentWriter) {
  const std::string digits = test::figureDigits({"111/1", "2220/033", "4447"});
  const RawRecord encoded = encodeRecord(1231, digits, 240);
  EXPECT_EQ(test::recordBytes(1231, digits, 240),
            std::vector<std::uint8_t>(encoded.begin(), encoded.end()));
  const RawRecord record = encodeRecord(7050, "1234", 32767);
  EXPECT_EQ(record[0] + 256 * record[1], 7050);
  EXPECT_EQ(record[2] + 256 * record[3], 1234);
  EXPECT_EQ(record[152] + 256 * record[153], 32767);
  EXPECT_EQ(decodeCellField(record).substr(0, 8), "12340000");
}

}  // namespace
}  // namespace vexolite
