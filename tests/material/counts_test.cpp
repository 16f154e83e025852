#include "material/counts.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "material/files.hpp"
#include "material_fixture.hpp"

namespace halvorin {
namespace {

using testing::crlf;
using testing::qline;
using testing::write_material;

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
  build_counts(rs);
  write_count_file(rs, "count.59A");
  auto lines = ip.dir.lines("count.59A");
  ASSERT_EQ(lines.size(), 1820u);
  EXPECT_EQ(ip.dir.read("count.59A").substr(0, 15), "1 1 0 1 0 0 0\r\n");
  EXPECT_EQ(lines[2 * 65 + 6], "3 7 3 0 0 0 0");
  EXPECT_EQ(lines[6 * 65 + 11], "7 12 0 0 2 0 0");
  EXPECT_EQ(lines[1819], "28 65 0 1 0 0 0");
  EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                          [](auto& l) { return l.ends_with(" 0 0 0 0 0") == false; }),
            5);  // nothing counted anywhere else

  RunState again;
  load_count_file(again, "count.59A");
  for (int c = 1; c <= CHMAX; ++c)
    for (int v = 1; v <= VMAX; ++v)
      for (auto t : {&RunState::QCOUNT, &RunState::FCOUNT, &RunState::RCOUNT, &RunState::OCOUNT,
                     &RunState::SCOUNT})
        ASSERT_EQ((again.*t)(c, v), (rs.*t)(c, v)) << c << ":" << v;
}

TEST(CountBuild, RefusesLinesThatWouldMisplaceQuestions) {
  struct Case {
    std::vector<std::string> lines;
    int line;        // the line the message names
    const char* in;  // part of the message
  } cases[] = {
      {{qline(1, 1), "x7:1\tQ"}, 2, "chapter"},
      {{"7 :1\tQ"}, 1, "chapter"},
      {{"29:1\tQ"}, 1, "outside"},
      {{" 2:66\tQ"}, 1, "outside"},
      {{" 2:5x\tQ"}, 1, "verse"},
      {{qline(3, 8), qline(3, 7)}, 2, "order"},
      {{qline(1, 1), "", qline(1, 2)}, 2, "blank"},
      {std::vector<std::string>(256, qline(4, 4)), 256, "255"},
  };
  for (const Case& c : cases) {
    CountTable t;
    TextReader in = TextReader::from_text(crlf(c.lines), "Acts.A");
    try {
      count_question_file(in, t);
      ADD_FAILURE() << "accepted: " << c.lines.back();
    } catch (const FileError& e) {
      EXPECT_EQ(e.line(), c.line) << e.what();
      EXPECT_NE(e.message().find(c.in), std::string::npos) << e.what();
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
  std::vector<std::string> good;
  for (int c = 1; c <= CHMAX; ++c)
    for (int v = 1; v <= VMAX; ++v)
      good.push_back(std::to_string(c) + " " + std::to_string(v) + " 1 0 0 0 0");
  struct Case {
    size_t keep;  // lines kept
    int index;    // line (from 0) to replace, or -1
    std::string replacement;
    int line;
  } cases[] = {{1000, -1, "", 1001},
               {1820, 70, "2 6 1 x 0 0 0", 71},
               {1820, 5, "1 7 1 0 0 0 0", 6},
               {1820, 1819, "29 65 0 0 0 0 0", 1820},
               {1820, 9, "1 10 256 0 0 0 0", 10},
               {1820, 9, "1 10 0 -1 0 0 0", 10}};
  testing::ProgramBench ip;
  for (const Case& c : cases) {
    std::vector<std::string> lines = good;
    if (c.index >= 0) lines[static_cast<size_t>(c.index)] = c.replacement;
    lines.resize(c.keep);
    ip.dir.write("count.59A", crlf(lines));
    try {
      load_count_file(ip.p.rs, "count.59A");
      ADD_FAILURE() << "accepted";
    } catch (const FileError& e) {
      EXPECT_EQ(e.line(), c.line) << e.what();
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

TEST(SectorCounts, Read11AddsARecordAndRefusesOneOutOfRange) {
  RunState rs;
  TextReader in = TextReader::from_text("1 2 3 1 1 1 0 x\r\n1 66 0 0 0 0 0\r\n", "count.59A");
  EXPECT_EQ(READ11(rs, in, 4).vs, 2);
  EXPECT_EQ(rs.QPS[4] * 100 + rs.FPS[4] * 10 + rs.SPS[4], 310);
  EXPECT_THROW(READ11(rs, in, 4), FileError);
}

}  // namespace
}  // namespace halvorin
