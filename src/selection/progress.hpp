#pragma once
// Progress messages and notes of the choosers.
#include <string>

#include "state/program.hpp"

namespace halvorin {

// Moves RSET to the next message row; below row 23 the working area is cleared and it is 5.
void advance_rset(Program& p);
// Appends one line to the notes of the run ("temp.txt").
void write_note(Program& p, const std::string& line);
// Draws allowed before draw_until looks at every number.
constexpr int kDrawBound = 2000;

// Picks a number in 1..n for which `ok` holds: random draws first, and when a bounded number of
// them all miss, a uniform pick among the numbers that qualify. 0 when none does.
template <typename Ok>
int draw_until(Program& p, int n, Ok ok) {
  if (n <= 0) return 0;
  for (int i = 0; i < kDrawBound; ++i) {
    int k = p.random(n) + 1;
    if (ok(k)) return k;
  }
  int qualifying = 0;
  for (int k = 1; k <= n; ++k) qualifying += ok(k) ? 1 : 0;
  if (qualifying == 0) return 0;
  int pick = p.random(qualifying);
  for (int k = 1; k <= n; ++k) {
    if (ok(k) && pick-- == 0) return k;
  }
  return 0;
}

}  // namespace halvorin
