#include "config/checks.hpp"

#include <cstring>

#include "config/form.hpp"
#include "config/form_rules.hpp"
#include "config/style_list.hpp"

namespace halvorin {

namespace {

// The values of a style file in file order. A hand-edited file may hold anything; the form
// keeps every field within its limits only once it is edited.
constexpr Field kFileOrder[] = {
    Field::BCHAP,   Field::BVER,      Field::ECHAP,  Field::EVER,   Field::LPP,  Field::OUT,
    Field::QMAX,    Field::REGLST,    Field::AB,     Field::IPC,    Field::INDX, Field::QNUM,
    Field::SEC1,    Field::REPEATPCT, Field::SPMAX,  Field::SPMIN,  Field::FMAX, Field::FMIN,
    Field::RMAX,    Field::RMIN,      Field::OMAX,   Field::OMIN,   Field::SMAX, Field::SMIN,
    Field::PRIMPCT, Field::SPEARLY,   Field::SPLATE, Field::SETSPC,
};

bool number_within(const ConfigUnit& cu, Field f) {
  int v = cu.*field_spec(f).num;
  const Limit* l = limit_of(f);
  return !l || (v >= l->lo && v <= l->hi);
}

// True when the field's value is one the field itself could have stored.
bool within_limits(const ConfigUnit& cu, Field f) {
  const FieldSpec& s = field_spec(f);
  if (s.kind == FieldKind::Letter) {
    char c = cu.*s.letter;
    return c != 0 && std::strchr(s.letters, c) != nullptr;
  }
  int v = cu.*s.num;
  switch (f) {
    case Field::BCHAP:
    case Field::ECHAP:
      return v >= 1 && v <= 28;
    case Field::BVER:
      return v >= 1 && v <= verses_in_chapter(cu.BCHAP);
    case Field::EVER:
      return v >= 1 && v <= verses_in_chapter(cu.ECHAP);
    default:
      break;
  }
  if (!number_within(cu, f)) return false;
  // A minimum above its maximum: reported at the minimum, whose entry brings it down. A
  // maximum outside its own limits is reported on its own first.
  const Limit* l = limit_of(f);
  if (l && l->is_lower && number_within(cu, l->partner)) return v <= cu.*field_spec(l->partner).num;
  return true;
}

}  // namespace

std::optional<Field> first_broken(const ConfigUnit& cu) {
  for (Field f : kFileOrder)
    if (!within_limits(cu, f)) return f;
  if (cu.FMIN + cu.RMIN + cu.OMIN + cu.SMIN > cu.SPMIN) return Field::SPMIN;
  if (cu.FMAX + cu.RMAX + cu.OMAX + cu.SMAX < cu.SPMAX) return Field::SPMAX;
  if (cu.SPLATE > cu.QMAX) return Field::SPLATE;
  if (cu.SPLATE - cu.SPEARLY + 1 < cu.SPMAX) return Field::SPLATE;
  if (cu.SETSPC == 'Y') {
    if (cu.FMIN != cu.FMAX) return Field::FMIN;
    if (cu.RMIN != cu.RMAX) return Field::RMIN;
    if (cu.OMIN != cu.OMAX) return Field::OMIN;
    if (cu.SMIN != cu.SMAX) return Field::SMIN;
  }
  if (cu.BCHAP > cu.ECHAP || (cu.BCHAP == cu.ECHAP && cu.BVER > cu.EVER)) return Field::BCHAP;
  return std::nullopt;
}

void ERRMESS(Program& p) {
  if (!first_broken(p.cu)) return;
  Console& con = p.con;
  con.gotoxy(15, 3);
  con.textcolor(15);
  con.textbackground(4);
  con.write("Incompatible Specs -- Press Return to go to Error ");
  con.textcolor(12);
  con.textbackground(0);
  con.set_where("configuration error line");
  con.wait_enter();
  QCON2(con);
}

std::optional<Field> check_step(Program& p) {
  ERRMESS(p);
  return first_broken(p.cu);
}

}  // namespace halvorin
