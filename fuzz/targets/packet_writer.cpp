// The packet writer and the continuation-line wrapping on arbitrary question lines of every
// kind, in every layout, with odd settings from a hand-edited style. The input opens with six
// setting bytes (layout, A and B position, lines per page, quiz number, questions), then text
// lines: the pattern, the style name, and for each position its line and its continuation.
#include <cstdlib>
#include <memory>

#include "output/wrap.hpp"
#include "output/writer.hpp"
#include "platform/errors.hpp"
#include "support/fuzz_support.hpp"

using namespace halvorin;

namespace {

// Writes the rest of a text with each wrapping routine from a given position.
void wrap_each(const std::string& line, const std::string& more, int mark) {
  for (RestFn rest : {PRINTREST, FPRINTREST, CPRINTREST, RPRINTREST}) {
    TextWriter out("/dev/null", TextWriter::Mode::Create);
    QuestionText t;
    load_text(t, line, more);
    t.MARK1 = mark;
    rest(out, t);
    if (t.X5 > MAX_CONTINUATION || t.MARK1 < mark || t.MARK1 > A2MAX) std::abort();
    out.close();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::enter_private_dir();
  if (size < 6) return 0;
  static const char kinds[] = {'C', 'P', 'T'};
  fuzz::ScriptedProgram sp("");
  RunState& rs = sp.p.rs;
  rs.OUT = data[0] < 240 ? kinds[data[0] % 3] : static_cast<char>(data[0]);
  rs.AB = static_cast<int8_t>(data[1]);
  rs.LPP = static_cast<int8_t>(data[2]) * 4;
  rs.Q2 = data[3] % 151;
  rs.SECTORS = 1 + data[4] % SCMAX;
  rs.BCHAP = 1 + data[5] % 28;
  rs.BVER = 1 + data[5] % 65;
  rs.ECHAP = 28;
  rs.EVER = 31;
  rs.RLBK.fill('A');
  rs.ALL.fill("");
  rs.ALL2.fill("");

  TextReader in = TextReader::from_text(fuzz::as_string(data + 6, size - 6), "input");
  rs.TYP = in.read_line(30);
  rs.NAME = in.read_line(14);
  sp.p.rs.NAME4 = rs.NAME;
  for (int x = 1; x <= rs.SECTORS && !in.eof(); ++x) {
    rs.ALL[x] = in.read_line(254);
    rs.ALL2[x] = in.read_line(254);
  }
  rs.F8 = std::make_unique<TextWriter>("out.qui", TextWriter::Mode::Create);
  OPUT(sp.p);
  rs.F8->close();

  for (int x = 1; x <= rs.SECTORS; ++x)
    wrap_each(rs.ALL[x], rs.ALL2[x], (x * 37 + static_cast<int>(size)) % (A2MAX + 1));
  return 0;
}
