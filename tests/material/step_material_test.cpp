#include <gtest/gtest.h>

#include <cstdlib>

#include "driver/steps.hpp"
#include "material/files.hpp"
#include "material_fixture.hpp"
#include "platform/errors.hpp"

namespace halvorin {
namespace {

using testing::InProcess;
using testing::qline;

// Material with regular questions at 1:1 (2), 1:2 (3), 1:3 (1), 2:1 (4); FTV at 1:2 (2) and 2:1;
// one CV Ref at 1:3; one CO Ref at 1:1; SIT at 1:2 and 1:3.
void small_material(InProcess& ip) {
  ip.material({qline(1, 1), qline(1, 1), qline(1, 2), qline(1, 2), qline(1, 2), qline(1, 3),
               qline(2, 1), qline(2, 1), qline(2, 1), qline(2, 1)},
              {qline(1, 2), qline(1, 2), qline(2, 1)}, {qline(1, 3)}, {qline(1, 1)},
              {qline(1, 2), qline(1, 3)});
  RunState& rs = ip.p.rs;
  rs.BCHAP = 1, rs.BVER = 2, rs.ECHAP = 2, rs.EVER = 1;
  rs.QMAX = 8;
  rs.INDX = 'Y';
}

TEST(CountMaterial, SummaryLineAndQuizLimits) {
  InProcess ip;
  small_material(ip);
  RunState& rs = ip.p.rs;
  rs.FMAX = 1, rs.SMAX = 2, rs.OMAX = 0, rs.RMAX = 1;
  rs.OQUIZ = 77;                                    // a maximum of 0 keeps the earlier limit
  ASSERT_EQ(count_material(ip.p), Step::Continue);  // 8 regular questions for 8 sectors
  EXPECT_EQ(ip.p.con.row_text(3),
            pad_right("  A quiz will contain one question from each sector.", 80));
  EXPECT_EQ(ip.p.con.row_text(4),
            pad_right("  Regular Questions: 8   FTV: 3   CV Refs: 1   CO Refs: 0   SIT: 2", 80));
  EXPECT_EQ(rs.BEFORE, 2);
  EXPECT_EQ(rs.OBEFORE, 1);
  EXPECT_EQ(rs.SECTORS, 8);
  EXPECT_EQ(rs.SECTORS2, 8);
  EXPECT_EQ(rs.FQUIZ, 2);  // (4 * 3 / 1) / 5
  EXPECT_EQ(rs.SQUIZ, 1);
  EXPECT_EQ(rs.RQUIZ, 1);
  EXPECT_EQ(rs.OQUIZ, 77);
  EXPECT_EQ(rs.TEMPF, rs.FBEFORE);
  EXPECT_EQ(ip.dir.lines("count.59A").size(), 1820u);
  EXPECT_EQ(rs.QUIFILE, "week.qui");
  EXPECT_EQ(rs.INFFILE, "week.inf");
}

TEST(CountMaterial, TooFewRegularQuestionsWarnsAndStartsOver) {
  InProcess ip("Enter");
  small_material(ip);
  ip.p.rs.QMAX = 9;
  EXPECT_EQ(count_material(ip.p), Step::StartOver);
  EXPECT_EQ(ip.p.con.row_text(3).substr(0, 61),
            "  There are only 8 regular questions in this material.       ");
  EXPECT_EQ(ip.p.con.row_text(5).substr(0, 44), "  Change Questions per packet to 8 or less. ");

  InProcess no_keys;  // the warning waits for Enter
  small_material(no_keys);
  no_keys.p.rs.QMAX = 9;
  EXPECT_THROW(count_material(no_keys.p), ScriptEnded);
}

// A count file that disagrees with the material: it puts 20 regular questions at 1:2.
std::string stale_count_file() {
  std::string s;
  for (int c = 1; c <= CHMAX; ++c)
    for (int v = 1; v <= VMAX; ++v)
      s += std::to_string(c) + " " + std::to_string(v) + (c == 1 && v == 2 ? " 20" : " 0") +
           " 0 0 0 0\r\n";
  return s;
}

TEST(CountMaterial, ReusesAnExistingCountFileOnlyWhenAskedAndHere) {
  {
    InProcess ip;
    small_material(ip);
    ip.p.rs.INDX = 'N';
    ip.dir.write("count.59A", stale_count_file());
    ASSERT_EQ(count_material(ip.p), Step::Continue);
    EXPECT_EQ(ip.p.rs.TQUEST, 20);  // the file was reused, not rebuilt
    EXPECT_EQ(ip.dir.read("count.59A"), stale_count_file());
  }
  {
    InProcess ip;
    small_material(ip);
    ip.p.rs.INDX = 'Y';
    ip.dir.write("count.59A", stale_count_file());
    ASSERT_EQ(count_material(ip.p), Step::Continue);
    EXPECT_EQ(ip.p.rs.TQUEST, 8);
  }
  {
    // Found only along PATH: the material here is counted and the count file written here.
    InProcess ip;
    small_material(ip);
    ip.p.rs.INDX = 'N';
    testing::TempDir elsewhere;
    elsewhere.write("count.59A", stale_count_file());
    std::string old_path = std::getenv("PATH") ? std::getenv("PATH") : "";
    ::setenv("PATH", elsewhere.path().c_str(), 1);
    Step step = count_material(ip.p);
    ::setenv("PATH", old_path.c_str(), 1);
    ASSERT_EQ(step, Step::Continue);
    EXPECT_EQ(ip.p.rs.PS, elsewhere.file("count.59A"));
    EXPECT_EQ(ip.p.rs.TQUEST, 8);
    EXPECT_EQ(ip.dir.lines("count.59A").size(), 1820u);
    EXPECT_EQ(elsewhere.read("count.59A"), stale_count_file());
  }
}

TEST(CountMaterial, RefusesARangeOutsideTheTablesAndMissingMaterial) {
  InProcess ip;
  small_material(ip);
  ip.p.rs.NAME = "Weekly";
  ip.p.rs.ECHAP = 29;
  try {
    count_material(ip.p);
    ADD_FAILURE() << "accepted";
  } catch (const FileError& e) {
    EXPECT_EQ(e.file(), "Weekly.spe");
    EXPECT_EQ(e.line(), 3);
  }
  ip.p.rs.ECHAP = 2;
  ip.dir.remove("co.b");
  EXPECT_THROW(count_material(ip.p), FileError);
}

TEST(EmptySpecialty, WarnsWithTwoEntersOnlyWhenAMaximumHasNoQuestions) {
  auto run = [](const std::string& keys, int fmax, int fquest) {
    InProcess ip(keys);
    ip.p.rs.FMAX = fmax;
    ip.p.rs.FQUEST = fquest;
    ip.p.rs.RQUEST = ip.p.rs.OQUEST = ip.p.rs.SQUEST = 0;  // their maxima are 0
    Step s = check_empty_specialty(ip.p);
    return std::make_pair(s, ip.p.con.row_text(3));
  };
  EXPECT_EQ(run("", 0, 0).first, Step::Continue);
  EXPECT_EQ(run("", 2, 5).first, Step::Continue);
  EXPECT_THROW(run("Enter", 1, 0), ScriptEnded);  // one Enter is not enough
  auto [step, row3] = run("Enter Enter", 1, 0);
  EXPECT_EQ(step, Step::StartOver);
  EXPECT_EQ(row3.substr(0, 36), "  One specialty has zero questions. ");
}

TEST(InterrogativeStep, SkippedAtFiftyPercent) {
  InProcess ip;
  ip.p.rs.IPC = 50;
  ip.p.rs.REGFILE = "missing";  // never opened
  EXPECT_EQ(build_interrogative_index(ip.p), Step::Continue);
  EXPECT_EQ(ip.p.con.row_text(3), std::string(80, ' '));
}

TEST(MaterialNames, FollowLevelAndList) {
  struct Case {
    char lg, reglst;
    const char *reg, *cv, *co, *sit;
  };
  for (Case c : {Case{' ', 'a', "Acts.a", "cv.b", "co.b", "SIT.TXT"},
                 Case{'F', 'B', "Acts.B", "cv.b", "co.b", "SIT.TXT"},
                 Case{'F', 'C', "Acts.C", "cv.c", "co.c", "SIT.TXT"},
                 Case{'L', 'c', "LLActs.c", "LLcv.c", "LLco.c", "llsit.txt"},
                 Case{'L', 'A', "LLActs.A", "LLcv.b", "LLco.b", "llsit.txt"}}) {
    RunState rs;
    rs.LG = c.lg;
    name_material_files(rs, c.reglst, "out");
    EXPECT_EQ(rs.REGFILE, c.reg);
    EXPECT_EQ(rs.CVFILE, c.cv);
    EXPECT_EQ(rs.COFILE, c.co);
    EXPECT_EQ(rs.SITFILE, c.sit);
  }
}

}  // namespace
}  // namespace halvorin
