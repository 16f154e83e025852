// The platform layer: text files, key scripts, the in-memory screen and the random numbers.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <sstream>

#include "platform/errors.hpp"
#include "platform/printer.hpp"
#include "platform/random.hpp"
#include "platform/screen.hpp"
#include "platform/terminal.hpp"
#include "platform/text_file.hpp"
#include "support/bench.hpp"

namespace halvorin {
namespace {

using halvorin::testing::TempDir;

// Runs the test body inside a temporary working directory.
class InTempDir : public ::testing::Test {
 protected:
  void TearDown() override { inject_file_fault(0); }
  TempDir dir_;
  testing::InFolder here_{dir_.path()};
};

TEST(TextReader, ReadsLinesAndFreeFormatIntegersWithTheClassicSemantics) {
  TextReader r = TextReader::from_text("abcdef\r\nxy\r\n last", "f");
  EXPECT_EQ(r.read_line(3), "abc");  // the rest of the line is skipped
  EXPECT_EQ(r.line(), 2);
  EXPECT_EQ(r.read_chars(1), "x");
  EXPECT_EQ(r.read_chars(10), "y");
  EXPECT_TRUE(r.eoln());
  r.skip_line();
  EXPECT_FALSE(r.eof());
  EXPECT_EQ(r.read_line(254), " last");  // a last line without a line end is a line
  EXPECT_TRUE(r.eof());

  TextReader n = TextReader::from_text(" 12  -3\r\n\r\n  7 rest\n40", "counts");
  for (int want : {12, -3, 7}) EXPECT_EQ(n.read_int(), want);
  EXPECT_EQ(n.line(), 3);
  n.skip_line();
  EXPECT_EQ(n.read_int(), 40);
  EXPECT_TRUE(n.eof());
}

TEST(BadInput, ErrorsNameTheFileAndLine) {
  const std::string path = "platform/cases/bad_input.tsv";
  for (const auto& row : testing::test_table(path)) {
    SCOPED_TRACE(testing::case_name(path, row));
    std::string text = row[1];
    std::replace(text.begin(), text.end(), '|', '\n');
    try {
      if (row[0] == "numbers") {
        TextReader r = TextReader::from_text(text, "in");
        r.read_int();
        r.read_int();
      } else if (row[0] == "keys") {
        std::vector<unsigned char> want;
        std::istringstream bytes(row.f.size() > 3 ? row[3] : "");
        for (int b; bytes >> b;) want.push_back(static_cast<unsigned char>(b));
        EXPECT_EQ(parse_key_script(text, "in"), want);
      } else {
        check_plain_name(text, "in", 3);
      }
      EXPECT_EQ(row.num(2), 0) << "accepted";
    } catch (const FileError& e) {
      EXPECT_EQ(e.file(), "in");
      EXPECT_EQ(e.line(), row.num(2));
    }
  }
}

TEST_F(InTempDir, OpensByExactNameThenByASingleCaseInsensitiveMatch) {
  dir_.write("Acts.b", "x\n");
  EXPECT_EQ(TextReader("Acts.B").read_line(5), "x");
  dir_.write("SIT.TXT", "upper\n");
  dir_.write("sit.txt", "lower\n");
  EXPECT_EQ(TextReader("sit.txt").read_line(9), "lower");  // the exact name wins
  EXPECT_THROW(TextReader("Sit.Txt"), FileError);          // two matches, none exact
  EXPECT_THROW(TextReader("Missing.txt"), FileError);
}

TEST_F(InTempDir, WritersUseCrLfAndReplaceAtomically) {
  for (auto mode : {TextWriter::Mode::Create, TextWriter::Mode::Append}) {
    TextWriter w("out.txt", mode);
    w.writeln("one");
    w.write_int(42, 4);
    w.writeln();
    w.close();
  }
  EXPECT_EQ(dir_.read("out.txt"), "one\r\n  42\r\none\r\n  42\r\n");

  dir_.write("style.spe", "old\r\n");
  {
    TextWriter w("style.spe", TextWriter::Mode::Replace);
    w.writeln("new, but never closed");
  }  // dropped: the old file stays whole and no temporary is left
  // A failing rename (the last of the three file operations: create, write, rename) also keeps
  // the old file.
  inject_file_fault(3);
  EXPECT_THROW(replace_file("style.spe", {"new"}), FileError);
  inject_file_fault(0);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.path()), {}), 2);
  EXPECT_EQ(dir_.read("style.spe"), "old\r\n");
  replace_file("style.spe", {"Exit"}, LastLine::Unended);
  EXPECT_EQ(dir_.read("style.spe"), "Exit");
  EXPECT_EQ(search_path("style.spe"), "style.spe");
  EXPECT_EQ(search_path("count.nothere"), "");
}

