// halvorin-material: writes a complete sample material set for trying the program and for tests.
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

#include "material_set.hpp"
#include "platform/errors.hpp"
#include "profile.hpp"

namespace {

constexpr int kUsage = 64;

void help(std::ostream& o) {
  o << "Usage: halvorin-material --out DIR [--seed N] [--profile NAME] [--flaws]\n"
       "\n"
       "Writes a complete set of invented question material for the whole book into DIR\n"
       "(created if missing; files of the same names are replaced):\n"
       "  Verses.txt                   verses of each of the 28 chapters\n"
       "  Acts.a Acts.b Acts.c         regular question lists\n"
       "  FTV.dd                       FTV questions, one file for each primary percentage a\n"
       "                               style can hold: 51 52 53 57 58 59 60 68 69 70 78 79\n"
       "                               80 88 89 90 97 98 99 and 00 (for 100)\n"
       "  cv.b cv.c co.b co.c SIT.TXT  CV Ref, CO Ref and SIT questions\n"
       "  LLActs.a/b/c LLFTV.* LLcv.b/c LLco.b/c llsit.txt\n"
       "                               the reduced set of level L: chapters 1-6, 8, 9, 12-14\n"
       "                               and 17-28, about two regular questions a verse\n"
       "\n"
       "Options:\n"
       "  --out DIR       folder to write into (required)\n"
       "  --seed N        the same seed always gives the same files (default 1)\n"
       "  --profile NAME  how much material (default full):\n";
  for (auto& p : halvorin::material::profiles()) {
    std::string text = p.summary;
    for (size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 1))
      text.insert(at + 1, std::string(22, ' ')), at += 22;
    o << "                    " << p.name << ": " << text << "\n";
  }
  o << "  --flaws         also write lines the material check reports, for trying the check:\n"
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
    if (a != "--out" && a != "--seed" && a != "--profile")
      return usage_error("unknown option " + a);
    if (i + 1 >= argc) return usage_error(a + " needs a value");
    std::string v = argv[++i];
    if (a == "--out") {
      out = v;
    } else if (a == "--profile") {
      profile = v;
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

  try {
    std::error_code ec;
    std::filesystem::create_directories(out, ec);
    if (!std::filesystem::is_directory(out))
      throw halvorin::FileError(out, 0, "cannot create the folder: " + ec.message());
    auto written = halvorin::material::write_material(out, seed, *p, flaws);
    std::cout << "halvorin-material: wrote " << written.size() << " files (profile " << p->name
              << ", seed " << seed << (flaws ? ", with flaws" : "") << ") to " << out << "\n";
  } catch (const halvorin::FileError& e) {
    std::cerr << "halvorin-material: " << e.what() << "\n";
    return 2;
  }
  return 0;
}
