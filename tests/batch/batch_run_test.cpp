// Batch packets: every demo style made without screens, its summary as expected under golden/;
// the styles that cannot be filled refused with their reason, the old packet kept. Packets made
// again from what they note: every pass of a session from its own seed, a count file that no
// longer matches the material rebuilt before it is used, and a style named "Exit" made like any
// other.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "platform/batch_terminal.hpp"
#include "support/harness.hpp"

namespace halvorin::testing {
namespace {

RunResult batch(const TempDir& dir, const std::string& style, const std::string& seed) {
  return run_command(shell_word(HALVORIN_BIN) + " -C " + shell_word(dir.path()) + " --batch " +
                     style + " --seed " + seed);
}

// A copy of a demo style with some of its lines (1-based) replaced.
void derive(const TempDir& dir, const std::string& from, const std::string& to,
            const std::vector<std::pair<int, std::string>>& changes) {
  std::vector<std::string> lines = dir.lines(from + ".spe");
  lines[3] = to;  // the output name
  for (const auto& [n, text] : changes) lines[static_cast<size_t>(n - 1)] = text;
  dir.write_lines(to + ".spe", lines);
}

void expect_no_scratch_files(const TempDir& dir) {
  for (const auto& e : std::filesystem::directory_iterator(dir.path()))
    EXPECT_EQ(e.path().filename().string().find(".tmp"), std::string::npos) << e.path();
}

// Answers are given by screen; a screen that never takes its answer ends the run instead of
// looping.
TEST(BatchTerminal, AScreenThatKeepsAskingEndsTheRun) {
  Screen screen;
  BatchTerminal term(std::map<std::string, std::string>{{"menu", "\r"}});
  for (int i = 0; i < BatchTerminal::kMaxKeysPerScreen; ++i)
    EXPECT_EQ(term.read_key(screen, "menu"), '\r');
  EXPECT_THROW(term.read_key(screen, "menu"), BatchRefused);
}

class BatchRun : public testing::DemoMaterialSuite<2> {};

// In a fresh folder each style writes its count file; a copy of Weekly that does not reindex
// then reuses Weekly's.
TEST_F(BatchRun, EveryDemoStyleMakesItsPacket) {
  derive(*dir_, "Weekly", "Reuse", {{11, "N"}});
  for (const std::string style : {"Weekly", "Chapters", "Fixed", "Junior", "Reuse"}) {
    RunResult r = batch(*dir_, style, "41");
    ASSERT_EQ(r.status, 0) << style << r.err;
    expect_golden("batch/golden/" + style + ".out", r.out);
  }
  EXPECT_EQ(dir_->lines("Weekly.inf").back(), "Seed 41");
  expect_no_scratch_files(*dir_);
}

TEST(BatchRefusal, StylesThatCannotBeFilledSayWhyAndKeepTheOldPacket) {
  TempDir dir;
  copy_demo(dir);
  generate_material(dir, "sparse", 1);
  derive(dir, "Weekly", "Few", {{2, "5 1"}, {3, "5 3"}});
  derive(dir, "Weekly", "NoSit", {{2, "2 1"}, {3, "2 47"}, {23, "1"}});
  derive(dir, "Weekly", "Wide", {{7, "45"}});
  // Chapter 8 cut into six sectors: one lands on verses 10-16, which have no regular questions.
  derive(dir, "Chapters", "Zero",
         {{2, "8 1"}, {3, "8 40"}, {7, "6"}, {12, "5"}, {15, "3"}, {26, "1"}, {27, "6"}});
  // What each run says (status, stdout, stderr), one after another; a style that is not there
  // is a file error, as in an interactive pass.
  std::string said;
  for (const std::string style : {"Few", "NoSit", "Wide", "Zero", "Missing"}) {
    dir.write(style + ".qui", "old packet\r\n");
    RunResult r = batch(dir, style, "1");
    said += style + ": " + std::to_string(r.status) + "\n" + r.out + r.err;
    EXPECT_EQ(dir.read(style + ".qui"), "old packet\r\n");
  }
  expect_golden("batch/golden/refusals.out", said);
  expect_no_scratch_files(dir);
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
// gives the packet a fresh count file gives, and the summary says the file was rebuilt. The
// summaries of the three runs (stale, matching, fresh) are in golden/stale.out.
TEST(StaleCounts, ACountFileThatNoLongerMatchesIsRebuilt) {
  TempDir dir;
  copy_demo(dir);
  generate_material(dir, "small", 1);
  derive(dir, "Weekly", "Stale", {{11, "N"}});
  ASSERT_EQ(batch(dir, "Stale", "6").status, 0);  // no count file yet: built
  const std::string old_counts = dir.read("count.59B");
  generate_material(dir, "small", 2);  // the material changes; the count file stays
  dir.write("count.59B", old_counts);
  std::string said = batch(dir, "Stale", "6").out;
  const Packet stale = packet(dir, "Stale");
  const std::string counts = dir.read("count.59B");
  EXPECT_TRUE(counts != old_counts);
  said += batch(dir, "Stale", "6").out;  // matching material: reused untouched
  EXPECT_TRUE(packet(dir, "Stale") == stale);
  dir.remove("count.59B");
  said += batch(dir, "Stale", "6").out;
  EXPECT_TRUE(packet(dir, "Stale") == stale);
  EXPECT_EQ(dir.read("count.59B"), counts);
  expect_golden("batch/golden/stale.out", said);
}

}  // namespace
}  // namespace halvorin::testing
