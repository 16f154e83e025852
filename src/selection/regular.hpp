#pragma once
// Regular question choice: a sector the quiz has not used, far from its neighbours' sectors, and a
// question of it that earlier quizzes have not used up.
#include "selection/selection_state.hpp"
#include "state/program.hpp"

namespace halvorin {

// A sector drawn for position C1 and its distances to the neighbouring positions' sectors.
struct SectorDraw {
  int sector = 0;
  int LDIF = 0;         // distance to the previous position's sector
  int NDIF = 0;         // distance to the next position's sector
  bool forced = false;  // taken after 30000 draws though the quiz has used it
};

// Draws a free sector for position C1 (after 30000 draws any sector) and sets SECTOR[C1].
SectorDraw CHOOSES(Program& p);
// Fills regular position C1 of quiz Q2: sector, question, availability and the interrogative
// count ITOT.
void CHOOSEQUE(Program& p, SelectionState& ss);

}  // namespace halvorin
