#include "material/files.hpp"

#include <regex>

namespace halvorin {

namespace {

std::string level_prefix(const MaterialFileKey& key) { return key.level == 'L' ? "LL" : ""; }

}  // namespace

std::string primpct_digits(int primpct) {
  if (primpct == 100) return "00";
  int v = primpct < 0 ? 0 : primpct % 100;
  return std::string(1, static_cast<char>('0' + v / 10)) + static_cast<char>('0' + v % 10);
}

std::string question_file_name(Kind kind, const MaterialFileKey& key) {
  const std::string ll = level_prefix(key);
  const bool list_c = key.list == 'C' || key.list == 'c';
  switch (kind) {
    case Kind::Regular:
      return ll + key.prefix + "." + std::string(1, key.list);
    case Kind::Ftv:
      return ll + "FTV." + key.ftv_digits;
    case Kind::CvRef:
      return ll + (list_c ? "cv.c" : "cv.b");
    case Kind::CoRef:
      return ll + (list_c ? "co.c" : "co.b");
    case Kind::Sit:
      return key.level == 'L' ? "llsit.txt" : "SIT.TXT";
  }
  return {};
}

std::string count_file_name(const MaterialFileKey& key) {
  return level_prefix(key) + "count." + key.ftv_digits + std::string(1, key.list);
}

std::optional<Kind> question_file_kind(const std::string& name, const std::string& prefix) {
  // The prefix is letters and digits only (the set's reader refuses anything else).
  const std::regex regular("(ll)?" + prefix + "\\.[abc]", std::regex::icase);
  if (std::regex_match(name, regular)) return Kind::Regular;
  static const std::pair<std::regex, Kind> kinds[] = {
      {std::regex("(ll)?ftv\\.[0-9][0-9]", std::regex::icase), Kind::Ftv},
      {std::regex("(ll)?cv\\.[bc]", std::regex::icase), Kind::CvRef},
      {std::regex("(ll)?co\\.[bc]", std::regex::icase), Kind::CoRef},
      {std::regex("(ll)?sit\\.txt", std::regex::icase), Kind::Sit}};
  for (const auto& [re, k] : kinds)
    if (std::regex_match(name, re)) return k;
  return std::nullopt;
}

std::optional<MaterialFileKey> count_file_key(const std::string& name) {
  static const std::regex count_name("(ll)?count\\.([0-9][0-9])([abc])", std::regex::icase);
  std::smatch m;
  if (!std::regex_match(name, m, count_name)) return std::nullopt;
  return MaterialFileKey{m[1].matched ? 'L' : ' ', m[3].str()[0], m[2].str()};
}

void name_material_files(RunState& rs, char reglst, const std::string& name4) {
  const MaterialFileKey key{rs.LG, reglst, "", rs.set.prefix};
  rs.QUIFILE = name4 + ".qui";
  rs.REGFILE = question_file_name(Kind::Regular, key);
  rs.CVFILE = question_file_name(Kind::CvRef, key);
  rs.COFILE = question_file_name(Kind::CoRef, key);
  rs.NOTESFILE = "temp.txt";
  rs.SITFILE = question_file_name(Kind::Sit, key);
  rs.INFFILE = name4 + ".inf";
}

}  // namespace halvorin
