#include "material/seasons.hpp"

namespace halvorin {

namespace {

// A book whose reduced material covers every chapter; a league whose LL material covers fewer
// edits its "reduced:" line.
Book book(char letter, const char* name, const char* short_name, std::vector<int> verses) {
  Book b;
  b.letter = letter;
  b.name = name;
  b.short_name = short_name;
  b.verses = std::move(verses);
  for (int c = 1; c <= b.chapters(); ++c) b.reduced.push_back(c);
  return b;
}

Season season(const char* name, const char* title, const char* prefix, std::vector<Book> books) {
  return {name, MaterialSet{title, prefix, std::move(books)}};
}

std::vector<Season> make_seasons() {
  // Book letters are letters, so that a question line's book cannot be read as a chapter. Two
  // books of one name take the name's letter and the next one (1 and 2 Corinthians: C and D).
  std::vector<Season> all;
  all.push_back({"acts", acts_set({26, 47, 26, 37, 42, 15, 60, 40, 43, 48, 30, 25, 52, 28,
                                   41, 40, 34, 28, 41, 38, 40, 30, 35, 27, 27, 32, 44, 31})});
  all.push_back(season(
      "galatians-philemon", "Gal-Philemon", "GalPhm",
      {book('G', "Galatians", "Gal", {24, 21, 29, 31, 26, 18}),
       book('E', "Ephesians", "Eph", {23, 22, 21, 32, 33, 24}),
       book('P', "Philippians", "Phil", {30, 30, 21, 23}),
       book('C', "Colossians", "Col", {29, 23, 25, 18}), book('L', "Philemon", "Phm", {25})}));
  all.push_back(
      season("luke", "Luke", "Luke",
             {book('L', "Luke", "Luke", {80, 52, 38, 44, 39, 49, 50, 56, 62, 42, 54, 59,
                                         35, 35, 32, 31, 37, 43, 48, 47, 38, 71, 56, 53})}));
  all.push_back(season(
      "corinthians", "Corinthians", "Cor",
      {book('C', "1 Corinthians", "1 Cor",
            {31, 16, 23, 21, 13, 20, 40, 13, 27, 33, 34, 31, 13, 40, 58, 24}),
       book('D', "2 Corinthians", "2 Cor", {24, 17, 18, 18, 21, 18, 16, 24, 15, 18, 33, 21, 14})}));
  all.push_back(season("john", "John", "John",
                       {book('J', "John", "John", {51, 25, 36, 54, 47, 71, 53, 59, 41, 42, 57,
                                                   50, 38, 31, 27, 33, 26, 40, 42, 31, 25})}));
  all.push_back(
      season("hebrews-peter", "Heb-Peter", "HebPet",
             {book('H', "Hebrews", "Heb", {14, 18, 19, 16, 14, 20, 28, 13, 28, 39, 40, 29, 25}),
              book('P', "1 Peter", "1 Pet", {25, 25, 22, 19, 14}),
              book('Q', "2 Peter", "2 Pet", {21, 22, 18})}));
  all.push_back(season(
      "matthew", "Matthew", "Matt",
      {book('M', "Matthew", "Matt", {25, 23, 17, 25, 48, 34, 29, 34, 38, 42, 30, 50, 58, 36,
                                     39, 28, 27, 35, 30, 34, 46, 46, 39, 51, 46, 75, 66, 20})}));
  all.push_back(season(
      "romans-james", "Romans-James", "RomJas",
      {book('R', "Romans", "Rom", {32, 29, 31, 25, 21, 23, 25, 39, 33, 21, 36, 21, 14, 23, 33, 27}),
       book('J', "James", "Jas", {27, 26, 18, 17, 20})}));
  return all;
}

}  // namespace

const std::vector<Season>& seasons() {
  static const std::vector<Season> all = make_seasons();
  return all;
}

const Season* find_season(std::string_view name) {
  for (const Season& s : seasons())
    if (s.name == name) return &s;
  return nullptr;
}

}  // namespace halvorin
