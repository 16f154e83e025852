#include "material/counts.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "material/files.hpp"
#include "material_fixture.hpp"
#include "platform/errors.hpp"

namespace halvorin {
namespace {

using testing::InProcess;
using testing::qline;

// Sum of every entry of a count table.
int total(const CountTable& t) {
  int n = 0;
  for (int c = 1; c <= CHMAX; ++c)
    for (int v = 1; v <= VMAX; ++v) n += t(c, v);
  return n;
}

TEST(CountBuild, CountsEachKindAndWritesAFullCountFile) {
  InProcess ip;
  // The regular file has lines for 3:7 only; " 7" and "07" both mean chapter 7.
  ip.material({qline(3, 7), qline(3, 7), "03: 7\tWho?", qline(3, 7)}, {qline(1, 1), qline(28, 65)},
              {" 7:12\tR1\tx", "07:12\tR1\ty", "07:13\tR1\tz"}, {qline(2, 2)}, {});
  name_material_files(ip.p.rs, 'A', "week");
  build_counts(ip.p.rs);
  const RunState& rs = ip.p.rs;
  EXPECT_EQ(rs.QCOUNT(3, 7), 4);
  EXPECT_EQ(total(rs.QCOUNT), 4);
  EXPECT_EQ(rs.FCOUNT(1, 1), 1);
  EXPECT_EQ(rs.FCOUNT(28, 65), 1);
  EXPECT_EQ(rs.RCOUNT(7, 12), 2);
  EXPECT_EQ(rs.RCOUNT(7, 13), 1);
  EXPECT_EQ(total(rs.RCOUNT), 3);
  EXPECT_EQ(total(rs.OCOUNT), 1);
  EXPECT_EQ(total(rs.SCOUNT), 0);  // an empty file holds no questions

  write_count_file(rs, "count.59A");
  std::string text = ip.dir.read("count.59A");
  auto lines = ip.dir.lines("count.59A");
  ASSERT_EQ(lines.size(), 1820u);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1820);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 1820);
  EXPECT_EQ(lines[0], "1 1 0 1 0 0 0");
  EXPECT_EQ(lines[2 * 65 + 6], "3 7 4 0 0 0 0");
  EXPECT_EQ(lines[1819], "28 65 0 1 0 0 0");

  // Reloading gives exactly the built tables.
  RunState again;
  load_count_file(again, "count.59A");
  for (int c = 1; c <= CHMAX; ++c)
    for (int v = 1; v <= VMAX; ++v) {
      ASSERT_EQ(again.QCOUNT(c, v), rs.QCOUNT(c, v));
      ASSERT_EQ(again.FCOUNT(c, v), rs.FCOUNT(c, v));
      ASSERT_EQ(again.RCOUNT(c, v), rs.RCOUNT(c, v));
      ASSERT_EQ(again.OCOUNT(c, v), rs.OCOUNT(c, v));
      ASSERT_EQ(again.SCOUNT(c, v), rs.SCOUNT(c, v));
    }
}

