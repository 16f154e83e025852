#pragma once
// The closing screen of a completed packet.
#include <string>

#include "platform/console.hpp"

namespace halvorin {

// Clears the working area, names the used-question list and the quiz file of output name NAME4,
// and asks whether to print; the caller reads the answer.
void THANK(Console& con, const std::string& NAME4);

}  // namespace halvorin
