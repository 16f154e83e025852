#pragma once
// Runs the configuration screens in memory with a key script, on a demo style changed the way the
// case tables under cases/ write it: "label=value" items, ';' between, named as the form names
// its fields.
#include <array>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>

#include "config/form.hpp"
#include "config/form_fields.hpp"
#include "config/style_list.hpp"
#include "config/type_screen.hpp"
#include "material/seasons.hpp"
#include "platform/errors.hpp"
#include "state/style.hpp"
#include "support/bench.hpp"

namespace halvorin::testing {

// The field a form label names.
inline Field field_named(const std::string& label) {
  for (int k = 0; k < kFieldCount; ++k)
    if (label == field_spec(static_cast<Field>(k)).label) return static_cast<Field>(k);
  throw std::invalid_argument("no field labelled " + label);
}

// Applies "label=value;..." ("-" for none); "Level" and "Types" set the level letter and the
// type line, which have no field of their own; "Set" takes a season's set, "Letters" renames its
// books, "Chapters" and "Reduced" give its first book more chapters and the chapters its reduced
// material covers (blanks between); a book field's value is the letter the style file holds.
inline void edit(ConfigUnit& cu, const std::string& edits) {
  std::istringstream in(edits == "-" ? "" : edits);
  for (std::string item; std::getline(in, item, ';');) {
    const std::string name = item.substr(0, item.find('=')), value = item.substr(name.size() + 1);
    if (name == "Level") {
      cu.LG = value.at(0);
    } else if (name == "Types") {
      cu.TYP = value;
    } else if (name == "Set") {
      cu.set = find_season(value)->set;
    } else if (name == "Chapters") {  // the first book grows to that many chapters of 20 verses
      cu.set.books.at(0).verses.resize(std::stoul(value), 20);
    } else if (name == "Letters") {  // the books' letters in order
      for (size_t b = 0; b < value.size(); ++b) cu.set.books.at(b).letter = value[b];
    } else if (name == "Reduced") {
      std::istringstream chapters(value);
      cu.set.books.at(0).reduced.clear();
      for (int c = 0; chapters >> c;) cu.set.books.at(0).reduced.push_back(c);
    } else if (field_named(name) == Field::BBK || field_named(name) == Field::EBK) {
      (field_named(name) == Field::BBK ? cu.BBOOK : cu.EBOOK) = value.at(0);
    } else {
      const FieldSpec& f = field_spec(field_named(name));
      if (f.num) cu.*f.num = std::stoi(value);
      if (f.letter) cu.*f.letter = value.at(0);
      if (f.text) cu.*f.text = value;
    }
  }
}

// A demo style ("Weekly", "Fixed", ...) with edits.
inline ConfigUnit demo_style(const std::string& name, const std::string& edits = "-") {
  ConfigUnit cu;
  static_cast<StyleValues&>(cu) =
      read_style_file(std::string(HALVORIN_SOURCE_DIR) + "/demo/" + name + ".spe");
  edit(cu, edits);
  return cu;
}

// "\xNN" in a case table's text as the byte it names.
inline std::string unescape(const std::string& s) {
  std::string out;
  for (size_t k = 0; k < s.size(); ++k)
    if (s.compare(k, 2, "\\x") == 0 && k + 3 < s.size()) {
      out += static_cast<char>(std::stoi(s.substr(k + 2, 2), nullptr, 16));
      k += 3;
    } else {
      out += s[k];
    }
  return out;
}

// Changes a file in a folder: "rm NAME" removes it, "NAME=a|b" writes those lines, and
// "NAME:n=text;n-" replaces line n (from 1) or keeps only the lines before it; "\xNN" in a
// line is that byte. "season NAME" declares that season's set; " & " joins changes.
inline void change_file(const TempDir& dir, const std::string& how) {
  if (const size_t and_then = how.find(" & "); and_then != std::string::npos) {
    change_file(dir, how.substr(0, and_then));
    return change_file(dir, how.substr(and_then + 3));
  }
  if (how.starts_with("rm ")) return dir.remove(how.substr(3));
  if (how.starts_with("season "))
    return write_material_set_file(dir.file(kSetFile), find_season(how.substr(7))->set);
  const size_t colon = how.find(':'), eq = how.find('=');
  std::vector<std::string> lines;
  if (colon == std::string::npos) {
    std::istringstream all(how.substr(eq + 1));
    for (std::string l; std::getline(all, l, '|');) lines.push_back(l);
    return dir.write_lines(how.substr(0, eq), lines);
  }
  lines = dir.lines(how.substr(0, colon));
  std::istringstream in(how.substr(colon + 1));
  for (std::string item; std::getline(in, item, ';');) {
    const size_t n = std::stoul(item), at = item.find('=');
    if (at == std::string::npos)
      lines.resize(n - 1);
    else
      lines.at(n - 1) = unescape(item.substr(at + 1));
  }
  dir.write_lines(how.substr(0, colon), lines);
}

// The screen a FormRun drives.
enum class Which { Form, Types };

// The form (until the header is left) or the specialty type screen, run on a style and its set
// until done or until the keys run out.
struct FormRun {
  FormRun(const StyleValues& st, const std::string& keys, Which screen = Which::Form,
          const MaterialSet& set = standard_acts_set())
      : term(parse_key_script(keys, "test")), p(term, 1) {
    static_cast<StyleValues&>(p.cu) = st;
    p.cu.set = set;
    p.con.textbackground(1);
    p.con.textcolor(14);
    try {
      if (screen == Which::Types) {
        SETSPEC(p);
      } else {
        p.cu.FIL[1] = "Weekly";
        p.cu.Y = 1;
        EVSET(p.cu);
        CLR(p.con);
        exit = run_form(p);
      }
      finished = true;
    } catch (const ScriptEnded&) {
    }
  }
  ScriptTerminal term;
  Program p;
  std::optional<FormExit> exit;  // the form's way out; empty when the keys ran out first
  bool finished = false;
};

// SPEARLY, SPLATE, SPMIN, SPMAX, then min and max of FTV, CV Ref, CO Ref and SIT.
using Limits = std::array<int, 12>;

// A program in its own folder on the weekly demo style, one quiz.
struct PatternBench : ProgramBench {
  explicit PatternBench(const std::string& keys = "", uint64_t seed = 11)
      : ProgramBench(keys, seed) {
    static_cast<StyleValues&>(p.cu) = demo_style("Weekly", "Number of Quizzes in this Run=1");
  }
  void set(const Limits& l) {
    ConfigUnit& c = p.cu;
    int* fields[] = {&c.SPEARLY, &c.SPLATE, &c.SPMIN, &c.SPMAX, &c.FMIN, &c.FMAX,
                     &c.RMIN,    &c.RMAX,   &c.OMIN,  &c.OMAX,  &c.SMIN, &c.SMAX};
    for (size_t k = 0; k < l.size(); ++k) *fields[k] = l[k];
  }
};

}  // namespace halvorin::testing
