// Command line: halvorin [-C DIR] [--keys FILE] [--seed N] [--dump-screen FILE] [--help] [--version]
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>

#include "driver/pass.hpp"
#include "platform/errors.hpp"
#include "platform/text_file.hpp"

using namespace halvorin;

namespace {

constexpr int kExitFile = 2, kExitScript = 3, kExitUsage = 64, kExitInternal = 70;

const char* kUsage =
    "usage: halvorin [-C DIR] [--keys FILE] [--seed N] [--dump-screen FILE] [--help] [--version]\n"
    "\n"
    "Builds packets of quizzes on the book of Acts from the question material in the working\n"
    "directory.\n"
    "\n"
    "  -C DIR              run in DIR (the folder with the styles and the material)\n"
    "  --keys FILE         read the keys from a key script instead of the terminal\n"
    "  --seed N            seed the random generator with N (the same seed, the same packet)\n"
    "  --dump-screen FILE  with --keys: write the final screen to FILE and its colours to\n"
    "                      FILE.colors\n"
    "  --help              show this text\n"
    "  --version           show the version\n"
    "\n"
    "Exit status: 0 after Exit, 2 a file or material error, 3 the key script ran out,\n"
    "64 a bad command line, 70 an internal error.\n";

struct Options {
  std::string dir;
  std::string keys;
  std::optional<uint64_t> seed;
  std::string dump;
};

int usage_error(const std::string& what) {
  std::cerr << "halvorin: " << what << "\n" << kUsage;
  return kExitUsage;
}

void dump_screen(const Screen& screen, const std::string& file) {
  std::ofstream(file, std::ios::binary) << screen.text();
  std::ofstream(file + ".colors", std::ios::binary) << screen.colors();
}

}  // namespace

int main(int argc, char** argv) {
  Options opt;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    auto value = [&](std::string& out) {
      if (i + 1 >= argc) return false;
      out = argv[++i];
      return true;
    };
    if (a == "--help" || a == "-h") {
      std::cout << kUsage;
      return 0;
    } else if (a == "--version") {
      std::cout << "halvorin " << HALVORIN_VERSION << "\n";
      return 0;
    } else if (a == "-C") {
      if (!value(opt.dir)) return usage_error("-C needs a folder");
    } else if (a == "--keys") {
      if (!value(opt.keys)) return usage_error("--keys needs a file");
    } else if (a == "--dump-screen") {
      if (!value(opt.dump)) return usage_error("--dump-screen needs a file");
    } else if (a == "--seed") {
      std::string s;
      if (!value(s) || s.empty() || s.size() > 19 ||
          s.find_first_not_of("0123456789") != std::string::npos)
        return usage_error("--seed needs a number");
      opt.seed = std::stoull(s);
    } else {
      return usage_error("unknown option '" + a + "'");
    }
  }
  if (!opt.dump.empty() && opt.keys.empty()) return usage_error("--dump-screen needs --keys");

  // Files named on the command line are taken relative to where the program was started.
  std::string dump = opt.dump;
  std::string keys_text;
  if (!opt.keys.empty()) {
    std::ifstream in(opt.keys, std::ios::binary);
    if (!in) {
      std::cerr << "halvorin: " << opt.keys << ":0: cannot open the key script\n";
      return kExitFile;
    }
    std::ostringstream ss;
    ss << in.rdbuf();
    keys_text = ss.str();
  }
  if (!dump.empty() && dump[0] != '/') {
    char cwd[4096];
    if (::getcwd(cwd, sizeof cwd)) dump = std::string(cwd) + "/" + dump;
  }
  if (!opt.dir.empty() && ::chdir(opt.dir.c_str()) != 0) {
    std::cerr << "halvorin: " << opt.dir << ":0: cannot change to this folder: "
              << std::strerror(errno) << "\n";
    return kExitFile;
  }

  // Test seam: HALVORIN_FAULT_AT=n makes the n-th file operation of the run fail.
  if (const char* fault = std::getenv("HALVORIN_FAULT_AT"); fault && *fault)
    inject_file_fault(std::strtol(fault, nullptr, 10));

  std::unique_ptr<Terminal> term;
  std::unique_ptr<Program> program;
  int status = 0;
  int signal_to_raise = 0;
  try {
    if (!opt.keys.empty())
      term = std::make_unique<ScriptTerminal>(parse_key_script(keys_text, opt.keys));
    else
      term = make_curses_terminal();
    program = std::make_unique<Program>(*term, opt.seed ? *opt.seed : Random::clock_seed());
    run_program(*program);
  } catch (const FileError& e) {
    status = kExitFile;
    term.reset();
    std::cerr << "halvorin: " << e.what() << "\n";
  } catch (const ScriptEnded& e) {
    status = kExitScript;
    std::cerr << "halvorin: " << e.what() << "\n";
  } catch (const Interrupted& e) {
    signal_to_raise = e.signal_number();
  } catch (const std::exception& e) {
    status = kExitInternal;
    term.reset();
    std::cerr << "halvorin: internal error: " << e.what() << "\n";
  }
  if (program && !dump.empty()) dump_screen(program->con, dump);
  program.reset();
  term.reset();  // restores the real terminal
  if (signal_to_raise) {
    std::signal(signal_to_raise, SIG_DFL);
    std::raise(signal_to_raise);
  }
  return status;
}
