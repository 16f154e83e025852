// File faults in whole scripted runs: the n-th open, write, flush or rename fails, the disk fills
// up, or a name the program must write is taken by a folder. Every such run ends with one clear
// message naming the file and exit status 2, and leaves every file either as it was before the
// run or exactly as a run without the fault writes it: never half-written, no temporary left.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <set>

#include "support/harness.hpp"

namespace halvorin {
namespace {

using testing::run_command;
using testing::RunResult;
using testing::TempDir;
namespace fs = std::filesystem;

// A whole pass on the demo style: the form saved, patterns, counts, sectoring, 25 quizzes, the
// packet, no printing, then Exit.
const char* const kWholeRun = "Enter Esc 7*Enter Enter 4*Enter \"n\" Up Enter";
// Deleting a style from the list, then Exit.
const char* const kDelete = "Down \"D\" Up Enter";

using Files = std::map<std::string, std::string>;

std::string slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

Files snapshot(const std::string& dir) {
  Files m;
  for (const auto& e : fs::directory_iterator(dir)) {
    std::string name = e.path().filename().string();
    m[name] = e.is_regular_file() ? slurp(e.path()) : "<folder>";
  }
  return m;
}

std::string shell_quote(const std::string& s) { return "'" + s + "'"; }

ino_t inode(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 ? st.st_ino : 0;
}

// A working folder with the demo styles and small generated material, after one whole run, so
// there is an earlier packet, count file and used-question list to keep whole.
struct Workshop {
  Workshop() {
    testing::copy_demo(base);
    testing::generate_material(base, "small", 1);
    RunResult first = testing::run_halvorin(base, kWholeRun, {"--seed", "3"});
    EXPECT_EQ(first.status, 0) << first.err;
    before = snapshot(base.path());
  }
  // A fresh copy of the folder as it was before the run.
  void lay_out(const TempDir& dir) const {
    for (const auto& [name, text] : before) dir.write(name, text);
  }
  // Runs `keys` in a fresh copy, with a shell prefix (environment, limits) before the program.
  // `replaced`, when given, receives the names of the files the run renamed into place.
  std::pair<RunResult, Files> run(const std::string& keys, const std::string& prefix,
                                  const std::function<void(const TempDir&)>& prepare = {},
                                  std::set<std::string>* replaced = nullptr) const {
    TempDir dir;
    lay_out(dir);
    if (prepare) prepare(dir);
    std::map<std::string, ino_t> inodes;
    for (const auto& [name, text] : before) inodes[name] = inode(dir.file(name));
    TempDir scratch;
    scratch.write("keys", keys);
    RunResult r = run_command(prefix + " " + HALVORIN_BIN + " -C " + shell_quote(dir.path()) +
                              " --keys " + shell_quote(scratch.file("keys")) + " --seed 3");
    Files after = snapshot(dir.path());
    if (replaced)
      for (const auto& [name, ino] : inodes)
        if (fs::exists(dir.file(name)) && inode(dir.file(name)) != ino) replaced->insert(name);
    fs::permissions(dir.path(), fs::perms::owner_all, fs::perm_options::add);
    return {r, after};
  }
  TempDir base;
  Files before;
};

// Each file is as it was, or as the run without the fault left it; no temporary file is left.
// The notes scratch file, which a pass makes anew, may hold any part of its notes.
void expect_whole(const Files& after, const Files& before, const Files& reference,
                  const std::string& label) {
  static const std::regex tmp_re(R"(.*\.tmp[0-9]+$)");
  for (const auto& [name, text] : after) {
    EXPECT_FALSE(std::regex_match(name, tmp_re)) << label << ": temporary file left: " << name;
    if (name == "temp.txt") continue;
    auto b = before.find(name);
    auto r = reference.find(name);
    bool as_before = b != before.end() && b->second == text;
    bool as_reference = r != reference.end() && r->second == text;
    // The hand-over file is written twice in a run: the style's name, then "Exit".
    bool hand_over_step = name == "temp2.txt" && text == "Weekly\r\n";
    EXPECT_TRUE(as_before || as_reference || hand_over_step)
        << label << ": " << name << " is neither its old nor its new content (" << text.size()
        << " bytes)";
  }
  for (const auto& [name, text] : before)
    EXPECT_TRUE(after.count(name)) << label << ": " << name << " was lost";
}

void expect_clear_failure(const RunResult& r, const std::string& label) {
  EXPECT_EQ(r.status, 2) << label << "\n" << r.err;
  static const std::regex message(R"(^halvorin: [^:\n]+:[0-9]+: [^\n]+\n$)");
  EXPECT_TRUE(std::regex_match(r.err, message)) << label << ": " << r.err;
}

class Faults : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { shop_ = new Workshop(); }
  static void TearDownTestSuite() {
    delete shop_;
    shop_ = nullptr;
  }
  static inline Workshop* shop_ = nullptr;
};

// Runs `keys` with the n-th file operation failing, for a sample of n up to the run's last
// operation: every one of the first 40, then a widening spread, then the last few.
int inject_through(const Workshop& shop, const std::string& keys) {
  // Plain references, not a structured binding: the lambda below captures the files.
  const auto first_run = shop.run(keys, "");
  const RunResult& ref = first_run.first;
  const Files& reference = first_run.second;
  EXPECT_EQ(ref.status, 0) << ref.err;
  int injected = 0;
  auto faulted = [&](long n) {
    auto [r, files] = shop.run(keys, "HALVORIN_FAULT_AT=" + std::to_string(n));
    std::string label = "fault at operation " + std::to_string(n);
    if (r.status == 0) return false;
    ++injected;
    expect_clear_failure(r, label);
    expect_whole(files, shop.before, reference, label);
    return true;
  };
  long n = 1;
  for (; n <= 40; ++n)
    if (!faulted(n)) return injected;
  long last_hit = n - 1;
  long miss = 0;
  for (long step = 20; miss == 0; step = step * 3 / 2) {
    n = last_hit + step;
    if (faulted(n))
      last_hit = n;
    else
      miss = n;
    if (::testing::Test::HasFailure()) return injected;
  }
  // The last operation of the run lies between last_hit and miss.
  while (miss - last_hit > 1) {
    long mid = (last_hit + miss) / 2;
    (faulted(mid) ? last_hit : miss) = mid;
  }
  for (long k = std::max(last_hit - 6, 41L); k < last_hit; ++k) faulted(k);
  std::cout << "file operations in the run: " << last_hit << "\n";
  return injected;
}

TEST_F(Faults, FailingFileOperationsThroughAWholeRunAreReportedAndLeaveFilesWhole) {
  int injected = inject_through(*shop_, kWholeRun);
  std::cout << "faults injected in a whole run: " << injected << "\n";
  EXPECT_GT(injected, 50);
}

TEST_F(Faults, FailuresWhileDeletingAStyleKeepTheStyleList) {
  int injected = inject_through(*shop_, kDelete);
  std::cout << "faults injected while deleting a style: " << injected << "\n";
  EXPECT_GE(injected, 3);
}

TEST_F(Faults, AFailedRenameLeavesTheOldFileInPlace) {
  auto [ref, reference] = shop_->run(kWholeRun, "");
  ASSERT_EQ(ref.status, 0);
  std::set<std::string> all;
  auto [beyond, unused] = shop_->run(kWholeRun, "HALVORIN_FAULT_AT=8192", {}, &all);
  ASSERT_EQ(beyond.status, 0) << "the run has more file operations than the search covers";
  // Files that hold the user's work or the run's results, each replaced by renaming.
  for (const char* name :
       {"Weekly.spe", "pat.txt", "count.59B", "Weekly.inf", "Weekly.qui", "temp2.txt"}) {
    ASSERT_TRUE(all.count(name)) << name << " is not replaced in a whole run";
    // With the n-th operation failing, the file has been renamed into place exactly when its
    // rename came before n: the smallest such n is one past the rename.
    long lo = 1, hi = 8192;
    while (hi - lo > 1) {
      long mid = (lo + hi) / 2;
      std::set<std::string> replaced;
      shop_->run(kWholeRun, "HALVORIN_FAULT_AT=" + std::to_string(mid), {}, &replaced);
      (replaced.count(name) ? hi : lo) = mid;
    }
    const long rename_at = hi - 1;
    std::set<std::string> replaced;
    auto [r, files] =
        shop_->run(kWholeRun, "HALVORIN_FAULT_AT=" + std::to_string(rename_at), {}, &replaced);
    std::string label = std::string("failed rename of ") + name;
    expect_clear_failure(r, label);
    EXPECT_NE(r.err.find(std::string(name) + ":0: cannot replace the file"), std::string::npos)
        << label << ": " << r.err;
    // The reason given is a failure, never "Success" left over from an earlier call.
    EXPECT_EQ(r.err.find("Success"), std::string::npos) << label << ": " << r.err;
    EXPECT_FALSE(replaced.count(name)) << label;
    EXPECT_EQ(files[name], shop_->before.at(name)) << label;
    expect_whole(files, shop_->before, reference, label);
  }
}

TEST_F(Faults, AFullDiskEndsTheRunCleanly) {
  auto [ref, reference] = shop_->run(kWholeRun, "");
  ASSERT_EQ(ref.status, 0);
  int failed = 0;
  // File size limits (KB) that stop the count file, the packet or the used-question list.
  for (int kb : {1, 8, 24, 48, 96}) {
    std::string label = "file size limit " + std::to_string(kb) + " KB";
    auto [r, files] = shop_->run(kWholeRun, "trap '' XFSZ; ulimit -f " + std::to_string(kb) + ";");
    if (r.status == 0) continue;
    ++failed;
    expect_clear_failure(r, label);
    EXPECT_NE(r.err.find("too large"), std::string::npos) << label << ": " << r.err;
    expect_whole(files, shop_->before, reference, label);
  }
  EXPECT_GE(failed, 3);
}

TEST_F(Faults, ANameTakenByAFolderIsReportedAndNothingElseIsLost) {
  auto [ref, reference] = shop_->run(kWholeRun, "");
  ASSERT_EQ(ref.status, 0);
  // Each of these is written in a whole run; a folder in its place cannot be replaced.
  for (const char* name : {"Weekly.spe", "pat.txt", "count.59B", "Weekly.qui", "Weekly.inf",
                           "temp2.txt", "temp.txt"}) {
    std::string label = std::string("folder named ") + name;
    auto [r, files] = shop_->run(kWholeRun, "", [&](const TempDir& dir) {
      dir.remove(name);
      fs::create_directory(dir.file(name));
    });
    expect_clear_failure(r, label);
    EXPECT_NE(r.err.find(name), std::string::npos) << label << ": " << r.err;
    Files before = shop_->before;
    before[name] = "<folder>";
    expect_whole(files, before, reference, label);
  }
}

TEST_F(Faults, AWorkingFolderThatCannotBeWrittenIsReported) {
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not stop root; the folder case covers it";
  auto [ref, reference] = shop_->run(kWholeRun, "");
  auto [r, files] = shop_->run(kWholeRun, "", [](const TempDir& dir) {
    fs::permissions(dir.path(),
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
  });
  expect_clear_failure(r, "read-only folder");
  expect_whole(files, shop_->before, reference, "read-only folder");
}

}  // namespace
}  // namespace halvorin
