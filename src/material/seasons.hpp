#pragma once
// The eight seasons of the league rotation, each a material set with the verses per chapter of
// the common English versification.
#include <string>
#include <string_view>
#include <vector>

#include "material/material_set.hpp"

namespace halvorin {

struct Season {
  std::string name;  // as the command line names it: "acts", "galatians-philemon", ...
  MaterialSet set;
};

// The seasons in the order of the rotation, Acts first.
const std::vector<Season>& seasons();
// The season of that name, or nullptr.
const Season* find_season(std::string_view name);

}  // namespace halvorin
