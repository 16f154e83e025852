#include "state/table.hpp"

namespace halvorin {

void table_index_error(const char* name, int index, int lo, int hi) {
  throw InternalError(std::string("index ") + std::to_string(index) + " outside " + name + "[" +
                      std::to_string(lo) + ".." + std::to_string(hi) + "]");
}

}  // namespace halvorin
