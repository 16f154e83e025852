// The configuration form driven by key scripts: values, limits, moves and the saved style.
#include <gtest/gtest.h>

#include <functional>

#include "bench.hpp"

namespace halvorin::testing {
namespace {

// Key paths from the Begin Chapter field, where the form opens.
constexpr const char* kToLpp = "Down Down Down Down Left ";
constexpr const char* kToQmax = "Down Down Down Down Left Down ";
constexpr const char* kToSplate = "Down Down Down Down Down Down Down ";
constexpr const char* kToQnum = "Right Right ";
constexpr const char* kToSpmax = "Right Right Down Down Down ";
constexpr const char* kToFmin = "Right Right Down Down Down Left Down ";
constexpr const char* kToPrim = "Right Right Down Down Down Down Down Down Down Left Down ";

std::string path(const char* to, const std::string& keys) { return std::string(to) + keys; }

TEST(FormLayout, LabelsAndValuesAtTheirPlacesAndColours) {
  FormRun f(weekly(), "");
  EXPECT_EQ(f.where(), in_field("Begin Chapter"));
  expect_screen("config/golden/form.screen", f.p.con);
}

// Each case: a change to the style, the keys, and the value one number field ends with.
TEST(FormNumbers, EntriesAreBroughtWithinTheirLimits) {
  using Edit = std::function<void(StyleValues&)>;
  auto level_l = [](StyleValues& s) { s.LG = 'L'; };
  struct Case {
    Edit edit;
    std::string keys;
    int StyleValues::*var;
    int expected;
  } cases[] = {
      {nullptr, "\"3\"", &StyleValues::BCHAP, 3},  // one key from 3 up
      {nullptr, "\"29\"", &StyleValues::BCHAP, 28},
      {level_l, "\"12\"", &StyleValues::BCHAP, 9},
      {level_l, "\"7\"", &StyleValues::BCHAP, 8},  // the reduced material has no chapter 7
      {[](StyleValues& s) { s.BVER = 40; }, "\"6\"", &StyleValues::BVER, 15},
      {[](StyleValues& s) { s.EVER = 5; }, "Down \"7\"", &StyleValues::EVER, 60},
      {nullptr, path(kToLpp, "\"5\" Enter"), &StyleValues::LPP, 18},
      {nullptr, path(kToQmax, "\"35\" Enter"), &StyleValues::QMAX, 30},
      {nullptr, path(kToQnum, "\"0\" \"999\""), &StyleValues::QNUM, 150},  // 0 cannot start
      {[](StyleValues& s) { s.FMAX = 3; }, path(kToFmin, "\"25\""), &StyleValues::FMIN, 3},
      {[](StyleValues& s) { s.SPMIN = 4; }, path(kToSpmax, "\"1\" Enter"), &StyleValues::SPMAX, 4},
      {nullptr, path(kToSplate, "\"1\" Enter"), &StyleValues::SPLATE, 2},
      {nullptr, path(kToPrim, "\"85\" Enter"), &StyleValues::PRIMPCT, 89},
  };
  for (const auto& c : cases) {
    StyleValues st = weekly();
    if (c.edit) c.edit(st);
    FormRun f(st, c.keys);
    EXPECT_EQ(f.cu().*c.var, c.expected) << c.keys;
  }
  // What is stored is what is shown.
  FormRun f(weekly(), "\"6\" Down \"7\"");
  EXPECT_EQ(f.row(6).substr(26, 10), " 6 Ver:  1");
  EXPECT_EQ(f.row(8).substr(26, 10), " 7 Ver: 60");
  // Verses within their chapter are redrawn right-aligned too, not left as typed.
  FormRun v(weekly(), "Right \"12\" Down \"5\" Enter");
  EXPECT_EQ(v.row(6).substr(34, 2), "12");
  EXPECT_EQ(v.row(8).substr(34, 2), " 5");
}

TEST(FormNumbers, PrimaryFtvTakesOnlyAdmissibleValues) {
  std::pair<int, int> cases[] = {{95, 99},   {85, 89}, {40, 59}, {52, 52},
                                 {101, 100}, {97, 97}, {54, 59}, {53, 53}};
  for (auto [entered, stored] : cases) EXPECT_EQ(PRIM(entered), stored) << entered;
}

TEST(FormHeader, ReachedFromTheTopRowAndLeftByItsKeys) {
  for (const char* keys : {"Up", "Right Up", "Left Up", "Right Right Up", "Esc"}) {
    FormRun f(weekly(), keys);
    EXPECT_EQ(f.where(), "configuration header") << keys;
    EXPECT_EQ(f.p.con.cell(15, 3).fg, 15) << keys;  // highlighted white on green
    EXPECT_EQ(f.p.con.cell(15, 3).bg, 2) << keys;
  }
  FormRun back(weekly(), "Esc \"x\" Down Esc Esc");
  EXPECT_EQ(back.exit, FormExit::Back);
  FormRun down(weekly(), "Esc Down");
  EXPECT_EQ(down.where(), in_field("Begin Chapter"));
  EXPECT_EQ(down.p.con.cell(15, 3).bg, 1);  // the header drawn normally again
  FormRun save(weekly(), "\"4\" Esc Enter");
  EXPECT_EQ(save.exit, FormExit::Save);
  EXPECT_EQ(save.cu().BCHAP, 4);
}

// Through the real program: edit a style, save it under a new name, read the file back.
TEST(FormSaved, EditedStyleIsWrittenLineByLine) {
  TempDir dir;
  copy_demo(dir);
  std::string keys = std::string("Enter ") +
                     "\"4\" Down \"12\" Down \"quiz\" Enter \"out\" Enter " +
                     "Left \"600\" Enter \"c\" Down \"25\" Esc Enter";
  run_halvorin(dir, keys);  // what follows the save does not matter here
  expect_golden("config/golden/Quiz.spe", dir.read("Quiz.spe"));
  expect_golden("config/golden/Specs.lst", dir.read("Specs.lst"));
  EXPECT_EQ(dir.read("temp2.txt"), "Quiz\r\n");
}

}  // namespace
}  // namespace halvorin::testing
