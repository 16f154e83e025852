// The verse table "Verses.txt": 28 lines of verse counts. Any content either loads with every
// chapter within the table's room or is refused naming its line.
#include <cstdlib>

#include "driver/pass.hpp"
#include "platform/errors.hpp"
#include "support/fuzz_support.hpp"

using namespace halvorin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::enter_private_dir();
  fuzz::put_file("Verses.txt", fuzz::as_string(data, size));
  RunState rs;
  try {
    read_verse_table(rs);
  } catch (const FileError& e) {
    if (e.file() != "Verses.txt") std::abort();
    return 0;
  }
  for (int k = 1; k <= CHMAX; ++k)
    if (rs.EVS[k] < 0 || rs.EVS[k] > VMAX) std::abort();
  return 0;
}
