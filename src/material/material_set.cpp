#include "material/material_set.hpp"

#include <algorithm>
#include <cctype>

#include "platform/errors.hpp"

namespace halvorin {

namespace {

// Longest line of a declaration; a verses line of 34 chapters needs about 100 characters.
constexpr size_t kLineMax = 400;

std::string trim(std::string_view s) {
  const size_t b = s.find_first_not_of(" \t");
  if (b == std::string_view::npos) return {};
  return std::string(s.substr(b, s.find_last_not_of(" \t") - b + 1));
}

std::string lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

bool is_letter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool is_digit(char c) { return c >= '0' && c <= '9'; }

// The blank- or comma-separated words of a value.
std::vector<std::string> words(const std::string& s) {
  std::vector<std::string> out;
  std::string w;
  for (char c : s + " ") {
    if (c == ' ' || c == ',' || c == '\t') {
      if (!w.empty()) out.push_back(w);
      w.clear();
    } else {
      w += c;
    }
  }
  return out;
}

// A whole word of digits as a number; -1 when it is not one (or too long to matter).
int number(const std::string& w) {
  if (w.empty() || w.size() > 4 || !std::all_of(w.begin(), w.end(), is_digit)) return -1;
  return std::stoi(w);
}

// "1-6 8-9 12" for the chapters 1..6, 8, 9 and 12.
std::string ranges_text(const std::vector<int>& chapters) {
  std::string s;
  for (size_t i = 0; i < chapters.size();) {
    size_t j = i;
    while (j + 1 < chapters.size() && chapters[j + 1] == chapters[j] + 1) ++j;
    if (!s.empty()) s += ' ';
    s += std::to_string(chapters[i]);
    if (j > i) s += "-" + std::to_string(chapters[j]);
    i = j + 1;
  }
  return s;
}

// A book as the reader collects it, with the lines its items came from.
struct BookLines {
  int book = 0, name = 0, short_name = 0, verses = 0, reduced = 0;
  std::string reduced_text;
};

class SetReader {
 public:
  explicit SetReader(TextReader& in) : in_(in) {}

  MaterialSet read() {
    int last = 1;  // an empty file is refused at its line 1
    while (!in_.eof()) {
      const int line = in_.line();
      last = line;
      const std::string_view raw = in_.view_line(kLineMax + 1);
      if (raw.size() > kLineMax)
        fail(line, "the line is longer than " + std::to_string(kLineMax) + " characters");
      std::string text = trim(raw);
      // Some editors begin a UTF-8 file with a byte order mark.
      if (line == 1 && text.starts_with("\xEF\xBB\xBF")) text = trim(text.substr(3));
      if (text.empty() || text[0] == '#') continue;
      const size_t colon = text.find(':');
      if (colon == std::string::npos)
        fail(line, "expected \"key: value\" (title, prefix, book, name, short, verses, reduced)");
      take(line, lower(trim(std::string_view(text).substr(0, colon))),
           trim(text.substr(colon + 1)));
    }
    if (!set_.books.empty()) finish_book();
    if (title_ == 0) fail(last, "the set has no title (a line \"title: ...\")");
    if (prefix_ == 0) fail(last, "the set has no prefix of its regular files (\"prefix: ...\")");
    if (set_.books.empty()) fail(last, "the set declares no book (a line \"book: LETTER\")");
    return set_;
  }

 private:
  [[noreturn]] void fail(int line, const std::string& what) const {
    throw FileError(in_.name(), line, what);
  }

  // Refuses a second line with the same key; `seen` holds the first one's line.
  void once(int& seen, int line, const std::string& key) const {
    if (seen != 0) fail(line, key + " is given twice (first on line " + std::to_string(seen) + ")");
    seen = line;
  }

  // A value shown on screens or in the packet: not empty, no control characters, not too long.
  void check_text(int line, const std::string& key, const std::string& v, size_t max) const {
    if (v.empty()) fail(line, key + " needs a value");
    if (std::any_of(v.begin(), v.end(), is_control))
      fail(line, key + " holds a control character (a tab?)");
    if (v.size() > max)
      fail(line, key + " \"" + v + "\" is longer than " + std::to_string(max) + " characters");
  }

  void take(int line, const std::string& key, const std::string& v) {
    if (key == "title" || key == "prefix") {
      if (!set_.books.empty()) fail(line, key + " belongs before the first book");
      if (key == "title") {
        once(title_, line, key);
        check_text(line, key, v, SET_TITLE_MAX);
        set_.title = v;
      } else {
        once(prefix_, line, key);
        take_prefix(line, v);
      }
      return;
    }
    if (key == "book") {
      if (!set_.books.empty()) finish_book();
      take_letter(line, v);
      return;
    }
    if (key != "name" && key != "short" && key != "verses" && key != "reduced")
      fail(line, "unknown key \"" + key + "\" (title, prefix, book, name, short, verses, reduced)");
    if (set_.books.empty()) fail(line, key + " comes before any \"book:\" line");
    Book& b = set_.books.back();
    BookLines& at = lines_.back();
    if (key == "name") {
      once(at.name, line, key);
      check_text(line, key, v, BOOK_NAME_MAX);
      b.name = v;
    } else if (key == "short") {
      once(at.short_name, line, key);
      check_text(line, key, v, BOOK_SHORT_MAX);
      b.short_name = v;
    } else if (key == "verses") {
      once(at.verses, line, key);
      take_verses(line, b, v);
    } else {
      once(at.reduced, line, key);
      at.reduced_text = v;  // checked against the chapters once the book is complete
    }
  }

