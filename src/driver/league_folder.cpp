#include "driver/league_folder.hpp"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <system_error>

#include "config/style_list.hpp"
#include "material/material_set.hpp"
#include "material/seasons.hpp"
#include "platform/errors.hpp"
#include "platform/text_file.hpp"
#include "state/style.hpp"

namespace halvorin {

namespace fs = std::filesystem;

namespace {

std::vector<fs::path> demo_files(const std::string& demo) {
  std::vector<fs::path> files;
  std::error_code ec;
  for (auto it = fs::directory_iterator(demo, ec); !ec && it != fs::directory_iterator();
       it.increment(ec))
    if (it->is_regular_file()) files.push_back(it->path());
  if (ec) throw FileError(demo, 0, "cannot read the demo folder: " + ec.message());
  std::sort(files.begin(), files.end());
  return files;
}

std::string lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

bool same_name(const fs::path& f, const char* name) {
  return lower(f.filename().string()) == lower(name);
}

// In a set of several books, the demo style whose range runs across the first book's end.
constexpr const char* kAcrossBooksStyle = "Fixed.spe";

// Lays a demo style's range on a season's books: the same running chapters as in Acts (the set's
// chapters counted through its books, clamped to the set), from the first verse of the first to
// the last verse of the last; each end is named by its book's own chapter and, in a set of
// several books, by its book's letter. With `across_books` in a set of several books the range
// keeps its number of chapters but straddles the first book's end (for four chapters: the first
// book's last two and the next book's first two).
void lay_range_on_season(StyleValues& st, const MaterialSet& set, bool across_books) {
  const int total = set.total_chapters();
  int first = std::clamp(st.BCHAP, 1, total);
  int last = std::clamp(st.ECHAP, first, total);
  if (across_books && set.several_books()) {
    const int chapters = last - first + 1;
    first = std::max(1, set.book(1).chapters() - (chapters - 1) / 2);
    last = std::min(total, first + chapters - 1);
  }
  const ChapterPlace begin = set.place_of(first), end = set.place_of(last);
  st.BCHAP = begin.chapter;
  st.BVER = 1;
  st.ECHAP = end.chapter;
  st.EVER = set.verses_of(last);
  st.BBOOK = set.several_books() ? set.book(begin.book).letter : 0;
  st.EBOOK = set.several_books() ? set.book(end.book).letter : 0;
}

// A file of the new folder: a demo file copied as it is, or, for a season other than Acts, a
// demo style with its range laid on the season's books.
struct NewFile {
  fs::path from;
  std::optional<StyleValues> style;
};

std::string read_whole(const fs::path& f) {
  std::ifstream in(f, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  if (!in) throw FileError(f.string(), 0, "cannot read this demo file");
  return text.str();
}

// What goes into the folder, read before anything is written: every demo file, and for a season
// other than Acts no verse table (its Set.txt replaces it) and the styles laid on its books.
std::vector<NewFile> plan_files(const std::string& demo, const MaterialSet* set) {
  std::vector<NewFile> plan;
  for (const fs::path& f : demo_files(demo)) {
    if (set && (same_name(f, kVerseTable) || same_name(f, kSetFile))) continue;
    NewFile file{f, std::nullopt};
    if (set && lower(f.extension().string()) == ".spe") {
      TextReader in = TextReader::from_text(read_whole(f), f.filename().string());
      file.style = read_style(in);
      lay_range_on_season(*file.style, *set, same_name(f, kAcrossBooksStyle));
    }
    plan.push_back(std::move(file));
  }
  return plan;
}

void write_style(const std::string& to, const StyleValues& st) {
  TextWriter out(to, TextWriter::Mode::Create);
  write_style_lines(out, st);
  out.writeln(st.TYP);
  out.close();
}

// The regular file names of a list letter's column in the next steps: "Acts.a Acts.b Acts.c"
// and the blanks up to the column of the explanations.
std::string regular_files(const std::string& prefix) {
  std::string names = prefix + ".a " + prefix + ".b " + prefix + ".c";
  return names + std::string(names.size() < 25 ? 26 - names.size() : 1, ' ');
}

void print_next_steps(const std::string& demo, const std::string& dir,
                      const std::vector<std::string>& names, const Season* season,
                      std::ostream& out) {
  const MaterialSet* set = season ? &season->set : nullptr;
  out << "Made the league folder " << dir << " from " << demo;
  if (set) out << " for the season " << season->name << " (" << set->title << ")";
  out << ":\n ";
  for (const std::string& n : names) out << " " << n;
  out << "\n\nNext steps:\n"
         "  1. Put your question material in "
      << dir
      << ", one file per kind, named:\n"
         "       "
      << regular_files(set ? set->prefix : "Acts")
      << "regular questions, lists A, B and C\n"
         "       FTV.51 ... FTV.99, FTV.00 FTV questions, one file per primary FTV percentage\n"
         "                                 (FTV.00 for 100)\n"
         "       cv.b cv.c                 CV Ref questions (cv.c for list C, else cv.b)\n"
         "       co.b co.c                 CO Ref questions (co.c for list C, else co.b)\n"
         "       SIT.TXT                   SIT questions\n";
  if (!set) {
    out << "     and, for level L styles, LLActs.a ..., LLFTV.51 ..., LLcv.b ..., LLco.b ...,\n"
           "     llsit.txt.";
  } else {
    out << "     and, for level L styles, LL" << set->prefix
        << ".a ..., LLFTV.51 ..., LLcv.b ...,\n"
           "     LLco.b ..., llsit.txt.";
    if (set->several_books()) {
      out << "\n     Each question line starts with its book's letter and a blank:\n      ";
      for (const Book& b : set->books)
        out << " " << b.letter << " " << b.name << (&b == &set->books.back() ? ".\n    " : ",");
    }
  }
  out << " To try the program first, make invented material:\n"
         "       halvorin-material --out "
      << dir << (set ? " --season " + season->name : std::string())
      << "\n"
         "  2. Check the material:  halvorin -C "
      << dir
      << " --check-material\n"
         "  3. Start:               halvorin -C "
      << dir
      << "\n"
         "     (Weekly, Fixed, Junior and Chapters are example styles; edit them or choose\n"
         "     \"Enter New Specs\".) See man halvorin for the keys of each screen.\n";
}

}  // namespace

std::string find_demo_folder(const std::vector<std::string>& candidates) {
  for (const std::string& c : candidates) {
    std::error_code ec;
    if (!c.empty() && fs::is_regular_file(fs::path(c) / kStyleList, ec)) return c;
  }
  return {};
}

void init_league_folder(const std::string& demo, const std::string& dir, std::ostream& out,
                        const Season* season) {
  // Acts is the demo as it is: its verse table and no declaration.
  if (season && season->name == "acts") season = nullptr;
  const MaterialSet* set = season ? &season->set : nullptr;
  const std::vector<NewFile> plan = plan_files(demo, set);
  std::vector<std::string> names;
  for (const NewFile& f : plan) names.push_back(f.from.filename().string());
  if (set) names.push_back(kSetFile);
  std::sort(names.begin(), names.end());

  std::error_code ec;
  if (fs::exists(dir, ec) && !fs::is_directory(dir, ec))
    throw FileError(dir, 0, "exists and is not a folder");
  std::string taken;
  for (const std::string& n : names)
    if (fs::exists(fs::path(dir) / n, ec)) taken += " " + n;
  if (!taken.empty()) throw FileError(dir, 0, "already holds" + taken + "; nothing was copied");
  fs::create_directories(dir, ec);
  if (ec) throw FileError(dir, 0, "cannot make this folder: " + ec.message());

  std::vector<fs::path> done;
  auto undo = [&](const fs::path& to) {
    std::error_code ignore;
    fs::remove(to, ignore);
    for (const fs::path& d : done) fs::remove(d, ignore);
  };
  for (const NewFile& f : plan) {
    fs::path to = fs::path(dir) / f.from.filename();
    try {
      if (f.style) {
        write_style(to.string(), *f.style);
      } else {
        fs::copy_file(f.from, to, ec);
        if (ec) throw FileError(to.string(), 0, "cannot copy: " + ec.message());
      }
    } catch (const FileError& e) {
      undo(to);
      throw FileError(e.file(), e.line(), e.message() + "; nothing was copied");
    }
    done.push_back(to);
  }
  if (set) {
    const fs::path to = fs::path(dir) / kSetFile;
    try {
      write_material_set_file(to.string(), *set);
    } catch (const FileError& e) {
      undo(to);
      throw FileError(e.file(), e.line(), e.message() + "; nothing was copied");
    }
  }
  print_next_steps(demo, dir, names, season, out);
}

void check_league_folder(StartCheck what) {
  TextReader list(kStyleList);
  load_material_set();
  if (what == StartCheck::Interactive) read_style_file(style_file_name("New"));
}

std::string not_a_league_folder_hint(const std::string& where) {
  return "halvorin: " + where +
         " is not a league folder (it has no Specs.lst). Start in one with\n"
         "  halvorin -C FOLDER\n"
         "or make a new one from the demo styles with\n"
         "  halvorin --init FOLDER\n";
}

}  // namespace halvorin
