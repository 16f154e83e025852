// The real program in a real terminal (tmux): the heading and the style list appear, and leaving
// gives the terminal back as it was.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "support/harness.hpp"

namespace halvorin {
namespace {

using testing::copy_demo;
using testing::run_command;
using testing::TempDir;

class Tmux {
 public:
  explicit Tmux(const std::string& command)
      : name_("halvorin-test-" + std::to_string(::getpid()) + "-" + std::to_string(++count_)) {
    run_command("tmux kill-session -t " + name_);
    run_command("tmux new-session -d -s " + name_ + " -x 80 -y 25 \"" + command + "\"");
  }
  ~Tmux() { run_command("tmux kill-session -t " + name_); }
  std::string capture() { return run_command("tmux capture-pane -p -t " + name_).out; }
  void keys(const std::string& k) { run_command("tmux send-keys -t " + name_ + " " + k); }
  // Waits until the pane shows `text` (or gives up after a few seconds).
  bool wait_for(const std::string& text) {
    for (int i = 0; i < 100; ++i) {
      if (capture().find(text) != std::string::npos) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
  }

 private:
  static inline int count_ = 0;
  std::string name_;
};

TEST(RealTerminal, ShowsTheStyleListAndRestoresTheTerminalOnExit) {
  if (run_command("command -v tmux").status != 0) GTEST_SKIP() << "tmux is not installed";
  TempDir dir;
  copy_demo(dir);
  std::string cmd = std::string("TERM=xterm-256color ") + HALVORIN_BIN + " -C " + dir.path() +
                    "; echo status=\\$?; stty -a > " + dir.file("stty") + "; sleep 30";
  Tmux t(cmd);
  ASSERT_TRUE(t.wait_for("Press Return to Choose a Quiz Style")) << t.capture();
  std::string screen = t.capture();
  EXPECT_NE(screen.find("Halvorin 23.0"), std::string::npos);
  EXPECT_NE(screen.find("Weekly"), std::string::npos);
  EXPECT_NE(screen.find("Enter New Specs"), std::string::npos);
  t.keys("Up");
  t.keys("Enter");
  ASSERT_TRUE(t.wait_for("status=0")) << t.capture();
  for (int i = 0; i < 100 && !dir.exists("stty"); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  std::string stty = dir.read("stty");
  EXPECT_NE(stty.find(" icanon"), std::string::npos) << stty;
  EXPECT_NE(stty.find(" echo "), std::string::npos) << stty;
  EXPECT_EQ(dir.read("temp2.txt"), "Exit");
}

}  // namespace
}  // namespace halvorin
