#pragma once
// Batch runs: one pass for a saved quiz style with every screen answered as a person accepting
// everything would, ending with a short summary instead of the closing screen's question.
#include <map>
#include <ostream>
#include <string>

#include "state/program.hpp"

namespace halvorin {

// The keys given on each screen of a batch pass: Enter to accept a review, table or menu (the
// automatic combinations come first in the menu), "N" to the resector and print questions.
// Screens not listed are warnings and end the run.
std::map<std::string, std::string> batch_answers();

// Makes one packet for the saved style `style` and writes its summary to `out`. The style is
// used as saved; a value the form could not have stored, or a warning that would send a person
// back to the style list, throws BatchRefused. File errors throw FileError as in any pass.
void run_batch(Program& p, const std::string& style, std::ostream& out);

}  // namespace halvorin
