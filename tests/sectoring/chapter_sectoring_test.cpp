#include "sectoring/chapter_sectoring.hpp"

#include <random>

#include "bench.hpp"
#include "material/seasons.hpp"

namespace halvorin {
namespace {

using testing::Bench;

TEST(ChapterSectoring, ProposalsAndLayouts) {
  const std::string path = "sectoring/cases/chapter.tsv";
  for (const auto& row : testing::test_table(path)) {
    SCOPED_TRACE(testing::case_name(path, row));
    Bench b;
    b.rs.EVS[2] = 25, b.rs.EVS[6] = 3, b.rs.LG = row[1][0];
    for (int ch = 1; ch <= CHMAX; ++ch)
      for (int v = 1; v <= b.rs.EVS[ch]; ++v) b.at(ch, v, 1 + v % 3, v % 2, v % 5 == 0, 0, 1);
    const std::vector<int> r = testing::ints(row[2]), fig = testing::ints(row[3]);
    std::vector<int> got;
    if (row[0] == "propose") {
      propose_chapter_sectors(b.range(r[0], r[1], r[2], r[3], fig[0]));
      for (int c = r[0]; c <= r[2]; ++c) got.push_back(b.rs.CS[c]);
    } else {
      int sectors = 0;
      for (size_t k = 0; k < fig.size(); k += 2) sectors += b.rs.CS[fig[k]] = fig[k + 1];
      RunState& rs = b.range(r[0], r[1], r[2], r[3], sectors);
      lay_chapter_sectors(rs);
      count_chapter_sectors(rs);
      got = testing::bounds(rs);
      for (size_t k = 2; k < got.size(); k += 2) got.erase(got.begin() + static_cast<long>(k));
      testing::expect_partition(rs, false);
    }
    EXPECT_EQ(got, testing::ints(row[4]));
  }
}

// Over many generated ranges (beginning and ending inside chapters, short chapters, the reduced
// level) and figures: every verse of the range lies in exactly one sector, every sector lies in
// the range at verses that exist, and no sector is empty unless some chapter or group has more
// sectors than verses in the range.
TEST(ChapterSectoring, GeneratedRangesAndFigures) {
  std::mt19937 rng(7);
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  for (int run = 0; run < 500; ++run) {
    Bench b;
    RunState& rs = b.rs;
    for (int c = 1; c <= CHMAX; ++c) rs.EVS[c] = pick(0, 2) ? pick(8, 40) : pick(1, 6);
    rs.LG = pick(0, 4) ? 'A' : 'L';
    const int bc = pick(1, 27), ec = std::min(CHMAX, bc + pick(0, 5));
    if (rs.LG == 'L' && (bc == 7 || ec == 7)) rs.LG = 'A';
    const int bv = pick(0, 1) ? pick(1, rs.EVS[bc]) : std::max(1, rs.EVS[bc] - pick(0, 3));
    const int ev = pick(bc == ec ? bv : 1, pick(0, 1) ? rs.EVS[ec] : std::min(rs.EVS[ec], bv + 3));
    // Figures near each chapter's verses in the range; `fits` when no chapter or group gets more.
    int sectors = 0, stretch = 0;
    bool fits = true;
    for (int c = bc; c <= ec; ++c) {
      if (absent_chapter(rs, c)) continue;
      const int verses = (c == ec ? ev : rs.EVS[c]) - (c == bc ? bv : 1) + 1;
      stretch += verses;
      const int n = c < ec && pick(0, 2) == 0 ? 0 : pick(1, std::min(verses + 1, 8));
      sectors += rs.CS[c] = n;
      if (n > 0) {
        fits = fits && n <= stretch;
        stretch = 0;
      }
    }
    if (sectors > SCMAX) continue;
    b.verses(1, CHMAX, 1);
    if (rs.LG == 'L') b.verses(7, 7, 0);
    b.range(bc, bv, ec, ev, sectors);
    lay_chapter_sectors(rs);
    count_chapter_sectors(rs);
    std::vector<int> trace{run, rs.LG, bc, bv, ec, ev};  // then each chapter's verses and figure
    for (int c = bc; c <= ec; ++c) trace.insert(trace.end(), {rs.EVS[c], rs.CS[c]});
    SCOPED_TRACE(::testing::PrintToString(trace));
    testing::expect_partition(rs, false);  // every verse has one question
    for (int s = 1; s <= sectors; ++s) {
      ASSERT_TRUE(rs.BV[s] >= 1 && rs.BV[s] <= rs.EVS[rs.BC[s]] && rs.EV[s] <= rs.EVS[rs.EC[s]] &&
                  !absent_chapter(rs, rs.BC[s]) && !absent_chapter(rs, rs.EC[s]))
          << s;
      ASSERT_FALSE(after(bc, bv, rs.BC[s], rs.BV[s]) || after(rs.EC[s], rs.EV[s], ec, ev)) << s;
      ASSERT_FALSE(fits && after(rs.BC[s], rs.BV[s], rs.EC[s], rs.EV[s])) << s;
    }
  }
}

// Nothing to sector (the reduced level's chapter 7 alone) or a sector without regular questions:
// CHAPSEC says the pass starts over, with MINQZ 0.
TEST(ChapterSectoring, NoRegularQuestionInASectorStartsThePassOver) {
  Bench level("Enter");
  level.rs.LG = 'L';
  level.range(7, 1, 7, 30, 2);
  Bench empty(R"(Enter "x")");
  empty.verses(1, 1, 1);
  empty.range(1, 1, 2, 30, 2);
  for (Bench* b : {&level, &empty}) {
    EXPECT_FALSE(CHAPSEC(b->p));
    EXPECT_EQ(b->rs.MINQZ, 0);
  }
}

// The figures screen: editing (0 on the last chapter is 1; Enter waits until the total is
// right), the table, Esc back with the figures kept, and the reduced level's absent chapter 7;
// the old list file stays until a new one is complete.
TEST(ChapterSectoring, EditingScreensAndEscBack) {
  Bench b(R"(Down Down "0" Enter Up "00" Enter Up "3" Down Enter Esc Enter "x")");
  b.verses(1, 3, 1);
  RunState& rs = b.range(1, 1, 3, 30, 4);
  b.dir.write("week.inf", "the last packet's list");
  const bool accepted = CHAPSEC(b.p);
  EXPECT_EQ(std::vector<int>({rs.CS[1], rs.CS[2], rs.CS[3], accepted}),
            std::vector<int>({3, 0, 1, true}));
  testing::expect_screen("sectoring/golden/chapter_table.screen", b.p.con);
  EXPECT_EQ(b.dir.read("week.inf"), "the last packet's list");
  for (auto [keys, lg, ec, sectors] : {std::tuple{R"("0" Down Enter)", 'L', 8, 3},  // 0 is 1 at L
                                       std::tuple{"", 'A', 10, 8}}) {  // more chapters than that
    Bench r(keys);
    r.rs.LG = lg;
    r.range(lg == 'L' ? 6 : 1, 1, ec, 30, sectors);
    EXPECT_THROW(CHAPSEC(r.p), ScriptEnded);
    testing::expect_screen("sectoring/golden/chapter_" + std::string(1, lg) + ".screen", r.p.con);
    EXPECT_EQ(r.rs.CS[7] * 10000 + r.rs.QMAX * 100 + r.rs.SECTORS, lg == 'L' ? 303 : 1010);
  }
}

// The figures screen of a set of several books: each chapter under its book's short name, the
// figures' column after the widest of them. Corinthians' 29 chapters fill the second column; a
// set of 34 chapters at the reduced level shows no chapter its reduced material leaves out and
// reaches its chapters past the 30th. A range of more chapters than a quiz has questions is not
// sectored by chapter: the pass starts over.
TEST(ChapterSectoring, FiguresScreenOfASetsBooks) {
  MaterialSet many = find_season("romans-james")->set;
  many.books[0].verses.assign(17, 20);
  many.books[0].reduced = {1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17};
  many.books[1].verses.assign(17, 20);
  many.books[1].reduced = {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 15, 16, 17};
  for (auto [set, lg, first, sectors, golden] :
       {std::tuple{find_season("corinthians")->set, 'A', 1, 29, "chapter_cor"},
        std::tuple{many, 'L', 5, 30, "chapter_34"}, std::tuple{many, 'A', 1, 30, "chapter_over"}}) {
    Bench b(R"("5" Down Enter)");
    b.use_set(set);
    b.rs.LG = lg;
    b.verses(1, set.total_chapters(), 1);
    const int last = set.total_chapters();
    b.range(first, 1, last, b.rs.EVS[last], sectors);
    if (last - first + 1 > SCMAX) {
      EXPECT_FALSE(CHAPSEC(b.p));
      EXPECT_EQ(b.rs.MINQZ, 0);
    } else {
      EXPECT_THROW(CHAPSEC(b.p), ScriptEnded);
    }
    testing::expect_screen("sectoring/golden/" + std::string(golden) + ".screen", b.p.con);
  }
}

}  // namespace
}  // namespace halvorin
