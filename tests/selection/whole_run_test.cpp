// A whole-book packet: sectors far larger than the smaller tables' room.
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "support/harness.hpp"

namespace halvorin::testing {
namespace {

// The whole book in 20 sectors, about 250 regular questions each, and no repeats: every question
// keeps its own availability, so a sector gives both question n and question n + 200, and no
// question is taken twice.
TEST(WholeRun, WholeBookSectorsKeepOneAvailabilityPerQuestion) {
  TempDir dir;
  copy_demo(dir);
  generate_material(dir, "full", 1);
  // 150 quizzes of 20 questions, 1:1 to 28:31 by verse, no repeats.
  std::vector<std::string> style;
  std::istringstream fields(
      "F|1 1|28 31|Whole|66|P|20|B|20|50|Y|150|V|0|4|2|2|1|1|0|1|0|1|0|59|2|18|N|"
      "nAAAAAAAAAAAAAAAAAnn");
  for (std::string f; std::getline(fields, f, '|');) style.push_back(f);
  dir.write_lines("Whole.spe", style);
  RunResult r = run_command(shell_word(HALVORIN_BIN) + " -C " + shell_word(dir.path()) +
                            " --batch Whole --seed 4");
  ASSERT_EQ(r.status, 0) << r.out << r.err;
  const std::regex regular(
      "^ {1,3}[0-9]+\\. +([0-9]+) +([0-9]+)  A [ 1-9][0-9]:[ 1-9][0-9] {8}.*$");
  std::map<int, std::set<int>> taken;  // question numbers by sector
  int questions = 0;
  for (const std::string& line : dir.lines("Whole.inf")) {
    std::smatch m;
    if (!std::regex_match(line, m, regular)) continue;
    ++questions;
    EXPECT_TRUE(taken[std::stoi(m[1])].insert(std::stoi(m[2])).second) << line;
  }
  EXPECT_GT(questions, 150 * 14);
  int pairs = 0;
  for (const auto& [sector, numbers] : taken)
    for (int n : numbers) pairs += numbers.count(n + 200) > 0;
  EXPECT_GT(pairs, 0);
}

}  // namespace
}  // namespace halvorin::testing
