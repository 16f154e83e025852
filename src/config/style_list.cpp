#include "config/style_list.hpp"

#include "config/form.hpp"
#include "config/type_screen.hpp"
#include "material/material_set.hpp"
#include "platform/keys.hpp"
#include "platform/text_file.hpp"

namespace halvorin {

namespace {

// The most lines the style list may hold: its names and "Enter New Specs"; "Exit" makes FILMAX.
constexpr int kListMax = FILMAX - 1;

enum class Entry { Plain, Highlighted };

void draw_entry(Console& con, const ConfigUnit& cu, int i, Entry shown) {
  con.gotoxy(33, i + 5);
  if (shown == Entry::Highlighted) {
    con.textbackground(4);
    con.textcolor(15);
  }
  con.write(pad_right(cu.FIL[i], 15));
  con.textbackground(1);
  con.textcolor(14);
}

// Rewrites the style list from the given lines, by atomic replacement.
void write_list(const std::vector<std::string>& lines) { replace_file(kStyleList, lines); }

}  // namespace

int verses_in_chapter(int chapter) { return standard_acts_set().book(1).verses_in(chapter); }

void SETVS(ConfigUnit& cu) {
  // A folder declares its set in its own file; without one the unit keeps the built-in Acts set
  // (the pass reads the folder's verse table for itself).
  if (!find_file(kSetFile).empty()) {
    TextReader in(kSetFile);
    cu.set = read_material_set(in);
  } else {
    cu.set = standard_acts_set();
  }
  EVSET(cu);
}

void TOPMENU(Program& p) {
  Console& con = p.con;
  ConfigUnit& cu = p.cu;
  con.textbackground(1);
  con.textcolor(14);
  CLR(con);
  con.gotoxy(1, 3);
  con.write("            Press Return to Choose a Quiz Style or Shift-D to Delete");
  con.gotoxy(1, 4);
  con.write("     _____________________________________________________________________");
  TextReader in(kStyleList);
  cu.X = 0;
  do {
    if (cu.X == kListMax)
      in.fail("the style list holds more than " + std::to_string(kListMax) +
              " lines; remove some styles from it");
    cu.X += 1;
    cu.FIL[cu.X] = in.read_line(16);
  } while (!in.eof());
  cu.FLS = cu.X - 1;
  cu.FIL[cu.X + 1] = "Exit";
  for (int i = 1; i <= cu.X + 1; ++i) draw_entry(con, cu, i, Entry::Plain);
}

void CHECKNEW(Program& p) {
  ConfigUnit& cu = p.cu;
  if (cu.FIL[cu.Y] == kNewEntry) cu.FIL[cu.Y] = "New";
  check_plain_name(cu.FIL[cu.Y], kStyleList, cu.Y);
  cu.NAME = style_file_name(cu.FIL[cu.Y]);
}

void READIN(Program& p) {
  ConfigUnit& cu = p.cu;
  static_cast<StyleValues&>(cu) = read_style_file(cu.NAME);
}

void OUTFILE(Program& p) {
  ConfigUnit& cu = p.cu;
  check_plain_name(cu.NAME1, "style name", 0);
  // The range names its books only in a set of several books; the letters stand as declared.
  for (Field f : {Field::BBK, Field::EBK})
    (f == Field::BBK ? cu.BBOOK : cu.EBOOK) =
        cu.set.several_books() ? cu.set.book(range_book(cu, f)).letter : 0;
  // The style file first, so the list never names a style whose file was not written.
  TextWriter out(style_file_name(cu.NAME1), TextWriter::Mode::Replace);
  write_style_lines(out, cu);
  p.con.textbackground(1);
  p.con.textcolor(14);
  if (cu.SETSPC == 'Y') {
    SETSPEC(p);
  } else {
    cu.TYP = std::string(30, 'n');
    for (int x = cu.SPEARLY; x <= cu.SPLATE && x <= 30; ++x)
      if (x >= 1) cu.TYP[static_cast<size_t>(x - 1)] = 'A';
  }
  out.writeln(pad_right(cut(cu.TYP, 30), 30));
  out.close();

  bool rpt = false;
  std::vector<std::string> lines;
  {
    TextReader in(kStyleList);
    while (!in.eof()) {
      lines.push_back(in.read_line(16));
      if (cut(lines.back(), 14) == cu.NAME1) rpt = true;
    }
  }
  if (!rpt && cu.NAME1 != "New") {
    if (cu.FLS + 2 > kListMax) {
      // The list is full: the style is saved but not listed; say so instead of losing a name.
      Console& con = p.con;
      con.set_where("style list full");
      CLR(con);
      con.gotoxy(3, 3);
      con.write("The style list is full: " + cu.NAME1 + " was saved but is not listed.");
      con.gotoxy(3, 5);
      con.write("Delete a style with Shift-D to make room.  Press Return to continue.");
      con.wait_enter();
    } else {
      std::vector<std::string> list;
      for (int i = 1; i <= cu.FLS; ++i) list.push_back(cu.FIL[i]);
      list.push_back(cu.NAME1);
      list.push_back(kNewEntry);
      write_list(list);
    }
  }
  replace_file(kHandOver, {cu.NAME1});
}

void SPECS2(Program& p, bool) {
  ConfigUnit& cu = p.cu;
  Console& con = p.con;
  SETVS(cu);
  for (;;) {
    con.set_where("style list");
    TOPMENU(p);
    cu.Y = 1;
    int z = cu.Y;
    for (;;) {
      draw_entry(con, cu, z, Entry::Plain);
      draw_entry(con, cu, cu.Y, Entry::Highlighted);
      z = cu.Y;
      int key = con.read_key();
      cu.I = key;
      if (key == 'D' && cu.Y < cu.X) {
        std::vector<std::string> list;
        for (int i = 1; i <= cu.X; ++i)
          if (i != cu.Y) list.push_back(cu.FIL[i]);
        write_list(list);
        break;  // draw the list again from the file
      }
      if (key == '8' || key == kKeyUp) cu.Y -= 1;
      if (key == '2' || key == kKeyDown) cu.Y += 1;
      if (cu.Y == 0) cu.Y = cu.X + 1;
      if (cu.Y == cu.X + 2) cu.Y = 1;
      if (key != kKeyEnter) continue;
      con.textbackground(1);
      if (cu.Y == cu.X + 1) {
        replace_file(kHandOver, {"Exit"}, LastLine::Unended);
        return;
      }
      CHECKNEW(p);
      READIN(p);
      CLR(con);
      if (run_form(p) == FormExit::Save) {
        OUTFILE(p);
        return;
      }
      break;  // Esc on the header line: back to the style list
    }
  }
}

}  // namespace halvorin
