#pragma once
// Runs the configuration form in memory with a key script, on a style given as values.
#include <optional>
#include <string>

#include "config/form.hpp"
#include "config/form_fields.hpp"
#include "config/style_list.hpp"
#include "platform/errors.hpp"
#include "platform/terminal.hpp"

namespace halvorin::testing {

// The demo's "Weekly" style: consistent, every value within its field's limits.
inline StyleValues weekly() {
  StyleValues st;
  st.LG = 'F';
  st.BCHAP = 1, st.BVER = 1, st.ECHAP = 8, st.EVER = 40;
  st.NAME4 = "Weekly";
  st.LPP = 66, st.OUT = 'P', st.QMAX = 20, st.REGLST = 'B', st.AB = 20, st.IPC = 50;
  st.INDX = 'Y', st.QNUM = 25, st.SEC1 = 'V', st.REPEATPCT = 10;
  st.SPMAX = 4, st.SPMIN = 2, st.FMAX = 2, st.FMIN = 1, st.RMAX = 1, st.RMIN = 0;
  st.OMAX = 1, st.OMIN = 0, st.SMAX = 1, st.SMIN = 0;
  st.PRIMPCT = 59, st.SPEARLY = 2, st.SPLATE = 18, st.SETSPC = 'N';
  st.TYP = "nAAAAAAAAAAAAAAAAAnnnnnnnnnnnn";
  return st;
}

// The form run on a style until the header is left or the keys run out.
struct FormRun {
  FormRun(const StyleValues& st, const std::string& keys)
      : term(parse_key_script(keys, "test")), p(term, 1) {
    static_cast<StyleValues&>(p.cu) = st;
    p.cu.FIL[1] = "Weekly";
    p.cu.Y = 1;
    SETVS(p.cu);
    p.con.textbackground(1);
    p.con.textcolor(14);
    CLR(p.con);
    try {
      exit = run_form(p);
    } catch (const ScriptEnded&) {
    }
  }
  const ConfigUnit& cu() const { return p.cu; }
  std::string row(int r) const { return p.con.row_text(r); }
  // The screen the keys ran out on ("configuration form, Total Min", "configuration header").
  const std::string& where() const { return p.con.where(); }

  ScriptTerminal term;
  Program p;
  std::optional<FormExit> exit;  // empty when the keys ran out first
};

inline std::string in_field(const char* label) {
  return std::string("configuration form, ") + label;
}

}  // namespace halvorin::testing
