// The end of a pass: the quiz file put in place, the closing screen, the print question and the
// printed copies.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "driver/steps.hpp"
#include "platform/errors.hpp"
#include "quiz_fixture.hpp"

namespace halvorin::testing {
namespace {

// Sets the print command for the life of the object.
class PrinterCommand {
 public:
  explicit PrinterCommand(const std::string& cmd) { set_env("HALVORIN_PRINTER", cmd); }
  ~PrinterCommand() { unset_env("HALVORIN_PRINTER"); }
};

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
  EXPECT_FALSE(f.p.rs.F8);
  EXPECT_FALSE(f.p.rs.F10);
  for (const auto& e : std::filesystem::directory_iterator(f.dir.path()))  // nothing left beside
    EXPECT_TRUE(e.path().filename() == "week3.inf" || e.path().filename() == "week3.qui")
        << e.path();
  EXPECT_EQ(f.p.con.row_text(9).substr(0, 33), "  Do you wish to print it now? N ");
}

// The print dialogue: the answer is echoed in capitals, a typed count that is no number is asked
// again, each copy is the quiz file with its lines cut at 79, and a failing print command is
// reported with the packet kept.
TEST(Closing, PrintsTheCopiesAskedFor) {
  struct Case {
    const char* name;
    const char* keys;
    const char* printer;  // a command, or empty for a copy appended to "printed"
    char out;
    int copies;
  } cases[] = {
      {"print_two", "\"q\" \"y\" \"x\" Enter Enter \"2\" Enter Enter", "", 'T', 2},
      {"print_none", "\"y\" \"0\" Enter Enter", "", 'P', 0},
      {"print_fails", "\"Y\" \"1\" Enter Enter Enter", "exit 3; ", 'C', 0},
  };
  for (const Case& c : cases) {
    QuizFixture f(c.keys);
    PrinterCommand printer(*c.printer ? c.printer : "tee -a " + f.dir.file("printed"));
    make_packet(f, c.out);
    EXPECT_EQ(finish_packet(f.p), Step::StartOver);
    expect_screen("output/golden/" + std::string(c.name) + ".screen", f.p.con);
    const auto lines = f.dir.lines("week3.qui");
    ASSERT_GT(lines.size(), 3u) << c.name << ": the packet is kept";
    std::string one, all;
    for (const auto& line : lines) one += line.substr(0, 79) + "\n";
    for (int k = 0; k < c.copies; ++k) all += one;
    EXPECT_EQ(f.dir.read("printed"), all) << c.name;
    EXPECT_TRUE(!c.copies || lines[3].size() > 79u) << c.name;  // a line that is cut
  }
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
