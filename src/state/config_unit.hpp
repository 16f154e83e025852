#pragma once
// The configuration unit's own variables: its working copy of the style values (the pass reads
// the saved style into a copy of its own), the style list table and the key variable I.
#include <string>

#include "state/run_state.hpp"
#include "state/style.hpp"
#include "state/table.hpp"

namespace halvorin {

constexpr int FILMAX = 15;  // entries of the style list table, "Exit" included

struct ConfigUnit : StyleValues {
  std::string BBK = " A", EBK = " A";  // book codes, always " A"
  VerseTable EVS{"EVS"};               // verses per chapter, set by SETVS
  // The folder's material set, for the form's book and chapter fields.
  MaterialSet set = standard_acts_set();
  Table<std::string, FILMAX> FIL{"FIL"};
  int X = 0;          // lines read from the style list
  int FLS = 0;        // style names in the list (X - 1)
  int Y = 1;          // the highlighted list entry
  std::string NAME1;  // name of the style being edited
  std::string NAME;   // style file being loaded
  int I = 0;          // the last key read (shared with the driver)
  int SPECS = 0;      // specialty letters of the current pattern
  int QZ = 0;         // quizzes, for the pattern step
  Table<std::string, 150> PAT{"PAT"};
  bool BACK = false;  // back request of the pattern review
};

}  // namespace halvorin
