// The quiz file in its three layouts, and the end of a pass: the quiz file put in place, the
// closing screen, the print question and the printed copies. The layouts are compared with
// expected texts under golden/: each NAME.quiz holds a header line (pattern, last numbered
// position AB, lines per page, layouts, then a quiz number when not 7 and a range in running
// chapters "C:V-C:V" when not 1:1-28:31) and the question lines, a line "+text" being the
// continuation field of the question above; NAME.C, NAME.P and NAME.T hold the quiz file each
// layout writes. A NAME.set beside it declares the material set (else Acts); in a set of several
// books each question line starts with its book's letter and a blank.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <sstream>
#include <tuple>

#include "driver/steps.hpp"
#include "material/material_set.hpp"
#include "output/writer.hpp"
#include "platform/errors.hpp"
#include "support/bench.hpp"

namespace halvorin::testing {
namespace {

// A Program holding one made quiz, ready for the packet writer, in a temporary working folder.
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
    p.rs.NAME4 = "week3";
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

TEST(Packets, EveryLayoutWritesItsExpectedText) {
  const auto names = test_data_names("output/golden", ".quiz");
  ASSERT_GE(names.size(), 10u);
  for (const std::string& name : names) {
    const std::string base = "output/golden/" + name.substr(0, name.size() - 5);
    std::istringstream in(test_data("output/golden/" + name));
    std::string typ, layouts, line;
    QuizFixture f;
    RunState& rs = f.p.rs;
    in >> typ >> rs.AB >> rs.LPP >> layouts;
    std::getline(in, line);
    std::istringstream extra(line);
    for (std::string w; extra >> w;) {
      int r[4];
      if (std::sscanf(w.c_str(), "%d:%d-%d:%d", &r[0], &r[1], &r[2], &r[3]) != 4)
        rs.Q2 = std::stoi(w);
      else
        std::tie(rs.BCHAP, rs.BVER, rs.ECHAP, rs.EVER) = std::tie(r[0], r[1], r[2], r[3]);
    }
    if (const std::string set = test_data(base + ".set"); !set.empty()) {
      TextReader decl = TextReader::from_text(set, name);
      rs.set = read_material_set(decl);
      rs.RLBK.fill(rs.set.book(1).letter);
    }
    std::vector<std::string> lines, more;
    while (std::getline(in, line)) {
      if (line.starts_with("+")) {
        more.resize(lines.size(), " ");
        more.back() = line.substr(1);
      } else {
        if (rs.set.several_books()) {
          rs.RLBK[static_cast<int>(lines.size()) + 1] = line[0];
          line.erase(0, 2);
        }
        lines.push_back(line);
      }
    }
    f.quiz(typ, lines, more);
    for (char out : layouts) {
      const std::string got = f.write(out);
      expect_golden(base + "." + out, got);
      // Lower-case letters, and for the tabbed layout any other letter, choose the same layout.
      EXPECT_EQ(f.write(out == 'T' ? 'X' : static_cast<char>(out - 'A' + 'a')), got) << base;
    }
  }
}

// Question lines the stored material should not hold but may: the writer keeps to its buffer
// and ends (their layouts are among the expected texts above).
TEST(OddLines, NoLineLeadsOutsideTheBufferOrIntoALoop) {
  // Every kind and layout with lines that are empty, blank, one unbroken word, all tabs, all
  // question marks or quotation marks, and as long as the stored format allows.
  const std::vector<std::string> odd = {
      "",
      " 1: 1\t",
      " 1: 1\t" + std::string(248, 'w'),
      std::string(254, '\t'),
      " 1: 1\t" + std::string(248, '?'),
      " 1: 1\tWho? " + std::string(242, '^'),
  };
  QuizFixture f;
  for (const auto& line : odd) {
    for (const std::string& more :
         {std::string(" "), std::string(254, 'm'), std::string(254, '?')}) {
      f.quiz("nRFSO", {line, line, line, line, line}, {more, more, more, more, more});
      for (char out : {'C', 'P', 'T'}) {
        std::string s;
        ASSERT_NO_THROW(s = f.write(out)) << out << " " << line;
        // Cards come in whole cards; pages end with their form feed; tab lines with "<pb>".
        EXPECT_TRUE(out == 'C'   ? std::count(s.begin(), s.end(), '\n') % 18 == 0
                    : out == 'P' ? s.ends_with('\f')
                                 : s.ends_with("<pb>\r\n"))
            << out << " " << line;
      }
    }
  }
}

const std::string kLong =
    " 1:26\tWho was chosen by lot to be numbered with the eleven apostles after Judas fell "
    "away?\tMatthias";

// Makes a one-quiz packet in the quiz file of the pass.
void make_packet(QuizFixture& f, char out) {
  f.p.rs.OUT = out;
  f.quiz("nn", {kLong, " 2: 1\tWhen did the Holy Spirit come?\tPentecost"});
  ASSERT_EQ(create_quiz_file(f.p), Step::Continue);
  OPUT(f.p);
}

TEST(Closing, ThePreviousPacketStaysWholeUntilTheNewOneIsComplete) {
  QuizFixture f("\"n\"");
  f.dir.write("week3.qui", "old packet\r\n");
  make_packet(f, 'T');
  EXPECT_EQ(f.dir.read("week3.qui"), "old packet\r\n");
  // A pass that starts over after creating the quiz file leaves the old packet, and the next
  // pass's file replaces the unfinished one.
  make_packet(f, 'T');
  EXPECT_EQ(f.dir.read("week3.qui"), "old packet\r\n");
  f.p.rs.F10 = std::make_unique<TextWriter>("week3.inf", TextWriter::Mode::Replace);
  f.p.rs.F10->writeln("used questions");
  EXPECT_EQ(finish_packet(f.p), Step::StartOver);
  EXPECT_EQ(f.dir.lines("week3.qui")[0], "Quiz 7\t\tLeague Style Quizzing\tA 1:1 to A 28:31");
  EXPECT_EQ(f.dir.read("week3.inf"), "used questions\r\n");
  EXPECT_FALSE(f.p.rs.F8 || f.p.rs.F10);
  // Nothing is left beside the two files.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(f.dir.path()), {}), 2);
  EXPECT_EQ(f.p.con.row_text(9).substr(0, 33), "  Do you wish to print it now? N ");
}

TEST(Closing, PrintsTheCopiesAskedFor) {
  const std::string path = "output/cases/print.tsv";
  for (const auto& c : test_table(path)) {
    SCOPED_TRACE(case_name(path, c));
    QuizFixture f(c[1]);
    set_env("HALVORIN_PRINTER", c[2] != "-" ? c[2] : "tee -a " + f.dir.file("printed"));
    make_packet(f, c[3][0]);
    EXPECT_EQ(finish_packet(f.p), Step::StartOver);
    expect_screen("output/golden/" + c[0] + ".screen", f.p.con);
    const auto lines = f.dir.lines("week3.qui");
    EXPECT_GT(lines.size(), 3u) << "the packet is kept";
    std::string one, all;
    for (const auto& line : lines) one += line.substr(0, 79) + "\n";
    for (int k = 0; k < c.num(4); ++k) all += one;
    EXPECT_EQ(f.dir.read("printed"), all);
    EXPECT_TRUE(!c.num(4) || lines.at(3).size() > 79u);  // a line that is cut
  }
  unset_env("HALVORIN_PRINTER");
}

TEST(Closing, AbandonedInterrogativesAndCompletionNotices) {
  QuizFixture f("Enter");
  make_packet(f, 'T');
  f.p.rs.ABAND3 = true;
  f.p.rs.OLDIPC = 40;
  f.p.rs.ABAND = 3;
  f.p.rs.RSET = 6;
  f.p.con.textbackground(1);
  // The script ends while the completion notice waits for Enter.
  EXPECT_THROW(finish_packet(f.p), ScriptEnded);
  EXPECT_EQ(f.p.rs.RSET, 7);
  expect_screen("output/golden/abandoned.screen", f.p.con);

  // Near the bottom of the screen the notice starts a fresh screen at row 5.
  QuizFixture g("");
  g.p.rs.ABAND3 = true;
  g.p.rs.RSET = 23;
  EXPECT_THROW(finish_packet(g.p), ScriptEnded);
  EXPECT_EQ(g.p.rs.RSET, 5);
}

}  // namespace
}  // namespace halvorin::testing
