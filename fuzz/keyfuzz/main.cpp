// halvorin-keyfuzz: whole-program runs on random key streams.
//   halvorin-keyfuzz --program BIN --material BIN [--demo DIR] [--work DIR] [--seed N]
//                    [--runs N] [--seconds N] [--max-keys N] [--timeout N] [--only N]
// --only N repeats run N of the series alone and keeps its folder.
// Exit status 0 when no run failed, 1 when one did (the failures are listed), 64 on a bad
// command line.
#include <iostream>
#include <string>

#include "keyfuzz/key_fuzz.hpp"

int main(int argc, char** argv) {
  halvorin::keyfuzz::Options opt;
  opt.demo_dir = std::string(HALVORIN_SOURCE_DIR) + "/demo";
  opt.work_dir = "keyfuzz-work";
  bool runs_given = false;
  for (int i = 1; i + 1 < argc; i += 2) {
    std::string a = argv[i], v = argv[i + 1];
    if (a == "--program")
      opt.program = v;
    else if (a == "--material")
      opt.material_tool = v;
    else if (a == "--demo")
      opt.demo_dir = v;
    else if (a == "--work")
      opt.work_dir = v;
    else if (a == "--seed")
      opt.seed = std::stoull(v);
    else if (a == "--runs")
      opt.runs = std::stoi(v), runs_given = true;
    else if (a == "--seconds")
      opt.seconds = std::stoi(v);
    else if (a == "--max-keys")
      opt.max_keys = std::stoi(v);
    else if (a == "--timeout")
      opt.timeout = std::stoi(v);
    else if (a == "--only")
      opt.only = std::stoi(v), opt.runs = opt.only + 1, runs_given = true;
    else {
      std::cerr << "halvorin-keyfuzz: unknown option " << a << "\n";
      return 64;
    }
  }
  if (opt.program.empty() || opt.material_tool.empty() || argc % 2 == 0) {
    std::cerr << "usage: halvorin-keyfuzz --program BIN --material BIN [--demo DIR] [--work DIR]"
                 " [--seed N] [--runs N] [--seconds N] [--max-keys N] [--timeout N] [--only N]\n";
    return 64;
  }
  if (opt.seconds > 0 && !runs_given) opt.runs = 0;  // a time budget alone
  halvorin::keyfuzz::Report r = halvorin::keyfuzz::run(opt);
  std::cout << halvorin::keyfuzz::summary(r);
  return r.failures.empty() ? 0 : 1;
}
