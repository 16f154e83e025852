#include "config/pattern.hpp"

#include <algorithm>
#include <vector>

#include "config/pattern_deal.hpp"
#include "platform/text_file.hpp"

namespace halvorin {

namespace {

// Every draw that waits for chance gives up after this many tries. With limits that pass
// pattern_limits_problem none of them comes near its bound.
constexpr long kValueDrawBound = 100000;  // one count, until it reaches its minimum
constexpr long kCountsBound = 1000000;    // the four counts, until they add up to the total
constexpr int kRestartBound = 1000;       // whole patterns whose count check failed
constexpr int kAttempts = 15;             // dealt attempts per pattern

// One kind of specialty count as the form limits it, with its pattern letter.
struct TypeLimits {
  const char* name;
  int max;
  int min;
  int form_max;  // the largest value the form accepts
  char letter;
};

std::string num(int v) { return std::to_string(v); }

// "1 FTV question", "2 FTV questions".
std::string questions(int v, const std::string& kind) {
  return num(v) + (kind.empty() ? "" : " " + kind) + (v == 1 ? " question" : " questions");
}

// The type limits of the unit's style, the total first.
std::vector<TypeLimits> type_limits(const ConfigUnit& cu) {
  return {{"total specialty", cu.SPMAX, cu.SPMIN, 20, ' '},
          {"FTV", cu.FMAX, cu.FMIN, 10, 'F'},
          {"CV Ref", cu.RMAX, cu.RMIN, 10, 'R'},
          {"CO Ref", cu.OMAX, cu.OMIN, 10, 'O'},
          {"SIT", cu.SMAX, cu.SMIN, 10, 'S'}};
}

// The first count out of the form's range, or a minimum above its maximum. The form's ranges
// also keep the draws quick: a count is drawn from at most 21 values.
std::string check_counts(const ConfigUnit& cu) {
  for (const TypeLimits& t : type_limits(cu)) {
    for (auto [which, v] : {std::pair{"maximum", t.max}, std::pair{"minimum", t.min}})
      if (v < 0 || v > t.form_max)
        return std::string("The ") + t.name + " " + which + " is " + num(v) + "; it must be 0 to " +
               num(t.form_max) + ".";
    if (t.min > t.max)
      return std::string("The ") + t.name + " minimum, " + num(t.min) + ", is above its maximum, " +
             num(t.max) + ".";
  }
  return {};
}

// With fixed types every quiz gets the style's type line; it must hold each type's maximum.
std::string check_fixed(const ConfigUnit& cu) {
  const std::string typ = cut(cu.TYP, kPatternLength);
  for (const TypeLimits& t : type_limits(cu)) {
    if (t.letter == ' ') continue;
    int held = static_cast<int>(std::count(typ.begin(), typ.end(), t.letter));
    if (held != t.max)
      return "The fixed types place " + questions(held, t.name) + ", but the " + t.name +
             " maximum is " + num(t.max) + ".";
  }
  return {};
}

std::string check_generated(const ConfigUnit& cu) {
  if (std::string why = check_counts(cu); !why.empty()) return why;
  if (cu.SPEARLY < 1 || cu.SPLATE > kPatternLength || cu.SPEARLY > cu.SPLATE)
    return "Specialties may appear " + num(cu.SPEARLY) + " to " + num(cu.SPLATE) +
           "; that must be a range within 1 to 30.";
  if (cu.SPLATE > cu.QMAX)
    return "Specialties may appear up to question " + num(cu.SPLATE) + ", but a quiz has " +
           num(cu.QMAX) + ".";
  const int mins = cu.FMIN + cu.RMIN + cu.OMIN + cu.SMIN;
  if (mins > cu.SPMIN)
    return "The type minima add up to " + num(mins) + ", more than the total minimum, " +
           num(cu.SPMIN) + ".";
  const int maxes = cu.FMAX + cu.RMAX + cu.OMAX + cu.SMAX;
  if (maxes < cu.SPMAX)
    return "The type maxima add up to " + num(maxes) + ", less than the total maximum, " +
           num(cu.SPMAX) + ".";
  const int window = cu.SPLATE - cu.SPEARLY + 1;
  if (window < cu.SPMAX)
    return "Only " + questions(window, "") + (window == 1 ? " is" : " are") +
           " open to specialties, fewer than the total maximum, " + num(cu.SPMAX) + ".";
  return {};
}

// Tells the user why no patterns can be made and waits for Enter.
void show_refusal(Console& con, const std::string& why) {
  con.textbackground(1);
  con.textcolor(14);
  CLR(con);
  con.gotoxy(3, 3);
  con.write("This quiz style cannot make specialty patterns:");
  con.gotoxy(3, 5);
  con.textcolor(15);
  con.textbackground(4);
  con.write(why);
  con.textcolor(14);
  con.textbackground(1);
  con.gotoxy(3, 7);
  con.write("Correct it on the configuration form before running the style.");
  con.gotoxy(3, 9);
  con.write("Press Return to go back to the style list.");
  con.set_where("pattern refusal");
  con.wait_enter();
}

// How a count is drawn: once per try, or by the midpoint rule.
enum class Draw { Once, Midpoint };

// Draws random(max + 1) until it reaches min; the midpoint rule redraws once any first draw that
// misses (max + min) / 2, so the counts lean towards the middle. False when the bound runs out.
bool draw_count(Program& p, int max, int min, Draw draw, int& out) {
  for (long n = 0; n < kValueDrawBound; ++n) {
    out = p.random(max + 1);
    if (draw == Draw::Midpoint && 2 * out != max + min) out = p.random(max + 1);
    if (out >= min) return true;
  }
  return false;
}

// A generated pattern into cu.TYP, cu.SPECS; false when a bound ran out.
bool generate_pattern(Program& p) {
  ConfigUnit& cu = p.cu;
  const int window = cu.SPLATE - cu.SPEARLY + 1;
  // The question after the window, when the quiz and the pattern have one.
  const AfterWindow after =
      cu.SPLATE < std::min(cu.QMAX, kPatternLength) ? AfterWindow::Room : AfterWindow::NoRoom;
  for (int restart = 0; restart < kRestartBound; ++restart) {
    int SPECS = 0;
    if (!draw_count(p, cu.SPMAX, cu.SPMIN, Draw::Once, SPECS)) return false;
    int FTVS = 0, REFS = 0, ONLYS = 0, SITS = 0;
    long tries = 0;
    do {
      if (++tries > kCountsBound) return false;
      if (!draw_count(p, cu.FMAX, cu.FMIN, Draw::Once, FTVS) ||
          !draw_count(p, cu.RMAX, cu.RMIN, Draw::Midpoint, REFS) ||
          !draw_count(p, cu.OMAX, cu.OMIN, Draw::Midpoint, ONLYS) ||
          !draw_count(p, cu.SMAX, cu.SMIN, Draw::Once, SITS))
        return false;
    } while (FTVS + REFS + ONLYS + SITS != SPECS);

    const Deck deck = build_deck(p, FTVS, REFS, ONLYS, SITS, window, after);
    std::string TYP(kPatternLength, 'n');
    std::string TYP2 = TYP;
    int WLAST = 90;
    char prev = 'X';  // carried from one attempt to the next
    for (int attempt = 1; attempt <= kAttempts; ++attempt) {
      TYP = deal_attempt(p, deck, cu.SPEARLY, cu.SPLATE).TYP;
      int W = score_adjacent(TYP, prev);
      if (W > WLAST) {  // a tie keeps the new attempt
        TYP = TYP2;
        W = WLAST;
      }
      if (p.random(10) > 5) mirror_window(TYP, cu.SPEARLY, cu.SPLATE);
      TYP2 = TYP;
      WLAST = W;
    }
    if (count_specialties(TYP) == SPECS) {
      cu.TYP = TYP;
      cu.SPECS = SPECS;
      return true;
    }
  }
  return false;
}

}  // namespace

std::string pattern_limits_problem(const ConfigUnit& cu) {
  if (cu.QNUM < 1 || cu.QNUM > QQZ)
    return "The number of quizzes is " + num(cu.QNUM) + "; it must be 1 to " + num(QQZ) + ".";
  return cu.SETSPC == 'N' ? check_generated(cu) : check_fixed(cu);
}

bool SPECPAT(Program& p) {
  ConfigUnit& cu = p.cu;
  if (!pattern_limits_problem(cu).empty()) return false;
  if (cu.SETSPC == 'N') return generate_pattern(p);
  // Fixed types: the style's own line, 30 letters, anything but a specialty letter regular.
  std::string typ = pad_right(cut(cu.TYP, kPatternLength), kPatternLength);
  for (char& c : typ)
    if (!is_specialty(c)) c = 'n';
  cu.TYP = typ;
  cu.SPECS = cu.FMAX + cu.RMAX + cu.OMAX + cu.SMAX;
  return count_specialties(typ) == cu.SPECS;
}

PatternEnd SPEC2(Program& p) {
  ConfigUnit& cu = p.cu;
  Console& con = p.con;
  CLR(con);
  CLR(con);
  con.gotoxy(1, 2);
  if (std::string why = pattern_limits_problem(cu); !why.empty()) {
    show_refusal(con, why);
    return PatternEnd::Refused;
  }
  cu.QZ = cu.QNUM;
  for (int q = 1; q <= cu.QZ; ++q) {
    if (!SPECPAT(p)) {
      show_refusal(con, "No pattern fits these specialty limits; widen them a little.");
      return PatternEnd::Refused;
    }
    cu.PAT[q] = cu.TYP;
  }
  bool back = false;
  if (cu.QMAX <= 30)
    WRITESPECS(p);
  else
    back = WRITESPECS75(p);
  write_pattern_file(cu);
  cu.BACK = back;
  return back ? PatternEnd::Back : PatternEnd::Accepted;
}

void write_pattern_file(const ConfigUnit& cu) {
  TextWriter out(kPatternFile, TextWriter::Mode::Replace);
  for (int q = 1; q <= cu.QZ; ++q) {
    std::string line = pad_right(cut(cu.PAT[q], kPatternLength), kPatternLength);
    std::replace(line.begin(), line.end(), ' ', 'n');
    out.writeln(line);
  }
  out.close();
}

}  // namespace halvorin
