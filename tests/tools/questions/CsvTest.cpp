#include <gtest/gtest.h>

#include "tools/questions/Csv.h"

namespace {

QStringList fields(std::initializer_list<const char*> texts) {
  QStringList out;
  for (const char* t : texts) out << QString::fromUtf8(t);
  return out;
}

TEST(Csv, QuotedFieldsKeepSeparatorsQuotesAndLineBreaks) {
  const CsvTable t = readCsv(
      "a,b,c\r\n"
      "\"x, y\",\"say \"\"hi\"\"\",\"two\r\nlines\"\r\n"
      "plain;semi,\"\",\n"
      "\n"
      "last,\"ć\",end");
  ASSERT_TRUE(t.errors.empty());
  ASSERT_EQ(t.records.size(), 4u);
  EXPECT_EQ(t.records[1].fields, fields({"x, y", "say \"hi\"", "two\nlines"}));
  EXPECT_EQ(t.records[2].fields, fields({"plain;semi", "", ""}));
  EXPECT_EQ(t.records[2].line, 4) << "the line break inside quotes counts";
  EXPECT_EQ(t.records[3].fields, fields({"last", "ć", "end"}));
  EXPECT_EQ(t.records[3].line, 6) << "past the empty line";
}

TEST(Csv, SemicolonsSeparateWhenTheFirstLineHasMoreOfThem) {
  const CsvTable t = readCsv("\xEF\xBB\xBFpoziom;pytanie\n3;\"Ile, ile?\"\n");
  ASSERT_EQ(t.records.size(), 2u);
  EXPECT_EQ(t.records[0].fields, fields({"poziom", "pytanie"}))
      << "the byte-order mark is not text";
  EXPECT_EQ(t.records[1].fields, fields({"3", "Ile, ile?"}));
}

TEST(Csv, AFaultNamesItsLine) {
  const CsvTable open = readCsv("a,b\n1,2\n3,\"four\n5,6\n");
  ASSERT_EQ(open.errors.size(), 1u);
  EXPECT_EQ(open.errors[0].line, 3);
  const CsvTable latin2 = readCsv("a,b\n1,2\n3,\xb3\xf3\n4,5\n5,\xe6\n");
  ASSERT_EQ(latin2.errors.size(), 2u);
  EXPECT_EQ(latin2.errors[0].line, 3);
  EXPECT_EQ(latin2.errors[1].line, 5);
}

TEST(Csv, WrittenRecordsReadBackTheSame) {
  const QStringList record = fields({"1", "a, b; c", "\"cytat\"", " spacja", "dwie\nlinie", "ó"});
  EXPECT_EQ(csvRecord(fields({"1", "prosty tekst"})), QStringLiteral("1,prosty tekst\n"));
  const CsvTable t = readCsv((csvRecord(fields({"x"})) + csvRecord(record)).toUtf8());
  ASSERT_EQ(t.records.size(), 2u);
  EXPECT_EQ(t.records[1].fields, record);
}

}  // namespace
