// Command line:
//   halvorin [-C DIR] [--keys FILE] [--seed N] [--dump-screen FILE] [--help] [--version]
//   halvorin [-C DIR] --batch STYLE [--seed N]
//   halvorin [-C DIR] --check-material [STYLE]
//   halvorin --init DIR [--season NAME]
//   halvorin --pdf FILE.qui
#include <cctype>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>

#include "config/style_list.hpp"
#include "driver/batch.hpp"
#include "driver/league_folder.hpp"
#include "driver/material_check.hpp"
#include "driver/pass.hpp"
#include "material/seasons.hpp"
#include "output/pdf.hpp"
#include "platform/batch_terminal.hpp"
#include "platform/errors.hpp"
#include "platform/text_file.hpp"

using namespace halvorin;

namespace {

constexpr int kExitRefused = 1, kExitFile = 2, kExitScript = 3, kExitUsage = 64, kExitInternal = 70;

const char* kUsage =
    "usage: halvorin [-C DIR] [--keys FILE] [--seed N] [--dump-screen FILE] [--help] [--version]\n"
    "       halvorin [-C DIR] --batch STYLE [--seed N]\n"
    "       halvorin [-C DIR] --check-material [STYLE]\n"
    "       halvorin --init DIR [--season NAME]\n"
    "       halvorin --pdf FILE.qui\n"
    "\n"
    "Builds packets of quizzes on the book of Acts, or on the books of the season its Set.txt\n"
    "declares, from the question material in the working directory.\n"
    "\n"
    "  -C DIR                  run in DIR (the folder with the styles and the material)\n"
    "  --keys FILE             read the keys from a key script instead of the terminal\n"
    "  --seed N                start the first pass from seed N (the same seed, the same\n"
    "                          packet); every pass shows its own seed on the closing screen\n"
    "                          and writes it as the last line of the .inf file\n"
    "  --dump-screen FILE      with --keys: write the final screen to FILE and its colours to\n"
    "                          FILE.colors\n"
    "  --batch STYLE           make one packet of the saved STYLE without the screens: patterns\n"
    "                          as generated, sectors as proposed, automatic combinations, no\n"
    "                          printing; prints a summary\n"
    "  --check-material [STYLE]\n"
    "                          check the material files of STYLE (or every material file in the\n"
    "                          folder) and print one line per problem as FILE:LINE: what\n"
    "  --init DIR              make DIR a league folder: the demo styles, their list and the\n"
    "                          verse table, then the next steps\n"
    "  --season NAME           with --init: a folder for that season's books (its Set.txt in\n"
    "                          place of the verse table, the styles' ranges on its books):\n"
    "                          acts (the default), galatians-philemon, luke, corinthians,\n"
    "                          john, hebrews-peter, matthew, romans-james\n"
    "  --pdf FILE.qui          write FILE.pdf from a kept quiz file (Letter; A4 when\n"
    "                          HALVORIN_PAPER=a4)\n"
    "  --help                  show this text\n"
    "  --version               show the version\n"
    "\n"
    "Exit status: 0 after Exit, a batch packet made or clean material; 1 a batch style that\n"
    "cannot be filled (the reason on stderr) or material problems found; 2 a file or material\n"
    "error; 3 the key script ran out; 64 a bad command line; 70 an internal error; 130\n"
    "interrupted (Ctrl-C). See man halvorin.\n";

struct Options {
  std::string dir;
  std::string keys;
  std::optional<uint64_t> seed;
  std::string dump;
  bool batch = false;
  bool check = false;
  std::string style;  // of --batch or --check-material
  std::string init;   // folder of --init
  std::string pdf;    // quiz file of --pdf

