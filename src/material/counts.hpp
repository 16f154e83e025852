#pragma once
// Question counts per chapter and verse: the index build from the five question files, the count
// file that caches them, and the routines that add counts up into range and sector totals.
#include <string>
#include <vector>

#include "platform/text_file.hpp"
#include "state/run_state.hpp"

namespace halvorin {

// Most questions of one kind a verse may hold (the counts are stored as bytes).
constexpr int KIND_MAX = 255;

// Sizes the five count tables for the verse table: one row per chapter, and per chapter as many
// verses as the longest chapter has, but never fewer than VMAX (so the count file of every
// material of at most VMAX verses a chapter keeps its layout). The tables are zeroed.
void size_counts(MaterialCounts& mc, const VerseTable& verses);

// Adds the five counts at chapter ch, verse v to BEFORE, FBEFORE, RBEFORE, OBEFORE, SBEFORE.
void BCOUNT(MaterialCounts& mc, int ch, int v);
// Adds the five counts at chapter ch, verse v to TQUEST, FQUEST, RQUEST, OQUEST, SQUEST.
void TCOUNT(MaterialCounts& mc, int ch, int v);
// Adds the four specialty counts at chapter x, verse y to FPS, RPS, OPS, SPS of sector s.
void SPECOUNT(const MaterialCounts& mc, Sectors& sectors, int x, int y, int s);

// Chapter and verse named by one count file record.
struct CountRecord {
  int ch = 0;
  int vs = 0;
};
// Reads one count file record (seven numbers, then the rest of its line) and adds its regular,
// FTV, CV Ref, CO Ref and SIT counts to QPS, FPS, RPS, OPS, SPS of sector s. Throws FileError
// for a missing or garbled record, a chapter or verse out of range, or a count above 255.
// The count file's records name running chapters of `set` and its count verses.
CountRecord READ11(Sectors& sectors, TextReader& count_file, int s,
                   const MaterialSet& set = standard_acts_set());

// Sets the book letter of quiz position pos: the letter its question line starts with in a set of
// several books (`letter`), else (0) the set's one book's letter ("A" for Acts).
void CONVERT2(RunState& rs, int pos, char letter);

// Sets the five count tables to 0.
void zero_counts(MaterialCounts& mc);
// Counts the lines of one question file into a count table. Refuses (FileError naming the line)
// a chapter or verse that is not a number or out of range, a line out of chapter and verse
// order, and more than 255 questions of the kind in one verse. An empty file counts nothing.
void count_question_file(TextReader& in, CountTable& table,
                         const MaterialSet& set = standard_acts_set());
// Counts the five question files named REGFILE, FTVFILE, CVFILE, COFILE, SITFILE (in that
// order) into QCOUNT, FCOUNT, RCOUNT, OCOUNT, SCOUNT. The tables are zeroed first.
void build_counts(MaterialCounts& mc, const PassFiles& files);
// Writes the count file (a line per chapter and verse of the count tables, 1820 for Acts, CR
// LF) from the five count tables, replacing any old one only when the new one is complete.
void write_count_file(const MaterialCounts& mc, const std::string& name);
// Loads the five count tables from a count file, checking that it holds a record per chapter
// and verse of the tables in order, with counts 0..255. `path` is where the file lies (a plain
// name or a found path).
void load_count_file(MaterialCounts& mc, const std::string& path);
// True when the count file at `path` is whole and in order but laid out for other tables than
// `mc`'s (chapters x verses per chapter): a count file left from another material set, which is
// stale rather than broken.
bool count_file_of_other_tables(const MaterialCounts& mc, const std::string& path);
// Zeroes the ten range totals, then adds up the counts before the range (BCOUNT) and inside it
// (TCOUNT) for the style's BCHAP:BVER .. ECHAP:EVER.
void range_totals(MaterialCounts& mc, const StyleValues& range);

}  // namespace halvorin
