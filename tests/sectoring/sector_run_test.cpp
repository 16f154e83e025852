// Whole-program runs on the demo styles and generated material, stopped at the sector table.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "platform/text_file.hpp"
#include "sectoring/sector_counts.hpp"
#include "support/harness.hpp"

namespace halvorin::testing {
namespace {

// Runs to the sector table and checks what it shows, its first line on `row`: 20 sectors that
// cover bc:bv..ec:ev in order and hold each regular question of the list file once. Returns the
// begin and end of each sector as c*100+v.
std::vector<int> table(const TempDir& dir, const std::string& keys, const std::string& screen,
                       int row, const std::string& list, int bc, int bv, int ec, int ev) {
  RunResult r = run_halvorin(dir, keys, {"--seed", "3"});
  EXPECT_NE(r.err.find("out on the " + screen + " screen"), std::string::npos) << r.err;
  std::vector<int> bounds;
  int total = 0;
  for (int s = 1; s <= 20; ++s) {
    std::string block = r.row(row + (s - 1) % 10).substr(s > 10 ? 38 : 0, 39);
    int n = 0, c1 = 0, v1 = 0, c2 = 0, v2 = 0, q = 0;
    EXPECT_EQ(std::sscanf(block.c_str(), "%d A %d:%d%d:%d%d", &n, &c1, &v1, &c2, &v2, &q), 6);
    EXPECT_EQ(n, s);
    bounds.insert(bounds.end(), {c1 * 100 + v1, c2 * 100 + v2});
    total += q;
  }
  EXPECT_EQ(bounds.front(), bc * 100 + bv);
  EXPECT_EQ(bounds.back(), ec * 100 + ev);
  EXPECT_TRUE(std::is_sorted(bounds.begin(), bounds.end()));
  TextReader in(dir.file(list));
  while (!in.eof()) {
    std::string line = in.read_line(8);
    int c = std::stoi(line.substr(0, 2)), v = std::stoi(line.substr(3, 2));
    total -= !after(bc, bv, c, v) && !after(c, v, ec, ev);
  }
  EXPECT_EQ(total, 0);
  return bounds;
}

class SectorRun : public testing::DemoMaterialSuite<1> {};

TEST_F(SectorRun, ByVerseOnSparseMaterial) {
  TempDir dir;
  copy_demo(dir);
  generate_material(dir, "sparse", 1);
  auto b = table(dir, "Enter Esc Enter Enter", "sector table", 9, "Acts.b", 1, 1, 8, 40);
  for (size_t k = 2; k < b.size(); k += 2) EXPECT_LT(b[k - 1], b[k]);  // whole verses
}

TEST_F(SectorRun, ByVerseFallsBackToQuestionsWhenTheRangeHasFewerVersesThanSectors) {
  TempDir dir;
  for (const auto& e : std::filesystem::directory_iterator(dir_->path()))
    std::filesystem::copy_file(e.path(), dir.file(e.path().filename().string()));
  std::vector<std::string> style = dir.lines("Weekly.spe");
  style[1] = "13 1", style[2] = "13 8";
  dir.write_lines("Weekly.spe", style);
  auto b = table(dir, "Enter Esc Enter Enter Enter", "sector table", 9, "Acts.b", 13, 1, 13, 8);
  EXPECT_EQ(b[1], b[2]);  // a verse shared by sectors 1 and 2
}

}  // namespace
}  // namespace halvorin::testing
