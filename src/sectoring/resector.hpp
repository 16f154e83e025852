#pragma once
// Sectoring by individual questions: every sector gets a fixed number of regular questions and
// the walk through the questions may share a verse between two neighbouring sectors.
#include "state/program.hpp"

namespace halvorin {

// Sets QPS of sectors 1..SECTORS to their regular question targets; they add up to TQUEST.
void resector_targets(RunState& rs);
// Lays the sectors over the questions of the range, reading the count file named COUNTFILE.
void cut_by_questions(RunState& rs);
// Tells the user, waits for Enter, sets MINQZ and cuts the range by questions.
void RESECTOR(Program& p);

}  // namespace halvorin
