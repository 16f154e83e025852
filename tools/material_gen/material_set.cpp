#include "material_set.hpp"

#include <functional>

#include "platform/random.hpp"
#include "platform/text_file.hpp"
#include "texts.hpp"

namespace halvorin::material {

namespace {

// One verse in twenty has a long text (its FTV and SIT lines run past 254 characters).
bool long_verse(uint64_t seed, int c, int v) {
  Random r(stream_seed(seed, "long", c, v));
  return r.random(20) == 0;
}

// The verse's own text: the same in every FTV file and every SIT file of a seed.
std::string verse_of(uint64_t seed, int c, int v, bool long_text) {
  Random r(stream_seed(seed, long_text ? "verse-long" : "verse", c, v));
  return verse_text(r, long_text);
}

// Makes the text of one question line (what follows the reference and its tab).
using LineMaker = std::function<std::string(int c, int v, int index, int total)>;

int total_of(const Plan& plan) {
  int t = 0;
  for (auto& verses : plan)
    for (int n : verses) t += n;
  return t;
}

// Writes the planned questions in the set's order: book, chapter, verse. A set of several books
// starts each line with its book's letter and a blank; a set of one book writes the reference
// alone.
void write_questions(const std::string& dir, const std::string& name, const MaterialSet& set,
                     const Plan& plan, const LineMaker& make, std::vector<std::string>& written) {
  TextWriter out(dir + "/" + name, TextWriter::Mode::Replace);
  const int total = total_of(plan);
  int index = 0;
  for (int c = 1; c <= static_cast<int>(plan.size()); ++c) {
    const ChapterPlace at = set.place_of(c);
    const std::string book =
        set.several_books()
            ? std::string(1, set.books[static_cast<size_t>(at.book - 1)].letter) + " "
            : std::string();
    for (int v = 1; v <= static_cast<int>(plan[static_cast<size_t>(c - 1)].size()); ++v)
      for (int n = 0; n < plan[static_cast<size_t>(c - 1)][static_cast<size_t>(v - 1)]; ++n)
        out.writeln(book + reference(at.chapter, v) + "\t" + make(c, v, index++, total));
  }
  out.close();
  written.push_back(name);
}

// A line is long when its verse is, and the third line of a file (or its last, in a file of
// fewer lines) always is, so that every FTV and SIT file has one.
bool long_line(uint64_t seed, int c, int v, int index, int total) {
  return long_verse(seed, c, v) || index == std::min(2, total - 1);
}

std::string ftv_label(Random& r, bool primary, bool quote) {
  static const char* const types[] = {"a", "a", "a", "a", "a", "b", "b", "b", "b",  "c",
                                      "c", "c", "c", "d", "d", "d", "e", "e", "VR", "VR"};
  std::string type = types[r.random(20)];
  // The type letter stands in column 9, the label's third character. A quotation label is five
  // characters long, so that its verse text begins in column 13.
  std::string label = std::string(quote ? "Q" : "F") + (primary ? "T" : "S") + type;
  if (quote) label += type.size() == 1 ? "qt" : "q";
  return label;
}

void write_set(const std::string& dir, uint64_t seed, const Profile& p, const MaterialSet& set,
               bool reduced, bool flaws, std::vector<std::string>& written) {
  const std::string pre = reduced ? "LL" : "";
  auto plan = [&](Kind kind, const std::string& tag) {
    return plan_counts(seed, p, set, reduced, kind, pre + tag);
  };
  for (const char* list : {"a", "b", "c"}) {
    const std::string name = pre + set.prefix + "." + list;
    Random r(stream_seed(seed, name));
    write_questions(
        dir, name, set, plan(Kind::Regular, std::string("regular-") + list),
        [&r, flaws](int, int, int, int) { return regular_question(r, flaws); }, written);
  }

  // Every FTV file has its questions at the same verses; the share of primary questions (the
  // whole verse, labelled "FT"/"QT") follows the file's percentage, the others ("FS"/"QS") ask
  // for the verse from a later word on.
  const Plan ftv = plan(Kind::Ftv, "ftv");
  for (int pct : kPrimaryPercents) {
    const std::string name = pre + ftv_name(pct);
    Random r(stream_seed(seed, name));
    write_questions(
        dir, name, set, ftv,
        [&](int c, int v, int index, int total) {
          bool long_text = long_line(seed, c, v, index, total);
          std::string verse = verse_of(seed, c, v, long_text);
          bool primary = r.random(100) < pct;
          bool quote = r.random(5) == 0;
          std::string label = ftv_label(r, primary, quote);
          std::string text = primary || quote ? verse : later_part(r, verse);
          // A long verse keeps its line long even when asked from a later word.
          if (long_text && 7 + label.size() + text.size() <= 254) text = verse;
          if (r.random(40) == 0) text = mark_word(r, text);
          return label + "\t" + text;
        },
        written);
  }

  for (const char* list : {"b", "c"}) {
    Random rc(stream_seed(seed, pre + "cv." + list));
    write_questions(
        dir, pre + "cv." + list, set, plan(Kind::CvRef, std::string("cv-") + list),
        [&rc](int, int, int, int) { return "CV\t" + cv_ref_text(rc); }, written);
    Random ro(stream_seed(seed, pre + "co." + list));
    write_questions(
        dir, pre + "co." + list, set, plan(Kind::CoRef, std::string("co-") + list),
        [&ro](int, int, int, int) { return "CO\t" + co_ref_text(ro); }, written);
  }

  const std::string sit = reduced ? "llsit.txt" : "SIT.TXT";
  Random r(stream_seed(seed, sit));
  write_questions(
      dir, sit, set, plan(Kind::Sit, "sit"),
      [&](int c, int v, int index, int total) {
        bool long_text = long_line(seed, c, v, index, total);
        return sit_text(r, verse_of(seed, c, v, long_text), long_text, flaws);
      },
      written);
}

}  // namespace

std::string ftv_name(int percent) {
  int two = percent % 100;
  return "FTV." + std::string(1, static_cast<char>('0' + two / 10)) +
         static_cast<char>('0' + two % 10);
}

std::string reference(int chapter, int verse) {
  auto two = [](int n) {
    return std::string(1, n >= 10 ? static_cast<char>('0' + n / 10) : ' ') +
           static_cast<char>('0' + n % 10);
  };
  return two(chapter) + ":" + two(verse);
}

std::vector<std::string> write_material(const std::string& dir, uint64_t seed, const Profile& p,
                                        bool flaws, const MaterialSet* declared) {
  std::vector<std::string> written;
  if (declared) {
    write_material_set_file(dir + "/" + kSetFile, *declared);
    written.push_back(kSetFile);
  } else {
    TextWriter verses(dir + "/" + kVerseTable, TextWriter::Mode::Replace);
    for (int n : kVerses) verses.writeln(std::to_string(n));
    verses.close();
    written.push_back(kVerseTable);
  }
  const MaterialSet& set = declared ? *declared : acts_material();
  write_set(dir, seed, p, set, false, flaws, written);
  write_set(dir, seed, p, set, true, flaws, written);
  return written;
}

}  // namespace halvorin::material
