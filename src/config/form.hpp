#pragma once
// The configuration form: every value of the loaded style, edited field by field, then the
// header line where Enter saves and Esc returns to the style list.
#include "driver/program.hpp"

namespace halvorin {

enum class FormExit { Save, Back };

// Runs the form on the loaded style (the unit's values) and reports how it was left.
FormExit run_form(Program& p);

// Writes the header text at column 15, row 3 in the normal colours (QCON2), or highlighted
// white on green waiting for acceptance (QCON); both leave the value colours set.
void QCON(Console& con);
void QCON2(Console& con);

}  // namespace halvorin
