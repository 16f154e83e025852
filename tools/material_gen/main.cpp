// halvorin-material: writes a complete sample material set for trying the program and for tests.
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

#include "material/seasons.hpp"
#include "material_set.hpp"
#include "platform/errors.hpp"
#include "profile.hpp"

namespace {

constexpr int kUsage = 64;

void help(std::ostream& o) {
  o << "Usage: halvorin-material --out DIR [--season NAME] [--seed N] [--profile NAME]\n"
       "                         [--flaws]\n"
       "\n"
       "Writes a complete set of invented question material for the whole book of Acts, or\n"
       "the books of another season, into DIR (created if missing; files of the same names\n"
       "are replaced). For Acts:\n"
       "  Verses.txt                   verses of each of the 28 chapters\n"
       "  Acts.a Acts.b Acts.c         regular question lists\n"
       "  FTV.dd                       FTV questions, one file for each primary percentage a\n"
       "                               style can hold: 51 52 53 57 58 59 60 68 69 70 78 79\n"
       "                               80 88 89 90 97 98 99 and 00 (for 100)\n"
       "  cv.b cv.c co.b co.c SIT.TXT  CV Ref, CO Ref and SIT questions\n"
       "  LLActs.a/b/c LLFTV.* LLcv.b/c LLco.b/c llsit.txt\n"
       "                               the reduced set of level L: chapters 1-6, 8, 9, 12-14\n"
       "                               and 17-28, about two regular questions a verse\n"
       "For another season: Set.txt (its books and their verses, in place of Verses.txt),\n"
       "the regular lists and LL lists named by the season's prefix (John.a, LLJohn.a), the\n"
       "other files named as for Acts; the reduced set covers every chapter. In a season of\n"
       "several books every question line starts with its book's letter and a blank.\n"
       "\n"
       "Options:\n"
       "  --out DIR       folder to write into (required)\n"
       "  --season NAME   whose books to write (default acts), one of:\n";
  std::string line = "                 ";
  for (auto& s : halvorin::seasons()) {
    if (line.size() + 1 + s.name.size() > 78) o << line << "\n", line = "                 ";
    line += " " + s.name;
  }
  o << line
    << "\n"
       "  --seed N        the same seed always gives the same files (default 1)\n"
       "  --profile NAME  how much material (default full):\n";
  for (auto& p : halvorin::material::profiles()) {
    std::string text = p.summary;
    for (size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 1))
      text.insert(at + 1, std::string(22, ' ')), at += 22;
    o << "                    " << p.name << ": " << text << "\n";
  }
  o << "                  (the profiles' chapters count through the season's books in order;\n"
       "                  sparse is laid out on the chapters of Acts and only for acts)\n"
       "  --flaws         also write lines the material check reports, for trying the check:\n"
       "                  about one regular question in 25 without its answer, and some SIT\n"
       "                  situations too wide for the printed page\n"
       "  --help          show this text\n"
       "\n"
       "Without --flaws, 'halvorin --check-material' finds no problem in the set.\n"
       "Every set keeps within the program's tables: at most 255 questions of a kind at one\n"
       "verse, at most 45 of a specialty kind in one chapter, and no more regular questions\n"
       "than the sectors of the demo styles can hold (200 a sector).\n"
       "Exit status: 0 written, 2 a file could not be written, 64 a bad command line.\n";
}

int usage_error(const std::string& msg) {
  std::cerr << "halvorin-material: " << msg << "\n"
            << "Try 'halvorin-material --help'.\n";
  return kUsage;
}

}  // namespace

int main(int argc, char** argv) {
  std::string out;
  std::string profile = "full";
  std::string season = "acts";
  uint64_t seed = 1;
  bool flaws = false;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "--help" || a == "-h") {
      help(std::cout);
      return 0;
    }
    if (a == "--flaws") {
      flaws = true;
      continue;
    }
    if (a != "--out" && a != "--seed" && a != "--profile" && a != "--season")
      return usage_error("unknown option " + a);
    if (i + 1 >= argc) return usage_error(a + " needs a value");
    std::string v = argv[++i];
    if (a == "--out") {
      out = v;
    } else if (a == "--profile") {
      profile = v;
    } else if (a == "--season") {
      season = v;
    } else {
      char* end = nullptr;
      errno = 0;
      unsigned long long n = std::strtoull(v.c_str(), &end, 10);
      if (v.empty() || v[0] == '-' || *end != '\0' || errno == ERANGE)
        return usage_error("--seed needs a whole number, not '" + v + "'");
      seed = n;
    }
  }
  if (out.empty()) return usage_error("--out DIR is required");
  const auto* p = halvorin::material::find_profile(profile);
  if (!p) return usage_error("unknown profile '" + profile + "'");
  const auto* s = halvorin::find_season(season);
  if (!s) {
    std::string names;
    for (auto& known : halvorin::seasons()) names += (names.empty() ? "" : ", ") + known.name;
    return usage_error("unknown season '" + season + "' (the seasons: " + names + ")");
  }
  // Acts is written as a folder without a declaration, exactly as without --season.
  const halvorin::MaterialSet* declared = s->name == "acts" ? nullptr : &s->set;
  if (declared && !p->empty_runs.empty())
    return usage_error("the " + p->name +
                       " profile is laid out on the chapters of Acts; with --season " + season +
                       " use another profile");

  try {
    std::error_code ec;
    std::filesystem::create_directories(out, ec);
    if (!std::filesystem::is_directory(out))
      throw halvorin::FileError(out, 0, "cannot create the folder: " + ec.message());
    auto written = halvorin::material::write_material(out, seed, *p, flaws, declared);
    std::cout << "halvorin-material: wrote " << written.size() << " files ("
              << (declared ? "season " + season + ", " : "") << "profile " << p->name << ", seed "
              << seed << (flaws ? ", with flaws" : "") << ") to " << out << "\n";
  } catch (const halvorin::FileError& e) {
    std::cerr << "halvorin-material: " << e.what() << "\n";
    return 2;
  }
  return 0;
}
