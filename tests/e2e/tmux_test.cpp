// The real program in a real terminal (tmux): the heading and the style list appear, and leaving
// gives the terminal back as it was.
#include <gtest/gtest.h>

#include "support/harness.hpp"
#include "support/tmux.hpp"

namespace halvorin {
namespace {

using testing::copy_demo;
using testing::run_command;
using testing::TempDir;
using testing::TmuxPane;

TEST(RealTerminal, ShowsTheStyleListAndRestoresTheTerminalOnExit) {
  if (run_command("command -v tmux").status != 0) GTEST_SKIP() << "tmux is not installed";
  TempDir dir;
  copy_demo(dir);
  TmuxPane t(std::string("TERM=xterm-256color ") + HALVORIN_BIN + " -C " + dir.path() +
             "; echo status=$?; stty -a > " + dir.file("stty") + "; sleep 30");
  ASSERT_TRUE(t.wait_for("Press Return to Choose a Quiz Style")) << t.capture();
  std::string screen = t.capture();
  EXPECT_NE(screen.find("Halvorin 23.0"), std::string::npos);
  EXPECT_NE(screen.find("Weekly"), std::string::npos);
  EXPECT_NE(screen.find("Enter New Specs"), std::string::npos);
  t.keys("Up");
  t.keys("Enter");
  ASSERT_TRUE(t.wait_for("status=0")) << t.capture();
  ASSERT_TRUE(testing::wait_file(dir, "stty"));
  std::string stty = dir.read("stty");
  EXPECT_NE(stty.find(" icanon"), std::string::npos) << stty;
  EXPECT_NE(stty.find(" echo "), std::string::npos) << stty;
  EXPECT_EQ(dir.read("temp2.txt"), "Exit");
}

// A terminal that cannot place the cursor, or one the system does not know, is refused before the
// first screen with what TERM needs, in a message that names no file.
TEST(RealTerminal, ATerminalWithoutCursorPlacementIsRefusedNamingTerm) {
  if (run_command("command -v tmux").status != 0) GTEST_SKIP() << "tmux is not installed";
  TempDir dir;
  copy_demo(dir);
  for (const std::string term : {"dumb", "no-such-terminal-type"}) {
    TmuxPane t("TERM=" + term + " " + HALVORIN_BIN + " -C " + dir.path() + " 2>" + dir.file("err") +
               "; echo status=$?; sleep 30");
    ASSERT_TRUE(t.wait_for("status=")) << t.capture();
    EXPECT_NE(t.capture().find("status=2"), std::string::npos) << t.capture();
    ASSERT_TRUE(testing::wait_file(dir, "err"));
    const std::string err = dir.read("err");
    EXPECT_EQ(err.rfind("halvorin: TERM=" + term + " names ", 0), 0u) << err;
    EXPECT_NE(err.find("TERM=xterm-256color"), std::string::npos) << err;
    EXPECT_EQ(err.find('\n'), err.size() - 1) << err;
    dir.remove("err");
  }
}

}  // namespace
}  // namespace halvorin
