#pragma once
// The consistency checks on the way to the header line: a style that breaks one cannot be
// saved or left until the field reported is corrected.
#include <optional>

#include "config/form_fields.hpp"

namespace halvorin {

// The field to correct for the first condition the style breaks, or nothing when it holds
// together. Every value must first lie within what its field can hold (in the order of the
// style file); then the relations between fields are tested in their fixed order.
std::optional<Field> first_broken(const ConfigUnit& cu);
// When the style breaks a condition: shows the error line over the header, waits for Enter and
// restores the header line.
void ERRMESS(Program& p);
// The check step: ERRMESS, then the field the cursor goes to, or nothing for the header line.
std::optional<Field> check_step(Program& p);

}  // namespace halvorin
