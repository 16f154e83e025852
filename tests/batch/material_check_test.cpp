// The material check against expected reports under golden/: cleaned generated material passes
// for every demo style; planted faults are each found at their line, and a batch run counts them;
// a count file older than the material or differing from it is reported.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <regex>
#include <set>

#include "support/harness.hpp"

namespace halvorin::testing {
namespace {

// The check's report, its lines ended by LF alone (the Windows program writes CR LF).
RunResult check(const TempDir& dir, const std::string& style = "") {
  RunResult r = run_command(shell_word(HALVORIN_BIN) + " -C " + shell_word(dir.path()) +
                            " --check-material " + style);
  std::erase(r.out, '\r');
  return r;
}

// Removes every line the check reports (the generator now and then leaves a question without an
// answer or a situation too long for its printed line) until the check finds nothing.
void clean_material(const TempDir& dir) {
  static const std::regex problem("(^|\n)([A-Za-z.0-9]+):([1-9][0-9]*): ");
  for (int round = 0; round < 5; ++round) {
    const std::string out = check(dir).out;
    std::map<std::string, std::set<size_t>> bad;
    for (std::sregex_iterator it(out.begin(), out.end(), problem), end; it != end; ++it)
      bad[(*it)[2]].insert(std::stoul((*it)[3]));
    if (bad.empty()) return;
    for (const auto& [file, lines] : bad) {
      const std::vector<std::string> all = dir.lines(file);
      std::vector<std::string> kept;
      for (size_t i = 0; i < all.size(); ++i)
        if (!lines.count(i + 1)) kept.push_back(all[i]);
      dir.write_lines(file, kept);
    }
  }
}

// Plants the fault of a row (file, line or "+", columns, text) whose fields start at `at`.
void plant(const TempDir& dir, const CaseRow& c, size_t at) {
  std::vector<std::string> all = dir.lines(c[at]);
  std::string text = c[at + 3];
  for (size_t t; (t = text.find("\\t")) != std::string::npos;) text.replace(t, 2, "\t");
  if (c[at + 1] == "+") {
    all.push_back(text);
  } else {
    const std::string& cols = c[at + 2];
    std::string& l = all.at(size_t(c.num(at + 1) - 1));
    const size_t from = std::stoul(cols) - 1, to = cols.find('-') + 1;
    l = l.substr(0, from) + text + (to < cols.size() ? l.substr(std::stoul(cols.substr(to))) : "");
  }
  dir.write_lines(c[at], all);
}

TEST(MaterialCheck, CleanMaterialPassesForEveryDemoStyleAndAsAWhole) {
  TempDir dir;
  copy_demo(dir);
  generate_material(dir, "full", 3);
  clean_material(dir);
  for (const std::string style : {"", "Weekly", "Chapters", "Fixed", "Junior"}) {
    RunResult r = check(dir, style);
    EXPECT_EQ(r.status, 0) << style << "\n" << r.out << r.err;
    expect_golden("batch/golden/check-" + (style.empty() ? "all" : style) + ".out", r.out);
  }
}

TEST(MaterialCheck, FindsEachPlantedFaultAtItsLine) {
  TempDir dir;
  copy_demo(dir);
  generate_material(dir, "small", 1);
  clean_material(dir);
  for (const CaseRow& c : test_table("batch/cases/planted.tsv")) plant(dir, c, 0);
  // One verse with one question more than a verse may hold; a file with more problems than are
  // listed; a file without questions.
  std::vector<std::string> many(256, "13: 1\tCO\tWho?\tPeter"), broken(201, "13: 1\tCO Who?");
  dir.write_lines("co.c", many);
  dir.write_lines("cv.c", broken);
  dir.write("LLco.b", "");
  RunResult r = check(dir);
  EXPECT_EQ(r.status, 1);
  expect_golden("batch/golden/planted.out", r.out);
}

// A season's generated material is clean as generated; each planted fault of a set's books is
// reported at its line.
TEST(MaterialCheck, FindsTheFaultsOfASetsBooksAtTheirLines) {
  const std::string path = "batch/cases/planted_sets.tsv";
  std::map<std::string, std::vector<CaseRow>> by_season;
  for (const CaseRow& c : test_table(path)) by_season[c[0]].push_back(c);
  for (const auto& [season, rows] : by_season) {
    TempDir dir;
    ASSERT_EQ(run_command(shell_word(HALVORIN_MATERIAL_BIN) + " --out " + shell_word(dir.path()) +
                          " --season " + season)
                  .status,
              0);
    const RunResult clean = check(dir);
    EXPECT_EQ(clean.status, 0) << season << "\n" << clean.out;
    for (const CaseRow& c : rows) {
      if (c[1] == "-") {
        EXPECT_NE(clean.out.find(c[5]), std::string::npos) << case_name(path, c);
      } else {
        plant(dir, c, 1);
      }
    }
    const RunResult r = check(dir);
    EXPECT_EQ(r.status, 1);
    for (const CaseRow& c : rows) {
      if (c[1] == "-") continue;
      EXPECT_NE(("\n" + r.out).find("\n" + c[5] + "\n"), std::string::npos)
          << case_name(path, c) << "\n"
          << r.out;
    }
  }
}

// A declaration the check cannot read is the one problem reported (without it no line can be read
// as its book); a style whose range the set cannot place is one problem of the style, and the
// material is checked all the same.
TEST(MaterialCheck, AnUnreadableSetOrARangeOutsideItIsOneProblem) {
  TempDir dir;
  const std::string d = shell_word(dir.path());
  ASSERT_EQ(
      run_command(shell_word(HALVORIN_BIN) + " --init " + d + " --season romans-james").status, 0);
  ASSERT_EQ(
      run_command(shell_word(HALVORIN_MATERIAL_BIN) + " --out " + d + " --season romans-james")
          .status,
      0);
  std::vector<std::string> style = dir.lines("Weekly.spe");
  style[1] = "2 1 X";
  dir.write_lines("Bad.spe", style);
  RunResult r = check(dir, "Bad");
  EXPECT_EQ(r.status, 1) << r.out << r.err;
  EXPECT_NE(("\n" + r.out).find("\nBad.spe:0: field \"Begin book\""), std::string::npos) << r.out;
  // The material is checked all the same (the file as the style names it: RomJas.B on Windows).
  EXPECT_NE(r.out.find(": 2695 lines, 2695 regular questions"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("\n1 problem found\n"), std::string::npos) << r.out;

  std::string set = dir.read("Set.txt");
  set.replace(set.find("verses: 27 26 18"), 16, "verses: 27 26 X ");
  dir.write("Set.txt", set);
  r = check(dir);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out.substr(0, r.out.find('\n')),
            "Set.txt:16: chapter 3: \"X\" is not a number of verses");
  EXPECT_NE(r.out.find("\n1 problem found\n"), std::string::npos) << r.out;
}

// A batch run says how many problems the check would report in the style's question files: here a
// tab after the reference typed as a blank, a line the packet takes as it is.
TEST(MaterialCheck, ABatchRunCountsTheProblemsOfItsMaterial) {
  TempDir dir;
  copy_demo(dir);
  generate_material(dir, "small", 1, false);
  const std::string run =
      shell_word(HALVORIN_BIN) + " -C " + shell_word(dir.path()) + " --batch Weekly --seed 1";
  RunResult r = run_command(run);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out.find("problem"), std::string::npos) << r.out;
  std::vector<std::string> lines = dir.lines("Acts.b");
  lines.at(0).at(5) = ' ';
  dir.write_lines("Acts.b", lines);
  r = run_command(run);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(
      r.out.find("  the material holds 1 problem; halvorin --check-material Weekly lists them"),
      std::string::npos)
      << r.out;
}

TEST(MaterialCheck, CountFileOlderThanTheMaterialOrDifferingFromIt) {
  TempDir dir;
  copy_demo(dir);
  generate_material(dir, "small", 1);
  clean_material(dir);
  ASSERT_EQ(
      run_command(shell_word(HALVORIN_BIN) + " -C " + shell_word(dir.path()) + " --batch Weekly")
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
  // Weekly reindexes, so its next run rebuilds the file; a style that reuses it is told to.
  EXPECT_NE(r.out.find("; the style's reindex is Y, so its next run rebuilds it"),
            std::string::npos)
      << r.out;
  std::vector<std::string> style = dir.lines("Weekly.spe");
  style.at(10) = "N";
  dir.write_lines("Weekly.spe", style);
  r = check(dir, "Weekly");
  EXPECT_NE(r.out.find("; set the style's reindex to Y to rebuild it"), std::string::npos) << r.out;
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
