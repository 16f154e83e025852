#include "platform/printer.hpp"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include "output/sheets.hpp"
#else
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <memory>

extern char** environ;
#endif

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "platform/errors.hpp"

namespace halvorin {

namespace {

// The packet's lines as the print command receives them, each ended by `eol`: cut at 79
// characters, the form feed that begins a page not counted, so a page's heading keeps its last
// column.
std::string command_text(const std::vector<std::string>& lines, const char* eol) {
  std::string text;
  for (const auto& l : lines) {
    const size_t ff = !l.empty() && l[0] == '\f' ? 1 : 0;
    text += l.substr(0, ff + 79) + eol;
  }
  return text;
}

// The first line the print command wrote to its error output, for the message: blanks and a CR
// at its end dropped, control characters shown as \xNN, cut after 100 characters.
std::string first_line_of(const std::string& said) {
  std::string line = said.substr(0, said.find('\n'));
  while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
    line.pop_back();
  return line.size() > 100 ? printable(line.substr(0, 100)) + "..." : printable(line);
}

std::string command_failed(const std::string& cmd, bool exited, int code, const std::string& said) {
  std::string err = "the print command '" + cmd + "' failed" +
                    (exited ? " (exit status " + std::to_string(code) + ")" : "");
  const std::string first = first_line_of(said);
  return first.empty() ? err : err + ": " + first;
}

#ifdef _WIN32
// Runs the print command once with the lines on its standard input, through the command
// interpreter: its standard output goes nowhere and its error output to a temporary file, so
// that redirections of its own hold and only what it would show on the console is hidden.
std::string print_through_command(const std::string& cmd, const std::vector<std::string>& lines) {
  const std::string cannot = "cannot start the print command '" + cmd + "'";
  SECURITY_ATTRIBUTES sa{};
  sa.nLength = sizeof sa;
  sa.bInheritHandle = TRUE;
  HANDLE in_read = nullptr, in_write = nullptr;
  if (!CreatePipe(&in_read, &in_write, &sa, 0)) return cannot;
  SetHandleInformation(in_write, HANDLE_FLAG_INHERIT, 0);
  HANDLE nul = CreateFileA("NUL", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &sa,
                           OPEN_EXISTING, 0, nullptr);
  char dir[MAX_PATH + 1], path[MAX_PATH + 1];
  HANDLE err = INVALID_HANDLE_VALUE;
  if (GetTempPathA(static_cast<DWORD>(sizeof dir), dir) && GetTempFileNameA(dir, "hvp", 0, path))
    err = CreateFileA(path, GENERIC_READ | GENERIC_WRITE,
                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, &sa, CREATE_ALWAYS,
                      FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  STARTUPINFOA si{};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESTDHANDLES;
  si.hStdInput = in_read;
  si.hStdOutput = nul;
  si.hStdError = err != INVALID_HANDLE_VALUE ? err : nul;
  const char* comspec = std::getenv("ComSpec");
  std::string line =
      std::string("\"") + (comspec && *comspec ? comspec : "cmd.exe") + "\" /s /c \"" + cmd + "\"";
  PROCESS_INFORMATION pi{};
  const bool started = CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                      nullptr, &si, &pi) != 0;
  CloseHandle(in_read);
  if (nul != INVALID_HANDLE_VALUE) CloseHandle(nul);
  if (!started) {
    CloseHandle(in_write);
    if (err != INVALID_HANDLE_VALUE) CloseHandle(err);
    return cannot;
  }
  // The CR LF line ends Windows programs expect.
  const std::string text = command_text(lines, "\r\n");
  bool ok = true;
  for (size_t done = 0; done < text.size() && ok;) {
    DWORD wrote = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(text.size() - done, 1 << 16));
    ok = WriteFile(in_write, text.data() + done, chunk, &wrote, nullptr) != 0;
    done += wrote;
  }
  CloseHandle(in_write);
  WaitForSingleObject(pi.hProcess, INFINITE);
  DWORD code = 1;
  const bool exited = GetExitCodeProcess(pi.hProcess, &code) != 0;
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  std::string said;
  if (err != INVALID_HANDLE_VALUE) {
    char buf[4096];
    DWORD got = 0;
    if (SetFilePointer(err, 0, nullptr, FILE_BEGIN) != INVALID_SET_FILE_POINTER &&
        ReadFile(err, buf, static_cast<DWORD>(sizeof buf), &got, nullptr))
      said.assign(buf, got);
    CloseHandle(err);
  }
  if (ok && exited && code == 0) return {};
  return command_failed(cmd, exited, static_cast<int>(code), said);
}
#else
// Runs the print command once with the lines on its standard input, through the shell as a
// command of its own: its standard output goes to /dev/null and its error output to a temporary
// file, so that redirections of its own hold and only what it would show on the screen is hidden.
std::string print_through_command(const std::string& cmd, const std::vector<std::string>& lines) {
  const std::string cannot = "cannot start the print command '" + cmd + "'";
  struct Close {
    void operator()(std::FILE* f) const { std::fclose(f); }
  };
  std::unique_ptr<std::FILE, Close> err(std::tmpfile());  // null: the error output is dropped
  int in[2];
  if (::pipe(in) != 0) return cannot;
  ::fcntl(in[1], F_SETFD, FD_CLOEXEC);
  const int err_fd = err ? ::fileno(err.get()) : -1;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, in[0], 0);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  if (err_fd < 0)
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  else
    posix_spawn_file_actions_adddup2(&actions, err_fd, 2);
  if (in[0] > 2) posix_spawn_file_actions_addclose(&actions, in[0]);
  if (err_fd > 2) posix_spawn_file_actions_addclose(&actions, err_fd);
  char sh[] = "sh", dash_c[] = "-c";
  std::string command = cmd;
  char* argv[] = {sh, dash_c, command.data(), nullptr};
  // The command gets SIGPIPE back, which the caller ignores while printing.
  posix_spawnattr_t attr;
  posix_spawnattr_init(&attr);
  sigset_t pipe_signal;
  sigemptyset(&pipe_signal);
  sigaddset(&pipe_signal, SIGPIPE);
  posix_spawnattr_setsigdefault(&attr, &pipe_signal);
  posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGDEF);
  pid_t pid = 0;
  const int spawned = ::posix_spawn(&pid, "/bin/sh", &actions, &attr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  posix_spawnattr_destroy(&attr);
  ::close(in[0]);
  if (spawned != 0) {
    ::close(in[1]);
    return cannot;
  }
  const std::string text = command_text(lines, "\n");
  bool ok = true;
  for (size_t done = 0; done < text.size() && ok;) {
    const ssize_t n = ::write(in[1], text.data() + done, text.size() - done);
    if (n > 0)
      done += static_cast<size_t>(n);
    else
      ok = n < 0 && errno == EINTR;  // a command that stops reading: EPIPE
  }
  ::close(in[1]);
  int st = 0;
  pid_t waited;
  while ((waited = ::waitpid(pid, &st, 0)) < 0 && errno == EINTR) {
  }
  const bool exited = waited == pid && WIFEXITED(st);
  const int code = exited ? WEXITSTATUS(st) : -1;
  std::string said;
  if (err) {
    char buf[4096];
    std::rewind(err.get());
    said.assign(buf, std::fread(buf, 1, sizeof buf, err.get()));
  }
  if (ok && exited && code == 0) return {};
  return command_failed(cmd, exited, code, said);
}
#endif

