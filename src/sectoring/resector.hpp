#pragma once
// Sectoring by individual questions: every sector gets a fixed number of regular questions and
// the walk through the questions may share a verse between two neighbouring sectors.
#include "state/program.hpp"

namespace halvorin {

// Sets QPS of sectors 1..SECTORS to their regular question targets; they add up to TQUEST.
void resector_targets(RunState& rs);
// Lays the sectors over the questions of the range from the count tables.
void cut_by_questions(RunState& rs);
// Tells the user that the material will be sectored by questions and waits for Enter.
void question_sectoring_notice(Console& con);
// Tells the user, waits for Enter, sets MINQZ and cuts the range by questions.
void RESECTOR(Program& p);

}  // namespace halvorin
