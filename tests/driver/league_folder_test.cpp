// Making a league folder for each season through the program's --init, and the seasons' tables
// the install and the Windows zip carry.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "material/material_set.hpp"
#include "material/seasons.hpp"
#include "platform/text_file.hpp"
#include "state/style.hpp"
#include "support/harness.hpp"

namespace halvorin::testing {
namespace {

namespace fs = std::filesystem;

const std::vector<std::string> kDemoStyles = {"Weekly", "Chapters", "Fixed", "Junior", "New"};

RunResult init(const std::string& folder, const std::string& season) {
  return run_command(shell_word(HALVORIN_BIN) + " --init " + shell_word(folder) +
                     (season.empty() ? "" : " --season " + season));
}

// A style's range as "1:1-8:40", each end after its book letter when it names one.
std::string range_of(const StyleValues& st) {
  auto end = [](char book, int c, int v) {
    return (book ? std::string(1, book) : "") + std::to_string(c) + ":" + std::to_string(v);
  };
  return end(st.BBOOK, st.BCHAP, st.BVER) + "-" + end(st.EBOOK, st.ECHAP, st.EVER);
}

// The running chapter of a range's end; 0 when it lies outside the set.
int running(const MaterialSet& set, char book, int c, int v) {
  const int b = book ? set.book_of_letter(book) : 1;
  if (b == 0 || (book == 0) == set.several_books()) return 0;
  if (c < 1 || c > set.book(b).chapters() || v < 1 || v > set.book(b).verses_in(c)) return 0;
  return set.running_chapter(b, c);
}

TEST(InitSeason, WritesTheSeasonsSetAndStylesInsideIt) {
  const std::string path = "driver/cases/init-seasons.tsv";
  const fs::path demo = fs::path(HALVORIN_SOURCE_DIR) / "demo";
  for (const CaseRow& c : test_table(path)) {
    SCOPED_TRACE(case_name(path, c));
    TempDir dir;  // made into a league folder, as a folder that holds the material may be
    const RunResult r = init(dir.path(), c[0]);
    ASSERT_EQ(r.status, 0) << r.err;
    const MaterialSet& set = find_season(c[0])->set;
    const bool declared = c[1] == "Set.txt";
    EXPECT_EQ(dir.exists("Set.txt"), declared);
    EXPECT_EQ(dir.exists("Verses.txt"), !declared);
    if (declared) {
      TextReader in = TextReader::from_text(dir.read("Set.txt"), kSetFile);
      EXPECT_EQ(read_material_set(in), set);
    }
    EXPECT_EQ(dir.read("Specs.lst"), test_data("../demo/Specs.lst"));

    std::string ranges;
    for (const std::string& name : kDemoStyles) {
      const std::string file = name + ".spe";
      TextReader in = TextReader::from_text(dir.read(file), file);
      const StyleValues st = read_style(in);
      ranges += (ranges.empty() ? "" : " ") + range_of(st);
      const int from = running(set, st.BBOOK, st.BCHAP, st.BVER);
      const int to = running(set, st.EBOOK, st.ECHAP, st.EVER);
      EXPECT_TRUE(from > 0 && to >= from) << file << " " << range_of(st);
      // Everything but the range (lines 2 and 3) is the demo style's.
      auto without_range = [](std::string t) {
        const size_t line2 = t.find('\n') + 1;
        return t.erase(line2, t.find('\n', t.find('\n', line2) + 1) + 1 - line2);
      };
      EXPECT_EQ(without_range(dir.read(file)), without_range(test_data("../demo/" + file)));
    }
    EXPECT_EQ(ranges, c[2]);

    // The next steps name the season's files and how to make its invented material.
    std::istringstream words(c[3]);
    for (std::string w; words >> w;)
      EXPECT_NE(r.out.find(" " + w + " "), std::string::npos) << w << "\n" << r.out;
    EXPECT_EQ(r.out.find("Acts.a") == std::string::npos, declared) << r.out;
    EXPECT_EQ(r.out.find("--season " + c[0]) != std::string::npos, declared) << r.out;
    // The program starts there: the key script ends on the style list.
    const RunResult started = run_halvorin(dir, "");
    EXPECT_EQ(started.status, 3) << started.err;

    if (!declared) {
      // Acts, named or not, is the demo folder byte for byte, and says the same.
      TempDir plain;
      const RunResult plain_run = init(plain.path(), "");
      ASSERT_EQ(plain_run.status, 0) << plain_run.err;
      for (const auto& e : fs::directory_iterator(demo)) {
        const std::string f = e.path().filename().string();
        EXPECT_EQ(dir.read(f), test_data("../demo/" + f)) << f;
        EXPECT_EQ(plain.read(f), test_data("../demo/" + f)) << f;
      }
      auto count = [](const fs::path& d) {
        return std::distance(fs::directory_iterator(d), fs::directory_iterator{});
      };
      EXPECT_EQ(count(plain.path()), count(demo));
      std::string said = r.out;
      for (size_t at; (at = said.find(dir.path())) != std::string::npos;)
        said.replace(at, dir.path().size(), plain.path());
      EXPECT_EQ(said, plain_run.out);
    }
  }
}

// The tables beside the program are the program's own: HALVORIN_UPDATE_GOLDEN=1 writes them
// again after a change to the seasons. Acts has none: its folders keep the verse table.
TEST(InitSeason, TheSeasonsTablesAreTheProgramsOwn) {
  TempDir dir;
  std::vector<std::string> names;
  for (const Season& s : seasons()) {
    if (s.name == "acts") continue;
    write_material_set_file(dir.file(s.name + ".txt"), s.set);
    expect_golden("../seasons/" + s.name + ".txt", dir.read(s.name + ".txt"));
    names.push_back(s.name + ".txt");
  }
  std::sort(names.begin(), names.end());
  if (!std::getenv("HALVORIN_UPDATE_GOLDEN")) {
    EXPECT_EQ(test_data_names("../seasons", ".txt"), names);
  }
}

}  // namespace
}  // namespace halvorin::testing
