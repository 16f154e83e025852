#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "driver/steps.hpp"
#include "material/counts.hpp"
#include "material/files.hpp"
#include "material/interrogative.hpp"
#include "material/seasons.hpp"
#include "support/bench.hpp"

namespace halvorin {
namespace {

using testing::crlf;
using testing::qline;
using InProcess = testing::ProgramBench;

// Writes the five question files of list A and names them and the count file.
void write_material(InProcess& b, const std::vector<std::vector<std::string>>& files) {
  const char* names[] = {"Acts.A", "FTV.59", "cv.b", "co.b", "SIT.TXT"};
  for (size_t k = 0; k < 5; ++k) b.dir.write_lines(names[k], files[k]);
  b.p.rs.FTVFILE = "FTV.59", b.p.rs.COUNTFILE = "count.59A";
  b.p.rs.REGLST = 'A', b.p.rs.NAME4 = "week";
}

// A valid count file: `q` regular questions at every verse, `at12` at 1:2.
std::vector<std::string> count_lines(int q, int at12) {
  std::vector<std::string> lines;
  for (int c = 1; c <= CHMAX; ++c)
    for (int v = 1; v <= VMAX; ++v)
      lines.push_back(std::to_string(c) + " " + std::to_string(v) + " " +
                      std::to_string(c == 1 && v == 2 ? at12 : q) + " 0 0 0 0");
  return lines;
}

TEST(CountBuild, CountsEachKindWritesAllLinesAndReloadsTheSame) {
  testing::ProgramBench ip;
  // Regular questions at 3:7 only; " 7" and "07" are both chapter 7; an empty SIT file.
  write_material(ip, {{qline(3, 7), qline(3, 7), "03: 7\tWho?"},
                      {qline(1, 1), qline(28, 65)},
                      {" 7:12\tR1\tx", "07:12\tR1\ty"},
                      {qline(2, 2)},
                      {}});
  RunState& rs = ip.p.rs;
  name_material_files(rs, 'A', "week");
  build_counts(rs, rs);
  write_count_file(rs, "count.59A");
  auto lines = ip.dir.lines("count.59A");
  ASSERT_EQ(lines.size(), 1820u);
  EXPECT_EQ(ip.dir.read("count.59A").substr(0, 15), "1 1 0 1 0 0 0\r\n");
  std::string counted;  // nothing counted anywhere else
  for (const auto& l : lines) counted += l.ends_with(" 0 0 0 0 0") ? "" : l + "|";
  EXPECT_EQ(counted, "1 1 0 1 0 0 0|2 2 0 0 0 1 0|3 7 3 0 0 0 0|7 12 0 0 2 0 0|28 65 0 1 0 0 0|");
  RunState again;  // read back and written again, the same bytes
  load_count_file(again, "count.59A");
  write_count_file(again, "again");
  EXPECT_EQ(ip.dir.read("again"), ip.dir.read("count.59A"));
}

TEST(CountBuild, TablesTakeTheLongestChapterAndTheCountFileFollowsThem) {
  testing::ProgramBench ip;
  VerseTable verses;
  verses.fill(20);
  verses[3] = 71;
  RunState& rs = ip.p.rs;
  size_counts(rs, verses);
  EXPECT_EQ(rs.QCOUNT.rows(), CHMAX);
  EXPECT_EQ(rs.SCOUNT.cols(), 71);
  rs.SCOUNT(3, 71) = 2;
  EXPECT_THROW(rs.QCOUNT(3, 72), InternalError);
  EXPECT_THROW(rs.FCOUNT(CHMAX + 1, 1), InternalError);
  write_count_file(rs, "wide");
  const auto lines = ip.dir.lines("wide");
  ASSERT_EQ(lines.size(), static_cast<size_t>(CHMAX * 71));
  EXPECT_EQ(lines[2 * 71 + 70], "3 71 0 0 0 0 2");
  RunState back;
  size_counts(back, verses);
  load_count_file(back, "wide");
  EXPECT_TRUE(back.SCOUNT.same_entries(rs.SCOUNT));
  // Chapters of 65 verses or fewer keep the tables, and so the count file, at 65 a chapter.
  verses[3] = 60;
  size_counts(rs, verses);
  EXPECT_EQ(rs.QCOUNT.cols(), VMAX);
}

TEST(CountBuild, RefusesLinesThatWouldMisplaceQuestions) {
  const std::string path = "material/cases/question_lines.tsv";
  auto rows = testing::test_table(path);
  std::string many;  // 256 questions in one verse
  for (int k = 0; k < 256; ++k) many += " 4: 4\\tQ|";
  rows.push_back({0, {many.substr(0, many.size() - 1), "256", "255"}});
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::case_name(path, row));
    std::string text = row[0] + "|";
    for (size_t at; (at = text.find_first_of("\\|")) != std::string::npos;)
      text.replace(at, text[at] == '|' ? 1 : 2, text[at] == '|' ? "\r\n" : "\t");
    CountTable t;
    TextReader in = TextReader::from_text(text, "Acts.A");
    try {
      count_question_file(in, t);
      ADD_FAILURE() << "accepted";
    } catch (const FileError& e) {
      EXPECT_EQ(e.line(), row.num(1)) << e.what();
      EXPECT_NE(e.message().find(row[2]), std::string::npos) << e.what();
    }
  }
  // 255 in one verse fit; blank lines after the last question are harmless.
  CountTable t;
  TextReader in =
      TextReader::from_text(crlf(std::vector<std::string>(255, qline(4, 4))) + "\n   \n", "Acts.A");
  count_question_file(in, t);
  EXPECT_EQ(t(4, 4), 255);
}

