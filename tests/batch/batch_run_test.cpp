// Batch packets: every demo style made without screens, the same seed giving the same files in
// batch and interactive runs, and the styles that cannot be filled refused with their reason.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/batch_terminal.hpp"
#include "support/harness.hpp"

namespace halvorin::testing {
namespace {

RunResult batch(const TempDir& dir, const std::string& style, const std::string& seed) {
  return run_command(std::string(HALVORIN_BIN) + " -C '" + dir.path() + "' --batch " + style +
                     " --seed " + seed);
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

TEST(BatchTerminal, AnswersNamedScreensAndRefusesTheRest) {
  Screen screen;
  screen.gotoxy(3, 5);
  screen.write("There are only 4 questions.");
  screen.gotoxy(3, 7);
  screen.write("Press Return to continue.");
  BatchTerminal term({{"question", "N\r"}, {"menu", "\r"}});
  EXPECT_EQ(term.read_key(screen, "question"), 'N');
  EXPECT_EQ(term.read_key(screen, "question"), '\r');  // the last answer repeats
  EXPECT_EQ(term.read_key(screen, "menu"), '\r');
  EXPECT_FALSE(term.key_waiting(screen));
  try {
    term.read_key(screen, "warning");
    ADD_FAILURE() << "a warning screen was answered";
  } catch (const BatchRefused& e) {
    EXPECT_STREQ(e.what(), "There are only 4 questions.");
  }
  EXPECT_THROW(term.wait_key_pending(screen, "warning"), BatchRefused);
  // A screen that never takes its answer ends the run instead of looping.
  for (int i = 1; i < BatchTerminal::kMaxKeysPerScreen; ++i) term.read_key(screen, "menu");
  EXPECT_THROW(term.read_key(screen, "menu"), BatchRefused);
}

class BatchRun : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new TempDir;
    copy_demo(*dir_);
    generate_material(*dir_, "full", 2);
  }
  static void TearDownTestSuite() {
    delete dir_;
    dir_ = nullptr;
  }
  static inline TempDir* dir_ = nullptr;
};

TEST_F(BatchRun, EveryDemoStyleTwiceWithOneSeedGivesTheSameFiles) {
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
    std::vector<std::string> first;
    for (int run = 0; run < 2; ++run) {
      RunResult r = batch(*dir_, c.style, "41");
      ASSERT_EQ(r.status, 0) << r.err;
      EXPECT_NE(r.out.find(std::to_string(c.quizzes) + " quizzes"), std::string::npos) << r.out;
      EXPECT_NE(r.out.find("seed 41"), std::string::npos) << r.out;
      std::vector<std::string> files = {dir_->read(std::string(c.packet) + ".qui"),
                                        dir_->read(std::string(c.packet) + ".inf"),
                                        dir_->read("pat.txt")};
      EXPECT_FALSE(files[0].empty());
      if (run == 0)
        first = files;
      else
        EXPECT_TRUE(files == first) << "the second run made another packet";
    }
    EXPECT_EQ(dir_->lines(std::string(c.packet) + ".inf").back(), "Seed 41");
    EXPECT_EQ(dir_->lines("pat.txt").size(), static_cast<size_t>(c.quizzes));
  }
  expect_no_scratch_files(*dir_);
}

TEST_F(BatchRun, InteractiveRunsWithTheSeedMakeTheBatchPacket) {
  struct Case {
    const char* style;
    const char* packet;
    const char* keys;  // choose the style, save it, accept every screen, no printing, Exit
  } cases[] = {
      {"Weekly", "Weekly", "Enter Esc Enter Enter Enter Enter Enter \"n\" Up Enter"},
      {"Fixed", "Fixed", "Down Down Enter Esc Enter Enter Enter Enter Enter \"n\" Up Enter"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.style);
    ASSERT_EQ(batch(*dir_, c.style, "9").status, 0);
    const std::string qui = dir_->read(std::string(c.packet) + ".qui");
    const std::string inf = dir_->read(std::string(c.packet) + ".inf");
    RunResult r = run_halvorin(*dir_, c.keys, {"--seed", "9"});
    ASSERT_EQ(r.status, 0) << r.err << r.screen;
    EXPECT_TRUE(dir_->read(std::string(c.packet) + ".qui") == qui);
    EXPECT_TRUE(dir_->read(std::string(c.packet) + ".inf") == inf);
  }
  // The closing screen shows the seed of the run.
  RunResult r = run_halvorin(*dir_, "Enter Esc Enter Enter Enter Enter Enter", {"--seed", "9"});
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
               {"Zero", "the smallest sector has 0 regular questions"},
               {"Exit", "\"Exit\" is not a quiz style"}};
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
