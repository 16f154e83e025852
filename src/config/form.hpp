#pragma once
// The configuration form: every value of the loaded style, edited field by field, then the
// header line where Enter saves and Esc returns to the style list.
#include "state/program.hpp"

namespace halvorin {

enum class FormExit { Save, Back };

// Draws the form, runs it on the loaded style (the unit's values) and reports how it was left.
FormExit run_form(Program& p);

// Draws the header, the labels and every current value; NAME1 := FIL[Y].
void OVRLAY(Program& p);

// Writes the header text at column 15, row 3 in the normal colours (QCON2), or highlighted
// white on green at the cursor, waiting for acceptance (QCON); both leave the value colours set.
void QCON(Console& con);
void QCON2(Console& con);

// The admissible primary FTV percentage for an entered one (it names the FTV file).
int PRIM(int entered);
// Turns "a".."e" into capitals; other keys unchanged.
int CAPS(int key);
// Fills the unit's verse table again (done each time the cursor enters the Output field).
void EVSET(ConfigUnit& cu);

// The rules applied after an entry in the book and chapter fields, with their redraws.
// Begin book: the code becomes " A"; the Begin Ver is lowered to its chapter's last verse.
void SETBBK(Program& p);
// Begin chapter: brought within the chapters of the material; the Begin Ver lowered to fit.
void SETBBK2(Program& p);
// End book: the code becomes " A"; the End Ver is lowered to its chapter's last verse.
void SETEBK(Program& p);

// The chapter rule of both chapter fields: at most 28; the reduced material ("L") has no
// chapter 7 and ends at 9.
int chapter_rule(int chapter, char level);
// The last verse of a chapter by the unit's verse table, or 0 for a chapter outside it.
int verse_limit(const ConfigUnit& cu, int chapter);

}  // namespace halvorin
