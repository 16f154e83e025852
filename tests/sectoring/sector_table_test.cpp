#include "sectoring/sector_table.hpp"

#include "bench.hpp"

namespace halvorin {
namespace {

using testing::Bench;

// Sector k runs from chapter k verse 1 to chapter k verse 8 with k regular questions.
void fill(RunState& rs, int sectors) {
  for (int k = 1; k <= sectors; ++k) {
    rs.BC[k] = rs.EC[k] = k;
    rs.BV[k] = 1, rs.EV[k] = 8;
    rs.QPS[k] = k;
  }
  rs.SECTORS = sectors;
}

TEST(SectorTable, HeaderBlocksAndTheFirstSectorsLine) {
  Bench b;
  fill(b.rs, 2);
  b.rs.QPS[1] = 12, b.rs.FPS[1] = 3, b.rs.RPS[1] = 2, b.rs.OPS[1] = 1;
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
  // The last sector always ends at the range's end, in the table and afterwards.
  EXPECT_EQ(s.row_text(8), pad_right("   1 A  1: 1  1: 8  12   3   2   1   0"
                                     "    2 A  2: 1 28:31   2   0   0   0   0",
                                     80));
  EXPECT_EQ(b.rs.EC[2] * 100 + b.rs.EV[2], 2831);
  EXPECT_EQ(s.wherey(), 10);  // an empty line after the table
}

TEST(SectorTable, SectorsRunDownTheLeftHalfFirst) {
  struct Case {
    int sectors;
    std::vector<std::pair<int, std::string>> lines;  // line: its left and right sector numbers
  };
  for (const Case& c : std::vector<Case>{{7, {{1, "1 5"}, {3, "3 7"}, {4, "4"}}},
                                         {30, {{1, "1 16"}, {15, "15 30"}}},
                                         {1, {{1, "1"}}}}) {
    Bench b;
    fill(b.rs, c.sectors);
    b.rs.ECHAP = c.sectors, b.rs.EVER = 8;
    b.p.con.gotoxy(1, 3);
    DISPLAY(b.p);
    for (auto& [line, numbers] : c.lines) {
      std::string text = b.p.con.row_text(6 + line);
      std::string got = std::to_string(std::stoi(text.substr(0, 4)));
      if (text.substr(38, 5) != "     ") got += " " + std::to_string(std::stoi(text.substr(38, 5)));
      EXPECT_EQ(got, numbers) << c.sectors << " sectors, line " << line;
      // A line without a right block ends after the left one.
      EXPECT_EQ(text.find_last_not_of(' ') + 1, got.find(' ') == std::string::npos ? 38u : 77u);
    }
    EXPECT_EQ(b.p.con.row_text(7 + (c.sectors + 1) / 2), std::string(80, ' '));
  }
}

TEST(SectorTable, SpecialtyTotalsComeFromAllThirtySectors) {
  Bench b;
  fill(b.rs, 3);
  b.rs.FPS[1] = 4, b.rs.FPS[3] = 1, b.rs.RPS[2] = 2, b.rs.OPS[30] = 5, b.rs.SPS[3] = 7;
  b.rs.FQUEST = b.rs.RQUEST = b.rs.OQUEST = b.rs.SQUEST = 99;
  DISPLAY(b.p);
  EXPECT_EQ(std::vector<int>({b.rs.FQUEST, b.rs.RQUEST, b.rs.OQUEST, b.rs.SQUEST}),
            std::vector<int>({5, 2, 5, 7}));
}

}  // namespace
}  // namespace halvorin
