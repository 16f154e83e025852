#include "output/writer.hpp"

#include "output/layouts.hpp"
#include "platform/errors.hpp"

namespace halvorin {

std::string range_text(const RunState& rs) {
  // Each end by its book's letter and own chapter; a chapter outside the set keeps its number,
  // with the first book's letter.
  const MaterialSet& set = rs.set;
  return std::string(1, set.book_of_chapter(rs.BCHAP).letter) + " " +
         std::to_string(set.own_chapter(rs.BCHAP)) + ":" + std::to_string(rs.BVER) + " to " +
         std::string(1, set.book_of_chapter(rs.ECHAP).letter) + " " +
         std::to_string(set.own_chapter(rs.ECHAP)) + ":" + std::to_string(rs.EVER);
}

void WRITEMAT(const RunState& rs, TextWriter& f) { f.write(range_text(rs)); }

char type_at(const RunState& rs, int x) { return at(rs.TYP, x); }

void load_position(const RunState& rs, int x, QuestionText& t) {
  const char type = type_at(rs, x);
  load_text(t, rs.ALL[x], type == 'S' || type == 'F' ? rs.ALL2[x] : std::string());
}

void OPUT(Program& p) {
  RunState& rs = p.rs;
  if (!rs.F8 || !rs.F8->is_open()) throw InternalError("the quiz file is not open");
  switch (rs.OUT) {
    case 'C':
    case 'c':
      write_cards(rs, *rs.F8);
      break;
    case 'P':
    case 'p':
      write_pages(rs, *rs.F8);
      break;
    default:
      write_tabbed(rs, *rs.F8);
      break;
  }
}

}  // namespace halvorin
