// The pattern step on a hand-edited style: whatever the style's specialty limits, the step
// either refuses them with a message or makes patterns within them, in bounded time. The input is
// a style file.
#include <cstdlib>

#include "config/pattern.hpp"
#include "platform/errors.hpp"
#include "platform/text_file.hpp"
#include "support/fuzz_support.hpp"

using namespace halvorin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  StyleValues st;
  try {
    TextReader in = TextReader::from_text(fuzz::as_string(data, size), "Odd.spe");
    st = read_style(in);
  } catch (const FileError&) {
    return 0;
  }
  fuzz::ScriptedProgram sp("");
  ConfigUnit& cu = sp.p.cu;
  static_cast<StyleValues&>(cu) = st;
  const bool refused = !pattern_limits_problem(cu).empty();
  for (int q = 0; q < 3; ++q) {
    bool made = SPECPAT(sp.p);
    if (refused && made) std::abort();
    if (!made) break;
    // A generated pattern holds only the pattern letters, and never more than the style allows.
    int specialties = 0;
    for (char c : cu.TYP) {
      if (std::string("nAFROS ").find(c) == std::string::npos && cu.SETSPC == 'N') std::abort();
      if (c == 'F' || c == 'R' || c == 'O' || c == 'S') ++specialties;
    }
    if (cu.SETSPC == 'N' && (specialties < cu.SPMIN || specialties > cu.SPMAX)) std::abort();
  }
  return 0;
}
