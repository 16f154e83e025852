// The configuration form and the specialty type screen driven by key scripts (cases/form.tsv),
// and styles saved through the real program (cases/saved.tsv).
#include <gtest/gtest.h>

#include <algorithm>

#include "bench.hpp"

namespace halvorin::testing {
namespace {

void expect_item(const FormRun& f, const std::string& item) {
  const std::string key = item.substr(0, item.find('=')), v = item.substr(key.size() + 1);
  const std::string where = f.p.con.where();
  if (key == "at") {
    EXPECT_TRUE(where == "configuration " + v || where == "configuration form, " + v) << where;
  } else if (key == "exit") {
    EXPECT_EQ(f.exit, v == "Save" ? FormExit::Save : FormExit::Back) << "stopped in " << where;
  } else if (key == "done") {
    EXPECT_EQ(f.finished, v == "yes");
  } else if (key == "screen") {
    expect_screen("config/golden/" + v + ".screen", f.p.con);
  } else if (key == "Types") {
    EXPECT_EQ(f.p.cu.TYP.substr(0, v.size()), v);
  } else if (key == "letters") {  // the letter row shows what is stored, blank for none
    std::string shown;
    for (size_t k = 0; k < v.size(); ++k) shown += f.p.con.row_text(12).at(35 + 2 * k);
    std::replace(shown.begin(), shown.end(), ' ', 'n');
    EXPECT_EQ(shown, v);
  } else if (const FieldSpec& s = field_spec(field_named(key)); s.kind == FieldKind::Book) {
    EXPECT_EQ(f.p.cu.*s.text, " " + v) << key;
  } else {
    EXPECT_EQ(f.p.cu.*s.num, std::stoi(v)) << key;
  }
}

TEST(Form, KeysOnTheFormAndTheTypeScreen) {
  const std::string path = "config/cases/form.tsv";
  for (const CaseRow& c : test_table(path)) {
    SCOPED_TRACE(case_name(path, c));
    const ConfigUnit style = demo_style(c[0], c[1]);
    const FormRun f(style, c[3] == "-" ? "" : c[3], c[2] == "types" ? Which::Types : Which::Form,
                    style.set);
    std::istringstream expected(c[4]);
    for (std::string item; std::getline(expected, item, ';');) expect_item(f, item);
  }
}

TEST(Form, PrimaryFtvTakesOnlyAdmissibleValues) {
  std::pair<int, int> cases[] = {{95, 99},   {85, 89}, {40, 59}, {52, 52},
                                 {101, 100}, {97, 97}, {54, 59}, {53, 53}};
  for (auto [entered, stored] : cases) EXPECT_EQ(PRIM(entered), stored) << entered;
}

TEST(Form, StylesSavedThroughTheProgram) {
  const std::string path = "config/cases/saved.tsv";
  for (const CaseRow& c : test_table(path)) {
    SCOPED_TRACE(case_name(path, c));
    TempDir dir;
    copy_demo(dir);
    if (c[1] != "-") change_file(dir, c[1]);
    run_halvorin(dir, c[2]);  // what follows the save does not matter here
    std::istringstream files(c[3]);
    for (std::string file; files >> file;)
      expect_golden("config/golden/" + c[0] + "-" + file, dir.read(file));
  }
}

// A declaration the program cannot use ends it before the style list, naming its line.
TEST(Form, ABadSetEndsTheProgram) {
  TempDir dir;
  copy_demo(dir);
  dir.write_lines("Set.txt", {"title: Romans", "colour: red"});
  const RunResult r = run_halvorin(dir, "Enter Esc Enter");
  EXPECT_NE(r.status, 0);
  EXPECT_NE(r.err.find("Set.txt:2"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace halvorin::testing
