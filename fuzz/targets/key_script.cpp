// Key scripts: any text either parses into key bytes or is refused with a message naming a line
// of the script; a parse never takes unbounded memory.
#include <cstdlib>

#include "platform/errors.hpp"
#include "support/fuzz_support.hpp"

using namespace halvorin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text = fuzz::as_string(data, size);
  try {
    std::vector<unsigned char> keys = parse_key_script(text, "keys");
    // A repeat count has at most six digits, so the keys stay within a fixed multiple of the text.
    if (keys.size() > 1000000 * (text.size() + 1)) std::abort();
  } catch (const FileError& e) {
    if (e.file() != "keys" || e.line() < 1) std::abort();
  }
  return 0;
}
