#include "driver/league_folder.hpp"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <system_error>

#include "config/style_list.hpp"
#include "driver/pass.hpp"
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

void print_next_steps(const std::string& demo, const std::string& dir,
                      const std::vector<fs::path>& files, std::ostream& out) {
  out << "Made the league folder " << dir << " from " << demo << ":\n ";
  for (const fs::path& f : files) out << " " << f.filename().string();
  out << "\n\nNext steps:\n"
         "  1. Put your question material in "
      << dir
      << ", one file per kind, named:\n"
         "       Acts.a Acts.b Acts.c      regular questions, lists A, B and C\n"
         "       FTV.51 ... FTV.99, FTV.00 FTV questions, one file per primary FTV percentage\n"
         "                                 (FTV.00 for 100)\n"
         "       cv.b cv.c                 CV Ref questions (cv.c for list C, else cv.b)\n"
         "       co.b co.c                 CO Ref questions (co.c for list C, else co.b)\n"
         "       SIT.TXT                   SIT questions\n"
         "     and, for level L styles, LLActs.a ..., LLFTV.51 ..., LLcv.b ..., LLco.b ...,\n"
         "     llsit.txt. To try the program first, make invented material:\n"
         "       halvorin-material --out "
      << dir
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

void init_league_folder(const std::string& demo, const std::string& dir, std::ostream& out) {
  std::vector<fs::path> files = demo_files(demo);
  std::error_code ec;
  if (fs::exists(dir, ec) && !fs::is_directory(dir, ec))
    throw FileError(dir, 0, "exists and is not a folder");
  std::string taken;
  for (const fs::path& f : files)
    if (fs::exists(fs::path(dir) / f.filename(), ec)) taken += " " + f.filename().string();
  if (!taken.empty()) throw FileError(dir, 0, "already holds" + taken + "; nothing was copied");
  fs::create_directories(dir, ec);
  if (ec) throw FileError(dir, 0, "cannot make this folder: " + ec.message());

  std::vector<fs::path> done;
  for (const fs::path& f : files) {
    fs::path to = fs::path(dir) / f.filename();
    fs::copy_file(f, to, ec);
    if (ec) {
      std::error_code ignore;
      fs::remove(to, ignore);
      for (const fs::path& d : done) fs::remove(d, ignore);
      throw FileError(to.string(), 0, "cannot copy: " + ec.message() + "; nothing was copied");
    }
    done.push_back(to);
  }
  print_next_steps(demo, dir, files, out);
}

void check_league_folder(StartCheck what) {
  TextReader list(kStyleList);
  auto scratch = std::make_unique<RunState>();
  read_verse_table(*scratch);
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
