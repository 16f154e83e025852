// The Windows console terminal: shows the Screen in a screen buffer of its own, so the console's
// contents, colours and cursor come back as they were when it ends, and reads keys as console
// input events. Ctrl-C, Ctrl-Break and closing the window end the program through the same
// Interrupted path as a signal on Linux.
#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <csignal>
#include <cstdlib>
#include <cstring>

#include "platform/console_cells.hpp"
#include "platform/errors.hpp"
#include "platform/terminal.hpp"

namespace halvorin {

namespace {

volatile LONG pending_event = -1;  // the console control event seen, -1 for none
HANDLE unwound = nullptr;          // set once the terminal is restored

BOOL WINAPI on_control(DWORD event) {
  InterlockedExchange(&pending_event, static_cast<LONG>(event));
  // Closing the window, logging off or shutting down ends the process when this handler returns:
  // give the program a bounded while to unwind (abandon temporaries, restore the console).
  if (event == CTRL_CLOSE_EVENT || event == CTRL_LOGOFF_EVENT || event == CTRL_SHUTDOWN_EVENT) {
    if (unwound) WaitForSingleObject(unwound, 4000);
  }
  return TRUE;
}

class ConsoleTerminal : public QueuedTerminal {
 public:
  ConsoleTerminal() {
    in_ = GetStdHandle(STD_INPUT_HANDLE);
    old_out_ = GetStdHandle(STD_OUTPUT_HANDLE);
    if (!GetConsoleMode(in_, &old_in_mode_) || !GetConsoleMode(old_out_, &old_out_mode_))
      throw FileError("", 0, "standard input and output must be a console (or use --keys)");
    out_ =
        CreateConsoleScreenBuffer(GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, CONSOLE_TEXTMODE_BUFFER, nullptr);
    if (out_ == INVALID_HANDLE_VALUE) throw FileError("", 0, "cannot make a console screen buffer");
    if (!SetConsoleActiveScreenBuffer(out_)) {
      CloseHandle(out_);
      throw FileError("", 0, "cannot show the console screen buffer");
    }
    SetConsoleMode(in_, ENABLE_PROCESSED_INPUT | ENABLE_WINDOW_INPUT | ENABLE_EXTENDED_FLAGS);
    SetConsoleMode(out_, 0);  // no wrap at the last column, no processed output
    mono_ = std::getenv("NO_COLOR") != nullptr;
    unwound = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    SetConsoleCtrlHandler(on_control, TRUE);
    drawn_.assign(Screen::kCols * Screen::kRows, ConsoleCell{'\x01', 0xFFFF});
  }

  ~ConsoleTerminal() override {
    restore();
    // The program has unwound by now (the terminal goes last): a closing window may end it.
    SetConsoleCtrlHandler(on_control, FALSE);
    if (unwound) SetEvent(unwound);
  }

 private:
  void restore() {
    if (!out_) return;
    SetConsoleActiveScreenBuffer(old_out_);
    CloseHandle(out_);
    out_ = nullptr;
    SetConsoleMode(in_, old_in_mode_);
    SetConsoleMode(old_out_, old_out_mode_);
  }

  void check_interrupt() {
    LONG ev = InterlockedExchange(&pending_event, -1);
    if (ev < 0) return;
    restore();
    throw Interrupted(ev == CTRL_C_EVENT || ev == CTRL_BREAK_EVENT ? SIGINT : SIGTERM);
  }

  void wait_for_keys(const Screen& screen) override {
    while (!keys_queued()) {
      check_interrupt();
      render(screen);
      // Poll, so a control event is seen while waiting for a key.
      if (WaitForSingleObject(in_, 100) == WAIT_OBJECT_0) take_events(screen);
    }
  }

  void poll_keys(const Screen& screen) override {
    render(screen);
    take_events(screen);
  }

