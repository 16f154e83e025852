#include "selection/specialty.hpp"

#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "material/counts.hpp"
#include "material/line_check.hpp"
#include "platform/errors.hpp"
#include "selection/progress.hpp"

namespace halvorin {

namespace {

const SpecialtyKind kRef{
    .kind = Kind::CvRef,
    .last = &RunState::LAST,
    .file = &SelectionState::cv_ref,
    .two_pieces = false,
    .ftv = false,
    .screen_message = "  Due to sectoring restrictions we must begin CV Ref repeats in quiz ",
    .note_line = "CV Repeats begin quiz "};
const SpecialtyKind kOnly{
    .kind = Kind::CoRef,
    .last = &RunState::LASTO,
    .file = &SelectionState::co_ref,
    .two_pieces = false,
    .ftv = false,
    .screen_message = "  Due to sectoring restrictions we must begin CO Ref repeats in quiz ",
    .note_line = "CO repeats begin quiz "};
const SpecialtyKind kSit{
    .kind = Kind::Sit,
    .last = &RunState::LASTO,
    .file = &SelectionState::sit,
    .two_pieces = true,
    .ftv = false,
    .screen_message = "  Due to sectoring restrictions we must start situation repeats in quiz ",
    .note_line = "Situation Repeats begin quiz "};
const SpecialtyKind kFin{
    .kind = Kind::Ftv,
    .last = &RunState::LASTO,
    .file = &SelectionState::ftv,
    .two_pieces = true,
    .ftv = true,
    .screen_message = "  Due to sectoring restrictions FTV repeats begin in quiz ",
    .note_line = "FTV Repeats begin quiz "};

// Attempts before a type's questions are recycled.
constexpr int kAttempts = 3000;
// Recyclings in one choice after which the candidates are looked at one by one: by then the
// quiz's sectors are released and every question is available, so one is found if any exists.
constexpr int kRecyclingsBeforeSearch = 3;
// Type rejections after which an FTV question is taken whatever its type.
constexpr int kMaxRejections = 29;

// Makes every question of the type available again, after the screen message and note.
void recycle(Program& p, const SpecialtyKind& k, int recycling, int quiz) {
  RunState& rs = p.rs;
  Console& con = p.con;
  advance_rset(p);
  con.gotoxy(3, rs.RSET);
  con.clreol();
  if (k.ftv) con.writeln();
  if (k.ftv || recycling == 1) con.write(k.screen_message + std::to_string(quiz));
  if (recycling == 1) write_note(p, k.note_line + std::to_string(quiz));
  if (recycling >= 2) REPEATSECTOR(p, quiz);
  con.gotoxy(3, 3);
  con.clreol();
  con.write("Choosing Quiz " + std::to_string(quiz));
  con.writeln();
  con.writeln();
  rs.available[k.kind].fill(true);
  for (int s = 1; s <= rs.SECTORS; ++s) rs.in_sector[k.kind][s] = rs.sector_total[k.kind][s];
  if (k.ftv) rs.FQUIZ = rs.FQUIZ1 + quiz;
}

// Line of question n of sector s in the type's file.
int line_of(const RunState& rs, const SpecialtyKind& k, int s, int n) {
  int line = rs.before_range[k.kind];
  for (int t = 1; t < s; ++t) line += rs.sector_total[k.kind][t];
  return line + n;
}

// The questions of the type that the quiz holds before position `pos`, as sector and number. A
// recycling makes them available again and a release frees their sectors, yet the quiz must not
// ask one of them twice while the range has a question of the type it has not asked; when it
// holds every one, a repeat is let through (the release has noted it).
class HeldQuestions {
 public:
  HeldQuestions(const RunState& rs, const SelectionState& ss, const SpecialtyKind& k, int questions,
                int pos) {
    for (int q = 1; q < pos; ++q)
      if (at(rs.TYP, q) == kind_letter(k.kind)) held_.insert({rs.SECTOR[q], ss.number_at[q]});
    if (static_cast<int>(held_.size()) >= questions) held_.clear();
  }
  // True when taking question n of sector s would ask it twice in the quiz.
  bool again(int s, int n) const { return held_.count({s, n}) != 0; }

