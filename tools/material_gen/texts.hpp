#pragma once
// Invented question texts shaped like the real ones: regular questions with their answers,
// chapter-and-verse reference texts, verse texts for FTV questions and situation texts.
#include <string>

#include "platform/random.hpp"

namespace halvorin::material {

// A regular question and its answer separated by a tab, opening with one of the interrogative
// openings, one of the openings that only look like one, or another. With `flaws`, now and then
// a question without an answer.
std::string regular_question(Random& r, bool flaws);
// The text of a chapter-and-verse reference question: a lower-case question and its answer.
std::string cv_ref_text(Random& r);
// The text of a chapter-only reference question: a lower-case question and its answer.
std::string co_ref_text(Random& r);
// An invented verse of at least six words; a long one runs from 260 to about 400 characters.
std::string verse_text(Random& r, bool long_text);
// The part of a verse from a later word on (at least six words), for secondary FTV questions.
std::string later_part(Random& r, const std::string& verse);
// The text with "^" put before one of its words (not the first).
std::string mark_word(Random& r, const std::string& text);
// A situation with a quotation taken from `verse` in double or single quotes, a question and an
// answer after "*"; "^" now and then marks a word of the quotation. The situation fits before
// the reference on the printed first line, unless `flaws` lets some run past it.
std::string sit_text(Random& r, const std::string& verse, bool long_text, bool flaws);

}  // namespace halvorin::material
