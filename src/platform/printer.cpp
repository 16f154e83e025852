#include "platform/printer.hpp"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include "output/sheets.hpp"
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
