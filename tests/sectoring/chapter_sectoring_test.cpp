#include "sectoring/chapter_sectoring.hpp"

#include "bench.hpp"

namespace halvorin {
namespace {

using testing::Bench;
using testing::expect_partition;

std::vector<int> chapter_figures(const RunState& rs) {
  std::vector<int> cs;
  for (int c = rs.BCHAP; c <= rs.ECHAP; ++c) cs.push_back(rs.CS[c]);
  return cs;
}

TEST(ChapterSectoring, FirstProposalDealsRoundRobin) {
  Bench b;
  b.range(3, 1, 7, 30, 12);
  propose_chapter_sectors(b.rs);
  EXPECT_EQ(chapter_figures(b.rs), std::vector<int>({3, 3, 2, 2, 2}));
  b.rs.LG = 'L';  // chapter 7 takes no part in the reduced material
  b.range(6, 1, 8, 30, 5);
  propose_chapter_sectors(b.rs);
  EXPECT_EQ(chapter_figures(b.rs), std::vector<int>({3, 0, 2}));
}

TEST(ChapterSectoring, LayoutOfGroupsAndChaptersOfTheirOwn) {
  struct Case {
    const char* what;
    int bc, bv, ec, ev;
    std::vector<std::pair<int, int>> figures;  // chapter, sectors
    std::vector<int> want;                     // begin and end of each sector as c*100+v
  } cases[] = {
      {"3 grouped with 4", 3, 1, 4, 30, {{3, 0}, {4, 2}}, {301, 330, 401, 430}},
      {"25 verses in three",
       1,
       1,
       3,
       30,
       {{1, 1}, {2, 3}, {3, 1}},
       {101, 130, 201, 208, 209, 216, 217, 225, 301, 330}},
      {"ending at 28:31", 27, 1, 28, 31, {{27, 1}, {28, 2}}, {2701, 2730, 2801, 2815, 2816, 2831}},
      {"one chapter from verse 20", 5, 20, 5, 30, {{5, 2}}, {520, 524, 525, 530}},
      {"a group ending mid-chapter", 3, 1, 4, 5, {{3, 0}, {4, 3}}, {301, 311, 312, 322, 323, 405}},
      {"more sectors than verses", 2, 1, 2, 3, {{2, 4}}, {201, 200, 201, 201, 202, 202, 203, 203}},
  };
  for (const Case& c : cases) {
    Bench b;
    b.rs.EVS[2] = c.bc == 2 ? 3 : 25;
    b.rs.EVS[28] = 31;
    b.verses(1, 28, 1);
    int sectors = 0;
    for (auto [ch, n] : c.figures) b.rs.CS[ch] = n, sectors += n;
    RunState& rs = b.range(c.bc, c.bv, c.ec, c.ev, sectors);
    lay_chapter_sectors(rs);
    count_chapter_sectors(rs);
    std::vector<int> got;
    for (int s = 1; s <= sectors; ++s)
      got.insert(got.end(), {rs.BC[s] * 100 + rs.BV[s], rs.EC[s] * 100 + rs.EV[s]});
    EXPECT_EQ(got, c.want) << c.what;
    int total = 0;
    for (int s = 1; s <= sectors; ++s) total += rs.QPS[s];
    EXPECT_EQ(total, rs.TQUEST) << c.what;
  }
}

TEST(ChapterSectoring, CountsComeFromTheCountFileSectorBySector) {
  Bench b;
  for (int c = 1; c <= 6; ++c)
    for (int v = 1; v <= 30; ++v) b.at(c, v, (c + v) % 4, v % 5 == 0, v % 7 == 0, c == v, 1);
  for (auto figures : {std::vector<int>{0, 0, 3, 1, 0, 2}, std::vector<int>{1, 2, 0, 4, 0, 3}}) {
    for (int c = 1; c <= 6; ++c) b.rs.CS[c] = figures[static_cast<size_t>(c - 1)];
    int sectors = 0;
    for (int n : figures) sectors += n;
    RunState& rs = b.range(1, 6, 6, 24, sectors);
    lay_chapter_sectors(rs);
    count_chapter_sectors(rs);
    expect_partition(rs, true);
  }
}

TEST(ChapterSectoring, EditingTheFiguresReviewAndEscBack) {
  Bench b(R"(Down Down "0" Enter Up   # on the last chapter 0 is taken as 1; Enter waits
             "00" Enter               # 2, 0, 1 is 3, not 4
             Up "3" Down Enter        # 3, 0, 1: the table
             Esc Enter "x")");
  b.verses(1, 3, 1);
  RunState& rs = b.range(1, 1, 3, 30, 4);
  CHAPSEC(b.p);
  EXPECT_EQ(chapter_figures(rs), std::vector<int>({3, 0, 1}));
  Screen& s = b.p.con;
  EXPECT_EQ(s.row_text(3).substr(2, 47), "Your smallest sector has 10 regular questions. ");
  EXPECT_EQ(s.row_text(9).substr(38, 39), "    4 A  2: 1  3:30  60   0   0   0   0");
  EXPECT_EQ(b.p.cu.I, 'x');
  EXPECT_FALSE(rs.EN);
  EXPECT_TRUE(b.dir.exists("week.inf"));
  EXPECT_EQ(b.dir.read("week.inf"), "");
}

TEST(ChapterSectoring, WrongTotalsAreToldAndTheScreenFollowsTheLevel) {
  Bench b("\"0\" Down Enter");  // 0 becomes 1 at level L
  b.rs.LG = 'L';
  b.verses(6, 8, 1);
  RunState& rs = b.range(6, 1, 8, 30, 3);
  rs.CS.fill(9);
  EXPECT_THROW(CHAPSEC(b.p), ScriptEnded);
  Screen& s = b.p.con;
  EXPECT_EQ(s.row_text(3).substr(0, 33), "  Choose questions per chapter.  ");
  EXPECT_EQ(s.row_text(5).substr(0, 16), "  Acts  6:   1  ");
  EXPECT_EQ(s.row_text(6), std::string(80, ' '));  // chapter 7's place stays empty
  EXPECT_EQ(s.row_text(7).substr(2, 14), "Acts  8:   1  ");
  EXPECT_EQ(s.row_text(20).substr(39), pad_right("Your total is 2 questions", 41));
  EXPECT_EQ(s.row_text(21).substr(39), pad_right("Total questions must equal 3", 41));
  EXPECT_EQ(std::vector<int>({rs.CS[6], rs.CS[7], rs.CS[8]}), std::vector<int>({1, 0, 1}));
}

TEST(ChapterSectoring, MoreChaptersThanQuestionsRaisesTheQuestionsPerQuiz) {
  Bench b;
  b.range(1, 1, 10, 30, 8);
  EXPECT_THROW(CHAPSEC(b.p), ScriptEnded);
  EXPECT_EQ(b.p.con.row_text(3).substr(0, 65),
            "  We must reset the questions per packet to sector 10 chapters.  ");
  EXPECT_EQ(b.rs.QMAX * 100 + b.rs.SECTORS, 1010);
}

}  // namespace
}  // namespace halvorin
