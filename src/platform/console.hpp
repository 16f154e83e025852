#pragma once
// The screen the routines draw on, with the terminal that shows it and delivers the keys.
#include <string>

#include "platform/screen.hpp"
#include "platform/terminal.hpp"

namespace halvorin {

class Console : public Screen {
 public:
  explicit Console(Terminal& term) : term_(&term) {}
  // Reads one key byte without echo.
  int read_key() { return term_->read_key(*this, where_); }
  // True when a key is waiting (not taken).
  bool key_pressed() { return term_->key_waiting(*this); }
  // Waits until a key is waiting, without taking it.
  void wait_key_pending() { term_->wait_key_pending(*this, where_); }
  // Reads keys until Enter.
  void wait_enter();
  // Reads a typed line with echo (Backspace edits) up to `max` characters, ended by Enter.
  std::string read_line(size_t max = 79);
  // Names the screen now shown, for the message when a key script runs out.
  void set_where(std::string where) { where_ = std::move(where); }
  const std::string& where() const { return where_; }

 private:
  Terminal* term_;
  std::string where_ = "start";
};

// Clears rows 2 to 24 (row 1 and row 25 keep the heading) and leaves the cursor at 1,3.
void CLR(Console& con);

}  // namespace halvorin
