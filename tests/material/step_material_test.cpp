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
  testing::expect_screen("material/golden/summary.screen", ip.p.con);
  EXPECT_EQ(rs.BEFORE * 10 + rs.OBEFORE, 21);
  EXPECT_EQ(std::vector<int>({rs.FQUIZ, rs.SQUIZ, rs.RQUIZ, rs.OQUIZ}),
            std::vector<int>({2, 1, 1, 77}));  // FTV: (4 * 3 / 1) / 5
}

TEST(CountMaterial, TooFewRegularQuestionsWarnsUntilEnter) {
  InProcess ip("Enter");
  EXPECT_EQ(count_material(small_material(ip, 9).p), Step::StartOver);
  testing::expect_screen("material/golden/too_few.screen", ip.p.con);
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
    // Kept with reindex N only while it matches the material; this one is rebuilt either way.
    EXPECT_EQ(ip.p.rs.TQUEST, 8);
    EXPECT_EQ(ip.p.rs.STALECOUNT, indx == 'N');
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
    testing::expect_screen("material/golden/empty_specialty.screen", ip.p.con);
    return step;
  };
  EXPECT_THROW(run("Enter", 1, 0), ScriptEnded);
  EXPECT_EQ(run("Enter Enter", 1, 0), Step::StartOver);
  InProcess some;
  some.p.rs.FMAX = 2;
  some.p.rs.FQUEST = 5;
  EXPECT_EQ(check_empty_specialty(some.p), Step::Continue);
}

}  // namespace
}  // namespace halvorin
