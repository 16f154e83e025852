// The material check on any content of one material file (the first byte picks which): it lists
// problems and never fails on the content itself, and every field check of a line holds for any
// line of any kind.
#include "driver/material_check.hpp"

#include <cstdlib>
#include <sstream>

#include "material/line_check.hpp"
#include "platform/errors.hpp"
#include "support/fuzz_support.hpp"

using namespace halvorin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  static const char* const kFiles[] = {"Acts.b",  "FTV.59",     "cv.b",     "co.b",
                                       "SIT.TXT", "Verses.txt", "count.59b"};
  const size_t which = data[0] % 7;
  const std::string text = fuzz::as_string(data + 1, size - 1);

  // Line by line, as the counting reader and the check take them.
  if (which < 5) {
    CountTable table{"QCOUNT"};
    ReferenceWalk walk;
    TextReader in = TextReader::from_text(text, kFiles[which]);
    while (!in.eof()) {
      std::string line = in.read_line(1024);
      (void)walk.take(line, table);
      (void)field_problems(line, kAllKinds[which]);
    }
  }

  // The whole check in a folder holding only this file.
  fuzz::enter_private_dir();
  fuzz::clear_private_dir();
  fuzz::put_file(kFiles[which], text);
  fuzz::ScriptedProgram sp("");
  std::ostringstream out;
  try {
    (void)check_material(sp.p, "", out);
  } catch (const FileError&) {
    // A file that cannot be read at all may still stop the check with its name.
  }
  return 0;
}
