// Quiz assembly and the choosers of single questions: repeats, the interrogative share,
// approval of combinations, large sectors and questions that share a sector. The tests run a
// program on a key script in a fresh folder with small question files: sector s is chapter s and
// question n of a kind in sector s is verse n, so every line read tells where it came from.
#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <sstream>
#include <tuple>

#include "selection/assembly.hpp"
#include "selection/listing.hpp"
#include "selection/regular.hpp"
#include "selection/specialty.hpp"
#include "support/bench.hpp"

namespace halvorin::testing {
namespace {

// Questions of a sector by kind: regular, FTV, CV Ref, CO Ref, SIT.
using SectorCounts = std::array<int, 5>;
inline std::vector<SectorCounts> same(int sectors, SectorCounts c) {
  return std::vector<SectorCounts>(static_cast<size_t>(sectors), c);
}

// What one quiz took, by position from 1.
struct QuizTaken {
  std::string pattern;
  std::vector<int> sector{0}, number{0};
  std::vector<std::string> line{""};
};

class SelectionTest : public ::testing::Test {
 protected:
  void SetUp() override { start(""); }

  void start(const std::string& keys, uint64_t seed = 11) {
    term = std::make_unique<ScriptTerminal>(parse_key_script(keys, "keys"));
    prog = std::make_unique<Program>(*term, seed);
  }

  // Writes the five question files (three lines before the range in each) and sets the run
  // state as the steps before the quiz loop leave it, with nothing recycled on schedule.
  void layout(const std::vector<SectorCounts>& sectors, int quizzes, const std::string& pattern) {
    RunState& rs = prog->rs;
    rs.QMAX = rs.SECTORS = static_cast<int>(sectors.size());
    rs.QZ = quizzes;
    rs.BEFORE = rs.FBEFORE = rs.RBEFORE = rs.OBEFORE = rs.SBEFORE = rs.TEMPF = 3;
    rs.REGFILE = "Acts.b", rs.FTVFILE = "FTV.75", rs.CVFILE = "cv.b", rs.COFILE = "co.b";
    rs.SITFILE = "SIT.TXT";
    const char* texts[] = {"\tWho was it?\tanswer", "", "\tCV\tWhat does it say?\tanswer",
                           "\tCO\tWhere is it said?\tanswer", "\tWho said \"this\"? *someone"};
    for (Kind kind : kAllKinds) {
      const auto k = static_cast<size_t>(kind);
      std::vector<std::string> lines(3, " 0: 0\tbefore\tx");
      for (int s = 1; s <= rs.SECTORS; ++s) {
        int n = rs.in_sector[kind][s] = rs.sector_total[kind][s] =
            sectors[static_cast<size_t>(s - 1)][k];
        for (int i = 1; i <= n; ++i)  // an FTV label's type runs a to e by sector and number
          lines.push_back(qline(s, i, "").substr(0, 5 + (i > 99)) +
                          (kind == Kind::Ftv
                               ? "\tFT" + std::string(1, "abcde"[(s + i) % 5]) + "\tAnd so on"
                               : texts[k]));
      }
      dir.write_lines(rs.question_file(kind), lines);
    }
    make_room_for_sectors(rs);
    rs.MINQZ = rs.MINQZ1 = rs.FQUIZ = rs.FQUIZ1 = 1000;
    rs.REPEATPCT = rs.SPMIN = 0;
    rs.IPC = 50;
    rs.V = Combination::Automatic;
    rs.Q2 = 1;
    for (int q = 1; q <= quizzes; ++q) rs.PAT[q] = pattern;
    rs.TYP = pattern;
    rs.REGQUESTION.fill(true);
    for (auto* t : {&rs.FINISH, &rs.REFERENCE, &rs.ONLY, &rs.SITUATION}) t->fill(true);
  }

  void open_lists() {
    prog->rs.F9 = std::make_unique<TextWriter>("temp.txt", TextWriter::Mode::Create);
    prog->rs.F10 = std::make_unique<TextWriter>("test.inf", TextWriter::Mode::Create);
  }

