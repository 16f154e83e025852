// The material steps of a pass: file names, question counts (built or reused), range totals, the
// feasibility checks, the summary line, the specialty quiz limits and the interrogative index.
#include "config/style_list.hpp"
#include "driver/steps.hpp"
#include "driver/warnings.hpp"
#include "material/counts.hpp"
#include "material/files.hpp"
#include "material/interrogative.hpp"
#include "platform/errors.hpp"
#include "platform/text_file.hpp"

namespace halvorin {

namespace {

// The range must lie inside the count tables; the style file is the place to mend it.
void check_range(const RunState& rs) {
  const int chapters = rs.set.total_chapters(), verses = rs.set.count_verses();
  auto refuse = [&](int line, const std::string& which, int ch, int v) {
    throw FileError(style_file_name(rs.NAME), line,
                    "the " + which + " of the range, " + std::to_string(ch) + ":" +
                        std::to_string(v) + ", lies outside chapters 1.." +
                        std::to_string(chapters) + " and verses 1.." + std::to_string(verses));
  };
  if (rs.BCHAP < 1 || rs.BCHAP > chapters || rs.BVER < 1 || rs.BVER > verses)
    refuse(2, "start", rs.BCHAP, rs.BVER);
  if (rs.ECHAP < 1 || rs.ECHAP > chapters || rs.EVER < 1 || rs.EVER > verses)
    refuse(3, "end", rs.ECHAP, rs.EVER);
}

// The index-being-built lines shown while the count file is written.
void show_index_build(Console& con) {
  CLR(con);
  con.writeln("  Creating index of questions...");
  con.writeln();
}

// Counts the five question files and writes the count file in the working directory.
void build_index(Program& p) {
  show_index_build(p.con);
  build_counts(p.rs, p.rs);
  write_count_file(p.rs, p.rs.COUNTFILE);
}

// A count file kept from an earlier pass is trusted only while it still describes the material:
// the material is counted again (a fraction of a millisecond) and compared. A count file that
// differs is written again from the new counts, as a rebuild would. True when it was rebuilt.
bool rebuild_if_stale(Program& p) {
  RunState& rs = p.rs;
  build_counts(rs, rs);
  const PerKind<CountTable> counted = rs.count;
  // A count file of another material set's tables (the folder changed seasons) is rebuilt; it is
  // looked at only when it does not load as this set's.
  bool other_tables = false;
  try {
    load_count_file(rs, rs.COUNTFILE);
  } catch (const FileError&) {
    if (!count_file_of_other_tables(rs, rs.COUNTFILE)) throw;
    other_tables = true;
  }
  bool same = !other_tables;
  for (Kind k : kAllKinds) same = same && rs.count[k].same_entries(counted[k]);
  if (same) return false;
  show_index_build(p.con);
  rs.count = counted;
  write_count_file(rs, rs.COUNTFILE);
  return true;
}

void set_quiz_limits(RunState& rs) {
  if (rs.FMAX > 0) rs.FQUIZ = ((4 * rs.FQUEST) / rs.FMAX) / 5;
  if (rs.SMAX > 0) rs.SQUIZ = rs.SQUEST / rs.SMAX;
  if (rs.OMAX > 0) rs.OQUIZ = rs.OQUEST / rs.OMAX;
  if (rs.RMAX > 0) rs.RQUIZ = rs.RQUEST / rs.RMAX;
  rs.TEMPF = rs.FBEFORE;
}

}  // namespace

Step count_material(Program& p) {
  RunState& rs = p.rs;
  Console& con = p.con;
  name_material_files(rs, rs.REGLST, rs.NAME4);

  rs.SECTORS = rs.QMAX;
  rs.BEFORE = rs.RBEFORE = rs.OBEFORE = rs.FBEFORE = rs.SBEFORE = rs.TQUEST = 0;
  CLR(con);
  zero_counts(rs);

  // The material is always read from the working directory, so only a count file there can
  // describe it: one found only along PATH is rebuilt here rather than reused.
  con.gotoxy(3, 3);
  const bool reusable = !search_path(rs.COUNTFILE).empty() && !find_file(rs.COUNTFILE).empty();
  rs.STALECOUNT = false;
  if (!(rs.INDX == 'N' && reusable))
    build_index(p);
  else
    rs.STALECOUNT = rebuild_if_stale(p);

  con.gotoxy(3, 3);
  con.write("Sectoring material...");
  con.clreol();
  load_count_file(rs, rs.COUNTFILE);

  check_range(rs);
  range_totals(rs, rs.style());

  CLR(con);
  if (rs.TQUEST < rs.SECTORS) {
    QUESTWARN(p);
    return Step::StartOver;
  }
  con.writeln("  A quiz will contain one question from each sector.");
  con.writeln("  Regular Questions: " + std::to_string(rs.TQUEST) +
              "   FTV: " + std::to_string(rs.FQUEST) + "   CV Refs: " + std::to_string(rs.RQUEST) +
              "   CO Refs: " + std::to_string(rs.OQUEST) + "   SIT: " + std::to_string(rs.SQUEST));
  set_quiz_limits(rs);
  return Step::Continue;
}

Step check_empty_specialty(Program& p) {
  const RunState& rs = p.rs;
  if ((rs.FQUEST == 0 && rs.FMAX > 0) || (rs.OQUEST == 0 && rs.OMAX > 0) ||
      (rs.RQUEST == 0 && rs.RMAX > 0) || (rs.SQUEST == 0 && rs.SMAX > 0)) {
    SPECWARN(p);
    return Step::StartOver;
  }
  return Step::Continue;
}

Step build_interrogative_index(Program& p) {
  if (p.rs.IPC != 50) COUNTINT(p);
  return Step::Continue;
}

}  // namespace halvorin
