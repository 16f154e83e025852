// Continuation lines: breaks, indents, the question mark rule and the limits that keep every
// text, however it is stored, inside the buffer and finite. The cases are in cases/wrap.tsv.
#include "output/wrap.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "support/bench.hpp"

namespace halvorin::testing {
namespace {

TEST(Wrap, EachRoutineWritesItsExpectedLinesWithinTheBuffer) {
  const std::map<std::string, RestFn> routines = {{"PRINTREST", PRINTREST},
                                                  {"FPRINTREST", FPRINTREST},
                                                  {"CPRINTREST", CPRINTREST},
                                                  {"RPRINTREST", RPRINTREST}};
  const std::string path = "output/cases/wrap.tsv";
  std::string got;
  TempDir dir;
  for (const auto& row : test_table(path)) {
    std::string text = row[2];
    std::replace(text.begin(), text.end(), '~', '\t');
    QuestionText t;
    load_text(t, text.substr(0, 254), text.size() > 254 ? text.substr(254) : "");
    t.MARK1 = row.num(1);
    {
      TextWriter out(dir.file("w.txt"), TextWriter::Mode::Create);
      routines.at(row[0])(out, t);
      out.close();
    }
    got += "== " + row[0] + " " + row[1] + " " + row[2].substr(0, 24) + "\n";
    for (const std::string& line : dir.lines("w.txt")) got += line + "|\n";
    got += "lines " + std::to_string(t.LINES) + ", continuation lines " + std::to_string(t.X5) +
           ", stopped at " + std::to_string(t.MARK2) + "\n";
    EXPECT_LE(t.MARK2, A2MAX) << case_name(path, row);
    EXPECT_LE(t.X5, 15) << case_name(path, row);
  }
  expect_golden("output/golden/wrap.txt", got);
}

}  // namespace
}  // namespace halvorin::testing
