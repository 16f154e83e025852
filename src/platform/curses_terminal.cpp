// The one file that talks to curses: shows the Screen, reads keys, restores the terminal.
#include <curses.h>
#include <termios.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <map>
#include <string>

#include "platform/errors.hpp"
#include "platform/keys.hpp"
#include "platform/terminal.hpp"
// Last: it defines every capability name (newline, lines, ...) as a macro.
#include <term.h>

namespace halvorin {

namespace {

volatile std::sig_atomic_t pending_signal = 0;

extern "C" void on_signal(int sig) { pending_signal = sig; }

// PC palette order (0 black, 1 blue, 2 green, 3 cyan, 4 red, 5 magenta, 6 brown, 7 grey) to
// curses colours, which swap red and blue.
short curses_color(int pc) {
  static const short map[8] = {COLOR_BLACK, COLOR_BLUE,    COLOR_GREEN,  COLOR_CYAN,
                               COLOR_RED,   COLOR_MAGENTA, COLOR_YELLOW, COLOR_WHITE};
  return map[pc & 7];
}

class CursesTerminal : public QueuedTerminal {
 public:
  CursesTerminal() {
    if (!::isatty(0) || !::isatty(1))
      throw FileError("", 0, "standard input and output must be a terminal (or use --keys)");
    const char* term = std::getenv("TERM");
    const std::string type = term ? term : "";
    if (type.empty())
      throw FileError("", 0,
                      "TERM is not set; set it to the terminal's type (for example "
                      "TERM=xterm-256color)");
    const std::string unknown = "TERM=" + type +
                                " names a terminal type this system does not know; set TERM to "
                                "the terminal's type (for example TERM=xterm-256color)";
    // The terminal's description, read once before curses starts: the screens are drawn by
    // placing the cursor, and a terminal that cannot would show nothing.
    int found = 0;
    if (setupterm(type.c_str(), 1, &found) != OK || found != 1) throw FileError("", 0, unknown);
    const char* cup = tigetstr("cup");
    const bool places_cursor = cup && cup != reinterpret_cast<char*>(-1);
    del_curterm(cur_term);
    if (!places_cursor)
      throw FileError("", 0,
                      "TERM=" + type +
                          " names a terminal that cannot place the cursor, which the screens "
                          "need; run the program in a full-screen terminal (for example "
                          "TERM=xterm-256color) or use --keys");
    if (!std::getenv("ESCDELAY")) ::setenv("ESCDELAY", "25", 1);
    screen_ = newterm(nullptr, stdout, stdin);
    if (!screen_) throw FileError("", 0, unknown);
    set_term(screen_);
    raw();
    keep_interrupt_key();
    noecho();
    nonl();
    keypad(stdscr, TRUE);
    set_escdelay(std::getenv("ESCDELAY") ? std::atoi(std::getenv("ESCDELAY")) : 25);
    timeout(100);  // poll, so signals are seen while waiting for a key
    mono_ = std::getenv("NO_COLOR") != nullptr || !has_colors();
    if (!mono_) {
      start_color();
      colors16_ = COLORS >= 16;
    }
    for (int s : {SIGINT, SIGTERM, SIGHUP}) std::signal(s, on_signal);
    drawn_.fill(Cell{'\x01', 255, 255});
  }

  ~CursesTerminal() override { restore(); }

 private:
  // Raw mode, but the terminal's interrupt key (Ctrl-C, or whatever `stty intr` names) and a
  // break still raise SIGINT, which ends the program the way a SIGINT from outside does. The
  // quit and suspend keys stay plain keys: they would stop the program with the screen unrestored.
  static void keep_interrupt_key() {
    termios t{};
    if (::tcgetattr(0, &t) != 0) return;
    t.c_lflag |= ISIG;
    t.c_iflag |= BRKINT;
    t.c_iflag &= static_cast<tcflag_t>(~IGNBRK);
    t.c_cc[VQUIT] = _POSIX_VDISABLE;
    t.c_cc[VSUSP] = _POSIX_VDISABLE;
    if (::tcsetattr(0, TCSANOW, &t) == 0) def_prog_mode();
  }

  void restore() {
    if (screen_) {
      endwin();
      delscreen(screen_);
      screen_ = nullptr;
    }
  }

  void check_signal() {
    if (pending_signal) {
      int sig = pending_signal;
      restore();
      std::signal(sig, SIG_DFL);
      throw Interrupted(sig);
    }
  }

  void wait_for_keys(const Screen& screen) override {
    while (!keys_queued()) {
      check_signal();
      render(screen);
      // getch waits at most a tenth of a second, so a signal is seen while waiting for a key.
      int ch = getch();
      if (ch != ERR) translate(ch, screen);
    }
  }

  void poll_keys(const Screen& screen) override {
    render(screen);
    timeout(0);
    int ch = getch();
    timeout(100);
    if (ch != ERR) translate(ch, screen);
  }

