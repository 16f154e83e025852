#pragma once
// The names of the material files: a set's five question files and its count file, built from
// the style's level, regular list and primary FTV percentage, and the kind of a file told from
// its name. Every reader of the material names its files here.
#include <optional>
#include <string>

#include "material/line_check.hpp"
#include "state/run_state.hpp"

namespace halvorin {

// What names one material set: the level letter (L: the reduced material, whose names begin
// with "LL"), the regular list letter and the two digits of the primary FTV percentage.
struct MaterialSet {
  char level = ' ';
  char list = 'A';
  std::string ftv_digits;
};

// The two digits of a primary FTV percentage in the FTV and count file names: "00" for 100.
std::string primpct_digits(int primpct);

// The question file of `kind` in `set`: [LL]Acts.x, [LL]FTV.dd, [LL]cv.b or cv.c and [LL]co.b
// or co.c (list C has its own reference questions; lists A and B share the B ones), and
// llsit.txt or SIT.TXT.
std::string question_file_name(QuestionKind kind, const MaterialSet& set);
// The count file of `set`: [LL]count.dd + list letter.
std::string count_file_name(const MaterialSet& set);

// The kind of a question file from its name in any letter case, or nothing for other files.
std::optional<QuestionKind> question_file_kind(const std::string& name);
// The set a count file's name (in any letter case) counts, or nothing for other files.
std::optional<MaterialSet> count_file_set(const std::string& name);

// Fills REGFILE, CVFILE, COFILE, SITFILE, QUIFILE, NOTESFILE and INFFILE from the level letter,
// the regular list letter and the output base name.
void name_material_files(RunState& rs, char reglst, const std::string& name4);

}  // namespace halvorin
