#pragma once
// The inner workings of one specialty pattern: the deck of cards in type blocks, the deal of one
// attempt into the window with its extra regular cards, and the score of an attempt.
#include <string>

#include "state/program.hpp"

namespace halvorin {

// Positions of a pattern; every pattern string holds exactly this many letters.
constexpr int kPatternLength = 30;

// True for the four specialty letters F, R, O and S.
bool is_specialty(char c);
// The number of specialty letters in a pattern.
int count_specialties(const std::string& typ);

// The deck of one pattern: the specialty cards in one block per type, then regular cards "n".
struct Deck {
  std::string DB = std::string(kPatternLength, 'n');  // card i at DB[i - 1]
  int Z = 0;                                          // cards in play, 1..30
  int SPECS = 0;                                      // specialty cards among them
};

// Lays the blocks in the order F R O S, R F O S or O F R S (SIT always last) and sizes the deck
// to the window. A total that fills the whole window gets one regular card more when the quiz
// has a question right after the window, so the specialties may reach it; without that room the
// deck is the total.
enum class AfterWindow { NoRoom, Room };
Deck build_deck(Program& p, int FTVS, int REFS, int ONLYS, int SITS, int window, AfterWindow after);

// Which of the four extra-regular-card rules applies to a window of SPEARLY..SPLATE holding SPECS
// specialties (0 when none does, or when there are no specialties).
int insertion_rule(int SPEARLY, int SPLATE, int SPECS);

// One dealt attempt: the pattern, the positions that got an extra regular card ('+'), and how
// many of those were inserted.
struct Attempt {
  std::string TYP = std::string(kPatternLength, 'n');
  std::string inserted = std::string(kPatternLength, ' ');
  int K = 0;
};

// Deals every card of the deck once into positions SPEARLY onwards, drawing the starting
// reference, spreading equal types apart and inserting extra regular cards by the rule in force.
Attempt deal_attempt(Program& p, const Deck& deck, int SPEARLY, int SPLATE);

// Counts adjacent equal specialty letters (regular positions between them do not separate them).
// `prev` is the specialty letter seen last; it carries over from one call to the next.
int score_adjacent(const std::string& typ, char& prev);

// Reverses the letters of positions SPEARLY..SPLATE in place.
void mirror_window(std::string& typ, int SPEARLY, int SPLATE);

}  // namespace halvorin
