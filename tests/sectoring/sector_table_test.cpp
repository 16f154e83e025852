#include "sectoring/sector_table.hpp"

#include "bench.hpp"

namespace halvorin {
namespace {

// Sectors 1..n: sector k from k:1 to k:8 with k regular questions; the range ends at n:8.
void fill(RunState& rs, int n) {
  for (int k = 1; k <= n; ++k) rs.BC[k] = rs.EC[k] = rs.QPS[k] = k, rs.BV[k] = 1, rs.EV[k] = 8;
  rs.SECTORS = rs.ECHAP = n, rs.EVER = 8;
}

TEST(SectorTable, HeaderLinesTotalsAndTheLastSectorsEnd) {
  testing::Bench b;
  fill(b.rs, 2);
  b.rs.QPS[1] = 12, b.rs.FPS[1] = 3, b.rs.RPS[1] = 2, b.rs.OPS[1] = 1, b.rs.SPS[30] = 5;
  b.rs.ECHAP = 28, b.rs.EVER = 31;
  b.p.con.gotoxy(1, 4);
  DISPLAY(b.p);
  Screen& s = b.p.con;
  EXPECT_EQ(s.row_text(5).substr(0, 77),
            "  Sc From    To    --Total Questions--   Sc From    To    --Total Questions--");
  EXPECT_EQ(s.row_text(6).substr(0, 77),
            "  Nm Verse   Verse Reg FTV Ref ChO Sit   Nm Verse   Verse Reg FTV Ref ChO Sit");
  EXPECT_EQ(s.row_text(7).substr(0, 77),
            "  -- ------- ----- --- --- --- --- ---   -- ------- ----- --- --- --- --- ---");
  EXPECT_EQ(s.row_text(8).substr(0, 77),
            "   1 A  1: 1  1: 8  12   3   2   1   0"
            "    2 A  2: 1 28:31   2   0   0   0   0");
  EXPECT_EQ(b.rs.EC[2] * 100 + b.rs.EV[2], 2831);
  EXPECT_EQ(s.wherey(), 10);
  EXPECT_EQ(std::vector<int>({b.rs.FQUEST, b.rs.RQUEST, b.rs.OQUEST, b.rs.SQUEST}),
            std::vector<int>({3, 2, 1, 5}));
}

}  // namespace
}  // namespace halvorin