#ifdef _WIN32
// Prints on the default printer by the packet's sheet rule (the one its PDF follows): the font
// at 10 characters to the inch, each sheet's lines at the sheet rule's spacing, on the paper of
// HALVORIN_PAPER. The printer's own margins are taken off the rule's positions.
std::string print_to_default_printer(const std::vector<std::string>& lines) {
  char name[512];
  DWORD size = sizeof name;
  if (!GetDefaultPrinterA(name, &size))
    return "there is no default printer; set one or HALVORIN_PRINTER";
  HDC dc = CreateDCA("WINSPOOL", name, nullptr, nullptr);
  if (!dc) return std::string("cannot open the printer '") + name + "'";
  const Paper paper = paper_from_env();
  const std::vector<Sheet> sheets = lay_sheets(lines, paper);
  const int dpi_x = GetDeviceCaps(dc, LOGPIXELSX), dpi_y = GetDeviceCaps(dc, LOGPIXELSY);
  const int off_x = GetDeviceCaps(dc, PHYSICALOFFSETX), off_y = GetDeviceCaps(dc, PHYSICALOFFSETY);
  // Hundredths of a point to device pixels, from the sheet's edge.
  auto px = [](int v, int dpi) { return MulDiv(v, dpi, 7200); };
  HFONT font = CreateFontA(-px(kFontSize, dpi_y), px(kCharWidth, dpi_x), 0, 0, FW_NORMAL, FALSE,
                           FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                           DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, "Courier New");
  HGDIOBJ old_font = SelectObject(dc, font);
  SetTextAlign(dc, TA_BASELINE | TA_LEFT);

  DOCINFOA doc{};
  doc.cbSize = sizeof doc;
  doc.lpszDocName = "Halvorin packet";
  std::string err;
  if (StartDocA(dc, &doc) <= 0) {
    err = std::string("the printer '") + name + "' refused the document";
  } else {
    for (size_t i = 0; i < sheets.size() && err.empty(); ++i) {
      const Sheet& sheet = sheets[i];
      if (StartPage(dc) <= 0) {
        err = "the printer refused a page";
        break;
      }
      SelectObject(dc, font);  // a new page may reset the device context
      SetTextAlign(dc, TA_BASELINE | TA_LEFT);
      const int left = px(left_margin(paper), dpi_x) - off_x;
      for (size_t k = 0; k < sheet.lines.size(); ++k) {
        const std::string& text = sheet.lines[k];
        const int base = kTopMargin + sheet.pitch * 3 / 4 + static_cast<int>(k) * sheet.pitch;
        if (text.find_first_not_of(' ') != std::string::npos)
          TextOutA(dc, left, px(base, dpi_y) - off_y, text.data(), static_cast<int>(text.size()));
      }
      if (EndPage(dc) <= 0) err = "the printer refused a page";
    }
    if (err.empty()) {
      if (EndDoc(dc) <= 0) err = "the printer did not take the document";
    } else {
      AbortDoc(dc);
    }
  }
  SelectObject(dc, old_font);
  DeleteObject(font);
  DeleteDC(dc);
  return err;
}
#endif

}  // namespace

std::string printer_command() {
  const char* p = std::getenv("HALVORIN_PRINTER");
#ifdef _WIN32
  return (p && *p) ? p : "";  // empty: the default printer
#else
  return (p && *p) ? p : "lp";
#endif
}

std::string print_copies(const std::vector<std::string>& lines, int copies) {
  std::string cmd = printer_command();
#ifndef _WIN32
  // A print command that exits early must not kill us with SIGPIPE.
  auto old = std::signal(SIGPIPE, SIG_IGN);
#endif
  std::string err;
  for (int c = 0; c < copies && err.empty(); ++c) {
#ifdef _WIN32
    if (cmd.empty()) {
      err = print_to_default_printer(lines);
      continue;
    }
#endif
    err = print_through_command(cmd, lines);
  }
#ifndef _WIN32
  std::signal(SIGPIPE, old);
#endif
  return err;
}

}  // namespace halvorin
