#pragma once
// Whole-program runs on random key streams: each run lays out a working folder (generated
// material, the demo styles, sometimes an odd style), runs the program with a key script of
// random keys biased toward the ones the screens use, and checks how it ended and what it left.
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace halvorin::keyfuzz {

struct Options {
  std::string program;        // the program to run
  std::string material_tool;  // the sample material generator
  std::string demo_dir;       // the demo styles
  std::string work_dir;       // a folder for the runs' working folders (made if missing)
  uint64_t seed = 1;          // the same seed gives the same runs
  int runs = 10;              // runs to make (0: until `seconds` have passed)
  int seconds = 0;            // stop starting runs after this many seconds (0: no limit)
  int max_keys = 300;         // keys per run, at most
  int timeout = 30;           // seconds one run may take before it counts as hung
  bool keep_failures = true;  // keep the working folder and key script of a failed run
  int only = -1;              // run only this run of the series (to look into it), kept
};

struct Report {
  int runs = 0;
  long keys = 0;                      // key bytes sent, all runs
  std::map<int, int> statuses;        // exit status -> runs
  std::set<std::string> screens;      // screens the runs ended on
  std::vector<std::string> failures;  // one line per failed run
  std::vector<std::string> notes;     // file errors on a valid set-up, long print jobs
};

// Makes the runs and returns what they showed.
Report run(const Options& opt);
// The report as a few lines of figures.
std::string summary(const Report& r);

// One random key script of at most `max_keys` keys (tests use it to check the bias).
std::string random_key_script(uint64_t& state, int max_keys, int* key_count);

}  // namespace halvorin::keyfuzz
