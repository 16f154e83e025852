#pragma once
// The real program in a real terminal: a tmux pane of 80x25 running a shell command.
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>

#include "support/harness.hpp"

namespace halvorin::testing {

class TmuxPane {
 public:
  // Starts `command` (run by the shell; it may not hold single quotes) in a new pane.
  explicit TmuxPane(const std::string& command)
      : name_("halvorin-" + std::to_string(::getpid()) + "-" + std::to_string(++count_)) {
    run_command("tmux kill-session -t " + name_);
    run_command("tmux new-session -d -s " + name_ + " -x 80 -y 25 '" + command + "'");
  }
  ~TmuxPane() { run_command("tmux kill-session -t " + name_); }
  std::string capture() { return run_command("tmux capture-pane -p -t " + name_).out; }
  // A tmux format string evaluated for the pane (cursor flag, alternate screen, ...).
  std::string show(const std::string& format) {
    return run_command("tmux display-message -p -t " + name_ + " '" + format + "'").out;
  }
  void keys(const std::string& k) { run_command("tmux send-keys -t " + name_ + " " + k); }
  // Waits until the pane shows `text`; false after about ten seconds.
  bool wait_for(const std::string& text) {
    for (int i = 0; i < 200; ++i) {
      if (capture().find(text) != std::string::npos) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
  }

 private:
  static inline int count_ = 0;
  std::string name_;
};

// Waits until a file appears in the folder (and a little longer, so it is complete).
inline bool wait_file(const TempDir& dir, const std::string& name) {
  for (int i = 0; i < 200 && !dir.exists(name); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  return dir.exists(name);
}

}  // namespace halvorin::testing