  // Assembles quizzes 1..count (after FINTYPES) and records what each took.
  std::vector<QuizTaken> assemble(int count) {
    if (!prog->rs.F9) open_lists();
    RunState& rs = prog->rs;
    ss = std::make_unique<SelectionState>(rs);
    FINTYPES(*prog, *ss);
    std::vector<QuizTaken> out;
    for (int quiz = 1; quiz <= count; ++quiz) {
      CHOOSESPEC(*prog, *ss, quiz);
      QuizTaken& t = out.emplace_back();
      t.pattern = rs.TYP;
      for (int pos = 1; pos <= rs.SECTORS; ++pos) {
        t.sector.push_back(rs.SECTOR[pos]);
        t.number.push_back(ss->number_at[pos]);
        t.line.push_back(rs.ALL[pos]);
      }
    }
    return out;
  }

  // Closes both lists and returns the notes.
  std::vector<std::string> notes() {
    prog->rs.F9->close();
    prog->rs.F10->close();
    return dir.lines("temp.txt");
  }

  TempDir dir;
  InFolder here{dir.path()};
  std::unique_ptr<ScriptTerminal> term;
  std::unique_ptr<Program> prog;
  std::unique_ptr<SelectionState> ss;
};

// A long run at 0 %: no question comes again before the note that its kind recycles.
TEST_F(SelectionTest, AtZeroPercentNoSpecialtyRepeatsBeforeItsRecycleNote) {
  layout(same(10, {40, 6, 6, 6, 6}), 150, "FROSnFROSn");
  const auto quizzes = assemble(150);
  const auto all = notes();
  int recycled = 0;
  for (auto [kind, note] : std::map<char, std::string>{{'n', "Regular Question Repeats"},
                                                       {'F', "FTV Repeats"},
                                                       {'R', "CV Repeats"},
                                                       {'O', "CO repeats"},
                                                       {'S', "Situation Repeats"}}) {
    std::set<std::pair<int, int>> taken;  // sector and number since the last recycling
    for (size_t q = 0; q < quizzes.size(); ++q) {
      std::vector<std::pair<int, int>> now;
      for (size_t pos = 1; pos <= 10; ++pos)
        if (quizzes[q].pattern[pos - 1] == kind)
          now.emplace_back(quizzes[q].sector[pos], quizzes[q].number[pos]);
      // In the quiz of the note only its last question surely comes after the recycling.
      if (std::count(all.begin(), all.end(), note + " begin quiz " + std::to_string(q + 1))) {
        taken = {now.back()};
        ++recycled;
        continue;
      }
      for (auto x : now)
        EXPECT_TRUE(taken.insert(x).second)
            << kind << " " << x.first << "." << x.second << " again in quiz " << q + 1;
    }
  }
  EXPECT_GE(recycled, 4 * 4);  // each kind recycles every 30 quizzes
}

// A sector holding more than a third of a kind's questions left gets the quiz's second one of
// that kind, unless it gave the first.
TEST_F(SelectionTest, SecondQuestionOfAKindPrefersASectorWithAThirdLeft) {
  int checked = 0;
  for (uint64_t seed = 1; seed <= 20; ++seed) {
    start("", seed);
    std::vector<SectorCounts> sectors = same(6, {4, 0, 2, 0, 0});
    sectors[0][2] = 8;  // 8 of 18: more than a third, less than a half
    layout(sectors, 1, "RnRnnn");
    auto q = assemble(1)[0];
    if (q.sector[1] == 1) continue;
    EXPECT_EQ(q.sector[3], 1) << "seed " << seed;
    ++checked;
  }
  EXPECT_GT(checked, 5);
}

TEST_F(SelectionTest, RegularQuestionsRecycleAfterMinqzAndEveryMinqz1MinusOneQuizzes) {
  layout(same(5, {20, 0, 0, 0, 0}), 10, "nnnnn");
  prog->rs.MINQZ = prog->rs.MINQZ1 = 3;
  assemble(10);
  std::vector<std::string> want;
  for (int q : {4, 6, 8, 10})
    want.push_back("Regular Question Repeats begin quiz " + std::to_string(q));
  EXPECT_EQ(notes(), want);
  EXPECT_EQ(prog->con.row_text(5),
            pad("    **Out of Regular Questions...Using Repeats beginning quiz 4**", 80));
}

TEST_F(SelectionTest, InterrogativeShareIsMetOrAbandoned) {
  // Every k-th regular question is interrogative; wanted among 7 (-1: the share is abandoned).
  for (auto [ipc, every, want] : std::vector<std::array<int, 3>>{
           {0, 2, 0}, {30, 2, 2}, {100, 2, 7}, {50, 1, 7}, {0, 1, -1}}) {
    SCOPED_TRACE("IPC " + std::to_string(ipc) + ", every " + std::to_string(every));
    start("", 21);
    layout(same(9, {12, 0, 2, 2, 0}), 6, "nRnnOnnnn");
    RunState& rs = prog->rs;
    rs.IPC = ipc;
    rs.REPEATPCT = 100;
    for (int s = 1; s <= 9; ++s)
      for (int k = 1; k <= 12; ++k) rs.INT(s, k) = k % every == 0;
    for (auto& q : assemble(6)) {
      int count = 0;
      for (size_t pos = 1; pos <= 9; ++pos)
        count += q.pattern[pos - 1] == 'n' && rs.INT(q.sector[pos], q.number[pos]);
      EXPECT_TRUE(want < 0 || count == want) << count;
    }
    const auto n = notes();  // abandoned: noted, told, and the share given up for the run
    const std::string told = "    **Some Sectors are out of Noninterrogative questions**";
    EXPECT_EQ(n.empty() ? "" : n[0] + "|" + prog->con.row_text(5),
              want < 0 ? "Abandoning 0 Percent interrogatives on quiz 1|" + pad(told, 80) : "");
    EXPECT_TRUE(want >= 0 || std::tie(rs.ABAND, rs.OLDIPC, rs.IPC) == std::make_tuple(1, 0, 50));
    EXPECT_EQ(rs.ABAND3, want < 0);
  }
}

TEST_F(SelectionTest, RefusedCombinationGivesEveryQuestionBackAndEscRefusesToo) {
  start("\"x\" \"n\" Esc \"y\"");
  layout(same(8, {6, 3, 3, 3, 3}), 1, "FnRnOnSn");
  prog->rs.V = Combination::ApproveEach;
  auto q = assemble(1)[0];
  EXPECT_EQ(term->keys_read(), 4u);
  RunState& rs = prog->rs;
  for (size_t pos : {1, 3, 5, 7}) {
    const SpecialtyKind* k = kind_of(q.pattern[pos - 1]);
    for (int s = 1; s <= 8; ++s) {
      EXPECT_EQ(rs.in_sector[k->kind][s], s == q.sector[pos] ? 2 : 3);
      for (int n = 1; n <= 3; ++n)
        EXPECT_EQ(rs.available[k->kind](s, n), s != q.sector[pos] || n != q.number[pos]);
    }
  }
  notes();
  auto inf = dir.lines("test.inf");
  ASSERT_EQ(inf.size(), 33u);  // one heading, however many combinations were shown
  EXPECT_EQ(inf[0], inf_heading(1));
}

// Sectors far larger than the smallest tables' room and no repeats: every question keeps its
// own availability and text, so a sector gives both question n and n + 200 and nothing twice;
// the quiz number of the list's headings keeps its column up to 3 digits.
TEST_F(SelectionTest, LargeSectorsKeepOneAvailabilityAndTextPerQuestion) {
  layout(same(2, {250, 0, 0, 0, 0}), 150, "nn");
  std::set<std::pair<int, int>> taken;
  for (auto& q : assemble(150))
    for (size_t pos = 1; pos <= 2; ++pos) {
      EXPECT_TRUE(taken.insert({q.sector[pos], q.number[pos]}).second);
      EXPECT_TRUE(q.line[pos].starts_with(qline(q.sector[pos], q.number[pos], ""))) << q.line[pos];
    }
  int pairs = 0;
  for (auto [s, n] : taken) pairs += static_cast<int>(taken.count({s, n + 200}));
  EXPECT_GT(pairs, 0);
  notes();
  const auto inf = dir.lines("test.inf");
  int quiz = 0;
  for (const std::string& line : inf)  // each heading of the length of the first, numbered in turn
    quiz += line.starts_with("  Que Sec") && line.size() == inf[0].size() &&
            line.ends_with(" " + std::to_string(quiz + 1));
  EXPECT_EQ(quiz, 150);
}

// Two regular positions in one sector (the CO Ref may release the quiz's sectors) each read
// their own line.
TEST_F(SelectionTest, QuestionsSharingASectorKeepTheirOwnTexts) {
  layout(same(3, {4, 0, 0, 0, 0}), 1, "nnn");
  ss = std::make_unique<SelectionState>(prog->rs);
  RunState& rs = prog->rs;
  rs.TYP = "nnn";
  rs.RSECTOR[1] = rs.RSECTOR[3] = 2;
  rs.RSECTOR[2] = 3;
  ss->number_at[1] = 3, ss->number_at[2] = ss->number_at[3] = 1;
  read_regular_texts(rs, *ss);
  EXPECT_EQ(rs.ALL[1].substr(0, 5) + rs.ALL[2].substr(0, 5) + rs.ALL[3].substr(0, 5),
            " 2: 3 3: 1 2: 1");
}

// The choosers of single questions: recycling, and what happens when material runs out or
// falls short.
TEST_F(SelectionTest, RecyclingNotesOnceAndThenReleasesTheQuizSectors) {
  // Only sector 1 has questions of the kind and the quiz has used it: recycling alone cannot
  // help, so the second recycling of the choice releases the quiz's sectors.
  for (char kind : {'R', 'F'}) {
    start("");
    layout({{1, 2, 2, 0, 0}, {1, 0, 0, 0, 0}}, 2, "Rn");
    open_lists();
    RunState& rs = prog->rs;
    rs.FQUIZ1 = 6;
    SelectionState state(rs);
    FINTYPES(*prog, state);
    for (int quiz = 1; quiz <= 2; ++quiz) {
      rs.FLAG[2] = 1;
      rs.FLAG[1] = 0;
      kind == 'R' ? CHOOSEREF(*prog, state, {quiz, 1, 1}) : CHOOSEFIN(*prog, state, {quiz, 1, 1});
      EXPECT_EQ(rs.SECTOR[1], 1);
    }
    expect_screen("selection/golden/recycling_" + std::string(1, kind) + ".screen", prog->con);
    EXPECT_EQ(rs.FQUIZ, kind == 'R' ? 1000 : 8);
    std::string begin = kind == 'R' ? "CV Repeats begin quiz " : "FTV Repeats begin quiz ";
    EXPECT_EQ(notes(),
              (std::vector<std::string>{begin + "1", "Sectors or Questions repeated in quiz 1",
                                        begin + "2", "Sectors or Questions repeated in quiz 2"}));
  }
}

// Questions of a kind in one sector only: a quiz's second one comes after the recyclings have
// made its first available again and released its sector. It is another question of the range
// while there is one; the range's only question comes twice, noted and without an error.
TEST_F(SelectionTest, NoQuestionTwiceInAQuizWhileTheRangeHasAnother) {
  for (int cv : {2, 1}) {
    start("", 5);
    layout({{2, 0, cv, 0, 0}, {2, 0, 0, 0, 0}, {2, 0, 0, 0, 0}}, 20, "RRn");
    int twice = 0;
    for (const QuizTaken& q : assemble(20)) {
      EXPECT_EQ(q.sector[1], 1);
      twice += q.sector[2] == 1 && q.number[2] == q.number[1];
    }
    EXPECT_EQ(twice, cv == 1 ? 20 : 0) << cv << " CV Ref questions";
    EXPECT_EQ(notes()[1], "Sectors or Questions repeated in quiz 1");
  }
}

TEST_F(SelectionTest, UsedUpSectorRepeatsItsOwnQuestionsInsteadOfHanging) {
  layout(std::vector<SectorCounts>(3, {4, 0, 0, 0, 0}), 1, "nnn");
  open_lists();
  RunState& rs = prog->rs;
  for (int k = 1; k <= 4; ++k) rs.REGQUESTION(2, k) = false, rs.INT(2, k) = true;
  rs.QPS[2] = rs.FLAG[1] = rs.FLAG[3] = 0, rs.FLAG[2] = 1;
  SelectionState state(rs);
  CHOOSEQUE(*prog, state, 1, 2);
  EXPECT_EQ(std::vector<int>({rs.RSECTOR[2], rs.REGQUESTION(2, rs.RNUMBER[2]), rs.QPS[2], rs.ITOT}),
            std::vector<int>({2, false, 3, 1}));
  EXPECT_EQ(notes(), std::vector<std::string>{"Regular questions of sector 2 repeated in quiz 1"});
}

TEST_F(SelectionTest, MaterialThatCannotFillTheQuizIsRefusedWithFileAndLine) {
  const std::string path = "selection/cases/short_material.tsv";
  for (const auto& c : test_table(path)) {
    SCOPED_TRACE(case_name(path, c));
    start("");
    layout({{2, 0, 0, 0, 0}, {2, 0, 2, 0, 0}}, 1, c[0]);
    std::string text = c[2];
    for (size_t at; (at = text.find('\\')) != std::string::npos;)
      text.replace(at, 2, text[at + 1] == 'n' ? "\n" : "\t");
    if (!text.empty()) dir.write(c[1], text);
    try {
      assemble(1);
      ADD_FAILURE() << "no error";
    } catch (const FileError& e) {
      EXPECT_EQ(e.file(), c[1]);
      EXPECT_TRUE(e.line() == c.num(3) || e.line() == c.num(4)) << e.what();
    }
  }
}

// The short range of a league's style, its specialties using up the range's questions of each
// kind every quiz or two: no quiz of the packet asks a question twice.
TEST(ShortRangePacket, NoQuizAsksAQuestionTwice) {
  TempDir dir;
  copy_demo(dir);
  generate_material(dir, "full", 1);
  std::vector<std::string> style;  // one line a field
  std::istringstream fields(
      "F|25 10|25 22|Short|500|C|10|A|1|100|N|27|C|0|10|9|9|3|3|3|9|2|1|1|89|1|10|N|"
      "AAAAAAAAAAnnnnnnnnnnnnnnnnnnnn");
  for (std::string f; std::getline(fields, f, '|');) style.push_back(f);
  dir.write_lines("Short.spe", style);
  const RunResult r = run_command(shell_word(HALVORIN_BIN) + " -C " + shell_word(dir.path()) +
                                  " --batch Short --seed 267642747");
  ASSERT_EQ(r.status, 0) << r.err;
  int quiz = 0;
  std::set<std::string> asked;  // sector, number and type of each question of the quiz
  for (const std::string& line : dir.lines("Short.inf")) {
    if (line.starts_with("  Que Sec")) {
      asked.clear();
      ++quiz;
    } else if (line.size() > 26 && line[4] == '.') {
      EXPECT_TRUE(asked.insert(line.substr(5, 8) + line.substr(24, 2)).second)
          << "quiz " << quiz << ": " << line;
    }
  }
  EXPECT_EQ(quiz, 27);
}

}  // namespace
}  // namespace halvorin::testing
