#include "material/check_rules.hpp"

#include <sys/stat.h>

#include <cctype>
#include <memory>

#include "material/counts.hpp"
#include "material/material_set.hpp"
#include "platform/errors.hpp"
#include "platform/text_file.hpp"

namespace halvorin {

namespace {

bool blank(const std::string& s) { return s.find_first_not_of(" \t") == std::string::npos; }

time_t write_time(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 ? st.st_mtime : 0;
}

// The count file's line of chapter c, verse v (1-based; `verses` lines per chapter).
long count_line(int c, int v, int verses) { return static_cast<long>(c - 1) * verses + v; }

// A chapter as messages name it: "chapter 6", or "Romans chapter 6" in a set of several books.
std::string chapter_name(const MaterialSet& set, int running) {
  const ChapterPlace at = set.place_of(running);
  const std::string c = "chapter " + std::to_string(at.chapter);
  return set.several_books() ? set.book_of_chapter(running).name + " " + c : c;
}

}  // namespace

int count_total(const CountTable& t) {
  int n = 0;
  for (int c = 1; c <= t.rows(); ++c)
    for (int v = 1; v <= t.cols(); ++v) n += t(c, v);
  return n;
}

void check_question_file(QuestionFileSummary& f, const RunState& rs, bool verses_known,
                         const LineRule& extra, const ProblemSink& problem) {
  f.counts.resize(rs.set.total_chapters(), rs.set.count_verses());
  std::string path;
  try {
    path = find_file(f.name);
  } catch (const FileError& e) {  // several names in other letter case
    problem(f.name, 0, e.message());
    return;
  }
  if (path.empty()) {
    problem(f.name, 0, "missing");
    return;
  }
  f.found = true;
  f.name = path;  // as it is written in the folder, for the messages
  TextReader in(f.name);
  ReferenceWalk walk(rs.set);
  // The verse table the verses are held to: the declaration, or Acts' Verses.txt.
  const char* verse_table = find_file(kSetFile).empty() ? kVerseTable : kSetFile;
  // A file of the reduced material ("LL...", "llsit.txt") of a declared set holds only the
  // chapters its books' "reduced:" lines name; the reduced Acts material keeps its own rules.
  const bool reduced = !rs.set.acts_verse_table && f.name.size() >= 2 &&
                       std::tolower(static_cast<unsigned char>(f.name[0])) == 'l' &&
                       std::tolower(static_cast<unsigned char>(f.name[1])) == 'l';
  bool counted = true;
  int blank_at = 0;  // the first of a run of blank lines, reported once a question follows it
  while (!in.eof()) {
    const int line = in.line();
    const std::string whole = in.read_line(1 << 20);
    ++f.lines;
    if (blank(whole)) {
      if (blank_at == 0) blank_at = line;
      continue;
    }
    if (blank_at != 0) {
      problem(f.name, blank_at, "a blank line among the questions");
      blank_at = 0;
    }
    if (std::string why = walk.take(whole, f.counts); !why.empty()) {
      problem(f.name, line, why);
      counted = false;
    } else if (reduced && !rs.set.reduced_covers(walk.chapter())) {
      problem(f.name, line,
              walk.where() + " lies in " + chapter_name(rs.set, walk.chapter()) +
                  ", which the reduced material leaves out (its book's \"reduced:\" in " +
                  kSetFile + ")");
    } else if (verses_known && walk.verse() > rs.EVS[walk.chapter()]) {
      problem(f.name, line,
              "verse " + std::to_string(walk.verse()) + " of " +
                  chapter_name(rs.set, walk.chapter()) + " is past the " +
                  std::to_string(rs.EVS[walk.chapter()]) + " verses of " + verse_table);
    }
    // The columns of the rest are those of a line of a set of one book.
    const std::string s = reference_line(rs.set, whole);
    for (const std::string& why : field_problems(s, f.kind, book_columns(rs.set)))
      problem(f.name, line, why);
    if (extra)
      if (std::string why = extra(whole, f.kind); !why.empty()) problem(f.name, line, why);
    if (f.kind == Kind::Ftv)
      ++f.types[ftv_type_vr(s) ? std::string("VR") : std::string(1, at(s, 9))];
  }
  if (counted && count_total(f.counts) == 0) problem(f.name, 0, "holds no questions");
  f.counted = counted;
}

CountFileState check_count_file(const std::string& name, const MaterialSet& set,
                                const std::array<const QuestionFileSummary*, 5>& sources,
                                const std::string& rebuild, const ProblemSink& problem) {
  CountFileState state;
  std::string path;
  try {
    path = find_file(name);
  } catch (const FileError& e) {
    problem(name, 0, e.message());
    return state;
  }
  if (path.empty()) return state;
  state.present = true;
  std::string newer;
  for (const QuestionFileSummary* f : sources)
    if (f && f->found && write_time(f->name) > write_time(path))
      newer += (newer.empty() ? "" : ", ") + f->name;
  if (!newer.empty()) problem(name, 0, "older than " + newer + "; " + rebuild);
  auto rs = std::make_unique<RunState>();
  const int chapters = set.total_chapters(), verses = set.count_verses();
  for (Kind k : kAllKinds) rs->count[k].resize(chapters, verses);
  try {
    load_count_file(*rs, path);
  } catch (const FileError& e) {
    problem(name, e.line(), e.message());
    return state;
  }
  state.readable = true;
  for (Kind k : kAllKinds) {
    const QuestionFileSummary* f = sources[static_cast<size_t>(k)];
    if (!f || !f->found || !f->counted) continue;
    const CountTable& table = rs->count[k];
    for (int c = 1; c <= chapters; ++c)
      for (int v = 1; v <= verses; ++v)
        if (table(c, v) != f->counts(c, v) && state.differ++ == 0)
          problem(name, static_cast<int>(count_line(c, v, verses)),
                  "the " + std::string(kind_name(f->kind)) + " count of " +
                      running_reference(set, c, v) + " is " + std::to_string(table(c, v)) +
                      " but " + f->name + " has " + std::to_string(f->counts(c, v)) + "; " +
                      rebuild);
  }
  return state;
}

}  // namespace halvorin
