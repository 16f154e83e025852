#include "bench.hpp"
#include "driver/steps.hpp"

namespace halvorin {
namespace {

TEST(SectoringStep, KeysAfterTheTableTheRepeatsNoticeAndTheOfferToResector) {
  struct Case {
    char mode;
    const char* keys;
    Step step;
    size_t keys_read;
    int minqz;
    bool res;
  } cases[] = {
      {'Q', R"(Enter "x")", Step::Continue, 1, 3, true},  // the key is left for the next prompt
      {'V', R"("k" "y" Enter "88z")", Step::Continue, 6, 3, false},  // yes: any key but 8 after
      {'V', R"("k" "n" "x" Enter)", Step::Continue, 4, 2, false},    // no: Enter
      {'V', "Esc", Step::StartOver, 1, 2, false},
  };
  for (const Case& c : cases) {
    testing::Bench b(c.keys);
    for (int v = 1; v <= 30; ++v) b.at(4, v, 1, v == 2);
    b.p.cu.SEC1 = c.mode;
    b.rs.QNUM = 20;
    b.rs.FPS[25] = 9;                         // left over from an earlier pass with more sectors
    RunState& rs = b.range(4, 1, 4, 30, 10);  // by verse 3 a sector overruns, 2 fits
    EXPECT_EQ(sector_material(b.p), c.step) << c.keys;
    EXPECT_EQ(b.term.keys_read(), c.keys_read) << c.keys;
    EXPECT_EQ(rs.MINQZ * 10 + rs.RES, c.minqz * 10 + c.res) << c.keys;
    if (c.step == Step::StartOver) continue;
    int kept = 0;
    for (int s = 1; s <= SCMAX; ++s) kept += rs.TQPS[s] * 100 + rs.TFPS[s];
    EXPECT_EQ(kept, 3001) << c.keys;
    EXPECT_TRUE(rs.REGQUESTION(30, 200) && rs.FINISH(30, 50) && rs.SITUATION(1, 1));
  }
}

TEST(SectoringStep, AStyleThatCannotBeSectoredIsToldAndThePassStartsOver) {
  struct Case {
    int bc, sectors;
    const char* message;
  } cases[] = {{4, 0, "A quiz must have 1 to 30 questions, not 0."},
               {4, 31, "A quiz must have 1 to 30 questions, not 31."},
               {5, 3, "The range ends before it begins."}};
  for (const Case& c : cases) {
    testing::Bench b("Enter");
    b.p.cu.SEC1 = 'C';
    b.range(4, 1, 4, 30, c.sectors).BCHAP = c.bc;
    EXPECT_EQ(sector_material(b.p), Step::StartOver);
    EXPECT_EQ(b.p.con.row_text(3).substr(2, std::string(c.message).size()), c.message);
  }
}

}  // namespace
}  // namespace halvorin