TEST(CountFile, RefusesShortOrGarbledFilesAndKeepsTheOldOneOnAFailedWrite) {
  const std::vector<std::string> good = count_lines(1, 1);
  testing::ProgramBench ip;
  const std::string path = "material/cases/count_files.tsv";
  for (const auto& row : testing::test_table(path)) {
    SCOPED_TRACE(testing::case_name(path, row));
    std::vector<std::string> lines = good;
    if (row.num(1) >= 0) lines[static_cast<size_t>(row.num(1))] = row[2];
    lines.resize(static_cast<size_t>(row.num(0)));
    ip.dir.write("count.59A", crlf(lines));
    try {
      load_count_file(ip.p.rs, "count.59A");
      ADD_FAILURE() << "accepted";
    } catch (const FileError& e) {
      EXPECT_EQ(e.line(), row.num(3)) << e.what();
    }
  }
  ip.dir.write("count.59A", "old");
  inject_file_fault(5);  // a write part-way through
  EXPECT_THROW(write_count_file(ip.p.rs, "count.59A"), FileError);
  inject_file_fault(0);
  EXPECT_EQ(ip.dir.read("count.59A"), "old");
  auto files = std::distance(std::filesystem::directory_iterator(ip.dir.path()), {});
  EXPECT_EQ(files, 1);  // nothing half-written left beside it
}

// Regular questions at 1:1 (2), 1:2 (3), 1:3, 2:1 (4); FTV at 1:2 (2), 2:1; CV Ref at 1:3;
// CO Ref at 1:1; SIT at 1:2, 1:3. The range 1:2 .. 2:1 holds 8 regular questions.
InProcess& small_material(InProcess& ip, int qmax, char indx = 'Y') {
  std::vector<std::vector<std::string>> files;
  for (const char* refs :
       {"101 101 102 102 102 103 201 201 201 201", "102 102 201", "103", "101", "102 103"}) {
    std::istringstream in(refs);
    files.emplace_back();
    for (int r; in >> r;) files.back().push_back(qline(r / 100, r % 100));
  }
  write_material(ip, files);
  RunState& rs = ip.p.rs;
  rs.BCHAP = 1, rs.BVER = 2, rs.ECHAP = 2, rs.EVER = 1, rs.QMAX = qmax, rs.INDX = indx;
  return ip;
}

// Just enough regular questions: the summary line and the quiz limits (a maximum of 0 keeps the
// earlier limit); one more needed: a warning until Enter.
TEST(CountMaterial, SummaryAndQuizLimitsOrTooFewRegularQuestions) {
  InProcess ip;
  RunState& rs = small_material(ip, 8).p.rs;
  rs.FMAX = 1, rs.SMAX = 2, rs.OMAX = 0, rs.RMAX = 1, rs.OQUIZ = 77;
  ASSERT_EQ(count_material(ip.p), Step::Continue);
  testing::expect_screen("material/golden/summary.screen", ip.p.con);
  EXPECT_EQ(rs.BEFORE * 10 + rs.OBEFORE, 21);
  EXPECT_EQ(std::vector<int>({rs.FQUIZ, rs.SQUIZ, rs.RQUIZ, rs.OQUIZ}),
            std::vector<int>({2, 1, 1, 77}));  // FTV: (4 * 3 / 1) / 5
  InProcess few("Enter");                      // each in its own working folder, made in turn
  EXPECT_EQ(count_material(small_material(few, 9).p), Step::StartOver);
  testing::expect_screen("material/golden/too_few.screen", few.p.con);
  InProcess no_keys;
  EXPECT_THROW(count_material(small_material(no_keys, 9).p), ScriptEnded);
}

