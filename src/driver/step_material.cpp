// Not built yet: until these steps exist the pass starts over when it reaches them.
#include "driver/steps.hpp"

namespace halvorin {

Step count_material(Program&) { return Step::StartOver; }
Step check_empty_specialty(Program&) { return Step::StartOver; }
Step build_interrogative_index(Program&) { return Step::StartOver; }

}  // namespace halvorin
