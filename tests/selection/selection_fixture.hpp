#pragma once
// A program on a key script, working in a fresh folder that holds small question files laid out
// by hand: sector s is chapter s, and question n of a kind in sector s is verse n, so every
// chosen line tells its own sector and number.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "driver/program.hpp"
#include "platform/terminal.hpp"
#include "selection/assembly.hpp"
#include "selection/specialty.hpp"
#include "support/harness.hpp"

namespace halvorin::testing {

// Questions of each kind in one sector.
struct SectorCounts {
  int regular = 0, ftv = 0, cv = 0, co = 0, sit = 0;
};

// What one quiz took at each position (1-based; index 0 unused).
struct QuizTaken {
  std::string pattern;
  std::vector<int> sector;
  std::vector<int> number;
  std::vector<std::string> line;
};

class SelectionTest : public ::testing::Test {
 protected:
  static constexpr int kBefore = 3;  // lines of every file before the range

  void SetUp() override {
    char buf[4096];
    ASSERT_NE(::getcwd(buf, sizeof buf), nullptr);
    old_cwd_ = buf;
    ASSERT_EQ(::chdir(dir.path().c_str()), 0);
    start("");
  }
  void TearDown() override {
    if (prog) {
      prog->rs.F9.reset();
      prog->rs.F10.reset();
    }
    (void)::chdir(old_cwd_.c_str());
  }

  // A new program reading `keys` (key script syntax), with its random generator at `seed`.
  Program& start(const std::string& keys, uint64_t seed = 11) {
    term = std::make_unique<ScriptTerminal>(parse_key_script(keys, "keys"));
    prog = std::make_unique<Program>(*term, seed);
    return *prog;
  }

  // Lays the sectors out, writes the five question files and sets the run state as sectoring
  // and the driver leave it: all available, counts copied, the quiz loop's copies made.
  void layout(const std::vector<SectorCounts>& sectors, int quizzes, const std::string& pattern) {
    RunState& rs = prog->rs;
    int n = static_cast<int>(sectors.size());
    rs.QMAX = rs.SECTORS = rs.SECTORS2 = n;
    rs.QZ = rs.QNUM = quizzes;
    rs.BEFORE = rs.FBEFORE = rs.RBEFORE = rs.OBEFORE = rs.SBEFORE = rs.TEMPF = kBefore;
    rs.REGFILE = "Acts.b";
    rs.FTVFILE = "FTV.75";
    rs.CVFILE = "cv.b";
    rs.COFILE = "co.b";
    rs.SITFILE = "SIT.TXT";
    std::vector<std::string> reg(kBefore, " 0: 0\tbefore\tx"), ftv = reg, cv = reg, co = reg,
                                                               sit = reg;
    for (int s = 1; s <= n; ++s) {
      const SectorCounts& c = sectors[static_cast<size_t>(s - 1)];
      rs.QPS[s] = rs.TQPS[s] = c.regular;
      rs.FPS[s] = rs.TFPS[s] = c.ftv;
      rs.RPS[s] = rs.TRPS[s] = c.cv;
      rs.OPS[s] = rs.TOPS[s] = c.co;
      rs.SPS[s] = rs.TSPS[s] = c.sit;
      for (int k = 1; k <= c.regular; ++k)
        reg.push_back(ref(s, k) + "\tWho was in sector " + std::to_string(s) + "?\tanswer");
      for (int k = 1; k <= c.ftv; ++k)
        ftv.push_back(ref(s, k) + "\tFT" + ftv_type(s, k) + "\tAnd the verse goes on here");
      for (int k = 1; k <= c.cv; ++k) cv.push_back(ref(s, k) + "\tCV\tWhat does it say?\tanswer");
      for (int k = 1; k <= c.co; ++k) co.push_back(ref(s, k) + "\tCO\tWhere is it said?\tanswer");
      for (int k = 1; k <= c.sit; ++k) sit.push_back(ref(s, k) + "\tWho said \"this\"? *someone");
    }
    dir.write_lines("Acts.b", reg);
    dir.write_lines("FTV.75", ftv);
    dir.write_lines("cv.b", cv);
    dir.write_lines("co.b", co);
    dir.write_lines("SIT.TXT", sit);
    rs.MINQZ = rs.MINQZ1 = 1000;
    rs.FQUIZ = rs.FQUIZ1 = 1000;
    rs.REPEATPCT = 0;
    rs.IPC = 50;
    rs.SPMIN = 0;
    rs.V = 2;
    rs.RSET = 4;
    rs.Q2 = 1;
    for (int q = 1; q <= quizzes; ++q) rs.PAT[q] = pattern;
    rs.TYP = pattern;
    rs.REGQUESTION.fill(true);
    rs.FINISH.fill(true);
    rs.REFERENCE.fill(true);
    rs.ONLY.fill(true);
    rs.SITUATION.fill(true);
    rs.INT.fill(false);
    rs.FTC2 = 'b';
    rs.FTC3 = 'c';
    rs.FTC4 = 'd';
  }

  // Type letter of FTV question k of sector s, unless a test sets its own rule.
  std::string ftv_type(int s, int k) const {
    if (ftv_types.empty()) return std::string(1, static_cast<char>('a' + (s + k) % 5));
    return std::string(1, ftv_types[static_cast<size_t>((s + k) % ftv_types.size())]);
  }

  static std::string ref(int s, int k) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%2d:%2d", s, k);
    return buf;
  }

  // A screen row without its trailing blanks.
  std::string row(int r) const {
    std::string t = prog->con.row_text(r);
    while (!t.empty() && t.back() == ' ') t.pop_back();
    return t;
  }

  // Opens the notes and the used-question list as the quiz loop does.
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
      QuizTaken t;
      t.pattern = rs.TYP;
      t.sector.push_back(0);
      t.number.push_back(0);
      t.line.emplace_back();
      for (int pos = 1; pos <= rs.SECTORS; ++pos) {
        t.sector.push_back(rs.SECTOR[pos]);
        t.number.push_back(ss->number_at[pos]);
        t.line.push_back(rs.ALL[pos]);
      }
      out.push_back(t);
    }
    return out;
  }

  // Closes the lists and returns the notes written so far.
  std::vector<std::string> notes() {
    prog->rs.F9->close();
    prog->rs.F10->close();
    return dir.lines("temp.txt");
  }

  TempDir dir;
  std::unique_ptr<ScriptTerminal> term;
  std::unique_ptr<Program> prog;
  std::unique_ptr<SelectionState> ss;
  std::string ftv_types;  // when set, FTV types cycle through these letters

 private:
  std::string old_cwd_;
};

}  // namespace halvorin::testing
