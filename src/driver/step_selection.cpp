// Not built yet: until these steps exist the pass starts over when it reaches them.
#include "driver/steps.hpp"

namespace halvorin {

Step choose_combination_mode(Program&) { return Step::StartOver; }
Step make_quizzes(Program&) { return Step::StartOver; }

}  // namespace halvorin
