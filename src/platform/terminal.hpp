#pragma once
// A Terminal shows the Screen and delivers keys one byte at a time, as the PC keyboard did:
// extended keys as 0 followed by the scan code (the codes are in platform/keys.hpp).
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "platform/screen.hpp"

namespace halvorin {

class Terminal {
 public:
  virtual ~Terminal() = default;
  // Shows the screen, then waits for and returns the next key byte. `where` names the screen.
  virtual int read_key(const Screen& screen, const std::string& where) = 0;
  // True when a key is waiting; the key is not taken.
  virtual bool key_waiting(const Screen& screen) = 0;
  // Shows the screen and waits until a key is waiting, without taking it.
  virtual void wait_key_pending(const Screen& screen, const std::string& where) = 0;
};

// A terminal on a real keyboard: what the keyboard sends is turned into key bytes that wait in
// a queue until the program takes them. A subclass shows the screen and fills the queue.
class QueuedTerminal : public Terminal {
 public:
  int read_key(const Screen& screen, const std::string&) override {
    wait_for_keys(screen);
    const int k = queue_.front();
    queue_.pop_front();
    return k;
  }
  bool key_waiting(const Screen& screen) override {
    if (queue_.empty()) poll_keys(screen);
    return !queue_.empty();
  }
  void wait_key_pending(const Screen& screen, const std::string&) override {
    wait_for_keys(screen);
  }

 protected:
  // Shows the screen and queues what is typed until at least one key byte waits.
  virtual void wait_for_keys(const Screen& screen) = 0;
  // Shows the screen and queues what has been typed already, without waiting.
  virtual void poll_keys(const Screen& screen) = 0;
  bool keys_queued() const { return !queue_.empty(); }
  void queue_key(int k) { queue_.push_back(k); }

 private:
  std::deque<int> queue_;
};

// Keys from a key script (tests, benchmarks, batch runs); needs no terminal.
class ScriptTerminal : public Terminal {
 public:
  explicit ScriptTerminal(std::vector<unsigned char> keys) : keys_(std::move(keys)) {}
  int read_key(const Screen& screen, const std::string& where) override;
  bool key_waiting(const Screen&) override { return pos_ < keys_.size(); }
  void wait_key_pending(const Screen& screen, const std::string& where) override;
  // Keys taken so far.
  size_t keys_read() const { return pos_; }

 private:
  std::vector<unsigned char> keys_;
  size_t pos_ = 0;
};

// Parses a key script: tokens separated by white space; '#' starts a comment to the end of the
// line; Enter, Esc, Up, Down, Left, Right, Space, Tab, Backspace name keys; "text" types text;
// <N> sends byte N; N*TOKEN repeats a token. Errors name `file` and the line.
std::vector<unsigned char> parse_key_script(const std::string& text, const std::string& file);

// Opens the real terminal through curses; throws FileError when there is none.
std::unique_ptr<Terminal> make_curses_terminal();
// Opens the Windows console; throws FileError when there is none (Windows builds only).
std::unique_ptr<Terminal> make_console_terminal();

}  // namespace halvorin
