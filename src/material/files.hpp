#pragma once
// The names of the material files: the five question files a style reads and its count file, built
// from the style's level, regular list and primary FTV percentage, and the kind of a file told from
// its name. Every reader of the material names its files here.
#include <optional>
#include <string>

#include "material/line_check.hpp"
#include "state/run_state.hpp"

namespace halvorin {

// What names the material files a style reads: the level letter (L: the reduced material, whose
// names begin with "LL"), the regular list letter and the two digits of the primary FTV
// percentage.
struct MaterialFileKey {
  char level = ' ';
  char list = 'A';
  std::string ftv_digits;
  std::string prefix = "Acts";  // the material set's prefix of the regular files
};

// The two digits of a primary FTV percentage in the FTV and count file names: "00" for 100.
std::string primpct_digits(int primpct);

// The question file of `kind` named by `key`: [LL]PREFIX.x (Acts.x for Acts), [LL]FTV.dd, [LL]cv.b
// or cv.c and [LL]co.b or co.c (list C has its own reference questions; lists A and B share the B
// ones), and llsit.txt or SIT.TXT.
std::string question_file_name(Kind kind, const MaterialFileKey& key);
// The count file named by `key`: [LL]count.dd + list letter.
std::string count_file_name(const MaterialFileKey& key);

// The kind of a question file from its name in any letter case, or nothing for other files; the
// regular files are named by the set's prefix.
std::optional<Kind> question_file_kind(const std::string& name, const std::string& prefix);
// What a count file's name (in any letter case) says it counts, or nothing for other files.
std::optional<MaterialFileKey> count_file_key(const std::string& name);

// Fills REGFILE, CVFILE, COFILE, SITFILE, QUIFILE, NOTESFILE and INFFILE from the level letter,
// the regular list letter and the output base name.
void name_material_files(RunState& rs, char reglst, const std::string& name4);

}  // namespace halvorin
