#pragma once
// The material set of a league folder: its title, the prefix of its regular question files and
// its books in order, each with its letter, names and verses per chapter. A folder declares it in
// "Set.txt"; a folder without one holds the Acts set, read from "Verses.txt".
#include <string>
#include <string_view>
#include <vector>

#include "platform/text_file.hpp"
#include "state/material_set.hpp"
#include "state/run_state.hpp"

namespace halvorin {

// The declaration's file name in the league folder.
inline constexpr const char* kSetFile = "Set.txt";
// The verse table of a folder without a declaration.
inline constexpr const char* kVerseTable = "Verses.txt";

// Reads a declaration. Blank lines and lines starting with '#' are skipped; every other line is
// "key: value". Refuses (FileError naming the line) an unknown or repeated key, a missing one, and
// every value the program could not use: a book letter that is not a letter or is already taken,
// a chapter of no verses or more than 99, more than 34 chapters in the set, a book without
// chapters, names too long for the screens and the packet, a prefix that would name another
// kind's file, reduced chapters the book does not have or out of order.
MaterialSet read_material_set(TextReader& in);
// Writes a declaration that read_material_set reads back the same.
void write_material_set(TextWriter& out, const MaterialSet& set);
// Writes the declaration file `name`, replacing any old one whole.
void write_material_set_file(const std::string& name, const MaterialSet& set);

// Reads the Acts set from a verse table: 28 lines, each starting with the verses of its chapter
// (0..65), as a folder without a declaration has always had it.
MaterialSet read_verse_table_set(TextReader& in);

// The set of the working directory: its declaration when there is one, else the Acts set of its
// verse table.
MaterialSet load_material_set();

}  // namespace halvorin
