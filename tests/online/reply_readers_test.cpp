#include "online/reply_readers.h"

#include <gtest/gtest.h>

#include <locale>

#include "online/field_check.h"
#include "online/news_number.h"

namespace fibwick {
namespace {

TEST(ReplyReaders, MarkersAreFoundInsideWords) {
  struct Case {
    const char* reply;
    const char* marker;
    bool found;
  };
  for (const Case& c :
       {Case{"ok", "ok", true}, Case{"Book saved", "ok", true}, Case{"$ no#", "ok", false},
        Case{"mail: nobody@x.org", "no", true}, Case{"", "ok", false}, Case{"o k", "ok", false}}) {
    EXPECT_EQ(ReplyHas(c.reply, c.marker), c.found) << c.reply;
  }
}

TEST(ReplyReaders, RecordRunsToTheNextDollarOrTheEnd) {
  struct Case {
    const char* reply;
    std::optional<std::string> record;
  };
  for (const Case& c :
       {Case{"$Moscow Russia$", "Moscow Russia"}, Case{"xx$", std::nullopt}, Case{"$abc", "abc"},
        Case{"no data", std::nullopt}, Case{"a$b$c$", "b"}, Case{"$$", ""}}) {
    EXPECT_EQ(ReplyRecord(c.reply), c.record) << c.reply;
  }
}

TEST(ReplyReaders, ListRecordsEndAtStarsAndStopAtTheLimit) {
  using Records = std::vector<std::string>;
  EXPECT_EQ(ReplyRecords("$a 1*$b 2*$c 3*", 10), (Records{"a 1", "b 2", "c 3"}));
  EXPECT_EQ(ReplyRecords("$a 1*$b 2*$c 3*", 2), (Records{"a 1", "b 2"}));
  // Without a star the record runs to the end, last character included, and a `$` inside it
  // starts the next record.
  EXPECT_EQ(ReplyRecords("$a$b", 10), (Records{"a$b", "b"}));
  EXPECT_EQ(ReplyRecords("nothing", 10), Records{});
  EXPECT_EQ(ReplyRecords("x$", 10), (Records{""}));
}

TEST(ReplyReaders, NumberFollowsTheLastDollarBeforeTheEnd) {
  struct Case {
    const char* reply;
    std::optional<int> number;
  };
  for (const Case& c :
       {Case{"$12$", 12}, Case{"$12", 12}, Case{"$12$ $7", 7}, Case{"no data", std::nullopt},
        Case{"$x$", std::nullopt}, Case{"$7$ $", std::nullopt}, Case{"$42abc", 42},
        Case{"$99999999999", std::nullopt}, Case{"$", std::nullopt}, Case{"", std::nullopt}}) {
    EXPECT_EQ(ReplyNumber(c.reply), c.number) << c.reply;
  }
}

TEST(ReplyReaders, FieldsKeepTheirNumbersAcrossEmptyOnes) {
  using Fields = std::vector<std::string>;
  EXPECT_EQ(SplitFields("A  B", ' '), (Fields{"", "A", "", "B"}));
  EXPECT_EQ(SplitFields("Ivan~~Moscow~", '~'), (Fields{"", "Ivan", "", "Moscow", ""}));
  EXPECT_EQ(SplitFields("", ' '), (Fields{"", ""}));
}

// A decimal comma in the program's C++ locale must not change what travels on the wire.
struct CommaDecimals : std::numpunct<char> {
  char do_decimal_point() const override { return ','; }
};

class CommaLocale : public ::testing::Test {
 protected:
  CommaLocale() : previous_(std::locale::global(std::locale(std::locale(), new CommaDecimals))) {}
  ~CommaLocale() override { std::locale::global(previous_); }

 private:
  std::locale previous_;
};

TEST_F(CommaLocale, RealsReadWhateverDecimalMarkTheServiceUses) {
  struct Case {
    const char* text;
    std::optional<double> value;
  };
  for (const Case& c : {Case{"12.5", 12.5}, Case{"12,5", 12.5}, Case{"", 0.0}, Case{"-3", -3.0},
                        Case{" 7 ", 7.0}, Case{"abc", std::nullopt}, Case{"1.2.3", std::nullopt},
                        Case{"-", std::nullopt}, Case{"0.125", 0.125}}) {
    EXPECT_EQ(ParseServiceReal(c.text), c.value) << c.text;
  }
  EXPECT_EQ(ParseServiceReal("", 5.0), 5.0);
}

TEST_F(CommaLocale, RealsAreWrittenWithAPointAndRatingsWithAComma) {
  EXPECT_EQ(FormatServiceReal(0.000004), "0");
  EXPECT_EQ(FormatServiceReal(-0.000004), "0");
  EXPECT_EQ(FormatServiceReal(1.5), "1.5");
  EXPECT_EQ(FormatServiceReal(-2.25), "-2.25");
  EXPECT_EQ(FormatServiceReal(0.1), "0.1");
  EXPECT_EQ(FormatRating3(12.5), "12,500");
  EXPECT_EQ(FormatRating3(3), "3,000");
  EXPECT_EQ(FormatRating3(0.1236), "0,124");
  EXPECT_EQ(FormatRating3(7.125), "7,125");
  EXPECT_EQ(FormatRating3(-0.0001), "0,000");
  EXPECT_EQ(FormatRating3(-1.5), "-1,500");
}

TEST(ReplyReaders, NewsNumberIsTheFiveDigitsAfterItsWord) {
  EXPECT_EQ(NewsNumber("<p>NuvNews00042</p>"), 42);
  EXPECT_EQ(NewsNumber("NuvNews00000"), 0);
  EXPECT_EQ(NewsNumber("NuvNews12a45"), 0);
  EXPECT_EQ(NewsNumber("NuvNews12"), 12);
  EXPECT_EQ(NewsNumber("no news"), 0);
}

TEST(FieldCheck, NicksAreTwoToTwelveLatinLettersDigitsOrSigns) {
  struct Case {
    const char* text;
    int level;
    bool nick;
  };
  for (const Case& c : {Case{"Ab", 3, true}, Case{"A", 1, false}, Case{"", 1, false},
                        Case{"\xC8\xE2\xE0\xED", 2, false},  // "Иван"
                        Case{"Mr X", 1, false}, Case{"mr_x@(1).!-,", 3, true},
                        Case{"ThirteenChars", 1, false}, Case{"\xA8\xB8", 2, false}}) {
    EXPECT_EQ(FieldLevel(c.text, 12), c.level) << c.text;
    EXPECT_EQ(ValidNick(c.text), c.nick) << c.text;
  }
}

}  // namespace
}  // namespace fibwick
