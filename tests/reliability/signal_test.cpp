// The real terminal comes back after SIGINT, SIGTERM or SIGHUP at any screen, and after an error
// exit: canonical mode and echo on, the cursor shown, the program's own screen left. Runs the
// program in tmux.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <thread>

#include "support/harness.hpp"
#include "support/tmux.hpp"

namespace halvorin {
namespace {

using testing::run_command;
using testing::TempDir;
using testing::wait_file;
using Pane = testing::TmuxPane;

// A working folder and a script that runs the program in it, then records how it ended and the
// terminal's modes.
struct Session {
  explicit Session(const std::string& env = "") {
    testing::copy_demo(dir);
    testing::generate_material(dir, "small", 1);
    // The script outlives a Ctrl-C typed in the pane, which reaches it as well as the program.
    dir.write("run.sh", "trap : INT\ncd " + dir.path() +
                            "\nsh -c 'echo $$ > pid; exec env TERM=xterm-256color " + env + " " +
                            HALVORIN_BIN + " --seed 3' 2>err\necho status=$?\n" +
                            "stty -a > stty\nsleep 60\n");
  }
  // Expects the program ended (status given) and gave the terminal back whole.
  void expect_restored(Pane& pane, int status, const std::string& label) {
    ASSERT_TRUE(pane.wait_for("status=" + std::to_string(status)))
        << label << "\n"
        << pane.capture() << dir.read("err");
    ASSERT_TRUE(wait_file(dir, "stty")) << label;
    std::string stty = dir.read("stty");
    EXPECT_NE(stty.find(" icanon"), std::string::npos) << label << "\n" << stty;
    EXPECT_NE(stty.find(" echo "), std::string::npos) << label << "\n" << stty;
    EXPECT_EQ(pane.show("#{cursor_flag}"), "1\n") << label << ": cursor hidden";
    EXPECT_EQ(pane.show("#{alternate_on}"), "0\n") << label << ": program's screen not left";
  }
  TempDir dir;
};

bool have_tmux() { return run_command("command -v tmux").status == 0; }

TEST(Signals, EachStopSignalAtEachKindOfScreenRestoresTheTerminal) {
  if (!have_tmux()) GTEST_SKIP() << "tmux is not installed";
  struct Place {
    const char* name;
    std::vector<std::string> keys;  // tmux key names to get there
    const char* shown;              // text that shows it is there
  };
  const Place places[] = {
      {"style list", {}, "Press Return to Choose a Quiz Style"},
      {"configuration form", {"Enter"}, "Quiz Configuration"},
      {"quiz loop (combination approval)",
       {"Enter", "Escape", "Enter", "Enter", "Enter", "Down", "Enter"},
       "accept this combination"},
  };
  for (int sig : {SIGINT, SIGTERM, SIGHUP}) {
    for (const Place& place : places) {
      std::string label = std::string(strsignal(sig)) + " at the " + place.name;
      Session s;
      Pane pane("sh " + s.dir.file("run.sh"));
      ASSERT_TRUE(pane.wait_for("Press Return to Choose a Quiz Style")) << label << pane.capture();
      for (const std::string& k : place.keys) {
        pane.keys(k);
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
      }
      ASSERT_TRUE(pane.wait_for(place.shown)) << label << "\n" << pane.capture();
      ASSERT_TRUE(wait_file(s.dir, "pid"));
      ::kill(std::stoi(s.dir.read("pid")), sig);
      s.expect_restored(pane, 128 + sig, label);
    }
  }
}

// Ctrl-C typed at the form ends the program as SIGINT does: status 130, the terminal whole, the
// style being edited unsaved, and nothing typed after it reaches the program.
TEST(Signals, CtrlCAtTheFormEndsWithoutSavingTheStyle) {
  if (!have_tmux()) GTEST_SKIP() << "tmux is not installed";
  Session s;
  const std::string before = s.dir.read("Weekly.spe");
  Pane pane("sh " + s.dir.file("run.sh"));
  ASSERT_TRUE(pane.wait_for("Press Return to Choose a Quiz Style")) << pane.capture();
  pane.keys("Enter");
  ASSERT_TRUE(pane.wait_for("Quiz Configuration")) << pane.capture();
  pane.keys("5");  // an edit in progress: Begin Chapter 5
  std::this_thread::sleep_for(std::chrono::milliseconds(150));
  pane.keys("C-c");
  pane.keys("Escape Enter");  // would save the style if the program were still reading keys
  s.expect_restored(pane, 130, "Ctrl-C at the form");
  EXPECT_EQ(s.dir.read("Weekly.spe"), before);
  EXPECT_FALSE(s.dir.exists("temp2.txt"));
}

TEST(Signals, AFileErrorExitRestoresTheTerminal) {
  if (!have_tmux()) GTEST_SKIP() << "tmux is not installed";
  // The 5th file operation is a write of the style file being saved.
  Session s("HALVORIN_FAULT_AT=5");
  Pane pane("sh " + s.dir.file("run.sh"));
  ASSERT_TRUE(pane.wait_for("Press Return to Choose a Quiz Style")) << pane.capture();
  for (const char* k : {"Enter", "Escape", "Enter"}) {
    pane.keys(k);
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
  }
  s.expect_restored(pane, 2, "file error");
  EXPECT_NE(s.dir.read("err").find("halvorin: Weekly.spe:"), std::string::npos)
      << s.dir.read("err");
}

}  // namespace
}  // namespace halvorin
