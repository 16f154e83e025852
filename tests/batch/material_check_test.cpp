// The material check: generated material passes clean, and each kind of planted fault is found
// at its line; the count file is found stale or differing from the material.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "support/harness.hpp"

namespace halvorin::testing {
namespace {

RunResult check(const TempDir& dir, const std::string& style = "") {
  return run_command(shell_word(HALVORIN_BIN) + " -C " + shell_word(dir.path()) +
                     " --check-material " + style);
}

// The generator leaves now and then a regular question without its answer, and a situation too
// long for the printed first line. Gives each question an answer and each such situation a short
// one; returns how many lines it changed.
int tidy_material(const TempDir& dir) {
  int changed = 0;
  for (const char* name :
       {"Acts.a", "Acts.b", "Acts.c", "LLActs.a", "LLActs.b", "LLActs.c", "SIT.TXT", "llsit.txt"}) {
    const bool sit = std::string(name).find("cts.") == std::string::npos;
    std::vector<std::string> lines = dir.lines(name);
    for (std::string& line : lines) {
      const size_t quote = line.find_first_of("\"'", 6);
      if (!sit && line.find('\t', 6) == std::string::npos)
        line += "\tanswer", ++changed;
      else if (sit && quote != std::string::npos && quote < 254 &&
               line.find_last_of(" \t", quote) + 1 > 67)  // a blank at column 68 or later
        line = line.substr(0, 6) + "Peter said, " + line.substr(quote), ++changed;
    }
    dir.write_lines(name, lines);
  }
  return changed;
}

TEST(MaterialCheck, GeneratedMaterialIsCleanForEveryDemoStyleAndAsAWhole) {
  TempDir dir;
  copy_demo(dir);
  generate_material(dir, "full", 3);
  // Before the material is tidied, its answerless questions and long situations are all the
  // check finds.
  const RunResult before = check(dir);
  const int changed = tidy_material(dir);
  EXPECT_NE(before.out.find("\n" + std::to_string(changed) + " problems found"), std::string::npos)
      << before.out;
  auto count = [&](const char* re) {
    const std::regex r(re);
    return std::distance(std::sregex_iterator(before.out.begin(), before.out.end(), r),
                         std::sregex_iterator());
  };
  EXPECT_EQ(count("(^|\n)[A-Za-z.]+:[0-9]+: "),
            count("(^|\n)[A-Za-z.]+:[1-9][0-9]*: (no answer|the situation before the quotation)"));
  for (const char* style : {"", "Weekly", "Chapters", "Fixed", "Junior"}) {
    RunResult r = check(dir, style);
    EXPECT_EQ(r.status, 0) << style << "\n" << r.out << r.err;
    EXPECT_NE(r.out.find("no problems found"), std::string::npos) << r.out;
  }
  RunResult r = check(dir, "Weekly");
  EXPECT_NE(r.out.find("Weekly.spe: 20 sectors by verse"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("SIT.TXT: "), std::string::npos) << r.out;
}

TEST(MaterialCheck, FindsEachPlantedFaultAtItsLine) {
  TempDir dir;
  copy_demo(dir);
  generate_material(dir, "small", 1);
  tidy_material(dir);
  // Replaces lines (1-based) by text after the line's own reference, so the order holds.
  auto plant = [&](const std::string& file, std::vector<std::pair<size_t, std::string>> lines,
                   std::vector<std::string> appended = {}) {
    std::vector<std::string> all = dir.lines(file);
    for (auto& [n, text] : lines) all[n - 1] = text.empty() ? text : all[n - 1].substr(0, 5) + text;
    all.insert(all.end(), appended.begin(), appended.end());
    dir.write_lines(file, all);
    return all.size();
  };
  const size_t acts = plant("Acts.b",
                            {{4, ""},
                             {6, " Who spoke?\tPeter"},
                             {7, "\t" + std::string(200, 'q') + "\t" + std::string(60, 'a')},
                             {8, "\tWho spoke?"},
                             {9, "\tWho spoke?\t  "}},
                            {"28:32\tWho spoke?\tPeter", "27: 1\tWho spoke?\tPeter"});
  std::vector<std::string> regular = dir.lines("Acts.b");
  regular[1][0] = 'x';
  dir.write_lines("Acts.b", regular);
  plant("cv.b", {{2, "\tCV what did he say?"}});
  std::vector<std::string> cv = dir.lines("cv.b");
  cv[2] = cv[2].substr(0, 3) + "  \tCV\tno verse";
  dir.write_lines("cv.b", cv);
  plant("FTV.59", {{2, "\tFTz\tAnd the word grew."}, {3, "\tFTa And the word grew."}});
  const std::string long_situation =
      "\tAfter the council had heard the apostles and the elders tell of the signs among the "
      "nations, James answered, \"Brothers, listen.\" Where was this said? *Jerusalem";
  plant("SIT.TXT", {{1, "\tPeter speaks. Where was this said? *Jerusalem"},
                    {2, "\tPeter says, \"The word grew.\" Where was this said?"},
                    {3, long_situation}});
  struct Expected {
    std::string at;
    const char* what;
  } expected[] = {
      {"Acts.b:2: ", "the chapter in columns 1-2 is not a number"},
      {"Acts.b:4: ", "blank line"},
      {"Acts.b:6: ", "column 6 should hold a tab"},
      {"Acts.b:7: ", "the line has 267 characters; only the first 254 are read"},
      {"Acts.b:8: ", "no answer: a tab and the answer should follow the question"},
      {"Acts.b:9: ", "no answer"},
      {"Acts.b:" + std::to_string(acts - 1) + ": ", "past the 31 verses of Verses.txt"},
      {"Acts.b:" + std::to_string(acts) + ": ", "27:1 comes after 28:32"},
      {"cv.b:2: ", "column 9 should hold the tab after the label"},
      {"cv.b:3: ", "verse after column 3 is not a number"},
      {"FTV.59:2: ", "FTV type in column 9 must be a to e or VR, not 'z'"},
      {"FTV.59:3: ", "needs a label and a tab before its verse text"},
      {"SIT.TXT:1: ", "needs a quotation"},
      {"SIT.TXT:2: ", "needs its answer after a '*'"},
      {"SIT.TXT:3: ",
       "the situation before the quotation takes 119 columns of the printed first "
       "line, more than the 71 before the reference"},
  };
  RunResult r = check(dir);
  EXPECT_EQ(r.status, 1);
  const std::string out = "\n" + r.out;
  for (const Expected& e : expected) {
    const size_t at = out.find("\n" + e.at);
    ASSERT_NE(at, std::string::npos) << e.at << out;
    const std::string line = out.substr(at + 1, out.find('\n', at + 1) - at - 1);
    EXPECT_NE(line.find(e.what), std::string::npos) << line;
  }
  // Nothing else is reported: one FILE:LINE line per planted fault.
  const std::regex problem_line("(^|\n)[A-Za-z.0-9]+:[1-9][0-9]*: ");
  const auto problems = std::distance(
      std::sregex_iterator(r.out.begin(), r.out.end(), problem_line), std::sregex_iterator());
  EXPECT_EQ(problems, static_cast<long>(std::size(expected))) << r.out;
  EXPECT_NE(r.out.find("Acts.b: " + std::to_string(acts) + " lines"), std::string::npos);
}

TEST(MaterialCheck, CountFileOlderThanTheMaterialOrDifferingFromIt) {
  TempDir dir;
  copy_demo(dir);
  generate_material(dir, "small", 1);
  tidy_material(dir);
  ASSERT_EQ(run_command(shell_word(HALVORIN_BIN) + " -C " + shell_word(dir.path()) +
                        " --batch Weekly --seed 1")
                .status,
            0);
  EXPECT_EQ(check(dir, "Weekly").status, 0);
  // The material changed after the count file was written.
  namespace fs = std::filesystem;
  fs::last_write_time(dir.file("count.59B"),
                      fs::last_write_time(dir.file("Acts.b")) - std::chrono::hours(1));
  RunResult r = check(dir, "Weekly");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.out.find("count.59B:0: older than Acts.b"), std::string::npos) << r.out;
  // A record that does not match what the material holds, reported at its line.
  std::vector<std::string> counts = dir.lines("count.59B");
  counts[0] = "1 1 99 0 0 0 0";
  dir.write_lines("count.59B", counts);
  r = check(dir);
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.out.find("count.59B:1: the regular count of 1:1 is 99"), std::string::npos) << r.out;
}

}  // namespace
}  // namespace halvorin::testing
