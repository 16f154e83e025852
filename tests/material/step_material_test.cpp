#include <gtest/gtest.h>

#include <cstdlib>

#include "driver/steps.hpp"
#include "material_fixture.hpp"

namespace halvorin {
namespace {

using testing::write_material;

using InProcess = testing::ProgramBench;
using testing::qline;

// Regular questions at 1:1 (2), 1:2 (3), 1:3, 2:1 (4); FTV at 1:2 (2), 2:1; CV Ref at 1:3;
// CO Ref at 1:1; SIT at 1:2, 1:3. The range 1:2 .. 2:1 holds 8 regular questions.
InProcess& small_material(InProcess& ip, int qmax, char indx = 'Y') {
  auto q = [](int c, int v) { return qline(c, v); };
  write_material(ip, {{q(1, 1), q(1, 1), q(1, 2), q(1, 2), q(1, 2), q(1, 3), q(2, 1), q(2, 1),
                       q(2, 1), q(2, 1)},
                      {q(1, 2), q(1, 2), q(2, 1)},
                      {q(1, 3)},
                      {q(1, 1)},
                      {q(1, 2), q(1, 3)}});
  RunState& rs = ip.p.rs;
  rs.BCHAP = 1, rs.BVER = 2, rs.ECHAP = 2, rs.EVER = 1;
  rs.QMAX = qmax;
  rs.INDX = indx;
  return ip;
}

TEST(CountMaterial, SummaryLineAndQuizLimitsWhenTheRegularQuestionsJustSuffice) {
  InProcess ip;
  RunState& rs = small_material(ip, 8).p.rs;
  rs.FMAX = 1, rs.SMAX = 2, rs.OMAX = 0, rs.RMAX = 1;
  rs.OQUIZ = 77;  // a maximum of 0 keeps the earlier limit
  ASSERT_EQ(count_material(ip.p), Step::Continue);
  EXPECT_EQ(ip.p.con.row_text(3).substr(0, 53),
            "  A quiz will contain one question from each sector. ");
  EXPECT_EQ(ip.p.con.row_text(4),
            pad_right("  Regular Questions: 8   FTV: 3   CV Refs: 1   CO Refs: 0   SIT: 2", 80));
  EXPECT_EQ(rs.BEFORE * 10 + rs.OBEFORE, 21);
  EXPECT_EQ(std::vector<int>({rs.FQUIZ, rs.SQUIZ, rs.RQUIZ, rs.OQUIZ}),
            std::vector<int>({2, 1, 1, 77}));  // FTV: (4 * 3 / 1) / 5
}

TEST(CountMaterial, TooFewRegularQuestionsWarnsUntilEnter) {
  InProcess ip("Enter");
  EXPECT_EQ(count_material(small_material(ip, 9).p), Step::StartOver);
  EXPECT_EQ(ip.p.con.row_text(3).substr(0, 55),
            "  There are only 8 regular questions in this material. ");
  EXPECT_EQ(ip.p.con.row_text(5).substr(0, 44), "  Change Questions per packet to 8 or less. ");
  InProcess no_keys;
  EXPECT_THROW(count_material(small_material(no_keys, 9).p), ScriptEnded);
}

// A valid count file that disagrees with the material: 20 regular questions at 1:2.
std::string other_count_file() {
  std::string s;
  for (int c = 1; c <= CHMAX; ++c)
    for (int v = 1; v <= VMAX; ++v)
      s += std::to_string(c) + " " + std::to_string(v) + (c == 1 && v == 2 ? " 20" : " 0") +
           " 0 0 0 0\r\n";
  return s;
}

TEST(CountMaterial, ReusesACountFileOnlyWhenAskedAndInTheWorkingDirectory) {
  for (char indx : {'N', 'Y'}) {
    InProcess ip;
    small_material(ip, 1, indx).dir.write("count.59A", other_count_file());
    ASSERT_EQ(count_material(ip.p), Step::Continue);
    EXPECT_EQ(ip.p.rs.TQUEST, indx == 'N' ? 20 : 8);
  }
  // Found only along PATH: the material here is counted into a count file here.
  InProcess ip;
  small_material(ip, 1, 'N');
  testing::TempDir elsewhere;
  elsewhere.write("count.59A", other_count_file());
  std::string old_path = std::getenv("PATH");
  testing::set_env("PATH", elsewhere.path());
  Step step = count_material(ip.p);
  testing::set_env("PATH", old_path);
  ASSERT_EQ(step, Step::Continue);
  EXPECT_EQ(ip.p.rs.PS, elsewhere.file("count.59A"));
  EXPECT_EQ(ip.p.rs.TQUEST, 8);
  EXPECT_EQ(ip.dir.lines("count.59A").size(), 1820u);
  ip.p.rs.ECHAP = 29;  // a range outside the tables is refused, naming the style file
  ip.p.rs.NAME = "Weekly";
  EXPECT_THROW(count_material(ip.p), FileError);
}

TEST(EmptySpecialty, WarnsWithTwoEntersOnlyWhenAMaximumHasNoQuestions) {
  auto run = [](const std::string& keys, int fmax, int fquest) {
    InProcess ip(keys);
    ip.p.rs.FMAX = fmax;
    ip.p.rs.FQUEST = fquest;
    Step step = check_empty_specialty(ip.p);
    return std::make_pair(step, ip.p.con.row_text(3));
  };
  EXPECT_EQ(run("", 2, 5).first, Step::Continue);
  EXPECT_THROW(run("Enter", 1, 0), ScriptEnded);
  auto [step, row3] = run("Enter Enter", 1, 0);
  EXPECT_EQ(step, Step::StartOver);
  EXPECT_EQ(row3.substr(0, 36), "  One specialty has zero questions. ");
}

}  // namespace
}  // namespace halvorin
