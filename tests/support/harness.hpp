#pragma once
// Test helpers: temporary working folders, generated material, and whole-program runs with a
// key script.
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace halvorin::testing {

// A fresh folder under the system's temporary folder, removed when the object goes.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const { return path_ + "/" + name; }
  // Writes a file as given (no line-end conversion).
  void write(const std::string& name, const std::string& content) const;
  // Writes lines with CR LF line ends, as the program's own files have them.
  void write_lines(const std::string& name, const std::vector<std::string>& lines) const;
  std::string read(const std::string& name) const;
  // The file's lines without their line ends (CR LF or LF).
  std::vector<std::string> lines(const std::string& name) const;
  bool exists(const std::string& name) const;
  void remove(const std::string& name) const;

 private:
  std::string path_;
};

// Copies the demo styles, the style list and the verse table into the folder.
void copy_demo(const TempDir& dir);
// Generates material with the project's generator (profile full, small or sparse). The kept
// packets and listings were made from material with the lines the material check reports
// (--flaws); `flaws` false gives the generator's clean default.
void generate_material(const TempDir& dir, const std::string& profile = "small", int seed = 1,
                       bool flaws = true);

// A test suite sharing one folder of the demo styles and generated full material, made once.
template <int Seed = 1>
class DemoMaterialSuite : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new TempDir;
    copy_demo(*dir_);
    generate_material(*dir_, "full", Seed);
  }
  static void TearDownTestSuite() {
    delete dir_;
    dir_ = nullptr;
  }
  static inline TempDir* dir_ = nullptr;
};

struct RunResult {
  int status = -1;     // exit status (or 128 + signal)
  std::string screen;  // the final screen: 25 lines of 80 characters
  std::string colors;  // foregrounds then backgrounds, one hex digit per cell
  std::string err;     // what the program wrote on stderr
  std::string out;     // what it wrote on stdout
  // One row of the final screen (1..25), 80 characters.
  std::string row(int r) const;
  // The foreground and background of a cell (column, row from 1).
  int fg(int col, int row) const;
  int bg(int col, int row) const;
};

// Runs the program in `dir` with the key script `keys` (key script syntax) and extra arguments.
RunResult run_halvorin(const TempDir& dir, const std::string& keys,
                       const std::vector<std::string>& args = {});
// Runs any command line through the shell and returns its status and output.
RunResult run_command(const std::string& command);

// A file under tests/ (path relative to it), read whole; empty when missing.
std::string test_data(const std::string& path);
// The names in a folder under tests/ that end in `suffix`, sorted.
std::vector<std::string> test_data_names(const std::string& folder, const std::string& suffix);
// A case table kept under tests/: one case a line, fields separated by tabs; blank lines and
// lines starting with '#' are skipped. Each row carries its line number for failure messages.
struct CaseRow {
  int line = 0;
  std::vector<std::string> f;
  const std::string& operator[](size_t i) const { return f.at(i); }
  int num(size_t i) const { return std::stoi(f.at(i)); }
};
std::vector<CaseRow> test_table(const std::string& path);
// "file:line" of a case, for SCOPED_TRACE.
std::string case_name(const std::string& path, const CaseRow& row);
// Compares `got` with the expected text kept in a file under tests/. With HALVORIN_UPDATE_GOLDEN
// set the file is written instead, so a deliberate change is one run and a review of the diff.
void expect_golden(const std::string& path, const std::string& got);
// Quotes one word for the shell that run_command uses (sh, or cmd.exe on Windows).
std::string shell_word(const std::string& s);
// Sets or removes an environment variable of this process.
void set_env(const std::string& name, const std::string& value);
void unset_env(const std::string& name);

}  // namespace halvorin::testing
