#include "keyfuzz/key_fuzz.hpp"

#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "platform/errors.hpp"
#include "platform/text_file.hpp"
#include "state/style.hpp"

namespace halvorin::keyfuzz {

namespace fs = std::filesystem;

namespace {

uint64_t next(uint64_t& s) {
  uint64_t z = (s += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}
int pick(uint64_t& s, int n) {
  return n <= 0 ? 0 : static_cast<int>(next(s) % static_cast<uint64_t>(n));
}

std::string read_file(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}
void write_file(const fs::path& p, const std::string& s) {
  std::ofstream(p, std::ios::binary) << s;
}
std::string quote(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

// Key scripts open with one of these, so runs get past the style list and the form often enough
// to reach the later screens; the rest is random.
const char* const kOpenings[] = {
    "",
    "Enter Esc Enter",
    "Enter Esc Enter Enter",
    "Down Enter Esc Enter Enter",
    "Down Down Enter Esc Enter",
    "Enter Esc 7*Enter",
    "Enter Esc 7*Enter Down Enter",
    "Down Down Down Enter Esc Enter",
};

// One random key with the weights the screens call for: moves, Enter, Esc, digits, letters.
std::string random_token(uint64_t& s) {
  static const char* const kLetters = "yYnNFROSfrosCPTVQDdAaBbLl";
  int r = pick(s, 100);
  if (r < 28) {
    static const char* const kArrows[] = {"Up", "Down", "Left", "Right"};
    return kArrows[pick(s, 4)];
  }
  if (r < 48) return "Enter";
  if (r < 55) return "Esc";
  if (r < 70) return "\"" + std::string(1, static_cast<char>('0' + pick(s, 10))) + "\"";
  if (r < 82) return "\"" + std::string(1, kLetters[pick(s, 25)]) + "\"";
  if (r < 87) return "Space";
  if (r < 90) return pick(s, 2) ? "Backspace" : "Tab";
  if (r < 93) {
    static const char* const kOther[] = {"Home", "End", "PgUp", "PgDn", "Del", "Ins"};
    return kOther[pick(s, 6)];
  }
  if (r < 96) return "\"" + std::string(1, static_cast<char>('a' + pick(s, 26))) + "\"";
  return "<" + std::to_string(pick(s, 256)) + ">";
}

int token_keys(const std::string& t) {
  if (t == "Up" || t == "Down" || t == "Left" || t == "Right" || t == "Home" || t == "End" ||
      t == "PgUp" || t == "PgDn" || t == "Del" || t == "Ins")
    return 2;
  return 1;
}

// Style values a person could type into a style file by hand, some far out of range.
std::string odd_style(uint64_t& s, bool broken) {
  auto n = [&](int lo, int hi) { return std::to_string(lo + pick(s, hi - lo + 1)); };
  auto letter = [&](const char* set) {
    return std::string(1, set[pick(s, int(std::strlen(set)))]);
  };
  std::vector<std::string> l = {letter("FLF"),
                                n(1, 28) + " " + n(1, 65),
                                n(1, 28) + " " + n(1, 65),
                                letter("OoWx") + "dd" + n(0, 9),
                                n(0, 120),
                                letter("CPTX"),
                                n(0, 32),
                                letter("ABCabc"),
                                n(0, 31),
                                n(0, 100),
                                letter("YN"),
                                n(0, 6),
                                letter("CVQX"),
                                n(0, 100),
                                n(0, 8),
                                n(0, 6)};
  for (int k = 0; k < 8; ++k) l.push_back(n(0, 4));
  l.push_back(pick(s, 4) ? "59" : n(0, 100));
  l.push_back(n(0, 12));
  l.push_back(n(0, 32));
  l.push_back(letter("YN"));
  std::string typ;
  for (int k = 0; k < 30; ++k) typ += "nAFROS"[pick(s, 6)];
  l.push_back(typ);
  if (broken) {
    switch (pick(s, 5)) {
      case 0:
        l[static_cast<size_t>(4 + pick(s, 20))] = "x7";
        break;  // a number that is not
      case 1:
        l.resize(static_cast<size_t>(pick(s, 28)));
        break;  // cut short
      case 2:
        l[3] = "../elsewhere";
        break;  // output outside the folder
      case 3:
        l[static_cast<size_t>(4 + pick(s, 20))] = "99999";
        break;
      default:
        l[1] = "-" + n(1, 300) + " " + n(200, 400);
        break;
    }
  }
  std::string out;
  for (auto& x : l) out += x + "\r\n";
  return out;
}

// What a folder holds now: name -> content.
std::map<std::string, std::string> snapshot(const fs::path& dir) {
  std::map<std::string, std::string> m;
  for (const auto& e : fs::directory_iterator(dir))
    if (e.is_regular_file()) m[e.path().filename().string()] = read_file(e.path());
  return m;
}

// Why a file the run wrote does not load again; empty when it does.
std::string check_written(const fs::path& dir, const std::string& name, const std::string& text) {
  try {
    TextReader in = TextReader::from_text(text, name);
    if (name == "Specs.lst") {
      int lines = 0;
      while (!in.eof()) {
        std::string entry = in.read_line(16);
        if (++lines > 14) return "the style list has more than 14 lines";
        if (entry.empty()) return "the style list has an empty line " + std::to_string(lines);
      }
    } else if (name.size() > 4 && name.substr(name.size() - 4) == ".spe") {
      (void)read_style(in);
    }
  } catch (const FileError& e) {
    return e.what();
  }
  return {};
}

}  // namespace

std::string random_key_script(uint64_t& s, int max_keys, int* key_count) {
  std::string script = kOpenings[pick(s, int(std::size(kOpenings)))];
  int keys = 0;
  for (std::istringstream in(script); in;) {
    std::string t;
    if (!(in >> t)) break;
    keys += t.rfind("7*", 0) == 0 ? 7 : token_keys(t);
  }
  const int want = 1 + pick(s, max_keys);
  while (keys < want) {
    std::string t = random_token(s);
    int times = pick(s, 10) == 0 ? 2 + pick(s, 6) : 1;  // now and then a run of one key
    for (int k = 0; k < times && keys < want; ++k) {
      script += (script.empty() ? "" : " ") + t;
      keys += token_keys(t);
    }
  }
  if (key_count) *key_count = keys;
  return script + "\n";
}

Report run(const Options& opt) {
  Report rep;
  uint64_t s = opt.seed * 0x100000001B3ull + 7;
  fs::create_directories(opt.work_dir);
  const fs::path work = fs::absolute(opt.work_dir);
  const auto start = std::chrono::steady_clock::now();
  static const char* const kProfiles[] = {"small", "sparse", "full"};

  for (int i = 0;; ++i) {
    if (opt.runs > 0 && i >= opt.runs) break;
    if (opt.only >= 0 && i > opt.only) break;
    const double spent =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (opt.seconds > 0 && spent >= opt.seconds) break;
    if (opt.runs <= 0 && opt.seconds <= 0) break;

    // Material of one profile, made once and copied into each run's folder.
    const std::string profile = kProfiles[pick(s, 3)];
    const fs::path material = work / ("material-" + profile);
    if (!fs::exists(material / "Verses.txt")) {
      std::string cmd = quote(opt.material_tool) + " --out " + quote(material.string()) +
                        " --profile " + profile + " --seed 1 >/dev/null 2>&1";
      if (std::system(cmd.c_str()) != 0) {
        rep.failures.push_back("the material generator failed: " + cmd);
        return rep;
      }
    }
    const fs::path dir = work / ("run-" + std::to_string(i));
    fs::remove_all(dir);
    fs::create_directories(dir);
    for (const fs::path& from : {material, fs::path(opt.demo_dir)})
      for (const auto& e : fs::directory_iterator(from))
        if (e.is_regular_file())
          fs::copy_file(e.path(), dir / e.path().filename(), fs::copy_options::overwrite_existing);

    // Now and then an odd style, valid or broken, listed above "Enter New Specs".
    bool valid_setup = true;
    const int odd = pick(s, 10);
    if (odd < 4) {
      bool broken = odd == 0;
      valid_setup = !broken;
      write_file(dir / "Odd.spe", odd_style(s, broken));
      std::string list = read_file(dir / "Specs.lst");
      size_t at = list.find("Enter New Specs");
      if (at != std::string::npos) list.insert(at, "Odd\r\n");
      write_file(dir / "Specs.lst", list);
    } else if (odd == 4) {
      valid_setup = false;
      write_file(dir / "Specs.lst", pick(s, 2)
                                        ? std::string("Weekly\r\n../Weekly\r\nEnter New Specs\r\n")
                                        : std::string(""));
    }
    const auto before = snapshot(dir);

    int keys = 0;
    const std::string script = random_key_script(s, opt.max_keys, &keys);
    const fs::path keyfile = work / ("keys-" + std::to_string(i));
    write_file(keyfile, script);
    const fs::path errfile = work / ("err-" + std::to_string(i));
    const uint64_t run_seed = next(s) % 1000000;
    if (opt.only >= 0 && i != opt.only) {
      fs::remove_all(dir);
      fs::remove(keyfile);
      continue;
    }
    // The print command counts the copies it is sent, so a long print job the keys asked for
    // (the copies prompt takes up to five digits) is told apart from a hang.
    const fs::path printed = work / ("printed-" + std::to_string(i));
    fs::remove(printed);
    std::string cmd =
        "HALVORIN_PRINTER=" + quote("(cat >/dev/null; echo >> " + quote(printed.string()) + ")") +
        " ASAN_OPTIONS=detect_leaks=1 "
        "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 timeout -k 5 " +
        std::to_string(opt.timeout) + " " + quote(opt.program) + " -C " + quote(dir.string()) +
        " --keys " + quote(keyfile.string()) + " --seed " + std::to_string(run_seed) +
        " </dev/null >/dev/null 2>" + quote(errfile.string());
    int st = std::system(cmd.c_str());
    int status = WIFEXITED(st) ? WEXITSTATUS(st) : 128 + WTERMSIG(st);
    ++rep.runs;
    rep.keys += keys;
    rep.statuses[status]++;
    const std::string err = read_file(errfile);

    static const std::regex screen_re("ran out on the (.*) screen");
    std::smatch m;
    if (std::regex_search(err, m, screen_re))
      rep.screens.insert(m[1]);
    else if (status == 0)
      rep.screens.insert("(exit)");
    else if (status == 2)
      rep.screens.insert("(file error)");

    std::vector<std::string> why;
    std::ifstream printed_in(printed);
    const long copies = std::count(std::istreambuf_iterator<char>(printed_in), {}, '\n');
    fs::remove(printed);
    if ((status == 124 || status == 137) && copies > 20)
      rep.notes.push_back("run " + std::to_string(i) + ": still printing after " +
                          std::to_string(copies) + " copies at the time bound");
    else if (status == 124 || status == 137)
      why.push_back("hung (no end within the time bound)");
    if (status == 70) why.push_back("internal error");
    if (status >= 128 && status != 137)
      why.push_back("ended by signal " + std::to_string(status - 128));
    if (status != 0 && status != 1 && status != 2 && status != 3 && status != 124 &&
        status != 137 && why.empty())
      why.push_back("unexpected exit status " + std::to_string(status));
    for (const char* marker :
         {"AddressSanitizer", "LeakSanitizer", "runtime error:", "UndefinedBehaviorSanitizer"})
      if (err.find(marker) != std::string::npos) why.push_back(std::string("sanitizer: ") + marker);
    static const std::regex tmp_re(R"(.*\.tmp[0-9]+$)");
    for (const auto& [name, text] : snapshot(dir)) {
      if (std::regex_match(name, tmp_re)) why.push_back("temporary file left: " + name);
      auto old = before.find(name);
      if (old != before.end() && old->second == text) continue;
      if (std::string bad = check_written(dir, name, text); !bad.empty())
        why.push_back("written file does not load: " + name + ": " + bad);
    }
    if (status == 2 && valid_setup) {
      std::string first = err.substr(0, err.find('\n'));
      rep.notes.push_back("run " + std::to_string(i) + ": " + first);
    }

    if (!why.empty()) {
      std::string line = "run " + std::to_string(i) + " (keys " + keyfile.string() + ", seed " +
                         std::to_string(run_seed) + ", folder " + dir.string() + "):";
      for (auto& w : why) line += " " + w + ";";
      std::string first = err.substr(0, err.find('\n'));
      if (!first.empty()) line += " stderr: " + first;
      rep.failures.push_back(line);
    }
    const bool noted = (status == 2 && valid_setup) || copies > 20;
    if (((why.empty() && !noted) || !opt.keep_failures) && opt.only < 0) {
      fs::remove_all(dir);
      fs::remove(keyfile);
      fs::remove(errfile);
    }
  }
  return rep;
}

std::string summary(const Report& r) {
  std::ostringstream o;
  o << "runs: " << r.runs << "\nkeys sent: " << r.keys << "\nexit statuses:";
  for (auto& [st, n] : r.statuses) o << " " << st << "x" << n;
  o << "\nscreens reached (" << r.screens.size() << "):";
  for (auto& sc : r.screens) o << " [" << sc << "]";
  o << "\nnotes (file errors on valid set-ups, long print jobs): " << r.notes.size() << "\n";
  for (auto& n : r.notes) o << "  " << n << "\n";
  o << "failures: " << r.failures.size() << "\n";
  for (auto& f : r.failures) o << "  " << f << "\n";
  return o.str();
}

}  // namespace halvorin::keyfuzz
