#include "platform/printer.hpp"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <sys/wait.h>
#endif

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>

namespace halvorin {

namespace {

// Runs the print command once with the lines on its standard input.
std::string print_through_command(const std::string& cmd, const std::vector<std::string>& lines) {
#ifdef _WIN32
  // Text mode: the command gets the CR LF line ends Windows programs expect.
  std::FILE* p = ::_popen((cmd + " >NUL 2>&1").c_str(), "wt");
#else
  std::FILE* p = ::popen((cmd + " >/dev/null 2>&1").c_str(), "w");
#endif
  if (!p) return "cannot start the print command '" + cmd + "'";
  bool ok = true;
  for (const auto& l : lines) {
    std::string out = l.substr(0, 79) + "\n";
    if (std::fwrite(out.data(), 1, out.size(), p) != out.size()) ok = false;
  }
#ifdef _WIN32
  int code = ::_pclose(p);
  bool exited = code != -1;
#else
  int st = ::pclose(p);
  bool exited = st != -1 && WIFEXITED(st);
  int code = exited ? WEXITSTATUS(st) : -1;
#endif
  if (ok && exited && code == 0) return {};
  return "the print command '" + cmd + "' failed" +
         (exited ? " (exit status " + std::to_string(code) + ")" : "");
}

#ifdef _WIN32
// Prints on the default printer through its device context: a fixed-pitch font sized for 80
// columns at 10 characters to the inch, as many lines a page as fit between half-inch margins,
// a new page at each form feed and when a page is full.
std::string print_to_default_printer(const std::vector<std::string>& lines) {
  char name[512];
  DWORD size = sizeof name;
  if (!GetDefaultPrinterA(name, &size))
    return "there is no default printer; set one or HALVORIN_PRINTER";
  HDC dc = CreateDCA("WINSPOOL", name, nullptr, nullptr);
  if (!dc) return std::string("cannot open the printer '") + name + "'";
  int dpi_x = GetDeviceCaps(dc, LOGPIXELSX), dpi_y = GetDeviceCaps(dc, LOGPIXELSY);
  int page_h = GetDeviceCaps(dc, VERTRES);
  HFONT font = CreateFontA(-MulDiv(12, dpi_y, 72), -dpi_x / 10, 0, 0, FW_NORMAL, FALSE, FALSE,
                           FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                           DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, "Courier New");
  HGDIOBJ old_font = SelectObject(dc, font);
  TEXTMETRICA tm{};
  GetTextMetricsA(dc, &tm);
  int line_h = tm.tmHeight + tm.tmExternalLeading;
  int top = dpi_y / 2, left = dpi_x / 2;
  int per_page = line_h > 0 ? std::max(1, (page_h - 2 * top) / line_h) : 60;

  DOCINFOA doc{};
  doc.cbSize = sizeof doc;
  doc.lpszDocName = "Halvorin packet";
  std::string err;
  bool page_open = false;
  int row = 0;
  auto new_page = [&] {
    if (page_open && EndPage(dc) <= 0) err = "the printer refused a page";
    page_open = StartPage(dc) > 0;
    if (!page_open && err.empty()) err = "the printer refused a page";
    SelectObject(dc, font);  // a new page may reset the device context
    row = 0;
  };
  if (StartDocA(dc, &doc) <= 0) {
    err = std::string("the printer '") + name + "' refused the document";
  } else {
    new_page();
    for (size_t i = 0; i < lines.size() && err.empty(); ++i) {
      std::string line = lines[i];
      for (size_t ff; (ff = line.find('\f')) != std::string::npos;) {
        line.erase(0, ff + 1);
        new_page();
      }
      if (row == per_page) new_page();
      std::string text = line.substr(0, 79);
      if (!text.empty())
        TextOutA(dc, left, top + row * line_h, text.data(), static_cast<int>(text.size()));
      ++row;
    }
    if (page_open) EndPage(dc);
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
