// Question file lines through the index build and the interrogative test: any file either counts
// into the table, every verse within the byte counters and the lines all accounted for, or is
// refused naming a line of it.
#include <cstdlib>

#include "material/counts.hpp"
#include "material/interrogative.hpp"
#include "platform/errors.hpp"
#include "support/fuzz_support.hpp"

using namespace halvorin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text = fuzz::as_string(data, size);
  CountTable table{"QCOUNT"};
  try {
    TextReader in = TextReader::from_text(text, "Acts.b");
    count_question_file(in, table);
  } catch (const FileError& e) {
    if (e.file() != "Acts.b" || e.line() < 0) std::abort();
    return 0;
  }
  long total = 0;
  for (int c = 1; c <= CHMAX; ++c)
    for (int v = 1; v <= VMAX; ++v) {
      if (table(c, v) < 0 || table(c, v) > KIND_MAX) std::abort();
      total += table(c, v);
    }
  // Every line of an accepted file is one question, but for blank lines at its very end.
  TextReader lines = TextReader::from_text(text, "Acts.b");
  long n = 0, questions = 0;
  while (!lines.eof()) {
    std::string line = lines.read_line(254);
    (void)is_interrogative(line);
    ++n;
    // The reference sits at the start, so a line blank for its first 64 characters is blank.
    if (line.substr(0, 64).find_first_not_of(" \t") != std::string::npos) questions = n;
  }
  if (questions != total) std::abort();
  return 0;
}
