// The count file that caches the question counts: any content either reloads into the five
// tables with every count in 0..255, or is refused naming its line. A reloaded file is written
// again and reads back the same.
#include <cstdlib>

#include "material/counts.hpp"
#include "platform/errors.hpp"
#include "support/fuzz_support.hpp"

using namespace halvorin;

namespace {

bool same_counts(const RunState& a, const RunState& b) {
  for (int c = 1; c <= CHMAX; ++c)
    for (int v = 1; v <= VMAX; ++v)
      if (a.QCOUNT(c, v) != b.QCOUNT(c, v) || a.FCOUNT(c, v) != b.FCOUNT(c, v) ||
          a.RCOUNT(c, v) != b.RCOUNT(c, v) || a.OCOUNT(c, v) != b.OCOUNT(c, v) ||
          a.SCOUNT(c, v) != b.SCOUNT(c, v))
        return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::enter_private_dir();
  const std::string text = fuzz::as_string(data, size);
  fuzz::put_file("count.59b", text);
  RunState rs;
  try {
    load_count_file(rs, "count.59b");
  } catch (const FileError& e) {
    if (e.file().find("count.59b") == std::string::npos) std::abort();
    // The per-sector reader sees the same records; it too must refuse, not run past them.
    try {
      TextReader in = TextReader::from_text(text, "count.59b");
      for (int s = 1; s <= SCMAX && !in.eof(); ++s) READ11(rs, in, s);
    } catch (const FileError&) {
    }
    return 0;
  }
  write_count_file(rs, "count.59b");
  RunState back;
  load_count_file(back, "count.59b");
  if (!same_counts(rs, back)) std::abort();
  return 0;
}
