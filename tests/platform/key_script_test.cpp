#include <gtest/gtest.h>

#include "platform/errors.hpp"
#include "platform/terminal.hpp"

namespace halvorin {
namespace {

using Bytes = std::vector<unsigned char>;

TEST(KeyScript, ParsesNamedKeysTextBytesRepeatsAndComments) {
  Bytes got = parse_key_script(
      "Enter Esc # a comment \"not typed\"\n Up Down Left Right Space Tab Backspace\n"
      "\"ab c\" <191> 3*Down 2*\"x\"",
      "keys");
  Bytes want = {13, 27, 0, 72, 0, 80, 0, 75, 0, 77, 32, 9, 8, 'a', 'b', ' ', 'c', 191,
                0, 80, 0, 80, 0, 80, 'x', 'x'};
  EXPECT_EQ(got, want);
  EXPECT_TRUE(parse_key_script("  # only a comment\n", "keys").empty());
}

TEST(KeyScript, ErrorsNameTheLine) {
  struct Case {
    const char* text;
    int line;
  } cases[] = {{"Enter\nBogus", 2}, {"\"open", 1}, {"<256>", 1}, {"Up\n\n<x>", 3}, {"3*", 1}};
  for (const auto& c : cases) {
    try {
      parse_key_script(c.text, "script.keys");
      ADD_FAILURE() << "accepted: " << c.text;
    } catch (const FileError& e) {
      EXPECT_EQ(e.file(), "script.keys");
      EXPECT_EQ(e.line(), c.line) << c.text;
    }
  }
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

}  // namespace
}  // namespace halvorin
