// Whole runs of the largest packet, 150 quizzes of 30 questions over the whole book, made
// automatically and with every combination approved after two refusals. After the quiz loop one
// Enter may close the notice of an abandoned interrogative share and one the completion message;
// a spare Enter is ignored by the print question.
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "support/harness.hpp"

namespace halvorin::testing {
namespace {

TEST(WholeRun, PacketsOfOneHundredFiftyQuizzesAutomaticAndApproved) {
  TempDir dir;
  copy_demo(dir);
  generate_material(dir, "full", 1);
  std::vector<std::string> style;  // 150 quizzes of 30 questions, 1:1 to 28:31, 30 % interrogative
  for (const char* l :
       {"F", "1 1", "28 31", "Big", "66", "P", "30", "B", "20", "30", "Y",  "150", "V",  "10",
        "6", "3",   "2",     "1",   "2",  "1", "1",  "0", "1",  "0",  "59", "2",   "29", "N"})
    style.push_back(l);
  style.push_back("n" + std::string(28, 'A') + "n");
  dir.write_lines("Big.spe", style);
  dir.write_lines("Specs.lst", {"Big", "Weekly", "Chapters", "Fixed", "Enter New Specs"});
  const std::regex line_re(
      "^ {1,3}([0-9]+)\\. +([0-9]+) +[0-9]+  A [ 1-9][0-9]:[ 1-9][0-9]  (.{6}).*$");
  const std::map<char, std::string> kinds = {
      {'n', "      "}, {'R', "CV    "}, {'O', "CO    "}, {'S', "SIT   "}, {'F', "F"}};
  for (std::string mode : {"Enter", "Down Enter \"n\" Esc 150*\"y\""}) {
    SCOPED_TRACE(mode);
    RunResult r =
        run_halvorin(dir, "Enter Esc 7*Enter " + mode + " 3*Enter \"n\" Up Enter", {"--seed", "3"});
    ASSERT_EQ(r.status, 0) << r.err << r.screen;
    auto inf = dir.lines("Big.inf");
    auto pat = dir.lines("pat.txt");
    ASSERT_EQ(pat.size(), 150u);
    ASSERT_GT(inf.size(), 150u * 33);
    std::set<std::string> notes(inf.begin() + 150 * 33, inf.end());
    for (size_t q = 0; q < 150; ++q) {
      EXPECT_TRUE(inf[q * 33].ends_with(" Quiz " + std::to_string(q + 1)));
      std::set<int> sectors;
      for (size_t pos = 1; pos <= 30; ++pos) {
        std::smatch m;
        ASSERT_TRUE(std::regex_match(inf[q * 33 + pos + 1], m, line_re)) << inf[q * 33 + pos + 1];
        EXPECT_EQ(std::stoul(m[1]), pos);
        sectors.insert(std::stoi(m[2]));
        std::string type = m[3], want = kinds.at(pat[q][pos - 1]);
        EXPECT_TRUE(type == want || (want == "F" && (type[0] == 'F' || type[0] == 'Q'))) << type;
      }
      EXPECT_EQ(inf[q * 33 + 32], "");
      EXPECT_TRUE(sectors.size() == 30 ||
                  notes.count("Sectors or Questions repeated in quiz " + std::to_string(q + 1)));
    }
  }
}

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
