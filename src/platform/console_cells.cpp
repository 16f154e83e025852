#include "platform/console_cells.hpp"

#include <algorithm>

#include "platform/keys.hpp"

namespace halvorin {

namespace {

// Windows virtual key codes of the extended keys, with the PC scan codes the screens read.
struct ExtendedKey {
  uint16_t vk;
  int scan;
};
constexpr ExtendedKey kExtended[] = {
    {0x26, kKeyUp},   {0x28, kKeyDown}, {0x25, kKeyLeft}, {0x27, kKeyRight},
    {0x24, kKeyHome}, {0x23, kKeyEnd},  {0x21, kKeyPgUp}, {0x22, kKeyPgDn},
    {0x2D, kKeyIns},  {0x2E, kKeyDel},  {0x0C, kKeyPad5},
};
constexpr uint16_t kVkF1 = 0x70, kVkF10 = 0x79, kVkBack = 0x08, kVkReturn = 0x0D, kVkEscape = 0x1B;

std::vector<int> bytes_once(const ConsoleKey& key) {
  for (const ExtendedKey& e : kExtended)
    if (key.vk == e.vk) return {kKeyExtended, e.scan};
  if (key.vk >= kVkF1 && key.vk <= kVkF10) return {kKeyExtended, kKeyF1 + key.vk - kVkF1};
  if (key.vk == kVkReturn) return {kKeyEnter};
  if (key.vk == kVkEscape) return {kKeyEsc};
  if (key.vk == kVkBack) return {kKeyBackspace};
  if (key.ch != 0) return {key.ch};
  return {};
}

}  // namespace

std::vector<int> console_key_bytes(const ConsoleKey& key) {
  std::vector<int> out;
  if (!key.down) return out;
  std::vector<int> once = bytes_once(key);
  for (int i = 0; i < std::max<int>(1, key.repeat); ++i)
    out.insert(out.end(), once.begin(), once.end());
  return out;
}

ConsoleCell console_cell(const Cell& cell, bool mono) {
  unsigned char c = static_cast<unsigned char>(cell.ch);
  ConsoleCell out;
  out.ch = (c >= 32 && c < 127) ? cell.ch : '?';
  if (mono)
    out.attr = (cell.bg != 1 && cell.bg != 0) ? 0x70 : 0x07;
  else
    out.attr = static_cast<uint16_t>((cell.fg & 15) | (cell.bg & 15) << 4);
  return out;
}

std::vector<ConsoleCell> console_cells(const Screen& screen, bool mono) {
  std::vector<ConsoleCell> out;
  out.reserve(Screen::kCols * Screen::kRows);
  for (int r = 1; r <= Screen::kRows; ++r)
    for (int c = 1; c <= Screen::kCols; ++c) out.push_back(console_cell(screen.cell(c, r), mono));
  return out;
}

}  // namespace halvorin
