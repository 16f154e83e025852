#include "micro.hpp"

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <stdexcept>

#include "material/counts.hpp"
#include "selection/question_file.hpp"
#include "state/run_state.hpp"

namespace halvorin::bench {

namespace {

const std::vector<std::string> kFiles = {"Acts.b", "FTV.59", "cv.b", "co.b", "SIT.TXT"};

// Keeps the medians of the repeated runs while the console reporter prints them.
class Collector : public benchmark::ConsoleReporter {
 public:
  // Colours only on a terminal, so a saved report stays plain text.
  explicit Collector(MicroFigures& out)
      : ConsoleReporter(::isatty(1) ? OO_Defaults : OO_None), out_(out) {}
  void ReportRuns(const std::vector<Run>& runs) override {
    // The median of the repetitions; a single run has no aggregate and stands for itself.
    for (auto& r : runs)
      if ((r.run_type == Run::RT_Aggregate && r.aggregate_name == "median") ||
          r.run_type == Run::RT_Iteration)
        out_[r.run_name.str()] = r.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(runs);
  }

 private:
  MicroFigures& out_;
};

// Reads each file and counts its line ends with memchr: what any reader of the files must do.
long line_count() {
  long lines = 0;
  static char buf[1 << 16];
  for (auto& f : kFiles) {
    std::FILE* in = std::fopen(f.c_str(), "rb");
    if (!in) throw std::runtime_error("cannot open " + f);
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, in)) > 0)
      for (const char* p = buf;
           (p = static_cast<const char*>(std::memchr(p, '\n', static_cast<size_t>(buf + n - p))));
           ++p)
        ++lines;
    std::fclose(in);
  }
  return lines;
}

// Reads each file line by line with std::getline: the plain way a program counts lines.
long getline_count() {
  long lines = 0;
  std::string line;
  for (auto& f : kFiles) {
    std::ifstream in(f, std::ios::binary);
    if (!in) throw std::runtime_error("cannot open " + f);
    while (std::getline(in, line)) ++lines;
  }
  return lines;
}

void name_files(RunState& rs) {
  rs.REGFILE = kFiles[0];
  rs.FTVFILE = kFiles[1];
  rs.CVFILE = kFiles[2];
  rs.COFILE = kFiles[3];
  rs.SITFILE = kFiles[4];
}

}  // namespace

MicroFigures run_micro(const std::vector<std::pair<std::string, std::string>>& folders, int runs,
                       const char* argv0) {
  for (auto& [label, dir] : folders) {
    auto in_dir = [dir = dir](benchmark::State& st, auto body) {
      if (::chdir(dir.c_str()) != 0) st.SkipWithError("cannot enter the material folder");
      for (auto _ : st) body();
    };
    benchmark::RegisterBenchmark(("LineCount/" + label).c_str(), [=](benchmark::State& st) {
      in_dir(st, [] { benchmark::DoNotOptimize(line_count()); });
    })->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(("GetlineCount/" + label).c_str(), [=](benchmark::State& st) {
      in_dir(st, [] { benchmark::DoNotOptimize(getline_count()); });
    })->Unit(benchmark::kMicrosecond);
    // The counts per chapter and verse of the five files (the count file's contents).
    benchmark::RegisterBenchmark(("IndexBuild/" + label).c_str(), [=](benchmark::State& st) {
      auto rs = std::make_unique<RunState>();
      name_files(*rs);
      in_dir(st, [&] { build_counts(*rs, *rs); });
    })->Unit(benchmark::kMicrosecond);
    // The offsets of every line start, which the choosers read questions by.
    benchmark::RegisterBenchmark(("LineStarts/" + label).c_str(), [=](benchmark::State& st) {
      in_dir(st, [] {
        int lines = 0;
        for (auto& f : kFiles) lines += QuestionFile(f).count();
        benchmark::DoNotOptimize(lines);
      });
    })->Unit(benchmark::kMicrosecond);
  }
  std::string reps = "--benchmark_repetitions=" + std::to_string(runs);
  std::string agg = "--benchmark_report_aggregates_only=true";
  char* args[] = {const_cast<char*>(argv0), reps.data(), agg.data(), nullptr};
  int argc = 3;
  benchmark::Initialize(&argc, args);
  MicroFigures figures;
  Collector reporter(figures);
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return figures;
}

}  // namespace halvorin::bench
