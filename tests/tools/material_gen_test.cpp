// The sample material generator, run as the program it is: the files it writes must be read by
// the program's own counting, keep within the tables' room, and have each profile's shape.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <map>
#include <memory>
#include <set>

#include "material/counts.hpp"
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
// or order. The texts of each kind are checked by the program's material check in the batch tests.
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
  // full: every verse has regular questions.
  const TempDir& full = material("full");
  for (const char* list : {"Acts.a", "Acts.b", "Acts.c"}) {
    CountTable q = counts_of(full, list);
    for (int c = 1; c <= 28; ++c)
      for (int v = 1; v <= kVerses[c - 1]; ++v)
        EXPECT_GE(q(c, v), 3) << list << " " << c << ":" << v;
  }

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

  // The sparse profile's empty stretches are what the batch refusals and the sector runs need.
}

TEST(MaterialGenerator, CommandLine) {
  if (skip_without_generator()) GTEST_SKIP() << "no material generator";
  const std::string bin = testing::shell_word(HALVORIN_MATERIAL_BIN);
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
