#include "driver/pass.hpp"

#include "config/style_list.hpp"
#include "driver/screens.hpp"
#include "driver/steps.hpp"
#include "platform/text_file.hpp"

namespace halvorin {

std::string primpct_digits(int primpct) {
  if (primpct == 100) return "00";
  int v = primpct < 0 ? 0 : primpct % 100;
  return std::string(1, static_cast<char>('0' + v / 10)) + static_cast<char>('0' + v % 10);
}

void read_verse_table(RunState& rs) {
  TextReader in("Verses.txt");
  for (int k = 1; k <= CHMAX; ++k) {
    if (in.eof()) in.fail("the verse table needs 28 lines, one per chapter");
    int v = in.read_int();
    if (v < 0 || v > 255) in.fail("verses of a chapter must be 0..255, not " + std::to_string(v));
    if (v > VMAX) in.fail("a chapter may have at most 65 verses, not " + std::to_string(v));
    rs.EVS[k] = v;
    in.skip_line();
  }
}

bool read_hand_over(Program& p) {
  TextReader in("temp2.txt");
  p.rs.NAME = in.read_line(14);
  if (p.rs.NAME == "Exit") {
    p.con.textcolor(15);
    p.con.textbackground(0);
    p.con.clrscr();
    return true;
  }
  return false;
}

void read_run_style(Program& p) {
  RunState& rs = p.rs;
  ConfigUnit& cu = p.cu;
  check_plain_name(rs.NAME, "temp2.txt", 1);
  std::string file = style_file_name(rs.NAME);
  StyleValues st = read_style_file(file);
  check_plain_name(st.NAME4, file, 4);
  rs.LG = st.LG;
  rs.BCHAP = st.BCHAP;
  rs.BVER = st.BVER;
  rs.ECHAP = st.ECHAP;
  rs.EVER = st.EVER;
  cu.NAME4 = st.NAME4;
  rs.LPP = st.LPP;
  rs.OUT = st.OUT;
  rs.QMAX = st.QMAX;
  cu.REGLST = st.REGLST;
  rs.AB = st.AB;
  rs.IPC = st.IPC;
  rs.INDX = st.INDX;
  rs.QNUM = st.QNUM;
  cu.SEC1 = st.SEC1;
  rs.REPEATPCT = st.REPEATPCT;
  rs.SPMAX = st.SPMAX;
  rs.SPMIN = st.SPMIN;
  rs.FMAX = st.FMAX;
  rs.FMIN = st.FMIN;
  rs.RMAX = st.RMAX;
  rs.RMIN = st.RMIN;
  rs.OMAX = st.OMAX;
  rs.OMIN = st.OMIN;
  rs.SMAX = st.SMAX;
  rs.SMIN = st.SMIN;
  cu.PRIMPCT = st.PRIMPCT;
  rs.SPEARLY = st.SPEARLY;
  rs.SPLATE = st.SPLATE;
  cu.SETSPC = st.SETSPC;
  rs.TYP = st.TYP;
}

void name_ftv_and_count_files(Program& p) {
  RunState& rs = p.rs;
  std::string ll = rs.LG == 'L' ? "LL" : "";
  std::string dd = primpct_digits(p.cu.PRIMPCT);
  rs.FN = ll + "FTV." + dd;
  rs.FTVFILE = rs.FN;
  rs.NAME6 = ll + "count." + dd + std::string(1, p.cu.REGLST);
  rs.COUNTFILE = rs.NAME6;
  rs.NAME7 = rs.NAME6;
}

PassEnd run_pass(Program& p) {
  RunState& rs = p.rs;
  Console& con = p.con;
  // Step 1: heading.
  rs.ABAND3 = false;
  con.clrscr();
  rs.RSET = 4;
  WRITEHDG(con);
  con.gotoxy(1, 3);
  CLR(con);
  // Step 2: the configuration unit.
  SPECS2(p, false);
  // Steps 3 to 6: verse table, hand-over, style file, file names.
  read_verse_table(rs);
  if (read_hand_over(p)) return PassEnd::Exit;
  read_run_style(p);
  name_ftv_and_count_files(p);
  for (Step (*step)(Program&) :
       {make_patterns, count_material, sector_material, create_quiz_file, check_empty_specialty,
        choose_combination_mode, build_interrogative_index, make_quizzes, finish_packet}) {
    if (step(p) == Step::StartOver) return PassEnd::StartOver;
  }
  return PassEnd::StartOver;
}

void run_program(Program& p) {
  p.rs.NUM = 0;
  p.rs.FIX = 0;
  p.rs.ABAND3 = false;
  while (run_pass(p) == PassEnd::StartOver) {
  }
}

}  // namespace halvorin
