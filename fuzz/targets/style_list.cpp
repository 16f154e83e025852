// The configuration unit on an odd style list, an odd style file and any keys: the list menu,
// deletion, loading, the form, the checks, the type screen and the save. The input holds three
// parts separated by "%%" lines: the style list, the style file (used for every listed style
// and for "New"), and the key bytes. Whatever the run does, it ends by a refusal naming a file,
// by the keys running out, or by handing a style over; it never leaves a temporary file behind,
// and every list or style file it wrote loads again.
#include "config/style_list.hpp"

#include <cstdlib>
#include <filesystem>
#include <map>

#include "platform/errors.hpp"
#include "platform/text_file.hpp"
#include "support/fuzz_support.hpp"

using namespace halvorin;

namespace {

std::map<std::string, std::string> snapshot() {
  std::map<std::string, std::string> files;
  for (const auto& e : std::filesystem::directory_iterator("."))
    files[e.path().filename().string()] = fuzz::get_file(e.path().filename().string());
  return files;
}

// A replacement's temporary file: the name, ".tmp" and a process number.
bool leftover(const std::string& name) {
  size_t at = name.rfind(".tmp");
  return at != std::string::npos && at + 4 < name.size() &&
         name.find_first_not_of("0123456789", at + 4) == std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::enter_private_dir();
  fuzz::clear_private_dir();
  std::vector<std::string> parts = fuzz::split_parts(fuzz::as_string(data, size), 3);
  fuzz::put_file(kStyleList, parts[0]);
  fuzz::put_file("New.spe", parts[1]);
  {
    TextReader list = TextReader::from_text(parts[0], kStyleList);
    for (int i = 0; i < 20 && !list.eof(); ++i) {
      std::string name = list.read_line(16);
      try {
        check_plain_name(name, kStyleList, i + 1);
        fuzz::put_file(style_file_name(name), parts[1]);
      } catch (const FileError&) {
      }
    }
  }
  const auto before = snapshot();

  fuzz::ScriptedProgram sp(parts[2]);
  try {
    SPECS2(sp.p, false);
  } catch (const FileError&) {
  } catch (const ScriptEnded&) {
  }

  for (const auto& [name, content] : snapshot()) {
    if (leftover(name) && !before.count(name)) std::abort();  // a replacement left half-done
    auto old = before.find(name);
    if (old != before.end() && old->second == content) continue;
    // A file this run wrote must load again.
    if (name == kStyleList) {
      fuzz::ScriptedProgram again("");
      TOPMENU(again.p);
    } else if (name.size() > 4 && name.substr(name.size() - 4) == ".spe") {
      (void)read_style_file(name);
    } else if (name == kHandOver) {
      if (content.empty()) std::abort();
    }
  }
  return 0;
}
