#include "sectoring/chapter_sectoring.hpp"

#include <random>

#include "bench.hpp"

namespace halvorin {
namespace {

using testing::Bench;

std::vector<int> figures(const RunState& rs) {
  std::vector<int> cs;
  for (int c = rs.BCHAP; c <= rs.ECHAP; ++c) cs.push_back(rs.CS[c]);
  return cs;
}

TEST(ChapterSectoring, FirstProposalDealsRoundRobin) {
  Bench b;
  propose_chapter_sectors(b.range(3, 1, 7, 30, 12));
  EXPECT_EQ(figures(b.rs), std::vector<int>({3, 3, 2, 2, 2}));
  b.rs.LG = 'L';  // chapter 7 takes no part in the reduced material
  propose_chapter_sectors(b.range(6, 1, 8, 30, 5));
  EXPECT_EQ(figures(b.rs), std::vector<int>({3, 0, 2}));
}

TEST(ChapterSectoring, LayoutOfGroupsAndChaptersOfTheirOwn) {
  struct Case {
    int bc, bv, ec, ev;
    std::vector<std::pair<int, int>> figures;  // chapter, sectors
    std::vector<int> want;                     // begin and end of each sector as c*100+v
  } cases[] = {
      {3, 1, 4, 30, {{3, 0}, {4, 2}}, {301, 330, 401, 430}},
      {1, 1, 3, 30, {{1, 1}, {2, 3}, {3, 1}}, {101, 130, 201, 208, 209, 216, 217, 225, 301, 330}},
      // Ranges inside chapters laid soundly as written: groups over whole chapters, a last
      // chapter's first length EVER div n.
      {5, 2, 5, 30, {{5, 2}}, {502, 516, 517, 530}},
      {5, 2, 5, 20, {{5, 2}}, {502, 511, 512, 520}},
      {3, 5, 4, 30, {{3, 0}, {4, 2}}, {305, 404, 405, 430}},
      {3, 1, 4, 20, {{3, 0}, {4, 2}}, {301, 330, 401, 420}},
      {2, 10, 4, 30, {{2, 0}, {3, 0}, {4, 3}}, {210, 312, 313, 410, 411, 430}},
      // Written, these would cross the range's end or a chapter's last verse: mended.
      {5, 20, 5, 30, {{5, 2}}, {520, 524, 525, 530}},                    // not 520-534
      {5, 12, 5, 20, {{5, 2}}, {512, 515, 516, 520}},                    // not 512-521
      {3, 1, 4, 5, {{3, 0}, {4, 3}}, {301, 311, 312, 322, 323, 405}},    // not 3:21-4:10
      {3, 28, 4, 30, {{3, 0}, {4, 3}}, {328, 408, 409, 419, 420, 430}},  // not 4:18-4:37
      {6, 1, 6, 3, {{6, 4}}, {601, 600, 601, 601, 602, 602, 603, 603}},  // sector 1 is empty
  };
  for (const Case& c : cases) {
    Bench b;
    b.rs.EVS[2] = 25, b.rs.EVS[6] = 3;
    for (int ch = 1; ch <= CHMAX; ++ch)
      for (int v = 1; v <= b.rs.EVS[ch]; ++v) b.at(ch, v, 1 + v % 3, v % 2, v % 5 == 0, 0, 1);
    int sectors = 0;
    for (auto [ch, n] : c.figures) b.rs.CS[ch] = n, sectors += n;
    RunState& rs = b.range(c.bc, c.bv, c.ec, c.ev, sectors);
    lay_chapter_sectors(rs);
    count_chapter_sectors(rs);
    std::vector<int> got = testing::bounds(rs);
    for (size_t k = 2; k < got.size(); k += 2) got.erase(got.begin() + static_cast<long>(k));
    EXPECT_EQ(got, c.want);
    testing::expect_partition(rs, false);
  }
}

// Over many generated ranges and figures: every verse of the range lies in exactly one sector
// (an empty sector holds none), and no sector reaches before the range or past its end.
TEST(ChapterSectoring, EveryVerseOfTheRangeInExactlyOneSector) {
  std::mt19937 rng(7);
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  for (int run = 0; run < 400; ++run) {
    Bench b;
    for (int c = 1; c <= CHMAX; ++c) b.rs.EVS[c] = pick(8, 40);
    const int bc = pick(1, 27), ec = std::min(CHMAX, bc + pick(0, 5));
    const int bv = pick(1, b.rs.EVS[bc]), ev = pick(bc == ec ? bv : 1, b.rs.EVS[ec]);
    int sectors = 0;
    for (int c = bc; c <= ec; ++c) sectors += b.rs.CS[c] = pick(c == ec, 3);
    if (sectors > SCMAX) continue;
    b.verses(1, CHMAX, 1);
    RunState& rs = b.range(bc, bv, ec, ev, sectors);
    lay_chapter_sectors(rs);
    count_chapter_sectors(rs);
    SCOPED_TRACE(::testing::PrintToString(std::vector<int>{bc, bv, ec, ev, run}));
    for (int c = bc, v = bv; !after(c, v, ec, ev); v = v % rs.EVS[c] + 1, c += v == 1) {
      int holders = 0;
      for (int s = 1; s <= sectors; ++s)
        holders += !after(rs.BC[s], rs.BV[s], c, v) && !after(c, v, rs.EC[s], rs.EV[s]);
      ASSERT_EQ(holders, 1) << c << ":" << v;
    }
    for (int s = 1; s <= sectors; ++s) {
      ASSERT_LE(rs.EV[s], rs.EVS[rs.EC[s]]) << "sector " << s;
      if (after(rs.BC[s], rs.BV[s], rs.EC[s], rs.EV[s])) continue;  // empty
      ASSERT_FALSE(after(bc, bv, rs.BC[s], rs.BV[s]) || after(rs.EC[s], rs.EV[s], ec, ev)) << s;
    }
  }
}

TEST(ChapterSectoring, EditingTheFiguresReviewAndEscBack) {
  Bench b(R"(Down Down "0" Enter Up   # on the last chapter 0 is taken as 1; Enter waits
             "00" Enter               # 2, 0, 1 is 3, not 4
             Up "3" Down Enter        # 3, 0, 1: the table
             Esc Enter "x")");
  b.verses(1, 3, 1);
  RunState& rs = b.range(1, 1, 3, 30, 4);
  b.dir.write("week.inf", "the last packet's list");  // kept until a new one is complete
  CHAPSEC(b.p);
  EXPECT_EQ(figures(rs), std::vector<int>({3, 0, 1}));  // kept across Esc
  Screen& s = b.p.con;
  EXPECT_EQ(s.row_text(3).substr(2, 47), "Your smallest sector has 10 regular questions. ");
  EXPECT_EQ(s.row_text(9).substr(38, 39), "    4 A  2: 1  3:30  60   0   0   0   0");
  EXPECT_EQ(b.p.cu.I, 'x');
  EXPECT_FALSE(rs.EN);
  EXPECT_EQ(b.dir.read("week.inf"), "the last packet's list");
}

TEST(ChapterSectoring, ScreenMessagesAndTheReducedLevel) {
  Bench b(R"("0" Down Enter)");  // 0 becomes 1 at level L
  b.rs.LG = 'L';
  RunState& rs = b.range(6, 1, 8, 30, 3);
  EXPECT_THROW(CHAPSEC(b.p), ScriptEnded);
  Screen& s = b.p.con;
  EXPECT_EQ(s.row_text(3).substr(0, 33), "  Choose questions per chapter.  ");
  EXPECT_EQ(s.row_text(5).substr(0, 16), "  Acts  6:   1  ");
  EXPECT_EQ(s.row_text(6), std::string(80, ' '));  // chapter 7's place stays empty
  EXPECT_EQ(s.row_text(7).substr(0, 16), "  Acts  8:   1  ");
  EXPECT_EQ(s.row_text(20).substr(39), pad_right("Your total is 2 questions", 41));
  EXPECT_EQ(s.row_text(21).substr(39), pad_right("Total questions must equal 3", 41));
  EXPECT_EQ(rs.CS[7], 0);

  Bench ten;  // more chapters than questions per quiz
  ten.range(1, 1, 10, 30, 8);
  EXPECT_THROW(CHAPSEC(ten.p), ScriptEnded);
  EXPECT_EQ(ten.p.con.row_text(3).substr(0, 65),
            "  We must reset the questions per packet to sector 10 chapters.  ");
  EXPECT_EQ(ten.rs.QMAX * 100 + ten.rs.SECTORS, 1010);
}

}  // namespace
}  // namespace halvorin
