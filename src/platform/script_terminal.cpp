#include <cctype>
#include <map>

#include "platform/errors.hpp"
#include "platform/keys.hpp"
#include "platform/terminal.hpp"

namespace halvorin {

int ScriptTerminal::read_key(const Screen&, const std::string& where) {
  if (pos_ >= keys_.size()) throw ScriptEnded("key script ran out on the " + where + " screen");
  return keys_[pos_++];
}

void ScriptTerminal::wait_key_pending(const Screen&, const std::string& where) {
  if (pos_ >= keys_.size()) throw ScriptEnded("key script ran out on the " + where + " screen");
}

namespace {

const std::map<std::string, std::vector<unsigned char>>& named_keys() {
  static const std::map<std::string, std::vector<unsigned char>> keys = {
      {"Enter", {kKeyEnter}},
      {"Esc", {kKeyEsc}},
      {"Up", {kKeyExtended, kKeyUp}},
      {"Down", {kKeyExtended, kKeyDown}},
      {"Left", {kKeyExtended, kKeyLeft}},
      {"Right", {kKeyExtended, kKeyRight}},
      {"Space", {kKeySpace}},
      {"Tab", {kKeyTab}},
      {"Backspace", {kKeyBackspace}},
      {"Home", {kKeyExtended, kKeyHome}},
      {"End", {kKeyExtended, kKeyEnd}},
      {"PgUp", {kKeyExtended, kKeyPgUp}},
      {"PgDn", {kKeyExtended, kKeyPgDn}},
      {"Del", {kKeyExtended, kKeyDel}},
      {"Ins", {kKeyExtended, kKeyIns}}};
  return keys;
}

}  // namespace

std::vector<unsigned char> parse_key_script(const std::string& text, const std::string& file) {
  std::vector<unsigned char> out;
  size_t i = 0;
  int line = 1;
  auto fail = [&](const std::string& what) { throw FileError(file, line, what); };
  while (i < text.size()) {
    char c = text[i];
    if (c == '\n') {
      ++line;
      ++i;
      continue;
    }
    if (std::isspace(static_cast<unsigned char>(c))) {
      ++i;
      continue;
    }
    if (c == '#') {
      while (i < text.size() && text[i] != '\n') ++i;
      continue;
    }
    // Optional repeat count: digits followed by '*'.
    long repeat = 1;
    size_t j = i;
    while (j < text.size() && std::isdigit(static_cast<unsigned char>(text[j]))) ++j;
    if (j > i && j < text.size() && text[j] == '*') {
      if (j - i > 6) fail("repeat count too large");
      repeat = std::stol(text.substr(i, j - i));
      i = j + 1;
      if (i >= text.size() || std::isspace(static_cast<unsigned char>(text[i])))
        fail("a repeat count needs a key after '*'");
    }
    std::vector<unsigned char> token;
    c = text[i];
    if (c == '"') {
      size_t end = text.find('"', i + 1);
      if (end == std::string::npos) fail("unterminated \"text\"");
      for (size_t k = i + 1; k < end; ++k) {
        if (text[k] == '\n') fail("a \"text\" token may not span lines");
        token.push_back(static_cast<unsigned char>(text[k]));
      }
      i = end + 1;
    } else if (c == '<') {
      size_t end = text.find('>', i + 1);
      if (end == std::string::npos) fail("unterminated <N>");
      std::string num = text.substr(i + 1, end - i - 1);
      if (num.empty() || num.size() > 3 ||
          num.find_first_not_of("0123456789") != std::string::npos || std::stoi(num) > 255)
        fail("<N> needs a byte value 0..255, not <" + num + ">");
      token.push_back(static_cast<unsigned char>(std::stoi(num)));
      i = end + 1;
    } else {
      size_t end = i;
      while (end < text.size() && !std::isspace(static_cast<unsigned char>(text[end]))) ++end;
      std::string word = text.substr(i, end - i);
      auto it = named_keys().find(word);
      if (it == named_keys().end()) fail("unknown key name '" + word + "'");
      token = it->second;
      i = end;
    }
    if (repeat * static_cast<long>(token.size()) + static_cast<long>(out.size()) > 10'000'000)
      fail("key script too long");
    for (long r = 0; r < repeat; ++r) out.insert(out.end(), token.begin(), token.end());
  }
  return out;
}

}  // namespace halvorin
