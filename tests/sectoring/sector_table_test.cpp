// The sector table against whole screens under golden/: an even and an odd number of sectors
// (the left half holds one more), the last sector ending at the range's end.
#include "sectoring/sector_table.hpp"

#include "bench.hpp"

namespace halvorin {
namespace {

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
    testing::expect_screen("sectoring/golden/table_" + std::to_string(n) + ".screen", b.p.con);
    int f = 0, r = 0, o = 0, s = 7;
    for (int k = 1; k <= n; ++k) f += k % 4, r += k % 3, o += k % 2, s += k % 5;
    EXPECT_EQ(std::vector<int>({b.rs.FQUEST, b.rs.RQUEST, b.rs.OQUEST, b.rs.SQUEST}),
              std::vector<int>({f, r, o, s}));
  }
}

}  // namespace
}  // namespace halvorin