  void translate(int ch, const Screen& screen) {
    static const std::map<int, int> ext = {
        {KEY_UP, kKeyUp},     {KEY_DOWN, kKeyDown}, {KEY_LEFT, kKeyLeft},  {KEY_RIGHT, kKeyRight},
        {KEY_HOME, kKeyHome}, {KEY_END, kKeyEnd},   {KEY_PPAGE, kKeyPgUp}, {KEY_NPAGE, kKeyPgDn},
        {KEY_IC, kKeyIns},    {KEY_DC, kKeyDel},    {KEY_B2, kKeyPad5}};
    if (ch == KEY_RESIZE) {
      drawn_.fill(Cell{'\x01', 255, 255});
      clear();
      render(screen);
      return;
    }
    if (ch == 3) {  // Ctrl-C where the terminal's interrupt key is another one
      pending_signal = SIGINT;
      check_signal();
    }
    if (ch == KEY_ENTER) ch = kKeyEnter;
    if (ch == KEY_BACKSPACE || ch == 127) ch = kKeyBackspace;
    if (ch >= KEY_F(1) && ch <= KEY_F(10)) {
      queue_key(kKeyExtended);
      queue_key(kKeyF1 + ch - KEY_F(1));
      return;
    }
    auto it = ext.find(ch);
    if (it != ext.end()) {
      queue_key(kKeyExtended);
      queue_key(it->second);
      return;
    }
    if (ch == '\n') ch = kKeyEnter;
    if (ch >= 0 && ch < 256) queue_key(ch);
  }

  int pair_for(int fg, int bg) {
    int key = fg * 16 + bg;
    auto it = pairs_.find(key);
    if (it != pairs_.end()) return it->second;
    int n = static_cast<int>(pairs_.size()) + 1;
    if (n >= COLOR_PAIRS) return 0;
    short f = curses_color(fg), b = curses_color(bg);
    if (colors16_) {
      if (fg >= 8) f = static_cast<short>(f + 8);
      if (bg >= 8) b = static_cast<short>(b + 8);
    }
    init_pair(static_cast<short>(n), f, b);
    pairs_[key] = n;
    return n;
  }

  chtype attr_for(const Cell& c) {
    if (mono_) {
      // Highlights (a background other than the normal blue or black) show as reverse video;
      // the form's values (on black) in bold and underlined, apart from their labels.
      if (c.bg != 1 && c.bg != 0) return A_REVERSE;
      return c.bg == 0 ? A_BOLD | A_UNDERLINE : A_NORMAL;
    }
    chtype a = COLOR_PAIR(pair_for(c.fg, colors16_ ? c.bg : c.bg & 7));
    if (!colors16_ && c.fg >= 8) a |= A_BOLD;
    return a;
  }

  void render(const Screen& screen) {
    int rows = 0, cols = 0;
    getmaxyx(stdscr, rows, cols);
    if (rows < Screen::kRows || cols < Screen::kCols) {
      if (!small_) {
        erase();
        small_ = true;
      }
      mvaddstr(0, 0, "Halvorin needs a terminal of at least 80 columns by 25 rows.");
      mvaddstr(1, 0, "Please enlarge this window.");
      refresh();
      drawn_.fill(Cell{'\x01', 255, 255});
      return;
    }
    if (small_) {
      erase();
      small_ = false;
    }
    if (screen.version() == version_ && !first_) {
      move(screen.wherey() - 1, screen.wherex() - 1);
      refresh();
      return;
    }
    first_ = false;
    version_ = screen.version();
    for (int r = 1; r <= Screen::kRows; ++r)
      for (int c = 1; c <= Screen::kCols; ++c) {
        const Cell& cell = screen.cell(c, r);
        Cell& old = drawn_[static_cast<size_t>((r - 1) * Screen::kCols + c - 1)];
        if (cell == old) continue;
        old = cell;
        unsigned char ch = static_cast<unsigned char>(cell.ch);
        chtype glyph = (ch >= 32 && ch < 127) ? ch : '?';
        if (r == Screen::kRows && c == Screen::kCols)
          mvinsch(r - 1, c - 1, glyph | attr_for(cell));  // avoid scrolling the real terminal
        else
          mvaddch(r - 1, c - 1, glyph | attr_for(cell));
      }
    move(screen.wherey() - 1, screen.wherex() - 1);
    refresh();
  }

  SCREEN* screen_ = nullptr;
  bool mono_ = false;
  bool colors16_ = false;
  bool small_ = false;
  bool first_ = true;
  uint64_t version_ = 0;
  std::map<int, int> pairs_;
  std::array<Cell, Screen::kCols * Screen::kRows> drawn_{};
};

}  // namespace

std::unique_ptr<Terminal> make_curses_terminal() { return std::make_unique<CursesTerminal>(); }

}  // namespace halvorin
