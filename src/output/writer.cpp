#include "output/writer.hpp"

#include "output/layouts.hpp"
#include "platform/errors.hpp"

namespace halvorin {

ShownChapter shown_chapter(const MaterialSet& set, int running) {
  const ChapterPlace at = set.place_of(running);
  if (at.book == 0) return {set.book(1).letter, running};
  return {set.book(at.book).letter, at.chapter};
}

std::string range_text(const RunState& rs) {
  const ShownChapter b = shown_chapter(rs.set, rs.BCHAP), e = shown_chapter(rs.set, rs.ECHAP);
  return std::string(1, b.letter) + " " + std::to_string(b.chapter) + ":" +
         std::to_string(rs.BVER) + " to " + std::string(1, e.letter) + " " +
         std::to_string(e.chapter) + ":" + std::to_string(rs.EVER);
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