  const Season* season = nullptr;  // of --season (none: Acts)
  bool season_given = false;       // --season was on the command line
};

// What the program does with a command line that holds together.
enum class Mode { Interactive, Batch, CheckMaterial, Init, Pdf };

Mode mode_of(const Options& opt) {
  if (!opt.pdf.empty()) return Mode::Pdf;
  if (!opt.init.empty()) return Mode::Init;
  if (opt.batch) return Mode::Batch;
  if (opt.check) return Mode::CheckMaterial;
  return Mode::Interactive;
}

int usage_error(const std::string& what) {
  std::cerr << "halvorin: " << what << "\n" << kUsage;
  return kExitUsage;
}

void dump_screen(const Screen& screen, const std::string& file) {
  std::ofstream(file, std::ios::binary) << screen.text();
  std::ofstream(file + ".colors", std::ios::binary) << screen.colors();
}

// The demo that --init copies: installed beside the program (PREFIX/bin/halvorin finds
// PREFIX/share/halvorin/demo, the Windows zip keeps it in the program's folder), else the
// source tree the program was built from.
std::string demo_folder() {
  std::vector<std::string> candidates;
  const std::filesystem::path exe = program_file();
  if (!exe.empty()) {
    candidates.push_back((exe.parent_path().parent_path() / HALVORIN_DATA_DIR / "demo").string());
    // The Windows zip unpacks the demo beside the program.
    candidates.push_back(exe.parent_path().string());
  }
  candidates.push_back(HALVORIN_SOURCE_DEMO);
  return find_demo_folder(candidates);
}

int init_folder(const std::string& dir, const Season* season) {
  std::string demo = demo_folder();
  if (demo.empty()) {
    std::cerr << "halvorin: the demo folder is missing (looked beside the program and in "
              << HALVORIN_SOURCE_DEMO << "); reinstall the program\n";
    return kExitFile;
  }
  try {
    init_league_folder(demo, dir, std::cout, season);
  } catch (const FileError& e) {
    std::cerr << "halvorin: " << e.what() << "\n";
    return kExitFile;
  }
  return 0;
}

// Writes FILE.pdf beside FILE.qui.
int pdf_of_quiz_file(const std::string& qui) {
  namespace fs = std::filesystem;
  const fs::path in(qui);
  std::string ext = in.extension().string();
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (ext == ".pdf") return usage_error("--pdf needs the quiz file, not the PDF");
  const fs::path out = fs::path(in).replace_extension(".pdf");
  std::error_code ec;
  if (in.has_parent_path()) fs::current_path(in.parent_path(), ec);
  if (ec) {
    std::cerr << "halvorin: " << printable(in.parent_path().string())
              << ":0: cannot change to this folder: " << ec.message() << "\n";
    return kExitFile;
  }
  const Paper paper = paper_from_env();
  try {
    const int sheets = write_packet_pdf(in.filename().string(), out.filename().string(), paper);
    std::cout << "wrote " << printable(out.string()) << ": " << sheets
              << (sheets == 1 ? " sheet" : " sheets") << " on " << paper.name << "\n";
  } catch (const FileError& e) {
    std::cerr << "halvorin: " << e.what() << "\n";
    return kExitFile;
  }
  return 0;
}

// Passes what batch runs and the material check print on to another stream, with every control
// character but the line end shown as printable() shows it: names and lines quoted from files
// reach the terminal as text.
class PrintableOut : public std::streambuf {
 public:
  explicit PrintableOut(std::streambuf* to) : to_(to) {}

 protected:
  int overflow(int c) override {
    if (c == traits_type::eof()) return traits_type::not_eof(c);
    const char ch = static_cast<char>(c);
    const std::string s = ch == '\n' ? std::string(1, ch) : printable({&ch, 1});
    const auto n = static_cast<std::streamsize>(s.size());
    return to_->sputn(s.data(), n) == n ? c : traits_type::eof();
  }
  int sync() override { return to_->pubsync(); }

