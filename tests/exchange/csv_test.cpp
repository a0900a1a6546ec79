#include "exchange/csv.h"

#include <gtest/gtest.h>

#include "items/refusal.h"

namespace {

std::vector<std::vector<std::string>> Fields(const std::vector<CsvRecord>& records) {
  std::vector<std::vector<std::string>> fields;
  for (const CsvRecord& record : records) fields.push_back(record.fields);
  return fields;
}

std::string ProblemIn(std::string_view text) {
  try {
    ParseCsv(text, "items.csv");
  } catch (const Refused& error) {
    EXPECT_EQ(KindOf(error.Why()), RefusalKind::Input);
    return error.what();
  }
  return "";
}

TEST(Csv, QuotesOnlyWhatNeedsIt) {
  EXPECT_EQ(CsvField("King's Rock"), "King's Rock");
  EXPECT_EQ(CsvField("a,b"), "\"a,b\"");
  EXPECT_EQ(CsvField("say \"hi\""), "\"say \"\"hi\"\"\"");
  EXPECT_EQ(CsvField("two\nlines"), "\"two\nlines\"");
  EXPECT_EQ(CsvLine({"1", "", "x,y"}), "1,,\"x,y\"\n");
}

TEST(Csv, WrittenRecordsReadBackTheSame) {
  const std::vector<std::vector<std::string>> records{
      {"index", "name", "asm"},
      {"1", "Poké Ball", ""},
      {"", "\"", ","},
      {"line\nbreak", "cr\r\nlf", "end\""},
      {""} /* a record of one empty field reads as a blank line */,
  };
  std::string text;
  for (const auto& record : records) text += CsvLine(record);
  auto expected = records;
  expected.pop_back();
  EXPECT_EQ(Fields(ParseCsv(text, "items.csv")), expected);
}

// Whatever ends the lines, the records and the lines they start on are the same.
TEST(Csv, RecordsKnowTheLineTheyStartOn) {
  for (const std::string ending : {"\n", "\r\n", "\r"}) {
    std::string text = "index,name||1,\"a|b\"|2,c||3,d";
    for (size_t at = text.find('|'); at != std::string::npos; at = text.find('|', at)) text.replace(at, 1, ending);
    const auto records = ParseCsv(text, "items.csv");
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[0].fields, (std::vector<std::string>{"index", "name"}));
    EXPECT_EQ(records[1].line, 3u);
    EXPECT_EQ(records[1].fields, (std::vector<std::string>{"1", "a" + ending + "b"}));
    EXPECT_EQ(records[2].line, 5u);
    EXPECT_EQ(records[3].line, 7u);
    EXPECT_EQ(records[3].fields, (std::vector<std::string>{"3", "d"}));
  }
}

TEST(Csv, MalformedQuotesNameTheirLine) {
  EXPECT_EQ(ProblemIn("a,b\n1,\"open\n\n"), "\"items.csv\" line 2: a quoted field is never closed.");
  EXPECT_EQ(ProblemIn("a\nb\"c\n"),
            "\"items.csv\" line 2: a quote stands inside a field that does not start with one.");
  EXPECT_EQ(ProblemIn("a\n\"b\"c\n"),
            "\"items.csv\" line 2: a field is followed by something other than a comma or the end of the line.");
}

}  // namespace
