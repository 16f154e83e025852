// File faults in whole scripted runs: the n-th open, write, flush or rename fails, the disk fills
// up, or a name the program must write is taken by a folder. Every such run ends with one clear
// message naming the file and exit status 2, and leaves every file either as it was before the
// run or exactly as a run without the fault writes it: never half-written, no temporary left.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <thread>

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

Files snapshot(const TempDir& dir) {
  Files m;
  for (const auto& e : fs::directory_iterator(dir.path()))
    m[e.path().filename()] = e.is_regular_file() ? dir.read(e.path().filename()) : "<folder>";
  return m;
}

ino_t inode(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 ? st.st_ino : 0;
}

// A working folder with the demo styles and small generated material, after one whole run, so
// there is an earlier packet, count file and used-question list to keep whole.
struct Workshop {
  // `layout`: the packet layout of the demo style (P pages, C cards, T tab-separated lines).
  explicit Workshop(char layout = 'P') {
    testing::copy_demo(base);
    testing::generate_material(base, "small", 1);
    if (layout != 'P') {
      std::vector<std::string> style = base.lines("Weekly.spe");
      style[5] = std::string(1, layout);
      base.write_lines("Weekly.spe", style);
    }
    RunResult first = testing::run_halvorin(base, kWholeRun, {"--seed", "3"});
    EXPECT_EQ(first.status, 0) << first.err;
    before = snapshot(base);
  }
  // Runs `keys` in a fresh copy of the folder as it was before the run, with a shell prefix
  // (environment, limits) before the program. `replaced`, when given, receives the names of the
  // files the run renamed into place.
  std::pair<RunResult, Files> run(const std::string& keys, const std::string& prefix,
                                  const std::function<void(const TempDir&)>& prepare = {},
                                  std::set<std::string>* replaced = nullptr) const {
    TempDir dir;
    for (const auto& [name, text] : before) dir.write(name, text);
    if (prepare) prepare(dir);
    std::map<std::string, ino_t> inodes;
    for (const auto& [name, text] : before) inodes[name] = inode(dir.file(name));
    TempDir scratch;
    scratch.write("keys", keys);
    RunResult r = run_command(prefix + " " + HALVORIN_BIN + " -C '" + dir.path() + "' --keys '" +
                              scratch.file("keys") + "' --seed 3");
    Files after = snapshot(dir);
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

// Runs `keys` with a shell prefix (HALVORIN_FAULT_AT=N, limits) and a preparation; unless the
// run ends well, expects one clear message, status 2, and every file whole. `folder` names a file
// the preparation replaced by a folder.
RunResult faulted(const Workshop& shop, const std::string& keys, const std::string& prefix,
                  const Files& reference, const std::function<void(const TempDir&)>& prepare = {},
                  const std::string& folder = "") {
  auto [r, files] = shop.run(keys, prefix, prepare);
  if (r.status == 0) return r;
  const std::string label = prefix + " " + folder;
  static const std::regex message(R"(^halvorin: [^:\n]+:[0-9]+: [^\n]+\n$)");
  EXPECT_EQ(r.status, 2) << label << "\n" << r.err;
  EXPECT_TRUE(std::regex_match(r.err, message)) << label << ": " << r.err;
  Files before = shop.before;
  if (!folder.empty()) before[folder] = "<folder>";
  expect_whole(files, before, reference, label);
  return r;
}

std::string fault_at(long n) { return "HALVORIN_FAULT_AT=" + std::to_string(n); }

// The number of file operations of a run: a fault past the last one lets it end well.
long operations(const Workshop& shop, const std::string& keys) {
  long lo = 1, hi = 1L << 16;
  EXPECT_EQ(shop.run(keys, fault_at(hi)).first.status, 0);
  while (hi - lo > 1) {
    const long mid = (lo + hi) / 2;
    (shop.run(keys, fault_at(mid)).first.status == 0 ? hi : lo) = mid;
  }
  return lo;
}

class Faults : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    shop_ = new Workshop();
    reference_ = shop_->run(kWholeRun, "").second;
  }
  static void TearDownTestSuite() {
    delete shop_;
    shop_ = nullptr;
  }
  static inline Workshop* shop_ = nullptr;
  static inline Files reference_;
};

// The n-th file operation fails, for every one of the first 40, a widening spread, and the last
// few of the run.
TEST_F(Faults, FailingFileOperationsAreReportedAndLeaveFilesWhole) {
  for (const char* keys : {kWholeRun, kDelete}) {
    const Files reference = keys == kWholeRun ? reference_ : shop_->run(keys, "").second;
    const long last = operations(*shop_, keys);
    std::cout << "file operations in the run: " << last << "\n";
    EXPECT_GE(last, keys == kWholeRun ? 50 : 3);
    auto next = [&](long n) {
      return n < 40 || n >= last - 6 ? n + 1 : std::min(n * 3 / 2, last - 6);
    };
    for (long n = 1; n <= last && !HasFailure(); n = next(n))
      EXPECT_EQ(faulted(*shop_, keys, fault_at(n), reference).status, 2);
  }
}