TEST(CountBuild, RefusesMaterialThatWouldMisplaceQuestions) {
  std::vector<std::string> many(256, qline(4, 4));
  struct Case {
    const char* what;
    std::vector<std::string> lines;
    int line;        // the line the message must name
    const char* in;  // part of the message
  };
  std::vector<Case> cases = {
      {"chapter not a number", {qline(1, 1), "x7:1\tQ"}, 2, "chapter"},
      {"left-aligned chapter", {"7 :1\tQ"}, 1, "chapter"},
      {"chapter 0", {" 0:1\tQ"}, 1, "outside"},
      {"chapter 29", {"29:1\tQ"}, 1, "outside"},
      {"verse 66", {" 2:66\tQ"}, 1, "outside"},
      {"verse 0", {" 2: 0\tQ"}, 1, "outside"},
      {"verse not a number", {" 2:ab\tQ"}, 1, "verse"},
      {"verse run into text", {" 2:5x\tQ"}, 1, "verse"},
      {"nothing after chapter", {" 2"}, 1, "verse"},
      {"verse out of order", {qline(3, 8), qline(3, 7)}, 2, "order"},
      {"chapter out of order", {qline(3, 1), qline(2, 9)}, 2, "order"},
      {"blank line among questions", {qline(1, 1), "", qline(1, 2)}, 2, "blank"},
      {"256 of a kind in a verse", many, 256, "255"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    CountTable t;
    TextReader in = TextReader::from_text(
        [&] {
          std::string s;
          for (auto& l : c.lines) s += l + "\r\n";
          return s;
        }(),
        "Acts.A");
    try {
      count_question_file(in, t);
      ADD_FAILURE() << "accepted";
    } catch (const FileError& e) {
      EXPECT_EQ(e.file(), "Acts.A");
      EXPECT_EQ(e.line(), c.line);
      EXPECT_NE(e.message().find(c.in), std::string::npos) << e.message();
    }
  }
  // 255 in one verse fit; blank lines after the last question are harmless.
  CountTable t;
  std::string s;
  for (int i = 0; i < 255; ++i) s += qline(4, 4) + "\n";
  s += "\n   \n";
  TextReader in = TextReader::from_text(s, "Acts.A");
  count_question_file(in, t);
  EXPECT_EQ(t(4, 4), 255);
}

TEST(CountFile, RefusesShortOrGarbledFiles) {
  RunState rs;
  std::vector<std::string> good;
  for (int c = 1; c <= CHMAX; ++c)
    for (int v = 1; v <= VMAX; ++v)
      good.push_back(std::to_string(c) + " " + std::to_string(v) + " 1 0 0 0 0");
  struct Case {
    const char* what;
    int index;  // line (from 0) to change; -1 cuts the file there
    std::string replacement;
    int cut_at;
    int line;
  };
  std::vector<Case> cases = {
      {"short", -1, "", 1000, 1001},
      {"empty", -1, "", 0, 1},
      {"garbled number", 70, "2 6 1 x 0 0 0", 0, 71},
      {"record out of order", 5, "1 7 1 0 0 0 0", 0, 6},
      {"chapter out of range", 1819, "29 65 0 0 0 0 0", 0, 1820},
      {"count above 255", 9, "1 10 256 0 0 0 0", 0, 10},
      {"negative count", 9, "1 10 0 -1 0 0 0", 0, 10},
      {"record too short", 9, "1 10 0 0", 0, 12},  // it runs into the next record
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<std::string> lines = good;
    if (c.index < 0)
      lines.resize(static_cast<size_t>(c.cut_at));
    else
      lines[static_cast<size_t>(c.index)] = c.replacement;
    std::string s;
    for (auto& l : lines) s += l + "\r\n";
    testing::TempDir d;
    d.write("count.59A", s);
    testing::InDir here(d.path());
    try {
      load_count_file(rs, "count.59A");
      ADD_FAILURE() << "accepted";
    } catch (const FileError& e) {
      EXPECT_EQ(e.file(), "count.59A");
      EXPECT_EQ(e.line(), c.line) << e.message();
    }
  }
}

TEST(CountFile, FailedWriteKeepsTheOldFile) {
  InProcess ip;
  ip.dir.write("count.59A", "old");
  ip.p.rs.QCOUNT(1, 1) = 3;
  inject_file_fault(5);  // a write part-way through
  EXPECT_THROW(write_count_file(ip.p.rs, "count.59A"), FileError);
  inject_file_fault(0);
  EXPECT_EQ(ip.dir.read("count.59A"), "old");
  int files = 0;
  for (auto& e : std::filesystem::directory_iterator(ip.dir.path())) files += e.is_regular_file();
  EXPECT_EQ(files, 1);  // no half-written file left behind
}

TEST(RangeTotals, AddsBeforeAndInsideTheRange) {
  RunState rs;
  // One question of each kind at every verse, with distinct weights per kind.
  for (int c = 1; c <= CHMAX; ++c)
    for (int v = 1; v <= VMAX; ++v) {
      rs.QCOUNT(c, v) = 1;
      rs.FCOUNT(c, v) = 2;
      rs.RCOUNT(c, v) = 3;
      rs.OCOUNT(c, v) = 4;
      rs.SCOUNT(c, v) = 5;
    }
  struct Case {
    int bc, bv, ec, ev;
    int before, inside;  // verses before and inside the range
  };
  for (Case c : {Case{2, 10, 2, 10, 65 + 9, 1}, Case{1, 1, 3, 5, 0, 65 * 2 + 5},
                 Case{2, 60, 5, 3, 65 + 59, 6 + 65 * 2 + 3}, Case{28, 65, 28, 65, 1819, 1}}) {
    SCOPED_TRACE(std::to_string(c.bc) + ":" + std::to_string(c.bv));
    rs.BCHAP = c.bc, rs.BVER = c.bv, rs.ECHAP = c.ec, rs.EVER = c.ev;
    rs.TQUEST = rs.BEFORE = 99;  // totals start from 0 every time
    range_totals(rs);
    EXPECT_EQ(rs.BEFORE, c.before);
    EXPECT_EQ(rs.FBEFORE, 2 * c.before);
    EXPECT_EQ(rs.RBEFORE, 3 * c.before);
    EXPECT_EQ(rs.OBEFORE, 4 * c.before);
    EXPECT_EQ(rs.SBEFORE, 5 * c.before);
    EXPECT_EQ(rs.TQUEST, c.inside);
    EXPECT_EQ(rs.FQUEST, 2 * c.inside);
    EXPECT_EQ(rs.RQUEST, 3 * c.inside);
    EXPECT_EQ(rs.OQUEST, 4 * c.inside);
    EXPECT_EQ(rs.SQUEST, 5 * c.inside);
  }
}

TEST(SectorCounts, Read11AndSpecountAddToTheSector) {
  RunState rs;
  rs.FCOUNT(2, 3) = 1, rs.RCOUNT(2, 3) = 2, rs.OCOUNT(2, 3) = 3, rs.SCOUNT(2, 3) = 4;
  rs.QCOUNT(2, 3) = 9;
  SPECOUNT(rs, 2, 3, 5);
  SPECOUNT(rs, 2, 3, 5);
  EXPECT_EQ(rs.QPS[5], 0);  // the caller adds the regular count
  EXPECT_EQ(rs.FPS[5], 2);
  EXPECT_EQ(rs.SPS[5], 8);

  TextReader in = TextReader::from_text(
      "1 1 2 0 0 0 1 extra\r\n1 2 3 1 1 1 0\r\n1 66 0 0 0 0 0\r\n", "count.59A");
  CountRecord r = READ11(rs, in, 1);
  EXPECT_EQ(r.ch, 1);
  EXPECT_EQ(r.vs, 1);
  r = READ11(rs, in, 1);
  EXPECT_EQ(r.vs, 2);
  EXPECT_EQ(rs.QPS[1], 5);
  EXPECT_EQ(rs.FPS[1], 1);
  EXPECT_EQ(rs.SPS[1], 1);
  EXPECT_THROW(READ11(rs, in, 1), FileError);  // verse 66 has no place in the tables
  EXPECT_THROW(READ11(rs, in, 1), FileError);  // the file has ended
}

}  // namespace
}  // namespace halvorin
