#pragma once
// A terminal for runs without a person: each screen, named by Console::set_where, gets the keys a
// person accepting everything would press; a screen with no such answer is a warning, and the run
// ends with its text.
#include <map>
#include <stdexcept>
#include <string>

#include "platform/errors.hpp"
#include "platform/terminal.hpp"

namespace halvorin {

// A batch run met a screen it has no answer for (a warning that sends a person back). Text
// quoted from a file is shown as printable() shows it.
class BatchRefused : public std::runtime_error {
 public:
  explicit BatchRefused(const std::string& why) : std::runtime_error(printable(why)) {}
};

// The text of the working area (rows 2 to 24): each non-blank row trimmed, rows joined by one
// blank, and a trailing "Press Return ..." instruction left out.
std::string screen_message(const Screen& screen);

class BatchTerminal : public Terminal {
 public:
  // The most keys given to one screen in a row before it counts as not accepting them.
  static constexpr int kMaxKeysPerScreen = 1000;

  // `answers` maps a screen name to the keys given there in turn, the last one repeated.
  explicit BatchTerminal(std::map<std::string, std::string> answers)
      : answers_(std::move(answers)) {}
  int read_key(const Screen& screen, const std::string& where) override;
  // Nobody types ahead in a batch run.
  bool key_waiting(const Screen&) override { return false; }
  // Returns at once on a screen with an answer; its key is given at the next read.
  void wait_key_pending(const Screen& screen, const std::string& where) override;

 private:
  [[noreturn]] void refuse(const Screen& screen, const std::string& where) const;
  std::map<std::string, std::string> answers_;
  std::string where_;  // the screen of the keys counted in given_
  int given_ = 0;
};

}  // namespace halvorin
