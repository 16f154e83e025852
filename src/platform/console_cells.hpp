#pragma once
// The Windows console terminal's pure parts, kept free of the Windows headers so that they build
// and are tested on every platform: console key events to the program's key bytes, and screen
// cells to console character cells.
#include <cstdint>
#include <vector>

#include "platform/screen.hpp"

namespace halvorin {

// One key event as the console reports it (the fields of a KEY_EVENT_RECORD).
struct ConsoleKey {
  bool down = true;
  uint16_t repeat = 1;   // the console's repeat count
  uint16_t vk = 0;       // virtual key code
  unsigned char ch = 0;  // the character in the console's code page, 0 for none
};

// The key bytes the screens expect for one console key event: extended keys as 0 and the PC scan
// code, Enter 13, Esc 27, Backspace 8, characters as themselves; nothing for key releases and
// for keys that give no character (Shift, Ctrl, ...). A repeat count repeats the bytes.
std::vector<int> console_key_bytes(const ConsoleKey& key);

// One console character cell: the character and the attribute word (foreground in bits 0-3,
// background in bits 4-7: the console's colour numbers are the PC palette's, so no swap).
struct ConsoleCell {
  char ch = ' ';
  uint16_t attr = 7;
  bool operator==(const ConsoleCell&) const = default;
};

// The console cell that shows `cell`; characters outside printable ASCII show as '?'. Without
// colour (`mono`), highlights (backgrounds other than blue or black) show as reverse video.
ConsoleCell console_cell(const Cell& cell, bool mono);

// The whole screen, row by row, as 80x25 console cells.
std::vector<ConsoleCell> console_cells(const Screen& screen, bool mono);

// What a console smaller than the screen shows instead, one line per row.
inline constexpr const char* kSmallConsoleLines[] = {
    "Halvorin needs a terminal of at least 80 columns by 25 rows.", "Please enlarge this window."};

}  // namespace halvorin
