// The specialty type screen: drawing, the recount of a loaded type line, and placing letters.
#include "config/type_screen.hpp"

#include <gtest/gtest.h>

#include "bench.hpp"

namespace halvorin::testing {
namespace {

// A fixed-type style: one FTV, one CV Ref and one SIT on the numbers first..last.
StyleValues fixed(int first, int last, std::string typ) {
  StyleValues s = weekly();
  s.SETSPC = 'Y';
  s.SPMIN = s.SPMAX = 3;
  s.FMIN = s.FMAX = 1, s.RMIN = s.RMAX = 1, s.OMIN = s.OMAX = 0, s.SMIN = s.SMAX = 1;
  s.SPEARLY = first, s.SPLATE = last;
  s.TYP = std::move(typ);
  return s;
}

TEST(TypeScreen, DrawsTheNumbersCentredWithTheLettersUnderTheirUnits) {
  FormRun t(fixed(1, 30, "FRS"), "", Which::Types);
  expect_screen("config/golden/types.screen", t.p.con);
  EXPECT_EQ(t.p.con.wherex(), 12);  // on the first number's letter
  EXPECT_EQ(t.p.cu.SPECS, 3);
}

TEST(TypeScreen, RecountKeepsOnlyWhatTheMaximaAllow) {
  struct Case {
    const char* what;
    std::string typ;
    std::string kept;
  } cases[] = {
      {"generated pattern", "nAAAAAAAAAAAAAAAAAnnnnnnnnnnnn", std::string(30, 'n')},
      {"one FTV too many", "FnnnnFnnnn", "Fnnnn" + std::string(25, 'n')},
      {"unknown and lower-case letters", "xfRSnnnnnnnnnnnnnnnnnnnnnnnnnn",
       "nnRS" + std::string(26, 'n')},
  };
  for (const auto& c : cases) {
    FormRun t(fixed(1, 10, c.typ), "", Which::Types);
    EXPECT_EQ(t.p.cu.TYP, c.kept) << c.what;
  }
  FormRun empty(fixed(1, 30, "nAAAAAAAAAAAAAAAAAnnnnnnnnnnnn"), "", Which::Types);
  EXPECT_EQ(empty.row(12), std::string(80, ' '));
}

TEST(TypeScreen, PlacingReplacingClearingAndEnter) {
  struct Case {
    const char* what;
    std::string typ;
    std::string keys;
    std::string after;  // numbers 1..6
    bool finished;
  } cases[] = {
      {"all placed", "", "\"f\" Right \"r\" Right \"s\" Enter", "FRSnnn", true},
      {"Enter with one missing", "", "\"f\" Right \"r\" Enter", "FRnnnn", false},
      {"R on an F frees the F", "Fnnnnn", "\"R\" Right \"F\" Right \"s\" Enter", "RFSnnn", true},
      {"S at its maximum clears an F", "FnSnnn", "\"S\" Enter", "nnSnnn", false},
      {"Space clears and frees", "Fnnnnn", "Space Right \"f\"", "nFnnnn", false},
      {"no letter past its maximum", "", "\"f\" Right \"f\" Right \"o\"", "Fnnnnn", false},
      {"Left on the first wraps to the last", "", "Left \"f\"", "nnnnnF", false},
  };
  for (const auto& c : cases) {
    FormRun t(fixed(1, 6, c.typ), c.keys, Which::Types);
    EXPECT_EQ(t.p.cu.TYP.substr(0, 6), c.after) << c.what;
    EXPECT_EQ(t.finished, c.finished) << c.what;
    // The letter row shows what is stored.
    std::string shown;
    for (int n = 1; n <= 6; ++n) shown += t.row(12)[static_cast<size_t>(35 + 2 * (n - 1))];
    for (char& ch : shown) ch = ch == ' ' ? 'n' : ch;
    EXPECT_EQ(shown, c.after) << c.what;
  }
}

// Through the real program: saving the fixed-type demo style opens the screen, and the letters
// placed there make the type line.
TEST(TypeScreen, SavedAsTheStyleFilesTypeLine) {
  TempDir dir;
  copy_demo(dir);
  run_halvorin(dir, "Down Down Enter Esc Enter Space Right \"f\" Enter");
  auto lines = dir.lines("Fixed.spe");
  ASSERT_EQ(lines.size(), 29u);
  EXPECT_EQ(lines[28], "nnnnnFnnRnnnSnnnnnnnnnnnnnnnnn");
  EXPECT_EQ(dir.read("temp2.txt"), "Fixed\r\n");
}

}  // namespace
}  // namespace halvorin::testing
