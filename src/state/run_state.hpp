#pragma once
// Bounds and the main program's shared tables, split by concern: the pass's copy of the style,
// the material's counts, the sectors, availability, the quiz being made, patterns, run counters
// and the pass's files. Names are the program's own.
#include <exception>
#include <memory>
#include <string>

#include "platform/text_file.hpp"
#include "state/kind.hpp"
#include "state/material_set.hpp"
#include "state/style.hpp"
#include "state/table.hpp"

namespace halvorin {

constexpr int CHMAX = 28;   // chapters of the material
constexpr int VMAX = 65;    // verses per chapter the count file holds, at the least
constexpr int SCMAX = 30;   // sectors (questions per quiz)
constexpr int SPXX = 50;    // specialty question slots per sector and type, at the least
constexpr int REGXX = 200;  // regular question slots per sector, at the least
constexpr int QQZ = 150;    // quizzes per packet
constexpr int LMAX = 254;   // characters in one question line

// Question counts of one kind by chapter and verse, sized by the verse table (size_counts).
struct CountTable : SizedTable2<int> {
  explicit CountTable(const char* name = "counts", int chapters = CHMAX, int verses = VMAX)
      : SizedTable2<int>(name, chapters, verses) {}
};
// Verses in each chapter, sized by the verse table.
struct VerseTable : SizedTable<int> {
  explicit VerseTable(const char* name = "EVS", int chapters = CHMAX)
      : SizedTable<int>(name, chapters) {}
};
using SectorTable = Table<int, SCMAX>;
// Availability by sector and question of the sector (true = still available); it starts with
// SPXX columns, or with those its constructor names.
using AvailTable = GrowTable2<bool, SCMAX, SPXX>;
using RegAvail = GrowTable2<bool, SCMAX, REGXX>;

// How the quiz loop treats each quiz's specialty combination: shown for approval, or taken as
// drawn.
enum class Combination { ApproveEach = 1, Automatic = 2 };

// The concerns below are composed into RunState as base classes, so that every routine still
// finds a table by its own name (rs.QMAX, rs.QCOUNT, rs.BC) while a routine that works on one
// concern can take only that part (for example counting takes MaterialCounts). The per-kind
// tables are indexed by Kind; the per-kind names (QCOUNT, FPS, BEFORE, ...) are views of them.
// The views are references into the same object, so the concerns that hold them cannot be
// copied or moved.

// The material's counts: per verse, before the range and inside it.
struct MaterialCounts {
  MaterialCounts() = default;
  MaterialCounts(const MaterialCounts&) = delete;
  MaterialCounts& operator=(const MaterialCounts&) = delete;

  // Question counts by chapter and verse (refused above 255 of a kind per verse).
  PerKind<CountTable> count{{CountTable{"QCOUNT"}, CountTable{"FCOUNT"}, CountTable{"RCOUNT"},
                             CountTable{"OCOUNT"}, CountTable{"SCOUNT"}}};
  // The folder's material set; chapters of the pass are its running chapters.
  MaterialSet set = standard_acts_set();
  VerseTable EVS{"EVS"};  // verses in each running chapter, from the set
  // Lines of each question file before the range, and questions inside it.
  PerKind<int> before_range{}, in_range{};

  CountTable &QCOUNT = count[Kind::Regular], &FCOUNT = count[Kind::Ftv],
             &RCOUNT = count[Kind::CvRef], &OCOUNT = count[Kind::CoRef], &SCOUNT = count[Kind::Sit];
  int &BEFORE = before_range[Kind::Regular], &FBEFORE = before_range[Kind::Ftv],
      &RBEFORE = before_range[Kind::CvRef], &OBEFORE = before_range[Kind::CoRef],
      &SBEFORE = before_range[Kind::Sit];
  int &TQUEST = in_range[Kind::Regular], &FQUEST = in_range[Kind::Ftv],
      &RQUEST = in_range[Kind::CvRef], &OQUEST = in_range[Kind::CoRef],
      &SQUEST = in_range[Kind::Sit];
};

// The sectors: QMAX of them once sectoring is done (chapter sectoring may raise QMAX first).
struct Sectors {
  Sectors() = default;
  Sectors(const Sectors&) = delete;
  Sectors& operator=(const Sectors&) = delete;

  int SECTORS = 0;
  SectorTable BC{"BC"}, BV{"BV"}, EC{"EC"}, EV{"EV"};
  // Sectors chosen per chapter (indexed by running chapter) in chapter sectoring.
  Table<int, SET_CHAPTERS_MAX> CS{"CS"};
  // Questions of each kind per sector: draws left before the next recycling during the quiz
  // loop, and the sector's totals, fixed during the quiz loop.
  PerKind<SectorTable> in_sector{{SectorTable{"QPS"}, SectorTable{"FPS"}, SectorTable{"RPS"},
                                  SectorTable{"OPS"}, SectorTable{"SPS"}}};
  PerKind<SectorTable> sector_total{{SectorTable{"TQPS"}, SectorTable{"TFPS"}, SectorTable{"TRPS"},
                                     SectorTable{"TOPS"}, SectorTable{"TSPS"}}};
  bool RES = false;  // the sectors were cut again by questions

