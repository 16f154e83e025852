#pragma once
// The specialty pattern step: one pattern per quiz within the style's limits, the review screen
// where single quizzes are reshuffled, and the pattern file the driver reads back.
#include <string>

#include "state/program.hpp"

namespace halvorin {

constexpr const char* kPatternFile = "pat.txt";

// How the pattern step ended: patterns accepted, Esc on the wide review (go back), or the style's
// limits cannot make a pattern (the user was told; nothing was written).
enum class PatternEnd { Accepted, Back, Refused };

// Why the unit's style cannot make patterns, as one line for the user; empty when it can.
std::string pattern_limits_problem(const ConfigUnit& cu);

// The whole step: a pattern for each of the QNUM quizzes, the review, "pat.txt" written.
PatternEnd SPEC2(Program& p);
// Makes one pattern into cu.TYP and its specialty count into cu.SPECS; with fixed types keeps
// the fixed pattern. False when the style's limits cannot make one.
bool SPECPAT(Program& p);
// The review of up to 30 questions per quiz: pages of 30 quizzes in two columns.
void WRITESPECS(Program& p);
// The review of longer quizzes: pages of 15 in one column. True when Esc asked to go back.
bool WRITESPECS75(Program& p);
// Writes PAT[1..QZ] to "pat.txt", one 30-letter line per quiz.
void write_pattern_file(const ConfigUnit& cu);

}  // namespace halvorin
