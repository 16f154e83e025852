#pragma once
// A Program holding one made quiz, ready for the packet writer, in a temporary working folder.
#include <memory>
#include <string>
#include <vector>

#include "output/writer.hpp"
#include "support/bench.hpp"

namespace halvorin::testing {

struct QuizFixture : ProgramBench {
  explicit QuizFixture(const std::string& keys = "") : ProgramBench(keys) {
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
};

}  // namespace halvorin::testing
