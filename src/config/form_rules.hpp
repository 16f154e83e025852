#pragma once
// The limits of the form's number fields and the rule each applies after an entry.
#include "config/form_fields.hpp"

namespace halvorin {

// A number field's limits and the field it is kept in order with: a minimum may not pass its
// maximum, and the other way round.
struct Limit {
  Field f;
  int lo, hi;
  Field partner;  // Stay when there is none
  bool is_lower;  // this field is the lower one of the pair
};

// The limits of a number field (not the chapter and verse fields), or null.
const Limit* limit_of(Field f);
// Applies the field's rule after an entry to the value just stored and redraws every value it
// changed.
void apply_number_rule(Program& p, Field f);

}  // namespace halvorin
