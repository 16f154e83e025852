// Question lines the stored material should not hold but may: the writer keeps to its buffer
// and ends (their layouts are among the expected texts of packets_test).
#include <gtest/gtest.h>

#include "quiz_fixture.hpp"

namespace halvorin::testing {
namespace {

TEST(OddLines, NoLineLeadsOutsideTheBufferOrIntoALoop) {
  // Every kind and layout with lines that are empty, blank, one unbroken word, all tabs, all
  // question marks or quotation marks, and as long as the stored format allows.
  const std::vector<std::string> odd = {
      "",
      " 1: 1\t",
      " 1: 1\t" + std::string(248, 'w'),
      std::string(254, '\t'),
      " 1: 1\t" + std::string(248, '?'),
      " 1: 1\tWho? " + std::string(242, '^'),
  };
  QuizFixture f;
  for (const auto& line : odd) {
    for (const std::string& more :
         {std::string(" "), std::string(254, 'm'), std::string(254, '?')}) {
      f.quiz("nRFSO", {line, line, line, line, line}, {more, more, more, more, more});
      for (char out : {'C', 'P', 'T'}) {
        std::string s;
        ASSERT_NO_THROW(s = f.write(out)) << out << " " << line;
        // Cards come in whole cards; pages end with their form feed; tab lines with "<pb>".
        if (out == 'C') {
          size_t n = 0;
          for (char c : s) n += c == '\n';
          EXPECT_EQ(n % 18, 0u) << line;
        }
        if (out == 'P') {
          EXPECT_EQ(s.back(), '\f');
        }
        if (out == 'T') {
          EXPECT_EQ(s.substr(s.size() - 6), "<pb>\r\n");
        }
      }
    }
  }
}

}  // namespace
}  // namespace halvorin::testing
