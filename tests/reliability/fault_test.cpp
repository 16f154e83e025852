// File faults in whole scripted runs: the n-th file operation fails, the disk fills up, a name the
// program must write is taken by a folder, the folder cannot be written. Every such run ends with
// one clear message naming the file and exit status 2, and leaves every file either as it was
// before the run or exactly as a run without the fault writes it: never half-written, no
// temporary left. The cases are in cases/faults.tsv. Last, a short fixed-seed series of
// random-key runs.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <thread>

#include "keyfuzz/key_fuzz.hpp"
#include "platform/terminal.hpp"
#include "support/harness.hpp"

namespace halvorin {
namespace {

using testing::RunResult;
using testing::TempDir;
namespace fs = std::filesystem;
using Files = std::map<std::string, std::string>;

// A whole pass on the demo style: the form saved, patterns, counts, sectoring, 25 quizzes, the
// packet, no printing, then Exit; and a style deleted from the list, then Exit.
const std::map<std::string, std::string> kKeys = {
    {"whole", "Enter Esc 7*Enter Enter 4*Enter \"n\" Up Enter"}, {"delete", "Down \"D\" Up Enter"}};

std::string fault_at(long n) { return "HALVORIN_FAULT_AT=" + std::to_string(n); }

struct Outcome {
  RunResult r;
  Files files;
  std::set<std::string> replaced;  // the files renamed into place
};

// The demo styles and small generated material in `layout` (P pages, C cards, T tab-separated),
// after one whole run, so there is an earlier packet, count file and used-question list to keep
// whole; and what each run leaves without a fault.
struct Workshop {
  explicit Workshop(char layout = 'P') {
    testing::copy_demo(base);
    testing::generate_material(base, "small", 1);
    std::vector<std::string> style = base.lines("Weekly.spe");
    style[5] = std::string(1, layout);
    if (layout != 'P') base.write_lines("Weekly.spe", style);
    EXPECT_EQ(testing::run_halvorin(base, kKeys.at("whole"), {"--seed", "3"}).status, 0);
    // No PDF yet, so that a run that could not write it is told apart.
    if (base.exists("Weekly.pdf")) base.remove("Weekly.pdf");
    for (const auto& e : fs::directory_iterator(base.path()))
      before[e.path().filename()] = base.read(e.path().filename());
    for (const auto& [name, keys] : kKeys) reference[name] = run(name, "").files;
  }
  // Runs `keys` in a fresh copy of the folder as it was, with `fault` (a shell prefix: the
  // environment, limits) and `prepare` ("folder NAME": NAME is a folder; "readonly").
  Outcome run(const std::string& keys, const std::string& fault,
              const std::string& prepare = "") const {
    TempDir dir, scratch;
    std::map<std::string, ino_t> inodes;
    for (const auto& [name, text] : before) {
      dir.write(name, text);
      inodes[name] = inode(dir.file(name));
    }
    if (prepare.starts_with("folder ")) {
      dir.remove(prepare.substr(7));
      fs::create_directory(dir.file(prepare.substr(7)));
    }
    if (prepare == "readonly")
      fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
    scratch.write("keys", kKeys.at(keys));
    Outcome o;
    o.r = testing::run_command(fault + " " + HALVORIN_BIN + " -C '" + dir.path() + "' --keys '" +
                               scratch.file("keys") + "' --seed 3");
    fs::permissions(dir.path(), fs::perms::owner_all, fs::perm_options::add);
    for (const auto& e : fs::directory_iterator(dir.path())) {
      const std::string name = e.path().filename();
      o.files[name] = e.is_regular_file() ? dir.read(name) : "<folder>";
      if (inodes.count(name) && inode(dir.file(name)) != inodes[name]) o.replaced.insert(name);
    }
    return o;
  }
  static ino_t inode(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? st.st_ino : 0;
  }
  // Runs with a fault; unless the run ends well, expects one clear message, status 2, no
  // temporary left and each file as it was or as the run without the fault leaves it (the notes
  // scratch file, made anew by a pass, may hold any part of its notes).
  Outcome faulted(const std::string& keys, const std::string& fault,
                  const std::string& prepare = "") const {
    Outcome o = run(keys, fault, prepare);
    if (o.r.status == 0) return o;
    const std::string label = fault + " " + prepare;
    static const std::regex message(R"(^halvorin: [^:\n]+:[0-9]+: [^\n]+\n$)");
    // The reason given is a failure, never "Success" left over from an earlier call.
    EXPECT_TRUE(o.r.status == 2 && std::regex_match(o.r.err, message) &&
                o.r.err.find("Success") == std::string::npos)
        << label << ": status " << o.r.status << "\n"
        << o.r.err;
    for (const auto& [name, text] : o.files) {
      EXPECT_FALSE(std::regex_match(name, std::regex(".*\\.tmp[0-9]+$"))) << label << ": " << name;
      const bool as_before = before.count(name) && before.at(name) == text;
      const bool as_reference =
          reference.at(keys).count(name) && reference.at(keys).at(name) == text;
      // The hand-over file is written twice in a run: the style's name, then "Exit".
      EXPECT_TRUE(as_before || as_reference || name == "temp.txt" ||
                  (name == "temp2.txt" && text == "Weekly\r\n") || prepare == "folder " + name)
          << label << ": " << name << " is neither its old nor its new content";
    }
    for (const auto& [name, text] : before)
      EXPECT_TRUE(o.files.count(name)) << label << ": " << name << " was lost";
    return o;
  }
  // The number of file operations of a run: a fault past the last one lets it end well.
  long operations(const std::string& keys) const {
    long lo = 1, hi = 1L << 16;
    EXPECT_EQ(run(keys, fault_at(hi)).r.status, 0);
    while (hi - lo > 1)
      (run(keys, fault_at((lo + hi) / 2)).r.status == 0 ? hi : lo) = (lo + hi) / 2;
    return lo;
  }
  // Fails the file operations of a run in turn: all of them, or every one of the first 40, a
  // widening spread and the last few; `jobs` runs at once.
  void sweep(const std::string& keys, bool all, int jobs = 1) const {
    const long last = operations(keys);
    std::vector<long> ns;
    for (long n = 1; n <= last;
         n = all || n < 40 || n >= last - 6 ? n + 1 : std::min(n * 3 / 2, last - 6))
      ns.push_back(n);
    std::atomic<size_t> next = 0, failed = 0, shown = 0;
    const bool pdf = reference.at(keys).count("Weekly.pdf") > 0;
    auto worker = [&] {
      for (size_t i; (i = next++) < ns.size() && !::testing::Test::HasFailure();) {
        const Outcome o = faulted(keys, fault_at(ns[i]));
        failed += o.r.status == 2;
        // A PDF that cannot be written is shown and the pass goes on without it.
        shown += pdf && o.r.status == 0 && !o.files.count("Weekly.pdf");
      }
    };
    std::vector<std::thread> threads;
    for (int j = 0; j < jobs; ++j) threads.emplace_back(worker);
    for (std::thread& t : threads) t.join();
    std::cout << keys << ": " << last << " file operations, " << failed << " of " << ns.size()
              << " faulted runs ended with exit 2, " << shown << " went on without the PDF"
              << std::endl;
    EXPECT_GE(last, keys == "whole" ? 50 : 3);
    EXPECT_EQ(failed + shown, ns.size());
  }
  // The operation that renames `name` into place: with the n-th operation failing, the file has
  // been replaced exactly when its rename came before n.
  long rename_of(const std::string& name) const {
    long lo = 1, hi = 8192;
    while (hi - lo > 1)
      (run("whole", fault_at((lo + hi) / 2)).replaced.count(name) ? hi : lo) = (lo + hi) / 2;
    return hi - 1;
  }
  TempDir base;
  Files before;
  std::map<std::string, Files> reference;
};

TEST(Faults, EachFaultEndsTheRunWithAMessageAndFilesWhole) {
  const Workshop shop;
  const std::string path = "reliability/cases/faults.tsv";
  for (const auto& row : testing::test_table(path)) {
    SCOPED_TRACE(testing::case_name(path, row));
    std::istringstream in(row[1]);
    std::string kind, arg;
    in >> kind >> arg;
    if (kind == "sweep") {
      shop.sweep(row[0], false);
      continue;
    }
    if (kind == "readonly" && ::geteuid() == 0) continue;  // permissions do not stop root
    const Outcome o = kind == "ulimit"
                          ? shop.faulted(row[0], "trap '' XFSZ; ulimit -f " + arg + ";")
                      : kind == "rename" ? shop.faulted(row[0], fault_at(shop.rename_of(arg)))
                                         : shop.faulted(row[0], "", row[1]);
    EXPECT_EQ(o.r.status, row.num(2)) << o.r.err;
    EXPECT_NE(o.r.err.find(row.f.size() > 3 ? row[3] : ""), std::string::npos) << o.r.err;
    EXPECT_TRUE(kind != "rename" || o.files.at(arg) == shop.before.at(arg)) << "replaced";
  }
}

// Every file operation of a whole pass fails in turn, in each packet layout: thousands of runs,
// so only `make faults` runs it (HALVORIN_ALL_FAULTS=JOBS, the runs made at once;
// HALVORIN_FAULT_LAYOUTS picks layouts, all three by default).
TEST(AllFaults, EveryFileOperationOfAWholePassInEachLayout) {
  const char* jobs = std::getenv("HALVORIN_ALL_FAULTS");
  if (!jobs) GTEST_SKIP() << "a long run: make faults";
  const char* layouts = std::getenv("HALVORIN_FAULT_LAYOUTS");
  for (char layout : std::string(layouts && *layouts ? layouts : "PCT")) {
    std::cout << "layout " << layout << std::endl;
    Workshop(layout).sweep("whole", true, std::max(1, std::atoi(jobs)));
  }
}

// The scripts are the seed's own, and the count the report adds up is the number of key bytes the
// program reads; none of the runs crashes, hangs or leaves a file half-written.
TEST(KeyFuzz, FixedSeedRunsEndCleanly) {
  uint64_t a = 99, b = 99;
  int keys = 0, again = 0;
  const std::string script = keyfuzz::random_key_script(a, 200, &keys);
  EXPECT_EQ(keyfuzz::random_key_script(b, 200, &again), script);
  EXPECT_EQ(static_cast<int>(parse_key_script(script, "keys").size()), keys) << script;
  EXPECT_LE(keys, 200 + 8);  // an opening may pass the bound by a few keys
  testing::TempDir work;
  keyfuzz::Options opt;
  opt.program = HALVORIN_BIN;
  opt.material_tool = HALVORIN_MATERIAL_BIN;
  opt.demo_dir = std::string(HALVORIN_SOURCE_DIR) + "/demo";
  opt.work_dir = work.path();
  opt.seed = 20261206;
  opt.runs = 12;
  opt.max_keys = 250;
  opt.timeout = 120;
  opt.keep_failures = false;
  keyfuzz::Report r = keyfuzz::run(opt);
  std::cout << keyfuzz::summary(r);
  EXPECT_EQ(r.runs, 12);
  EXPECT_TRUE(r.failures.empty()) << keyfuzz::summary(r);
  EXPECT_GE(r.screens.size(), 3u) << keyfuzz::summary(r);
}

}  // namespace
}  // namespace halvorin
