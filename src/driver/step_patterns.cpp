// The pattern step of a pass: the configuration unit makes and reviews the patterns and writes
// them to the pattern file; the driver reads them back into its own PAT.
#include "config/pattern.hpp"
#include "driver/steps.hpp"
#include "platform/text_file.hpp"

namespace halvorin {

Step make_patterns(Program& p) {
  RunState& rs = p.rs;
  rs.QZ = rs.QNUM;
  const PatternEnd end = SPEC2(p);
  if (end == PatternEnd::Refused) return Step::StartOver;
  TextReader in(kPatternFile);
  for (int q = 1; q <= rs.QZ; ++q) {
    if (in.eof()) in.fail("expected " + std::to_string(rs.QZ) + " patterns, one line per quiz");
    rs.PAT[q] = in.read_line(30);
  }
  return end == PatternEnd::Back ? Step::StartOver : Step::Continue;
}

}  // namespace halvorin
