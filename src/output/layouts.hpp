#pragma once
// The three layouts of the quiz file; OPUT chooses one by the style's output letter.
#include <string>

#include "output/wrap.hpp"
#include "state/run_state.hpp"

namespace halvorin {

// Cards: a title card, then one card of 18 (or 36, ...) lines per question.
void write_cards(const RunState& rs, TextWriter& f);
// Pages: a header, a line per question ending in its reference, page breaks, a closing form feed.
void write_pages(const RunState& rs, TextWriter& f);
// Tab-separated lines: a header and one line per question, then "<pb>".
void write_tabbed(const RunState& rs, TextWriter& f);

// The range of the packet, for example "A 1:1 to A 28:31": each end's book letter and the book's
// own chapter.
std::string range_text(const RunState& rs);
// Loads the question at position x into the text buffer (its continuation only for SIT and FTV).
void load_position(const RunState& rs, int x, QuestionText& t);
// The type letter of position x in the quiz's pattern.
char type_at(const RunState& rs, int x);

// Where the page layout sets a question's reference (7 characters, so it ends at column 78).
constexpr int PAGE_REFERENCE_COLUMN = 72;
// The page layout's first line of a question of pattern letter `type` (F, R, O, S, or any other
// letter for a regular question) numbered `num`, up to where its reference is set; sets MARK1
// where the rest begins and `rest` to the routine that writes it. `book` is the question's book
// as the lead-in texts name it (a name of up to BOOK_NAME_MAX characters keeps every line before
// the reference). A line longer than PAGE_REFERENCE_COLUMN - 1 pushes the reference along.
std::string page_first_line(QuestionText& t, char type, const std::string& num, RestFn& rest,
                            const std::string& book);

}  // namespace halvorin
