#pragma once
// The steps of a pass after the style is read, grouped by the part of the program that owns them.
// Each returns StartOver where the pass goes back to the style list.
#include "state/program.hpp"

namespace halvorin {

enum class Step { Continue, StartOver };

// Step 7: specialty patterns for every quiz, the review screen, "pat.txt" read back into PAT.
Step make_patterns(Program& p);
// Steps 8 to 17: remaining file names, question counts (built or reused), range totals, the
// too-few-questions check, the summary line and the specialty quiz limits.
Step count_material(Program& p);
// Steps 18 to 21: sectoring by the style's letter, the sector table, the repeats notice with the
// resectoring offer, availability marked and totals copied.
Step sector_material(Program& p);
// Step 22: the quiz file created empty.
Step create_quiz_file(Program& p);
// Step 23: a specialty with a maximum but no questions in the range.
Step check_empty_specialty(Program& p);
// Step 24: the combination menu (approve each quiz or run automatically).
Step choose_combination_mode(Program& p);
// Step 25: the interrogative index when the interrogative percentage is not 50.
Step build_interrogative_index(Program& p);
// Steps 26 to 29: notes and used-question list created, copies for the choosers, FTV types, the
// quiz loop, the notes appended to the used-question list.
Step make_quizzes(Program& p);
// Steps 30 to 34: interrogative notice, completion, closing screen, printing.
Step finish_packet(Program& p);

}  // namespace halvorin
