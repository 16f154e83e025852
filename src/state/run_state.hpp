#pragma once
// Bounds and the main program's shared tables: style values, counts, totals, sectors,
// availability, the quiz being made, patterns and run counters. Names are the program's own.
#include <exception>
#include <memory>
#include <string>

#include "platform/text_file.hpp"
#include "state/table.hpp"

namespace halvorin {

constexpr int CHMAX = 28;   // chapters of the material
constexpr int VMAX = 65;    // verses per chapter
constexpr int SCMAX = 30;   // sectors (questions per quiz)
constexpr int SPXX = 50;    // specialty question slots per sector and type, at the least
constexpr int REGXX = 200;  // regular question slots per sector, at the least
constexpr int QQZ = 150;    // quizzes per packet
constexpr int LMAX = 254;   // characters in one question line

using CountTable = Table2<int, CHMAX, VMAX>;
using SectorTable = Table<int, SCMAX>;
using SpecAvail = GrowTable2<bool, SCMAX, SPXX>;
using RegAvail = GrowTable2<bool, SCMAX, REGXX>;

// How the quiz loop treats each quiz's specialty combination: shown for approval, or taken as
// drawn.
enum class Combination { ApproveEach = 1, Automatic = 2 };

struct RunState {
  // Style parameters, read from the style file every pass.
  char LG = ' ';
  int BCHAP = 1, BVER = 1, ECHAP = 1, EVER = 1;
  int LPP = 66;
  char OUT = 'P';
  int QMAX = 1, AB = 1, IPC = 50;
  char INDX = 'Y';
  int QNUM = 1, REPEATPCT = 0;
  int SPMAX = 0, SPMIN = 0, FMAX = 0, FMIN = 0, RMAX = 0, RMIN = 0, OMAX = 0, OMIN = 0, SMAX = 0,
      SMIN = 0;
  int SPEARLY = 1, SPLATE = 1;
  std::string TYP;   // specialty type string; during the quiz loop the current quiz's pattern
  std::string NAME;  // quiz style name (at most 14)

  // Question counts by chapter and verse (refused above 255 of a kind per verse).
  CountTable QCOUNT{"QCOUNT"}, FCOUNT{"FCOUNT"}, RCOUNT{"RCOUNT"}, OCOUNT{"OCOUNT"},
      SCOUNT{"SCOUNT"};
  Table<int, CHMAX> EVS{"EVS"};  // verses in each chapter, from "Verses.txt"

  // Range totals.
  int BEFORE = 0, FBEFORE = 0, RBEFORE = 0, OBEFORE = 0, SBEFORE = 0;
  int TQUEST = 0, FQUEST = 0, RQUEST = 0, OQUEST = 0, SQUEST = 0;
  int TEMPF = 0;
  int FQUIZ = 0, RQUIZ = 0, OQUIZ = 0, SQUIZ = 0;
  int FQUIZ1 = 0, MINQZ1 = 0;
  int MINQZ = 0;

  // Sectors: QMAX of them once sectoring is done (chapter sectoring may raise QMAX first).
  int SECTORS = 0;
  SectorTable BC{"BC"}, BV{"BV"}, EC{"EC"}, EV{"EV"};
  SectorTable CS{"CS"};  // sectors chosen per chapter (indexed by chapter) in chapter sectoring
  SectorTable QPS{"QPS"}, FPS{"FPS"}, RPS{"RPS"}, OPS{"OPS"}, SPS{"SPS"};
  SectorTable TQPS{"TQPS"}, TFPS{"TFPS"}, TRPS{"TRPS"}, TOPS{"TOPS"}, TSPS{"TSPS"};

  // Question availability (true = still available), one entry per question of a sector: the
  // tables widen past REGXX and SPXX when a sector holds more (make_room_for_sectors).
  RegAvail REGQUESTION{"REGQUESTION"};
  RegAvail INT{"INT"};  // true when the regular question is interrogative
  SpecAvail FINISH{"FINISH"}, REFERENCE{"REFERENCE"}, ONLY{"ONLY"}, SITUATION{"SITUATION"};
  GrowTable2<char, SCMAX, SPXX> FTYPE{"FTYPE"};

  // The quiz being made. SECTOR also has the neighbours 0 and 31, which hold sector 0.
  Table<int, SCMAX + 1, 0> SECTOR{"SECTOR"};
  Table<int, SCMAX + 1> RSECTOR{"RSECTOR"}, NUMBER{"NUMBER"}, RNUMBER{"RNUMBER"}, QN{"QN"},
      FLAG{"FLAG"};
  Table<std::string, SCMAX> ALL{"ALL"}, ALL2{"ALL2"};
  Table<char, SCMAX> RLBK{"RLBK"};

  // Patterns, one per quiz, read from "pat.txt".
  Table<std::string, QQZ> PAT{"PAT"};

  // Run counters and flags. Q2 is the number of the quiz being made, set by CHOOSESPEC for the
  // packet writer.
  int QZ = 0, Q2 = 0;
  int RSET = 4;
  bool RES = false;
  Combination V = Combination::ApproveEach;  // combination mode, chosen on the menu
  bool ABAND3 = false;
  int ABAND = 0, OLDIPC = 0;
  char FTC2 = 'b', FTC3 = 'c', FTC4 = 'd';  // the quiz's last FTV types, latest first
  int FIX = 0, FIXLAST = 0;
  int ITOT = 0, INUM = 0;
  int LAST = 99, LASTO = 99;

  // Set when a count file kept from an earlier pass no longer matched the material and was
  // written again.
  bool STALECOUNT = false;
  // File names of the pass (built in steps 6 and 8).
  std::string REGFILE, FTVFILE, CVFILE, COFILE, SITFILE, COUNTFILE;
  std::string QUIFILE, INFFILE, NOTESFILE = "temp.txt";
  // The packet's PDF once written (none for the tab-separated layout), or why it was not.
  std::string PDFFILE;
  std::exception_ptr PDFFAULT;

  // Files open across routines of a pass: the quiz file, the notes and the used-question list.
  std::unique_ptr<TextWriter> F8, F9, F10;
};

// Widens the availability, interrogative and FTV type tables so that every question the
// sectors hold (their totals TQPS to TSPS, or their counts when larger) has its own entry.
// Entries already there keep their values; new availability entries are available.
void make_room_for_sectors(RunState& rs);

}  // namespace halvorin
