#pragma once
// Runs the configuration screens in memory with a key script, on a style given as values.
#include <array>
#include <optional>
#include <string>

#include "config/form.hpp"
#include "config/form_fields.hpp"
#include "config/style_list.hpp"
#include "config/type_screen.hpp"
#include "platform/errors.hpp"
#include "support/bench.hpp"

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

// The screen a FormRun drives.
enum class Which { Form, Types };

// The form (until the header is left) or the specialty type screen, run on a style until done
// or until the keys run out.
struct FormRun {
  FormRun(const StyleValues& st, const std::string& keys, Which screen = Which::Form)
      : term(parse_key_script(keys, "test")), p(term, 1) {
    static_cast<StyleValues&>(p.cu) = st;
    p.con.textbackground(1);
    p.con.textcolor(14);
    try {
      if (screen == Which::Types) {
        SETSPEC(p);
      } else {
        p.cu.FIL[1] = "Weekly";
        p.cu.Y = 1;
        SETVS(p.cu);
        CLR(p.con);
        exit = run_form(p);
      }
      finished = true;
    } catch (const ScriptEnded&) {
    }
  }
  const ConfigUnit& cu() const { return p.cu; }
  std::string row(int r) const { return p.con.row_text(r); }
  // The screen the keys ran out on ("configuration form, Total Min", "configuration header").
  const std::string& where() const { return p.con.where(); }

  ScriptTerminal term;
  Program p;
  std::optional<FormExit> exit;  // the form's way out; empty when the keys ran out first
  bool finished = false;
};

inline std::string in_field(const char* label) {
  return std::string("configuration form, ") + label;
}

// SPEARLY, SPLATE, SPMIN, SPMAX, then min and max of FTV, CV Ref, CO Ref and SIT.
using Limits = std::array<int, 12>;

// A program in its own folder with the weekly demo's specialty limits, 20 questions, 1 quiz.
struct PatternBench : ProgramBench {
  explicit PatternBench(const std::string& keys = "", uint64_t seed = 11)
      : ProgramBench(keys, seed) {
    set({2, 18, 2, 4, 1, 2, 0, 1, 0, 1, 0, 1});
    p.cu.QMAX = 20;
    p.cu.QNUM = 1;
    p.cu.SETSPC = 'N';
  }
  void set(const Limits& l) {
    ConfigUnit& c = p.cu;
    int* fields[] = {&c.SPEARLY, &c.SPLATE, &c.SPMIN, &c.SPMAX, &c.FMIN, &c.FMAX,
                     &c.RMIN,    &c.RMAX,   &c.OMIN,  &c.OMAX,  &c.SMIN, &c.SMAX};
    for (size_t k = 0; k < l.size(); ++k) *fields[k] = l[k];
  }
};

}  // namespace halvorin::testing
