#include "selection/assembly.hpp"

#include <optional>
#include <string>
#include <vector>

#include "material/counts.hpp"
#include "platform/errors.hpp"
#include "platform/keys.hpp"
#include "selection/listing.hpp"
#include "selection/progress.hpp"
#include "selection/regular.hpp"
#include "selection/specialty.hpp"

namespace halvorin {

namespace {

// Trades after which a phase gives the interrogative share up.
constexpr int kMaxTrades = 5000;

// Which way the quiz misses its interrogative share.
enum class Share { TooMany, TooFew };

std::string num(int v) { return std::to_string(v); }

bool is_specialty(char c) { return c == 'F' || c == 'R' || c == 'O' || c == 'S'; }

// The pattern of the quiz must give every position of the quiz a known letter.
void check_pattern(const RunState& rs, int quiz) {
  const std::string& pat = rs.PAT[quiz];
  for (int pos = 1; pos <= rs.SECTORS; ++pos) {
    char c = at(pat, pos);
    if (!is_specialty(c) && c != 'n')
      throw FileError("pat.txt", quiz,
                      "position " + num(pos) + " of this quiz's pattern has '" + std::string(1, c) +
                          "'; expected F, R, O, S or n");
  }
}

void start_quiz(Program& p, SelectionState& ss, int quiz) {
  RunState& rs = p.rs;
  for (int pos = 1; pos <= SCMAX; ++pos) {
    rs.ALL[pos] = "";
    rs.ALL2[pos] = " ";
    rs.SECTOR[pos] = 99;
    rs.QN[pos] = 99;
    ss.number_at[pos] = 0;
  }
  if (quiz > rs.MINQZ) {
    advance_rset(p);
    p.con.gotoxy(3, rs.RSET);
    p.con.clreol();
    p.con.write("  **Out of Regular Questions...Using Repeats beginning quiz " + num(quiz) + "**");
    rs.MINQZ = rs.MINQZ + rs.MINQZ1 - 1;
    rs.REGQUESTION.fill(true);
    for (int s = 1; s <= rs.SECTORS; ++s) rs.QPS[s] = rs.TQPS[s];
    write_note(p, "Regular Question Repeats begin quiz " + num(quiz));
  }
}

// Reads keys until y, Y, n or N; Esc counts as a refusal, so the user sees another combination.
bool ask_accept(Program& p) {
  Console& con = p.con;
  con.set_where("combination approval");
  for (;;) {
    con.gotoxy(49, con.wherey());
    con.write("  ");
    con.gotoxy(49, con.wherey());
    int key = con.read_key();
    if (key == 'y' || key == 'Y') return true;
    if (key == 'n' || key == 'N' || key == kKeyEsc) return false;
  }
}

// The listing of a combination below its heading (row 3), leaving the cursor on the prompt's
// row. Up to 18 lines fit with an empty line either side; 19 or 20 go without them; more (a
// hand-edited style can ask for up to 30) in two columns, so the listing never reaches row 25
// and the screen never scrolls.
void show_combination(Console& con, const std::vector<std::string>& lines) {
  const int n = static_cast<int>(lines.size());
  if (n <= 18) {
    con.writeln();
    for (const std::string& line : lines) con.writeln(line);
    con.writeln();
    return;
  }
  if (n <= 20) {
    for (const std::string& line : lines) con.writeln(line);
    return;
  }
  const int rows = (n + 1) / 2;
  for (int i = 0; i < n; ++i) {
    con.gotoxy(i < rows ? 1 : 41, 4 + i % rows);
    con.write(cut(lines[static_cast<size_t>(i)], 39));
  }
  con.gotoxy(1, 4 + rows);
}

// Fills the specialty positions in the service order until a combination is accepted.
void choose_combination(Program& p, SelectionState& ss, int quiz, const ServiceOrder& order,
                        bool& heading_written) {
  RunState& rs = p.rs;
  Console& con = p.con;
  for (;;) {
    for (int s = 1; s <= rs.SECTORS; ++s) rs.FLAG[s] = 1;
    con.gotoxy(3, 3);
    con.clreol();
    con.write("Choosing Quiz " + num(quiz));
    con.writeln();
    con.writeln();
    rs.TYP = rs.PAT[quiz];
    rs.LAST = 99;
    rs.LASTO = 99;
    for (Kind kind : order) find_kind(p, ss, kind, quiz);
    rs.LAST = 99;
    rs.LASTO = 99;
    rs.TYP = rs.PAT[quiz];
    const bool approve = rs.V == Combination::ApproveEach;
    if (approve) {
      CLR(con);
      con.writeln(kListHeading);
    }
    if (!heading_written) {
      rs.F10->writeln(inf_heading(quiz));
      rs.F10->writeln();
      heading_written = true;
    }
    if (!approve) return;
    std::vector<std::string> lines;
    for (int pos = 1; pos <= rs.SECTORS; ++pos)
      if (is_specialty(at(rs.TYP, pos))) lines.push_back(question_line(rs, pos, ss.number_at[pos]));
    show_combination(con, lines);
    con.write("  Do you wish to accept this combination (y/n)? ");
    bool accepted = ask_accept(p);
    CLR(con);
    if (accepted) return;
    for (int pos = 1; pos <= rs.SECTORS; ++pos)
      if (is_specialty(at(rs.TYP, pos))) give_back_specialty(rs, ss, pos);
  }
}

// The interrogative test of a regular position's question.
bool interrogative_at(const RunState& rs, const SelectionState& ss, int pos) {
  return rs.INT(rs.RSECTOR[pos], ss.number_at[pos]);
}

void abandon_share(Program& p, int quiz, Share missed) {
  RunState& rs = p.rs;
  Console& con = p.con;
  rs.ABAND3 = true;
  rs.ABAND = quiz;
  rs.OLDIPC = rs.IPC;
  advance_rset(p);
  con.gotoxy(3, rs.RSET);
  con.clreol();
  con.write(missed == Share::TooMany ? "  **Some Sectors are out of Noninterrogative questions**"
                                     : "  **Some Sectors are out of Interrogative questions**");
  advance_rset(p);
  con.gotoxy(3, rs.RSET);
  con.clreol();
  con.write("  **Abandoning " + num(rs.IPC) + " Percent interrogatives on quiz " + num(quiz) +
            "**");
  write_note(p, "Abandoning " + num(rs.IPC) + " Percent interrogatives on quiz " + num(quiz));
  rs.IPC = 50;
  rs.ITOT = rs.INUM;
}

// Trades regular questions until ITOT reaches INUM: with too many interrogatives an
// interrogative question is traded, with too few a non-interrogative one.
void trade_phase(Program& p, SelectionState& ss, int quiz, Share missed) {
  RunState& rs = p.rs;
  const bool too_many = missed == Share::TooMany;
  int trades = 0;
  while (too_many ? rs.ITOT > rs.INUM : rs.ITOT < rs.INUM) {
    int pos = draw_until(p, rs.SECTORS, [&](int q) {
      return at(rs.TYP, q) == 'n' && interrogative_at(rs, ss, q) == too_many;
    });
    if (pos == 0) return;  // no question of the kind to trade
    int s = rs.RSECTOR[pos];
    if (too_many) rs.ITOT -= 1;
    rs.QPS[s] += 1;
    rs.FLAG[s] = 1;
    rs.REGQUESTION(s, ss.number_at[pos]) = true;
    CHOOSEQUE(p, ss, quiz, pos);
    if (++trades >= kMaxTrades && rs.ITOT != rs.INUM) abandon_share(p, quiz, missed);
  }
}

}  // namespace

void read_regular_texts(RunState& rs, SelectionState& ss) {
  int end = rs.BEFORE;
  for (int s = 1; s <= rs.SECTORS; ++s) end += rs.TQPS[s];
  ss.regular.require(end, "the regular questions of the sectors");
  // Line before each sector's first regular question; then every regular position reads its
  // own line. A sector used twice keeps the later position's number, as the sector by sector
  // reading left it.
  Table<int, SCMAX> first{"first"};
  int before = rs.BEFORE;
  for (int s = 1; s <= rs.SECTORS; ++s) {
    first[s] = before;
    before += rs.TQPS[s];
  }
  for (int pos = 1; pos <= rs.SECTORS; ++pos) {
    const int s = rs.RSECTOR[pos];
    if (at(rs.TYP, pos) != 'n' || s < 1 || s > rs.SECTORS) continue;
    const int b = ss.number_at[pos];
    rs.NUMBER[s] = b;
    rs.ALL[pos] = ss.regular.line(first[s] + b, LMAX);
    CONVERT2(rs, pos, ss.regular.letter());
  }
}

ServiceOrder service_order(const RunState& rs, int quiz) {
  constexpr Kind F = Kind::Ftv, S = Kind::Sit, R = Kind::CvRef, O = Kind::CoRef;
  PerKind<int> slack{};
  for (Kind k : kSpecialtyKinds) {
    for (int s = 1; s <= rs.SECTORS; ++s) slack[k] += rs.in_sector[k][s] > 0 ? 1 : 0;
    for (int pos = 1; pos <= rs.SECTORS; ++pos) slack[k] -= at(rs.PAT[quiz], pos) == kind_letter(k);
  }
  // Of kinds with equal slack, the first in each list is taken.
  Kind first = F;
  for (Kind k : {F, S, R, O})
    if (slack[k] < slack[first]) first = k;
  slack[first] = 200;
  std::optional<Kind> second;
  for (Kind k : {F, S, O, R})
    if (k != first && (!second || slack[k] < slack[*second])) second = k;
  ServiceOrder order{first, *second};
  size_t n = 2;
  for (Kind k : {S, F, R, O})
    if (k != first && k != *second) order[n++] = k;
  return order;
}

void CHOOSESPEC(Program& p, SelectionState& ss, int quiz) {
  RunState& rs = p.rs;
  if (!rs.F10 || !rs.F10->is_open()) throw InternalError("the used-question list is not open");
  rs.Q2 = quiz;
  check_pattern(rs, quiz);
  bool heading_written = false;
  start_quiz(p, ss, quiz);
  const ServiceOrder order = service_order(rs, quiz);
  choose_combination(p, ss, quiz, order, heading_written);

  // Regular questions.
  int regular = 0;
  for (int pos = 1; pos <= rs.SECTORS; ++pos) regular += at(rs.TYP, pos) == 'n';
  rs.INUM = regular * rs.IPC / 100;
  if (rs.V == Combination::ApproveEach)
    p.con.writeln("  Choosing Regular Questions for Quiz " + num(quiz));
  rs.ITOT = 0;
  rs.FIXLAST = rs.FIX;
  for (int pos = 1; pos <= rs.SECTORS; ++pos) {
    if (at(rs.TYP, pos) != 'n') continue;
    CHOOSEQUE(p, ss, quiz, pos);
  }
  if (rs.IPC != 50) {
    trade_phase(p, ss, quiz, Share::TooMany);
    trade_phase(p, ss, quiz, Share::TooFew);
  }
  read_regular_texts(rs, ss);

  for (int pos = 1; pos <= rs.SECTORS; ++pos)
    rs.F10->writeln(question_line(rs, pos, ss.number_at[pos]));
  for (int i = rs.SECTORS; i < 31; ++i) rs.F10->writeln();

  rs.LAST = 99;
  rs.LASTO = 99;
  rs.TYP = rs.PAT[quiz];
}

}  // namespace halvorin
