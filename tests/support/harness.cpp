#include "support/harness.hpp"

#ifndef _WIN32
#include <sys/wait.h>
#endif

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace halvorin::testing {

namespace {

std::string slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

#ifdef _WIN32
// cmd.exe: double quotes (the tests' arguments hold none).
std::string quote(const std::string& s) { return "\"" + s + "\""; }
constexpr const char* kNoInput = " <NUL";
#else
std::string quote(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}
constexpr const char* kNoInput = " </dev/null";
#endif

}  // namespace

TempDir::TempDir() {
  static std::mt19937_64 names{std::random_device{}()};
  fs::path base = fs::temp_directory_path();
  for (int tries = 0; tries < 100 && path_.empty(); ++tries) {
    fs::path p = base / ("halvorin-test-" + std::to_string(names() % 1000000000000ULL));
    if (fs::create_directory(p)) path_ = p.generic_string();
  }
  if (path_.empty()) throw std::runtime_error("cannot make a temporary folder");
}

TempDir::~TempDir() {
  std::error_code ec;
  fs::remove_all(path_, ec);
}

void TempDir::write(const std::string& name, const std::string& content) const {
  std::ofstream(file(name), std::ios::binary) << content;
}

void TempDir::write_lines(const std::string& name, const std::vector<std::string>& lines) const {
  std::string s;
  for (auto& l : lines) s += l + "\r\n";
  write(name, s);
}

std::string TempDir::read(const std::string& name) const { return slurp(file(name)); }

std::vector<std::string> TempDir::lines(const std::string& name) const {
  std::vector<std::string> out;
  std::string s = read(name), cur;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\n') {
      if (!cur.empty() && cur.back() == '\r') cur.pop_back();
      out.push_back(cur);
      cur.clear();
    } else {
      cur += s[i];
    }
  }
  if (!cur.empty()) out.push_back(cur);
  return out;
}

bool TempDir::exists(const std::string& name) const { return fs::exists(file(name)); }

void TempDir::remove(const std::string& name) const { fs::remove(file(name)); }

void copy_demo(const TempDir& dir) {
  for (auto& e : fs::directory_iterator(fs::path(HALVORIN_SOURCE_DIR) / "demo"))
    if (e.is_regular_file())
      fs::copy_file(e.path(), fs::path(dir.path()) / e.path().filename(),
                    fs::copy_options::overwrite_existing);
}

void generate_material(const TempDir& dir, const std::string& profile, int seed, bool flaws) {
  std::string cmd = quote(HALVORIN_MATERIAL_BIN) + " --out " + quote(dir.path()) + " --profile " +
                    profile + " --seed " + std::to_string(seed) + (flaws ? " --flaws" : "");
  RunResult r = run_command(cmd);
  if (r.status != 0) throw std::runtime_error("material generator failed: " + r.err);
}

std::string RunResult::row(int r) const {
  if (r < 1 || r > 25 || screen.size() < 25 * 81) return {};
  return screen.substr(static_cast<size_t>((r - 1) * 81), 80);
}

int RunResult::fg(int col, int r) const {
  size_t i = static_cast<size_t>((r - 1) * 81 + col - 1);
  return i < colors.size() ? std::stoi(colors.substr(i, 1), nullptr, 16) : -1;
}

int RunResult::bg(int col, int r) const {
  size_t i = static_cast<size_t>((25 + r - 1) * 81 + col - 1);
  return i < colors.size() ? std::stoi(colors.substr(i, 1), nullptr, 16) : -1;
}

std::string shell_word(const std::string& s) { return quote(s); }

RunResult run_command(const std::string& command) {
  TempDir scratch;
  std::string cmd =
      command + " >" + quote(scratch.file("out")) + " 2>" + quote(scratch.file("err")) + kNoInput;
#ifdef _WIN32
  // cmd.exe /c drops the first and last quote of a line that starts with one.
  int st = std::system(("\"" + cmd + "\"").c_str());
  RunResult r;
  r.status = st;
#else
  int st = std::system(cmd.c_str());
  RunResult r;
  r.status = WIFEXITED(st) ? WEXITSTATUS(st) : 128 + WTERMSIG(st);
#endif
  r.out = scratch.read("out");
  r.err = scratch.read("err");
  return r;
}

RunResult run_halvorin(const TempDir& dir, const std::string& keys,
                       const std::vector<std::string>& args) {
  TempDir scratch;
  scratch.write("keys", keys);
  std::string cmd = quote(HALVORIN_BIN) + " -C " + quote(dir.path()) + " --keys " +
                    quote(scratch.file("keys")) + " --dump-screen " + quote(scratch.file("screen"));
  for (auto& a : args) cmd += " " + quote(a);
  RunResult r = run_command(cmd);
  r.screen = scratch.read("screen");
  r.colors = scratch.read("screen.colors");
  return r;
}

std::string test_data(const std::string& path) {
  return slurp(std::string(HALVORIN_SOURCE_DIR) + "/tests/" + path);
}

std::vector<std::string> test_data_names(const std::string& folder, const std::string& suffix) {
  std::vector<std::string> names;
  for (const auto& e :
       fs::directory_iterator(std::string(HALVORIN_SOURCE_DIR) + "/tests/" + folder))
    if (e.path().filename().string().ends_with(suffix))
      names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<CaseRow> test_table(const std::string& path) {
  std::vector<CaseRow> rows;
  std::istringstream in(test_data(path));
  std::string line;
  for (int n = 1; std::getline(in, line); ++n) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    CaseRow row{n, {}};
    for (size_t at = 0;;) {
      const size_t tab = line.find('\t', at);
      row.f.push_back(line.substr(at, tab - at));
      if (tab == std::string::npos) break;
      at = tab + 1;
    }
    rows.push_back(std::move(row));
  }
  EXPECT_FALSE(rows.empty()) << "no cases in " << path;
  return rows;
}

std::string case_name(const std::string& path, const CaseRow& row) {
  return path + ":" + std::to_string(row.line);
}

void expect_golden(const std::string& path, const std::string& got) {
  const std::string full = std::string(HALVORIN_SOURCE_DIR) + "/tests/" + path;
  if (std::getenv("HALVORIN_UPDATE_GOLDEN")) {
    std::ofstream(full, std::ios::binary) << got;
    return;
  }
  ASSERT_TRUE(fs::exists(full)) << "no expected text " << path;
#ifdef _WIN32
  // The console writes CR LF; the files' own bytes are compared with the Linux build's apart.
  auto plain = [](std::string t) { return std::erase(t, '\r'), t; };
  if (plain(slurp(full)) == plain(got)) return;
#endif
  const std::string want = slurp(full);
  if (want == got) return;
  // Name the first line that differs; the whole texts follow for the diff.
  size_t line = 1, i = 0;
  for (; i < want.size() && i < got.size() && want[i] == got[i]; ++i) line += want[i] == '\n';
  ADD_FAILURE() << path << ": first difference on line " << line << "\n--- expected\n"
                << want << "\n--- got\n"
                << got;
}

void set_env(const std::string& name, const std::string& value) {
#ifdef _WIN32
  ::_putenv_s(name.c_str(), value.c_str());
#else
  ::setenv(name.c_str(), value.c_str(), 1);
#endif
}

void unset_env(const std::string& name) {
#ifdef _WIN32
  ::_putenv_s(name.c_str(), "");
#else
  ::unsetenv(name.c_str());
#endif
}

}  // namespace halvorin::testing
