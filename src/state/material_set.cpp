#include "state/material_set.hpp"

#include <algorithm>
#include <cctype>

namespace halvorin {

int Book::verses_in(int c) const {
  return c >= 1 && c <= chapters() ? verses[static_cast<size_t>(c - 1)] : 0;
}

bool Book::in_reduced(int c) const { return std::binary_search(reduced.begin(), reduced.end(), c); }

int MaterialSet::total_chapters() const {
  int n = 0;
  for (const Book& b : books) n += b.chapters();
  return n;
}

int MaterialSet::running_chapter(int b, int c) const {
  if (b < 1 || b > static_cast<int>(books.size())) return 0;
  if (c < 1 || c > books[static_cast<size_t>(b - 1)].chapters()) return 0;
  int r = c;
  for (int k = 1; k < b; ++k) r += books[static_cast<size_t>(k - 1)].chapters();
  return r;
}

ChapterPlace MaterialSet::place_of(int r) const {
  if (r < 1) return {};
  for (size_t k = 0; k < books.size(); ++k) {
    if (r <= books[k].chapters()) return {static_cast<int>(k) + 1, r};
    r -= books[k].chapters();
  }
  return {};
}

int MaterialSet::verses_of(int r) const {
  const ChapterPlace at = place_of(r);
  return at.book == 0 ? 0 : books[static_cast<size_t>(at.book - 1)].verses_in(at.chapter);
}

int MaterialSet::largest_verse_count() const {
  int most = 0;
  for (const Book& b : books)
    for (int v : b.verses) most = std::max(most, v);
  return most;
}

int MaterialSet::count_verses() const { return std::max(COUNT_VERSES_MIN, largest_verse_count()); }

int MaterialSet::book_of_letter(char letter) const {
  const int want = std::tolower(static_cast<unsigned char>(letter));
  for (size_t k = 0; k < books.size(); ++k)
    if (std::tolower(static_cast<unsigned char>(books[k].letter)) == want)
      return static_cast<int>(k) + 1;
  return 0;
}

bool MaterialSet::reduced_covers(int r) const {
  const ChapterPlace at = place_of(r);
  if (at.book == 0) return false;
  const Book& b = book(at.book);
  return b.reduced.empty() || b.in_reduced(at.chapter);
}

std::string MaterialSet::letters() const {
  std::string s;
  for (const Book& b : books) s += (s.empty() ? "" : ", ") + std::string(1, b.letter);
  return s;
}

const Book& MaterialSet::book_of_chapter(int r) const {
  const ChapterPlace at = place_of(r);
  return book(at.book == 0 ? 1 : at.book);
}

MaterialSet acts_set(const std::vector<int>& verses) {
  MaterialSet set;
  set.title = "Acts";
  set.prefix = "Acts";
  Book acts;
  acts.letter = 'A';
  acts.name = "Acts";
  acts.short_name = "Acts";
  acts.verses = verses;
  // The reduced Acts material leaves out chapter 7, 10 and 11, 15 and 16.
  for (int c = 1; c <= static_cast<int>(verses.size()); ++c)
    if (c != 7 && c != 10 && c != 11 && c != 15 && c != 16) acts.reduced.push_back(c);
  set.books.push_back(acts);
  set.acts_verse_table = true;
  return set;
}

const MaterialSet& standard_acts_set() {
  static const MaterialSet acts =
      acts_set({26, 47, 26, 37, 42, 15, 60, 40, 43, 48, 30, 25, 52, 28,
                41, 40, 34, 28, 41, 38, 40, 30, 35, 27, 27, 32, 44, 31});
  return acts;
}

}  // namespace halvorin
