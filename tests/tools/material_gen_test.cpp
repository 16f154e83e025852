// The sample material generator, run as the program it is: the files it writes must read back in
// the stored line formats, keep within the tables' room, and have each profile's shape.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <map>
#include <memory>
#include <set>

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

// Questions per chapter and verse of one file: counts[c][v].
using Counts = std::array<std::array<int, 66>, 29>;

// Reads a question file back as the program's readers take it, failing the test on any line
// out of layout or out of order; returns its counts.
Counts read_back(const TempDir& dir, const QuestionFile& f, int* long_lines) {
  Counts counts{};
  for (auto& row : counts) row.fill(0);
  const std::string raw = dir.read(f.name);
  EXPECT_FALSE(raw.empty()) << f.name;
  EXPECT_EQ(raw.size() >= 2 ? raw.substr(raw.size() - 2) : "", "\r\n") << f.name;
  int last = 0, n = 0;
  for (const std::string& line : dir.lines(f.name)) {
    const std::string where = f.name + ":" + std::to_string(++n) + ": |" + line + "|";
    if (line.size() < 8) {
      ADD_FAILURE() << "short line " << where;
      continue;
    }
    EXPECT_TRUE(line[0] == ' ' || (line[0] >= '1' && line[0] <= '2')) << where;
    EXPECT_TRUE(line[3] == ' ' || (line[3] >= '1' && line[3] <= '6')) << where;
    if (!isdigit(line[1]) || line[2] != ':' || !isdigit(line[4]) || line[5] != '\t') {
      ADD_FAILURE() << "no reference " << where;
      continue;
    }
    int c = (line[0] == ' ' ? 0 : line[0] - '0') * 10 + line[1] - '0';
    int v = (line[3] == ' ' ? 0 : line[3] - '0') * 10 + line[4] - '0';
    if (c < 1 || c > 28 || v < 1 || v > kVerses[c - 1]) {
      ADD_FAILURE() << "no such verse " << where;
      continue;
    }
    EXPECT_GE(c * 100 + v, last) << "out of order: " << where;
    last = c * 100 + v;
    ++counts[c][v];
    if (f.reduced) {
      EXPECT_TRUE(c != 7 && c != 10 && c != 11 && c != 15 && c != 16) << where;
    }
    // Blank runs would end a text early for the writers; the text ends where the line does.
    EXPECT_EQ(line.find("  "), std::string::npos) << where;
    EXPECT_NE(line.back(), ' ') << where;

    const std::string text = line.substr(6);
    auto tabs = std::count(text.begin(), text.end(), '\t');
    switch (f.kind) {
      case Kind::Regular:
        EXPECT_LE(line.size(), 254u) << where;
        EXPECT_LE(tabs, 1) << where;
        EXPECT_NE(text[0], '\t') << where;
        break;
      case Kind::Cv:
      case Kind::Co:
        EXPECT_LE(line.size(), 254u) << where;
        EXPECT_EQ(text.substr(0, 3), f.kind == Kind::Cv ? "CV\t" : "CO\t") << where;
        EXPECT_EQ(tabs, 1) << where;
        EXPECT_GT(text.size(), 10u) << where;
        break;
      case Kind::Ftv: {
        EXPECT_LE(line.size(), 508u) << where;
        if (tabs != 1) {
          ADD_FAILURE() << "not one tab " << where;
          continue;
        }
        std::string label = text.substr(0, text.find('\t'));
        std::string verse = text.substr(label.size() + 1);
        EXPECT_LE(label.size(), 5u) << where;
        // The type letter in column 9, or "VR" in columns 9 and 10.
        std::string type = line.substr(8, 2) == "VR" ? "VR" : line.substr(8, 1);
        EXPECT_TRUE(type == "VR" || (type[0] >= 'a' && type[0] <= 'e')) << where;
        // A quotation's verse text begins in column 13, where the writers take it up.
        if (label[0] == 'Q') {
          EXPECT_EQ(label.size(), 5u) << where;
        }
        EXPECT_GE(std::count(verse.begin(), verse.end(), ' '), 5) << where;
        if (line.size() > 254) ++*long_lines;
        break;
      }
      case Kind::Sit: {
        EXPECT_LE(line.size(), 508u) << where;
        EXPECT_EQ(tabs, 0) << where;
        size_t quote = text.find_first_of("\"'");
        size_t closing = quote == std::string::npos ? quote : text.find(text[quote], quote + 1);
        if (quote == 0 || closing == std::string::npos) {
          ADD_FAILURE() << "no quotation " << where;
          continue;
        }
        EXPECT_EQ(text[quote - 1], ' ') << where;
        size_t star = text.find('*');
        EXPECT_GT(star, closing) << where;
        EXPECT_LT(star + 1, text.size()) << where;
        if (line.size() > 254) ++*long_lines;
        break;
      }
    }
  }
  return counts;
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
    Counts counts = read_back(dir, f, &long_lines);
    if (f.kind == Kind::Ftv || f.kind == Kind::Sit) {
      EXPECT_GT(long_lines, 0) << f.name;
    }
    for (int c = 1; c <= 28; ++c) {
      int chapter = 0;
      for (int v = 1; v <= 65; ++v) {
        EXPECT_LE(counts[c][v], 255) << f.name << " " << c << ":" << v;
        chapter += counts[c][v];
      }
      // A one-chapter sector must keep within the fifty a specialty kind has room for.
      if (f.kind != Kind::Regular) {
        EXPECT_LE(chapter, 50) << f.name << " chapter " << c;
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

Counts counts_of(const TempDir& dir, const std::string& name) {
  Counts counts{};
  for (auto& f : question_files())
    if (f.name == name) {
      int unused = 0;
      counts = read_back(dir, f, &unused);
    }
  return counts;
}

int chapter_total(const Counts& counts, int c) {
  int t = 0;
  for (int v = 1; v <= 65; ++v) t += counts[c][v];
  return t;
}

TEST(MaterialGenerator, ProfilesHaveTheirShapes) {
  if (skip_without_generator()) GTEST_SKIP() << "no material generator";
  // full: every verse has regular questions, about five on average; specialties fewer.
  const TempDir& full = material("full");
  for (const char* list : {"Acts.a", "Acts.b", "Acts.c"}) {
    Counts q = counts_of(full, list);
    int total = 0;
    for (int c = 1; c <= 28; ++c)
      for (int v = 1; v <= kVerses[c - 1]; ++v) {
        EXPECT_GE(q[c][v], 3) << list << " " << c << ":" << v;
        total += q[c][v];
      }
    EXPECT_GT(total, 4 * 1007) << list;
    EXPECT_LT(total, 6 * 1007) << list;
  }
  int ftv = 0;
  for (int c = 1; c <= 28; ++c) ftv += chapter_total(counts_of(full, "FTV.59"), c);
  EXPECT_GT(ftv, 300);
  EXPECT_LT(ftv, 1007);

  // small: questions in chapters 1, 2, 3 and 13 only.
  const TempDir& small = material("small");
  for (auto& f : question_files()) {
    Counts q = counts_of(small, f.name);
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
      {"SIT.TXT", {2, 5}}, {"cv.b", {3}},   {"cv.c", {3}},         {"co.b", {4}},
      {"co.c", {4}},       {"FTV.59", {6}}, {"llsit.txt", {2, 5}}, {"LLcv.b", {3}}};
  for (auto& [name, chapters] : absent) {
    Counts q = counts_of(sparse, name);
    for (int c : chapters) EXPECT_EQ(chapter_total(q, c), 0) << name << " chapter " << c;
    EXPECT_GT(chapter_total(q, 1) + chapter_total(q, 9), 0) << name;
  }
  for (const char* list : {"Acts.a", "LLActs.b"}) {
    Counts q = counts_of(sparse, list);
    int empty = 0;
    for (int c = 1; c <= 28; ++c)
      for (int v = 1; v <= kVerses[c - 1]; ++v) empty += q[c][v] == 0;
    EXPECT_GT(empty, 300) << list;
    for (int v = 10; v <= 16; ++v) EXPECT_EQ(q[8][v], 0) << list << " 8:" << v;
    for (int v = 5; v <= 8; ++v) EXPECT_EQ(q[12][v], 0) << list << " 12:" << v;
    EXPECT_EQ(q[1][1] + q[1][2], 0) << list;
    EXPECT_GT(chapter_total(q, 6), 0) << list;
    EXPECT_LE(chapter_total(q, 6), 8) << list;
  }
}

// The openings the interrogative index tests, and the ones it turns back off.
const char* const kOpenings[] = {
    "Is ",       "Are ",       "Can ",      "Did ",     "Who ",     "Who,",     "Why ",
    "How ",      "What ",      "What,",     "Whom ",    "Will ",    "When ",    "Where ",
    "Which ",    "Whose ",     "In wh",     "Of wh",    "On wh",    "At wh",    "To wh",
    "Off wh",    "Before wh",  "By wh",     "For wh",   "Do you",   "From wh",  "Into wh",
    "Over wh",   "Upon wh",    "With wh",   "About wh", "Among wh", "Under wh", "Across wh",
    "During wh", "Against wh", "Through wh"};
const char* const kExceptions[] = {
    "What I ",      "When I ",      "When a ",      "How true ",    "What God ",    "When this ",
    "When he ",     "When his ",    "When God",     "What seemed ", "When Apollos", "When Barnaba",
    "When Priscil", "When dayligh", "When neither", "When Jacob ",  "When Silas ",  "When they ",
    "When Paul ",   "When Saul ",   "When the ",    "When two ",    "When she ",    "When our ",
    "When all ",    "When we ",     "When Moses "};

TEST(MaterialGenerator, RegularQuestionsMixEveryOpeningExceptionAndOthers) {
  if (skip_without_generator()) GTEST_SKIP() << "no material generator";
  const TempDir& full = material("full");
  std::map<std::string, int> seen;
  int questions = 0, interrogative = 0, answered = 0;
  for (const char* list : {"Acts.a", "Acts.b", "Acts.c"})
    for (std::string line : full.lines(list)) {
      std::string t = line.substr(6);
      if (t[0] == 'w') t[0] = 'W';
      bool is_int = false;
      for (const char* o : kOpenings)
        if (t.rfind(o, 0) == 0) ++seen[o], is_int = true;
      for (const char* e : kExceptions)
        if (t.rfind(e, 0) == 0) ++seen[e], is_int = false;
      ++questions;
      interrogative += is_int;
      answered += t.find('\t') != std::string::npos;
    }
  for (const char* o : kOpenings) EXPECT_GT(seen[o], 0) << "opening |" << o << "|";
  for (const char* e : kExceptions) EXPECT_GT(seen[e], 0) << "exception |" << e << "|";
  EXPECT_GT(interrogative, questions * 2 / 5);
  EXPECT_LT(interrogative, questions * 4 / 5);
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
       {out + " --profile huge", std::string(" --seed 3"), out + " --seed -4", out + " --seed x",
        out + " --colour", out + " --seed"}) {
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
