#include "selection/specialty.hpp"

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "material/counts.hpp"
#include "platform/errors.hpp"
#include "selection/progress.hpp"

namespace halvorin {

namespace {

const SpecialtyKind kRef{'R',
                         &RunState::REFERENCE,
                         &RunState::RPS,
                         &RunState::TRPS,
                         &RunState::RBEFORE,
                         &RunState::RQUEST,
                         &RunState::LAST,
                         &SelectionState::cv_ref,
                         false,
                         false,
                         "  Due to sectoring restrictions we must begin CV Ref repeats in quiz ",
                         "CV Repeats begin quiz "};
const SpecialtyKind kOnly{'O',
                          &RunState::ONLY,
                          &RunState::OPS,
                          &RunState::TOPS,
                          &RunState::OBEFORE,
                          &RunState::OQUEST,
                          &RunState::LASTO,
                          &SelectionState::co_ref,
                          false,
                          false,
                          "  Due to sectoring restrictions we must begin CO Ref repeats in quiz ",
                          "CO repeats begin quiz "};
const SpecialtyKind kSit{'S',
                         &RunState::SITUATION,
                         &RunState::SPS,
                         &RunState::TSPS,
                         &RunState::SBEFORE,
                         &RunState::SQUEST,
                         &RunState::LASTO,
                         &SelectionState::sit,
                         true,
                         false,
                         "  Due to sectoring restrictions we must start situation repeats in quiz ",
                         "Situation Repeats begin quiz "};
const SpecialtyKind kFin{'F',
                         &RunState::FINISH,
                         &RunState::FPS,
                         &RunState::TFPS,
                         &RunState::FBEFORE,
                         &RunState::FQUEST,
                         &RunState::LASTO,
                         &SelectionState::ftv,
                         true,
                         true,
                         "  Due to sectoring restrictions FTV repeats begin in quiz ",
                         "FTV Repeats begin quiz "};

// Attempts before a type's questions are recycled.
constexpr int kAttempts = 3000;
// Recyclings in one choice after which the candidates are looked at one by one: by then the
// quiz's sectors are released and every question is available, so one is found if any exists.
constexpr int kRecyclingsBeforeSearch = 3;
// Type rejections after which an FTV question is taken whatever its type.
constexpr int kMaxRejections = 29;

const char* kind_name(char letter) {
  switch (letter) {
    case 'R':
      return "CV Ref";
    case 'O':
      return "CO Ref";
    case 'S':
      return "SIT";
    default:
      return "FTV";
  }
}

// Makes every question of the type available again, after the screen message and note.
void recycle(Program& p, const SpecialtyKind& k, int recycling) {
  RunState& rs = p.rs;
  Console& con = p.con;
  advance_rset(p);
  con.gotoxy(3, rs.RSET);
  con.clreol();
  if (k.ftv) con.writeln();
  if (k.ftv || recycling == 1) con.write(k.screen_message + std::to_string(rs.Q2));
  if (recycling == 1) write_note(p, k.note_line + std::to_string(rs.Q2));
  if (recycling >= 2) REPEATSECTOR(p);
  con.gotoxy(3, 3);
  con.clreol();
  con.write("Choosing Quiz " + std::to_string(rs.Q2));
  con.writeln();
  con.writeln();
  (rs.*k.avail).fill(true);
  for (int s = 1; s <= rs.SECTORS; ++s) (rs.*k.remaining)[s] = (rs.*k.total)[s];
  if (k.ftv) rs.FQUIZ = rs.FQUIZ1 + rs.Q2;
}

// Line of question n of sector s in the type's file.
int line_of(const RunState& rs, const SpecialtyKind& k, int s, int n) {
  int line = rs.*k.before;
  for (int t = 1; t < s; ++t) line += (rs.*k.total)[t];
  return line + n;
}

// The questions of the type that the quiz holds at earlier positions, as sector and number. A
// recycling makes them available again and a release frees their sectors, yet the quiz must not
// ask one of them twice while the range has a question of the type it has not asked; when it
// holds every one, a repeat is let through (the release has noted it).
class HeldQuestions {
 public:
  HeldQuestions(const RunState& rs, const SelectionState& ss, const SpecialtyKind& k,
                int questions) {
    for (int pos = 1; pos < rs.C1; ++pos)
      if (at(rs.TYP, pos) == k.letter) held_.insert({rs.SECTOR[pos], ss.number_at[pos]});
    if (static_cast<int>(held_.size()) >= questions) held_.clear();
  }
  // True when taking question n of sector s would ask it twice in the quiz.
  bool again(int s, int n) const { return held_.count({s, n}) != 0; }