TEST_F(Faults, AFailedRenameLeavesTheOldFileInPlace) {
  std::set<std::string> all;
  ASSERT_EQ(shop_->run(kWholeRun, fault_at(8192), {}, &all).first.status, 0)
      << "the run has more file operations than the search covers";
  // Files that hold the user's work or the run's results, each replaced by renaming.
  for (const char* name :
       {"Weekly.spe", "pat.txt", "count.59B", "Weekly.inf", "Weekly.qui", "temp2.txt"}) {
    ASSERT_TRUE(all.count(name)) << name << " is not replaced in a whole run";
    // With the n-th operation failing, the file has been renamed into place exactly when its
    // rename came before n: the smallest such n is one past the rename.
    long lo = 1, hi = 8192;
    while (hi - lo > 1) {
      const long mid = (lo + hi) / 2;
      std::set<std::string> replaced;
      shop_->run(kWholeRun, fault_at(mid), {}, &replaced);
      (replaced.count(name) ? hi : lo) = mid;
    }
    std::set<std::string> replaced;
    auto [r, files] = shop_->run(kWholeRun, fault_at(hi - 1), {}, &replaced);
    EXPECT_NE(r.err.find(std::string(name) + ":0: cannot replace the file"), std::string::npos)
        << name << ": " << r.err;
    // The reason given is a failure, never "Success" left over from an earlier call.
    EXPECT_EQ(r.err.find("Success"), std::string::npos) << r.err;
    EXPECT_FALSE(replaced.count(name)) << name;
    EXPECT_EQ(files[name], shop_->before.at(name)) << name;
    EXPECT_EQ(r.status, 2);
    expect_whole(files, shop_->before, reference_, name);
  }
}

// A full disk (file size limits in KB that stop the count file, the packet or the used-question
// list), a name the program writes taken by a folder, a folder that cannot be written.
TEST_F(Faults, FullDiskTakenNamesAndAReadOnlyFolderEndTheRunCleanly) {
  int failed = 0;
  for (int kb : {1, 8, 24, 48, 96}) {
    RunResult r = faulted(*shop_, kWholeRun, "trap '' XFSZ; ulimit -f " + std::to_string(kb) + ";",
                          reference_);
    failed += r.status != 0;
    EXPECT_TRUE(r.status == 0 || r.err.find("too large") != std::string::npos) << r.err;
  }
  EXPECT_GE(failed, 3);
  for (const std::string name : {"Weekly.spe", "pat.txt", "count.59B", "Weekly.qui", "Weekly.inf",
                                 "temp2.txt", "temp.txt"}) {
    const auto taken = [&](const TempDir& dir) {
      dir.remove(name);
      fs::create_directory(dir.file(name));
    };
    RunResult r = faulted(*shop_, kWholeRun, "", reference_, taken, name);
    EXPECT_NE(r.err.find(name), std::string::npos) << name << ": " << r.err;
  }
  if (::geteuid() == 0) return;  // permissions do not stop root; the folders above cover it
  EXPECT_EQ(faulted(*shop_, kWholeRun, "", reference_,
                    [](const TempDir& dir) {
                      fs::permissions(
                          dir.path(),
                          fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                          fs::perm_options::remove);
                    })
                .status,
            2);
}

// Every file operation of a whole pass fails in turn, in each packet layout: thousands of runs,
// so only `make faults` runs it (HALVORIN_ALL_FAULTS=JOBS, the runs made at once;
// HALVORIN_FAULT_LAYOUTS picks layouts, all three by default).
TEST(AllFaults, EveryFileOperationOfAWholePassInEachLayout) {
  const char* jobs_text = std::getenv("HALVORIN_ALL_FAULTS");
  if (!jobs_text) GTEST_SKIP() << "a long run: make faults";
  const int jobs = std::max(1, std::atoi(jobs_text));
  const char* layouts = std::getenv("HALVORIN_FAULT_LAYOUTS");
  for (char layout : std::string(layouts && *layouts ? layouts : "PCT")) {
    const auto start = std::chrono::steady_clock::now();
    Workshop shop(layout);
    const Files reference = shop.run(kWholeRun, "").second;
    const long last = operations(shop, kWholeRun);
    std::atomic<long> next = 1, failed = 0;
    auto worker = [&] {
      for (long n; (n = next++) <= last && !::testing::Test::HasFailure();)
        failed += faulted(shop, kWholeRun, fault_at(n), reference).status != 0;
    };
    std::vector<std::thread> threads;
    for (int j = 0; j < jobs; ++j) threads.emplace_back(worker);
    for (std::thread& t : threads) t.join();
    const auto seconds =
        std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - start)
            .count();
    std::cout << "layout " << layout << ": " << last << " file operations, " << failed
              << " faulted runs ended with exit 2, " << seconds << " s with " << jobs << " at once"
              << std::endl;
    EXPECT_EQ(failed, last);
  }
}

}  // namespace
}  // namespace halvorin
