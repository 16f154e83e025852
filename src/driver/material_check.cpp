#include "driver/material_check.hpp"

#include <algorithm>
#include <array>
#include <cctype>
#include <climits>
#include <filesystem>
#include <map>
#include <optional>

#include "config/checks.hpp"
#include "config/form_fields.hpp"
#include "config/style_list.hpp"
#include "driver/pass.hpp"
#include "material/check_rules.hpp"
#include "material/counts.hpp"
#include "material/files.hpp"
#include "material/material_set.hpp"
#include "output/fields.hpp"
#include "output/layouts.hpp"
#include "platform/errors.hpp"
#include "sectoring/chapter_sectoring.hpp"
#include "sectoring/sector_range.hpp"

namespace halvorin {

namespace {

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
  // The sink the material's rules report to.
  ProblemSink sink() {
    return [this](const std::string& file, int line, const std::string& what) {
      problem(file, line, what);
    };
  }

 private:
  std::ostream& out_;
  std::map<std::string, int> per_file_;
  std::map<std::string, int> per_kind_;
  int total_ = 0;
};

// Chapters as "1-6, 8-28"; in a set of several books each book's own chapters after its letter:
// "R 1-16, J 1-5".
std::string chapter_list(const CountTable& t, const MaterialSet& set) {
  std::string out;
  int run_start = 0;
  const int chapters = std::min(t.rows(), set.total_chapters());
  auto close_run = [&](int last) {
    const ChapterPlace first = set.place_of(run_start);
    out += (out.empty() ? "" : ", ");
    if (set.several_books()) out += std::string(1, set.book(first.book).letter) + " ";
    out += std::to_string(first.chapter);
    if (last > run_start) out += "-" + std::to_string(set.place_of(last).chapter);
    run_start = 0;
  };
  for (int c = 1; c <= chapters; ++c) {
    bool has = false;
    for (int v = 1; v <= t.cols() && !has; ++v) has = t(c, v) > 0;
    // A run ends at a chapter without questions and at the end of a book.
    if (!has && run_start != 0) close_run(c - 1);
    if (has && run_start != 0 && set.place_of(c).book != set.place_of(run_start).book)
      close_run(c - 1);
    if (has && run_start == 0) run_start = c;
  }
  if (run_start != 0) close_run(chapters);
  return out.empty() ? "none" : out;
}

// A question whose first line on the page layout is too long for its reference: printed lines
// keep 78 columns, so the reference (columns 72 to 78) would be pushed along and cut off.
std::string first_line_problem(const MaterialSet& set, const std::string& whole, Kind kind) {
  const std::string line = reference_line(set, whole);
  const std::string& name = set.book_or_first(set.several_books() ? at(whole, 1) : 0).name;
  const char type = kind_letter(kind);
  QuestionText t;
  const bool two_pieces = type == 'F' || type == 'S';
  load_text(t, line.substr(0, LMAX),
            two_pieces && line.size() > LMAX ? line.substr(LMAX, LMAX) : std::string());
  RestFn rest = nullptr;
  const int width = static_cast<int>(page_first_line(t, type, "nn. ", rest, name).size());
  const int room = PAGE_REFERENCE_COLUMN - 1;
  if (width <= room) return {};
  const std::string what = type == 'S'   ? "the situation before the quotation"
                           : type == 'F' ? "the FTV label and first five words"
                                         : "the question's first line";
  return what + " takes " + std::to_string(width) + " columns of the printed first line, " +
         "more than the " + std::to_string(room) +
         " before the reference; the reference would be pushed past column 78 and cut off";
}

LineRule first_line_rule(const MaterialSet& set) {
  return [&set](const std::string& line, Kind kind) { return first_line_problem(set, line, kind); };
}

void summarize(const QuestionFileSummary& f, const MaterialSet& set, const Report& report,
               std::ostream& out) {
  if (!f.found) return;
  const int n = count_total(f.counts);
  out << f.name << ": " << f.lines << " lines, " << n << " " << kind_name(f.kind) << " questions";
  if (!f.types.empty()) {
    out << " (types";
    for (const auto& [t, k] : f.types) out << " " << t << " " << k;
    out << ")";
  }
  out << ", chapters " << chapter_list(f.counts, set);
  const int problems = report.of(f.name);
  if (problems == 0)
    out << ", clean";
  else
    out << ", " << problems << (problems == 1 ? " problem" : " problems");
  if (problems > kProblemsShownPerFile)
    out << " (" << problems - kProblemsShownPerFile << " not listed)";
  out << "\n";
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
const QuestionFileSummary* source(const std::vector<QuestionFileSummary>& files,
                                  const std::string& name) {
  for (const QuestionFileSummary& f : files)
    if (lower(f.name) == lower(name)) return &f;
  return nullptr;
}

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
  const char mode = rs.SEC1;
  const SectorWay way = sector_way(mode);
  if (way == SectorWay::Chapter) {
    bool any = false;
    for (int c = rs.BCHAP; c <= rs.ECHAP; ++c) any = any || !absent_chapter(rs, c);
    if (!any) {
      report.problem(style_file, 0, "the range holds no chapter of this level's material");
      return;
    }
    // Sectoring by chapter gives every chapter at least one sector.
    rs.SECTORS = std::max(rs.QMAX, rs.ECHAP - rs.BCHAP + 1);
    propose_chapter_sectors(rs);
  }
  cut_range(rs, way);
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

// What the check reads: question files, count files (each with what it counts), and for a
// style the name of its file and whether the form would save its values.
struct CheckPlan {
  std::vector<QuestionFileSummary> files;
  std::vector<std::pair<std::string, MaterialFileKey>> count_files;
  std::string style_file;
  bool style_ok = false;
};

// The verse table's summary line: "Verses.txt: 28 chapters, 1007 verses" for Acts; the
// declaration's books, chapters and verses for a declared set.
std::string verse_table_summary(const MaterialSet& set) {
  if (find_file(kSetFile).empty()) {
    int verses = 0;
    for (int c = 1; c <= set.total_chapters(); ++c) verses += set.verses_of(c);
    return std::string(kVerseTable) + ": " + std::to_string(set.total_chapters()) + " chapters, " +
           std::to_string(verses) + " verses";
  }
  std::string s = std::string(kSetFile) + ": " + set.title;
  int all = 0;
  for (const Book& b : set.books) {
    int verses = 0;
    for (int v : b.verses) verses += v;
    all += verses;
    s += std::string(", ") + b.letter + " " + b.name + " " + std::to_string(b.chapters()) +
         " chapters " + std::to_string(verses) + " verses";
  }
  return s + "; " + std::to_string(set.total_chapters()) + " chapters, " + std::to_string(all) +
         " verses";
}

// Reads Verses.txt into EVS; false, with the problem reported, when it cannot be read.
bool read_verses(RunState& rs, Report& report) {
  try {
    read_verse_table(rs);
  } catch (const FileError& e) {
    report.problem(e.file(), e.line(), e.message());
    return false;
  }
  return true;
}

// The saved style `style` read as a pass reads it, its files named as a pass names them.
CheckPlan plan_for_style(Program& p, const std::string& style, Report& report) {
  RunState& rs = p.rs;
  CheckPlan plan;
  check_plain_name(style, "the command line", 0);
  plan.style_file = style_file_name(style);
  SETVS(p.cu);
  p.cu.NAME = plan.style_file;
  READIN(p);
  rs.NAME = style;
  // A range the folder's set cannot place (a book it lacks, a chapter past its book) is one
  // problem of the style; the material is still checked.
  std::optional<std::pair<int, std::string>> range_refused;
  try {
    read_run_style(p);
  } catch (const FileError& e) {
    if (e.file() != plan.style_file || (e.line() != 2 && e.line() != 3)) throw;
    range_refused.emplace(e.line(), e.message());
  }
  name_ftv_and_count_files(p);
  name_material_files(rs, rs.REGLST, rs.NAME4);
  if (std::optional<Broken> broken = saved_style_broken(p.cu))
    report.problem(plan.style_file, 0,
                   std::string("field \"") + field_spec(broken->field).label +
                       "\" holds a value the configuration form would not save" +
                       (broken->why.empty() ? "" : ": " + broken->why));
  else if (range_refused)
    report.problem(plan.style_file, range_refused->first, range_refused->second);
  else
    plan.style_ok = true;
  for (const auto& [name, kind] : style_question_files(rs)) plan.files.emplace_back(name, kind);
  plan.count_files.emplace_back(
      rs.COUNTFILE, MaterialFileKey{rs.LG, rs.REGLST, primpct_digits(rs.PRIMPCT), rs.set.prefix});
  return plan;
}

// Every material file of the working directory, by its name.
CheckPlan plan_for_folder(const MaterialSet& set, Report& report) {
  CheckPlan plan;
  for (const std::string& name : folder_files()) {
    if (std::optional<Kind> k = question_file_kind(name, set.prefix))
      plan.files.emplace_back(name, *k);
    if (std::optional<MaterialFileKey> key = count_file_key(name))
      plan.count_files.emplace_back(name, *key);
  }
  if (plan.files.empty()) report.problem(".", 0, "no material files in this folder");
  return plan;
}

// Checks every question file, then sums each one up, then the verse table.
void check_question_files(std::vector<QuestionFileSummary>& files, const RunState& rs,
                          bool verses_known, Report& report, std::ostream& out) {
  for (QuestionFileSummary& f : files)
    check_question_file(f, rs, verses_known, first_line_rule(rs.set), report.sink());
  for (const QuestionFileSummary& f : files) summarize(f, rs.set, report, out);
  if (verses_known) out << verse_table_summary(rs.set) << "\n";
}

// Checks each count file against the question files it counts that were read.
void check_count_files(const CheckPlan& plan, const MaterialSet& set, const std::string& rebuild,
                       Report& report, std::ostream& out) {
  for (auto [name, key] : plan.count_files) {
    key.prefix = set.prefix;
    std::array<const QuestionFileSummary*, 5> sources{};
    for (Kind k : kAllKinds)
      sources[static_cast<size_t>(k)] = source(plan.files, question_file_name(k, key));
    const CountFileState state = check_count_file(name, set, sources, rebuild, report.sink());
    if (!state.present) continue;
    if (!state.readable) {
      out << name << ": unreadable\n";
      continue;
    }
    out << name << ": " << set.count_lines() << " records"
        << (state.differ ? ", " + std::to_string(state.differ) + " differ from the material" : "")
        << "\n";
  }
}

// The style's sectors, once every question file could be counted.
void check_style_sectors(Program& p, const CheckPlan& plan, Report& report, std::ostream& out) {
  RunState& rs = p.rs;
  const std::vector<QuestionFileSummary>& files = plan.files;
  bool counted = true;
  for (const QuestionFileSummary& f : files) counted = counted && f.found && f.counted;
  if (!counted) {
    out << plan.style_file << ": sectors not checked until the question files can be counted\n";
    return;
  }
  for (Kind k : kAllKinds) rs.count[k] = files[static_cast<size_t>(k)].counts;
  check_sectors(p, plan.style_file, report, out);
}

// The closing lines: the number of problems and their count by kind.
int conclude(const Report& report, std::ostream& out) {
  const int n = report.total();
  if (n == 0)
    out << "no problems found\n";
  else
    out << n << (n == 1 ? " problem" : " problems") << " found\n";
  report.by_kind(out);
  return n;
}

}  // namespace

int check_material(Program& p, const std::string& style, std::ostream& out) {
  Report report(out);
  const bool verses_known = read_verses(p.rs, report);
  // Without its declaration the folder's lines cannot be read as their books: nothing more to
  // check until it is mended.
  if (!verses_known && !find_file(kSetFile).empty()) return conclude(report, out);
  CheckPlan plan =
      style.empty() ? plan_for_folder(p.rs.set, report) : plan_for_style(p, style, report);
  check_question_files(plan.files, p.rs, verses_known, report, out);
  // A style that reindexes rebuilds its count file on every run.
  const std::string rebuild = style.empty() || p.cu.INDX == 'N'
                                  ? "set the style's reindex to Y to rebuild it"
                                  : "the style's reindex is Y, so its next run rebuilds it";
  check_count_files(plan, p.rs.set, rebuild, report, out);
  if (!style.empty() && plan.style_ok) check_style_sectors(p, plan, report, out);
  return conclude(report, out);
}

int question_file_problems(const RunState& rs) {
  std::ostream unlisted(nullptr);
  Report report(unlisted);
  for (const auto& [name, kind] : style_question_files(rs)) {
    QuestionFileSummary f(name, kind);
    check_question_file(f, rs, true, first_line_rule(rs.set), report.sink());
  }
  return report.total();
}

}  // namespace halvorin