  void take_prefix(int line, const std::string& v) {
    if (v.empty()) fail(line, "prefix needs a value");
    if (v.size() > SET_PREFIX_MAX ||
        !std::all_of(v.begin(), v.end(), [](char c) { return is_letter(c) || is_digit(c); }))
      fail(line, "prefix \"" + v + "\" must be 1 to " + std::to_string(SET_PREFIX_MAX) +
                     " letters and digits");
    const std::string l = lower(v);
    // File names are matched without regard to case: "CV.b" would be the CV Ref file.
    if (l == "cv" || l == "co")
      fail(line, "prefix \"" + v + "\" would name the " + (l == "cv" ? "CV" : "CO") +
                     " Ref question files");
    set_.prefix = v;
  }

  void take_letter(int line, const std::string& v) {
    if (v.size() != 1 || !is_letter(v[0]))
      fail(line, "a book letter is a single letter (A to Z, a to z), not \"" + v + "\"");
    const int other = set_.book_of_letter(v[0]);
    if (other != 0)
      fail(line, "book letter " + v + " is taken by the book on line " +
                     std::to_string(lines_[static_cast<size_t>(other - 1)].book));
    Book b;
    b.letter = v[0];
    set_.books.push_back(b);
    lines_.push_back({});
    lines_.back().book = line;
  }

  void take_verses(int line, Book& b, const std::string& v) {
    const std::vector<std::string> ws = words(v);
    if (ws.empty()) fail(line, "verses needs the verses of each chapter");
    for (size_t k = 0; k < ws.size(); ++k) {
      const int n = number(ws[k]);
      const std::string which = "chapter " + std::to_string(k + 1);
      if (n < 0) fail(line, which + ": \"" + ws[k] + "\" is not a number of verses");
      if (n < 1) fail(line, which + " has no verses");
      if (n > SET_VERSES_MAX)
        fail(line, which + " has " + std::to_string(n) + " verses; a chapter may have at most " +
                       std::to_string(SET_VERSES_MAX));
      b.verses.push_back(n);
    }
    chapters_ += b.chapters();
    if (chapters_ > SET_CHAPTERS_MAX)
      fail(line, "the set reaches " + std::to_string(chapters_) +
                     " chapters; it may have at most " + std::to_string(SET_CHAPTERS_MAX));
  }

  void finish_book() {
    Book& b = set_.books.back();
    const BookLines& at = lines_.back();
    const std::string book = "book " + std::string(1, b.letter);
    if (at.name == 0) fail(at.book, book + " has no name (\"name: ...\", as the packet says it)");
    if (at.short_name == 0) fail(at.book, book + " has no short name (\"short: ...\")");
    if (at.verses == 0) fail(at.book, book + " has no chapters (\"verses: ...\")");
    if (at.reduced == 0) return;
    for (const std::string& w : words(at.reduced_text)) {
      const size_t dash = w.find('-');
      const int from = number(w.substr(0, dash));
      const int to = dash == std::string::npos ? from : number(w.substr(dash + 1));
      if (from < 0 || to < 0)
        fail(at.reduced, "reduced: \"" + w + "\" is not a chapter or a range like 3-7");
      if (from < 1 || to > b.chapters() || to < from)
        fail(at.reduced, "reduced: " + w + " is not within chapters 1 to " +
                             std::to_string(b.chapters()) + " of " + book);
      if (!b.reduced.empty() && from <= b.reduced.back())
        fail(at.reduced, "reduced: " + w + " repeats or comes before chapter " +
                             std::to_string(b.reduced.back()));
      for (int c = from; c <= to; ++c) b.reduced.push_back(c);
    }
  }

  TextReader& in_;
  MaterialSet set_;
  std::vector<BookLines> lines_;
  int title_ = 0, prefix_ = 0, chapters_ = 0;
};

}  // namespace

MaterialSet read_material_set(TextReader& in) { return SetReader(in).read(); }

void write_material_set(TextWriter& out, const MaterialSet& set) {
  out.writeln("# The material set of this league folder: one \"key: value\" a line. A book runs");
  out.writeln(
      "# from its \"book:\" line (its letter) to the next one; \"verses:\" gives the verses");
  out.writeln("# of each chapter, \"reduced:\" the chapters the reduced LL material covers.");
  out.writeln("title: " + set.title);
  out.writeln("prefix: " + set.prefix);
  for (const Book& b : set.books) {
    out.writeln();
    out.writeln("book: " + std::string(1, b.letter));
    out.writeln("name: " + b.name);
    out.writeln("short: " + b.short_name);
    std::string v;
    for (int n : b.verses) v += (v.empty() ? "" : " ") + std::to_string(n);
    out.writeln("verses: " + v);
    if (!b.reduced.empty()) out.writeln("reduced: " + ranges_text(b.reduced));
  }
}

void write_material_set_file(const std::string& name, const MaterialSet& set) {
  TextWriter out(name, TextWriter::Mode::Replace);
  write_material_set(out, set);
  out.close();
}

MaterialSet read_verse_table_set(TextReader& in) {
  std::vector<int> verses;
  for (int k = 1; k <= CHMAX; ++k) {
    if (in.eof()) in.fail("the verse table needs 28 lines, one per chapter");
    const int v = in.read_int();
    if (v < 0 || v > 255) in.fail("verses of a chapter must be 0..255, not " + std::to_string(v));
    if (v > COUNT_VERSES_MIN)
      in.fail("a chapter may have at most 65 verses, not " + std::to_string(v));
    verses.push_back(v);
    in.skip_line();
  }
  return acts_set(verses);
}

MaterialSet load_material_set() {
  if (!find_file(kSetFile).empty()) {
    TextReader in(kSetFile);
    return read_material_set(in);
  }
  TextReader in(kVerseTable);
  return read_verse_table_set(in);
}

}  // namespace halvorin
