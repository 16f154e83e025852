#pragma once
// The configuration unit's entry and its style list: choose, delete, make a new style, leave;
// load and save a style; the hand-over file to the driver.
#include "state/program.hpp"

namespace halvorin {

constexpr const char* kStyleList = "Specs.lst";
constexpr const char* kHandOver = "temp2.txt";
constexpr const char* kNewEntry = "Enter New Specs";

// The whole configuration unit: style list, form, checks, save. Returns with the hand-over file
// holding the chosen style's name or "Exit". The flag is not used.
void SPECS2(Program& p, bool EX);
// Draws the list menu and fills FIL, X and FLS from the style list.
void TOPMENU(Program& p);
// Turns the chosen entry into names: "Enter New Specs" becomes "New"; NAME := FIL[Y] + ".spe".
void CHECKNEW(Program& p);
// Loads the style file NAME into the unit's style values (the form shows its books).
void READIN(Program& p);
// Saves the style being edited, adds a new name to the style list, writes the hand-over file.
void OUTFILE(Program& p);
// Takes the folder's material set (its declaration, else the built-in Acts set) and fills the
// unit's verse table from it. A declaration the program cannot use ends the run (FileError).
void SETVS(ConfigUnit& cu);
// The verses of each chapter of the built-in Acts set, 1..28.
int verses_in_chapter(int chapter);

}  // namespace halvorin