  // Takes the input events waiting, without blocking.
  void take_events(const Screen& screen) {
    DWORD n = 0;
    while (GetNumberOfConsoleInputEvents(in_, &n) && n > 0) {
      INPUT_RECORD rec[32];
      DWORD got = 0;
      if (!ReadConsoleInputA(in_, rec, 32, &got) || got == 0) return;
      for (DWORD i = 0; i < got; ++i) {
        if (rec[i].EventType == WINDOW_BUFFER_SIZE_EVENT) {
          drawn_.assign(drawn_.size(), ConsoleCell{'\x01', 0xFFFF});
          render(screen);
        } else if (rec[i].EventType == KEY_EVENT) {
          const KEY_EVENT_RECORD& k = rec[i].Event.KeyEvent;
          ConsoleKey key{k.bKeyDown != 0, k.wRepeatCount, k.wVirtualKeyCode,
                         static_cast<unsigned char>(k.uChar.AsciiChar)};
          for (int b : console_key_bytes(key)) queue_key(b);
        }
      }
    }
  }

  void render(const Screen& screen) {
    CONSOLE_SCREEN_BUFFER_INFO info;
    if (!GetConsoleScreenBufferInfo(out_, &info)) return;
    int cols = info.srWindow.Right - info.srWindow.Left + 1;
    int rows = info.srWindow.Bottom - info.srWindow.Top + 1;
    COORD origin{info.srWindow.Left, info.srWindow.Top};
    if (rows < Screen::kRows || cols < Screen::kCols) {
      if (!small_) {
        clear(info);
        small_ = true;
      }
      DWORD done = 0;
      for (SHORT r = 0; r < 2; ++r) {
        const char* line = kSmallConsoleLines[r];
        WriteConsoleOutputCharacterA(out_, line, static_cast<DWORD>(std::strlen(line)),
                                     COORD{origin.X, static_cast<SHORT>(origin.Y + r)}, &done);
      }
      drawn_.assign(drawn_.size(), ConsoleCell{'\x01', 0xFFFF});
      return;
    }
    if (small_) {
      clear(info);
      small_ = false;
    }
    if (screen.version() != version_ || first_) {
      first_ = false;
      version_ = screen.version();
      std::vector<ConsoleCell> cells = console_cells(screen, mono_);
      if (cells != drawn_) {
        std::vector<CHAR_INFO> buf(cells.size());
        for (size_t i = 0; i < cells.size(); ++i) {
          buf[i].Char.AsciiChar = cells[i].ch;
          buf[i].Attributes = cells[i].attr;
        }
        SMALL_RECT rect{origin.X, origin.Y, static_cast<SHORT>(origin.X + Screen::kCols - 1),
                        static_cast<SHORT>(origin.Y + Screen::kRows - 1)};
        WriteConsoleOutputA(out_, buf.data(), COORD{Screen::kCols, Screen::kRows}, COORD{0, 0},
                            &rect);
        drawn_ = std::move(cells);
      }
    }
    SetConsoleCursorPosition(out_, COORD{static_cast<SHORT>(origin.X + screen.wherex() - 1),
                                         static_cast<SHORT>(origin.Y + screen.wherey() - 1)});
    CONSOLE_CURSOR_INFO cursor{25, TRUE};
    SetConsoleCursorInfo(out_, &cursor);
  }

  void clear(const CONSOLE_SCREEN_BUFFER_INFO& info) {
    DWORD cells = static_cast<DWORD>(info.dwSize.X) * static_cast<DWORD>(info.dwSize.Y), done = 0;
    FillConsoleOutputCharacterA(out_, ' ', cells, COORD{0, 0}, &done);
    FillConsoleOutputAttribute(out_, 7, cells, COORD{0, 0}, &done);
  }

  HANDLE in_ = nullptr;
  HANDLE out_ = nullptr;
  HANDLE old_out_ = nullptr;
  DWORD old_in_mode_ = 0;
  DWORD old_out_mode_ = 0;
  bool mono_ = false;
  bool small_ = false;
  bool first_ = true;
  uint64_t version_ = 0;
  std::vector<ConsoleCell> drawn_;
};

}  // namespace

std::unique_ptr<Terminal> make_console_terminal() { return std::make_unique<ConsoleTerminal>(); }

}  // namespace halvorin
#endif  // _WIN32
