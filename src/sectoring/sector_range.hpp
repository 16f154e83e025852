#pragma once
// The one way into sectoring for every caller: the range cut into SECTORS sectors the way the
// style's sectoring letter names, from the count tables in memory. The pass wraps it in its
// screens (the chapter figures, the notice before cutting by questions, the sector table); the
// material check calls it as it is, accepting the proposed chapter figures.
#include "state/run_state.hpp"

namespace halvorin {

enum class SectorWay { Chapter, Verse, Question };

// The way a sectoring letter names: C by chapter, Q by question, anything else by verse.
SectorWay sector_way(char letter);

// How the range was cut and its smallest-sector figure (the pass keeps it as MINQZ): by chapter
// the fewest regular questions of a sector (at most 200), by verse the base target that fitted,
// by question TQUEST div SECTORS.
struct SectorCut {
  SectorWay way = SectorWay::Verse;
  int smallest = 0;
};

// Lays SECTORS sectors over BCHAP:BVER..ECHAP:EVER and adds up the five counts of each (BC, BV,
// EC, EV, QPS..SPS and their totals) from QCOUNT..SCOUNT, with TQUEST the range's regular
// questions. By chapter the figures in CS give each chapter's sectors. By verse, when no target
// fits, the range is cut by question instead and the result says so.
SectorCut cut_range(RunState& rs, SectorWay way);

}  // namespace halvorin
