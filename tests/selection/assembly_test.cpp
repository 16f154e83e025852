// Quiz assembly: repeats, the interrogative share, approval of combinations, and questions that
// share a sector (the whole runs check the sector and kind of every position).
#include <algorithm>
#include <map>
#include <set>
#include <tuple>

#include "fixture.hpp"
#include "selection/listing.hpp"

namespace halvorin::testing {
namespace {

// A long run at 0 %: no question comes again before the note that its kind recycles.
TEST_F(SelectionTest, AtZeroPercentNoSpecialtyRepeatsBeforeItsRecycleNote) {
  layout(same(10, {40, 6, 6, 6, 6}), 150, "FROSnFROSn");
  const auto quizzes = assemble(150);
  const auto all = notes();
  int recycled = 0;
  for (auto [kind, note] :
       std::map<char, std::string>{{'n', "Regular Question Repeats begin quiz "},
                                   {'F', "FTV Repeats begin quiz "},
                                   {'R', "CV Repeats begin quiz "},
                                   {'O', "CO repeats begin quiz "},
                                   {'S', "Situation Repeats begin quiz "}}) {
    std::set<std::pair<int, int>> taken;  // sector and number since the last recycling
    for (size_t q = 0; q < quizzes.size(); ++q) {
      std::vector<std::pair<int, int>> now;
      for (size_t pos = 1; pos <= 10; ++pos)
        if (quizzes[q].pattern[pos - 1] == kind)
          now.emplace_back(quizzes[q].sector[pos], quizzes[q].number[pos]);
      // In the quiz of the note only its last question surely comes after the recycling.
      if (std::count(all.begin(), all.end(), note + std::to_string(q + 1))) {
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
  EXPECT_EQ(row(5), "    **Out of Regular Questions...Using Repeats beginning quiz 4**");
}

TEST_F(SelectionTest, InterrogativeShareIsMetOrAbandoned) {
  struct Case {
    int ipc, every, want;  // every k-th regular question is interrogative; wanted among 7
  };
  for (Case c : {Case{0, 2, 0}, Case{30, 2, 2}, Case{100, 2, 7}, Case{50, 1, 7}, Case{0, 1, -1}}) {
    SCOPED_TRACE("IPC " + std::to_string(c.ipc) + ", every " + std::to_string(c.every));
    start("", 21);
    layout(same(9, {12, 0, 2, 2, 0}), 6, "nRnnOnnnn");
    RunState& rs = prog->rs;
    rs.IPC = c.ipc;
    rs.REPEATPCT = 100;
    for (int s = 1; s <= 9; ++s)
      for (int k = 1; k <= 12; ++k) rs.INT(s, k) = k % c.every == 0;
    for (auto& q : assemble(6)) {
      int count = 0;
      for (size_t pos = 1; pos <= 9; ++pos)
        count += q.pattern[pos - 1] == 'n' && rs.INT(q.sector[pos], q.number[pos]);
      EXPECT_TRUE(c.want < 0 || count == c.want) << count;
    }
    bool abandoned = c.want < 0;
    EXPECT_EQ(notes(),
              abandoned ? std::vector<std::string>{"Abandoning 0 Percent interrogatives on quiz 1"}
                        : std::vector<std::string>{});
    EXPECT_EQ(rs.ABAND3, abandoned);
    if (abandoned) {
      EXPECT_EQ(std::tie(rs.ABAND, rs.OLDIPC, rs.IPC), std::make_tuple(1, 0, 50));
      EXPECT_EQ(row(5), "    **Some Sectors are out of Noninterrogative questions**");
    }
  }
}

TEST_F(SelectionTest, RefusedCombinationGivesEveryQuestionBackAndEscRefusesToo) {
  start("\"x\" \"n\" Esc \"y\"");
  layout(same(8, {6, 3, 3, 3, 3}), 1, "FnRnOnSn");
  prog->rs.V = 1;
  auto q = assemble(1)[0];
  EXPECT_EQ(term->keys_read(), 4u);
  RunState& rs = prog->rs;
  for (size_t pos : {1, 3, 5, 7}) {
    const SpecialtyKind* k = kind_of(q.pattern[pos - 1]);
    for (int s = 1; s <= 8; ++s) {
      EXPECT_EQ((rs.*k->remaining)[s], s == q.sector[pos] ? 2 : 3);
      for (int n = 1; n <= 3; ++n)
        EXPECT_EQ((rs.*k->avail)(s, n), s != q.sector[pos] || n != q.number[pos]);
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
  for (const std::string& line : inf)
    if (line.starts_with("  Que Sec")) {
      EXPECT_TRUE(line.size() == inf[0].size() && line.ends_with(" " + std::to_string(++quiz)));
    }
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

}  // namespace
}  // namespace halvorin::testing
