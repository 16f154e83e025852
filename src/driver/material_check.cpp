#include "driver/material_check.hpp"

#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <filesystem>
#include <map>
#include <memory>
#include <random>
#include <regex>
#include <set>

#include "config/checks.hpp"
#include "config/form_fields.hpp"
#include "config/style_list.hpp"
#include "driver/pass.hpp"
#include "material/counts.hpp"
#include "material/files.hpp"
#include "material/line_check.hpp"
#include "output/layouts.hpp"
#include "platform/errors.hpp"
#include "sectoring/chapter_sectoring.hpp"
#include "sectoring/resector.hpp"
#include "sectoring/sector_counts.hpp"
#include "sectoring/verse_sectoring.hpp"

namespace halvorin {

namespace {

const char* kind_name(Kind k) {
  switch (k) {
    case Kind::Regular:
      return "regular";
    case Kind::Ftv:
      return "FTV";
    case Kind::CvRef:
      return "CV Ref";
    case Kind::CoRef:
      return "CO Ref";
    case Kind::Sit:
      return "SIT";
  }
  return "";
}

// The kind of a problem, for the count by kind that ends the report: a name for the messages
// that carry values in their middle, else the message up to the value or advice it ends with.
std::string problem_kind(const std::string& what) {
  static const std::pair<const char*, const char*> named[] = {
      {" columns of the printed first line", "a first line too wide for the printed page"},
      {"; only the first ", "a line longer than the program reads"},
      {" lie outside chapters ", "a reference outside the book"},
      {"(lines must be in chapter and verse order)", "a reference out of order"},
      {" questions of this kind at ", "too many questions at one verse"},
      {" verses of Verses.txt", "a verse past the verse table"},
      {"older than ", "a count file older than the material"},
      {" count of ", "a count file that differs from the material"},
      {" regular questions, fewer than ", "too few regular questions for a quiz"},
      {"field \"", "a style value the form would not save"}};
  for (const auto& [part, kind] : named)
    if (what.find(part) != std::string::npos) return kind;
  size_t end = what.size();
  for (const char* stop : {": ", "; ", " (", ", not '"}) end = std::min(end, what.find(stop));
  return what.substr(0, end);
}

// The five question files a style reads, as the pass named them.
std::vector<std::pair<std::string, Kind>> style_question_files(const RunState& rs) {
  std::vector<std::pair<std::string, Kind>> files;
  for (Kind k : kAllKinds) files.emplace_back(rs.question_file(k), k);
  return files;
}

// Problems found so far, printed as they come, at most kProblemsShownPerFile per file.
class Report {
 public:
  explicit Report(std::ostream& out) : out_(out) {}
  void problem(const std::string& file, int line, const std::string& what) {
    ++total_;
    ++per_kind_[problem_kind(what)];
    if (++per_file_[file] <= kProblemsShownPerFile)
      out_ << file << ":" << line << ": " << what << "\n";
  }
  // The count of each kind of problem, the most frequent first.
  void by_kind(std::ostream& out) const {
    std::vector<std::pair<int, std::string>> kinds;
    for (const auto& [kind, n] : per_kind_) kinds.emplace_back(-n, kind);
    std::sort(kinds.begin(), kinds.end());
    const int width = kinds.empty() ? 1 : static_cast<int>(std::to_string(-kinds[0].first).size());
    for (const auto& [n, kind] : kinds) {
      const std::string count = std::to_string(-n);
      out << std::string(static_cast<size_t>(2 + width) - count.size(), ' ') << count << "  "
          << kind << "\n";
    }
  }
  // Problems found in one file.
  int of(const std::string& file) const {
    auto it = per_file_.find(file);
    return it == per_file_.end() ? 0 : it->second;
  }
  int total() const { return total_; }

