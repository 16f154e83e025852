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

std::vector<SectorCounts> same(int sectors, SectorCounts c) {
  return std::vector<SectorCounts>(static_cast<size_t>(sectors), c);
}

TEST_F(SelectionTest, RepeatPercentZeroUsesEveryQuestionUpAndHundredNone) {
  for (int pct : {0, 100}) {
    start("", 5);
    layout(same(6, {8, 4, 4, 4, 4}), 4, "FRnOSn");
    prog->rs.REPEATPCT = pct;
    std::set<std::tuple<char, int, int>> seen;
    for (auto& q : assemble(4))
      for (size_t pos = 1; pos <= 6; ++pos)
        EXPECT_TRUE(seen.insert({q.pattern[pos - 1], q.sector[pos], q.number[pos]}).second ||
                    pct == 100);
    RunState& rs = prog->rs;
    int unavailable = 0;
    for (int s = 1; s <= 6; ++s)
      for (int k = 1; k <= 8; ++k)
        unavailable += !rs.REGQUESTION(s, k) + (k <= 4) * (!rs.FINISH(s, k) + !rs.REFERENCE(s, k) +
                                                           !rs.ONLY(s, k) + !rs.SITUATION(s, k));
    EXPECT_EQ(unavailable, pct == 0 ? 4 * 6 : 0);
  }
}

// A long run at 0 %: no specialty question comes again before the note that its kind recycles.
TEST_F(SelectionTest, AtZeroPercentNoSpecialtyRepeatsBeforeItsRecycleNote) {
  layout(same(10, {40, 6, 6, 6, 6}), 150, "FROSnFROSn");
  const auto quizzes = assemble(150);
  const auto all = notes();
  int recycled = 0;
  for (auto [kind, note] : std::map<char, std::string>{{'F', "FTV Repeats begin quiz "},
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
    sectors[0].cv = 8;  // 8 of 18: more than a third, less than a half
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

TEST_F(SelectionTest, QuestionsSharingASectorKeepTheirOwnNumbersAndTexts) {
  // The CO Ref has to release the quiz's sectors, so a regular question may then share a sector
  // with the CV Ref or the SIT; each line must still show its own question.
  int shared = 0;
  for (uint64_t seed = 1; seed <= 40 && shared < 3; ++seed) {
    start("", seed);
    std::vector<SectorCounts> sectors = same(8, {9, 0, 0, 0, 0});
    sectors[0] = {9, 0, 1, 2, 0};
    sectors[1] = {9, 0, 0, 2, 1};
    layout(sectors, 1, "RSOnnnnn");
    auto q = assemble(1)[0];
    notes();
    std::set<int> regular(q.sector.begin() + 4, q.sector.end());
    if (!regular.count(q.sector[1]) && !regular.count(q.sector[2])) continue;
    ++shared;
    auto inf = dir.lines("test.inf");
    for (size_t pos = 1; pos <= 8; ++pos)
      EXPECT_EQ(inf[pos + 1].substr(9, 13),
                fmt_int(q.number[pos], 4) + "  A " + ref(q.sector[pos], q.number[pos]));
  }
  EXPECT_GT(shared, 0);
  // Two regular positions in one sector each read their own line.
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
