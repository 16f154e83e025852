#include "state/style.hpp"

#include <cctype>

#include "platform/errors.hpp"
#include "platform/text_file.hpp"
#include "state/table.hpp"

namespace halvorin {

namespace {

char read_letter(TextReader& in) {
  if (in.eof()) in.fail("the style file ends early: expected a letter");
  std::string s = in.read_line(1);
  return s.empty() ? ' ' : s[0];
}

// The rest of a range line: a book letter after the chapter and verse, or 0 when there is none.
char read_book(TextReader& in) {
  const std::string rest = in.read_line(16);
  for (char c : rest) {
    if (c == ' ' || c == '\t') continue;
    return std::isalpha(static_cast<unsigned char>(c)) ? c : 0;
  }
  return 0;
}

int read_number(TextReader& in) {
  int v = in.read_int();
  in.skip_line();
  return v;
}

// Reads one item of the style file; a failure names the item as the form labels it.
template <class Read>
auto field(TextReader& in, const char* label, Read read) {
  try {
    return read();
  } catch (const FileError& e) {
    if (e.file() != in.name()) throw;
    throw FileError(e.file(), e.line(), std::string(label) + ": " + e.message());
  }
}

}  // namespace

StyleValues read_style(TextReader& in) {
  StyleValues st;
  auto letter = [&](const char* label) {
    return field(in, label, [&] { return read_letter(in); });
  };
  auto number = [&](const char* label) {
    return field(in, label, [&] { return read_number(in); });
  };
  auto first = [&](const char* label) { return field(in, label, [&] { return in.read_int(); }); };
  st.LG = letter("Style level (L for the reduced material)");
  st.BCHAP = first("Begin Chapter");
  st.BVER = first("Begin Ver");
  st.BBOOK = read_book(in);
  st.ECHAP = first("End Chapter");
  st.EVER = first("End Ver");
  st.EBOOK = read_book(in);
  if (in.eof()) in.fail("Name of Output File: the style file ends early");
  st.NAME4 = in.read_line(14);
  st.LPP = number("Lines/Pg");
  st.OUT = letter("Output (p/c/t)");
  st.QMAX = number("Number of Questions per pack");
  st.REGLST = letter("Reg (a/b/c)");
  st.AB = number("A and B Questions begin on");
  st.IPC = number("Pct Int");
  st.INDX = letter("Reindex (y/n)");
  st.QNUM = number("Number of Quizzes in this Run");
  st.SEC1 = letter("Sector by Chp/Vrs/Que (c/v/q)");
  st.REPEATPCT = number("Percent Eligible for Repeats");
  st.SPMAX = number("Specialty Ranges Total Max");
  st.SPMIN = number("Specialty Ranges Total Min");
  st.FMAX = number("FTV Type Max");
  st.FMIN = number("FTV Type Min");
  st.RMAX = number("CV Ref Max");
  st.RMIN = number("CV Ref Min");
  st.OMAX = number("CO Ref Max");
  st.OMIN = number("CO Ref Min");
  st.SMAX = number("Situation Max");
  st.SMIN = number("Situation Min");
  st.PRIMPCT = number("Pct Prim FTV");
  st.SPEARLY = number("Specialties may appear (from)");
  st.SPLATE = number("Specialties may appear (to)");
  st.SETSPC = letter("Set Specialty Quest nos (y/n)");
  if (in.eof()) in.fail("Specialty types: the style file ends early");
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
  auto book = [](char b) { return b == 0 ? std::string() : " " + std::string(1, b); };
  out.writeln(std::to_string(st.BCHAP) + " " + std::to_string(st.BVER) + book(st.BBOOK));
  out.writeln(std::to_string(st.ECHAP) + " " + std::to_string(st.EVER) + book(st.EBOOK));
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