TEST_F(InTempDir, PrintCommandKeepsItsRedirectionsAndReportsItsErrorOutput) {
  const std::string path = "platform/cases/print_command.tsv";
  for (const auto& row : testing::test_table(path)) {
    SCOPED_TRACE(testing::case_name(path, row));
    dir_.remove("printed");
    testing::set_env("HALVORIN_PRINTER", row[0]);
#ifndef _WIN32
    // Nothing reaches the screen: the process's own output and error output go to a file
    // meanwhile.
    std::fflush(nullptr);
    const int out = ::dup(1), err = ::dup(2),
              shown = ::open("shown", O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ::dup2(shown, 1), ::dup2(shown, 2), ::close(shown);
#endif
    // A page's heading keeps its 79th column after the form feed; longer lines are cut at 79.
    const std::string heading = "\f" + std::string(78, '-') + "9";
    const std::string said = print_copies({"first", heading, std::string(79, 'x') + "cut"}, 2);
#ifndef _WIN32
    ::dup2(out, 1), ::dup2(err, 2), ::close(out), ::close(err);
    EXPECT_EQ(dir_.read("shown"), "");
#endif
    EXPECT_EQ(said, row[1] == "-" ? "" : row[1]);
    std::string copies;
    for (int k = 0; k < row.num(2); ++k)
      copies += "first\n" + heading + "\n" + std::string(79, 'x') + "\n";
    EXPECT_EQ(dir_.exists("printed") ? dir_.read("printed") : "", copies);
  }
  testing::unset_env("HALVORIN_PRINTER");
}

TEST(ScriptTerminal, EndsWithScriptEndedNamingTheScreen) {
  ScriptTerminal t(parse_key_script("Enter", "k"));
  Screen s;
  EXPECT_TRUE(t.key_waiting(s));
  EXPECT_EQ(t.read_key(s, "list"), 13);
  EXPECT_FALSE(t.key_waiting(s));
  try {
    t.read_key(s, "style list");
    FAIL();
  } catch (const ScriptEnded& e) {
    EXPECT_NE(std::string(e.what()).find("style list"), std::string::npos);
  }
  EXPECT_THROW(t.wait_key_pending(s, "x"), ScriptEnded);  // waiting can never hang
}

// Writes wrap at column 80; a line end or a wrap on row 25 scrolls up; a CR returns to column 1;
// clearing to the end of the line uses the current background and keeps the cursor.
TEST(Screen, WritesWrapScrollAndClearLikeTheConsole) {
  Screen s;
  s.gotoxy(1, 1);
  s.write("top");
  s.gotoxy(78, 3);
  s.write("abcd");
  EXPECT_EQ(s.wherex(), 2);
  EXPECT_EQ(s.wherey(), 4);
  s.gotoxy(1, 5);
  s.write("hello world\rj");
  s.textbackground(1);
  s.textcolor(14);
  s.gotoxy(6, 5);
  s.clreol();
  EXPECT_EQ(s.wherex(), 6);
  s.textbackground(4);
  s.textcolor(15);
  s.write("X");
  s.gotoxy(1, 25);
  s.write("bottom");
  s.writeln();
  EXPECT_EQ(s.wherey(), 25);
  s.gotoxy(80, 25);
  s.write("z");
  testing::expect_screen("platform/golden/screen.screen", s);
}

TEST(Screen, NumbersAndPaddingFormatLikeTheConsole) {
  EXPECT_EQ(fmt_int(7, 3), "  7");
  EXPECT_EQ(fmt_int(1234, 2), "1234");
  EXPECT_EQ(fmt_int(-5, 3), " -5");
  EXPECT_EQ(pad_right("ab", 4), "ab  ");
  EXPECT_EQ(pad_right("abcdef", 4), "abcdef");
}

TEST(Random, SameSeedSameSequenceCoveringTheRangeAndAPinnedStart) {
  Random a(12345), b(12345), c(12346);
  std::vector<int> seen(6, 0);
  int same = 0;
  for (int i = 0; i < 6000; ++i) {
    const int v = a.random(6);
    ASSERT_EQ(v, b.random(6));
    ASSERT_TRUE(v >= 0 && v < 6) << v;
    ++seen[static_cast<size_t>(v)];
    same += v == c.random(6);
  }
  EXPECT_LT(same, 2000);                 // another seed, another sequence
  for (int n : seen) EXPECT_GT(n, 800);  // roughly uniform: about 1000 each
  EXPECT_EQ(a.random(0) + a.random(-3) + a.random(1), 0);
  // The sequence is the project's own arithmetic: pinned so a packet made on one machine can be
  // made again on another.
  Random d(1);
  std::vector<int> first;
  for (int i = 0; i < 5; ++i) first.push_back(d.random(100));
  EXPECT_EQ(first, (std::vector<int>{70, 52, 57, 39, 69}));
}

}  // namespace
}  // namespace halvorin
