#include "bench.hpp"
#include "driver/steps.hpp"

namespace halvorin {
namespace {

TEST(SectoringStep, KeysAfterTheTableRepeatsAndStylesThatCannotBeSectored) {
  const std::string path = "sectoring/cases/step.tsv";
  for (const auto& row : testing::test_table(path)) {
    SCOPED_TRACE(testing::case_name(path, row));
    testing::Bench b(row[4]);
    for (int v = 1; v <= 30; ++v) b.at(4, v, row.num(1), v == 2);
    b.p.cu.SEC1 = row[0][0];
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

}  // namespace
}  // namespace halvorin