 private:
  std::streambuf* to_;
};

std::string working_folder() {
  std::error_code ec;
  auto cwd = std::filesystem::current_path(ec);
  return ec ? std::string(".") : cwd.string();
}

// Reads the command line into `opt`. Returns the status to end with at once (after --help,
// --version or a usage error), or nothing to go on.
std::optional<int> parse_command_line(int argc, char** argv, Options& opt) {
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
    } else if (a == "--batch") {
      opt.batch = true;
      if (!value(opt.style) || opt.style.empty()) return usage_error("--batch needs a style");
    } else if (a == "--check-material") {
      opt.check = true;
      if (i + 1 < argc && argv[i + 1][0] != '-') opt.style = argv[++i];
    } else if (a == "--init") {
      if (!value(opt.init) || opt.init.empty()) return usage_error("--init needs a folder");
    } else if (a == "--season") {
      std::string name;
      if (!value(name) || name.empty()) return usage_error("--season needs a name");
      opt.season = find_season(name);
      opt.season_given = true;
      if (!opt.season) {
        std::string names;
        for (const Season& s : seasons()) names += (names.empty() ? "" : ", ") + s.name;
        return usage_error("unknown season '" + printable(name) + "' (the seasons: " + names + ")");
      }
    } else if (a == "--pdf") {
      if (!value(opt.pdf) || opt.pdf.empty()) return usage_error("--pdf needs a quiz file");
      if (argc != 3) return usage_error("--pdf goes alone");
      return std::nullopt;  // nothing follows it
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
  return std::nullopt;
}

// The options that do not go together, as a usage error, or nothing when they do.
std::optional<int> combination_error(int argc, const Options& opt) {
  if (!opt.pdf.empty()) return std::nullopt;
  if (!opt.dump.empty() && opt.keys.empty()) return usage_error("--dump-screen needs --keys");
  if (opt.batch && opt.check) return usage_error("--batch and --check-material go alone");
  if ((opt.batch || opt.check) && !opt.keys.empty())
    return usage_error("--batch and --check-material need no --keys");
  if (opt.check && opt.seed) return usage_error("--check-material draws nothing; --seed is unused");
  if (opt.season_given && opt.init.empty()) return usage_error("--season goes with --init");
  if (!opt.init.empty() && argc != (opt.season_given ? 5 : 3))
    return usage_error("--init goes alone (or with --season)");
  return std::nullopt;
}

// The files every run reads, checked before the first screen rather than after a filled-in form
// (and before the test seam starts counting file operations). The material check reads its own.
std::optional<int> check_start(const Options& opt) {
  if (opt.check) return std::nullopt;
  try {
    check_league_folder(opt.batch ? StartCheck::Batch : StartCheck::Interactive);
  } catch (const FileError& e) {
    std::cerr << "halvorin: " << e.what() << "\n";
    if (e.file() == kStyleList && e.message().rfind("file not found", 0) == 0)
      std::cerr << not_a_league_folder_hint(working_folder());
    return kExitFile;
  }
  return std::nullopt;
}

// What a run takes from the command line before it changes folder: the key script's text and
// the dump file's full name (files named on the command line are taken relative to where the
// program was started).
struct RunInputs {
  std::string keys_text;
  std::string dump;
};

// Reads the key script and fixes the dump file's name, then changes to the run's folder and
// checks the files every run reads. Returns the status to end with when one of these fails.
std::optional<int> prepare_run(const Options& opt, RunInputs& in) {
  in.dump = opt.dump;
  if (!opt.keys.empty()) {
    std::ifstream file(opt.keys, std::ios::binary);
    if (!file) {
      std::cerr << "halvorin: " << opt.keys << ":0: cannot open the key script\n";
      return kExitFile;
    }
    std::ostringstream ss;
    ss << file.rdbuf();
    in.keys_text = ss.str();
  }
  std::error_code ec;
  if (!in.dump.empty()) {
    auto full = std::filesystem::absolute(in.dump, ec);
    if (!ec) in.dump = full.string();
  }
  std::error_code cd;
  if (!opt.dir.empty()) std::filesystem::current_path(opt.dir, cd);
  if (cd) {
    std::cerr << "halvorin: " << opt.dir << ":0: cannot change to this folder: " << cd.message()
              << "\n";
    return kExitFile;
  }
  return check_start(opt);
}

std::unique_ptr<Terminal> make_terminal(Mode mode, const Options& opt, const RunInputs& in) {
  if (mode == Mode::Batch) return std::make_unique<BatchTerminal>(batch_answers());
  if (mode == Mode::CheckMaterial)
    return std::make_unique<BatchTerminal>(std::map<std::string, std::string>{});
  if (!opt.keys.empty())
    return std::make_unique<ScriptTerminal>(parse_key_script(in.keys_text, opt.keys));
#ifdef _WIN32
  return make_console_terminal();
#else
  return make_curses_terminal();
#endif
}

// Runs the screens (or the batch packet, or the material check) to the end and returns the exit
// status; a failure is told on stderr once the real terminal is back. An interrupt ends the
// program by its signal, as it would have without the program's handler.
int run(Mode mode, const Options& opt, const RunInputs& in) {
  std::unique_ptr<Terminal> term;
  std::unique_ptr<Program> program;
  int status = 0;
  int signal_to_raise = 0;
  try {
    term = make_terminal(mode, opt, in);
    program = std::make_unique<Program>(*term, opt.seed ? *opt.seed : Random::clock_seed());
    PrintableOut shown(std::cout.rdbuf());
    std::ostream out(&shown);
    if (mode == Mode::Batch)
      run_batch(*program, opt.style, out);
    else if (mode == Mode::CheckMaterial)
      status = check_material(*program, opt.style, out) == 0 ? 0 : kExitRefused;
    else
      run_program(*program);
  } catch (const BatchRefused& e) {
    status = kExitRefused;
    std::cerr << "halvorin: batch refused: " << e.what() << "\n";
  } catch (const FileError& e) {
    status = kExitFile;
    term.reset();
    std::cerr << "halvorin: " << e.what() << "\n";
  } catch (const ScriptEnded& e) {
    status = kExitScript;
    std::cerr << "halvorin: " << printable(e.what()) << "\n";
  } catch (const Interrupted& e) {
    signal_to_raise = e.signal_number();
  } catch (const std::exception& e) {
    status = kExitInternal;
    term.reset();
    std::cerr << "halvorin: internal error: " << printable(e.what()) << "\n";
  }
  if (program && !in.dump.empty()) dump_screen(program->con, in.dump);
  program.reset();
  term.reset();  // restores the real terminal
  if (signal_to_raise) {
#ifdef _WIN32
    return static_cast<int>(0xC000013AL);  // ended by Ctrl-C or the window closing
#endif
    std::signal(signal_to_raise, SIG_DFL);
    std::raise(signal_to_raise);
  }
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  Options opt;
  if (std::optional<int> status = parse_command_line(argc, argv, opt)) return *status;
  if (std::optional<int> status = combination_error(argc, opt)) return *status;
  const Mode mode = mode_of(opt);
  if (mode == Mode::Pdf) return pdf_of_quiz_file(opt.pdf);
  if (mode == Mode::Init) return init_folder(opt.init, opt.season);

  RunInputs in;
  if (std::optional<int> status = prepare_run(opt, in)) return *status;
  // Test seam: HALVORIN_FAULT_AT=n makes the n-th file operation of the run fail.
  if (const char* fault = std::getenv("HALVORIN_FAULT_AT"); fault && *fault)
    inject_file_fault(std::strtol(fault, nullptr, 10));
  return run(mode, opt, in);
}