TEST(CountMaterial, ReusesACountFileOnlyWhenAskedAndInTheWorkingDirectory) {
  for (char indx : {'N', 'Y'}) {
    InProcess ip;
    small_material(ip, 1, indx).dir.write("count.59A", crlf(count_lines(0, 20)));
    ASSERT_EQ(count_material(ip.p), Step::Continue);
    // Kept with reindex N only while it matches the material; this one (20 regular questions
    // at 1:2) is rebuilt either way.
    EXPECT_EQ(ip.p.rs.TQUEST * 10 + ip.p.rs.STALECOUNT, indx == 'N' ? 81 : 80);
  }
  // Found only along PATH: the material here is counted into a count file here.
  InProcess ip;
  small_material(ip, 1, 'N');
  testing::TempDir elsewhere;
  elsewhere.write("count.59A", crlf(count_lines(0, 20)));
  const std::string old_path = std::getenv("PATH");
  testing::set_env("PATH", elsewhere.path());
  EXPECT_EQ(count_material(ip.p), Step::Continue);
  testing::set_env("PATH", old_path);
  EXPECT_EQ(ip.p.rs.TQUEST, 8);
  EXPECT_EQ(ip.dir.lines("count.59A").size(), 1820u);
  ip.p.rs.ECHAP = 29;  // a range outside the tables is refused, naming the style file
  ip.p.rs.NAME = "Weekly";
  EXPECT_THROW(count_material(ip.p), FileError);
}

TEST(EmptySpecialty, WarnsWithTwoEntersOnlyWhenAMaximumHasNoQuestions) {
  InProcess none("Enter Enter"), one_key("Enter"), some;
  for (InProcess* ip : {&none, &one_key, &some})
    ip->p.rs.FMAX = 1, ip->p.rs.FQUEST = 5 * (ip == &some);
  EXPECT_EQ(check_empty_specialty(none.p), Step::StartOver);
  testing::expect_screen("material/golden/empty_specialty.screen", none.p.con);
  EXPECT_THROW(check_empty_specialty(one_key.p), ScriptEnded);
  EXPECT_EQ(check_empty_specialty(some.p), Step::Continue);
}

TEST(Interrogative, OpeningsAndExceptions) {
  const std::string path = "material/golden/openings.txt";
  for (const auto& row : testing::test_table(path))
    EXPECT_EQ(is_interrogative(" 1: 1\t" + row[1]), row[0] == "Y") << testing::case_name(path, row);
}

// The index starts after the questions before the range and gives every question of a sector
// its own entry, also past question 200 of a large sector.
TEST(Interrogative, CountintMarksTheRangeSectorBySector) {
  testing::ProgramBench ip;
  std::vector<std::string> lines(206, " 1: 1\tName the town.");
  lines[0] = " 1: 1\tWho? (before)", lines[1] = " 1: 2\tWho one", lines[3] = " 1: 3\twhen three";
  lines[204] = " 2: 1\tWho went?";
  ip.dir.write_lines("Acts.A", lines);
  RunState& rs = ip.p.rs;
  rs.REGFILE = "Acts.A", rs.BEFORE = 1, rs.SECTORS = 2, rs.QPS[1] = 2, rs.QPS[2] = 203;
  COUNTINT(ip.p);
  EXPECT_EQ(std::vector<bool>({rs.INT(1, 1), rs.INT(1, 2), rs.INT(2, 1), rs.INT(2, 200),
                               rs.INT(2, 201), rs.INT(2, 202), rs.INT(2, 203)}),
            std::vector<bool>({true, false, true, false, false, true, false}));
  EXPECT_EQ(ip.p.con.row_text(3).substr(0, 37), "  Creating index of interrogatives...");
  rs.QPS[2] = 205;  // counts that promise more lines than the file has
  EXPECT_THROW(COUNTINT(ip.p), FileError);
}

// In a set of several books the question's text starts after the book letter and a blank.
TEST(Interrogative, CountintReadsLinesOfSeveralBooksAfterTheirLetter) {
  testing::ProgramBench ip;
  ip.dir.write_lines("RomJas.A", {"R 14: 1\tName the town.", "R 14: 2\tWho went?",
                                  "J  2: 1\tWhere did they go?", "J  2: 2\tName him."});
  RunState& rs = ip.p.rs;
  rs.set = find_season("romans-james")->set;
  rs.REGFILE = "RomJas.A", rs.BEFORE = 0, rs.SECTORS = 1, rs.QPS[1] = 4;
  COUNTINT(ip.p);
  EXPECT_EQ(std::vector<bool>({rs.INT(1, 1), rs.INT(1, 2), rs.INT(1, 3), rs.INT(1, 4)}),
            std::vector<bool>({false, true, true, false}));
}

}  // namespace
}  // namespace halvorin
