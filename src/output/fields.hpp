#pragma once
// Reading the parts of a question line that the quiz file shows: reference, number, labels,
// the break points of a first line.
#include <string>

#include "output/wrap.hpp"
#include "state/material_set.hpp"

namespace halvorin {

// The chapter (characters 1-2) without its leading blank.
std::string chapter_of(const QuestionText& t);
// The verse (characters 4-5) without its leading blank.
std::string verse_of(const QuestionText& t);
// Characters from..to of the buffer as they stand.
std::string chars(const QuestionText& t, int from, int to);
// The reference: the book letter, a blank and characters 1-5.
std::string reference_of(const QuestionText& t, char book);
// The position number in `width`, or as many blanks past the A and B start.
std::string number_text(int x, int ab, int width);
// Text right-aligned in width (longer text is kept whole).
std::string right(const std::string& s, int width);

// Where a question's text ends: the position before the first run of `blanks` blanks from
// `from` on, or the end of the buffer.
int text_end(const QuestionText& t, int from, int blanks);

// The label of an FTV line: it starts at 7 (or at 6 when 6 is no tab) and runs to the next tab.
struct FtvLabel {
  int start = 7;       // first character
  int tab = 7;         // the tab after it; the verse text starts at tab + 1
  std::string text;    // the label
  bool quote = false;  // a label beginning with Q: a quotation question
};
// Finds the label; a line without a tab after its label ends the label at its first blank.
FtvLabel ftv_label(const QuestionText& t);
// A CV Ref or CO Ref (or FTV, for the tab-separated layout) label: from 7 to the next tab, at
// most to 11. The text begins after `tab`.
struct RefLabel {
  std::string text;
  int tab = 9;
};
RefLabel ref_label(const QuestionText& t, int start);

// The first line's break: scans from..to, turning tabs into blanks, and returns the last blank
// (from - 1 when there is none). When a question mark ends the line the scan also ends right
// after the first one, and `stopped` tells whether it did.
int scan_break(QuestionText& t, int from, int to, QuestionMark mark, bool* stopped = nullptr);

// The first-line break of a SIT text: the last blank before its first quotation mark (6 when
// none precedes it). A text without a quotation mark breaks like a regular question, at the
// last blank at or before `limit`.
int sit_break(QuestionText& t, int limit);

}  // namespace halvorin