 private:
  std::set<std::pair<int, int>> held_;
};

// Every question the choice may take now, looked at one by one; one of them at random.
bool search_candidates(Program& p, const SpecialtyKind& k, const HeldQuestions& held, int& s,
                       int& n) {
  RunState& rs = p.rs;
  std::vector<std::pair<int, int>> found;
  for (int t = 1; t <= rs.SECTORS; ++t) {
    if (rs.FLAG[t] != 1 || (rs.*k.remaining)[t] <= 0) continue;
    for (int m = 1; m <= (rs.*k.total)[t]; ++m)
      if ((rs.*k.avail)(t, m) && !held.again(t, m)) found.emplace_back(t, m);
  }
  if (found.empty()) return false;
  auto pick = found[static_cast<size_t>(p.random(static_cast<int>(found.size())))];
  s = pick.first;
  n = pick.second;
  return true;
}

void choose(Program& p, SelectionState& ss, const SpecialtyKind& k) {
  RunState& rs = p.rs;
  auto& avail = rs.*k.avail;
  auto& remaining = rs.*k.remaining;
  auto& total = rs.*k.total;
  int& last = rs.*k.last;
  const int last_at_entry = last;
  int questions = 0;
  for (int s = 1; s <= rs.SECTORS; ++s) questions += total[s];
  if (questions <= 0)
    throw FileError("pat.txt", rs.Q2,
                    std::string("the pattern of this quiz asks for a ") + kind_name(k.letter) +
                        " question, but the range has none");
  const HeldQuestions held(rs, ss, k, questions);
  int recyclings = 0;
  int rejections = 0;
  for (;;) {
    int& range_total = rs.*k.range_total;
    range_total = 0;
    for (int s = 1; s <= rs.SECTORS; ++s) range_total += remaining[s];
    int preferred = 0;
    if (!k.ftv && rs.SECOND == 2) {
      for (int s = rs.SECTORS; s >= 1 && preferred == 0; --s)
        if (remaining[s] > range_total / 3) preferred = s;
      if (preferred == last) preferred = 0;
    }
    int attempts = (k.ftv && rs.Q2 > rs.FQUIZ && rs.Q2 > 3) ? kAttempts : 0;
    int s = 0;
    int n = 0;
    for (;;) {
      ++attempts;
      s = p.random(rs.SECTORS) + 1;
      if (attempts > kAttempts) {
        recycle(p, k, ++recyclings);
        attempts = 0;
        if (recyclings >= kRecyclingsBeforeSearch) {
          if (!search_candidates(p, k, held, s, n))
            throw InternalError(std::string("no ") + kind_name(k.letter) +
                                " question can be taken after recycling");
          break;
        }
      }
      if (rs.FLAG[s] != 1 || remaining[s] <= 0 || total[s] <= 0) continue;
      n = p.random(total[s]) + 1;
      if (!avail(s, n) || held.again(s, n)) continue;
      if (preferred != 0 && rs.FLAG[preferred] == 1 && remaining[preferred] > 0) {
        int m = draw_until(p, total[preferred],
                           [&](int c) { return avail(preferred, c) && !held.again(preferred, c); });
        if (m != 0) {
          s = preferred;
          n = m;
        }
      }
      break;
    }

    const int number_before = rs.NUMBER[s];
    rs.SECTOR[rs.C1] = s;
    rs.FLAG[s] = 0;
    if (p.random(100) >= rs.REPEATPCT) avail(s, n) = false;
    rs.NUMBER[s] = n;
    ss.number_at[rs.C1] = n;
    remaining[s] -= 1;
    last = s;

    if (k.ftv) {
      char t = rs.FTYPE(s, n);
      bool reject =
          rejections < kMaxRejections &&
          (t == rs.FTC2 || (t == rs.FTC3 && rejections < 14) || (t == rs.FTC4 && rejections < 4));
      if (reject) {
        last = last_at_entry;
        rs.FLAG[s] = 1;
        avail(s, n) = true;
        remaining[s] += 1;
        rs.NUMBER[s] = number_before;
        ++rejections;
        continue;
      }
      rs.FTC4 = rs.FTC3;
      rs.FTC3 = rs.FTC2;
      rs.FTC2 = t;
      rs.FBEFORE = rs.TEMPF;
    }

    QuestionFile& file = ss.*k.file;
    int line = line_of(rs, k, s, n);
    CONVERT2(rs, rs.C1);
    if (k.two_pieces) {
      auto [first, rest] = file.line2(line, LMAX);
      rs.ALL[rs.C1] = first;
      rs.ALL2[rs.C1] = rest;
    } else {
      rs.ALL[rs.C1] = file.line(line, LMAX);
    }
    return;
  }
}

void find_positions(Program& p, SelectionState& ss, const SpecialtyKind& k) {
  RunState& rs = p.rs;
  for (int pos = 1; pos <= rs.SECTORS; ++pos) {
    if (at(rs.TYP, pos) != k.letter) continue;
    rs.SECOND += 1;
    rs.C1 = pos;
    choose(p, ss, k);
  }
  FINDSET(rs);
}

}  // namespace

const SpecialtyKind* kind_of(char letter) {
  switch (letter) {
    case 'R':
      return &kRef;
    case 'O':
      return &kOnly;
    case 'S':
      return &kSit;
    case 'F':
      return &kFin;
    default:
      return nullptr;
  }
}

void CHOOSEREF(Program& p, SelectionState& ss) { choose(p, ss, kRef); }
void CHOOSEONLY(Program& p, SelectionState& ss) { choose(p, ss, kOnly); }
void CHOOSESIT(Program& p, SelectionState& ss) { choose(p, ss, kSit); }
void CHOOSEFIN(Program& p, SelectionState& ss) { choose(p, ss, kFin); }

void FINDREFS(Program& p, SelectionState& ss) { find_positions(p, ss, kRef); }
void FINDONLYS(Program& p, SelectionState& ss) { find_positions(p, ss, kOnly); }
void FINDSITS(Program& p, SelectionState& ss) { find_positions(p, ss, kSit); }
void FINDFTVS(Program& p, SelectionState& ss) { find_positions(p, ss, kFin); }

void find_kind(Program& p, SelectionState& ss, char letter) {
  const SpecialtyKind* k = kind_of(letter);
  if (!k) throw InternalError(std::string("no specialty type '") + letter + "'");
  find_positions(p, ss, *k);
}

void FINDSET(RunState& rs) {
  rs.SECOND = 0;
  rs.LAST = 99;
  rs.LASTO = 99;
  rs.TYP = rs.PAT[rs.Q2];
}

void FINTYPES(Program& p, SelectionState& ss) {
  RunState& rs = p.rs;
  int line = rs.FBEFORE;
  for (int s = 1; s <= rs.SECTORS; ++s) {
    for (int n = 1; n <= rs.TFPS[s]; ++n) {
      std::string text = ss.ftv.line(++line, 10);
      char t = at(text, 9);
      if (t == 'V' && at(text, 10) == 'R') t = 'R';
      rs.FTYPE(s, n) = t;
    }
  }
}

void REPEATSECTOR(Program& p) {
  RunState& rs = p.rs;
  if (rs.RSET >= 24) {
    CLR(p.con);
    rs.RSET = 5;
  }
  p.con.gotoxy(3, rs.RSET);
  p.con.clreol();
  p.con.write("  Sectors or questions will be repeated in quiz " + std::to_string(rs.Q2));
  write_note(p, "Sectors or Questions repeated in quiz " + std::to_string(rs.Q2));
  for (int s = 1; s <= rs.SECTORS; ++s) rs.FLAG[s] = 1;
}

void give_back_specialty(RunState& rs, const SelectionState& ss, int pos) {
  const SpecialtyKind* k = kind_of(at(rs.TYP, pos));
  if (!k) return;
  int s = rs.SECTOR[pos];
  (rs.*k->remaining)[s] += 1;
  rs.FLAG[s] = 1;
  (rs.*k->avail)(s, ss.number_at[pos]) = true;
}

}  // namespace halvorin
