// The sample material generator, run as the program it is: the files it writes must be read by
// the program's own counting, keep within the tables' room, suit the writers, and have each
// profile's shape.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <map>
#include <memory>
#include <set>

#include "material/counts.hpp"
#include "material/interrogative.hpp"
#include "support/harness.hpp"

namespace halvorin {
namespace {

using testing::TempDir;

constexpr std::array<int, 28> kVerses = {26, 47, 26, 37, 42, 15, 60, 40, 43, 48, 30, 25, 52, 28,
                                         41, 40, 34, 28, 41, 38, 40, 30, 35, 27, 27, 32, 44, 31};
const char* const kPercents[] = {"51", "52", "53", "57", "58", "59", "60", "68", "69", "70",
                                 "78", "79", "80", "88", "89", "90", "97", "98", "99", "00"};

enum class Kind { Regular, Ftv, Cv, Co, Sit };

struct QuestionFile {
  std::string name;
  Kind kind;
  bool reduced;
};

std::vector<QuestionFile> question_files() {
  std::vector<QuestionFile> files;
  for (bool reduced : {false, true}) {
    std::string pre = reduced ? "LL" : "";
    for (const char* x : {"a", "b", "c"})
      files.push_back({pre + "Acts." + x, Kind::Regular, reduced});
    for (const char* dd : kPercents) files.push_back({pre + "FTV." + dd, Kind::Ftv, reduced});
    for (const char* x : {"b", "c"}) {
      files.push_back({pre + "cv." + x, Kind::Cv, reduced});
      files.push_back({pre + "co." + x, Kind::Co, reduced});
    }
    files.push_back({reduced ? "llsit.txt" : "SIT.TXT", Kind::Sit, reduced});
  }
  return files;
}

bool skip_without_generator() { return !std::filesystem::exists(HALVORIN_MATERIAL_BIN); }

// One generated set per profile and seed, shared by the tests of this program.
const TempDir& material(const std::string& profile, int seed = 1) {
  static std::map<std::pair<std::string, int>, std::unique_ptr<TempDir>> sets;
  auto& slot = sets[{profile, seed}];
  if (!slot) {
    slot = std::make_unique<TempDir>();
    testing::generate_material(*slot, profile, seed);
  }
  return *slot;
}

// Counts a question file with the program's own reader, which refuses lines out of layout, range
// or order; each line's text must also suit the writers of its kind.
CountTable read_back(const TempDir& dir, const QuestionFile& f, int* long_lines) {
  CountTable counts;
  TextReader in(dir.file(f.name));
  EXPECT_NO_THROW(count_question_file(in, counts)) << f.name;
  EXPECT_TRUE(dir.read(f.name).ends_with("\r\n")) << f.name;
  const bool long_kind = f.kind == Kind::Ftv || f.kind == Kind::Sit;
  for (const std::string& line : dir.lines(f.name)) {
    const std::string where = f.name + ": |" + line + "|";
    // Blank runs would end a text early for the writers; the text ends where the line does.
    EXPECT_EQ(line.find("  "), std::string::npos) << where;
    EXPECT_NE(line.back(), ' ') << where;
    EXPECT_LE(line.size(), long_kind ? 508u : 254u) << where;
    *long_lines += line.size() > 254;
    const std::string text = line.substr(6);
    const auto tabs = std::count(text.begin(), text.end(), '\t');
    if (f.kind == Kind::Regular) {
      EXPECT_TRUE(tabs <= 1 && text[0] != '\t') << where;
    } else if (f.kind == Kind::Cv || f.kind == Kind::Co) {
      EXPECT_EQ(text.substr(0, 3), f.kind == Kind::Cv ? "CV\t" : "CO\t") << where;
      EXPECT_EQ(tabs, 1) << where;
    } else if (f.kind == Kind::Ftv) {
      // A label of at most five letters (a quotation's is five, so its verse begins in column
      // 13), the type letter in column 9 or "VR", and a verse of at least six words.
      const std::string label = text.substr(0, text.find('\t'));
      const std::string type = line.substr(8, 2) == "VR" ? "VR" : line.substr(8, 1);
      EXPECT_TRUE(tabs == 1 && label.size() <= 5 && (label[0] != 'Q' || label.size() == 5))
          << where;
      EXPECT_TRUE(type == "VR" || (type[0] >= 'a' && type[0] <= 'e')) << where;
      EXPECT_GE(std::count(text.begin(), text.end(), ' '), 5) << where;
    } else {
      // A quotation opened after a blank and closed, then the answer after an asterisk.
      const size_t quote = text.find_first_of("\"'");
      const size_t closing = quote == std::string::npos ? quote : text.find(text[quote], quote + 1);
      const size_t star = text.find('*');
      EXPECT_TRUE(tabs == 0 && quote != 0 && closing != std::string::npos) << where;
      EXPECT_TRUE(quote == std::string::npos || text[quote - 1] == ' ') << where;
      EXPECT_TRUE(star != std::string::npos && star > closing && star + 1 < text.size()) << where;
    }
  }
  return counts;
}

int chapter_total(const CountTable& counts, int c) {
  int t = 0;
  for (int v = 1; v <= VMAX; ++v) t += counts(c, v);
  return t;
}

class EveryProfile : public ::testing::TestWithParam<const char*> {};

TEST_P(EveryProfile, FilesReadBackInLayoutOrderAndWithinTheTables) {
  if (skip_without_generator()) GTEST_SKIP() << "no material generator";
  const TempDir& dir = material(GetParam());

  std::set<std::string> expected = {"Verses.txt"};
  for (auto& f : question_files()) expected.insert(f.name);
  std::set<std::string> found;
  for (auto& e : std::filesystem::directory_iterator(dir.path()))
    found.insert(e.path().filename().string());
  EXPECT_EQ(found, expected);

  std::vector<std::string> verse_lines;
  for (int n : kVerses) verse_lines.push_back(std::to_string(n));
  EXPECT_EQ(dir.lines("Verses.txt"), verse_lines);

  for (auto& f : question_files()) {
    int long_lines = 0;
    const CountTable counts = read_back(dir, f, &long_lines);
    if (f.kind == Kind::Ftv || f.kind == Kind::Sit) {
      EXPECT_GT(long_lines, 0) << f.name;
    }
    for (int c = 1; c <= CHMAX; ++c) {
      for (int v = kVerses[static_cast<size_t>(c - 1)] + 1; v <= VMAX; ++v)
        EXPECT_EQ(counts(c, v), 0) << f.name << " no such verse " << c << ":" << v;
      // A one-chapter sector must keep within the fifty a specialty kind has room for; the
      // reduced material leaves out the chapters its level does not reach.
      if (f.kind != Kind::Regular) {
        EXPECT_LE(chapter_total(counts, c), 50) << f.name << " chapter " << c;
      }
      if (f.reduced && (c == 7 || c == 10 || c == 11 || c == 15 || c == 16)) {
        EXPECT_EQ(chapter_total(counts, c), 0) << f.name << " chapter " << c;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Profiles, EveryProfile, ::testing::Values("full", "small", "sparse"));

TEST(MaterialGenerator, SameSeedSameBytesOtherSeedOtherTexts) {
  if (skip_without_generator()) GTEST_SKIP() << "no material generator";
  TempDir again;
  testing::generate_material(again, "small", 1);
  const TempDir& first = material("small", 1);
  const TempDir& other = material("small", 2);
  for (auto& f : question_files()) {
    EXPECT_EQ(again.read(f.name), first.read(f.name)) << f.name;
    EXPECT_NE(other.read(f.name), first.read(f.name)) << f.name;
  }
  // Each primary percentage has its own file, not a copy of another.
  EXPECT_NE(first.read("FTV.51"), first.read("FTV.99"));
}

CountTable counts_of(const TempDir& dir, const std::string& name) {
  for (auto& f : question_files())
    if (f.name == name) {
      int unused = 0;
      return read_back(dir, f, &unused);
    }
  ADD_FAILURE() << "no such file " << name;
  return CountTable();
}

TEST(MaterialGenerator, ProfilesHaveTheirShapes) {
  if (skip_without_generator()) GTEST_SKIP() << "no material generator";
  // full: every verse has regular questions, about five on average; specialties fewer.
  const TempDir& full = material("full");
  for (const char* list : {"Acts.a", "Acts.b", "Acts.c"}) {
    CountTable q = counts_of(full, list);
    int total = 0;
    for (int c = 1; c <= 28; ++c)
      for (int v = 1; v <= kVerses[c - 1]; ++v) {
        EXPECT_GE(q(c, v), 3) << list << " " << c << ":" << v;
        total += q(c, v);
      }
    EXPECT_GT(total, 4 * 1007) << list;
    EXPECT_LT(total, 6 * 1007) << list;
  }
  const CountTable ftv_counts = counts_of(full, "FTV.59");
  int ftv = 0;
  for (int c = 1; c <= 28; ++c) ftv += chapter_total(ftv_counts, c);
  EXPECT_GT(ftv, 300);
  EXPECT_LT(ftv, 1007);

  // small: questions in chapters 1, 2, 3 and 13 only.
  const TempDir& small = material("small");
  for (auto& f : question_files()) {
    CountTable q = counts_of(small, f.name);
    for (int c = 1; c <= 28; ++c) {
      bool kept = c == 1 || c == 2 || c == 3 || c == 13;
      if (!kept) {
        EXPECT_EQ(chapter_total(q, c), 0) << f.name << " chapter " << c;
      } else if (f.kind == Kind::Regular) {
        EXPECT_GT(chapter_total(q, c), 0) << f.name << " chapter " << c;
      }
    }
  }

  // sparse: the empty stretches and chapters the warnings and the verse walk need.
  const TempDir& sparse = material("sparse");
  const std::vector<std::pair<std::string, std::vector<int>>> absent = {
      {"SIT.TXT", {2, 5}}, {"cv.b", {3}}, {"co.c", {4}}, {"FTV.59", {6}}, {"LLcv.b", {3}}};
  for (auto& [name, chapters] : absent) {
    CountTable q = counts_of(sparse, name);
    for (int c : chapters) EXPECT_EQ(chapter_total(q, c), 0) << name << " chapter " << c;
    EXPECT_GT(chapter_total(q, 1) + chapter_total(q, 9), 0) << name;
  }
  for (const char* list : {"Acts.a", "LLActs.b"}) {
    CountTable q = counts_of(sparse, list);
    int empty = 0;
    for (int c = 1; c <= 28; ++c)
      for (int v = 1; v <= kVerses[c - 1]; ++v) empty += q(c, v) == 0;
    EXPECT_GT(empty, 300) << list;
    for (int v = 10; v <= 16; ++v) EXPECT_EQ(q(8, v), 0) << list << " 8:" << v;
    for (int v = 5; v <= 8; ++v) EXPECT_EQ(q(12, v), 0) << list << " 12:" << v;
    EXPECT_EQ(q(1, 1) + q(1, 2), 0) << list;
    EXPECT_GT(chapter_total(q, 6), 0) << list;
    EXPECT_LE(chapter_total(q, 6), 8) << list;
  }
}

// Regular questions are a mix: interrogative openings, the openings the index turns back off
// ("When the", "What God"), and others, most with an answer after a tab.
TEST(MaterialGenerator, RegularQuestionsMixInterrogativesExceptionsAndOthers) {
  if (skip_without_generator()) GTEST_SKIP() << "no material generator";
  const TempDir& full = material("full");
  int questions = 0, interrogative = 0, turned_off = 0, answered = 0;
  for (const char* list : {"Acts.a", "Acts.b", "Acts.c"})
    for (const std::string& line : full.lines(list)) {
      bool is_int = is_interrogative(line);
      ++questions;
      interrogative += is_int;
      turned_off +=
          !is_int && (line.compare(6, 5, "When ") == 0 || line.compare(6, 5, "What ") == 0);
      answered += line.find('\t', 6) != std::string::npos;
    }
  EXPECT_GT(interrogative, questions * 2 / 5);
  EXPECT_LT(interrogative, questions * 4 / 5);
  EXPECT_GT(turned_off, 100);
  EXPECT_GT(answered, questions * 9 / 10);
  // A few carets, which the writers print as asterisks.
  for (const char* name : {"Acts.a", "FTV.59", "SIT.TXT"})
    EXPECT_NE(full.read(name).find('^'), std::string::npos) << name;
}

TEST(MaterialGenerator, CommandLine) {
  if (skip_without_generator()) GTEST_SKIP() << "no material generator";
  const std::string bin = HALVORIN_MATERIAL_BIN;
  auto help = testing::run_command(bin + " --help");
  EXPECT_EQ(help.status, 0);
  for (const char* word : {"--out", "--seed", "--profile", "full", "small", "sparse", "LLFTV"})
    EXPECT_NE(help.out.find(word), std::string::npos) << word;

  TempDir dir;
  const std::string out = " --out " + dir.path() + "/m";
  for (const std::string& bad :
       {out + " --profile huge", std::string(" --seed 3"), out + " --seed x", out + " --seed"}) {
    auto r = testing::run_command(bin + bad);
    EXPECT_EQ(r.status, 64) << bad;
    EXPECT_NE(r.err.find("halvorin-material:"), std::string::npos) << bad;
  }
  EXPECT_FALSE(dir.exists("m"));
  // A folder that cannot be made is a file error, not a success.
  dir.write("plain", "x");
  auto r = testing::run_command(bin + " --out " + dir.path() + "/plain/sub");
  EXPECT_EQ(r.status, 2);
}

}  // namespace
}  // namespace halvorin
