#include "platform/console_cells.hpp"

#include <gtest/gtest.h>

#include <sstream>

#include "support/harness.hpp"

#ifdef _WIN32
#include <windows.h>
// The seam's numbers, and those of the key table, are the console's own.
static_assert(FOREGROUND_BLUE == 1 && FOREGROUND_GREEN == 2 && FOREGROUND_RED == 4 &&
              FOREGROUND_INTENSITY == 8 && BACKGROUND_BLUE == 0x10 && BACKGROUND_INTENSITY == 0x80);
static_assert(VK_UP == 0x26 && VK_DOWN == 0x28 && VK_LEFT == 0x25 && VK_RIGHT == 0x27 &&
              VK_HOME == 0x24 && VK_END == 0x23 && VK_PRIOR == 0x21 && VK_NEXT == 0x22 &&
              VK_INSERT == 0x2D && VK_DELETE == 0x2E && VK_F1 == 0x70 && VK_F10 == 0x79 &&
              VK_RETURN == 0x0D && VK_ESCAPE == 0x1B && VK_BACK == 0x08 && VK_SHIFT == 0x10 &&
              VK_NUMPAD7 == 0x67 && VK_SPACE == 0x20);
#endif

namespace halvorin {
namespace {

TEST(ConsoleKeys, EventsGiveTheKeyBytesTheScreensRead) {
  const std::string path = "platform/cases/console_keys.tsv";
  for (const auto& row : testing::test_table(path)) {
    const ConsoleKey key{row[1] == "1", static_cast<uint16_t>(row.num(2)),
                         static_cast<uint16_t>(std::stoi(row[3], nullptr, 16)),
                         static_cast<unsigned char>(row.num(4))};
    std::vector<int> want;
    std::istringstream bytes(row.f.size() > 5 ? row[5] : "");
    for (int b; bytes >> b;) want.push_back(b);
    EXPECT_EQ(console_key_bytes(key), want) << testing::case_name(path, row) << " " << row[0];
  }
}

TEST(ConsoleCells, ColoursAreThePaletteNumbersAndOddCharactersShowAsQuestionMarks) {
  Screen s;
  for (int i = 0; i < 256; ++i) {  // foreground i / 16 on background i % 16
    s.gotoxy(1 + i % 16, 1 + i / 16);
    s.textcolor(i / 16);
    s.textbackground(i % 16);
    s.write("x");
  }
  s.gotoxy(1, 20);
  s.textcolor(14);
  s.textbackground(1);
  s.write(std::string("A\x01\x7f\xe9~"));
  std::vector<ConsoleCell> cells = console_cells(s, false);
  ASSERT_EQ(cells.size(), 80u * 25u);
  auto at = [&](int col, int row) { return cells[static_cast<size_t>((row - 1) * 80 + col - 1)]; };
  for (int i = 0; i < 256; ++i)
    EXPECT_EQ(at(1 + i % 16, 1 + i / 16),
              (ConsoleCell{'x', static_cast<uint16_t>(i / 16 | i % 16 << 4)}));
  EXPECT_EQ(at(80, 25), (ConsoleCell{' ', 0x07}));
  for (int i = 0; i < 5; ++i) EXPECT_EQ(at(1 + i, 20), (ConsoleCell{"A???~"[i], 0x1E})) << i;
  // Without colour: highlights (backgrounds other than blue and black) in reverse video.
  for (int bg = 0; bg < 8; ++bg)
    EXPECT_EQ(console_cell(Cell{'a', 14, static_cast<uint8_t>(bg)}, true).attr,
              bg < 2 ? 0x07 : 0x70)
        << bg;
}

}  // namespace
}  // namespace halvorin
