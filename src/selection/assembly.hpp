#pragma once
// Quiz assembly: the specialty combination (approved by the user or not), the regular questions,
// the interrogative share, the question texts and the quiz's block of the used-question list.
#include <array>
#include <string>

#include "selection/selection_state.hpp"
#include "state/program.hpp"

namespace halvorin {

// The order in which the specialty types of quiz `quiz` are served: the two types with the least
// slack (sectors that still have questions of the type minus the pattern's letters of it)
// first, then the others in the order S, F, R, O.
using ServiceOrder = std::array<Kind, KINDS - 1>;
ServiceOrder service_order(const RunState& rs, int quiz);

// Reads the texts of the quiz's regular questions from the regular question file, sector by
// sector in file order; every regular position gets its own question, also when two share a
// sector.
void read_regular_texts(RunState& rs, SelectionState& ss);

// Assembles quiz `quiz` into the tables of the quiz being made (Q2 becomes its number, for the
// packet writer) and appends its block of 33 lines to the used-question list F10.
void CHOOSESPEC(Program& p, SelectionState& ss, int quiz);

}  // namespace halvorin
