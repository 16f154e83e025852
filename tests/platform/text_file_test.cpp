#include "platform/text_file.hpp"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/errors.hpp"
#include "support/harness.hpp"

namespace halvorin {
namespace {

using halvorin::testing::TempDir;

// Runs the test body inside a temporary working directory.
class InTempDir : public ::testing::Test {
 protected:
  void SetUp() override {
    old_ = std::filesystem::current_path();
    std::filesystem::current_path(dir_.path());
  }
  void TearDown() override {
    inject_file_fault(0);
    std::filesystem::current_path(old_);
  }
  TempDir dir_;
  std::filesystem::path old_;
};

TEST(TextReader, ReadsLinesWithTheClassicSemantics) {
  TextReader r = TextReader::from_text("abcdef\r\nxy\n last", "f");
  EXPECT_EQ(r.read_line(3), "abc");  // the rest of the line is skipped
  EXPECT_EQ(r.line(), 2);
  EXPECT_EQ(r.read_chars(1), "x");
  EXPECT_EQ(r.read_chars(10), "y");
  EXPECT_TRUE(r.eoln());
  r.skip_line();
  EXPECT_FALSE(r.eof());
  EXPECT_EQ(r.read_line(254), " last");  // a last line without a line end is a line
  EXPECT_TRUE(r.eof());
}

TEST(TextReader, ReadsFreeFormatIntegersAcrossLines) {
  TextReader r = TextReader::from_text(" 12  -3\r\n\r\n  7 rest\n40", "counts");
  EXPECT_EQ(r.read_int(), 12);
  EXPECT_EQ(r.read_int(), -3);
  EXPECT_EQ(r.read_int(), 7);
  EXPECT_EQ(r.line(), 3);
  r.skip_line();
  EXPECT_EQ(r.read_int(), 40);
  EXPECT_TRUE(r.eof());
}

TEST(TextReader, BadNumbersAreErrorsNamingFileAndLine) {
  struct Case {
    const char* text;
    int line;
  } cases[] = {{"1\nabc\n", 2}, {"1\n2x\n", 2}, {"1\n", 2}, {"1\n99999\n", 2}, {"-\n", 1}};
  for (const auto& c : cases) {
    TextReader r = TextReader::from_text(c.text, "style.spe");
    try {
      r.read_int();
      r.read_int();
      ADD_FAILURE() << "accepted: " << c.text;
    } catch (const FileError& e) {
      EXPECT_EQ(e.file(), "style.spe");
      EXPECT_EQ(e.line(), c.line) << c.text;
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
  try {
    TextReader r("Missing.txt");
    FAIL();
  } catch (const FileError& e) {
    EXPECT_EQ(e.file(), "Missing.txt");
  }
}

TEST_F(InTempDir, WritersUseCrLfAndReplaceAtomically) {
  {
    TextWriter w("out.txt", TextWriter::Mode::Create);
    w.writeln("one");
    w.write_int(42, 4);
    w.writeln();
    w.close();
  }
  EXPECT_EQ(dir_.read("out.txt"), "one\r\n  42\r\n");
  {
    TextWriter w("out.txt", TextWriter::Mode::Append);
    w.writeln("two");
    w.close();
  }
  EXPECT_EQ(dir_.read("out.txt"), "one\r\n  42\r\ntwo\r\n");

  dir_.write("style.spe", "old\r\n");
  {
    TextWriter w("style.spe", TextWriter::Mode::Replace);
    w.writeln("new, but never closed");
  }  // dropped: the old file stays whole and no temporary is left
  EXPECT_EQ(dir_.read("style.spe"), "old\r\n");
  EXPECT_EQ(dir_.lines("style.spe").size(), 1u);

  // A failing rename (the last of the three file operations: create, write, rename) also keeps
  // the old file.
  inject_file_fault(3);
  EXPECT_THROW(replace_file("style.spe", {"new"}), FileError);
  EXPECT_EQ(dir_.read("style.spe"), "old\r\n");
  inject_file_fault(0);
  replace_file("style.spe", {"Exit"}, false);
  EXPECT_EQ(dir_.read("style.spe"), "Exit");
}

TEST_F(InTempDir, PlainNamesAndThePathSearch) {
  // Style files travel between systems: folders, drives and device names are refused everywhere.
  for (const char* good :
       {"Weekly", "Console", "nul1", "com10", "lpt", "Acts 1-8.qui", "auxiliary"})
    EXPECT_NO_THROW(check_plain_name(good, "Specs.lst", 1)) << good;
  for (const char* bad : {"../x", "a/b", "a\\b", "", "..", "C:Weekly", "c:\\x", "CON", "nul.txt",
                          "Aux", "prn.spe", "COM1", "lpt9.qui", "con .txt"})
    EXPECT_THROW(check_plain_name(bad, "Specs.lst", 3), FileError) << bad;

  dir_.write("count.59a", "1\n");
  EXPECT_EQ(search_path("count.59a"), "count.59a");
  EXPECT_EQ(search_path("count.nothere"), "");
}

}  // namespace
}  // namespace halvorin
