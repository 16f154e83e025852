#include "material/files.hpp"

namespace halvorin {

void name_material_files(RunState& rs, char reglst, const std::string& name4) {
  std::string ll = rs.LG == 'L' ? "LL" : "";
  rs.QUIFILE = name4 + ".qui";
  rs.REGFILE = ll + "Acts." + std::string(1, reglst);
  // List C has its own reference questions; lists A and B share the B ones.
  bool list_c = reglst == 'C' || reglst == 'c';
  rs.CVFILE = ll + (list_c ? "cv.c" : "cv.b");
  rs.COFILE = ll + (list_c ? "co.c" : "co.b");
  rs.NOTESFILE = "temp.txt";
  rs.SITFILE = rs.LG == 'L' ? "llsit.txt" : "SIT.TXT";
  rs.INFFILE = name4 + ".inf";
}

}  // namespace halvorin
