#pragma once
// A program on a key script, in a fresh folder with small question files: sector s is chapter s
// and question n of a kind in sector s is verse n, so every line read tells where it came from.
#include <gtest/gtest.h>

#include <array>
#include <memory>

#include "selection/assembly.hpp"
#include "selection/specialty.hpp"
#include "support/bench.hpp"

namespace halvorin::testing {

// Questions of a sector by kind: regular, FTV, CV Ref, CO Ref, SIT.
using SectorCounts = std::array<int, 5>;
inline std::vector<SectorCounts> same(int sectors, SectorCounts c) {
  return std::vector<SectorCounts>(static_cast<size_t>(sectors), c);
}

// What one quiz took, by position from 1.
struct QuizTaken {
  std::string pattern;
  std::vector<int> sector{0}, number{0};
  std::vector<std::string> line{""};
};

class SelectionTest : public ::testing::Test {
 protected:
  void SetUp() override { start(""); }

  Program& start(const std::string& keys, uint64_t seed = 11) {
    term = std::make_unique<ScriptTerminal>(parse_key_script(keys, "keys"));
    prog = std::make_unique<Program>(*term, seed);
    return *prog;
  }

  // Writes the five question files (three lines before the range in each) and sets the run
  // state as the steps before the quiz loop leave it, with nothing recycled on schedule.
  void layout(const std::vector<SectorCounts>& sectors, int quizzes, const std::string& pattern) {
    RunState& rs = prog->rs;
    rs.QMAX = rs.SECTORS = rs.SECTORS2 = static_cast<int>(sectors.size());
    rs.QZ = quizzes;
    rs.BEFORE = rs.FBEFORE = rs.RBEFORE = rs.OBEFORE = rs.SBEFORE = rs.TEMPF = 3;
    rs.REGFILE = "Acts.b", rs.FTVFILE = "FTV.75", rs.CVFILE = "cv.b", rs.COFILE = "co.b";
    rs.SITFILE = "SIT.TXT";
    SectorTable RunState::*left[] = {&RunState::QPS, &RunState::FPS, &RunState::RPS, &RunState::OPS,
                                     &RunState::SPS};
    SectorTable RunState::*total[] = {&RunState::TQPS, &RunState::TFPS, &RunState::TRPS,
                                      &RunState::TOPS, &RunState::TSPS};
    const std::string* files[] = {&rs.REGFILE, &rs.FTVFILE, &rs.CVFILE, &rs.COFILE, &rs.SITFILE};
    const char* texts[] = {"\tWho was it?\tanswer", "", "\tCV\tWhat does it say?\tanswer",
                           "\tCO\tWhere is it said?\tanswer", "\tWho said \"this\"? *someone"};
    for (size_t k = 0; k < 5; ++k) {
      std::vector<std::string> lines(3, " 0: 0\tbefore\tx");
      for (int s = 1; s <= rs.SECTORS; ++s) {
        int n = (rs.*left[k])[s] = (rs.*total[k])[s] = sectors[static_cast<size_t>(s - 1)][k];
        for (int i = 1; i <= n; ++i)  // an FTV label's type runs a to e by sector and number
          lines.push_back(
              qline(s, i, "").substr(0, 5 + (i > 99)) +
              (k == 1 ? "\tFT" + std::string(1, "abcde"[(s + i) % 5]) + "\tAnd so on" : texts[k]));
      }
      dir.write_lines(*files[k], lines);
    }
    make_room_for_sectors(rs);
    rs.MINQZ = rs.MINQZ1 = rs.FQUIZ = rs.FQUIZ1 = 1000;
    rs.REPEATPCT = rs.SPMIN = 0;
    rs.IPC = 50;
    rs.V = 2;
    rs.Q2 = 1;
    for (int q = 1; q <= quizzes; ++q) rs.PAT[q] = pattern;
    rs.TYP = pattern;
    rs.REGQUESTION.fill(true);
    for (auto* t : {&rs.FINISH, &rs.REFERENCE, &rs.ONLY, &rs.SITUATION}) t->fill(true);
  }

  // A screen row without its trailing blanks.
  std::string row(int r) const {
    std::string t = prog->con.row_text(r);
    return t.substr(0, t.find_last_not_of(' ') + 1);
  }

  void open_lists() {
    prog->rs.F9 = std::make_unique<TextWriter>("temp.txt", TextWriter::Mode::Create);
    prog->rs.F10 = std::make_unique<TextWriter>("test.inf", TextWriter::Mode::Create);
  }

  // Assembles quizzes 1..count (after FINTYPES) and records what each took.
  std::vector<QuizTaken> assemble(int count) {
    if (!prog->rs.F9) open_lists();
    RunState& rs = prog->rs;
    ss = std::make_unique<SelectionState>(rs);
    FINTYPES(*prog, *ss);
    std::vector<QuizTaken> out;
    for (rs.Q2 = 1; rs.Q2 <= count; ++rs.Q2) {
      CHOOSESPEC(*prog, *ss);
      QuizTaken& t = out.emplace_back();
      t.pattern = rs.TYP;
      for (int pos = 1; pos <= rs.SECTORS; ++pos) {
        t.sector.push_back(rs.SECTOR[pos]);
        t.number.push_back(ss->number_at[pos]);
        t.line.push_back(rs.ALL[pos]);
      }
    }
    return out;
  }

  // Closes both lists and returns the notes.
  std::vector<std::string> notes() {
    prog->rs.F9->close();
    prog->rs.F10->close();
    return dir.lines("temp.txt");
  }

  TempDir dir;
  InFolder here{dir.path()};
  std::unique_ptr<ScriptTerminal> term;
  std::unique_ptr<Program> prog;
  std::unique_ptr<SelectionState> ss;
};

}  // namespace halvorin::testing