 private:
  std::ostream& out_;
  std::map<std::string, int> per_file_;
  std::map<std::string, int> per_kind_;
  int total_ = 0;
};

// What one question file holds.
struct FileSummary {
  FileSummary(std::string n, Kind k) : name(std::move(n)), kind(k) {}
  std::string name;
  Kind kind = Kind::Regular;
  bool found = false;
  bool counted = false;  // every reference could be counted
  int lines = 0;
  CountTable counts{"counts"};
  std::map<std::string, int> types;  // FTV type letters
};

// Chapters as "1-6, 8-28".
std::string chapter_list(const CountTable& t) {
  std::string out;
  int run_start = 0;
  for (int c = 1; c <= CHMAX + 1; ++c) {
    bool has = false;
    for (int v = 1; c <= CHMAX && v <= VMAX && !has; ++v) has = t(c, v) > 0;
    if (has && run_start == 0) run_start = c;
    if (!has && run_start != 0) {
      out += (out.empty() ? "" : ", ") + std::to_string(run_start);
      if (c - 1 > run_start) out += "-" + std::to_string(c - 1);
      run_start = 0;
    }
  }
  return out.empty() ? "none" : out;
}

int total(const CountTable& t) {
  int n = 0;
  for (int c = 1; c <= CHMAX; ++c)
    for (int v = 1; v <= VMAX; ++v) n += t(c, v);
  return n;
}

bool blank(const std::string& s) { return s.find_first_not_of(" \t") == std::string::npos; }

// A question whose first line on the page layout is too long for its reference: printed lines
// keep 78 columns, so the reference (columns 72 to 78) would be pushed along and cut off.
std::string first_line_problem(const std::string& line, Kind kind) {
  const char type = kind_letter(kind);
  QuestionText t;
  const bool two_pieces = type == 'F' || type == 'S';
  load_text(t, line.substr(0, LMAX),
            two_pieces && line.size() > LMAX ? line.substr(LMAX, LMAX) : std::string());
  RestFn rest = nullptr;
  const int width = static_cast<int>(page_first_line(t, type, "nn. ", rest).size());
  const int room = PAGE_REFERENCE_COLUMN - 1;
  if (width <= room) return {};
  const std::string what = type == 'S'   ? "the situation before the quotation"
                           : type == 'F' ? "the FTV label and first five words"
                                         : "the question's first line";
  return what + " takes " + std::to_string(width) + " columns of the printed first line, " +
         "more than the " + std::to_string(room) +
         " before the reference; the reference would be pushed past column 78 and cut off";
}

// Reads every line of a question file and reports what the program could not use.
void check_question_file(FileSummary& f, const RunState& rs, bool verses_known, Report& report) {
  f.counts.fill(0);
  std::string path;
  try {
    path = find_file(f.name);
  } catch (const FileError& e) {  // several names in other letter case
    report.problem(f.name, 0, e.message());
    return;
  }
  if (path.empty()) {
    report.problem(f.name, 0, "missing");
    return;
  }
  f.found = true;
  f.name = path;  // as it is written in the folder, for the messages
  TextReader in(f.name);
  ReferenceWalk walk;
  bool counted = true;
  int blank_at = 0;  // the first of a run of blank lines, reported once a question follows it
  while (!in.eof()) {
    const int line = in.line();
    std::string s = in.read_line(1 << 20);
    ++f.lines;
    if (blank(s)) {
      if (blank_at == 0) blank_at = line;
      continue;
    }
    if (blank_at != 0) {
      report.problem(f.name, blank_at, "a blank line among the questions");
      blank_at = 0;
    }
    if (std::string why = walk.take(s, f.counts); !why.empty()) {
      report.problem(f.name, line, why);
      counted = false;
    } else if (verses_known && walk.verse() > rs.EVS[walk.chapter()]) {
      report.problem(f.name, line,
                     "verse " + std::to_string(walk.verse()) + " of chapter " +
                         std::to_string(walk.chapter()) + " is past the " +
                         std::to_string(rs.EVS[walk.chapter()]) + " verses of Verses.txt");
    }
    for (const std::string& why : field_problems(s, f.kind)) report.problem(f.name, line, why);
    if (std::string why = first_line_problem(s, f.kind); !why.empty())
      report.problem(f.name, line, why);
    if (f.kind == Kind::Ftv) {
      const bool vr = at(s, 9) == 'V' && at(s, 10) == 'R';
      ++f.types[vr ? std::string("VR") : std::string(1, at(s, 9))];
    }
  }
  if (counted && total(f.counts) == 0) report.problem(f.name, 0, "holds no questions");
  f.counted = counted;
}

void summarize(const FileSummary& f, const Report& report, std::ostream& out) {
  if (!f.found) return;
  const int n = total(f.counts);
  out << f.name << ": " << f.lines << " lines, " << n << " " << kind_name(f.kind) << " questions";
  if (!f.types.empty()) {
    out << " (types";
    for (const auto& [t, k] : f.types) out << " " << t << " " << k;
    out << ")";
  }
  out << ", chapters " << chapter_list(f.counts);
  const int problems = report.of(f.name);
  if (problems == 0)
    out << ", clean";
  else
    out << ", " << problems << (problems == 1 ? " problem" : " problems");
  if (problems > kProblemsShownPerFile)
    out << " (" << problems - kProblemsShownPerFile << " not listed)";
  out << "\n";
}

time_t write_time(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 ? st.st_mtime : 0;
}

// The count file against the files it was built from: readable, not older, the same counts.
void check_count_file(const std::string& name, const std::vector<const FileSummary*>& sources,
                      const std::string& rebuild, Report& report, std::ostream& out) {
  std::string path;
  try {
    path = find_file(name);
  } catch (const FileError& e) {
    report.problem(name, 0, e.message());
    return;
  }
  if (path.empty()) return;
  std::string newer;
  for (const FileSummary* f : sources)
    if (f && f->found && write_time(f->name) > write_time(path))
      newer += (newer.empty() ? "" : ", ") + f->name;
  if (!newer.empty()) report.problem(name, 0, "older than " + newer + "; " + rebuild);
  auto rs = std::make_unique<RunState>();
  try {
    load_count_file(*rs, path);
  } catch (const FileError& e) {
    report.problem(name, e.line(), e.message());
    out << name << ": unreadable\n";
    return;
  }
  int differ = 0;
  for (Kind k : kAllKinds) {
    const FileSummary* f = sources[static_cast<size_t>(k)];
    if (!f || !f->found || !f->counted) continue;
    const CountTable& table = rs->count[k];
    for (int c = 1; c <= CHMAX; ++c)
      for (int v = 1; v <= VMAX; ++v)
        if (table(c, v) != f->counts(c, v) && differ++ == 0)
          report.problem(name, static_cast<int>(count_line(c, v)),
                         "the " + std::string(kind_name(f->kind)) + " count of " +
                             std::to_string(c) + ":" + std::to_string(v) + " is " +
                             std::to_string(table(c, v)) + " but " + f->name + " has " +
                             std::to_string(f->counts(c, v)) + "; " + rebuild);
  }
  out << name << ": " << COUNT_LINES << " records"
      << (differ ? ", " + std::to_string(differ) + " differ from the material" : "") << "\n";
}

// The kind of a material file from its name, or nothing for other files.
std::optional<Kind> kind_of(const std::string& name) {
  static const std::pair<std::regex, Kind> kinds[] = {
      {std::regex("(ll)?acts\\.[abc]", std::regex::icase), Kind::Regular},
      {std::regex("(ll)?ftv\\.[0-9][0-9]", std::regex::icase), Kind::Ftv},
      {std::regex("(ll)?cv\\.[bc]", std::regex::icase), Kind::CvRef},
      {std::regex("(ll)?co\\.[bc]", std::regex::icase), Kind::CoRef},
      {std::regex("(ll)?sit\\.txt", std::regex::icase), Kind::Sit}};
  for (const auto& [re, k] : kinds)
    if (std::regex_match(name, re)) return k;
  return std::nullopt;
}

std::vector<std::string> folder_files() {
  std::vector<std::string> names;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(".", ec), end; !ec && it != end; it.increment(ec))
    names.push_back(it->path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

std::string lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// The summary of the file named `name` in any letter case, or null.
const FileSummary* source(const std::vector<FileSummary>& files, const std::string& name) {
  for (const FileSummary& f : files)
    if (lower(f.name) == lower(name)) return &f;
  return nullptr;
}

// A temporary folder for the count file that sectoring reads, removed with its file.
class ScratchFolder {
 public:
  ScratchFolder() {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path base = fs::temp_directory_path(ec);
    if (ec) return;
    std::random_device rd;
    for (int tries = 0; tries < 100 && path_.empty(); ++tries) {
      fs::path p = base / ("halvorin-check." + std::to_string(rd() % 1000000000u));
      if (fs::create_directory(p, ec)) path_ = p.string();
    }
  }
  ~ScratchFolder() {
    if (path_.empty()) return;
    std::error_code ec;
    std::filesystem::remove(path_ + "/count", ec);
    std::filesystem::remove(path_, ec);
  }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

// Cuts the style's range the way a pass would, accepting every proposal, and reports a sector
// without regular questions.
void check_sectors(Program& p, const std::string& style_file, Report& report, std::ostream& out) {
  RunState& rs = p.rs;
  range_totals(rs, rs.style());
  rs.SECTORS = rs.QMAX;
  if (rs.TQUEST < rs.SECTORS) {
    report.problem(style_file, 0,
                   "the range holds " + std::to_string(rs.TQUEST) + " regular questions, fewer " +
                       "than the " + std::to_string(rs.SECTORS) + " a quiz takes");
    return;
  }
  ScratchFolder scratch;
  if (scratch.path().empty()) throw FileError("/tmp", 0, "cannot make a scratch folder");
  rs.COUNTFILE = scratch.path() + "/count";
  write_count_file(rs, rs.COUNTFILE);
  const char mode = p.cu.SEC1;
  rs.TEMPF = rs.FBEFORE;
  if (mode == 'C') {
    bool any = false;
    for (int c = rs.BCHAP; c <= rs.ECHAP; ++c) any = any || !absent_chapter(rs, c);
    if (!any) {
      report.problem(style_file, 0, "the range holds no chapter of this level's material");
      return;
    }
    // Sectoring by chapter gives every chapter at least one sector.
    rs.SECTORS = std::max(rs.QMAX, rs.ECHAP - rs.BCHAP + 1);
    propose_chapter_sectors(rs);
    lay_chapter_sectors(rs);
    count_chapter_sectors(rs);
  } else if (mode == 'Q' || sector_by_verse(rs) < 0) {
    rs.MINQZ = rs.TQUEST / rs.SECTORS;
    cut_by_questions(rs);
  }
  // Every question of a sector has its own availability however large the sector, so only a
  // sector without regular questions limits the style.
  int smallest = INT_MAX;
  for (int s = 1; s <= rs.SECTORS; ++s) smallest = std::min(smallest, rs.QPS[s]);
  if (smallest == 0) report.problem(style_file, 0, "a sector holds no regular questions");
  out << style_file << ": " << rs.SECTORS << " sectors by "
      << (mode == 'C'   ? "chapter"
          : mode == 'Q' ? "question"
                        : "verse")
      << ", " << rs.TQUEST << " regular questions in the range, the smallest sector " << smallest
      << "\n";
}

}  // namespace

int check_material(Program& p, const std::string& style, std::ostream& out) {
  RunState& rs = p.rs;
  Report report(out);

  bool verses_known = true;
  try {
    read_verse_table(rs);
  } catch (const FileError& e) {
    report.problem(e.file(), e.line(), e.message());
    verses_known = false;
  }

  std::vector<FileSummary> files;
  std::vector<std::string> count_files;
  std::string style_file;
  bool style_ok = false;
  if (!style.empty()) {
    check_plain_name(style, "the command line", 0);
    style_file = style_file_name(style);
    SETVS(p.cu);
    p.cu.NAME = style_file;
    READIN(p);
    rs.NAME = style;
    read_run_style(p);
    name_ftv_and_count_files(p);
    name_material_files(rs, p.cu.REGLST, p.cu.NAME4);
    if (std::optional<Broken> broken = saved_style_broken(p.cu))
      report.problem(style_file, 0,
                     std::string("field \"") + field_spec(broken->field).label +
                         "\" holds a value the configuration form would not save" +
                         (broken->why.empty() ? "" : ": " + broken->why));
    else
      style_ok = true;
    for (const auto& [name, kind] : style_question_files(rs)) files.emplace_back(name, kind);
    count_files.push_back(rs.COUNTFILE);
  } else {
    static const std::regex count_name("(ll)?count\\.[0-9][0-9][abc]", std::regex::icase);
    for (const std::string& name : folder_files()) {
      if (std::optional<Kind> k = kind_of(name)) files.emplace_back(name, *k);
      if (std::regex_match(name, count_name)) count_files.push_back(name);
    }
    if (files.empty()) report.problem(".", 0, "no material files in this folder");
  }

  for (FileSummary& f : files) check_question_file(f, rs, verses_known, report);
  for (const FileSummary& f : files) summarize(f, report, out);
  if (verses_known) {
    int verses = 0;
    for (int c = 1; c <= CHMAX; ++c) verses += rs.EVS[c];
    out << "Verses.txt: 28 chapters, " << verses << " verses\n";
  }

  // A style that reindexes rebuilds its count file on every run.
  const std::string rebuild = style.empty() || p.cu.INDX == 'N'
                                  ? "set the style's reindex to Y to rebuild it"
                                  : "the style's reindex is Y, so its next run rebuilds it";
  for (const std::string& name : count_files) {
    // A count file's name says which files it counts: [LL]count.dd + list letter.
    const std::string n = lower(name);
    const std::string ll = n.rfind("ll", 0) == 0 ? "LL" : "";
    const std::string dd = n.substr(n.size() - 3, 2);
    const char list = n.back();
    const std::string ref = list == 'c' ? ".c" : ".b";
    check_count_file(
        name,
        {source(files, ll + "Acts." + std::string(1, list)), source(files, ll + "FTV." + dd),
         source(files, ll + "cv" + ref), source(files, ll + "co" + ref),
         source(files, ll.empty() ? "SIT.TXT" : "llsit.txt")},
        rebuild, report, out);
  }

  if (!style.empty() && style_ok) {
    bool counted = true;
    for (const FileSummary& f : files) counted = counted && f.found && f.counted;
    if (counted) {
      for (Kind k : kAllKinds) rs.count[k] = files[static_cast<size_t>(k)].counts;
      check_sectors(p, style_file, report, out);
    } else {
      out << style_file << ": sectors not checked until the question files can be counted\n";
    }
  }
  const int n = report.total();
  if (n == 0)
    out << "no problems found\n";
  else
    out << n << (n == 1 ? " problem" : " problems") << " found\n";
  report.by_kind(out);
  return report.total();
}

int question_file_problems(const RunState& rs) {
  std::ostream unlisted(nullptr);
  Report report(unlisted);
  for (const auto& [name, kind] : style_question_files(rs)) {
    FileSummary f(name, kind);
    check_question_file(f, rs, true, report);
  }
  return report.total();
}

}  // namespace halvorin
