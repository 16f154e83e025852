// Batch packets: every demo style made without screens, its summary as expected under golden/;
// the styles that cannot be filled refused with their reason, the old packet kept.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

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

}  // namespace
}  // namespace halvorin::testing
