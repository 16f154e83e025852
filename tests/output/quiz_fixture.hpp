#pragma once
// A Program holding one made quiz, ready for the packet writer, in a temporary working folder.
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "driver/program.hpp"
#include "output/writer.hpp"
#include "platform/terminal.hpp"
#include "support/harness.hpp"

namespace halvorin::testing {

// Changes into a folder for the life of the object.
class InFolder {
 public:
  explicit InFolder(const std::string& dir) : old_(std::filesystem::current_path()) {
    std::filesystem::current_path(dir);
  }
  ~InFolder() { std::filesystem::current_path(old_); }
  InFolder(const InFolder&) = delete;
  InFolder& operator=(const InFolder&) = delete;

 private:
  std::filesystem::path old_;
};

// Text right-padded with blanks to width.
inline std::string pad(std::string s, size_t width) {
  if (s.size() < width) s.append(width - s.size(), ' ');
  return s;
}
inline std::string blanks(size_t n) { return std::string(n, ' '); }

// Lines joined with the quiz file's CR LF line ends.
inline std::string crlf(const std::vector<std::string>& lines) {
  std::string s;
  for (const auto& l : lines) s += l + "\r\n";
  return s;
}

struct QuizFixture {
  explicit QuizFixture(const std::string& keys = "")
      : term(parse_key_script(keys, "keys")), p(term, 1), here(dir.path()) {
    RunState& rs = p.rs;
    rs.NAME = "League";
    rs.BCHAP = 1;
    rs.BVER = 1;
    rs.ECHAP = 28;
    rs.EVER = 31;
    rs.Q2 = 7;
    rs.AB = 30;
    rs.LPP = 66;
    rs.RLBK.fill('A');
    rs.ALL2.fill(" ");
    p.cu.NAME4 = "week3";
  }
  // Sets the quiz: the pattern and each position's line (and continuation for SIT and FTV).
  void quiz(const std::string& typ, const std::vector<std::string>& lines,
            const std::vector<std::string>& more = {}) {
    p.rs.TYP = typ;
    p.rs.SECTORS = static_cast<int>(lines.size());
    for (size_t i = 0; i < lines.size(); ++i) {
      p.rs.ALL[static_cast<int>(i) + 1] = lines[i];
      if (i < more.size()) p.rs.ALL2[static_cast<int>(i) + 1] = more[i];
    }
  }
  // Writes the quiz in layout `out` to a fresh file and returns what the file holds.
  std::string write(char out) {
    p.rs.OUT = out;
    p.rs.F8 = std::make_unique<TextWriter>("out.qui", TextWriter::Mode::Create);
    OPUT(p);
    p.rs.F8->close();
    p.rs.F8.reset();
    return dir.read("out.qui");
  }

  TempDir dir;
  ScriptTerminal term;
  Program p;
  InFolder here;
};

}  // namespace halvorin::testing
