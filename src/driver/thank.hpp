#pragma once
// The closing screen of a completed packet.
#include <cstdint>
#include <string>

#include "platform/console.hpp"

namespace halvorin {

// Clears the working area, names the used-question list and the quiz file of output name NAME4,
// and asks whether to print; the caller reads the answer.
void THANK(Console& con, const std::string& NAME4);
// Shows the run's seed low on the closing screen, so the packet can be made again; the cursor
// goes back to where it was.
void show_seed(Console& con, uint64_t seed);

}  // namespace halvorin
