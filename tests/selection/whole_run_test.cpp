// Whole runs of the largest packet, 150 quizzes of 30 questions over the whole book, made
// automatically and with every combination approved; the used-question list is checked against
// the patterns and the notes.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <set>

#include "support/harness.hpp"

namespace halvorin::testing {
namespace {

class WholeRun : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new TempDir;
    copy_demo(*dir_);
    generate_material(*dir_, "full", 1);
    dir_->write_lines("Big.spe", {"F",
                                  "1 1",
                                  "28 31",
                                  "Big",
                                  "66",
                                  "P",
                                  "30",
                                  "B",
                                  "20",
                                  "30",
                                  "Y",
                                  "150",
                                  "V",
                                  "10",
                                  "6",
                                  "3",
                                  "2",
                                  "1",
                                  "2",
                                  "1",
                                  "1",
                                  "0",
                                  "1",
                                  "0",
                                  "59",
                                  "2",
                                  "29",
                                  "N",
                                  "nAAAAAAAAAAAAAAAAAAAAAAAAAAAAn"});
    dir_->write_lines("Specs.lst", {"Big", "Weekly", "Chapters", "Fixed", "Enter New Specs"});
  }
  static void TearDownTestSuite() {
    delete dir_;
    dir_ = nullptr;
  }

  // Checks the used-question list of the last run: 33 lines per quiz, then the notes.
  static void check_list() {
    auto inf = dir_->lines("Big.inf");
    auto pat = dir_->lines("pat.txt");
    ASSERT_EQ(pat.size(), 150u);
    ASSERT_GT(inf.size(), 150u * 33);
    std::vector<std::string> notes(inf.begin() + 150 * 33, inf.end());
    auto noted = [&](const std::string& what) {
      return std::find(notes.begin(), notes.end(), what) != notes.end();
    };
    const std::regex line_re(
        "^ {1,3}([0-9]+)\\. +([0-9]+) +([0-9]+)  A [ 1-9][0-9]:[ 1-9][0-9]  (.*)$");
    for (int q = 1; q <= 150; ++q) {
      SCOPED_TRACE("quiz " + std::to_string(q));
      auto at = [&](int i) { return inf[static_cast<size_t>((q - 1) * 33 + i)]; };
      EXPECT_TRUE(at(0).ends_with(" Quiz " + std::to_string(q)));
      EXPECT_EQ(at(1), "");
      std::set<int> sectors;
      for (int pos = 1; pos <= 30; ++pos) {
        std::smatch m;
        std::string line = at(pos + 1);
        ASSERT_TRUE(std::regex_match(line, m, line_re)) << line;
        EXPECT_EQ(std::stoi(m[1]), pos);
        sectors.insert(std::stoi(m[2]));
        std::string type = m[4].str().substr(0, 6);
        switch (pat[static_cast<size_t>(q - 1)][static_cast<size_t>(pos - 1)]) {
          case 'n':
            EXPECT_EQ(type, "      ") << line;
            break;
          case 'R':
            EXPECT_EQ(type, "CV    ") << line;
            break;
          case 'O':
            EXPECT_EQ(type, "CO    ") << line;
            break;
          case 'S':
            EXPECT_EQ(type, "SIT   ") << line;
            break;
          default:
            EXPECT_TRUE(type[0] == 'F' || type[0] == 'Q') << line;
        }
      }
      EXPECT_EQ(at(32), "");
      bool repeat_noted = noted("Sectors or Questions repeated in quiz " + std::to_string(q));
      EXPECT_TRUE(repeat_noted || sectors.size() == 30u) << "a sector was used twice";
    }
  }

  static inline TempDir* dir_ = nullptr;
};

// After the quiz loop one Enter may close the notice of an abandoned interrogative share and one
// the completion message; a spare Enter is ignored by the print question.
TEST_F(WholeRun, AutomaticPacketOfOneHundredFiftyQuizzes) {
  RunResult r =
      run_halvorin(*dir_, "Enter Esc 7*Enter Enter 3*Enter \"n\" Up Enter", {"--seed", "3"});
  ASSERT_EQ(r.status, 0) << r.err << r.screen;
  check_list();
  EXPECT_TRUE(dir_->exists("Big.qui"));
}

TEST_F(WholeRun, ApprovedPacketAfterTwoRefusals) {
  RunResult r =
      run_halvorin(*dir_, "Enter Esc 7*Enter Down Enter \"n\" Esc 150*\"y\" 3*Enter \"n\" Up Enter",
                   {"--seed", "3"});
  ASSERT_EQ(r.status, 0) << r.err << r.screen;
  check_list();
}

}  // namespace
}  // namespace halvorin::testing
