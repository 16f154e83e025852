// The form's fixed text: header, rule, labels, and the values drawn over them.
#include "config/form.hpp"
#include "config/form_fields.hpp"

namespace halvorin {

namespace {

constexpr const char* kHeader = "Quiz Configuration -- Press Return Here When Ready";

struct Label {
  int row;
  const char* text;
};

constexpr Label kLabels[] = {
    {6, "    Begin:       Chapter:    Ver:        Number of Quizzes in this Run:"},
    {8, "    End:         Chapter:    Ver:        Sector by Chp/Vrs/Que (c/v/q):"},
    {10, "    Name of Quiz Style  :                Percent Eligible for Repeats :"},
    {12, "    Name of Output File :                Specialty Ranges              "},
    {13, "                                                                       "},
    {14, "    Lines/Pg:     Output (p/c/t):            Total        Min:     Max:"},
    {15, "                                             FTV Type     Min:     Max:"},
    {16, "    Number of Questions per pack:            CV Ref       Min:     Max:"},
    {17, "                                             CO Ref       Min:     Max:"},
    {18, "    A and B Questions begin on  :            Situation    Min:     Max:"},
    {20, "    Specialties may appear    to         Pct Prim FTV:     Reg (a/b/c):"},
    {22, "    Pct Int :      Reindex (y/n):        Set Specialty Quest nos (y/n):"},
};

}  // namespace

void QCON(Console& con) {
  con.textcolor(15);
  con.textbackground(2);
  con.write(kHeader);
  con.textcolor(12);
  con.textbackground(0);
}

void QCON2(Console& con) {
  con.gotoxy(15, 3);
  con.textcolor(14);
  con.textbackground(1);
  con.write(kHeader);
  con.textcolor(12);
  con.textbackground(0);
}

void OVRLAY(Program& p) {
  Console& con = p.con;
  ConfigUnit& cu = p.cu;
  cu.NAME1 = cut(cu.FIL[cu.Y], 14);
  QCON2(con);
  con.textcolor(14);
  con.textbackground(1);
  con.gotoxy(1, 4);
  con.write("    " + std::string(70, '_'));
  for (const Label& l : kLabels) {
    con.gotoxy(1, l.row);
    con.write(l.text);
  }
  for (int f = 0; f < kFieldCount; ++f) draw_value(con, cu, static_cast<Field>(f));
}

}  // namespace halvorin
