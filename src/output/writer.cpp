#include "output/writer.hpp"

namespace halvorin {

void OPUT(Program&) {}

}  // namespace halvorin
