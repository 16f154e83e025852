#include "config/checks.hpp"

#include <cstring>

#include "config/form.hpp"
#include "config/form_rules.hpp"
#include "config/style_list.hpp"
#include "platform/errors.hpp"
#include "platform/text_file.hpp"

namespace halvorin {

namespace {

// The values of a style file in file order. A hand-edited file may hold anything; the form
// keeps every field within its limits only once it is edited.
constexpr Field kFileOrder[] = {
    Field::BBK,    Field::BCHAP, Field::BVER, Field::EBK,     Field::ECHAP,     Field::EVER,
    Field::NAME4,  Field::LPP,   Field::OUT,  Field::QMAX,    Field::REGLST,    Field::AB,
    Field::IPC,    Field::INDX,  Field::QNUM, Field::SEC1,    Field::REPEATPCT, Field::SPMAX,
    Field::SPMIN,  Field::FMAX,  Field::FMIN, Field::RMAX,    Field::RMIN,      Field::OMAX,
    Field::OMIN,   Field::SMAX,  Field::SMIN, Field::PRIMPCT, Field::SPEARLY,   Field::SPLATE,
    Field::SETSPC,
};

bool number_within(const ConfigUnit& cu, Field f) {
  int v = cu.*field_spec(f).num;
  const Limit* l = limit_of(f);
  return !l || (v >= l->lo && v <= l->hi);
}

// A value the field would have moved on entry: what was found, and what the form would store.
std::string moved(int found, int stored, const std::string& expected) {
  return "expected " + expected + ", found " + std::to_string(found) +
         ", which the form would store as " + std::to_string(stored);
}

// The output name makes two files in the working folder and is shown on screens and in
// messages: it must be a plain file name every system takes. The file allows 14 characters.
std::string output_name_problem(const std::string& name) {
  const std::string found = ", found '" + printable(name) + "'";
  if (name.find_first_not_of(' ') == std::string::npos)
    return name.empty() ? "expected a file name, found an empty line"
                        : "expected a file name, found only blanks";
  for (char c : name)
    if (is_control(c)) return "expected a file name without control characters" + found;
  if (name.front() == ' ' || name.back() == ' ')
    return "expected a file name without blanks at its ends" + found;
  if (name.find_first_of("<>:\"/\\|?*") != std::string::npos)
    return "expected a file name without any of < > : \" / \\ | ? *" + found;
  try {
    check_plain_name(name, "", 0);
  } catch (const FileError& e) {
    return e.message();  // a device's name, or ".." (kept out of names on every system)
  }
  return {};
}

// Nothing when the field's value is one the field itself could have stored; otherwise the field,
// with what was expected where a limit alone does not say it.
std::optional<Broken> field_problem(const ConfigUnit& cu, Field f) {
  const Broken broken{f, {}};
  const FieldSpec& s = field_spec(f);
  if (f == Field::NAME4) {
    std::string why = output_name_problem(cu.NAME4);
    return why.empty() ? std::nullopt : std::optional<Broken>(Broken{f, why});
  }
  if (s.kind == FieldKind::Letter) {
    char c = cu.*s.letter;
    if (c != 0 && std::strchr(s.letters, c) != nullptr) return std::nullopt;
    return broken;
  }
  if (s.kind == FieldKind::Book) {
    if (range_book(cu, f) > 0) return std::nullopt;
    std::string letters;
    for (const Book& b : cu.set.books)
      letters += std::string(letters.empty() ? "" : ", ") + b.letter;
    const char c = f == Field::BBK ? cu.BBOOK : cu.EBOOK;
    return Broken{f, "expected the letter of a book of the set (" + letters + "), found '" +
                         printable({&c, 1}) + "'"};
  }
  int v = cu.*s.num;
  const int book = range_book(cu, f);
  switch (f) {
    case Field::BCHAP:
    case Field::ECHAP: {
      if (v < 1 || v > cu.set.book(book).chapters()) return broken;
      const int kept = chapter_rule(cu, book, v);
      if (kept != v) return Broken{f, moved(v, kept, "a chapter of the reduced material")};
      return std::nullopt;
    }
    case Field::BVER:
      if (v < 1 || v > verse_limit(cu, book, cu.BCHAP)) return broken;
      return std::nullopt;
    case Field::EVER:
      if (v < 1 || v > verse_limit(cu, book, cu.ECHAP)) return broken;
      return std::nullopt;
    default:
      break;
  }
  if (!number_within(cu, f)) return broken;
  // The percentage names the FTV file: only a value the form keeps names one it offers.
  if (f == Field::PRIMPCT && PRIM(v) != v)
    return Broken{f, moved(v, PRIM(v), "a percentage the form keeps")};
  // A minimum above its maximum: reported at the minimum, whose entry brings it down. A
  // maximum outside its own limits is reported on its own first.
  const Limit* l = limit_of(f);
  if (l && l->pair == PairEnd::Lower && number_within(cu, l->partner) &&
      v > cu.*field_spec(l->partner).num)
    return broken;
  return std::nullopt;
}

// Fixed types are every quiz's pattern as saved: a type letter past the last question of a quiz
// is asked nowhere, and only the pattern letters have a meaning.
std::string type_line_problem(const ConfigUnit& cu) {
  const std::string typ = cut(cu.TYP, 30);
  for (size_t k = 0; k < typ.size(); ++k) {
    const char c = typ[k];
    const std::string at = " at question " + std::to_string(k + 1);
    if (c != ' ' && std::strchr("nAFROS", c) == nullptr)
      return "expected n, A, F, R, O or S in the type line, found '" + printable({&c, 1}) + "'" +
             at;
    if (std::strchr("FROS", c) != nullptr && static_cast<int>(k) + 1 > cu.QMAX)
      return "expected the fixed types within the " + std::to_string(cu.QMAX) +
             " questions of a quiz, found " + std::string(1, c) + at;
  }
  return {};
}

}  // namespace

std::optional<Broken> first_broken(const ConfigUnit& cu) {
  for (Field f : kFileOrder)
    if (std::optional<Broken> b = field_problem(cu, f)) return b;
  auto at = [](Field f) { return std::optional<Broken>(Broken{f, {}}); };
  if (cu.FMIN + cu.RMIN + cu.OMIN + cu.SMIN > cu.SPMIN) return at(Field::SPMIN);
  if (cu.FMAX + cu.RMAX + cu.OMAX + cu.SMAX < cu.SPMAX) return at(Field::SPMAX);
  if (cu.SPLATE > cu.QMAX) return at(Field::SPLATE);
  if (cu.SPLATE - cu.SPEARLY + 1 < cu.SPMAX) return at(Field::SPLATE);
  if (cu.SETSPC == 'Y') {
    if (cu.FMIN != cu.FMAX) return at(Field::FMIN);
    if (cu.RMIN != cu.RMAX) return at(Field::RMIN);
    if (cu.OMIN != cu.OMAX) return at(Field::OMIN);
    if (cu.SMIN != cu.SMAX) return at(Field::SMIN);
  }
  // The range in the set's order: books first, then their chapters.
  const int first = cu.set.running_chapter(range_book(cu, Field::BBK), cu.BCHAP);
  const int last = cu.set.running_chapter(range_book(cu, Field::EBK), cu.ECHAP);
  if (first > last || (first == last && cu.BVER > cu.EVER)) return at(Field::BCHAP);
  return std::nullopt;
}

std::optional<Broken> saved_style_broken(const ConfigUnit& cu) {
  if (std::optional<Broken> b = first_broken(cu)) return b;
  if (cu.SETSPC == 'Y')
    if (std::string why = type_line_problem(cu); !why.empty()) return Broken{Field::SETSPC, why};
  return std::nullopt;
}

std::string describe(const Broken& b) {
  return "field \"" + std::string(field_spec(b.field).label) + "\"" +
         (b.why.empty() ? "" : ": " + b.why);
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
  if (std::optional<Broken> b = first_broken(p.cu)) return b->field;
  return std::nullopt;
}

}  // namespace halvorin