 private:
  std::set<std::pair<int, int>> held_;
};

// A question of the type: its sector and its number within the sector.
struct Pick {
  int s = 0;
  int n = 0;
};

// Every question the choice may take now, looked at one by one; one of them at random.
bool search_candidates(Program& p, const SpecialtyKind& k, const HeldQuestions& held, Pick& pick) {
  RunState& rs = p.rs;
  std::vector<Pick> found;
  for (int t = 1; t <= rs.SECTORS; ++t) {
    if (rs.FLAG[t] != 1 || rs.in_sector[k.kind][t] <= 0) continue;
    for (int m = 1; m <= rs.sector_total[k.kind][t]; ++m)
      if (rs.available[k.kind](t, m) && !held.again(t, m)) found.push_back({t, m});
  }
  if (found.empty()) return false;
  pick = found[static_cast<size_t>(p.random(static_cast<int>(found.size())))];
  return true;
}

// Questions of the type in the range; a pattern that asks for a type the range lacks is refused.
int questions_of_type(const RunState& rs, const SpecialtyKind& k, int quiz) {
  int questions = 0;
  for (int s = 1; s <= rs.SECTORS; ++s) questions += rs.sector_total[k.kind][s];
  if (questions <= 0)
    throw FileError("pat.txt", quiz,
                    std::string("the pattern of this quiz asks for a ") + kind_name(k.kind) +
                        " question, but the range has none");
  return questions;
}

// Adds the type's remaining draws up into its range total. The second position of a type other
// than FTV then prefers the last sector holding more than a third of them, unless that sector
// gave the type's previous question; 0 is no preference.
int preferred_sector(RunState& rs, const SpecialtyKind& k, int nth) {
  const SectorTable& remaining = rs.in_sector[k.kind];
  int& range_total = rs.in_range[k.kind];
  range_total = 0;
  for (int s = 1; s <= rs.SECTORS; ++s) range_total += remaining[s];
  if (k.ftv || nth != 2) return 0;
  for (int s = rs.SECTORS; s >= 1; --s)
    if (remaining[s] > range_total / 3) return s == rs.*k.last ? 0 : s;
  return 0;
}

// Draws a question the quiz may take: a free sector that still has draws, then an available
// question of it, from the preferred sector when it has one. After kAttempts misses the type
// is recycled; after kRecyclingsBeforeSearch recyclings the candidates are searched.
Pick draw_question(Program& p, const SpecialtyKind& k, const HeldQuestions& held, int quiz,
                   int preferred, int& recyclings) {
  RunState& rs = p.rs;
  auto& avail = rs.available[k.kind];
  const SectorTable& remaining = rs.in_sector[k.kind];
  const SectorTable& total = rs.sector_total[k.kind];
  int attempts = (k.ftv && quiz > rs.FQUIZ && quiz > 3) ? kAttempts : 0;
  for (;;) {
    ++attempts;
    Pick pick{p.random(rs.SECTORS) + 1, 0};
    if (attempts > kAttempts) {
      recycle(p, k, ++recyclings, quiz);
      attempts = 0;
      if (recyclings >= kRecyclingsBeforeSearch) {
        if (!search_candidates(p, k, held, pick))
          throw InternalError(std::string("no ") + kind_name(k.kind) +
                              " question can be taken after recycling");
        return pick;
      }
    }
    const int s = pick.s;
    if (rs.FLAG[s] != 1 || remaining[s] <= 0 || total[s] <= 0) continue;
    pick.n = p.random(total[s]) + 1;
    if (!avail(s, pick.n) || held.again(s, pick.n)) continue;
    if (preferred != 0 && rs.FLAG[preferred] == 1 && remaining[preferred] > 0) {
      int m = draw_until(p, total[preferred],
                         [&](int c) { return avail(preferred, c) && !held.again(preferred, c); });
      if (m != 0) pick = {preferred, m};
    }
    return pick;
  }
}

// Puts the question at position pos: its sector is used in the quiz, the question is
// unavailable unless it may repeat, and the sector has one draw fewer.
void take(Program& p, SelectionState& ss, const SpecialtyKind& k, int pos, Pick pick) {
  RunState& rs = p.rs;
  rs.SECTOR[pos] = pick.s;
  rs.FLAG[pick.s] = 0;
  if (p.random(100) >= rs.REPEATPCT) rs.available[k.kind](pick.s, pick.n) = false;
  rs.NUMBER[pick.s] = pick.n;
  ss.number_at[pos] = pick.n;
  rs.in_sector[k.kind][pick.s] -= 1;
  rs.*k.last = pick.s;
}

// True when an FTV question of type t comes too soon after the quiz's last types: the latest
// is refused up to kMaxRejections times, the one before 14 times, the third 4 times.
bool ftv_too_soon(const RunState& rs, char t, int rejections) {
  return rejections < kMaxRejections &&
         (t == rs.FTC2 || (t == rs.FTC3 && rejections < 14) || (t == rs.FTC4 && rejections < 4));
}

// The question's text line (two pieces for FTV and SIT) at position pos.
void read_text(RunState& rs, SelectionState& ss, const SpecialtyKind& k, int pos, Pick pick) {
  QuestionFile& file = ss.*k.file;
  int line = line_of(rs, k, pick.s, pick.n);
  if (k.two_pieces) {
    auto [first, rest] = file.line2(line, LMAX);
    rs.ALL[pos] = first;
    rs.ALL2[pos] = rest;
  } else {
    rs.ALL[pos] = file.line(line, LMAX);
  }
  CONVERT2(rs, pos, file.letter());
}

void choose(Program& p, SelectionState& ss, const SpecialtyKind& k, SpecialtySlot slot) {
  RunState& rs = p.rs;
  const int last_at_entry = rs.*k.last;
  const HeldQuestions held(rs, ss, k, questions_of_type(rs, k, slot.quiz), slot.pos);
  int recyclings = 0;
  int rejections = 0;
  for (;;) {
    const int preferred = preferred_sector(rs, k, slot.nth);
    const Pick pick = draw_question(p, k, held, slot.quiz, preferred, recyclings);
    const int number_before = rs.NUMBER[pick.s];
    take(p, ss, k, slot.pos, pick);
    if (k.ftv) {
      const char t = rs.FTYPE(pick.s, pick.n);
      if (ftv_too_soon(rs, t, rejections)) {
        rs.*k.last = last_at_entry;
        rs.FLAG[pick.s] = 1;
        rs.available[k.kind](pick.s, pick.n) = true;
        rs.in_sector[k.kind][pick.s] += 1;
        rs.NUMBER[pick.s] = number_before;
        ++rejections;
        continue;
      }
      rs.FTC4 = rs.FTC3;
      rs.FTC3 = rs.FTC2;
      rs.FTC2 = t;
      rs.FBEFORE = rs.TEMPF;
    }
    read_text(rs, ss, k, slot.pos, pick);
    return;
  }
}

void find_positions(Program& p, SelectionState& ss, const SpecialtyKind& k, int quiz) {
  RunState& rs = p.rs;
  int nth = 0;
  for (int pos = 1; pos <= rs.SECTORS; ++pos) {
    if (at(rs.TYP, pos) != kind_letter(k.kind)) continue;
    choose(p, ss, k, {quiz, pos, ++nth});
  }
  FINDSET(rs, quiz);
}

}  // namespace

const SpecialtyKind* kind_of(char letter) {
  static const SpecialtyKind* const by_kind[KINDS] = {nullptr, &kFin, &kRef, &kOnly, &kSit};
  const std::optional<Kind> k = specialty_kind(letter);
  return k ? by_kind[static_cast<int>(*k)] : nullptr;
}

void CHOOSEREF(Program& p, SelectionState& ss, SpecialtySlot slot) { choose(p, ss, kRef, slot); }
void CHOOSEONLY(Program& p, SelectionState& ss, SpecialtySlot slot) { choose(p, ss, kOnly, slot); }
void CHOOSESIT(Program& p, SelectionState& ss, SpecialtySlot slot) { choose(p, ss, kSit, slot); }
void CHOOSEFIN(Program& p, SelectionState& ss, SpecialtySlot slot) { choose(p, ss, kFin, slot); }

void FINDREFS(Program& p, SelectionState& ss, int quiz) { find_positions(p, ss, kRef, quiz); }
void FINDONLYS(Program& p, SelectionState& ss, int quiz) { find_positions(p, ss, kOnly, quiz); }
void FINDSITS(Program& p, SelectionState& ss, int quiz) { find_positions(p, ss, kSit, quiz); }
void FINDFTVS(Program& p, SelectionState& ss, int quiz) { find_positions(p, ss, kFin, quiz); }

void find_kind(Program& p, SelectionState& ss, Kind kind, int quiz) {
  const SpecialtyKind* k = kind_of(kind_letter(kind));
  if (!k) throw InternalError(std::string("no specialty type '") + kind_letter(kind) + "'");
  find_positions(p, ss, *k, quiz);
}

void FINDSET(RunState& rs, int quiz) {
  rs.LAST = 99;
  rs.LASTO = 99;
  rs.TYP = rs.PAT[quiz];
}

void FINTYPES(Program& p, SelectionState& ss) {
  RunState& rs = p.rs;
  int line = rs.FBEFORE;
  for (int s = 1; s <= rs.SECTORS; ++s) {
    for (int n = 1; n <= rs.TFPS[s]; ++n) {
      std::string text = ss.ftv.line(++line, 10);
      rs.FTYPE(s, n) = ftv_type(text);
    }
  }
}

void REPEATSECTOR(Program& p, int quiz) {
  RunState& rs = p.rs;
  if (rs.RSET >= 24) {
    CLR(p.con);
    rs.RSET = 5;
  }
  p.con.gotoxy(3, rs.RSET);
  p.con.clreol();
  p.con.write("  Sectors or questions will be repeated in quiz " + std::to_string(quiz));
  write_note(p, "Sectors or Questions repeated in quiz " + std::to_string(quiz));
  for (int s = 1; s <= rs.SECTORS; ++s) rs.FLAG[s] = 1;
}

void give_back_specialty(RunState& rs, const SelectionState& ss, int pos) {
  const SpecialtyKind* k = kind_of(at(rs.TYP, pos));
  if (!k) return;
  int s = rs.SECTOR[pos];
  rs.in_sector[k->kind][s] += 1;
  rs.FLAG[s] = 1;
  rs.available[k->kind](s, ss.number_at[pos]) = true;
}

}  // namespace halvorin
