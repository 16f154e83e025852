#pragma once
// The configuration form: every value of the loaded style, edited field by field, then the
// header line where Enter saves and Esc returns to the style list.
#include "config/form_fields.hpp"
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
// Fills the unit's verse table again from its set, by running chapter (done each time the cursor
// enters the Output field).
void EVSET(ConfigUnit& cu);

// The book of a range end, from 1, named by its book field (BBK or EBK) or by one of its
// chapter and verse fields: in a set of several books the book of the stored letter (the set's
// first book for a style without letters), 0 for a letter of no book of the set; in a set of
// one book always that book.
int range_book(const ConfigUnit& cu, Field f);
// Shows the loaded style's books in the book fields: BBK and EBK become a blank and the book's
// letter as the set declares it (" A" for Acts). A letter of no book of the set is shown as it
// is, for the checks to report.
void show_books(ConfigUnit& cu);

// The rules applied after an entry in the book and chapter fields, with their redraws.
// Begin book: the book code becomes the chosen book's; in a set of several books the Begin
// Chapter is brought within the book; the Begin Ver is lowered to its chapter's last verse.
void SETBBK(Program& p, int book);
// Begin chapter: brought within the chapters of its book; the Begin Ver lowered to fit.
void SETBBK2(Program& p);
// End book: as the Begin book, for the End Chapter and End Ver.
void SETEBK(Program& p, int book);

// The chapter rule of both chapter fields for a chapter of book `book` (from 1): at most the
// book's last chapter. For the reduced material ("L"): the built-in Acts set has no chapter 7 and
// ends at 9; a declared set takes the next chapter its reduced material covers, or the last one.
int chapter_rule(const ConfigUnit& cu, int book, int chapter);
// The last verse of a chapter of book `book`, or 0 for a chapter outside it.
int verse_limit(const ConfigUnit& cu, int book, int chapter);

}  // namespace halvorin
