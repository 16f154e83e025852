#include "output/sheets.hpp"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "platform/errors.hpp"

namespace halvorin {

namespace {

// Positions Windows-1252 leaves without a character.
bool undefined_1252(unsigned char c) {
  return c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D;
}

int usable_height(const Paper& paper) { return paper.height - 2 * kTopMargin; }

// A card's first text line (its heading, or the title card's style line) is set in by exactly
// four blanks; the lines going on in a longer card by eight, and its padding is empty.
bool starts_card(const std::vector<std::string>& unit) {
  for (const std::string& line : unit) {
    const size_t text = line.find_first_not_of(' ');
    if (text != std::string::npos) return text == 4;
  }
  return false;
}

// Splits the file into its pages: a form feed ends a page wherever it stands in a line. An empty
// rest after a form feed is no line, so the form feed that closes the file leaves no sheet.
std::vector<std::vector<std::string>> split_pages(const std::vector<std::string>& lines) {
  std::vector<std::vector<std::string>> pages(1);
  for (const std::string& line : lines) {
    size_t from = 0;
    for (size_t ff; (ff = line.find('\f', from)) != std::string::npos; from = ff + 1) {
      if (ff > from) pages.back().push_back(line.substr(from, ff - from));
      pages.emplace_back();
    }
    if (from == 0 || from < line.size()) pages.back().push_back(line.substr(from));
  }
  if (pages.size() > 1 && pages.back().empty()) pages.pop_back();
  return pages;
}

// Sets `lines` from `from` on onto sheets of `per_sheet` lines at 6 lines to the inch.
void add_at_six_lpi(std::vector<Sheet>& sheets, const std::vector<std::string>& lines,
                    int per_sheet) {
  for (size_t i = 0; i < lines.size(); i += static_cast<size_t>(per_sheet)) {
    Sheet s;
    const size_t end = std::min(lines.size(), i + static_cast<size_t>(per_sheet));
    s.lines.assign(lines.begin() + static_cast<long>(i), lines.begin() + static_cast<long>(end));
    sheets.push_back(std::move(s));
  }
}

std::vector<Sheet> lay_pages(const std::vector<std::string>& lines, const Paper& paper) {
  std::vector<Sheet> sheets;
  for (auto& page : split_pages(lines)) {
    for (auto& l : page) l = printed_line(l);
    const int n = static_cast<int>(page.size());
    if (n > kMaxFittedLines) {
      add_at_six_lpi(sheets, page, lines_at_six_lpi(paper));
      continue;
    }
    Sheet s;
    s.pitch = n > 0 ? std::min(kSixLpi, usable_height(paper) / n) : kSixLpi;
    s.lines = std::move(page);
    sheets.push_back(std::move(s));
  }
  return sheets;
}

std::vector<Sheet> lay_cards(const std::vector<std::string>& lines, const Paper& paper) {
  // Cards from units of 18 lines.
  std::vector<std::vector<std::string>> cards;
  for (size_t i = 0; i < lines.size(); i += kCardLines) {
    std::vector<std::string> unit;
    for (size_t k = i; k < std::min(lines.size(), i + kCardLines); ++k)
      unit.push_back(printed_line(lines[k]));
    if (cards.empty() || starts_card(unit))
      cards.push_back(std::move(unit));
    else
      cards.back().insert(cards.back().end(), unit.begin(), unit.end());
  }
  const int per_sheet = lines_at_six_lpi(paper);
  std::vector<Sheet> sheets;
  bool room = false;  // whether the last sheet may take more cards
  for (const auto& card : cards) {
    const int n = static_cast<int>(card.size());
    if (room && static_cast<int>(sheets.back().lines.size()) + n <= per_sheet) {
      sheets.back().lines.insert(sheets.back().lines.end(), card.begin(), card.end());
      continue;
    }
    // A card longer than a sheet is the one thing that goes on over sheets.
    add_at_six_lpi(sheets, card, per_sheet);
    room = n <= per_sheet;
  }
  return sheets;
}

}  // namespace

Paper paper_from_env() {
  const char* p = std::getenv("HALVORIN_PAPER");
  if (!p) return kLetter;
  std::string v(p);
  std::transform(v.begin(), v.end(), v.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return v == "a4" ? kA4 : kLetter;
}

int left_margin(const Paper& paper) { return (paper.width - kSheetColumns * kCharWidth) / 2; }

int lines_at_six_lpi(const Paper& paper) { return usable_height(paper) / kSixLpi; }

std::string printed_line(const std::string& line) {
  std::string s = line.substr(0, kSheetColumns);
  for (char& c : s)
    if (is_control(c) || undefined_1252(static_cast<unsigned char>(c))) c = ' ';
  return s;
}

std::vector<Sheet> lay_sheets(const std::vector<std::string>& lines, const Paper& paper) {
  const bool paged = std::any_of(lines.begin(), lines.end(), [](const std::string& l) {
    return l.find('\f') != std::string::npos;
  });
  std::vector<Sheet> sheets = paged ? lay_pages(lines, paper) : lay_cards(lines, paper);
  if (sheets.empty()) sheets.emplace_back();  // an empty file is one blank sheet
  return sheets;
}

}  // namespace halvorin
