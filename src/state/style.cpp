#include "state/style.hpp"

#include "platform/text_file.hpp"
#include "state/table.hpp"

namespace halvorin {

namespace {

char read_letter(TextReader& in) {
  if (in.eof()) in.fail("the style file ends early: expected a letter");
  std::string s = in.read_line(1);
  return s.empty() ? ' ' : s[0];
}

int read_number(TextReader& in) {
  int v = in.read_int();
  in.skip_line();
  return v;
}

}  // namespace

StyleValues read_style(TextReader& in) {
  StyleValues st;
  st.LG = read_letter(in);
  st.BCHAP = in.read_int();
  st.BVER = read_number(in);
  st.ECHAP = in.read_int();
  st.EVER = read_number(in);
  if (in.eof()) in.fail("the style file ends early: expected the output name");
  st.NAME4 = in.read_line(14);
  st.LPP = read_number(in);
  st.OUT = read_letter(in);
  st.QMAX = read_number(in);
  st.REGLST = read_letter(in);
  st.AB = read_number(in);
  st.IPC = read_number(in);
  st.INDX = read_letter(in);
  st.QNUM = read_number(in);
  st.SEC1 = read_letter(in);
  st.REPEATPCT = read_number(in);
  st.SPMAX = read_number(in);
  st.SPMIN = read_number(in);
  st.FMAX = read_number(in);
  st.FMIN = read_number(in);
  st.RMAX = read_number(in);
  st.RMIN = read_number(in);
  st.OMAX = read_number(in);
  st.OMIN = read_number(in);
  st.SMAX = read_number(in);
  st.SMIN = read_number(in);
  st.PRIMPCT = read_number(in);
  st.SPEARLY = read_number(in);
  st.SPLATE = read_number(in);
  st.SETSPC = read_letter(in);
  if (in.eof()) in.fail("the style file ends early: expected the specialty type line");
  st.TYP = in.read_line(30);
  return st;
}

StyleValues read_style_file(const std::string& name) {
  TextReader in(name);
  return read_style(in);
}

void write_style_lines(TextWriter& out, const StyleValues& st) {
  auto num = [&](int v) { out.writeln(std::to_string(v)); };
  auto letter = [&](char c) { out.writeln(std::string(1, c)); };
  letter(st.LG);
  out.writeln(std::to_string(st.BCHAP) + " " + std::to_string(st.BVER));
  out.writeln(std::to_string(st.ECHAP) + " " + std::to_string(st.EVER));
  out.writeln(st.NAME4);
  num(st.LPP);
  letter(st.OUT);
  num(st.QMAX);
  letter(st.REGLST);
  num(st.AB);
  num(st.IPC);
  letter(st.INDX);
  num(st.QNUM);
  letter(st.SEC1);
  num(st.REPEATPCT);
  num(st.SPMAX);
  num(st.SPMIN);
  num(st.FMAX);
  num(st.FMIN);
  num(st.RMAX);
  num(st.RMIN);
  num(st.OMAX);
  num(st.OMIN);
  num(st.SMAX);
  num(st.SMIN);
  num(st.PRIMPCT);
  num(st.SPEARLY);
  num(st.SPLATE);
  letter(st.SETSPC);
}

std::string style_file_name(const std::string& style) { return cut(style + ".spe", 14); }

}  // namespace halvorin
