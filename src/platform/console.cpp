#include "platform/console.hpp"

#include "platform/keys.hpp"

namespace halvorin {

void Console::wait_enter() {
  while (read_key() != kKeyEnter) {
  }
}

std::string Console::read_line(size_t max) {
  std::string s;
  for (;;) {
    int k = read_key();
    if (k == kKeyEnter) break;
    if (k == kKeyExtended) {  // an extended key: drop its scan code
      read_key();
      continue;
    }
    if (k == kKeyBackspace) {
      if (!s.empty()) {
        s.pop_back();
        gotoxy(wherex() - 1, wherey());
        write(" ");
        gotoxy(wherex() - 1, wherey());
      }
      continue;
    }
    if (k >= 32 && k < 127 && s.size() < max) {
      s += static_cast<char>(k);
      write(std::string(1, static_cast<char>(k)));
    }
  }
  return s;
}

void CLR(Console& con) {
  for (int row = 2; row <= 24; ++row) {
    con.gotoxy(1, row);
    con.clreol();
  }
  con.gotoxy(1, 3);
}

}  // namespace halvorin
