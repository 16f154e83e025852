// The real terminal comes back after SIGINT, SIGTERM or SIGHUP at any screen, and after an error
// exit: canonical mode and echo on, the cursor shown, the program's own screen left. Runs the
// program in tmux.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <memory>
#include <thread>

#include "support/harness.hpp"
#include "support/tmux.hpp"

namespace halvorin {
namespace {

using testing::run_command;
using testing::TempDir;
using testing::wait_file;
using Pane = testing::TmuxPane;

// A working folder and a script that runs the program in it in a tmux pane, then records how it
// ended and the terminal's modes.
struct Session {
  explicit Session(const std::string& env = "") {
    testing::copy_demo(dir);
    testing::generate_material(dir, "small", 1);
    // The script outlives a Ctrl-C typed in the pane, which reaches it as well as the program.
    dir.write("run.sh", "trap : INT\ncd " + dir.path() +
                            "\nsh -c 'echo $$ > pid; exec env TERM=xterm-256color " + env + " " +
                            HALVORIN_BIN + " --seed 3' 2>err\necho status=$?\n" +
                            "stty -a > stty\nsleep 60\n");
    pane = std::make_unique<Pane>("sh " + dir.file("run.sh"));
    EXPECT_TRUE(pane->wait_for("Press Return to Choose a Quiz Style")) << pane->capture();
  }
  // Types tmux key names one by one, then waits for `shown` when given.
  void type(const std::vector<std::string>& keys, const char* shown = nullptr) {
    for (const std::string& k : keys) {
      pane->keys(k);
      std::this_thread::sleep_for(std::chrono::milliseconds(150));
    }
    if (shown) {
      ASSERT_TRUE(pane->wait_for(shown)) << shown << "\n" << pane->capture();
    }
  }
  // Expects the program ended (status given) and gave the terminal back whole.
  void expect_restored(int status, const std::string& label) {
    ASSERT_TRUE(pane->wait_for("status=" + std::to_string(status)))
        << label << "\n"
        << pane->capture() << dir.read("err");
    ASSERT_TRUE(wait_file(dir, "stty")) << label;
    const std::string stty = dir.read("stty");
    EXPECT_NE(stty.find(" icanon"), std::string::npos) << label << "\n" << stty;
    EXPECT_NE(stty.find(" echo "), std::string::npos) << label << "\n" << stty;
    EXPECT_EQ(pane->show("#{cursor_flag}"), "1\n") << label << ": cursor hidden";
    EXPECT_EQ(pane->show("#{alternate_on}"), "0\n") << label << ": program's screen not left";
  }
  TempDir dir;
  std::unique_ptr<Pane> pane;
};

bool have_tmux() { return run_command("command -v tmux").status == 0; }

TEST(Signals, EachStopSignalAtEachKindOfScreenRestoresTheTerminal) {
  if (!have_tmux()) GTEST_SKIP() << "tmux is not installed";
  const std::pair<std::vector<std::string>, const char*> places[] = {
      {{}, "Press Return to Choose a Quiz Style"},
      {{"Enter"}, "Quiz Configuration"},
      {{"Enter", "Escape", "Enter", "Enter", "Enter", "Down", "Enter"}, "accept this combination"},
  };
  for (int sig : {SIGINT, SIGTERM, SIGHUP}) {
    for (const auto& [keys, shown] : places) {
      const std::string label = std::string(strsignal(sig)) + " at " + shown;
      Session s;
      s.type(keys, shown);
      ASSERT_TRUE(wait_file(s.dir, "pid"));
      ::kill(std::stoi(s.dir.read("pid")), sig);
      s.expect_restored(128 + sig, label);
    }
  }
}

// Ctrl-C typed at the form ends the program as SIGINT does: status 130, the terminal whole, the
// style being edited unsaved, and nothing typed after it reaches the program. A file error exit
// gives the terminal back as well.
TEST(Signals, CtrlCAtTheFormAndAFileErrorRestoreTheTerminal) {
  if (!have_tmux()) GTEST_SKIP() << "tmux is not installed";
  Session s;
  const std::string before = s.dir.read("Weekly.spe");
  // An edit in progress (Begin Chapter 5), then what would save the style if the program were
  // still reading keys.
  s.type({"Enter"}, "Quiz Configuration");
  s.type({"5", "C-c", "Escape Enter"});
  s.expect_restored(130, "Ctrl-C at the form");
  EXPECT_EQ(s.dir.read("Weekly.spe"), before);
  EXPECT_FALSE(s.dir.exists("temp2.txt"));
  // The 5th file operation is a write of the style file being saved.
  Session f("HALVORIN_FAULT_AT=5");
  f.type({"Enter", "Escape", "Enter"});
  f.expect_restored(2, "file error");
  EXPECT_NE(f.dir.read("err").find("halvorin: Weekly.spe:"), std::string::npos)
      << f.dir.read("err");
}

}  // namespace
}  // namespace halvorin
