#include "driver/pass.hpp"

#include "config/style_list.hpp"
#include "driver/screens.hpp"
#include "driver/steps.hpp"
#include "material/counts.hpp"
#include "material/files.hpp"
#include "material/material_set.hpp"
#include "platform/errors.hpp"
#include "platform/text_file.hpp"

namespace halvorin {

void read_verse_table(RunState& rs) {
  rs.set = load_material_set();
  rs.EVS.resize(rs.set.total_chapters());
  for (int k = 1; k <= rs.set.total_chapters(); ++k) rs.EVS[k] = rs.set.verses_of(k);
  size_counts(rs, rs.EVS);
}

bool read_hand_over(Program& p) {
  TextReader in("temp2.txt");
  p.rs.NAME = in.read_chars(14);
  // The list's Exit entry is written without a line end; a style saved as "Exit" has one.
  if (p.rs.NAME == "Exit" && in.eof()) {
    p.con.textcolor(15);
    p.con.textbackground(0);
    p.con.clrscr();
    return true;
  }
  return false;
}

void read_run_style(Program& p) {
  RunState& rs = p.rs;
  check_plain_name(rs.NAME, "temp2.txt", 1);
  std::string file = style_file_name(rs.NAME);
  StyleValues st = read_style_file(file);
  check_plain_name(st.NAME4, file, 4);
  rs.style() = st;
  running_range(rs, file);
}

void running_range(RunState& rs, const std::string& file) {
  const MaterialSet& set = rs.set;
  // A set of one book has no book letters to read: its chapters are the running chapters.
  if (!set.several_books()) return;
  auto place = [&](int line, const char* which, char letter, int& chapter) {
    const int b = letter == 0 ? 1 : set.book_of_letter(letter);
    if (b == 0)
      throw FileError(file, line,
                      std::string("the ") + which + " of the range names book '" + letter +
                          "', which is not a book of this folder's set (" + set.letters() + ")");
    const Book& book = set.book(b);
    if (chapter < 1 || chapter > book.chapters())
      throw FileError(file, line,
                      std::string("the ") + which + " of the range, " + book.name + " chapter " +
                          std::to_string(chapter) + ", lies outside its chapters 1.." +
                          std::to_string(book.chapters()));
    chapter = set.running_chapter(b, chapter);
  };
  place(2, "start", rs.BBOOK, rs.BCHAP);
  place(3, "end", rs.EBOOK, rs.ECHAP);
}

void name_ftv_and_count_files(Program& p) {
  RunState& rs = p.rs;
  const MaterialFileKey key{rs.LG, rs.REGLST, primpct_digits(rs.PRIMPCT), rs.set.prefix};
  rs.FTVFILE = question_file_name(Kind::Ftv, key);
  rs.COUNTFILE = count_file_name(key);
}

namespace {

constexpr PassStep kSteps[] = {{make_patterns, "making the specialty patterns"},
                               {count_material, "counting the questions"},
                               {sector_material, "sectoring"},
                               {create_quiz_file, "creating the quiz file"},
                               {check_empty_specialty, "checking the specialties"},
                               {choose_combination_mode, "choosing the combination mode"},
                               {build_interrogative_index, "indexing the interrogatives"},
                               {make_quizzes, "making the quizzes"},
                               {finish_packet, "closing the packet"}};

}  // namespace

void begin_pass(Program& p) {
  RunState& rs = p.rs;
  Console& con = p.con;
  p.seed_pass();
  // The sector-repeat counters start afresh too: a pass must not depend on the one before it,
  // or its seed would not make its packet again.
  rs.FIX = 0;
  rs.ABAND3 = false;
  con.clrscr();
  rs.RSET = 4;
  // The heading names the folder's material: a declared set is read for it here, the Acts set
  // needs nothing read.
  if (!find_file(kSetFile).empty()) rs.set = load_material_set();
  WRITEHDG(con, rs.set.title);
  con.gotoxy(1, 3);
  CLR(con);
}

PassEnd run_from_hand_over(Program& p, const PassStep** stopped) {
  // Steps 3 to 6: verse table, hand-over, style file, file names.
  read_verse_table(p.rs);
  if (read_hand_over(p)) return PassEnd::Exit;
  read_run_style(p);
  name_ftv_and_count_files(p);
  for (const PassStep& step : kSteps) {
    // The closing screen always starts over; having reached it, the packet is made.
    if (step.run(p) == Step::StartOver && &step != &kSteps[std::size(kSteps) - 1]) {
      if (stopped) *stopped = &step;
      return PassEnd::StartOver;
    }
  }
  return PassEnd::Complete;
}

PassEnd run_pass(Program& p) {
  begin_pass(p);
  // Step 2: the configuration unit.
  SPECS2(p, false);
  return run_from_hand_over(p);
}

void run_program(Program& p) {
  while (run_pass(p) != PassEnd::Exit) {
  }
}

}  // namespace halvorin
