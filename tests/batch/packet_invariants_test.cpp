// What every packet holds, whatever the style and the material set: each question's reference
// names a book of the set, a chapter and verse the book has, and lies inside the range; the
// sectors keep the range's order (every verse of a sector at or before every verse of a later
// one); no quiz asks a question twice nor takes two questions from one sector; a regular
// question's reference is the one of its own question line; every text that names a book names
// the book of its question's reference. Read from the used-question list and the quiz file.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "material/seasons.hpp"
#include "support/harness.hpp"

namespace halvorin::testing {
namespace {

// A reference as the packet shows it ("R 14: 1"), checked against the set: its book (from 1),
// chapter and verse.
struct Reference {
  int book = 0, chapter = 0, verse = 0;
};

Reference reference_of(const MaterialSet& set, char letter, const std::string& chapter_verse) {
  const size_t colon = chapter_verse.find(':');
  return {set.book_of_letter(letter), std::stoi(chapter_verse.substr(0, colon)),
          std::stoi(chapter_verse.substr(colon + 1))};
}

// A verse as one number that sorts as the set's books, chapters and verses do.
int place(const MaterialSet& set, const Reference& r) {
  return set.running_chapter(r.book, r.chapter) * 1000 + r.verse;
}

// A style's range end: "14 1 R", or "3 5" for the set's first book.
Reference range_end(const MaterialSet& set, const std::string& line) {
  std::istringstream in(line);
  Reference r{1, 0, 0};
  std::string letter;
  in >> r.chapter >> r.verse >> letter;
  if (!letter.empty()) r.book = set.book_of_letter(letter[0]);
  return r;
}

// Question and answer of each regular question line, with the references of the lines that
// hold them.
std::map<std::string, std::set<std::string>> regular_lines(const TempDir& dir,
                                                           const MaterialSet& set,
                                                           const std::string& prefix) {
  std::map<std::string, std::set<std::string>> refs;
  for (const char* list : {".a", ".b", ".c"}) {
    if (!dir.exists(prefix + list)) continue;
    for (const std::string& line : dir.lines(prefix + list)) {
      const std::string full =
          set.several_books() ? line : std::string(1, set.book(1).letter) + " " + line;
      if (full.size() > 8 && full[7] == '\t') refs[full.substr(8)].insert(full.substr(0, 7));
    }
  }
  return refs;
}

TEST(PacketInvariants, ReferencesInRangeAndBookSectorsInOrderNoRepeatInAQuiz) {
  const std::string path = "batch/cases/invariants.tsv";
  // A reference where a layout sets it: at a card's head, in parentheses, or ending a line.
  static const std::regex shown(
      R"((?:^    |\(| {2})([A-Za-z]) ([ 1-9][0-9]:[ 1-9][0-9])(?:\)|  |$))");
  static const std::regex named(R"((?:According to|Accd\. to|Quote) (.+?) [Cc]hapter )");
  for (const CaseRow& c : test_table(path)) {
    SCOPED_TRACE(case_name(path, c));
    TempDir dir;
    copy_demo(dir);
    const std::string season = c.f.size() > 3 ? c[3] : "acts";
    if (c.f.size() > 3) {
      const RunResult g =
          run_command(shell_word(HALVORIN_MATERIAL_BIN) + " --out " + shell_word(dir.path()) +
                      " --season " + season + " --seed " + c[2]);
      ASSERT_EQ(g.status, 0) << g.err;
    } else {
      generate_material(dir, "full", 2);
    }
    const MaterialSet& set = find_season(season)->set;
    std::vector<std::string> style;
    std::istringstream fields(c[1]);
    for (std::string f; std::getline(fields, f, '|');) style.push_back(f);
    dir.write_lines(c[0] + ".spe", style);
    const RunResult r = run_command(shell_word(HALVORIN_BIN) + " -C " + shell_word(dir.path()) +
                                    " --batch " + c[0] + " --seed " + c[2]);
    ASSERT_EQ(r.status, 0) << r.err;
    const int first = place(set, range_end(set, style[1]));
    const int last = place(set, range_end(set, style[2]));
    const auto regular = regular_lines(dir, set, (style[0] == "L" ? "LL" : "") + set.prefix);
    std::map<int, std::pair<int, int>> span;  // sector -> earliest and latest verse asked
    std::set<std::string> asked;              // sector, number and type within one quiz
    std::set<int> sectors;                    // sectors asked within one quiz
    int quiz = 0, questions = 0, reached = 0, traced = 0;
    for (const std::string& line : dir.lines(c[0] + ".inf")) {
      if (line.starts_with("  Que Sec")) {
        asked.clear();
        sectors.clear();
        ++quiz;
        continue;
      }
      if (line.size() < 27 || line[4] != '.') continue;
      ++questions;
      const std::string where = "quiz " + std::to_string(quiz) + ": " + line;
      const int sector = std::stoi(line.substr(5, 4));
      const Reference ref = reference_of(set, line[15], line.substr(17, 5));
      ASSERT_NE(ref.book, 0) << where;
      const Book& book = set.book(ref.book);
      EXPECT_EQ(line[15], book.letter) << where;
      EXPECT_TRUE(ref.chapter >= 1 && ref.chapter <= book.chapters()) << where;
      EXPECT_TRUE(ref.verse >= 1 && ref.verse <= book.verses_in(ref.chapter)) << where;
      const int at = place(set, ref);
      if (c.f.size() > 4 && line.substr(15, 7) == c[4]) ++reached;
      EXPECT_TRUE(at >= first && at <= last) << where;
      EXPECT_TRUE(asked.insert(line.substr(5, 8) + line.substr(24, 3)).second) << where;
      if (style[12] == "V") {
        EXPECT_TRUE(sectors.insert(sector).second) << where;
      }
      auto [it, fresh] = span.try_emplace(sector, at, at);
      it->second = {std::min(it->second.first, at), std::max(it->second.second, at)};
    }
    if (c.f.size() > 4) {
      EXPECT_GT(reached, 0) << c[4] << " is never asked";
    }
    EXPECT_EQ(quiz, std::stoi(style[11]));
    // Chapter sectoring asks one question of each chapter at the least.
    const int chapters = last / 1000 - first / 1000 + 1;
    EXPECT_EQ(questions, quiz * std::max(std::stoi(style[6]), style[12] == "C" ? chapters : 0));
    for (auto s = span.begin(), t = std::next(s); t != span.end(); ++s, ++t)
      EXPECT_LE(s->second.second, t->second.first)
          << "sector " << s->first << " reaches past the start of sector " << t->first;
    // The quiz file: each text naming a book names the book of the reference set beside it (on
    // pages and tab-separated lines) or above it (at the head of a card).
    Reference current;
    int names = 0;
    for (const std::string& line : dir.lines(c[0] + ".qui")) {
      std::smatch m;
      if (std::regex_search(line, m, shown)) {
        current = reference_of(set, m[1].str()[0], m[2]);
        EXPECT_NE(current.book, 0) << line;
      }
      if (season != "acts") {
        EXPECT_EQ(line.find("Acts"), std::string::npos) << line;
      }
      if (std::regex_search(line, m, named) && current.book != 0) {
        ++names;
        EXPECT_EQ(m[1], set.book(current.book).name) << line;
      }
      // A regular question of the tab-separated layout: its reference is its own line's.
      const std::vector<std::string> cell = [&] {
        std::vector<std::string> v;
        std::istringstream in(line);
        for (std::string f; std::getline(in, f, '\t');) v.push_back(f);
        return v;
      }();
      if (style[5] == "T" && cell.size() == 5 && cell[1].empty() && cell[4].starts_with("(")) {
        auto held = regular.find(cell[2] + "\t" + cell[3]);
        ASSERT_NE(held, regular.end()) << line;
        EXPECT_TRUE(held->second.count(cell[4].substr(1, 7))) << line;
        ++traced;
      }
    }
    EXPECT_GT(names, 0);
    EXPECT_EQ(traced > 0, style[5] == "T");
  }
}

}  // namespace
}  // namespace halvorin::testing
