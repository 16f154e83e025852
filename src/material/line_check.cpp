#include "material/line_check.hpp"

#include <cctype>

#include "material/counts.hpp"
#include "state/table.hpp"

namespace halvorin {

namespace {

bool is_digit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// The text of the line from column `from` up to the next tab (or the line's end), blanks trimmed.
std::string field_from(const std::string& line, size_t from) {
  if (from > line.size()) return {};
  size_t end = line.find('\t', from - 1);
  std::string f =
      line.substr(from - 1, end == std::string::npos ? std::string::npos : end - from + 1);
  size_t b = f.find_first_not_of(' ');
  return b == std::string::npos ? std::string() : f.substr(b, f.find_last_not_of(' ') - b + 1);
}

}  // namespace

size_t read_length(Kind kind) { return kind == Kind::Ftv || kind == Kind::Sit ? 2 * LMAX : LMAX; }

bool ftv_type_vr(const std::string& line) { return at(line, 9) == 'V' && at(line, 10) == 'R'; }

char ftv_type(const std::string& line) { return ftv_type_vr(line) ? 'R' : at(line, 9); }

std::string reference_line(const MaterialSet& set, const std::string& line) {
  const size_t skip = book_columns(set);
  return line.size() <= skip ? std::string() : line.substr(skip);
}

std::string running_reference(const MaterialSet& set, int r, int v) {
  const std::string cv = std::to_string(set.place_of(r).chapter) + ":" + std::to_string(v);
  if (!set.several_books()) return cv;
  return std::string(1, set.book_of_chapter(r).letter) + " " + cv;
}

std::string ReferenceWalk::take(const std::string& line, CountTable& table) {
  const MaterialSet& set = *set_;
  int book = 1;
  if (set.several_books()) {
    const char letter = at(line, 1);
    if (!std::isalpha(static_cast<unsigned char>(letter)) || at(line, 2) != ' ')
      return "a line of a set of several books starts with its book's letter and a blank "
             "(as \"R 14: 1\"), not '" +
             line.substr(0, 2) + "'";
    book = set.book_of_letter(letter);
    if (book == 0)
      return std::string("book '") + letter + "' is not a book of this set (" + set.letters() + ")";
  }
  const size_t skip = book_columns(set);
  const std::string_view s = std::string_view(line).substr(std::min(skip, line.size()));
  auto col = [&](size_t k) { return k <= s.size() ? s[k - 1] : ' '; };
  char c1 = col(1), c2 = col(2);
  if (!is_digit(c2) || !(c1 == ' ' || is_digit(c1)))
    return "the chapter in columns " + std::to_string(skip + 1) + "-" + std::to_string(skip + 2) +
           " is not a number: '" + std::string(s.substr(0, 2)) + "'";
  int ch = c2 - '0' + (c1 == ' ' ? 0 : 10 * (c1 - '0'));
  size_t i = 3;  // just past the separator in column 3
  while (i < s.size() && s[i] == ' ') ++i;
  size_t start = i;
  int v = 0;
  while (i < s.size() && is_digit(s[i]) && i - start < 5) v = v * 10 + (s[i++] - '0');
  if (i == start || (i < s.size() && !std::isspace(static_cast<unsigned char>(s[i]))))
    return "the verse after column " + std::to_string(skip + 3) + " is not a number";
  const Book& b = set.book(book);
  const int verses = set.count_verses();
  // Built only for a message: this runs for every line of every question file.
  auto here = [&] {
    const std::string cv = std::to_string(ch) + ":" + std::to_string(v);
    return set.several_books() ? std::string(1, b.letter) + " " + cv : cv;
  };
  if (!set.several_books() && (ch < 1 || ch > b.chapters() || v < 1 || v > verses))
    return "chapter and verse " + here() + " lie outside chapters 1.." +
           std::to_string(b.chapters()) + " and verses 1.." + std::to_string(verses);
  if (ch < 1 || ch > b.chapters())
    return here() + " lies outside " + b.name + ", chapters 1.." + std::to_string(b.chapters());
  if (v < 1 || v > verses) return here() + " lies outside verses 1.." + std::to_string(verses);
  const int running = set.running_chapter(book, ch);
  if (running < last_ch_ || (running == last_ch_ && v < last_v_))
    return here() + " comes after " + where() +
           (set.several_books() ? " (lines must be in book, chapter and verse order)"
                                : " (lines must be in chapter and verse order)");
  int& n = table(running, v);
  if (n >= KIND_MAX)
    return "more than " + std::to_string(KIND_MAX) + " questions of this kind at " + here();
  ++n;
  last_ch_ = running;
  last_v_ = v;
  return {};
}

std::vector<std::string> field_problems(const std::string& line, Kind kind, size_t shift) {
  std::vector<std::string> out;
  // Column k of the line as checked is column k + shift of the line as stored.
  auto col = [shift](size_t k) { return std::to_string(k + shift); };
  if (at(line, 3) != ':')
    out.push_back("column " + col(3) + " should hold the colon between chapter and verse");
  // An FTV label may also begin in column 6.
  if (at(line, 6) != '\t' && kind != Kind::Ftv)
    out.push_back("column " + col(6) + " should hold a tab after the reference");
  switch (kind) {
    case Kind::Regular:
      if (field_from(line, 7).empty()) {
        out.push_back("no question text from column " + col(7));
      } else {
        // The answer follows the question after a tab.
        const size_t tab = line.find('\t', 6);
        if (tab == std::string::npos || field_from(line, tab + 2).empty())
          out.push_back("no answer: a tab and the answer should follow the question");
      }
      break;
    case Kind::CvRef:
    case Kind::CoRef: {
      char a = at(line, 7), b = at(line, 8);
      if (a == ' ' || a == '\t' || b == ' ' || b == '\t')
        out.push_back("a reference question needs a two-character label in columns " + col(7) +
                      "-" + col(8));
      if (at(line, 9) != '\t')
        out.push_back("column " + col(9) + " should hold the tab after the label");
      else if (field_from(line, 10).empty())
        out.push_back("no question text from column " + col(10));
      break;
    }
    case Kind::Ftv: {
      const size_t label_at = at(line, 6) == '\t' ? 7 : 6;
      const size_t tab = line.find('\t', label_at - 1);
      if (tab == std::string::npos || tab + 1 == label_at) {
        out.push_back("an FTV question needs a label and a tab before its verse text");
        break;
      }
      const char t = at(line, 9);
      if (!ftv_type_vr(line) && (t < 'a' || t > 'e'))
        out.push_back("the FTV type in column " + col(9) + " must be a to e or VR, not '" + t +
                      "'");
      if (field_from(line, tab + 2).empty()) out.push_back("no verse text after the FTV label");
      break;
    }
    case Kind::Sit: {
      const size_t quote = line.find_first_of("\"'", 6);
      const size_t star = line.find('*', 6);
      if (quote == std::string::npos)
        out.push_back("a SIT question needs a quotation (a double or single quotation mark)");
      if (star == std::string::npos)
        out.push_back("a SIT question needs its answer after a '*'");
      else if (quote != std::string::npos && star < quote)
        out.push_back("the SIT answer ('*') comes before the quotation");
      break;
    }
  }
  if (line.size() > read_length(kind))
    out.push_back("the line has " + std::to_string(line.size()) + " characters; only the first " +
                  std::to_string(read_length(kind)) + " are read");
  return out;
}

}  // namespace halvorin
