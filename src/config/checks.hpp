#pragma once
// The consistency checks on the way to the header line: a style that breaks one cannot be
// saved or left until the field reported is corrected.
#include <optional>
#include <string>

#include "config/form_fields.hpp"

namespace halvorin {

// A condition the style breaks: the field to correct and, for a value the field would not have
// stored as it stands, what was expected and found (empty where the field alone says it).
struct Broken {
  Field field;
  std::string why;
};

// The first condition the style breaks, or nothing when it holds together. Every value must
// first be one its field could have stored (in the order of the style file); then the
// relations between fields are tested in their fixed order.
std::optional<Broken> first_broken(const ConfigUnit& cu);
// The same for a style run as it was saved (batch runs, the material check), and its fixed type
// line, which the form lets through because the save places the types anew on the type screen.
std::optional<Broken> saved_style_broken(const ConfigUnit& cu);
// The broken condition in words: the field's label, and what was expected where it says more.
std::string describe(const Broken& b);
// When the style breaks a condition: shows the error line over the header, waits for Enter and
// restores the header line.
void ERRMESS(Program& p);
// The check step: ERRMESS, then the field the cursor goes to, or nothing for the header line.
std::optional<Field> check_step(Program& p);

}  // namespace halvorin
