#pragma once
// Hand-written question material for the counting tests.
#include <string>
#include <vector>

#include "support/bench.hpp"

namespace halvorin::testing {

// Writes the five question files of list A and names them and the count file.
inline void write_material(ProgramBench& b, const std::vector<std::vector<std::string>>& files) {
  const char* names[] = {"Acts.A", "FTV.59", "cv.b", "co.b", "SIT.TXT"};
  for (size_t k = 0; k < 5; ++k) b.dir.write_lines(names[k], files[k]);
  b.p.rs.FTVFILE = "FTV.59";
  b.p.rs.COUNTFILE = b.p.rs.NAME7 = "count.59A";
  b.p.cu.REGLST = 'A';
  b.p.cu.NAME4 = "week";
}

}  // namespace halvorin::testing
