// The quiz file of a pass, from its creation to the closing screen and the printed copies.
#include <cctype>
#include <climits>
#include <vector>

#include "driver/steps.hpp"
#include "driver/thank.hpp"
#include "output/pdf.hpp"
#include "platform/errors.hpp"
#include "platform/keys.hpp"
#include "platform/printer.hpp"
#include "selection/progress.hpp"

namespace halvorin {

namespace {

// Closes a file of the pass if it is still open; a Replace file is renamed into place here.
void close_file(std::unique_ptr<TextWriter>& f) {
  if (f && f->is_open()) f->close();
  f.reset();
}

// A typed whole number that fits 16 bits, blanks around it allowed.
bool parse_count(const std::string& s, int& out) {
  size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  size_t j = s.size();
  while (j > i && s[j - 1] == ' ') --j;
  std::string d = s.substr(i, j - i);
  size_t k = (!d.empty() && (d[0] == '-' || d[0] == '+')) ? 1 : 0;
  if (k == d.size() || d.size() - k > 5) return false;
  for (size_t n = k; n < d.size(); ++n)
    if (!std::isdigit(static_cast<unsigned char>(d[n]))) return false;
  long v = std::stol(d);
  if (v < SHRT_MIN || v > SHRT_MAX) return false;
  out = static_cast<int>(v);
  return true;
}

// Asks for the number of copies until a number is typed.
int ask_copies(Console& con) {
  const int row = con.wherey();
  con.set_where("copies");
  for (;;) {
    con.gotoxy(1, row);
    con.clreol();
    con.write("  How many copies? ");
    int copies = 0;
    if (parse_count(con.read_line(6), copies)) return copies;
  }
}

// Sends the quiz file to the print command; a failure is shown and the file stays as it is.
void print_packet(Program& p, int copies) {
  Console& con = p.con;
  std::vector<std::string> lines;
  TextReader in(p.rs.QUIFILE);
  // Whole lines: the print command cuts them at 79, the default printer by the sheet rule.
  while (!in.eof()) lines.push_back(in.read_line(std::string::npos));
  const std::string err = print_copies(lines, copies);
  if (err.empty()) return;
  con.writeln();
  con.writeln();
  con.writeln("  Printing failed: " + err);
  con.writeln("  The quiz file " + p.rs.QUIFILE + " is kept.");
  con.write("  Press return to continue");
  con.set_where("printing failed");
  con.wait_enter();
}

// Writes the packet's PDF beside the quiz file, for the pages and cards layouts (the
// tab-separated one is for spreadsheets). A failure leaves no PDF of this packet and is shown;
// the quiz file and the list stay whole.
void write_pdf(Program& p) {
  RunState& rs = p.rs;
  Console& con = p.con;
  rs.PDFFILE.clear();
  rs.PDFFAULT = nullptr;
  const char out = static_cast<char>(std::toupper(static_cast<unsigned char>(rs.OUT)));
  if (out != 'C' && out != 'P') return;
  const std::string name = rs.NAME4 + ".pdf";
  try {
    write_packet_pdf(rs.QUIFILE, name, paper_from_env());
    rs.PDFFILE = name;
  } catch (const FileError& e) {
    rs.PDFFAULT = std::current_exception();
    CLR(con);
    con.writeln("  The PDF " + name + " was not written:");
    con.writeln("  " + std::string(e.what()).substr(0, 76));
    con.writeln("  " + rs.QUIFILE + " and " + rs.INFFILE + " are complete.");
    con.writeln();
    con.write("  Press return to continue");
    con.set_where("PDF not written");
    con.wait_enter();
  }
}

}  // namespace

Step create_quiz_file(Program& p) {
  RunState& rs = p.rs;
  rs.QUIFILE = rs.NAME4 + ".qui";
  // The packet is written beside the old one and takes its place only when it is complete, so a
  // pass that starts over or dies half-way leaves the previous packet whole.
  rs.F8.reset();
  rs.F8 = std::make_unique<TextWriter>(rs.QUIFILE, TextWriter::Mode::Replace);
  return Step::Continue;
}

Step finish_packet(Program& p) {
  RunState& rs = p.rs;
  Console& con = p.con;
  if (rs.ABAND3) {
    advance_rset(p);
    con.gotoxy(5, rs.RSET);
    con.clreol();
    con.textcolor(15);
    con.textbackground(4);
    con.write(std::to_string(rs.OLDIPC) + " Percent interrogatives abandoned on quiz " +
              std::to_string(rs.ABAND));
    con.textcolor(14);
    con.textbackground(1);
    con.set_where("interrogatives abandoned");
    con.wait_enter();
  }
  if (rs.RSET > 4) {
    con.gotoxy(20, 3);
    con.write(" Quizzes Complete -- Press Return to Continue");
    con.set_where("quizzes complete");
    con.wait_enter();
  }
  close_file(rs.F8);
  close_file(rs.F9);
  close_file(rs.F10);
  write_pdf(p);

  THANK(con, rs.NAME4);
  show_seed(con, p.rng.seed());
  con.set_where("print question");
  int answer = 0;
  while (answer != 'Y' && answer != 'N') {
    const int key = con.read_key();
    if (key == kKeyExtended) {  // its code is no answer
      con.read_key();
      continue;
    }
    answer = std::toupper(key);
  }
  con.write(std::string(1, static_cast<char>(answer)));
  if (answer == 'N') return Step::StartOver;
  con.writeln();
  con.writeln();
  const int copies = ask_copies(con);
  con.writeln();
  con.writeln();
  con.write("  Be sure printer is ready and press return");
  con.set_where("printer ready");
  con.wait_enter();
  if (copies > 0) print_packet(p, copies);
  return Step::StartOver;
}

}  // namespace halvorin
