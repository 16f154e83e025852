#pragma once
// The specialty type screen: with fixed specialty types the user places FTV, CV Ref, CO Ref and
// SIT letters on the question numbers open to specialties.
#include "state/program.hpp"

namespace halvorin {

// Shows the type screen for the style being saved and returns when Enter is pressed with every
// type placed as often as its maximum; leaves the letters in TYP and their count in SPECS.
void SETSPEC(Program& p);

}  // namespace halvorin
