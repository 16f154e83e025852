#include "bench.hpp"
#include "driver/steps.hpp"
#include "sectoring/sector_table.hpp"

namespace halvorin {
namespace {

TEST(SectoringStep, KeysAfterTheTableRepeatsAndStylesThatCannotBeSectored) {
  const std::string path = "sectoring/cases/step.tsv";
  for (const auto& row : testing::test_table(path)) {
    SCOPED_TRACE(testing::case_name(path, row));
    testing::Bench b(row[4]);
    for (int v = 1; v <= 30; ++v) b.at(4, v, row.num(1), v == 2);
    b.p.rs.SEC1 = row[0][0];
    b.rs.QNUM = 20;
    b.rs.FPS[25] = 9;  // left over from an earlier pass with more sectors
    const std::vector<int> r = testing::ints(row[2]);
    RunState& rs = b.range(4, r[1], r[2], r[3], row.num(3));
    rs.BCHAP = r[0];
    EXPECT_EQ(sector_material(b.p), row[5] == "C" ? Step::Continue : Step::StartOver);
    if (row.f.size() > 9) {
      EXPECT_EQ(b.p.con.row_text(3).substr(2, row[9].size()), row[9]);
      continue;
    }
    EXPECT_EQ(b.term.keys_read(), static_cast<size_t>(row.num(6)));
    EXPECT_EQ(rs.MINQZ * 10 + rs.RES, row.num(7) * 10 + row.num(8));
    if (row[5] == "S" || r[3] != 30) continue;
    int kept = 0;
    for (int s = 1; s <= SCMAX; ++s) kept += rs.TQPS[s] * 100 + rs.TFPS[s];
    EXPECT_EQ(kept, 3001);
    EXPECT_TRUE(rs.REGQUESTION(30, 200) && rs.FINISH(30, 50) && rs.SITUATION(1, 1));
  }
}

// The sector table against whole screens under golden/: an even and an odd number of sectors
// (the left half holds one more), the last sector ending at the range's end; the specialty
// totals (FTV, CV Ref, CO Ref, SIT) after the screen count a sector left over from before.
TEST(SectorTable, ScreensAndSpecialtyTotals) {
  for (int n : {2, 5, 29}) {
    testing::Bench b;
    // Sector k runs from k:1 to k:8 with k regular questions and a few specialties.
    for (int k = 1; k <= n; ++k)
      b.rs.BC[k] = b.rs.EC[k] = b.rs.QPS[k] = k, b.rs.BV[k] = 1, b.rs.EV[k] = 8,
      b.rs.FPS[k] = k % 4, b.rs.RPS[k] = k % 3, b.rs.OPS[k] = k % 2, b.rs.SPS[k] = k % 5;
    b.rs.SECTORS = n, b.rs.ECHAP = 28, b.rs.EVER = 31;
    b.rs.SPS[n + 1] = 7;  // left over from a pass with more sectors: still counted
    b.p.con.gotoxy(1, 4);
    DISPLAY(b.p);
    testing::expect_golden("sectoring/golden/table_" + std::to_string(n) + ".screen",
                           b.p.con.text() + b.p.con.colors() +
                               ::testing::PrintToString(std::vector<int>(
                                   {b.rs.FQUEST, b.rs.RQUEST, b.rs.OQUEST, b.rs.SQUEST})));
  }
}

}  // namespace
}  // namespace halvorin
