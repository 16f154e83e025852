// Dealing one attempt: the deck lands whole in the window, and extra regular cards are inserted
// only under the rule the window-to-total ratio selects.
#include "config/pattern_deal.hpp"

#include <gtest/gtest.h>

#include <algorithm>

#include "pattern_support.hpp"

namespace halvorin::testing {
namespace {

TEST(PatternDeal, RatioSelectsTheInsertionRule) {
  struct {
    int span, specs, rule;
  } cases[] = {
      {7, 4, 0},   // 1.75
      {8, 4, 0},   // exactly 2
      {9, 4, 3},   // 2.25
      {10, 4, 0},  // exactly 2.5: no rule holds
      {11, 4, 1},  // 2.75
      {12, 4, 2},  // 3
      {15, 4, 2},  // 3.75
      {16, 4, 4},  // 4
      {29, 1, 4},  //
      {20, 0, 0},  // no specialties, nothing to space out
  };
  for (auto& c : cases)
    EXPECT_EQ(insertion_rule(1, 1 + c.span, c.specs), c.rule) << c.span << "/" << c.specs;
}

struct DealCase {
  const char* name;
  int spearly, splate;
  int f, r, o, s;
  int k_cap;  // the most extra cards the rule allows; 0 when none may be inserted
};

// Every attempt deals the whole deck into the window, inserting extra regular cards only where
// the rule allows: right behind a dealt regular card, never twice without a specialty between.
TEST(PatternDeal, AttemptsDealTheDeckAndInsertOnlyAsTheRuleAllows) {
  const DealCase cases[] = {
      {"ratio below 2", 3, 10, 1, 1, 1, 1, 0},
      {"ratio exactly 2", 1, 9, 1, 1, 1, 1, 0},
      {"ratio exactly 2.5", 1, 11, 2, 1, 1, 0, 0},
      {"rule 3", 1, 10, 1, 1, 1, 1, 3},
      {"rule 1", 1, 12, 2, 1, 0, 1, 6},
      {"rule 2", 5, 17, 1, 1, 1, 1, 8},
      {"rule 4", 1, 30, 2, 1, 1, 1, 20},
  };
  for (const DealCase& c : cases) {
    SCOPED_TRACE(c.name);
    PatternBench b("", 5150);
    const int window = c.splate - c.spearly + 1;
    int total_k = 0;
    for (int n = 0; n < 400; ++n) {
      Deck deck = build_deck(b.p, c.f, c.r, c.o, c.s, window);
      ASSERT_EQ(deck.Z, window);
      Attempt a = deal_attempt(b.p, deck, c.spearly, c.splate);
      const std::string in_window = a.TYP.substr(c.spearly - 1, window);
      const std::string deck_cards = deck.DB.substr(0, window);
      for (char t : std::string("FROSn"))
        ASSERT_EQ(count_of(in_window, t), count_of(deck_cards, t)) << a.TYP << " from " << deck.DB;
      ASSERT_EQ(a.TYP.find_first_not_of('n', c.splate), std::string::npos) << a.TYP;
      ASSERT_EQ(count_of(a.inserted, '+'), a.K);
      ASSERT_LE(a.K, c.k_cap);
      char since = 'F';  // a specialty (or the start) since the last extra card
      for (int i = 0; i < 30; ++i) {
        if (is_specialty(a.TYP[i])) since = a.TYP[i];
        if (a.inserted[i] != '+') continue;
        ASSERT_EQ(a.TYP[i], 'n');
        ASSERT_TRUE(i > 0 && a.TYP[i - 1] == 'n' && a.inserted[i - 1] != '+') << a.TYP;
        ASSERT_NE(since, 'n') << "two extra cards without a specialty between: " << a.TYP;
        since = 'n';
      }
      total_k += a.K;
    }
    if (c.k_cap > 0) {
      EXPECT_GT(total_k, 0);
    }
  }
}

// With a ratio of 4 or more there is no draw: the first regular card of an attempt and the first
// after each specialty always get an extra card, while an undealt regular card is easy to find.
TEST(PatternDeal, HighRatioInsertsBehindEveryFirstRegularCard) {
  PatternBench b("", 99);
  for (int n = 0; n < 400; ++n) {
    Deck deck = build_deck(b.p, 2, 1, 1, 1, 30);
    Attempt a = deal_attempt(b.p, deck, 1, 30);
    const int regular = 30 - deck.SPECS;
    int dealt_regular = 0;
    bool open = true;  // no extra card since the start or the last specialty
    for (int i = 0; i < 29; ++i) {
      if (is_specialty(a.TYP[i])) {
        open = true;
        continue;
      }
      ++dealt_regular;
      if (a.inserted[i] == '+') continue;
      // Five undealt regular cards are found within 100 draws all but never.
      if (open && regular - dealt_regular >= 5) {
        ASSERT_EQ(a.inserted[i + 1], '+') << a.TYP << " at " << i + 1;
        open = false;
      }
    }
  }
}

TEST(PatternDeal, ScoreCarriesThePreviousLetterAndMirrorKeepsTheOutside) {
  char prev = 'X';
  EXPECT_EQ(score_adjacent("nFnnFRnRSnnnnnnnnnnnnnnnnnnnnn", prev), 2);
  EXPECT_EQ(prev, 'S');
  EXPECT_EQ(score_adjacent("nnSnnnnnnnnnnnnnnnnnnnnnnnnnnn", prev), 1);

  std::string t = "nFRnOSnnnnnnnnnnnnnnnnnnnnnnnF";
  mirror_window(t, 2, 6);
  EXPECT_EQ(t, "nSOnRFnnnnnnnnnnnnnnnnnnnnnnnF");
}

}  // namespace
}  // namespace halvorin::testing
