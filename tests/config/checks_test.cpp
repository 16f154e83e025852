// The checks on the way to the header line, for styles made on the form and edited by hand.
#include "config/checks.hpp"

#include <gtest/gtest.h>

#include <functional>

#include "bench.hpp"

namespace halvorin::testing {
namespace {

using Edit = std::function<void(StyleValues&)>;

// A fixed-type style that passes: one FTV, one CV Ref, one SIT on every quiz.
void fixed(StyleValues& s) {
  s.SETSPC = 'Y';
  s.SPMIN = s.SPMAX = 3;
  s.FMIN = s.FMAX = 1, s.RMIN = s.RMAX = 1, s.OMIN = s.OMAX = 0, s.SMIN = s.SMAX = 1;
}

TEST(Checks, EachBrokenConditionSendsTheCursorToItsField) {
  struct Case {
    const char* what;
    Edit edit;
    std::optional<Field> field;
  } cases[] = {
      {"consistent", {}, std::nullopt},
      {"type minima 2+2+1+1 over total 5",
       [](StyleValues& s) {
         s.FMIN = 2, s.RMAX = s.RMIN = 2, s.OMIN = 1, s.SMIN = 1, s.SPMIN = 5, s.SPMAX = 5;
       },
       Field::SPMIN},
      {"type maxima under the total", [](StyleValues& s) { s.SPMAX = 6; }, Field::SPMAX},
      {"last specialty past the last question", [](StyleValues& s) { s.SPLATE = 20, s.QMAX = 18; },
       Field::SPLATE},
      {"last specialty on the last question", [](StyleValues& s) { s.SPLATE = 18, s.QMAX = 18; },
       std::nullopt},
      {"four numbers for five specialties",
       [](StyleValues& s) { s.SPEARLY = 5, s.SPLATE = 8, s.SPMAX = 5; }, Field::SPLATE},
      {"as many numbers as specialties",
       [](StyleValues& s) { s.SPEARLY = 5, s.SPLATE = 9, s.SPMAX = 5; }, std::nullopt},
      {"fixed types", fixed, std::nullopt},
      {"fixed FTV 1 to 2", [](StyleValues& s) { fixed(s), s.FMAX = 2; }, Field::FMIN},
      {"fixed SIT 1 to 2", [](StyleValues& s) { fixed(s), s.SMAX = 2; }, Field::SMIN},
      {"begin 5:10 after end 5:3",
       [](StyleValues& s) { s.BCHAP = s.ECHAP = 5, s.BVER = 10, s.EVER = 3; }, Field::BCHAP},
      {"begin 5:3 is end 5:3", [](StyleValues& s) { s.BCHAP = s.ECHAP = 5, s.BVER = s.EVER = 3; },
       std::nullopt},
      {"two broken: the first in order", [](StyleValues& s) { s.SPMAX = 6, s.BCHAP = 9; },
       Field::SPMAX},
      // Values a hand-edited file may hold and no field would store: reported first.
      {"99 questions per quiz", [](StyleValues& s) { s.QMAX = 99, s.SPMAX = 6; }, Field::QMAX},
      {"negative FTV maximum", [](StyleValues& s) { s.FMAX = -1, s.FMIN = -1; }, Field::FMAX},
      {"FTV minimum over its maximum", [](StyleValues& s) { s.FMIN = 2, s.FMAX = 1; }, Field::FMIN},
      {"primary FTV 101", [](StyleValues& s) { s.PRIMPCT = 101; }, Field::PRIMPCT},
  };
  for (const auto& c : cases) {
    StyleValues st = weekly();
    if (c.edit) c.edit(st);
    FormRun f(st, "Esc Enter");
    EXPECT_EQ(first_broken(f.cu()), c.field) << c.what;
    if (c.field) {
      EXPECT_EQ(f.where(), in_field(field_spec(*c.field).label)) << c.what;
    } else {
      EXPECT_EQ(f.exit, FormExit::Save) << c.what;  // straight to the header, then saved
    }
  }
}

TEST(Checks, ErrorLineWaitsForEnterThenTheHeaderIsRestored) {
  StyleValues st = weekly();
  st.SPMAX = 6;
  FormRun shown(st, "Esc \"x\" Esc");
  EXPECT_EQ(shown.where(), "configuration error line");
  expect_screen("config/golden/checks_error.screen", shown.p.con);
  FormRun after(st, "Esc Enter");
  EXPECT_EQ(after.where(), in_field("Total Max"));
  expect_screen("config/golden/checks_after.screen", after.p.con);
}

// Both FTV values out of range: each is mended where the checks send the cursor, and no pair of
// broken values keeps pointing at a field that cannot be mended.
TEST(Checks, HandEditedPairIsMendedWhereTheCursorIsSent) {
  StyleValues st = weekly();
  st.FMIN = 50, st.FMAX = 99;
  FormRun f(st, "Esc Enter \"2\" Enter Esc Enter \"1\" Enter Esc Enter");
  EXPECT_EQ(f.exit, FormExit::Save) << "stopped in " << f.where();
  EXPECT_EQ(first_broken(f.cu()), std::nullopt);
}

// Through the real program: a broken file is mended on the form and saved whole.
TEST(Checks, HandEditedFileIsSavedOnlyOnceMended) {
  TempDir dir;
  copy_demo(dir);
  const std::string list = dir.read("Specs.lst");
  auto lines = dir.lines("Weekly.spe");
  lines[6] = "99";   // questions per quiz
  lines[16] = "-1";  // FTV maximum
  lines[26] = "40";  // last specialty question
  dir.write_lines("Weekly.spe", lines);
  run_halvorin(dir, "Enter Esc Enter Esc Enter Esc Enter");
  EXPECT_EQ(dir.lines("Weekly.spe"), lines);  // nothing saved while broken
  run_halvorin(dir, "Enter Esc Enter \"20\" Esc Enter \"2\" Enter Esc Enter \"18\" Esc Enter");
  auto saved = dir.lines("Weekly.spe");
  ASSERT_EQ(saved.size(), 29u);
  EXPECT_EQ(saved[6], "20");
  EXPECT_EQ(saved[16], "2");
  EXPECT_EQ(saved[26], "18");
  EXPECT_EQ(dir.read("Specs.lst"), list);  // saved under its own name: listed once still
}

}  // namespace
}  // namespace halvorin::testing
