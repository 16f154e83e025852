// The text reader finds line ends by searching whole spans. A plain reader that looks at one
// character at a time (a line ends at LF or at CR LF; a lone CR is text) is the reference: both
// take the same random mix of reads over texts full of awkward line ends and must agree on every
// result, line number and position.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "platform/text_file.hpp"

namespace halvorin::testing {
namespace {

struct PlainReader {
  std::string d;
  size_t pos = 0;
  int line = 1;
  bool eof() const { return pos >= d.size(); }
  bool eoln() const { return eof() || d[pos] == '\n' || d.compare(pos, 2, "\r\n") == 0; }
  std::string read_chars(size_t max) {
    const size_t start = pos;
    while (pos - start < max && !eoln()) ++pos;
    return d.substr(start, pos - start);
  }
  void skip_line() {
    while (!eoln()) ++pos;
    if (!eof()) pos += d[pos] == '\r' ? 2 : 1, ++line;
  }
  std::string read_line(size_t max) {
    std::string s = read_chars(max);
    skip_line();
    return s;
  }
};

std::string awkward_text(std::mt19937& g) {
  static const char* pieces[] = {"a", "bc", " ", "\t", "\r", "\n", "\r\n", "\r\r\n", "\n\r", "xyz"};
  std::string s;
  int n = static_cast<int>(g() % 40);
  for (int i = 0; i < n; ++i) s += pieces[g() % 10];
  return s;
}

TEST(LineReading, SpanSearchAgreesWithAPlainReader) {
  std::mt19937 g(7);
  for (int round = 0; round < 3000; ++round) {
    const std::string text = awkward_text(g);
    PlainReader want{text};
    TextReader got = TextReader::from_text(text, "t");
    for (int step = 0; step < 30 && !want.eof(); ++step) {
      const size_t max = g() % 6;
      SCOPED_TRACE(::testing::Message() << "text '" << text << "' step " << step);
      switch (g() % 3) {
        case 0:
          ASSERT_EQ(got.read_chars(max), want.read_chars(max));
          break;
        case 1:
          ASSERT_EQ(step % 2 ? got.read_line(max) : std::string(got.view_line(max)),
                    want.read_line(max));
          break;
        default:
          got.skip_line();
          want.skip_line();
      }
      ASSERT_EQ(got.offset(), want.pos);
      ASSERT_EQ(got.line(), want.line);
      ASSERT_EQ(got.eof(), want.eof());
    }
  }
}

}  // namespace
}  // namespace halvorin::testing
