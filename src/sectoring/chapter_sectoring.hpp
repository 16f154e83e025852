#pragma once
// Sectoring by chapter: the quiz master says how many sectors each chapter of the range gives;
// a chapter given none is joined with the chapters after it and the stretch is cut as a whole.
#include "state/program.hpp"

namespace halvorin {

// True for a chapter that the style's level leaves out (chapter 7 of the reduced material).
bool absent_chapter(const RunState& rs, int c);
// The first proposal: SECTORS dealt round-robin over the chapters of the range into CS.
void propose_chapter_sectors(RunState& rs);
// Lays the sectors over the verses from the figures in CS (whose total is SECTORS).
void lay_chapter_sectors(RunState& rs);
// Adds up each sector's counts from the count tables and keeps them as totals.
void count_chapter_sectors(RunState& rs);
// The whole dialogue: proposal, editing, layout, review; returns once a table is accepted, with
// MINQZ the smallest sector's regular questions. False when the pass must start over: the range
// holds no chapter of the level's material (MINQZ 0), or a sector has no regular question.
bool CHAPSEC(Program& p);

}  // namespace halvorin
