#pragma once
// Small helpers shared by the three ways of cutting the range into sectors.
#include "state/run_state.hpp"

namespace halvorin {

// Zeroes the five working counts and the five totals of every sector, 1..30, so that sectors
// beyond the current number never carry counts from an earlier, larger division.
void clear_sector_counts(Sectors& sectors);
// Copies the five working counts of sector s to its totals.
void keep_sector_totals(Sectors& sectors, int s);
// Stores a chapter or verse in the byte-sized sector bounds (0..255).
int sector_byte(int x);
// True when chapter c, verse v lies after chapter ec, verse ev.
inline bool after(int c, int v, int ec, int ev) { return c > ec || (c == ec && v > ev); }
// The count file's line of chapter c, verse v (1-based; 65 lines per chapter).
inline long count_line(int c, int v) { return static_cast<long>(c - 1) * VMAX + v; }

}  // namespace halvorin
