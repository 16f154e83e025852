// Style files as a person may have edited them: read by the same routine the configuration unit
// and the driver use. A file either loads or is refused naming its line; whatever loads is saved
// and loads again to the same values; the driver never takes an output name outside the folder.
#include <cstdlib>

#include "driver/pass.hpp"
#include "platform/errors.hpp"
#include "platform/text_file.hpp"
#include "state/style.hpp"
#include "support/fuzz_support.hpp"

using namespace halvorin;

namespace {

bool same(const StyleValues& a, const StyleValues& b) {
  return a.LG == b.LG && a.BCHAP == b.BCHAP && a.BVER == b.BVER && a.ECHAP == b.ECHAP &&
         a.EVER == b.EVER && a.NAME4 == b.NAME4 && a.LPP == b.LPP && a.OUT == b.OUT &&
         a.QMAX == b.QMAX && a.REGLST == b.REGLST && a.AB == b.AB && a.IPC == b.IPC &&
         a.INDX == b.INDX && a.QNUM == b.QNUM && a.SEC1 == b.SEC1 && a.REPEATPCT == b.REPEATPCT &&
         a.SPMAX == b.SPMAX && a.SPMIN == b.SPMIN && a.FMAX == b.FMAX && a.FMIN == b.FMIN &&
         a.RMAX == b.RMAX && a.RMIN == b.RMIN && a.OMAX == b.OMAX && a.OMIN == b.OMIN &&
         a.SMAX == b.SMAX && a.SMIN == b.SMIN && a.PRIMPCT == b.PRIMPCT && a.SPEARLY == b.SPEARLY &&
         a.SPLATE == b.SPLATE && a.SETSPC == b.SETSPC && a.TYP == b.TYP;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::enter_private_dir();
  StyleValues st;
  try {
    TextReader in = TextReader::from_text(fuzz::as_string(data, size), "Odd.spe");
    st = read_style(in);
  } catch (const FileError& e) {
    if (e.file() != "Odd.spe") std::abort();
    return 0;
  }
  if (st.NAME4.size() > 14 || st.TYP.size() > 30) std::abort();

  // The driver's own reading of the same file takes it or refuses an output name that leaves
  // the working folder.
  fuzz::put_file("Odd.spe", fuzz::as_string(data, size));
  {
    fuzz::ScriptedProgram sp("");
    sp.p.rs.NAME = "Odd";
    try {
      read_run_style(sp.p);
      if (sp.p.rs.NAME4.find('/') != std::string::npos ||
          sp.p.rs.NAME4.find("..") != std::string::npos)
        std::abort();
    } catch (const FileError& e) {
      if (e.file() != "Odd.spe") std::abort();
    }
  }

  // Saved and loaded again, the values come back exactly as they were.
  {
    TextWriter out("Odd.spe", TextWriter::Mode::Replace);
    write_style_lines(out, st);
    out.writeln(st.TYP);
    out.close();
  }
  if (!same(read_style_file("Odd.spe"), st)) std::abort();
  return 0;
}
