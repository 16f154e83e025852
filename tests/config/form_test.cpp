// The configuration form driven by key scripts: values, limits, moves and the saved style.
#include <gtest/gtest.h>

#include <functional>

#include "form_support.hpp"
#include "support/harness.hpp"

namespace halvorin::testing {
namespace {

// Key paths from the Begin Chapter field, where the form opens.
constexpr const char* kToName1 = "Down Down ";
constexpr const char* kToName4 = "Down Down Down ";
constexpr const char* kToOut = "Down Down Down Down ";
constexpr const char* kToLpp = "Down Down Down Down Left ";
constexpr const char* kToQmax = "Down Down Down Down Down ";
constexpr const char* kToSplate = "Down Down Down Down Down Down Down ";
constexpr const char* kToSpearly = "Down Down Down Down Down Down Down Left ";
constexpr const char* kToIpc = "Down Down Down Down Down Down Down Down Left ";
constexpr const char* kToQnum = "Right Right ";
constexpr const char* kToRepeat = "Right Right Down Down ";
constexpr const char* kToSpmax = "Right Right Down Down Down ";
constexpr const char* kToFmin = "Right Right Down Down Down Left Down ";
constexpr const char* kToRmin = "Right Right Down Down Down Left Down Down ";
constexpr const char* kToSmax = "Right Right Down Down Down Down Down Down Down ";
constexpr const char* kToPrim = "Right Right Down Down Down Down Down Down Down Left Down ";
constexpr const char* kToReglst = "Right Right Down Down Down Down Down Down Down Left Down Right ";

std::string path(const char* to, const std::string& keys) { return std::string(to) + keys; }

TEST(FormLayout, LabelsAndValuesAtTheirPlacesAndColours) {
  FormRun f(weekly(), "");
  EXPECT_EQ(f.where(), in_field("Begin Chapter"));
  const char* rows[] = {
      "              Quiz Configuration -- Press Return Here When Ready",
      "    ______________________________________________________________________",
      "",
      "    Begin:    A  Chapter:  1 Ver:  1     Number of Quizzes in this Run: 25",
      "",
      "    End:      A  Chapter:  8 Ver: 40     Sector by Chp/Vrs/Que (c/v/q):  V",
      "",
      "    Name of Quiz Style  : Weekly         Percent Eligible for Repeats : 10",
      "",
      "    Name of Output File : Weekly         Specialty Ranges",
      "",
      "    Lines/Pg:  66 Output (p/c/t):  P         Total        Min:  2  Max:  4",
      "                                             FTV Type     Min:  1  Max:  2",
      "    Number of Questions per pack: 20         CV Ref       Min:  0  Max:  1",
      "                                             CO Ref       Min:  0  Max:  1",
      "    A and B Questions begin on  : 20         Situation    Min:  0  Max:  1",
      "",
      "    Specialties may appear  2 to  18     Pct Prim FTV:  59 Reg (a/b/c):  B",
      "",
      "    Pct Int :  50  Reindex (y/n):  Y     Set Specialty Quest nos (y/n):  N",
  };
  for (int r = 3; r <= 22; ++r) EXPECT_EQ(f.row(r), pad_right(rows[r - 3], 80)) << "row " << r;
  const Cell& label = f.p.con.cell(5, 6);
  EXPECT_EQ(std::pair(int{label.fg}, int{label.bg}), std::pair(14, 1));
  EXPECT_EQ(f.p.con.cell(15, 3).fg, 14);
  // Values light red on black: a number, the blank before a letter, a name's ten columns.
  for (auto [c, r] : {std::pair(28, 6), {35, 14}, {36, 14}, {27, 10}, {36, 10}, {14, 6}}) {
    EXPECT_EQ(f.p.con.cell(c, r).fg, 12) << c << "," << r;
    EXPECT_EQ(f.p.con.cell(c, r).bg, 0) << c << "," << r;
  }
}

TEST(FormNumbers, ChapterAndVerseEntry) {
  struct Case {
    const char* what;
    char lg;
    std::function<void(StyleValues&)> setup;
    std::string keys;
    int bchap, bver, echap, ever;
    const char* where;
  } cases[] = {
      {"3 alone is a chapter", 'F', {}, "\"3\"", 3, 1, 8, 40, "Begin Chapter"},
      {"29 is stored as 28", 'F', {}, "\"29\"", 28, 1, 8, 40, "Begin Chapter"},
      {"1 then Enter", 'F', {}, "\"1\" Enter", 1, 1, 8, 40, "End Chapter"},
      {"0 cannot start", 'F', {}, "\"0\" \"4\"", 4, 1, 8, 40, "Begin Chapter"},
      {"level L: 7 gives 8", 'L', {}, "\"7\"", 8, 1, 8, 40, "Begin Chapter"},
      {"level L: 12 gives 9", 'L', {}, "\"12\"", 9, 1, 8, 40, "Begin Chapter"},
      {"begin chapter lowers a verse too large", 'F', [](StyleValues& s) { s.BVER = 40; }, "\"6\"",
       6, 15, 8, 40, "Begin Chapter"},
      {"and keeps one that fits", 'F', [](StyleValues& s) { s.BVER = 30; }, "\"20\"", 20, 30, 8, 40,
       "Begin Chapter"},
      {"end chapter always ends at its last verse", 'F', [](StyleValues& s) { s.EVER = 5; },
       "Down \"7\"", 1, 1, 7, 60, "End Chapter"},
      {"begin verse within its chapter", 'F', {}, "Right \"99\"", 1, 26, 8, 40, "Begin Ver"},
      {"end verse within its chapter", 'F', [](StyleValues& s) { s.EVER = 10; },
       "Down Right \"50\"", 1, 1, 8, 40, "End Ver"},
      {"book key fixes the begin verse", 'F', [](StyleValues& s) { s.BVER = 50; }, "Left \"j\"", 1,
       26, 8, 40, "Begin book"},
  };
  for (const auto& c : cases) {
    StyleValues st = weekly();
    st.LG = c.lg;
    if (c.setup) c.setup(st);
    FormRun f(st, c.keys);
    EXPECT_EQ(f.cu().BCHAP, c.bchap) << c.what;
    EXPECT_EQ(f.cu().BVER, c.bver) << c.what;
    EXPECT_EQ(f.cu().ECHAP, c.echap) << c.what;
    EXPECT_EQ(f.cu().EVER, c.ever) << c.what;
    EXPECT_EQ(f.where(), in_field(c.where)) << c.what;
    // What is stored is what is shown.
    EXPECT_EQ(f.row(6).substr(26, 2), fmt_int(f.cu().BCHAP, 2)) << c.what;
    EXPECT_EQ(f.row(6).substr(34, 2), fmt_int(f.cu().BVER, 2)) << c.what;
    EXPECT_EQ(f.row(8).substr(34, 2), fmt_int(f.cu().EVER, 2)) << c.what;
  }
}

TEST(FormNumbers, LimitsAndPairsAfterEntry) {
  struct Case {
    const char* what;
    std::function<void(StyleValues&)> setup;
    std::string keys;
    int StyleValues::*var;
    int expected;
    const char* where;
  } cases[] = {
      {"600 lines", {}, path(kToLpp, "\"600\""), &StyleValues::LPP, 500, "Lines/Pg"},
      {"5 lines then Enter", {}, path(kToLpp, "\"5\" Enter"), &StyleValues::LPP, 18, "Output"},
      {"45 per pack", {}, path(kToQmax, "\"45\""), &StyleValues::QMAX, 30, "Questions per pack"},
      {"999 quizzes, 0 cannot start",
       {},
       path(kToQnum, "\"0\" \"999\""),
       &StyleValues::QNUM,
       150,
       "Number of Quizzes in this Run"},
      {"FTV min 25 under max 3", [](StyleValues& s) { s.FMAX = 3, s.FMIN = 0; },
       path(kToFmin, "\"25\""), &StyleValues::FMIN, 3, "FTV Type Min"},
      {"total max 1 over min 4", [](StyleValues& s) { s.SPMIN = 4; }, path(kToSpmax, "\"1\" Enter"),
       &StyleValues::SPMAX, 4, "FTV Type Max"},
      {"first specialty 15 under last 8", [](StyleValues& s) { s.SPLATE = 8; },
       path(kToSpearly, "\"15\""), &StyleValues::SPEARLY, 8, "Specialties may appear"},
      {"last specialty 1 over first 2",
       {},
       path(kToSplate, "\"1\" Enter"),
       &StyleValues::SPLATE,
       2,
       "Pct Int"},
      {"primary FTV 85",
       {},
       path(kToPrim, "\"85\" Enter"),
       &StyleValues::PRIMPCT,
       89,
       "Set Specialty Quest nos"},
  };
  for (const auto& c : cases) {
    StyleValues st = weekly();
    if (c.setup) c.setup(st);
    FormRun f(st, c.keys);
    EXPECT_EQ(f.cu().*c.var, c.expected) << c.what;
    EXPECT_EQ(f.where(), in_field(c.where)) << c.what;
  }
}

TEST(FormNumbers, PrimaryFtvTakesOnlyAdmissibleValues) {
  std::pair<int, int> cases[] = {{0, 59},  {40, 59}, {50, 59}, {51, 51},   {53, 53},   {54, 59},
                                 {56, 59}, {57, 57}, {60, 60}, {61, 69},   {65, 69},   {67, 69},
                                 {68, 68}, {70, 70}, {71, 79}, {77, 79},   {78, 78},   {80, 80},
                                 {81, 89}, {85, 89}, {87, 89}, {88, 88},   {90, 90},   {91, 99},
                                 {95, 99}, {96, 99}, {97, 97}, {100, 100}, {101, 100}, {999, 100}};
  for (auto [entered, stored] : cases) EXPECT_EQ(PRIM(entered), stored) << entered;
}

TEST(FormNumbers, EscHalfWayKeepsAndShowsTheOldValue) {
  StyleValues st = weekly();
  st.BCHAP = 5;
  FormRun two(st, "\"1\" Esc");
  EXPECT_EQ(two.cu().BCHAP, 5);
  EXPECT_EQ(two.row(6).substr(26, 2), " 5");
  EXPECT_EQ(two.where(), "configuration header");
  FormRun three(weekly(), path(kToQnum, "\"12\" Esc"));
  EXPECT_EQ(three.cu().QNUM, 25);
  EXPECT_EQ(three.row(6).substr(71, 3), " 25");
}

TEST(FormNames, TypingANameAndWhereItLeads) {
  struct Case {
    std::string keys;
    const char* name1;
    const char* name4;
    const char* where;
  } cases[] = {
      {path(kToName1, "\"smith\" Enter"), "Smith", "Weekly", "Name of Output File"},
      {path(kToName1, "\"aBc\" Enter"), "ABc", "Weekly", "Name of Output File"},
      {path(kToName1, "\"abH\""), "Ab", "Weekly", "End Chapter"},  // H is Up
      {path(kToName1, "\"abcdefghijx\""), "Abcdefghij", "Weekly", "Name of Output File"},
      {path(kToName1, "Left \"im\" Enter"), "Kim", "Weekly", "Name of Output File"},
      {path(kToName1, "\"0. b\" Esc \"9\" Enter"), "B9", "Weekly", "Name of Output File"},
      {path(kToName1, "Right"), "Weekly", "Weekly", "Percent Eligible for Repeats"},
      {path(kToName4, "\"x\" Right"), "Weekly", "X", "FTV Type Min"},
      {path(kToName4, "Right"), "Weekly", "Weekly", "Total Min"},
      {path(kToName4, "\"qqqqqqqqqqM\""), "Weekly", "Qqqqqqqqqq", "Output"},
  };
  for (const auto& c : cases) {
    FormRun f(weekly(), c.keys);
    EXPECT_EQ(f.cu().NAME1, c.name1) << c.keys;
    EXPECT_EQ(f.cu().NAME4, c.name4) << c.keys;
    EXPECT_EQ(f.where(), in_field(c.where)) << c.keys;
  }
}

TEST(FormLetters, OneLetterFieldsTakeTheirLettersAsCapitals) {
  struct Case {
    std::string keys;
    char StyleValues::*var;
    char expected;
    const char* where;
  } cases[] = {
      {path(kToOut, "\"P\""), &StyleValues::OUT, 'C', "Questions per pack"},  // P is Down
      {path(kToOut, "\"p\""), &StyleValues::OUT, 'P', "Output"},
      {path(kToOut, "\"tx\""), &StyleValues::OUT, 'T', "Output"},
      {path(kToReglst, "\"a\""), &StyleValues::REGLST, 'A', "Reg"},
      {path(kToReglst, "\"d\""), &StyleValues::REGLST, 'B', "Reg"},
      {"Right Right Down \"q\"", &StyleValues::SEC1, 'Q', "Sector by"},
      {path(kToSplate, "Down \"n\""), &StyleValues::INDX, 'N', "Reindex"},
      {path(kToReglst, "Down \"y\""), &StyleValues::SETSPC, 'Y', "Set Specialty Quest nos"},
  };
  for (const auto& c : cases) {
    StyleValues st = weekly();
    st.OUT = 'C';
    FormRun f(st, c.keys);
    EXPECT_EQ(f.cu().*c.var, c.expected) << c.keys;
    EXPECT_EQ(f.where(), in_field(c.where)) << c.keys;
  }
}

TEST(FormMoves, KeysThatEndAnEntryMayLeadElsewhere) {
  std::pair<std::string, const char*> cases[] = {
      {"Right Right", "Number of Quizzes in this Run"},
      {"Right \"1\" Right", "Begin Ver"},
      {"Down \"1\" Right", "Name of Quiz Style"},
      {"Down Right \"1\" Right", "End Ver"},
      {path(kToSplate, "Down"), "Reindex"},
      {path(kToSplate, "\"9\" Down"), "Pct Int"},
      {path(kToIpc, "Up"), "Specialties may appear"},
      {path(kToIpc, "\"5\" Up"), "A and B Questions begin on"},
      {path(kToRepeat, "Enter"), "FTV Type Max"},
      {path(kToRepeat, "\"5\" Enter"), "Percent Eligible for Repeats"},
      {path(kToRmin, "Left"), "Questions per pack"},
      {path(kToRmin, "\"0\" Left"), "Output"},
      {path(kToSmax, "Down"), "Reg"},
      {path(kToSmax, "\"1\" Enter"), "Set Specialty Quest nos"},
      {path(kToLpp, "Enter"), "Output"},
      {path(kToLpp, "Down"), "Questions per pack"},
      {path(kToQnum, "Right"), "Number of Quizzes in this Run"},
      {path(kToReglst, "Down Down"), "Begin Chapter"},
  };
  for (const auto& [keys, where] : cases) {
    FormRun f(weekly(), keys);
    EXPECT_EQ(f.where(), in_field(where)) << keys;
  }
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
  std::vector<std::string> expected = {"F",
                                       "4 1",
                                       "12 25",
                                       "Out",
                                       "500",
                                       "C",
                                       "25",
                                       "B",
                                       "20",
                                       "50",
                                       "Y",
                                       "25",
                                       "V",
                                       "10",
                                       "4",
                                       "2",
                                       "2",
                                       "1",
                                       "1",
                                       "0",
                                       "1",
                                       "0",
                                       "1",
                                       "0",
                                       "59",
                                       "2",
                                       "18",
                                       "N",
                                       "nAAAAAAAAAAAAAAAAAnnnnnnnnnnnn"};
  ASSERT_TRUE(dir.exists("Quiz.spe"));
  EXPECT_EQ(dir.lines("Quiz.spe"), expected);
  EXPECT_EQ(dir.read("temp2.txt"), "Quiz\r\n");
  EXPECT_EQ(dir.lines("Specs.lst"),
            (std::vector<std::string>{"Weekly", "Chapters", "Fixed", "Quiz", "Enter New Specs"}));
}

}  // namespace
}  // namespace halvorin::testing
