#include "platform/screen.hpp"

#include <gtest/gtest.h>

namespace halvorin {
namespace {

TEST(Screen, WritesWrapAtColumn80AndScrollOnTheLastRow) {
  Screen s;
  s.gotoxy(78, 3);
  s.write("abcd");
  EXPECT_EQ(s.row_text(3).substr(77), "abc");
  EXPECT_EQ(s.row_text(4).substr(0, 2), "d ");
  EXPECT_EQ(s.wherex(), 2);
  EXPECT_EQ(s.wherey(), 4);

  s.gotoxy(1, 1);
  s.write("top");
  s.gotoxy(1, 25);
  s.write("bottom");
  s.writeln();  // a line end on row 25 scrolls everything up
  EXPECT_EQ(s.row_text(24).substr(0, 6), "bottom");
  EXPECT_EQ(s.row_text(25), std::string(80, ' '));
  EXPECT_EQ(s.wherey(), 25);
  EXPECT_EQ(s.row_text(1).substr(0, 3), "   ");  // "top" scrolled off

  // Writing into column 80 of row 25 wraps and therefore scrolls as well.
  s.gotoxy(80, 25);
  s.write("z");
  EXPECT_EQ(s.cell(80, 24).ch, 'z');
}

TEST(Screen, ClearToEndOfLineUsesTheCurrentBackgroundAndKeepsTheCursor) {
  Screen s;
  s.gotoxy(1, 5);
  s.write("hello world");
  s.textbackground(1);
  s.textcolor(14);
  s.gotoxy(6, 5);
  s.clreol();
  EXPECT_EQ(s.row_text(5).substr(0, 11), "hello      ");
  EXPECT_EQ(s.cell(5, 5).bg, 0);
  EXPECT_EQ(s.cell(6, 5).bg, 1);
  EXPECT_EQ(s.cell(80, 5).bg, 1);
  EXPECT_EQ(s.wherex(), 6);

  s.textbackground(4);
  s.textcolor(15);
  s.write("X");
  EXPECT_EQ(s.cell(6, 5).fg, 15);
  EXPECT_EQ(s.cell(6, 5).bg, 4);
  std::string colors = s.colors();
  ASSERT_EQ(colors.size(), 50u * 81);
  EXPECT_EQ(colors[4 * 81 + 5], 'f');             // foreground of 6,5
  EXPECT_EQ(colors[(25 + 4) * 81 + 5], '4');      // background of 6,5
  EXPECT_EQ(s.text().size(), 25u * 81);
}

TEST(Screen, NumbersAndPaddingFormatLikeTheConsole) {
  EXPECT_EQ(fmt_int(7, 3), "  7");
  EXPECT_EQ(fmt_int(1234, 2), "1234");
  EXPECT_EQ(fmt_int(-5), "-5");
  EXPECT_EQ(pad_right("ab", 4), "ab  ");
  EXPECT_EQ(pad_right("abcdef", 4), "abcdef");
}

}  // namespace
}  // namespace halvorin
