// What every packet holds, whatever the style: each question's verse lies inside the range, the
// sectors keep the range's order (every verse of a sector at or before every verse of a later
// one), and no quiz asks a question twice. Read from the used-question list.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <sstream>

#include "support/harness.hpp"

namespace halvorin::testing {
namespace {

// A verse as one number that sorts as chapter and verse do.
int place(int chapter, int verse) { return chapter * 1000 + verse; }

int place_of(const std::string& chapter_and_verse) {
  const size_t colon = chapter_and_verse.find(':');
  return place(std::stoi(chapter_and_verse.substr(0, colon)),
               std::stoi(chapter_and_verse.substr(colon + 1)));
}

TEST(PacketInvariants, VersesInRangeSectorsInOrderNoRepeatInAQuiz) {
  const std::string path = "batch/cases/invariants.tsv";
  for (const CaseRow& c : test_table(path)) {
    SCOPED_TRACE(case_name(path, c));
    TempDir dir;
    copy_demo(dir);
    generate_material(dir, "full", 2);
    std::vector<std::string> style;
    std::istringstream fields(c[1]);
    for (std::string f; std::getline(fields, f, '|');) style.push_back(f);
    dir.write_lines(c[0] + ".spe", style);
    const RunResult r = run_command(shell_word(HALVORIN_BIN) + " -C " + shell_word(dir.path()) +
                                    " --batch " + c[0] + " --seed " + c[2]);
    ASSERT_EQ(r.status, 0) << r.err;
    const int first = place_of(style[1].substr(0, style[1].find(' ')) + ":" +
                               style[1].substr(style[1].find(' ') + 1));
    const int last = place_of(style[2].substr(0, style[2].find(' ')) + ":" +
                              style[2].substr(style[2].find(' ') + 1));
    std::map<int, std::pair<int, int>> span;  // sector -> earliest and latest verse asked
    std::set<std::string> asked;              // sector, number and type within one quiz
    int quiz = 0, questions = 0;
    for (const std::string& line : dir.lines(c[0] + ".inf")) {
      if (line.starts_with("  Que Sec")) {
        asked.clear();
        ++quiz;
        continue;
      }
      if (line.size() < 27 || line[4] != '.') continue;
      ++questions;
      const int sector = std::stoi(line.substr(5, 4));
      const int at = place_of(line.substr(16, 6));
      EXPECT_TRUE(at >= first && at <= last) << "quiz " << quiz << ": " << line;
      EXPECT_TRUE(asked.insert(line.substr(5, 8) + line.substr(24, 3)).second)
          << "quiz " << quiz << ": " << line;
      auto [it, fresh] = span.try_emplace(sector, at, at);
      it->second = {std::min(it->second.first, at), std::max(it->second.second, at)};
    }
    EXPECT_EQ(quiz, std::stoi(style[11]));
    EXPECT_EQ(questions, quiz * std::stoi(style[6]));
    for (auto s = span.begin(), t = std::next(s); t != span.end(); ++s, ++t)
      EXPECT_LE(s->second.second, t->second.first)
          << "sector " << s->first << " reaches past the start of sector " << t->first;
  }
}

}  // namespace
}  // namespace halvorin::testing
