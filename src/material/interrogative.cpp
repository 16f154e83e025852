#include "material/interrogative.hpp"

#include <algorithm>
#include <array>
#include <string_view>

#include "material/line_check.hpp"
#include "platform/text_file.hpp"

namespace halvorin {

namespace {

// Openings that make a question interrogative, in the order they are tested.
constexpr std::array<std::string_view, 38> kOpenings = {
    "Is ",       "Are ",       "Can ",      "Did ",     "Who ",     "Who,",     "Why ",
    "How ",      "What ",      "What,",     "Whom ",    "Will ",    "When ",    "Where ",
    "Which ",    "Whose ",     "In wh",     "Of wh",    "On wh",    "At wh",    "To wh",
    "Off wh",    "Before wh",  "By wh",     "For wh",   "Do you",   "From wh",  "Into wh",
    "Over wh",   "Upon wh",    "With wh",   "About wh", "Among wh", "Under wh", "Across wh",
    "During wh", "Against wh", "Through wh"};

// Openings that look interrogative but are statements, in the order they are tested.
constexpr std::array<std::string_view, 27> kExceptions = {
    "What I ",      "When I ",      "When a ",      "How true ",    "What God ",    "When this ",
    "When he ",     "When his ",    "When God",     "What seemed ", "When Apollos", "When Barnaba",
    "When Priscil", "When dayligh", "When neither", "When Jacob ",  "When Silas ",  "When they ",
    "When Paul ",   "When Saul ",   "When the ",    "When two ",    "When she ",    "When our ",
    "When all ",    "When we ",     "When Moses "};

constexpr size_t kTextColumn = 7;

// The text from column 7 (its first letter `first`, a lower-case w taken as W) begins with
// `entry`, for the entry's whole length. The first letter is tested before anything else: most
// entries fail on it.
inline bool begins_with(std::string_view text, char first, std::string_view entry) {
  return entry[0] == first && text.size() >= entry.size() &&
         text.substr(1, entry.size() - 1) == entry.substr(1);
}

}  // namespace

bool is_interrogative(std::string_view line) {
  if (line.size() < kTextColumn) return false;
  const std::string_view text = line.substr(kTextColumn - 1);
  const char first = text[0] == 'w' ? 'W' : text[0];
  bool found = false;
  for (std::string_view o : kOpenings)
    if (begins_with(text, first, o)) {
      found = true;
      break;
    }
  if (!found) return false;
  for (std::string_view e : kExceptions)
    if (begins_with(text, first, e)) return false;
  return true;
}

void COUNTINT(Program& p) {
  RunState& rs = p.rs;
  TextReader in(rs.REGFILE);
  p.con.gotoxy(3, 3);
  p.con.write("Creating index of interrogatives...");
  in.skip_lines(rs.BEFORE);
  make_room_for_sectors(rs);
  const size_t skip = book_columns(rs.set);
  for (int s = 1; s <= rs.SECTORS; ++s) {
    for (int n = 1; n <= rs.QPS[s]; ++n) {
      if (in.eof()) in.fail("the regular questions end before the questions their counts promise");
      // A line of a set of several books is today's line after its book letter and blank.
      std::string_view line = in.view_line(LMAX + skip);
      line.remove_prefix(std::min(skip, line.size()));
      rs.INT(s, n) = is_interrogative(line);
    }
  }
}

}  // namespace halvorin
