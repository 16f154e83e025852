// What each field does with a value once it is entered: limits, pairs kept in order, the
// admissible primary FTV percentages, and the chapter and verse rules.
#include "config/form_rules.hpp"

#include <algorithm>

#include "config/form.hpp"
#include "config/form_fields.hpp"
#include "config/style_list.hpp"

namespace halvorin {

namespace {

// Entered values from lo to hi are stored as `stored`, or as entered when `stored` is 0.
struct PrimBand {
  int lo, hi, stored;
};

constexpr PrimBand kPrimBands[] = {
    {.lo = 97, .hi = 100, .stored = 0}, {.lo = 91, .hi = 96, .stored = 99},
    {.lo = 88, .hi = 90, .stored = 0},  {.lo = 81, .hi = 87, .stored = 89},
    {.lo = 78, .hi = 80, .stored = 0},  {.lo = 71, .hi = 77, .stored = 79},
    {.lo = 68, .hi = 70, .stored = 0},  {.lo = 61, .hi = 67, .stored = 69},
    {.lo = 57, .hi = 60, .stored = 0},  {.lo = 54, .hi = 56, .stored = 59},
    {.lo = 51, .hi = 53, .stored = 0},
};

// The book field of a range end, and its chapter and verse fields.
struct RangeEnd {
  Field book, chapter, verse;
};

RangeEnd range_end(Field f) {
  switch (f) {
    case Field::EBK:
    case Field::ECHAP:
    case Field::EVER:
      return {Field::EBK, Field::ECHAP, Field::EVER};
    default:
      return {Field::BBK, Field::BCHAP, Field::BVER};
  }
}

char& book_letter(ConfigUnit& cu, Field f) {
  return range_end(f).book == Field::BBK ? cu.BBOOK : cu.EBOOK;
}

// The book whose chapters limit a field: a letter of no book of the set limits by the first.
int limiting_book(const ConfigUnit& cu, Field f) { return std::max(range_book(cu, f), 1); }

// The book code shown for a stored letter.
std::string book_code(const ConfigUnit& cu, char letter) {
  int b = cu.set.several_books() ? cu.set.book_of_letter(letter) : 1;
  if (letter == 0) b = 1;
  return std::string{' ', b > 0 ? cu.set.book(b).letter : letter};
}

// Lowers the stored verse to the chapter's last verse and redraws it when it changed.
void fit_verse(Program& p, Field chapter, Field verse) {
  ConfigUnit& cu = p.cu;
  int& v = cu.*field_spec(verse).num;
  int last = verse_limit(cu, limiting_book(cu, chapter), cu.*field_spec(chapter).num);
  if (last > 0 && v > last) {
    v = last;
    draw_value(p.con, cu, verse);
  }
}

// The book rule of both book fields: the chosen book's code; in a set of several books its
// letter is stored and the chapter brought within the book.
void set_book(Program& p, Field book, int b) {
  ConfigUnit& cu = p.cu;
  const RangeEnd end = range_end(book);
  if (cu.set.several_books()) {
    const bool other_book = book_letter(cu, book) != cu.set.book(b).letter;
    book_letter(cu, book) = cu.set.book(b).letter;
    int& chapter = cu.*field_spec(end.chapter).num;
    const int kept = chapter_rule(cu, b, chapter);
    if (kept != chapter) {
      chapter = kept;
      draw_value(p.con, cu, end.chapter);
    }
    // Another end book, like a new end chapter, ends the range at its chapter's last verse.
    if (book == Field::EBK && other_book) {
      int& v = cu.*field_spec(end.verse).num;
      const int last = verse_limit(cu, b, chapter);
      if (last > 0 && v != last) {
        v = last;
        draw_value(p.con, cu, end.verse);
      }
    }
  }
  cu.*field_spec(book).text = book_code(cu, book_letter(cu, book));
  draw_value(p.con, cu, book);
  fit_verse(p, end.chapter, end.verse);
}

// The built-in Acts set keeps its own rule for the reduced material, whatever its chapter list.
bool acts_rules(const ConfigUnit& cu) { return cu.set.acts_verse_table; }

}  // namespace

int PRIM(int entered) {
  if (entered > 100) return 100;
  for (const PrimBand& b : kPrimBands)
    if (entered >= b.lo && entered <= b.hi) return b.stored ? b.stored : entered;
  return 59;
}

int CAPS(int key) { return (key >= 'a' && key <= 'e') ? key - 'a' + 'A' : key; }

void EVSET(ConfigUnit& cu) {
  cu.EVS.resize(cu.set.total_chapters());
  for (int c = 1; c <= cu.set.total_chapters(); ++c) cu.EVS[c] = cu.set.verses_of(c);
}

int range_book(const ConfigUnit& cu, Field f) {
  const char letter = range_end(f).book == Field::BBK ? cu.BBOOK : cu.EBOOK;
  if (!cu.set.several_books() || letter == 0) return 1;
  return cu.set.book_of_letter(letter);
}

void show_books(ConfigUnit& cu) {
  for (Field f : {Field::BBK, Field::EBK}) {
    char& letter = book_letter(cu, f);
    // A letter is kept as the set declares it, whatever its case in the file.
    if (cu.set.several_books() && range_book(cu, f) > 0 && letter != 0)
      letter = cu.set.book(range_book(cu, f)).letter;
    cu.*field_spec(f).text = book_code(cu, letter);
  }
}

int chapter_rule(const ConfigUnit& cu, int book, int chapter) {
  if (acts_rules(cu)) {
    if (chapter > 28) chapter = 28;
    if (cu.LG == 'L') {
      if (chapter == 7) chapter = 8;
      if (chapter > 9) chapter = 9;
    }
    return chapter;
  }
  const Book& bk = cu.set.book(book);
  chapter = std::clamp(chapter, 1, bk.chapters());
  if (cu.LG == 'L' && !bk.reduced.empty()) {
    auto next = std::lower_bound(bk.reduced.begin(), bk.reduced.end(), chapter);
    chapter = next == bk.reduced.end() ? bk.reduced.back() : *next;
  }
  return chapter;
}

int verse_limit(const ConfigUnit& cu, int book, int chapter) {
  if (book < 1 || book > static_cast<int>(cu.set.books.size())) return 0;
  return cu.set.book(book).verses_in(chapter);
}

void SETBBK(Program& p, int book) { set_book(p, Field::BBK, book); }

void SETBBK2(Program& p) {
  p.cu.BCHAP = chapter_rule(p.cu, limiting_book(p.cu, Field::BCHAP), p.cu.BCHAP);
  draw_value(p.con, p.cu, Field::BCHAP);
  fit_verse(p, Field::BCHAP, Field::BVER);
}

void SETEBK(Program& p, int book) { set_book(p, Field::EBK, book); }

void apply_number_rule(Program& p, Field f) {
  ConfigUnit& cu = p.cu;
  switch (f) {
    case Field::BCHAP:
      SETBBK2(p);
      return;
    case Field::ECHAP:
      cu.ECHAP = chapter_rule(cu, limiting_book(cu, Field::ECHAP), cu.ECHAP);
      draw_value(p.con, cu, Field::ECHAP);
      // A new end chapter always ends at its last verse.
      cu.EVER = verse_limit(cu, limiting_book(cu, Field::ECHAP), cu.ECHAP);
      draw_value(p.con, cu, Field::EVER);
      return;
    case Field::BVER:
      fit_verse(p, Field::BCHAP, Field::BVER);
      break;
    case Field::EVER:
      fit_verse(p, Field::ECHAP, Field::EVER);
      break;
    case Field::PRIMPCT:
      cu.PRIMPCT = PRIM(cu.PRIMPCT);
      break;
    default:
      if (const Limit* l = limit_of(f)) {
        int& v = cu.*field_spec(f).num;
        v = std::clamp(v, l->lo, l->hi);
        if (const Limit* other = limit_of(l->partner)) {
          // A partner outside its own limits (a hand-edited style) is not copied over: the
          // pair is kept in order against the nearest value the partner could hold.
          int bound = std::clamp(cu.*field_spec(l->partner).num, other->lo, other->hi);
          v = l->pair == PairEnd::Lower ? std::min(v, bound) : std::max(v, bound);
        }
      }
      break;
  }
  draw_value(p.con, cu, f);
}

const Limit* limit_of(Field f) {
  if (f == Field::Stay || f == Field::Header) return nullptr;
  const std::optional<Limit>& l = field_spec(f).limit;
  return l ? &*l : nullptr;
}

}  // namespace halvorin
