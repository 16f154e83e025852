#include "platform/batch_terminal.hpp"

#include <algorithm>
#include <cctype>

namespace halvorin {

namespace {

std::string trim(const std::string& s) {
  size_t b = s.find_first_not_of(' ');
  if (b == std::string::npos) return {};
  return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

// Cuts the row at a "press return" instruction, in whatever case it is written.
std::string without_instruction(std::string row) {
  std::string lower = row;
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  size_t at = lower.find("press return");
  return at == std::string::npos ? row : row.substr(0, at);
}

}  // namespace

std::string screen_message(const Screen& screen) {
  std::string out;
  for (int r = 2; r <= Screen::kRows - 1; ++r) {
    std::string row = trim(without_instruction(screen.row_text(r)));
    if (row.empty()) continue;
    if (!out.empty()) out += ' ';
    out += row;
  }
  return out;
}

void BatchTerminal::refuse(const Screen& screen, const std::string& where) const {
  std::string text = screen_message(screen);
  throw BatchRefused(text.empty() ? "stopped on the " + where + " screen" : text);
}

int BatchTerminal::read_key(const Screen& screen, const std::string& where) {
  auto it = answers_.find(where);
  if (it == answers_.end() || it->second.empty()) refuse(screen, where);
  if (where != where_) {
    where_ = where;
    given_ = 0;
  }
  // A screen that keeps asking does not take the answer: stop rather than loop.
  if (given_ >= kMaxKeysPerScreen)
    throw BatchRefused("the " + where +
                       " screen did not accept the batch answer: " + screen_message(screen));
  const std::string& keys = it->second;
  const size_t k = std::min(static_cast<size_t>(given_), keys.size() - 1);
  ++given_;
  return static_cast<unsigned char>(keys[k]);
}

void BatchTerminal::wait_key_pending(const Screen& screen, const std::string& where) {
  auto it = answers_.find(where);
  if (it == answers_.end() || it->second.empty()) refuse(screen, where);
}

}  // namespace halvorin
