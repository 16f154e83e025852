#include "material/counts.hpp"

#include <algorithm>

#include "material/line_check.hpp"

namespace halvorin {

namespace {

bool is_blank(char c) { return c == ' ' || c == '\t'; }

bool blank_line(const std::string& s) {
  for (char c : s)
    if (!is_blank(c)) return false;
  return true;
}

// Reads a count that must fit a verse's byte counter.
int read_count(TextReader& in) {
  int n = in.read_int();
  if (n < 0 || n > KIND_MAX)
    in.fail("a count must be 0.." + std::to_string(KIND_MAX) + ", not " + std::to_string(n));
  return n;
}

}  // namespace

void size_counts(MaterialCounts& mc, const VerseTable& verses) {
  int widest = VMAX;
  for (int c = 1; c <= verses.size(); ++c) widest = std::max(widest, verses[c]);
  for (Kind k : kAllKinds) mc.count[k].resize(verses.size(), widest);
}

void BCOUNT(MaterialCounts& mc, int ch, int v) {
  for (Kind k : kAllKinds) mc.before_range[k] += mc.count[k](ch, v);
}

void TCOUNT(MaterialCounts& mc, int ch, int v) {
  for (Kind k : kAllKinds) mc.in_range[k] += mc.count[k](ch, v);
}

void SPECOUNT(const MaterialCounts& mc, Sectors& sectors, int x, int y, int s) {
  for (Kind k : kSpecialtyKinds) sectors.in_sector[k][s] += mc.count[k](x, y);
}

CountRecord READ11(Sectors& sectors, TextReader& count_file, int s, const MaterialSet& set) {
  CountRecord r;
  if (count_file.eof()) count_file.fail("the count file ends early: expected a count record");
  r.ch = count_file.read_int();
  r.vs = count_file.read_int();
  const int chapters = set.total_chapters(), verses = set.count_verses();
  if (r.ch < 1 || r.ch > chapters || r.vs < 1 || r.vs > verses)
    count_file.fail("a count record names chapter " + std::to_string(r.ch) + " verse " +
                    std::to_string(r.vs) + ", outside 1.." + std::to_string(chapters) + " and 1.." +
                    std::to_string(verses));
  // Every count is read before any is added, so a garbled record adds nothing.
  PerKind<int> n{};
  for (Kind k : kAllKinds) n[k] = read_count(count_file);
  count_file.skip_line();
  for (Kind k : kAllKinds) sectors.in_sector[k][s] += n[k];
  return r;
}

void CONVERT2(RunState& rs, int pos, char letter) {
  // The letter as the set declares it, whatever its case in the line.
  rs.RLBK[pos] = rs.set.book_or_first(letter).letter;
}

void zero_counts(MaterialCounts& mc) {
  for (Kind k : kAllKinds) mc.count[k].fill(0);
}

void count_question_file(TextReader& in, CountTable& table, const MaterialSet& set) {
  // Later readers skip lines by count and take each sector's questions by position, so every
  // line must be a question in chapter and verse order; anything else is refused here, before
  // a count built on it can pick the wrong questions.
  ReferenceWalk walk(set);
  std::string s;  // one buffer for every line, so reading a line allocates nothing
  while (!in.eof()) {
    int line = in.line();
    auto refuse = [&](const std::string& what) { throw FileError(in.name(), line, what); };
    s.assign(in.view_line(64));
    if (blank_line(s)) {
      // Blank lines at the very end are harmless: no reader gets that far.
      bool more = false;
      while (!in.eof() && !more) more = !blank_line(in.read_line(64));
      if (!more) break;
      refuse("a blank line among the questions (every line must be one question)");
    }
    if (std::string why = walk.take(s, table); !why.empty()) refuse(why);
  }
}

void build_counts(MaterialCounts& mc, const PassFiles& files) {
  zero_counts(mc);
  for (Kind k : kAllKinds) {
    TextReader in(files.question_file(k));
    count_question_file(in, mc.count[k], mc.set);
  }
}

void write_count_file(const MaterialCounts& mc, const std::string& name) {
  TextWriter out(name, TextWriter::Mode::Replace);
  const CountTable& t = mc.QCOUNT;
  for (int c = 1; c <= t.rows(); ++c)
    for (int v = 1; v <= t.cols(); ++v) {
      std::string line = std::to_string(c) + " " + std::to_string(v);
      for (Kind k : kAllKinds) line += " " + std::to_string(mc.count[k](c, v));
      out.writeln(line);
    }
  out.close();
}

void load_count_file(MaterialCounts& mc, const std::string& path) {
  zero_counts(mc);
  TextReader in(path);
  const int chapters = mc.QCOUNT.rows(), verses = mc.QCOUNT.cols();
  for (int c = 1; c <= chapters; ++c) {
    for (int v = 1; v <= verses; ++v) {
      if (in.eof())
        in.fail("the count file ends after " + std::to_string((c - 1) * verses + v - 1) +
                " of its " + std::to_string(chapters * verses) +
                " lines; set reindex to Y to rebuild it");
      int rc = in.read_int();
      int rv = in.read_int();
      // Sectoring reads the file again record by record, so it must be in order, not only
      // complete.
      if (rc != c || rv != v)
        in.fail("expected the record of chapter " + std::to_string(c) + " verse " +
                std::to_string(v) + ", found " + std::to_string(rc) + " " + std::to_string(rv));
      for (Kind k : kAllKinds) mc.count[k](c, v) = read_count(in);
      in.skip_line();
    }
  }
}

bool count_file_of_other_tables(const MaterialCounts& mc, const std::string& path) {
  try {
    TextReader in(path);
    int chapters = 0, verses = 0, expect_c = 1, expect_v = 1;
    while (!in.eof()) {
      const int c = in.read_int(), v = in.read_int();
      for ([[maybe_unused]] Kind k : kAllKinds) read_count(in);
      in.skip_line();
      // Records run chapter by chapter, every chapter with the same number of verses.
      if (c == expect_c && v == expect_v) {
        ++expect_v;
      } else if (c == expect_c + 1 && v == 1 && (verses == 0 || verses == expect_v - 1)) {
        verses = expect_v - 1;
        ++expect_c;
        expect_v = 2;
      } else {
        return false;
      }
      chapters = c;
    }
    if (verses == 0) verses = expect_v - 1;
    if (chapters == 0 || expect_v - 1 != verses) return false;
    return chapters != mc.QCOUNT.rows() || verses != mc.QCOUNT.cols();
  } catch (const FileError&) {
    return false;
  }
}

void range_totals(MaterialCounts& mc, const StyleValues& range) {
  mc.before_range = {};
  mc.in_range = {};
  const int verses = mc.QCOUNT.cols();
  for (int ch = 1; ch <= range.BCHAP - 1; ++ch)
    for (int v = 1; v <= verses; ++v) BCOUNT(mc, ch, v);
  for (int v = 1; v <= range.BVER - 1; ++v) BCOUNT(mc, range.BCHAP, v);
  if (range.BCHAP == range.ECHAP) {
    for (int v = range.BVER; v <= range.EVER; ++v) TCOUNT(mc, range.BCHAP, v);
    return;
  }
  for (int v = range.BVER; v <= verses; ++v) TCOUNT(mc, range.BCHAP, v);
  for (int ch = range.BCHAP + 1; ch <= range.ECHAP - 1; ++ch)
    for (int v = 1; v <= verses; ++v) TCOUNT(mc, ch, v);
  for (int v = 1; v <= range.EVER; ++v) TCOUNT(mc, range.ECHAP, v);
}

}  // namespace halvorin
