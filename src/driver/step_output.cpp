// Not built yet: until these steps exist the pass starts over when it reaches them.
#include "driver/steps.hpp"

namespace halvorin {

Step create_quiz_file(Program&) { return Step::StartOver; }
Step finish_packet(Program&) { return Step::StartOver; }

}  // namespace halvorin
