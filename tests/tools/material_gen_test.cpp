// The sample material generator, run as the program it is: invariants over whole generated sets.
// Every file is read back with the program's own counting (which refuses lines out of layout,
// range or order) and must keep within the tables' room and have its profile's shape.
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

struct QuestionFile {
  std::string name;
  char kind;  // R regular, F FTV, C CV Ref, O CO Ref, S SIT
  bool reduced;
};

std::vector<QuestionFile> question_files() {
  std::vector<QuestionFile> files;
  for (bool reduced : {false, true}) {
    const std::string pre = reduced ? "LL" : "";
    for (const char* x : {"a", "b", "c"}) files.push_back({pre + "Acts." + x, 'R', reduced});
    for (const char* dd : {"51", "52", "53", "57", "58", "59", "60", "68", "69", "70",
                           "78", "79", "80", "88", "89", "90", "97", "98", "99", "00"})
      files.push_back({pre + "FTV." + dd, 'F', reduced});
    for (const char* x : {"b", "c"}) {
      files.push_back({pre + "cv." + x, 'C', reduced});
      files.push_back({pre + "co." + x, 'O', reduced});
    }
    files.push_back({reduced ? "llsit.txt" : "SIT.TXT", 'S', reduced});
  }
  return files;
}

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

class EveryProfile : public ::testing::TestWithParam<const char*> {};

TEST_P(EveryProfile, FilesReadBackWithinTheTablesInTheirProfilesShape) {
  if (!std::filesystem::exists(HALVORIN_MATERIAL_BIN)) GTEST_SKIP() << "no material generator";
  const std::string profile = GetParam();
  const TempDir& dir = material(profile);
  std::set<std::string> expected = {"Verses.txt"}, found;
  for (auto& f : question_files()) expected.insert(f.name);
  for (auto& e : std::filesystem::directory_iterator(dir.path()))
    found.insert(e.path().filename().string());
  EXPECT_EQ(found, expected);
  std::string verses;
  for (int n : kVerses) verses += std::to_string(n) + "\r\n";
  EXPECT_EQ(dir.read("Verses.txt"), verses);

  // Long texts and marked words, counted over every FTV and SIT file of the set.
  int long_lines = 0, specialty_lines = 0, marked = 0;
  for (auto& f : question_files()) {
    CountTable q;
    TextReader in(dir.file(f.name));
    EXPECT_NO_THROW(count_question_file(in, q)) << f.name;
    EXPECT_TRUE(dir.read(f.name).ends_with("\r\n")) << f.name;
    const bool long_kind = f.kind == 'F' || f.kind == 'S';
    for (const std::string& line : dir.lines(f.name)) {
      // Blank runs would end a text early for the writers; the text ends where the line does.
      EXPECT_TRUE(line.find("  ") == std::string::npos && line.back() != ' ') << f.name << line;
      EXPECT_LE(line.size(), long_kind ? 508u : 254u) << f.name << line;
      long_lines += line.size() > 254;
      specialty_lines += long_kind;
      marked += f.kind == 'F' && line.find('^') != std::string::npos;
    }
    for (int c = 1; c <= CHMAX; ++c) {
      const int last = kVerses[size_t(c - 1)];
      int total = 0, thin = 0, beyond = 0;
      for (int v = 1; v <= VMAX; ++v) {
        total += q(c, v);
        thin += v <= last && q(c, v) < 3;
        beyond += v > last && q(c, v) > 0;
      }
      const std::string where = f.name + " chapter " + std::to_string(c);
      EXPECT_EQ(beyond, 0) << where << ": questions past the last verse";
      // A one-chapter sector must keep within the fifty a specialty kind has room for; the
      // reduced material leaves out the chapters its level does not reach; the small profile
      // has questions in chapters 1, 2, 3 and 13 only, the full one 3 or more at every verse.
      const bool absent = f.reduced && (c == 7 || c == 10 || c == 11 || c == 15 || c == 16);
      const bool kept = c == 1 || c == 2 || c == 3 || c == 13;
      EXPECT_TRUE(f.kind == 'R' || total <= 50) << where << ": " << total;
      EXPECT_TRUE(!(absent || (profile == "small" && !kept)) || total == 0) << where;
      EXPECT_TRUE(!(profile == "small" && kept && f.kind == 'R') || total > 0) << where;
      EXPECT_TRUE(!(profile == "full" && f.kind == 'R' && !f.reduced) || thin == 0) << where;
    }
  }
  // About one verse in twenty runs past 254 characters, and some FTV texts mark a word with ^.
  EXPECT_GT(long_lines * 50, specialty_lines) << long_lines << " of " << specialty_lines;
  EXPECT_GT(marked, 0);
}

INSTANTIATE_TEST_SUITE_P(Profiles, EveryProfile, ::testing::Values("full", "small", "sparse"));

TEST(MaterialGenerator, SameSeedSameBytesOtherSeedOtherTexts) {
  if (!std::filesystem::exists(HALVORIN_MATERIAL_BIN)) GTEST_SKIP() << "no material generator";
  TempDir again;
  testing::generate_material(again, "small", 1);
  const TempDir &first = material("small", 1), &other = material("small", 2);
  for (auto& f : question_files()) {
    EXPECT_EQ(again.read(f.name), first.read(f.name)) << f.name;
    EXPECT_NE(other.read(f.name), first.read(f.name)) << f.name;
  }
  EXPECT_NE(first.read("FTV.51"), first.read("FTV.99"));  // each percentage its own file
}

TEST(MaterialGenerator, CommandLine) {
  if (!std::filesystem::exists(HALVORIN_MATERIAL_BIN)) GTEST_SKIP() << "no material generator";
  const std::string bin = testing::shell_word(HALVORIN_MATERIAL_BIN);
  auto help = testing::run_command(bin + " --help");
  EXPECT_EQ(help.status, 0);
  for (const char* word : {"--out", "--seed", "--profile", "full", "small", "sparse", "LLFTV"})
    EXPECT_NE(help.out.find(word), std::string::npos) << word;
  TempDir dir;
  dir.write("plain", "x");
  const std::string out = " --out " + dir.path() + "/m";
  // Usage errors exit 64 naming the program; a folder that cannot be made is a file error.
  for (auto [args, status] : {std::pair{out + " --profile huge", 64},
                              {" --seed 3", 64},
                              {out + " --seed x", 64},
                              {out + " --seed", 64},
                              {" --out " + dir.path() + "/plain/sub", 2}}) {
    auto r = testing::run_command(bin + args);
    EXPECT_EQ(r.status, status) << args;
    EXPECT_NE(r.err.find("halvorin-material:"), std::string::npos) << args;
  }
  EXPECT_FALSE(dir.exists("m"));
}

}  // namespace
}  // namespace halvorin
