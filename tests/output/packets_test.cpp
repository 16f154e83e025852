// The three layouts of the quiz file against expected texts under golden/: each NAME.quiz holds
// a header line (pattern, last numbered position AB, lines per page, layouts, and a quiz number
// when not 7) and the question lines, a line "+text" being the continuation field of the
// question above; NAME.C, NAME.P and NAME.T hold the quiz file each layout writes.
#include <gtest/gtest.h>

#include <sstream>

#include "quiz_fixture.hpp"

namespace halvorin::testing {
namespace {

TEST(Packets, EveryLayoutWritesItsExpectedText) {
  const auto names = test_data_names("output/golden", ".quiz");
  ASSERT_GE(names.size(), 10u);
  for (const std::string& name : names) {
    const std::string base = "output/golden/" + name.substr(0, name.size() - 5);
    std::istringstream in(test_data("output/golden/" + name));
    std::string typ, layouts, line;
    QuizFixture f;
    in >> typ >> f.p.rs.AB >> f.p.rs.LPP >> layouts;
    std::getline(in, line);
    if (!line.empty()) f.p.rs.Q2 = std::stoi(line);  // a quiz number other than 7
    std::vector<std::string> lines, more;
    while (std::getline(in, line)) {
      if (line.starts_with("+")) {
        more.resize(lines.size(), " ");
        more.back() = line.substr(1);
      } else {
        lines.push_back(line);
      }
    }
    f.quiz(typ, lines, more);
    for (char out : layouts) {
      const std::string got = f.write(out);
      expect_golden(base + "." + out, got);
      // Lower-case letters, and for the tabbed layout any other letter, choose the same layout.
      EXPECT_EQ(f.write(out == 'T' ? 'X' : static_cast<char>(out - 'A' + 'a')), got) << base;
    }
  }
}

}  // namespace
}  // namespace halvorin::testing
