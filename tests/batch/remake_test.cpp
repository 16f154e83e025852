// Packets made again from what they note: every pass of a session from its own seed, a count file
// that no longer matches the material rebuilt before it is used, and a style named "Exit" made
// like any other.
#include <gtest/gtest.h>

#include "support/harness.hpp"

namespace halvorin::testing {
namespace {

RunResult batch(const TempDir& dir, const std::string& style, const std::string& seed) {
  return run_command(std::string(HALVORIN_BIN) + " -C '" + dir.path() + "' --batch " + style +
                     " --seed " + seed);
}

struct Packet {
  std::string qui, inf, pat;
  bool operator==(const Packet&) const = default;
};

Packet packet(const TempDir& dir, const std::string& name) {
  return {dir.read(name + ".qui"), dir.read(name + ".inf"), dir.read("pat.txt")};
}

// The seed a packet notes as the last line of its used-question list.
std::string noted_seed(const TempDir& dir, const std::string& name) {
  const std::vector<std::string> lines = dir.lines(name + ".inf");
  const std::string last = lines.empty() ? "" : lines.back();
  EXPECT_EQ(last.rfind("Seed ", 0), 0u) << last;
  return last.substr(5);
}

// Choose the first or the fourth style, save it unchanged, accept every screen, no printing.
const char* const kWeeklyPass = "Enter Esc Enter Enter Enter Enter Enter \"n\" ";
const char* const kJuniorPass = "3*Down Enter Esc Enter Enter Enter Enter Enter \"n\" ";

class Remake : public DemoMaterialSuite<3> {};

TEST_F(Remake, EveryPassOfASessionIsMadeAgainFromItsOwnSeed) {
  // Two passes and Exit; each packet is kept before a later pass could touch it.
  RunResult r =
      run_halvorin(*dir_, std::string(kWeeklyPass) + kJuniorPass + "Up Enter", {"--seed", "9"});
  ASSERT_EQ(r.status, 0) << r.err << r.screen;
  const Packet weekly = packet(*dir_, "Weekly"), junior = packet(*dir_, "Junior");
  const std::string first = noted_seed(*dir_, "Weekly"), second = noted_seed(*dir_, "Junior");
  EXPECT_EQ(first, "9");
  EXPECT_NE(second, first);
  // The second pass's packet, not the first's pattern file: pat.txt is the last pass's.
  ASSERT_EQ(batch(*dir_, "Junior", second).status, 0);
  EXPECT_TRUE(packet(*dir_, "Junior") == junior);
  ASSERT_EQ(batch(*dir_, "Weekly", first).status, 0);
  EXPECT_EQ(dir_->read("Weekly.qui"), weekly.qui);
  EXPECT_EQ(dir_->read("Weekly.inf"), weekly.inf);
  // The same second pass on its own, started with its seed and stopped at the print question:
  // the packet is complete and the closing screen shows the seed.
  r = run_halvorin(*dir_, "3*Down Enter Esc Enter Enter Enter Enter Enter", {"--seed", second});
  EXPECT_EQ(r.status, 3) << r.err;
  EXPECT_EQ(r.row(23).substr(0, 8 + second.size()), "  Seed " + second + " ");
  EXPECT_EQ(r.row(9).substr(0, 31), "  Do you wish to print it now? ");
  EXPECT_TRUE(packet(*dir_, "Junior") == junior);
}

TEST_F(Remake, AStyleNamedExitMakesItsPacket) {
  // A style saved under the name "Exit" stands in the list before the list's own Exit entry.
  std::vector<std::string> style = dir_->lines("Weekly.spe");
  style[3] = "ExitPk";
  dir_->write_lines("Exit.spe", style);
  const std::vector<std::string> list = dir_->lines("Specs.lst");
  dir_->write_lines("Specs.lst", {"Weekly", "Chapters", "Fixed", "Junior", "Exit", list.back()});
  RunResult r = run_halvorin(*dir_, "4*Down Enter Esc Enter Enter Enter Enter Enter \"n\" Up Enter",
                             {"--seed", "4"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(noted_seed(*dir_, "ExitPk"), "4");
  EXPECT_EQ(dir_->read("temp2.txt"), "Exit");
  const Packet made = packet(*dir_, "ExitPk");
  EXPECT_EQ(batch(*dir_, "Exit", "4").status, 0);
  EXPECT_TRUE(packet(*dir_, "ExitPk") == made);
  dir_->write_lines("Specs.lst", list);
  dir_->remove("Exit.spe");
}

// With reindex N a count file is reused only while it matches the material: changed material
// gives the packet a fresh count file gives, and the summary says the file was rebuilt.
TEST(StaleCounts, ACountFileThatNoLongerMatchesIsRebuilt) {
  TempDir dir;
  copy_demo(dir);
  generate_material(dir, "small", 1);
  std::vector<std::string> style = dir.lines("Weekly.spe");
  style[10] = "N";  // reindex
  dir.write_lines("Weekly.spe", style);
  const char* const rebuilt = "was rebuilt because it no longer matched the material";
  RunResult r = batch(dir, "Weekly", "6");  // no count file yet: built
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out.find(rebuilt), std::string::npos) << r.out;
  const std::string old_counts = dir.read("count.59B");

  generate_material(dir, "small", 2);  // the material changes; the count file stays
  dir.write_lines("Weekly.spe", style);
  dir.write("count.59B", old_counts);
  r = batch(dir, "Weekly", "6");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find(rebuilt), std::string::npos) << r.out;
  const Packet stale = packet(dir, "Weekly");
  const std::string counts = dir.read("count.59B");
  EXPECT_TRUE(counts != old_counts);

  // Matching material: the count file is reused untouched, the packet the same.
  r = batch(dir, "Weekly", "6");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("(count file count.59B reused)"), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find(rebuilt), std::string::npos) << r.out;
  EXPECT_TRUE(packet(dir, "Weekly") == stale);

  // The packet a freshly built count file gives.
  dir.remove("count.59B");
  ASSERT_EQ(batch(dir, "Weekly", "6").status, 0);
  EXPECT_TRUE(packet(dir, "Weekly") == stale);
  EXPECT_EQ(dir.read("count.59B"), counts);
}

}  // namespace
}  // namespace halvorin::testing