  SectorTable &QPS = in_sector[Kind::Regular], &FPS = in_sector[Kind::Ftv],
              &RPS = in_sector[Kind::CvRef], &OPS = in_sector[Kind::CoRef],
              &SPS = in_sector[Kind::Sit];
  SectorTable &TQPS = sector_total[Kind::Regular], &TFPS = sector_total[Kind::Ftv],
              &TRPS = sector_total[Kind::CvRef], &TOPS = sector_total[Kind::CoRef],
              &TSPS = sector_total[Kind::Sit];
};

// Question availability, one entry per question of a sector: the tables widen past REGXX and
// SPXX when a sector holds more (make_room_for_sectors).
struct Availability {
  Availability() = default;
  Availability(const Availability&) = delete;
  Availability& operator=(const Availability&) = delete;

  PerKind<AvailTable> available{{AvailTable{"REGQUESTION", REGXX}, AvailTable{"FINISH"},
                                 AvailTable{"REFERENCE"}, AvailTable{"ONLY"},
                                 AvailTable{"SITUATION"}}};
  RegAvail INT{"INT"};  // true when the regular question is interrogative
  GrowTable2<char, SCMAX, SPXX> FTYPE{"FTYPE"};

  AvailTable &REGQUESTION = available[Kind::Regular], &FINISH = available[Kind::Ftv],
             &REFERENCE = available[Kind::CvRef], &ONLY = available[Kind::CoRef],
             &SITUATION = available[Kind::Sit];
};

// The quiz being made. SECTOR also has the neighbours 0 and 31, which hold sector 0.
struct QuizInMaking {
  Table<int, SCMAX + 1, 0> SECTOR{"SECTOR"};
  Table<int, SCMAX + 1> RSECTOR{"RSECTOR"}, NUMBER{"NUMBER"}, RNUMBER{"RNUMBER"}, QN{"QN"},
      FLAG{"FLAG"};
  Table<std::string, SCMAX> ALL{"ALL"}, ALL2{"ALL2"};
  Table<char, SCMAX> RLBK{"RLBK"};
};

// Patterns, one per quiz, read from "pat.txt".
struct Patterns {
  Table<std::string, QQZ> PAT{"PAT"};
};

// Run counters, flags and the quiz limits of the specialties. Q2 is the number of the quiz being
// made, set by CHOOSESPEC for the packet writer.
struct RunCounters {
  int TEMPF = 0;
  int FQUIZ = 0, RQUIZ = 0, OQUIZ = 0, SQUIZ = 0;
  int FQUIZ1 = 0, MINQZ1 = 0;
  int MINQZ = 0;
  int QZ = 0, Q2 = 0;
  int RSET = 4;
  Combination V = Combination::ApproveEach;  // combination mode, chosen on the menu
  bool ABAND3 = false;
  int ABAND = 0, OLDIPC = 0;
  char FTC2 = 'b', FTC3 = 'c', FTC4 = 'd';  // the quiz's last FTV types, latest first
  int FIX = 0, FIXLAST = 0;
  int ITOT = 0, INUM = 0;
  int LAST = 99, LASTO = 99;
};

// The pass's files: the style it runs, the material and count files, the packet's files and
// those open across routines.
struct PassFiles {
  std::string NAME;  // quiz style name (at most 14), from the hand-over file
  // Set when a count file kept from an earlier pass no longer matched the material and was
  // written again.
  bool STALECOUNT = false;
  // File names of the pass (built in steps 6 and 8).
  std::string REGFILE, FTVFILE, CVFILE, COFILE, SITFILE, COUNTFILE;
  // The question file of a kind: REGFILE, FTVFILE, CVFILE, COFILE or SITFILE.
  const std::string& question_file(Kind k) const {
    const std::string* files[KINDS] = {&REGFILE, &FTVFILE, &CVFILE, &COFILE, &SITFILE};
    return *files[static_cast<int>(k)];
  }
  std::string QUIFILE, INFFILE, NOTESFILE = "temp.txt";
  // The packet's PDF once written (none for the tab-separated layout), or why it was not.
  std::string PDFFILE;
  std::exception_ptr PDFFAULT;

  // Files open across routines of a pass: the quiz file, the notes and the used-question list.
  std::unique_ptr<TextWriter> F8, F9, F10;
};

// The pass's shared state. Its style is the pass's own copy, read from the style file every
// pass: the pass changes it (QMAX after chapter sectoring, IPC after abandoning the
// interrogative share, TYP per quiz) and that never reaches the saved style.
struct RunState : StyleValues,
                  MaterialCounts,
                  Sectors,
                  Availability,
                  QuizInMaking,
                  Patterns,
                  RunCounters,
                  PassFiles {
  StyleValues& style() { return *this; }
  const StyleValues& style() const { return *this; }
};

// Widens the availability, interrogative and FTV type tables so that every question the
// sectors hold (their totals TQPS to TSPS, or their counts when larger) has its own entry.
// Entries already there keep their values; new availability entries are available.
void make_room_for_sectors(Sectors& sectors, Availability& avail);
inline void make_room_for_sectors(RunState& rs) { make_room_for_sectors(rs, rs); }

}  // namespace halvorin
