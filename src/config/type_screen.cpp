#include "config/type_screen.hpp"

#include "platform/errors.hpp"
#include "platform/keys.hpp"

namespace halvorin {

namespace {

constexpr int kRow = 12;  // the letter row, under the question numbers

// The four placeable types: their letter, how many are placed, how many may be.
struct TypeCount {
  char letter;
  int placed;
  int most;
};

struct Placement {
  TypeCount t[4];
  TypeCount* find(char c) {
    for (TypeCount& x : t)
      if (x.letter == c) return &x;
    return nullptr;
  }
  int total() const { return t[0].placed + t[1].placed + t[2].placed + t[3].placed; }
};

// Brings TYP to 30 letters, each "n" or a type letter, with no type more often than its
// maximum; letters outside the numbers shown are kept and counted while a quiz asks them.
Placement recount(ConfigUnit& cu) {
  Placement pl{{{'F', 0, cu.FMAX}, {'R', 0, cu.RMAX}, {'O', 0, cu.OMAX}, {'S', 0, cu.SMAX}}};
  std::string typ = cut(cu.TYP, 30);
  typ.resize(30, 'n');
  for (int n = 1; n <= 30; ++n) {
    char& c = typ[static_cast<size_t>(n - 1)];
    TypeCount* x = pl.find(c);
    if (x && n <= cu.QMAX && x->placed < x->most) {
      x->placed += 1;
    } else {
      // "A", anything unknown, one more than the type's maximum, or a letter past the last
      // question of a quiz, which no quiz would ask
      c = 'n';
    }
  }
  cu.TYP = typ;
  return pl;
}

void draw(Program& p, int spc) {
  Console& con = p.con;
  ConfigUnit& cu = p.cu;
  CLR(con);
  con.gotoxy(1, 3);
  con.write("                                Set Specialty Types");
  con.gotoxy(1, 4);
  con.writeln("    " + std::string(70, '_'));
  con.gotoxy(1, 6);
  con.writeln("    Choose:  " + std::to_string(cu.FMAX) + " FTV (F)   " + std::to_string(cu.RMAX) +
              " CV Ref (R)   " + std::to_string(cu.OMAX) + " CO Ref (O)   and " +
              std::to_string(cu.SMAX) + " SIT (S).");
  con.gotoxy(1, 8);
  con.write("    Press Enter when Finished");
  std::string tens(static_cast<size_t>(spc), ' '), units = tens;
  for (int n = cu.SPEARLY; n <= cu.SPLATE; ++n) {
    tens += n < 10 ? "  " : fmt_int(n / 10, 2);
    units += fmt_int(n % 10, 2);
  }
  con.gotoxy(1, 10);
  con.write(tens);
  con.gotoxy(1, 11);
  con.write(units);
  con.gotoxy(1, kRow);
  con.write(std::string(static_cast<size_t>(spc), ' '));
}

}  // namespace

void SETSPEC(Program& p) {
  Console& con = p.con;
  ConfigUnit& cu = p.cu;
  con.set_where("specialty type screen");
  // The checks before the header guarantee a window inside 1..30 and maxima that add up to
  // the total; without them the screen could never be finished.
  if (cu.SPEARLY < 1 || cu.SPLATE > 30 || cu.SPEARLY > cu.SPLATE ||
      cu.FMAX + cu.RMAX + cu.OMAX + cu.SMAX != cu.SPMAX || cu.SPLATE - cu.SPEARLY + 1 < cu.SPMAX)
    throw InternalError("the specialty type screen was opened for an unchecked style");
  // The rows are centred on 80 columns; each question number owns two columns.
  int spc = 39 - (cu.SPLATE - cu.SPEARLY);
  draw(p, spc);
  cu.SPECS = cu.FMAX + cu.RMAX + cu.OMAX + cu.SMAX;
  con.textcolor(15);
  con.textbackground(4);
  Placement pl = recount(cu);
  for (int n = cu.SPEARLY; n <= cu.SPLATE; ++n) {
    char c = at(cu.TYP, n);
    con.write(c == 'n' ? std::string("  ") : std::string{' ', c});
  }
  int n = cu.SPEARLY;
  int x = spc + 2;
  auto put = [&](char c) {
    cu.TYP[static_cast<size_t>(n - 1)] = c;
    con.write(std::string(1, c == 'n' ? ' ' : c));
  };
  auto clear = [&] {
    if (TypeCount* old = pl.find(at(cu.TYP, n))) old->placed -= 1;
    put('n');
  };
  for (;;) {
    con.gotoxy(x, kRow);
    int key = con.read_key();
    if (key == kKeyLeft) {  // wrapping to the last number
      n -= 1;
      x -= 2;
      if (n < cu.SPEARLY) {
        n = cu.SPLATE;
        x = spc + 2 + 2 * (cu.SPLATE - cu.SPEARLY);
      }
    } else if (key == kKeyRight) {  // wrapping to the first number
      n += 1;
      x += 2;
      if (n > cu.SPLATE) {
        n = cu.SPEARLY;
        x = spc + 2;
      }
    } else if (key == kKeyEnter) {
      if (pl.total() == cu.SPMAX) {
        con.textcolor(14);
        con.textbackground(1);
        return;
      }
    } else if (key == ' ') {
      clear();
    } else {
      char c = static_cast<char>(key >= 'a' && key <= 'z' ? key - 'a' + 'A' : key);
      TypeCount* t = (key > 0 && key < 128) ? pl.find(c) : nullptr;
      if (!t) continue;
      if (t->placed < t->most && at(cu.TYP, n) != c) {
        if (TypeCount* old = pl.find(at(cu.TYP, n))) old->placed -= 1;
        t->placed += 1;
        put(c);
      } else if (c == 'S') {
        // S on a full SIT count, or on an S, clears the number.
        clear();
      }
    }
  }
}

}  // namespace halvorin
