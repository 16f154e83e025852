#pragma once
// Regular question choice: a sector the quiz has not used, far from its neighbours' sectors, and a
// question of it that earlier quizzes have not used up.
#include "selection/selection_state.hpp"
#include "state/program.hpp"

namespace halvorin {

// A sector drawn for a position and its distances to the neighbouring positions' sectors.
struct SectorDraw {
  int sector = 0;
  int LDIF = 0;         // distance to the previous position's sector
  int NDIF = 0;         // distance to the next position's sector
  bool forced = false;  // taken after 30000 draws though the quiz has used it
};

// Draws a free sector among the pass's SECTORS for position pos of quiz `quiz` (after 30000
// draws any sector) and sets SECTOR[pos].
SectorDraw CHOOSES(Program& p, int quiz, int pos);
// Fills regular position pos of quiz `quiz`: sector, question, availability and the
// interrogative count ITOT.
void CHOOSEQUE(Program& p, SelectionState& ss, int quiz, int pos);

}  // namespace halvorin
