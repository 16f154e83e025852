#pragma once
// The limits of the form's number fields and the rule each applies after an entry.
#include "config/form_fields.hpp"

namespace halvorin {

// The limits of a number field (not the chapter and verse fields), or null; null for Stay and
// Header too.
const Limit* limit_of(Field f);
// Applies the field's rule after an entry to the value just stored and redraws every value it
// changed.
void apply_number_rule(Program& p, Field f);

}  // namespace halvorin
