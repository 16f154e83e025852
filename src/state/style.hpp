#pragma once
// A quiz style as its style file stores it (29 lines), read and written by one pair of routines.
#include <string>

namespace halvorin {

class TextReader;
class TextWriter;

struct StyleValues {
  char LG = ' ';            // style level letter; "L" selects the reduced material
  int BCHAP = 1, BVER = 1;  // first chapter and verse of the range
  int ECHAP = 1, EVER = 1;  // last chapter and verse
  // Books of the range's first and last chapter, by letter, in a set of several books; 0 when
  // the style names none (every Acts style): the set's first book. Stored after chapter and
  // verse on lines 2 and 3 ("14 1 R"), where a reader that takes two numbers skips them.
  char BBOOK = 0, EBOOK = 0;
  std::string NAME4;            // output base name (at most 14 characters)
  int LPP = 66;                 // lines per page
  char OUT = 'P';               // output kind C, P or T
  int QMAX = 20;                // questions per quiz
  char REGLST = 'A';            // regular list letter
  int AB = 20;                  // position where A and B questions begin
  int IPC = 50;                 // percent of interrogative questions
  char INDX = 'Y';              // "N" reuses an existing count file
  int QNUM = 1;                 // quizzes in the run
  char SEC1 = 'V';              // sectoring mode C, V or Q
  int REPEATPCT = 0;            // percent of questions eligible for repeats
  int SPMAX = 0, SPMIN = 0;     // specialty questions per quiz, all types
  int FMAX = 0, FMIN = 0;       // FTV
  int RMAX = 0, RMIN = 0;       // CV Ref
  int OMAX = 0, OMIN = 0;       // CO Ref
  int SMAX = 0, SMIN = 0;       // SIT
  int PRIMPCT = 59;             // percent of primary FTV (names the FTV and count files)
  int SPEARLY = 1, SPLATE = 1;  // first and last position open to specialties
  char SETSPC = 'N';            // "Y": specialty types fixed per position
  std::string TYP;              // specialty type string (at most 30 characters)
};

// Reads a style file: each item from the start of its line, the rest of the line skipped.
// Values are not range-checked. Throws FileError naming the line on a missing file or bad number.
StyleValues read_style_file(const std::string& name);
// The same from an open reader (fuzzing, tests).
StyleValues read_style(TextReader& in);
// Writes lines 1 to 28 of a style file.
void write_style_lines(TextWriter& out, const StyleValues& st);
// The style file's name: the style name + ".spe", cut to 14 characters.
std::string style_file_name(const std::string& style);

}  // namespace halvorin
