#pragma once
// Names of the material and result files of a pass.
#include <string>

#include "state/run_state.hpp"

namespace halvorin {

// Fills REGFILE, CVFILE, COFILE, SITFILE, QUIFILE and INFFILE (and the scratch names FN, NAME6)
// from the level letter, the regular list letter and the output base name.
void name_material_files(RunState& rs, char reglst, const std::string& name4);

}  // namespace halvorin
