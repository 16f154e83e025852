#include "platform/printer.hpp"

#include <sys/wait.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>

namespace halvorin {

std::string printer_command() {
  const char* p = std::getenv("HALVORIN_PRINTER");
  return (p && *p) ? p : "lp";
}

std::string print_copies(const std::vector<std::string>& lines, int copies) {
  std::string cmd = printer_command();
  // A print command that exits early must not kill us with SIGPIPE.
  auto old = std::signal(SIGPIPE, SIG_IGN);
  std::string err;
  for (int c = 0; c < copies && err.empty(); ++c) {
    std::FILE* p = ::popen((cmd + " >/dev/null 2>&1").c_str(), "w");
    if (!p) {
      err = "cannot start the print command '" + cmd + "'";
      break;
    }
    bool ok = true;
    for (const auto& l : lines) {
      std::string out = l.substr(0, 79) + "\n";
      if (std::fwrite(out.data(), 1, out.size(), p) != out.size()) ok = false;
    }
    int st = ::pclose(p);
    if (!ok || st == -1 || !WIFEXITED(st) || WEXITSTATUS(st) != 0)
      err = "the print command '" + cmd + "' failed" +
            (st != -1 && WIFEXITED(st) ? " (exit status " + std::to_string(WEXITSTATUS(st)) + ")"
                                       : "");
  }
  std::signal(SIGPIPE, old);
  return err;
}

}  // namespace halvorin
