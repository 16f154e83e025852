// Batch packets: every demo style made without screens, the same seed giving the same files in
// batch and interactive runs, and the styles that cannot be filled refused with their reason.
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

TEST_F(BatchRun, EveryDemoStyleMakesItsPacket) {
  struct Case {
    const char* style;
    const char* packet;
    int quizzes;
  } cases[] = {{"Weekly", "Weekly", 25},
               {"Chapters", "Chaps", 20},
               {"Fixed", "Fixed", 15},
               {"Junior", "Junior", 10}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.style);
    RunResult r = batch(*dir_, c.style, "41");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find(std::to_string(c.quizzes) + " quizzes"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("seed 41"), std::string::npos) << r.out;
    EXPECT_FALSE(dir_->read(std::string(c.packet) + ".qui").empty());
    EXPECT_EQ(dir_->lines(std::string(c.packet) + ".inf").back(), "Seed 41");
    EXPECT_EQ(dir_->lines("pat.txt").size(), static_cast<size_t>(c.quizzes));
  }
  expect_no_scratch_files(*dir_);
}

// One seed, the same packet whether made in batch or on the screens.
TEST_F(BatchRun, AnInteractiveRunWithTheSeedMakesTheBatchPacket) {
  ASSERT_EQ(batch(*dir_, "Weekly", "9").status, 0);
  const std::string qui = dir_->read("Weekly.qui"), inf = dir_->read("Weekly.inf");
  const std::string pat = dir_->read("pat.txt"), style = dir_->read("Weekly.spe");
  // Choose the style, save it unchanged, accept every screen, no printing, Exit.
  RunResult r = run_halvorin(*dir_, "Enter Esc Enter Enter Enter Enter Enter \"n\" Up Enter",
                             {"--seed", "9"});
  ASSERT_EQ(r.status, 0) << r.err << r.screen;
  EXPECT_TRUE(dir_->read("Weekly.qui") == qui);
  EXPECT_TRUE(dir_->read("Weekly.inf") == inf);
  EXPECT_TRUE(dir_->read("pat.txt") == pat);
  EXPECT_EQ(dir_->read("Weekly.spe"), style);
  EXPECT_EQ(dir_->read("temp2.txt"), "Exit");
  // The closing screen shows the seed of the run.
  r = run_halvorin(*dir_, "Enter Esc Enter Enter Enter Enter Enter", {"--seed", "9"});
  EXPECT_EQ(r.status, 3);
  EXPECT_EQ(r.row(23).substr(0, 9), "  Seed 9 ");
  EXPECT_EQ(r.row(9).substr(0, 31), "  Do you wish to print it now? ");
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
  struct Case {
    const char* style;
    const char* message;
  } cases[] = {{"Few", "batch refused: There are only 2 regular questions"},
               {"NoSit", "batch refused: One specialty has zero questions."},
               {"Wide", "would not save (field \"Questions per pack"},
               {"Zero", "the smallest sector has 0 regular questions"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.style);
    dir.write(std::string(c.style) + ".qui", "old packet\r\n");
    RunResult r = batch(dir, c.style, "1");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(dir.read(std::string(c.style) + ".qui"), "old packet\r\n");
  }
  expect_no_scratch_files(dir);
  // A style that is not there is a file error, as in an interactive pass.
  EXPECT_EQ(batch(dir, "Missing", "1").status, 2);
}

}  // namespace
}  // namespace halvorin::testing
