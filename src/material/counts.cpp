#include "material/counts.hpp"

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

void BCOUNT(RunState& rs, int ch, int v) {
  rs.BEFORE += rs.QCOUNT(ch, v);
  rs.FBEFORE += rs.FCOUNT(ch, v);
  rs.SBEFORE += rs.SCOUNT(ch, v);
  rs.RBEFORE += rs.RCOUNT(ch, v);
  rs.OBEFORE += rs.OCOUNT(ch, v);
}

void TCOUNT(RunState& rs, int ch, int v) {
  rs.TQUEST += rs.QCOUNT(ch, v);
  rs.FQUEST += rs.FCOUNT(ch, v);
  rs.RQUEST += rs.RCOUNT(ch, v);
  rs.OQUEST += rs.OCOUNT(ch, v);
  rs.SQUEST += rs.SCOUNT(ch, v);
}

void SPECOUNT(RunState& rs, int x, int y, int s) {
  rs.FPS[s] += rs.FCOUNT(x, y);
  rs.RPS[s] += rs.RCOUNT(x, y);
  rs.OPS[s] += rs.OCOUNT(x, y);
  rs.SPS[s] += rs.SCOUNT(x, y);
}

CountRecord READ11(RunState& rs, TextReader& count_file, int s) {
  CountRecord r;
  if (count_file.eof()) count_file.fail("the count file ends early: expected a count record");
  r.ch = count_file.read_int();
  r.vs = count_file.read_int();
  if (r.ch < 1 || r.ch > CHMAX || r.vs < 1 || r.vs > VMAX)
    count_file.fail("a count record names chapter " + std::to_string(r.ch) + " verse " +
                    std::to_string(r.vs) + ", outside 1..28 and 1..65");
  int q = read_count(count_file);
  int f = read_count(count_file);
  int rr = read_count(count_file);
  int o = read_count(count_file);
  int si = read_count(count_file);
  count_file.skip_line();
  rs.QPS[s] += q;
  rs.FPS[s] += f;
  rs.RPS[s] += rr;
  rs.OPS[s] += o;
  rs.SPS[s] += si;
  return r;
}

void CONVERT2(RunState& rs, int pos) { rs.RLBK[pos] = 'A'; }

void zero_counts(RunState& rs) {
  for (CountTable* t : {&rs.QCOUNT, &rs.FCOUNT, &rs.RCOUNT, &rs.OCOUNT, &rs.SCOUNT}) t->fill(0);
}

void count_question_file(TextReader& in, CountTable& table) {
  // Later readers skip lines by count and take each sector's questions by position, so every
  // line must be a question in chapter and verse order; anything else is refused here, before
  // a count built on it can pick the wrong questions.
  ReferenceWalk walk;
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

void build_counts(RunState& rs) {
  zero_counts(rs);
  const std::string* names[] = {&rs.REGFILE, &rs.FTVFILE, &rs.CVFILE, &rs.COFILE, &rs.SITFILE};
  CountTable* tables[] = {&rs.QCOUNT, &rs.FCOUNT, &rs.RCOUNT, &rs.OCOUNT, &rs.SCOUNT};
  for (int k = 0; k < 5; ++k) {
    TextReader in(*names[k]);
    count_question_file(in, *tables[k]);
  }
}

void write_count_file(const RunState& rs, const std::string& name) {
  TextWriter out(name, TextWriter::Mode::Replace);
  for (int c = 1; c <= CHMAX; ++c)
    for (int v = 1; v <= VMAX; ++v)
      out.writeln(std::to_string(c) + " " + std::to_string(v) + " " +
                  std::to_string(rs.QCOUNT(c, v)) + " " + std::to_string(rs.FCOUNT(c, v)) + " " +
                  std::to_string(rs.RCOUNT(c, v)) + " " + std::to_string(rs.OCOUNT(c, v)) + " " +
                  std::to_string(rs.SCOUNT(c, v)));
  out.close();
}

void load_count_file(RunState& rs, const std::string& path) {
  zero_counts(rs);
  TextReader in(path);
  for (int c = 1; c <= CHMAX; ++c) {
    for (int v = 1; v <= VMAX; ++v) {
      if (in.eof())
        in.fail("the count file ends after " + std::to_string((c - 1) * VMAX + v - 1) + " of its " +
                std::to_string(COUNT_LINES) + " lines; set reindex to Y to rebuild it");
      int rc = in.read_int();
      int rv = in.read_int();
      // Sectoring reads the file again record by record, so it must be in order, not only
      // complete.
      if (rc != c || rv != v)
        in.fail("expected the record of chapter " + std::to_string(c) + " verse " +
                std::to_string(v) + ", found " + std::to_string(rc) + " " + std::to_string(rv));
      rs.QCOUNT(c, v) = read_count(in);
      rs.FCOUNT(c, v) = read_count(in);
      rs.RCOUNT(c, v) = read_count(in);
      rs.OCOUNT(c, v) = read_count(in);
      rs.SCOUNT(c, v) = read_count(in);
      in.skip_line();
    }
  }
}

void range_totals(RunState& rs) {
  rs.SQUEST = rs.SBEFORE = rs.BEFORE = rs.FBEFORE = rs.RBEFORE = rs.OBEFORE = 0;
  rs.TQUEST = rs.FQUEST = rs.RQUEST = rs.OQUEST = 0;
  for (int ch = 1; ch <= rs.BCHAP - 1; ++ch)
    for (int v = 1; v <= VMAX; ++v) BCOUNT(rs, ch, v);
  for (int v = 1; v <= rs.BVER - 1; ++v) BCOUNT(rs, rs.BCHAP, v);
  if (rs.BCHAP == rs.ECHAP) {
    for (int v = rs.BVER; v <= rs.EVER; ++v) TCOUNT(rs, rs.BCHAP, v);
    return;
  }
  for (int v = rs.BVER; v <= VMAX; ++v) TCOUNT(rs, rs.BCHAP, v);
  for (int ch = rs.BCHAP + 1; ch <= rs.ECHAP - 1; ++ch)
    for (int v = 1; v <= VMAX; ++v) TCOUNT(rs, ch, v);
  for (int v = 1; v <= rs.EVER; ++v) TCOUNT(rs, rs.ECHAP, v);
}

}  // namespace halvorin
