#pragma once
// The material set of a league folder: its title, the prefix of its regular question files and
// its books in order, each with its letter, names and verses per chapter. The pass and the
// configuration unit each hold the set of the working folder; chapters inside the pass are
// running chapters of the set (book 1's chapters first, then book 2's).
#include <string>
#include <vector>

namespace halvorin {

// Chapters a set may hold: what the chapter-figures screen's two columns of 17 show.
constexpr int SET_CHAPTERS_MAX = 34;
// Verses a chapter may hold: a reference has two digits for the verse.
constexpr int SET_VERSES_MAX = 99;
// Verses per chapter of the count file and the count tables, at the least (the Acts layout).
constexpr int COUNT_VERSES_MIN = 65;
// Longest title (it stands at the right end of the heading's first row, from column 69).
constexpr size_t SET_TITLE_MAX = 12;
// Longest packet name: "According to NAME chapter 12 verse 34, " after the page layout's label
// and number must end before the reference in column 72.
constexpr size_t BOOK_NAME_MAX = 20;
// Longest short name (the chapter-figures screen).
constexpr size_t BOOK_SHORT_MAX = 5;
// Longest regular file prefix ("LL", the prefix, "." and the list letter make the file name).
constexpr size_t SET_PREFIX_MAX = 8;

// One book of a set.
struct Book {
  char letter = 'A';         // shown before every reference: "A  3:15"
  std::string name;          // as the packet's texts use it: "According to NAME chapter 3"
  std::string short_name;    // as the chapter-figures screen shows it
  std::vector<int> verses;   // verses[c - 1]: verses of chapter c
  std::vector<int> reduced;  // chapters the reduced ("LL") material covers, ascending

  int chapters() const { return static_cast<int>(verses.size()); }
  // Verses of chapter c; 0 for a chapter the book does not have.
  int verses_in(int c) const;
  // True when the reduced material covers chapter c.
  bool in_reduced(int c) const;
  bool operator==(const Book&) const = default;
};

// A chapter of the set named by its book (from 1, in the set's order) and the book's own
// chapter. Book 0 is no chapter of the set.
struct ChapterPlace {
  int book = 0;
  int chapter = 0;
  bool operator==(const ChapterPlace&) const = default;
};

struct MaterialSet {
  std::string title;   // where the heading shows the material ("Acts")
  std::string prefix;  // of the regular question files: "Acts" in "Acts.b" and "LLActs.b"
  std::vector<Book> books;
  // Read from an Acts folder's "Verses.txt" (no declaration): the reduced level keeps the
  // reduced Acts material's own rules. Where the set came from, not what it is, so equality
  // leaves it out.
  bool acts_verse_table = false;

  // Chapters of all books together.
  int total_chapters() const;
  // The running number (from 1) of chapter c of book b (from 1); 0 outside the set.
  int running_chapter(int b, int c) const;
  // The book and chapter of running chapter r; {0, 0} outside the set.
  ChapterPlace place_of(int r) const;
  // The book's own chapter of running chapter r; r itself outside the set.
  int own_chapter(int r) const {
    const ChapterPlace at = place_of(r);
    return at.book == 0 ? r : at.chapter;
  }
  // Verses of running chapter r; 0 outside the set.
  int verses_of(int r) const;
  // The most verses any chapter of the set has.
  int largest_verse_count() const;
  // Verse records per chapter in the count file: 65, or the largest chapter where it is longer.
  int count_verses() const;
  // Lines of the count file: one per chapter and count verse.
  int count_lines() const { return total_chapters() * count_verses(); }
  // The book (from 1) with this letter, the letter's case not counting; 0 when none has it.
  int book_of_letter(char letter) const;
  // True when the reduced ("LL") material covers running chapter r: a chapter of its book's
  // `reduced` list, or any chapter of a book that declares none.
  bool reduced_covers(int r) const;
  // The books' letters for messages: "R, J".
  std::string letters() const;
  // The book with this letter, or the set's first book when none has it (or `letter` is 0).
  const Book& book_or_first(char letter) const {
    const int b = book_of_letter(letter);
    return book(b > 0 ? b : 1);
  }
  // Book b (from 1); b must be a book of the set.
  const Book& book(int b) const { return books.at(static_cast<size_t>(b - 1)); }
  // The book of running chapter r; the first book outside the set.
  const Book& book_of_chapter(int r) const;
  // Question lines name their book only when the set has several.
  bool several_books() const { return books.size() > 1; }
  bool operator==(const MaterialSet& o) const {
    return title == o.title && prefix == o.prefix && books == o.books;
  }
};

// The Acts set with the given verses per chapter (28 of them): title and prefix "Acts", book
// letter "A", and the reduced material's chapters 1-6, 8-9, 12-14 and 17-28.
MaterialSet acts_set(const std::vector<int>& verses);
// The Acts set of the common verse table (the set before a folder's own is read).
const MaterialSet& standard_acts_set();

}  // namespace halvorin
