#include <gtest/gtest.h>

#include "server/files/download.h"
#include "server/http/form.h"
#include "server/http/reply_writer.h"

namespace fibwick::service {
namespace {

using Fields = std::vector<std::pair<std::string, std::string>>;

TEST(FormDecoding, PairsAreSplitAndDecodedInOrder) {
  const struct {
    std::string body;
    Fields fields;
  } cases[] = {
      {"", {}},
      {"gid=22&stat1=1&stat2=0", {{"gid", "22"}, {"stat1", "1"}, {"stat2", "0"}}},
      {"stat4=Mr+X%21", {{"stat4", "Mr X!"}}},
      {"stat4=%C8%E2%E0%ED", {{"stat4", "\xC8\xE2\xE0\xED"}}},  // Windows-1251 bytes stay bytes
      {"a%3Db=c%26d", {{"a=b", "c&d"}}},
      {"flag&&x=", {{"flag", ""}, {"x", ""}}},
      {"x=1=2&", {{"x", "1=2"}}},
      {"n=%00", {{"n", std::string(1, '\0')}}},
  };
  for (const auto& [body, fields] : cases) {
    const auto form = DecodeForm(body);
    ASSERT_TRUE(form) << body;
    EXPECT_EQ(form->fields, fields) << body;
  }
}

TEST(FormDecoding, APercentWithoutTwoHexDigitsMakesTheFormMalformed) {
  for (const std::string body : {"x=%", "x=%4", "x=%zz", "x=1&y=%G1", "%=1", "x=%%41"}) {
    EXPECT_FALSE(DecodeForm(body)) << body;
  }
}

TEST(FormDecoding, NumbersAreWholeDecimalsInTheirRange) {
  const auto form = DecodeForm("a=1&b=-1&c=1x&d=&e=+1&f=2147483648&g=007&a=5");
  ASSERT_TRUE(form);
  EXPECT_EQ(form->FindNumber("a", 0, 1), 1);  // the first of two fields wins
  EXPECT_EQ(form->FindNumber("b", 0, 1), std::nullopt);
  EXPECT_EQ(form->FindNumber("b", -1, 1), -1);
  EXPECT_EQ(form->FindNumber("c", 0, 9), std::nullopt);
  EXPECT_EQ(form->FindNumber("d", 0, 9), std::nullopt);
  EXPECT_EQ(form->FindNumber("e", 0, 9), std::nullopt);  // "+1" decodes to " 1"
  EXPECT_EQ(form->FindNumber("f", 0, 1LL << 40), 2147483648LL);
  EXPECT_EQ(form->FindNumber("g", 0, 9), 7);
  EXPECT_EQ(form->FindNumber("missing", 0, 9), std::nullopt);
}

TEST(ReplyRecords, FieldsAreCappedAndTextsCannotCutTheRecord) {
  const auto record = RecordWriter()
                          .Number(5)
                          .Number(std::int64_t{1} << 40)
                          .Text("")
                          .Text("a b$c*d#e~f&g=h")
                          .Text("Иван")
                          .Text("日本")
                          .Finish();
  EXPECT_EQ(record, "$5 2147483647 - a_b_c_d_e_f_g_h \xC8\xE2\xE0\xED ??*");
}

TEST(DownloadNames, OnlyPlainNamesInTheFolder) {
  for (const std::string name : {"NuvRadio.rad", "NuvCards06A.dll", "a..b", "x"}) {
    EXPECT_TRUE(IsPlainFileName(name)) << name;
  }
  for (const auto& name : std::vector<std::string>{"", ".", "..", ".hidden", "../x", "a/b",
                                                   "/etc/passwd", "a\\b", std::string("a\0b", 3)}) {
    EXPECT_FALSE(IsPlainFileName(name)) << name;
  }
}

}  // namespace
}  // namespace fibwick::service
