#include "platform/console_cells.hpp"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

namespace halvorin {
namespace {

#ifdef _WIN32
// The seam's numbers are the console's own.
static_assert(FOREGROUND_BLUE == 1 && FOREGROUND_GREEN == 2 && FOREGROUND_RED == 4 &&
              FOREGROUND_INTENSITY == 8 && BACKGROUND_BLUE == 0x10 && BACKGROUND_INTENSITY == 0x80);
constexpr uint16_t kUp = VK_UP, kDown = VK_DOWN, kLeft = VK_LEFT, kRight = VK_RIGHT,
                   kHome = VK_HOME, kEnd = VK_END, kPgUp = VK_PRIOR, kPgDn = VK_NEXT,
                   kIns = VK_INSERT, kDel = VK_DELETE, kF1 = VK_F1, kF10 = VK_F10,
                   kEnter = VK_RETURN, kEsc = VK_ESCAPE, kBack = VK_BACK, kShift = VK_SHIFT,
                   kA = 'A', kDigit = '7', kNumpad7 = VK_NUMPAD7;
#else
constexpr uint16_t kUp = 0x26, kDown = 0x28, kLeft = 0x25, kRight = 0x27, kHome = 0x24, kEnd = 0x23,
                   kPgUp = 0x21, kPgDn = 0x22, kIns = 0x2D, kDel = 0x2E, kF1 = 0x70, kF10 = 0x79,
                   kEnter = 0x0D, kEsc = 0x1B, kBack = 0x08, kShift = 0x10, kA = 'A', kDigit = '7',
                   kNumpad7 = 0x67;
#endif

TEST(ConsoleKeys, EventsGiveTheKeyBytesTheScreensRead) {
  struct Case {
    ConsoleKey key;
    std::vector<int> bytes;
  };
  const Case cases[] = {
      {{true, 1, kUp, 0}, {0, 72}},      {{true, 1, kDown, 0}, {0, 80}},
      {{true, 1, kLeft, 0}, {0, 75}},    {{true, 1, kRight, 0}, {0, 77}},
      {{true, 1, kHome, 0}, {0, 71}},    {{true, 1, kEnd, 0}, {0, 79}},
      {{true, 1, kPgUp, 0}, {0, 73}},    {{true, 1, kPgDn, 0}, {0, 81}},
      {{true, 1, kIns, 0}, {0, 82}},     {{true, 1, kDel, 0}, {0, 83}},
      {{true, 1, kF1, 0}, {0, 59}},      {{true, 1, kF10, 0}, {0, 68}},
      {{true, 1, kEnter, '\r'}, {13}},   {{true, 1, kEsc, 27}, {27}},
      {{true, 1, kBack, 8}, {8}},        {{true, 1, kA, 'a'}, {'a'}},
      {{true, 1, kA, 'A'}, {'A'}},       {{true, 1, kDigit, '7'}, {'7'}},
      {{true, 1, kNumpad7, '7'}, {'7'}},  // NumLock on: a digit, not Home
      {{true, 1, ' ', ' '}, {' '}},      {{true, 3, kDown, 0}, {0, 80, 0, 80, 0, 80}},
      {{false, 1, kA, 'a'}, {}},   // key releases give nothing
      {{true, 1, kShift, 0}, {}},  // nor keys without a character
  };
  for (const Case& c : cases)
    EXPECT_EQ(console_key_bytes(c.key), c.bytes) << "vk " << c.key.vk << " ch " << int(c.key.ch);
}

TEST(ConsoleCells, ColoursAreThePaletteNumbersAndOddCharactersShowAsQuestionMarks) {
  Screen s;
  for (int fg = 0; fg < 16; ++fg)
    for (int bg = 0; bg < 16; ++bg) {
      s.gotoxy(1 + bg, 1 + fg);
      s.textcolor(fg);
      s.textbackground(bg);
      s.write("x");
    }
  s.gotoxy(1, 20);
  s.textcolor(14);
  s.textbackground(1);
  s.write(std::string("A\x01\x7f\xe9~"));
  std::vector<ConsoleCell> cells = console_cells(s, false);
  ASSERT_EQ(cells.size(), 80u * 25u);
  auto at = [&](int col, int row) { return cells[static_cast<size_t>((row - 1) * 80 + col - 1)]; };
  for (int fg = 0; fg < 16; ++fg)
    for (int bg = 0; bg < 16; ++bg)
      EXPECT_EQ(at(1 + bg, 1 + fg), (ConsoleCell{'x', static_cast<uint16_t>(fg | bg << 4)}));
  EXPECT_EQ(at(80, 25), (ConsoleCell{' ', 0x07}));
  const char shown[] =
      "A??"
      "?~";
  for (int i = 0; i < 5; ++i) EXPECT_EQ(at(1 + i, 20), (ConsoleCell{shown[i], 0x1E})) << i;

  // Without colour: highlights in reverse video, the rest plain.
  EXPECT_EQ(console_cell(Cell{'a', 14, 1}, true), (ConsoleCell{'a', 0x07}));
  EXPECT_EQ(console_cell(Cell{'a', 15, 0}, true), (ConsoleCell{'a', 0x07}));
  EXPECT_EQ(console_cell(Cell{'a', 0, 7}, true), (ConsoleCell{'a', 0x70}));
  EXPECT_EQ(console_cell(Cell{'a', 15, 4}, true), (ConsoleCell{'a', 0x70}));
}

}  // namespace
}  // namespace halvorin
