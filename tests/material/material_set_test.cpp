#include "material/material_set.hpp"

#include <gtest/gtest.h>

#include "config/style_list.hpp"
#include "material/seasons.hpp"
#include "support/bench.hpp"

namespace halvorin {
namespace {

std::string joined(const std::vector<int>& v) {
  std::string s;
  for (int n : v) s += (s.empty() ? "" : "+") + std::to_string(n);
  return s;
}

TEST(MaterialSets, SeasonsHoldTheirBooksAndReadBackAsWritten) {
  const std::string path = "material/cases/seasons.tsv";
  const auto rows = testing::test_table(path);
  ASSERT_EQ(rows.size(), seasons().size());
  testing::TempDir dir;
  testing::InFolder here(dir.path());
  for (size_t k = 0; k < rows.size(); ++k) {
    const auto& row = rows[k];
    SCOPED_TRACE(testing::case_name(path, row));
    ASSERT_EQ(seasons()[k].name, row[0]);  // the rotation's order
    const Season* season = find_season(row[0]);
    ASSERT_NE(season, nullptr);
    const MaterialSet& set = season->set;
    std::string letters, longer, left_out;
    std::vector<int> chapters, verses;
    for (const Book& b : set.books) {
      letters += b.letter;
      chapters.push_back(b.chapters());
      int sum = 0;
      for (int c = 1; c <= b.chapters(); ++c) {
        sum += b.verses_in(c);
        if (!b.in_reduced(c))
          left_out += (left_out.empty() ? "" : " ") + std::string(1, b.letter) + std::to_string(c);
        if (b.verses_in(c) > 65)
          longer += (longer.empty() ? "" : " ") + std::string(1, b.letter) + std::to_string(c) +
                    "=" + std::to_string(b.verses_in(c));
      }
      verses.push_back(sum);
    }
    EXPECT_EQ(letters, row[1]);
    EXPECT_EQ(joined(chapters), row[2]);
    EXPECT_EQ(joined(verses), row[3]);
    EXPECT_EQ(longer.empty() ? "none" : longer, row[4]);
    EXPECT_EQ(set.count_lines(), row.num(5));
    EXPECT_EQ(left_out.empty() ? "none" : left_out, row[6]);
    // Running chapters walk every book's chapters in order, and nothing past them.
    int r = 0;
    for (int b = 1; b <= static_cast<int>(set.books.size()); ++b)
      for (int c = 1; c <= set.books[static_cast<size_t>(b - 1)].chapters(); ++c) {
        ++r;
        EXPECT_EQ(set.running_chapter(b, c), r);
        EXPECT_EQ(set.place_of(r), (ChapterPlace{b, c}));
      }
    EXPECT_EQ(set.total_chapters(), r);
    EXPECT_EQ(set.place_of(r + 1), ChapterPlace{});
    // The declaration --init would write reads back as the same set.
    write_material_set_file(kSetFile, set);
    EXPECT_EQ(load_material_set(), set);
  }
  // Acts is the program's own verse table, and the demo folder without a declaration reads as it.
  const MaterialSet& acts = find_season("acts")->set;
  for (int c = 1; c <= 28; ++c) EXPECT_EQ(acts.books[0].verses_in(c), verses_in_chapter(c)) << c;
  dir.remove(kSetFile);
  testing::copy_demo(dir);
  EXPECT_EQ(load_material_set(), acts);
}

TEST(MaterialSets, RefusesDeclarationsItCannotUse) {
  const std::string path = "material/cases/set_refusals.tsv";
  for (const auto& row : testing::test_table(path)) {
    SCOPED_TRACE(testing::case_name(path, row));
    std::string text = row[0] + "|";
    for (size_t at; (at = text.find_first_of("\\|")) != std::string::npos;)
      text.replace(at, text[at] == '|' ? 1 : 2, text[at] == '|' ? "\r\n" : "\t");
    const bool verse_table = row.f.size() > 3;
    TextReader in = TextReader::from_text(text, verse_table ? kVerseTable : kSetFile);
    try {
      verse_table ? read_verse_table_set(in) : read_material_set(in);
      ADD_FAILURE() << "accepted";
    } catch (const FileError& e) {
      EXPECT_EQ(e.line(), row.num(1)) << e.what();
      EXPECT_NE(std::string(e.what()).find(row[2]), std::string::npos) << e.what();
    }
  }
}

}  // namespace
}  // namespace halvorin
