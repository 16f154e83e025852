#include "config/pattern_deal.hpp"

#include <algorithm>
#include <cstdlib>

#include "state/table.hpp"

namespace halvorin {

namespace {

// Draws of a card index before the first undealt card is taken instead. A draw hits with a
// chance of at least 1 in 31, so the way out is never needed in practice.
constexpr int kCardDrawBound = 20000;
// Draws when looking for an undealt regular card to insert.
constexpr int kInsertDraws = 100;

// What an extra regular card needs under each rule: a draw random(draw_n) < draw_below (no draw
// when draw_n is 0), fewer than k_below insertions so far, more than regular_above regular cards.
struct InsertionRule {
  int draw_n;
  int draw_below;
  int k_below;
  int regular_above;
};
constexpr InsertionRule kRules[5] = {
    {.draw_n = 0, .draw_below = 0, .k_below = 0, .regular_above = 0},  // no rule
    {.draw_n = 7, .draw_below = 4, .k_below = 6, .regular_above = 5},
    {.draw_n = 7, .draw_below = 5, .k_below = 8, .regular_above = 2},
    {.draw_n = 4, .draw_below = 3, .k_below = 3, .regular_above = 5},
    {.draw_n = 0, .draw_below = 0, .k_below = 20, .regular_above = 0},
};

// An undealt card of 1..Z, drawn until one is found; the lowest undealt card if the draws run out.
int draw_undealt(Program& p, int Z, const Table<bool, kPatternLength>& FLAG) {
  for (int n = 0; n < kCardDrawBound; ++n) {
    int r = p.random(Z + 1);
    if (r != 0 && !FLAG[r]) return r;
  }
  for (int r = 1; r <= Z; ++r)
    if (!FLAG[r]) return r;
  throw InternalError("pattern deal: no undealt card left");
}

char card(const Deck& deck, int r) { return deck.DB[static_cast<size_t>(r - 1)]; }

}  // namespace

bool is_specialty(char c) { return c == 'F' || c == 'R' || c == 'O' || c == 'S'; }

int count_specialties(const std::string& typ) {
  return static_cast<int>(std::count_if(typ.begin(), typ.end(), is_specialty));
}

Deck build_deck(Program& p, int FTVS, int REFS, int ONLYS, int SITS, int window,
                AfterWindow after) {
  Deck deck;
  deck.SPECS = FTVS + REFS + ONLYS + SITS;
  const char* order = "OFRS";
  if (p.random(2) == 1)
    order = "FROS";
  else if (p.random(2) == 1)
    order = "RFOS";
  size_t pos = 0;
  for (const char* t = order; *t; ++t) {
    int n = *t == 'F' ? FTVS : *t == 'R' ? REFS : *t == 'O' ? ONLYS : SITS;
    for (int i = 0; i < n && pos < deck.DB.size(); ++i) deck.DB[pos++] = *t;
  }
  // A total that fills the window takes a spare regular card where the quiz goes on past the
  // window, so the deal is not the same letters in the same positions for every quiz.
  const int Z = deck.SPECS < window ? window : deck.SPECS + (after == AfterWindow::Room ? 1 : 0);
  deck.Z = std::clamp(Z, 1, kPatternLength);
  return deck;
}

int insertion_rule(int SPEARLY, int SPLATE, int SPECS) {
  if (SPECS <= 0) return 0;
  // The ratio q = span / SPECS, compared in whole numbers so 2.5 is exact.
  const int span = SPLATE - SPEARLY;
  const int d = span / SPECS;
  if (d < 3 && 2 * span > 5 * SPECS) return 1;
  if (d == 3) return 2;
  if (span > 2 * SPECS && 2 * span < 5 * SPECS) return 3;
  if (d >= 4) return 4;
  return 0;
}

Attempt deal_attempt(Program& p, const Deck& deck, int SPEARLY, int SPLATE) {
  const int Z = deck.Z;
  Attempt a;
  Table<bool, kPatternLength> FLAG{"FLAG"};
  FLAG.fill(false);
  bool LU = false;
  int T = SPEARLY;
  // Positions past the pattern's end are dropped; the count check catches a lost specialty.
  enum class Card { Dealt, Inserted };
  auto place = [&](char c, Card how) {
    if (T >= 1 && T <= kPatternLength) {
      a.TYP[static_cast<size_t>(T - 1)] = c;
      if (how == Card::Inserted) a.inserted[static_cast<size_t>(T - 1)] = '+';
    }
    ++T;
  };

  // The starting reference: four draws, each later one may override the one before.
  int LAST = p.random(5);
  if (p.random(2) == 1) LAST = p.random(20);
  if (p.random(3) == 1) LAST = p.random(10);
  if (p.random(3) == 1) LAST = 0;

  const InsertionRule& rule = kRules[insertion_rule(SPEARLY, SPLATE, deck.SPECS)];
  const bool have_rule = rule.k_below > 0;
  for (int c = 1; c <= Z; ++c) {
    // The candidate farthest from the last card dealt, out of six; ties keep the earlier one.
    int R = draw_undealt(p, Z, FLAG);
    for (int n = 0; n < 5; ++n) {
      int other = draw_undealt(p, Z, FLAG);
      if (std::abs(other - LAST) > std::abs(R - LAST)) R = other;
    }
    LAST = R;
    FLAG[R] = true;
    place(card(deck, R), Card::Dealt);
    if (card(deck, R) != 'n') {
      LU = false;
      continue;
    }
    if (!have_rule) continue;
    bool drawn_ok = rule.draw_n == 0 || p.random(rule.draw_n) < rule.draw_below;
    if (!drawn_ok || LU || a.K >= rule.k_below || Z - deck.SPECS <= rule.regular_above) continue;
    int extra = 0;
    for (int n = 0; n < kInsertDraws && extra == 0; ++n) {
      int r = p.random(Z + 1);
      if (r != 0 && card(deck, r) == 'n' && !FLAG[r]) extra = r;
    }
    if (extra == 0) continue;
    ++c;  // the extra card uses up a turn
    LU = true;
    LAST = extra;
    FLAG[extra] = true;
    place('n', Card::Inserted);
    ++a.K;
  }
  for (int x = std::max(SPEARLY + Z, 1); x <= kPatternLength; ++x)
    a.TYP[static_cast<size_t>(x - 1)] = 'n';
  return a;
}

int score_adjacent(const std::string& typ, char& prev) {
  int W = 0;
  for (char c : typ) {
    if (!is_specialty(c)) continue;
    if (c == prev) ++W;
    prev = c;
  }
  return W;
}

void mirror_window(std::string& typ, int SPEARLY, int SPLATE) {
  const int lo = std::max(SPEARLY, 1);
  const int hi = std::min(SPLATE, static_cast<int>(typ.size()));
  if (lo < hi) std::reverse(typ.begin() + (lo - 1), typ.begin() + hi);
}

}  // namespace halvorin
