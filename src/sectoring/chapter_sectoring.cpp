#include "sectoring/chapter_sectoring.hpp"

#include <algorithm>
#include <vector>

#include "material/counts.hpp"
#include "platform/errors.hpp"
#include "platform/keys.hpp"
#include "sectoring/sector_counts.hpp"
#include "sectoring/sector_range.hpp"
#include "sectoring/sector_table.hpp"

namespace halvorin {

namespace {

// The chapter after c, passing over a chapter the level leaves out.
int next_chapter(const RunState& rs, int c) {
  ++c;
  while (c <= rs.set.total_chapters() && absent_chapter(rs, c)) ++c;
  return c;
}

// The chapters of the range that take part, in order.
std::vector<int> range_chapters(const RunState& rs) {
  std::vector<int> list;
  for (int c = rs.BCHAP; c <= rs.ECHAP; ++c)
    if (!absent_chapter(rs, c)) list.push_back(c);
  return list;
}

// Verses of chapter c that lie inside the range.
int verses_in_range(const RunState& rs, int c) {
  int first = c == rs.BCHAP ? rs.BVER : 1;
  int last = c == rs.ECHAP ? rs.EVER : rs.EVS[c];
  return std::max(0, last - first + 1);
}

// Where one sector begins and ends.
struct Span {
  int bc, bv, ec, ev;
};

// The two ways of laying the sectors. As written, a group's stretch is measured over its
// chapters' whole verses, a last chapter's first length is EVER div n and a first chapter's
// first length leaves out the verse the range begins at. That lays the sectors of every
// whole-chapter range, and of most others, soundly; when a range begins or ends inside a chapter
// it can put a sector past the range or past its chapter's last verse, or leave a sector empty
// although the chapter has a verse for each. The mended way measures a group inside the range
// and a one-chapter range from its first verse, and gives a first sector at least one verse.
enum class Way { Written, Mended };

// A run of chapters c..g where only g has sectors: n sectors of equal length over the stretch.
void lay_group(const RunState& rs, int c, int g, Way way, std::vector<Span>& out) {
  const bool mended = way == Way::Mended;
  const int n = rs.CS[g];
  int verses = 0;
  for (int d = c; d <= g; d = next_chapter(rs, d))
    verses += mended ? verses_in_range(rs, d) : rs.EVS[d];
  const int step = verses / n - 1;
  // As written the walk may run on past g; it stops at the range's last chapter, where a sector
  // still past its chapter's end makes the layout unsound.
  const int stop = mended ? g : rs.ECHAP;
  int bc = c;
  int bv = c == rs.BCHAP ? rs.BVER : 1;
  for (int i = 1; i < n; ++i) {
    int ec = bc;
    int ev = bv + step;
    while (ev > rs.EVS[ec] && ec < stop) {
      ev -= rs.EVS[ec];
      ec = next_chapter(rs, ec);
    }
    out.push_back({bc, bv, ec, ev});
    bc = ec;
    bv = ev + 1;
    if (bv > rs.EVS[bc] && bc < stop) {
      bc = next_chapter(rs, bc);
      bv = 1;
    }
  }
  out.push_back({bc, bv, g, g == rs.ECHAP ? rs.EVER : rs.EVS[g]});
}

// Chapter c cut into its own CS[c] sectors.
void lay_chapter(const RunState& rs, int c, Way way, std::vector<Span>& out) {
  const int n = rs.CS[c];
  const int evs = rs.EVS[c];
  int prev_end = 0;
  for (int r = 1; r <= n; ++r) {
    const bool first_of_range = c == rs.BCHAP && r == 1;
    int len = evs / n;
    if (first_of_range && rs.BVER > 1) {
      len = (evs - rs.BVER) / n;
      // As written this length is measured over one verse fewer than the range has in the
      // chapter, so it is 0 when the chapter has a sector for each of those verses. Mended, the
      // first sector then takes the verse it begins at.
      if (way == Way::Mended && evs - rs.BVER + 1 >= n) len = std::max(len, 1);
    }
    if (c == rs.ECHAP) {
      // Mended, a range inside this one chapter is measured from its first verse.
      const bool from_first = way == Way::Mended && first_of_range && rs.BVER > 1;
      len = from_first ? (rs.EVER - rs.BVER + 1) / n : rs.EVER / n;
    }
    if (r > 1) len = (evs - prev_end) / (n - r + 1);
    if (c == rs.ECHAP && r > 1) len = (rs.EVER - prev_end) / (n - r + 1);
    int begin = first_of_range ? rs.BVER : (r == 1 ? 1 : prev_end + 1);
    int end = begin + len - 1;
    if (r == n) end = c == rs.ECHAP ? rs.EVER : evs;
    out.push_back({c, begin, c, end});
    prev_end = end;
  }
}

std::vector<Span> layout(const RunState& rs, Way way) {
  std::vector<Span> out;
  int c = rs.BCHAP;
  if (absent_chapter(rs, c)) c = next_chapter(rs, c);
  while (c <= rs.ECHAP) {
    if (rs.CS[c] > 0) {
      lay_chapter(rs, c, way, out);
      c = next_chapter(rs, c);
      continue;
    }
    int g = next_chapter(rs, c);
    while (g <= rs.ECHAP && rs.CS[g] == 0) g = next_chapter(rs, g);
    if (g > rs.ECHAP) throw InternalError("the range's last chapter has no sector");
    lay_group(rs, c, g, way, out);
    c = next_chapter(rs, g);
  }
  return out;
}

// Every sector begins after the one before it ends, does not end before it begins, lies in the
// range, and begins and ends at verses its chapters have.
bool sound(const RunState& rs, const std::vector<Span>& spans) {
  for (size_t k = 0; k < spans.size(); ++k) {
    const Span& x = spans[k];
    if (x.bv < 1 || x.bv > rs.EVS[x.bc] || x.ev > rs.EVS[x.ec]) return false;
    if (after(x.bc, x.bv, x.ec, x.ev)) return false;
    if (after(rs.BCHAP, rs.BVER, x.bc, x.bv) || after(x.ec, x.ev, rs.ECHAP, rs.EVER)) return false;
    if (k > 0 && !after(x.bc, x.bv, spans[k - 1].ec, spans[k - 1].ev)) return false;
  }
  return true;
}

// Row and field column of the chapter at offset k of the range (k from 1). An entry is the
// book's short name, padded to the set's widest, the chapter and the figure: "Acts 12:   2".
int chapter_row(int k) { return k <= 17 ? k + 4 : k - 13; }
int chapter_col(int k) { return k <= 17 ? 3 : 40; }
int name_width(const MaterialSet& set) {
  size_t w = 0;
  for (const Book& b : set.books) w = std::max(w, b.short_name.size());
  return static_cast<int>(w);
}
int field_col(const MaterialSet& set, int k) { return chapter_col(k) + name_width(set) + 6; }

void draw_chapters(Program& p) {
  RunState& rs = p.rs;
  Console& con = p.con;
  con.gotoxy(1, 3);
  con.write("  Choose questions per chapter.");
  if (rs.LG != 'L') con.write(" Use zeros to group chapters.");
  for (int c = rs.BCHAP; c <= rs.ECHAP; ++c) {
    if (absent_chapter(rs, c)) continue;
    int k = c - rs.BCHAP + 1;
    con.gotoxy(chapter_col(k), chapter_row(k));
    con.write(pad_right(rs.set.book_of_chapter(c).short_name, name_width(rs.set)) + " " +
              fmt_int(rs.set.place_of(c).chapter, 2) + ": " + fmt_int(rs.CS[c], 3));
  }
}

// Lets the quiz master edit the figures until they add up to SECTORS.
void edit_chapters(Program& p) {
  RunState& rs = p.rs;
  Console& con = p.con;
  const std::vector<int> chapters = range_chapters(rs);
  const int last_chapter = chapters.back();
  const int count = rs.ECHAP - rs.BCHAP + 1;
  // Moves one chapter up (-1) or down (+1), wrapping, past a chapter the level leaves out.
  auto move = [&](int k, int dir) {
    do {
      k += dir;
      if (k < 1) k = count;
      if (k > count) k = 1;
    } while (absent_chapter(rs, rs.BCHAP + k - 1));
    return k;
  };
  int k = chapters.front() - rs.BCHAP + 1;
  con.set_where("chapter sectoring");
  for (;;) {
    const int c = rs.BCHAP + k - 1;
    const int col = field_col(rs.set, k), row = chapter_row(k);
    con.gotoxy(col, row);
    int key = con.read_key();
    if (key == kKeyUp || key == kKeyDown) {
      k = move(k, key == kKeyUp ? -1 : 1);
    } else if (key >= '0' && key <= '9') {
      int first = key - '0';
      if (c == last_chapter && first == 0) first = 1;
      con.write("  ");
      con.gotoxy(col, row);
      con.write(std::string(1, static_cast<char>('0' + first)));
      int value = first, dir = 0;
      for (;;) {
        int next = con.read_key();
        if (next >= '0' && next <= '9') {
          value = 10 * first + (next - '0');
          break;
        }
        if (next == kKeyUp || next == kKeyDown) {
          dir = next == kKeyUp ? -1 : 1;
          break;
        }
      }
      if (rs.LG == 'L' && value == 0) value = 1;
      rs.CS[c] = value;
      con.gotoxy(col, row);
      con.write(fmt_int(value, 2));
      if (dir != 0) k = move(k, dir);
    } else if (key == kKeyEnter) {
      int total = 0;
      for (int d = rs.BCHAP; d <= rs.ECHAP; ++d) total += rs.CS[d];
      if (total == rs.SECTORS) return;
      // A range holds at most 30 chapters, so the right column ends above these rows.
      con.gotoxy(40, 20);
      con.write("Your total is " + std::to_string(total) + " questions                 ");
      con.gotoxy(40, 21);
      con.write("Total questions must equal " + std::to_string(rs.SECTORS) + "          ");
    }
  }
}

}  // namespace

bool absent_chapter(const RunState& rs, int c) {
  if (rs.LG != 'L') return false;
  // The reduced Acts material shows only chapter 7 as left out here.
  return rs.set.acts_verse_table ? c == 7 : !rs.set.reduced_covers(c);
}

void propose_chapter_sectors(RunState& rs) {
  rs.CS.fill(0);
  const std::vector<int> chapters = range_chapters(rs);
  if (chapters.empty()) return;
  for (int i = 0; i < rs.SECTORS; ++i) ++rs.CS[chapters[static_cast<size_t>(i) % chapters.size()]];
}

void lay_chapter_sectors(RunState& rs) {
  std::vector<Span> spans = layout(rs, Way::Written);
  if (!sound(rs, spans)) spans = layout(rs, Way::Mended);
  if (static_cast<int>(spans.size()) != rs.SECTORS)
    throw InternalError("the chapter figures do not add up to the sectors");
  int s = 0;
  for (const Span& x : spans) {
    ++s;
    rs.BC[s] = sector_byte(x.bc);
    rs.BV[s] = sector_byte(x.bv);
    rs.EC[s] = sector_byte(x.ec);
    rs.EV[s] = sector_byte(x.ev);
  }
}

void count_chapter_sectors(RunState& rs) {
  const int n = rs.SECTORS;
  clear_sector_counts(rs);
  rs.EC[n] = rs.ECHAP;
  rs.EV[n] = rs.EVER;
  // Each verse of the range goes to the sector that holds it (to none when it lies in a chapter
  // the level leaves out, or in a sector whose end comes before its begin).
  auto holder = [&](int c, int v) {
    for (int s = 1; s <= n; ++s)
      if (!after(rs.BC[s], rs.BV[s], c, v) && !after(c, v, rs.EC[s], rs.EV[s])) return s;
    return 0;
  };
  for (int c = rs.BCHAP, v = rs.BVER; !after(c, v, rs.ECHAP, rs.EVER);) {
    if (const int s = absent_chapter(rs, c) ? 0 : holder(c, v); s != 0) {
      rs.QPS[s] += rs.QCOUNT(c, v);
      SPECOUNT(rs, rs, c, v, s);
    }
    if (++v > rs.QCOUNT.cols()) {
      v = 1;
      ++c;
    }
  }
  for (int s = 1; s <= n; ++s) keep_sector_totals(rs, s);
}

bool CHAPSEC(Program& p) {
  RunState& rs = p.rs;
  Console& con = p.con;
  const int in_range = static_cast<int>(range_chapters(rs).size());
  if (in_range == 0 || rs.ECHAP - rs.BCHAP + 1 > SCMAX) {
    // Only a chapter the level leaves out: nothing to sector; or more chapters than a quiz has
    // questions (a set of more than 30 chapters): the pass starts over.
    CLR(con);
    if (in_range == 0)
      con.writeln("  The range holds no chapter of this level's material.");
    else
      con.writeln("  The range holds " + std::to_string(rs.ECHAP - rs.BCHAP + 1) +
                  " chapters, more than the " + std::to_string(SCMAX) +
                  " questions a quiz may hold.");
    con.writeln("  Press Return to choose another quiz style.");
    con.set_where("chapter sectoring");
    con.wait_enter();
    rs.MINQZ = 0;
    return false;
  }
  bool first_pass = true;
  for (;;) {
    CLR(con);
    const int chapters = rs.ECHAP - rs.BCHAP + 1;
    if (chapters > rs.QMAX) {
      con.write("  We must reset the questions per packet to sector " + std::to_string(chapters) +
                " chapters.");
      rs.QMAX = rs.SECTORS = chapters;
      con.set_where("questions per packet notice");
      con.wait_enter();
      CLR(con);
    } else {
      rs.SECTORS = rs.QMAX;
    }
    if (first_pass) propose_chapter_sectors(rs);
    first_pass = false;

    draw_chapters(p);
    edit_chapters(p);
    rs.MINQZ = cut_range(rs, SectorWay::Chapter).smallest;

    CLR(con);
    con.writeln();
    DISPLAY(p);
    con.gotoxy(3, 3);
    con.write("Your smallest sector has " + std::to_string(rs.MINQZ) +
              (rs.MINQZ == 1 ? " question. " : " regular questions. "));
    con.set_where("chapter sector table");
    if (con.read_key() == kKeyEsc) continue;
    // The used-question list is started here, but one left by an earlier packet is kept: the
    // packet being made replaces it whole only when it is complete.
    if (!rs.INFFILE.empty() && find_file(rs.INFFILE).empty())
      TextWriter(rs.INFFILE, TextWriter::Mode::Create).close();
    return rs.MINQZ != 0;
  }
}

}  // namespace halvorin
