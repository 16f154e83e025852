// The sample material generator, run as the program it is: invariants over whole generated sets.
// Every file is read back with the program's own counting (which refuses lines out of layout,
// range or order) and must keep within the tables' room and have its profile's shape; by default
// the program's material check finds nothing in it.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "material/counts.hpp"
#include "material/line_check.hpp"
#include "material/seasons.hpp"
#include "platform/text_file.hpp"
#include "state/style.hpp"
#include "support/harness.hpp"

namespace halvorin {
namespace {

using testing::TempDir;

// The question files of a set, each with its kind and level.
std::vector<testing::CaseRow> question_files() {
  return testing::test_table("tools/cases/question_files.tsv");
}

class EveryProfile : public ::testing::TestWithParam<const char*> {};

TEST_P(EveryProfile, FilesReadBackWithinTheTablesInTheirProfilesShape) {
  if (!std::filesystem::exists(HALVORIN_MATERIAL_BIN)) GTEST_SKIP() << "no material generator";
  const std::string profile = GetParam();
  TempDir dir;
  testing::generate_material(dir, profile, 1, false);
  std::set<std::string> expected = {"Verses.txt"}, found;
  for (auto& f : question_files()) expected.insert(f[0]);
  for (auto& e : std::filesystem::directory_iterator(dir.path()))
    found.insert(e.path().filename().string());
  EXPECT_EQ(found, expected);
  testing::expect_golden("tools/golden/Verses.txt", dir.read("Verses.txt"));
  const std::vector<std::string> verses = dir.lines("Verses.txt");

  // Long texts and marked words, counted over every FTV and SIT file of the set.
  int long_lines = 0, specialty_lines = 0, marked = 0;
  for (auto& f : question_files()) {
    const std::string& name = f[0];
    const char kind = f[1][0];  // R regular, F FTV, C CV Ref, O CO Ref, S SIT
    const bool reduced = f[2] == "reduced";
    CountTable q;
    TextReader in(dir.file(name));
    EXPECT_NO_THROW(count_question_file(in, q)) << name;
    EXPECT_TRUE(dir.read(name).ends_with("\r\n")) << name;
    const bool long_kind = kind == 'F' || kind == 'S';
    for (const std::string& line : dir.lines(name)) {
      // Blank runs would end a text early for the writers; the text ends where the line does.
      EXPECT_TRUE(line.find("  ") == std::string::npos && line.back() != ' ') << name << line;
      EXPECT_LE(line.size(), long_kind ? 508u : 254u) << name << line;
      long_lines += line.size() > 254;
      specialty_lines += long_kind;
      marked += kind == 'F' && line.find('^') != std::string::npos;
    }
    for (int c = 1; c <= CHMAX; ++c) {
      const int last = std::stoi(verses.at(size_t(c - 1)));
      int total = 0, thin = 0, beyond = 0;
      for (int v = 1; v <= VMAX; ++v) {
        total += q(c, v);
        thin += v <= last && q(c, v) < 3;
        beyond += v > last && q(c, v) > 0;
      }
      const std::string where = name + " chapter " + std::to_string(c);
      EXPECT_EQ(beyond, 0) << where << ": questions past the last verse";
      // A one-chapter sector must keep within the fifty a specialty kind has room for; the
      // reduced material leaves out the chapters its level does not reach; the small profile
      // has questions in chapters 1, 2, 3 and 13 only, the full one 3 or more at every verse.
      const bool absent = reduced && (c == 7 || c == 10 || c == 11 || c == 15 || c == 16);
      const bool kept = c == 1 || c == 2 || c == 3 || c == 13;
      EXPECT_TRUE(kind == 'R' || total <= 50) << where << ": " << total;
      EXPECT_TRUE(!(absent || (profile == "small" && !kept)) || total == 0) << where;
      EXPECT_TRUE(!(profile == "small" && kept && kind == 'R') || total > 0) << where;
      EXPECT_TRUE(!(profile == "full" && kind == 'R' && !reduced) || thin == 0) << where;
    }
  }
  // About one verse in twenty runs past 254 characters, and some FTV texts mark a word with ^.
  EXPECT_GT(long_lines * 50, specialty_lines) << long_lines << " of " << specialty_lines;
  EXPECT_GT(marked, 0);

  const auto check = testing::run_command(testing::shell_word(HALVORIN_BIN) + " -C " +
                                          testing::shell_word(dir.path()) + " --check-material");
  EXPECT_EQ(check.status, 0) << check.out.substr(check.out.size() -
                                                 std::min<size_t>(check.out.size(), 600));
  EXPECT_NE(check.out.find("\nno problems found"), std::string::npos) << check.err;
}

INSTANTIATE_TEST_SUITE_P(Profiles, EveryProfile, ::testing::Values("full", "small", "sparse"));

TEST(MaterialGenerator, EverySeasonReadsBackInItsBooksOrder) {
  if (!std::filesystem::exists(HALVORIN_MATERIAL_BIN)) GTEST_SKIP() << "no material generator";
  const std::string path = "tools/cases/seasons.tsv";
  for (const auto& row : testing::test_table(path)) {
    SCOPED_TRACE(testing::case_name(path, row));
    const std::string season = row[0], profile = row[1];
    ASSERT_NE(find_season(season), nullptr);
    const MaterialSet& set = find_season(season)->set;
    auto named = [&row](std::string name) {
      const size_t at = name.find("Acts");
      return at == std::string::npos ? name : name.replace(at, 4, row[2]);
    };
    TempDir dir, plain;
    const std::string run = testing::shell_word(HALVORIN_MATERIAL_BIN) + " --profile " + profile;
    auto r = testing::run_command(run + " --season " + season + " --out " +
                                  testing::shell_word(dir.path()));
    ASSERT_EQ(r.status, 0) << r.err;
    std::set<std::string> expected = {season == "acts" ? kVerseTable : kSetFile}, found;
    for (auto& f : question_files()) expected.insert(named(f[0]));
    for (auto& e : std::filesystem::directory_iterator(dir.path()))
      found.insert(e.path().filename().string());
    EXPECT_EQ(found, expected);
    if (season == "acts") {
      // Acts is today's folder, the same bytes as without --season.
      ASSERT_EQ(testing::run_command(run + " --out " + testing::shell_word(plain.path())).status,
                0);
      for (const std::string& name : expected) EXPECT_EQ(dir.read(name), plain.read(name)) << name;
    } else {
      TextReader in(dir.file(kSetFile));
      EXPECT_EQ(read_material_set(in), set);
    }

    // Every line: its book's letter and a blank in a set of several books (nothing in a set of
    // one), chapter and verse inside that book, the set's order of books, chapters and verses,
    // and after the letter the fields the program's line checks want.
    for (auto& f : question_files()) {
      const std::string name = named(f[0]);
      const auto kind = Kind(std::string("RFCOS").find(f[1][0]));
      const bool reduced = f[2] == "reduced";
      int last_r = 0, last_v = 0;
      std::set<std::pair<int, int>> asked;
      for (const std::string& line : dir.lines(name)) {
        const std::string where = name + ": " + line.substr(0, 8);
        int b = 1;
        if (set.several_books()) {
          b = line.size() > 2 && line[1] == ' ' ? set.book_of_letter(line[0]) : 0;
          ASSERT_TRUE(b > 0 && line[0] == set.books[size_t(b - 1)].letter) << where;
        }
        const std::string rest = line.substr(set.several_books() ? 2 : 0);
        const Book& book = set.books[size_t(b - 1)];
        const int c = std::atoi(rest.substr(0, 2).c_str()),
                  v = std::atoi(rest.substr(3, 2).c_str());
        ASSERT_TRUE(v >= 1 && v <= book.verses_in(c)) << where;  // 0 for a chapter past the end
        EXPECT_TRUE(!reduced || book.in_reduced(c)) << where;
        const int rc = set.running_chapter(b, c);
        EXPECT_TRUE(rc > last_r || (rc == last_r && v >= last_v)) << where << ": out of order";
        last_r = rc, last_v = v;
        asked.insert({rc, v});
        EXPECT_EQ(field_problems(rest, kind), std::vector<std::string>{}) << where;
        EXPECT_TRUE(season == "acts" || line.find("Acts") == std::string::npos) << where;
      }
      // The full profile asks regular questions at every verse, the longest chapters' last ones
      // too; the small one keeps to its four chapters.
      int verses = 0;
      for (int rc = 1; rc <= set.total_chapters(); ++rc) verses += set.verses_of(rc);
      EXPECT_TRUE(profile != "full" || f[1] != "R" || reduced || int(asked.size()) == verses);
      for (auto [rc, v] : asked)
        EXPECT_TRUE(profile != "small" || rc <= 3 || rc == 13) << name << " chapter " << rc;
    }
  }
}

TEST(MaterialGenerator, SameSeedSameBytesOtherSeedOtherTexts) {
  if (!std::filesystem::exists(HALVORIN_MATERIAL_BIN)) GTEST_SKIP() << "no material generator";
  TempDir first, again, other;
  testing::generate_material(first, "small", 1);
  testing::generate_material(again, "small", 1);
  testing::generate_material(other, "small", 2);
  for (auto& f : question_files()) {
    EXPECT_EQ(again.read(f[0]), first.read(f[0])) << f[0];
    EXPECT_NE(other.read(f[0]), first.read(f[0])) << f[0];
  }
  EXPECT_NE(first.read("FTV.51"), first.read("FTV.99"));  // each percentage its own file
}

TEST(MaterialGenerator, CommandLine) {
  if (!std::filesystem::exists(HALVORIN_MATERIAL_BIN)) GTEST_SKIP() << "no material generator";
  const std::string bin = testing::shell_word(HALVORIN_MATERIAL_BIN);
  const auto help = testing::run_command(bin + " --help");
  for (const char* word : {"--out", "--seed", "--profile", "full", "small", "sparse", "LLFTV",
                           "--season", "galatians-philemon", "romans-james", "Set.txt"})
    EXPECT_NE(help.out.find(word), std::string::npos) << word;
  TempDir dir;
  dir.write("plain", "x");
  const std::string path = "tools/cases/generator_usage.tsv";
  for (const auto& row : testing::test_table(path)) {
    std::string args = row[0];
    if (const size_t at = args.find("DIR"); at != std::string::npos)
      args.replace(at, 3, dir.path());
    auto r = testing::run_command(bin + " " + args);
    EXPECT_EQ(r.status, row.num(1)) << testing::case_name(path, row);
    EXPECT_NE((r.status ? r.err : r.out).find("halvorin-material"), std::string::npos) << args;
  }
  EXPECT_FALSE(dir.exists("m"));
}

// The demo working directory as `make run` lays it out: every style it lists must find its
// material, the styles together must show what the program can do, and a second run must keep
// what the first one made.
std::string make_demo(const TempDir& dir) {
  const std::filesystem::path bin = HALVORIN_MATERIAL_BIN;
  const std::string build = bin.parent_path().parent_path().string();
  auto r = testing::run_command("sh " + std::string(HALVORIN_SOURCE_DIR) +
                                "/scripts/make-demo.sh '" + build + "' '" + dir.file("demo") + "'");
  EXPECT_EQ(r.status, 0) << r.err;
  return dir.file("demo");
}

TEST(DemoDirectory, EveryListedStyleFindsItsMaterialAndASecondRunKeepsThem) {
  if (!std::filesystem::exists(HALVORIN_MATERIAL_BIN)) GTEST_SKIP() << "no material generator";
  TempDir dir;
  const std::string demo = make_demo(dir);
  auto list = dir.lines("demo/Specs.lst");
  ASSERT_FALSE(list.empty());
  EXPECT_EQ(list.back(), "Enter New Specs");
  // Together the styles show every sectoring, layout, type setting and level.
  std::set<std::string> shown;
  for (std::string style : list) {
    if (style == "Enter New Specs") style = "New";
    const StyleValues s = read_style_file(demo + "/" + style + ".spe");
    shown.insert({std::string("sec ") + s.SEC1, std::string("out ") + s.OUT,
                  std::string("fixed ") + s.SETSPC, std::string("level ") + s.LG});
    if (s.IPC != 50) shown.insert("IPC");
    // The program's own material check finds every file the style reads, sectors its range and
    // finds nothing to report: the steps of the README.
    auto r = testing::run_command(testing::shell_word(HALVORIN_BIN) + " -C " +
                                  testing::shell_word(demo) + " --check-material " + style);
    EXPECT_EQ(r.status, 0) << r.out << r.err;
    EXPECT_NE(r.out.find(style + ".spe: "), std::string::npos) << r.out << r.err;
  }
  for (const char* s : {"sec C", "sec V", "sec Q", "out C", "out P", "out T", "fixed Y", "fixed N",
                        "level L", "IPC"})
    EXPECT_TRUE(shown.count(s)) << s;

  const std::vector<std::string> edited = {"Weekly", "Enter New Specs"};
  replace_file(demo + "/Specs.lst", edited);
  replace_file(demo + "/Acts.a", {" 1: 1\tWho is kept?\tThis line"});
  make_demo(dir);
  EXPECT_EQ(dir.lines("demo/Specs.lst"), edited);
  EXPECT_EQ(dir.lines("demo/Acts.a").size(), 1u);
}

}  // namespace
}  // namespace halvorin
