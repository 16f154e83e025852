// The end of a pass: the quiz file put in place, the closing screen, the print question and the
// printed copies.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "driver/steps.hpp"
#include "driver/thank.hpp"
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

std::vector<std::string> files_in(const std::string& dir) {
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(dir))
    names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(Closing, ThankNamesTheOutputFiles) {
  QuizFixture f;
  THANK(f.p.con, "week3");
  expect_screen("output/golden/thank.screen", f.p.con);
  EXPECT_EQ(f.p.con.wherex(), 32);
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
  EXPECT_EQ(files_in(f.dir.path()), (std::vector<std::string>{"week3.inf", "week3.qui"}));
  EXPECT_EQ(f.p.con.row_text(9).substr(0, 33), "  Do you wish to print it now? N ");
}

TEST(Closing, PrintsTheCopiesAskedForWithLinesCutAt79) {
  QuizFixture f("\"q\" \"y\" \"x\" Enter Enter \"2\" Enter Enter");
  PrinterCommand printer("tee -a " + f.dir.file("printed"));
  make_packet(f, 'T');
  EXPECT_EQ(finish_packet(f.p), Step::StartOver);
  EXPECT_EQ(f.p.rs.C1, 2);
  // The answer is echoed in capitals; a typed count that is no number is asked again.
  EXPECT_EQ(f.p.con.row_text(9).substr(0, 32), "  Do you wish to print it now? Y");
  EXPECT_EQ(f.p.con.row_text(11).substr(0, 21), "  How many copies? 2 ");
  EXPECT_EQ(f.p.con.row_text(13).substr(0, 43), "  Be sure printer is ready and press return");

  std::string one;
  for (const auto& line : f.dir.lines("week3.qui")) one += line.substr(0, 79) + "\n";
  EXPECT_EQ(f.dir.read("printed"), one + one);
  EXPECT_GT(f.dir.lines("week3.qui")[3].size(), 79u);  // a line that is cut
}

TEST(Closing, NoCopiesPrintNothing) {
  QuizFixture f("\"y\" \"0\" Enter Enter");
  PrinterCommand printer("tee -a " + f.dir.file("printed"));
  make_packet(f, 'P');
  EXPECT_EQ(finish_packet(f.p), Step::StartOver);
  EXPECT_FALSE(f.dir.exists("printed"));
}

TEST(Closing, AFailingPrinterIsReportedAndThePacketKept) {
  QuizFixture f("\"Y\" \"1\" Enter Enter Enter");
  PrinterCommand printer("exit 3; ");
  make_packet(f, 'C');
  EXPECT_EQ(finish_packet(f.p), Step::StartOver);
  const std::string screen = f.p.con.text();
  EXPECT_NE(screen.find("  Printing failed: the print command 'exit 3; ' failed (exit status 3)"),
            std::string::npos)
      << screen;
  EXPECT_NE(screen.find("The quiz file week3.qui is kept."), std::string::npos);
  EXPECT_EQ(f.dir.lines("week3.qui").size(), 18u * 3u);
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
  EXPECT_EQ(f.p.con.row_text(7).substr(0, 49), "    40 Percent interrogatives abandoned on quiz 3");
  EXPECT_EQ(f.p.con.cell(5, 7).fg, 15);
  EXPECT_EQ(f.p.con.cell(5, 7).bg, 4);
  EXPECT_EQ(f.p.con.row_text(3).substr(19, 45), " Quizzes Complete -- Press Return to Continue");

  // Near the bottom of the screen the notice starts a fresh screen at row 5.
  QuizFixture g("");
  g.p.rs.ABAND3 = true;
  g.p.rs.RSET = 23;
  EXPECT_THROW(finish_packet(g.p), ScriptEnded);
  EXPECT_EQ(g.p.rs.RSET, 5);
}

}  // namespace
}  // namespace halvorin::testing
