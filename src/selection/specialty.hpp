#pragma once
// The specialty choosers: one question of a specialty type for a pattern position, drawn from a
// sector the quiz has not used yet, with recycling when the type runs out.
#include "selection/selection_state.hpp"
#include "state/program.hpp"

namespace halvorin {

// The tables, file and messages of one specialty type; the four choosers differ only in these.
struct SpecialtyKind {
  Kind kind;            // its availability, sector counts and range totals
  int RunState::*last;  // sector of the quiz's previous question of the type
  QuestionFile SelectionState::*file;
  bool two_pieces;  // lines are read in two pieces (FTV and SIT)
  bool ftv;         // the FTV schedule and type rotation apply
  const char* screen_message;
  const char* note_line;
};

// The type of pattern letter F, R, O or S; nullptr for any other letter.
const SpecialtyKind* kind_of(char letter);

// Where a chooser puts its question: quiz `quiz`, position `pos` of its pattern, which is the
// `nth` position of the type in that pattern (the second prefers a sector rich in the type).
struct SpecialtySlot {
  int quiz = 1;
  int pos = 1;
  int nth = 1;
};

// Fills the slot with a CV Ref question.
void CHOOSEREF(Program& p, SelectionState& ss, SpecialtySlot slot);
// Fills the slot with a CO Ref question.
void CHOOSEONLY(Program& p, SelectionState& ss, SpecialtySlot slot);
// Fills the slot with a SIT question.
void CHOOSESIT(Program& p, SelectionState& ss, SpecialtySlot slot);
// Fills the slot with an FTV question, keeping the FTV types apart.
void CHOOSEFIN(Program& p, SelectionState& ss, SpecialtySlot slot);

// Fills every CV Ref position of the pattern in TYP for quiz `quiz`, then FINDSET.
void FINDREFS(Program& p, SelectionState& ss, int quiz);
// Fills every CO Ref position of the pattern in TYP for quiz `quiz`, then FINDSET.
void FINDONLYS(Program& p, SelectionState& ss, int quiz);
// Fills every SIT position of the pattern in TYP for quiz `quiz`, then FINDSET.
void FINDSITS(Program& p, SelectionState& ss, int quiz);
// Fills every FTV position of the pattern in TYP for quiz `quiz`, then FINDSET.
void FINDFTVS(Program& p, SelectionState& ss, int quiz);
// Clears LAST and LASTO and puts the pattern of quiz `quiz` back into TYP.
void FINDSET(RunState& rs, int quiz);
// Fills the positions of a specialty kind for quiz `quiz`.
void find_kind(Program& p, SelectionState& ss, Kind kind, int quiz);

// Builds FTYPE: the FTV type letter of every FTV question of the sectors.
void FINTYPES(Program& p, SelectionState& ss);
// Releases every sector of quiz `quiz` for a second question, with a screen line and a note.
void REPEATSECTOR(Program& p, int quiz);

// Gives the specialty question at position pos back: its sector is free again in this quiz, the
// sector allows one more draw and the question is available again.
void give_back_specialty(RunState& rs, const SelectionState& ss, int pos);

}  // namespace halvorin
