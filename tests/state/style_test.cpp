#include "state/style.hpp"

#include <gtest/gtest.h>

#include "platform/errors.hpp"
#include "platform/text_file.hpp"
#include "state/table.hpp"
#include "support/harness.hpp"

namespace halvorin {
namespace {

// A style file whose last line has no line end.
const std::string kStyle = testing::test_data("state/golden/Week3.spe");

TEST(StyleFile, LoadsEveryItemInOrderAndSavesTheSameText) {
  TextReader in = TextReader::from_text(kStyle, "Week3.spe");
  const StyleValues st = read_style(in);
  EXPECT_EQ(std::string({st.LG, st.OUT, st.REGLST, st.INDX, st.SEC1, st.SETSPC}), "FCBNQN");
  EXPECT_EQ(std::vector<int>({st.BCHAP, st.BVER, st.ECHAP,   st.EVER,      st.LPP,   st.QMAX,
                              st.AB,    st.IPC,  st.QNUM,    st.REPEATPCT, st.SPMAX, st.SPMIN,
                              st.FMAX,  st.FMIN, st.RMAX,    st.RMIN,      st.OMAX,  st.OMIN,
                              st.SMAX,  st.SMIN, st.PRIMPCT, st.SPEARLY,   st.SPLATE}),
            std::vector<int>(
                {3, 7, 5, 12, 60, 18, 15, 30, 25, 10, 4, 2, 2, 1, 1, 0, 1, 0, 1, 1, 89, 3, 17}));
  EXPECT_EQ(st.NAME4 + " " + st.TYP, "Week3 nnAAAAAAAAAAAAAAAnnnnnnnnnnnnn");
  // Written back, lines 1 to 28 are the text read.
  testing::TempDir dir;
  TextWriter out(dir.file("Week3.spe"), TextWriter::Mode::Create);
  write_style_lines(out, st);
  out.close();
  EXPECT_EQ(dir.read("Week3.spe"), kStyle.substr(0, kStyle.rfind("\r\n") + 2));
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
    ADD_FAILURE();
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
  GrowTable2<bool, 30, 200> wide("REGQUESTION");  // widens keeping each row's entries
  wide(30, 200) = wide(2, 1) = true;
  EXPECT_THROW(wide(1, 201), InternalError);
  wide.make_room(250, true);
  EXPECT_TRUE(wide(30, 200) && wide(2, 1) && !wide(1, 1) && !wide(2, 2) && wide(1, 250));
  EXPECT_THROW(wide(1, 251), InternalError);
  EXPECT_EQ(at("ab", 3), ' ');  // past the end a line reads as blanks
  EXPECT_EQ(at("ab", 0), ' ');
  EXPECT_EQ(cut("abcdef", 4), "abcd");
}

}  // namespace
}  // namespace halvorin
