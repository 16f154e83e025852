// Dealing one attempt: the deck lands whole in the window, and extra regular cards are inserted
// only under the rule the window-to-total ratio selects.
#include "config/pattern_deal.hpp"

#include <gtest/gtest.h>

#include <algorithm>

#include "bench.hpp"

namespace halvorin::testing {
namespace {

TEST(PatternDeal, AttemptsDealTheDeckAndInsertOnlyAsTheRuleAllows) {
  struct {
    const char* name;
    int spearly, splate, f, r, o, s;
    int k_cap;  // the most extra cards the rule allows; 0 when none may be inserted
  } cases[] = {
      {"ratio below 2", 3, 10, 1, 1, 1, 1, 0}, {"ratio exactly 2.5", 1, 11, 2, 1, 1, 0, 0},
      {"ratio 2.25", 1, 10, 1, 1, 1, 1, 3},    {"ratio 2.75", 1, 12, 2, 1, 0, 1, 6},
      {"ratio 3", 5, 17, 1, 1, 1, 1, 8},       {"ratio 5.8", 1, 30, 2, 1, 1, 1, 20},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    PatternBench b("", 5150);
    const int window = c.splate - c.spearly + 1;
    int total_k = 0;
    for (int n = 0; n < 400; ++n) {
      const Deck deck = build_deck(b.p, c.f, c.r, c.o, c.s, window);
      const Attempt a = deal_attempt(b.p, deck, c.spearly, c.splate);
      std::string dealt = a.TYP.substr(c.spearly - 1, window), cards = deck.DB.substr(0, window);
      std::sort(dealt.begin(), dealt.end());
      std::sort(cards.begin(), cards.end());
      ASSERT_EQ(dealt, cards) << a.TYP << " from " << deck.DB;
      ASSERT_EQ(a.TYP.find_first_not_of('n', c.splate), std::string::npos) << a.TYP;
      ASSERT_LE(a.K, c.k_cap);
      // An extra card follows a dealt regular card, never twice without a specialty between.
      // From a ratio of 4 there is no draw: the first regular card of an attempt and the first
      // after each specialty always get one, while an undealt regular card is easy to find.
      bool open = true;
      int undealt = window - deck.SPECS;
      for (int i = c.spearly - 1; i < c.splate; ++i) {
        if (is_specialty(a.TYP[i])) open = true;
        if (a.TYP[i] == 'n') --undealt;
        if (a.inserted[i] == '+') {
          ASSERT_TRUE(open && a.TYP[i] == 'n' && a.TYP[i - 1] == 'n') << a.TYP;
          ASSERT_NE(a.inserted[i - 1], '+');
          open = false;
        } else if (c.k_cap == 20 && i + 1 < c.splate && a.TYP[i] == 'n' && open && undealt >= 5) {
          ASSERT_EQ(a.inserted[i + 1], '+') << a.TYP << " at " << i + 1;
        }
      }
      total_k += a.K;
    }
    EXPECT_EQ(total_k > 0, c.k_cap > 0);
  }
}

}  // namespace
}  // namespace halvorin::testing
