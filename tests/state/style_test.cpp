#include "state/style.hpp"

#include <gtest/gtest.h>

#include "platform/errors.hpp"
#include "platform/text_file.hpp"
#include "state/table.hpp"

namespace halvorin {
namespace {

const char* kStyle =
    "F\r\n3 7\r\n5 12\r\nWeek3\r\n60\r\nC\r\n18\r\nB\r\n15\r\n30\r\nN\r\n25\r\nQ\r\n10\r\n"
    "4\r\n2\r\n2\r\n1\r\n1\r\n0\r\n1\r\n0\r\n1\r\n1\r\n89\r\n3\r\n17\r\nN\r\n"
    "nnAAAAAAAAAAAAAAAnnnnnnnnnnnnn";  // the last line without a line end

TEST(StyleFile, LoadsEveryItemInOrderAndSavesTheSameText) {
  TextReader in = TextReader::from_text(kStyle, "Week3.spe");
  StyleValues st = read_style(in);
  EXPECT_EQ(st.LG, 'F');
  EXPECT_EQ(st.BCHAP, 3);
  EXPECT_EQ(st.BVER, 7);
  EXPECT_EQ(st.ECHAP, 5);
  EXPECT_EQ(st.EVER, 12);
  EXPECT_EQ(st.NAME4, "Week3");
  EXPECT_EQ(st.LPP, 60);
  EXPECT_EQ(st.OUT, 'C');
  EXPECT_EQ(st.QMAX, 18);
  EXPECT_EQ(st.REGLST, 'B');
  EXPECT_EQ(st.AB, 15);
  EXPECT_EQ(st.IPC, 30);
  EXPECT_EQ(st.INDX, 'N');
  EXPECT_EQ(st.QNUM, 25);
  EXPECT_EQ(st.SEC1, 'Q');
  EXPECT_EQ(st.REPEATPCT, 10);
  EXPECT_EQ(st.SPMAX, 4);
  EXPECT_EQ(st.SPMIN, 2);
  EXPECT_EQ(st.FMAX, 2);
  EXPECT_EQ(st.FMIN, 1);
  EXPECT_EQ(st.RMAX, 1);
  EXPECT_EQ(st.RMIN, 0);
  EXPECT_EQ(st.OMAX, 1);
  EXPECT_EQ(st.OMIN, 0);
  EXPECT_EQ(st.SMAX, 1);
  EXPECT_EQ(st.SMIN, 1);
  EXPECT_EQ(st.PRIMPCT, 89);
  EXPECT_EQ(st.SPEARLY, 3);
  EXPECT_EQ(st.SPLATE, 17);
  EXPECT_EQ(st.SETSPC, 'N');
  EXPECT_EQ(st.TYP, "nnAAAAAAAAAAAAAAAnnnnnnnnnnnnn");
}

TEST(StyleFile, CutsLongTextsAndNamesItsBrokenLine) {
  std::string s = kStyle;
  s.replace(s.find("Week3"), 5, "AVeryLongOutputName");
  TextReader in = TextReader::from_text(s, "x.spe");
  EXPECT_EQ(read_style(in).NAME4, "AVeryLongOutpu");  // 14 characters

  std::string bad = kStyle;
  bad.replace(bad.find("\r\n60\r\n"), 6, "\r\nsixty\r\n");
  TextReader in2 = TextReader::from_text(bad, "bad.spe");
  try {
    read_style(in2);
    FAIL();
  } catch (const FileError& e) {
    EXPECT_EQ(e.line(), 5);
  }
  TextReader in3 = TextReader::from_text("F\r\n1 1\r\n2 2\r\n", "short.spe");
  EXPECT_THROW(read_style(in3), FileError);
  EXPECT_EQ(style_file_name("Weekly"), "Weekly.spe");
  EXPECT_EQ(style_file_name("ABCDEFGHIJK"), "ABCDEFGHIJK.sp");  // cut to 14
}

TEST(Tables, IndexOutsideTheBoundsThrowsNamingTheTable) {
  Table<int, 30> t("QPS");
  t[1] = 3;
  t[30] = 4;
  EXPECT_EQ(t[1] + t[30], 7);
  try {
    t[31] = 1;
    FAIL();
  } catch (const InternalError& e) {
    EXPECT_NE(std::string(e.what()).find("QPS"), std::string::npos);
  }
  EXPECT_THROW(t[0], InternalError);
  Table<int, 31, 0> sector("SECTOR");
  EXPECT_EQ(sector[0], 0);
  Table2<bool, 30, 200> avail("REGQUESTION");
  avail(30, 200) = true;
  EXPECT_THROW(avail(31, 1), InternalError);
  EXPECT_THROW(avail(1, 201), InternalError);
  EXPECT_EQ(at("ab", 3), ' ');  // past the end a line reads as blanks
  EXPECT_EQ(at("ab", 0), ' ');
  EXPECT_EQ(cut("abcdef", 4), "abcd");
}

}  // namespace
}  // namespace halvorin
