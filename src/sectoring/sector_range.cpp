#include "sectoring/sector_range.hpp"

#include <algorithm>

#include "sectoring/chapter_sectoring.hpp"
#include "sectoring/resector.hpp"
#include "sectoring/verse_sectoring.hpp"

namespace halvorin {

SectorWay sector_way(char letter) {
  if (letter == 'C') return SectorWay::Chapter;
  if (letter == 'Q') return SectorWay::Question;
  return SectorWay::Verse;
}

SectorCut cut_range(RunState& rs, SectorWay way) {
  if (way == SectorWay::Chapter) {
    lay_chapter_sectors(rs);
    count_chapter_sectors(rs);
    int smallest = 200;
    for (int s = 1; s <= rs.SECTORS; ++s) smallest = std::min(smallest, rs.QPS[s]);
    return {way, smallest};
  }
  if (way == SectorWay::Verse) {
    const int target = sector_by_verse(rs);
    if (target >= 0) return {way, target};
  }
  cut_by_questions(rs);
  return {SectorWay::Question, rs.TQUEST / rs.SECTORS};
}

}  // namespace halvorin
