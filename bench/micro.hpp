#pragma once
// Micro figures with Google Benchmark: the index build and the line-start index of the five
// question files, each against a plain line count of the same files.
#include <map>
#include <string>
#include <vector>

namespace halvorin::bench {

// Median times in microseconds, by benchmark name ("LineCount/1x", "IndexBuild/1x", ...).
using MicroFigures = std::map<std::string, double>;

// Registers and runs the micro benchmarks over the material folders (label, folder), `runs`
// repetitions each; Google Benchmark prints its own table and the medians are returned.
MicroFigures run_micro(const std::vector<std::pair<std::string, std::string>>& folders, int runs,
                       const char* argv0);

}  // namespace halvorin::bench
