#include "driver/batch.hpp"

#include <filesystem>

#include "config/checks.hpp"
#include "config/form_fields.hpp"
#include "config/pattern.hpp"
#include "config/style_list.hpp"
#include "driver/material_check.hpp"
#include "driver/pass.hpp"
#include "driver/warnings.hpp"
#include "material/line_check.hpp"
#include "platform/batch_terminal.hpp"
#include "platform/text_file.hpp"

namespace halvorin {

namespace {

namespace fs = std::filesystem;
using Times = std::map<std::string, fs::file_time_type>;

// When each file of the working directory was last written.
Times write_times() {
  Times t;
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(".", ec))
    if (e.is_regular_file(ec)) t[e.path().filename().string()] = e.last_write_time(ec);
  return t;
}

// Why a batch pass started over without a warning screen of its own.
std::string why_started_over(Program& p, const PassStep* stopped) {
  const std::string screen = screen_message(p.con);
  if (stopped && stopped->run == sector_material && p.rs.MINQZ == 0) {
    if (screen.rfind("The range holds ", 0) == 0) return screen;
    return "the smallest sector has 0 regular questions; change the range or the sectoring";
  }
  return std::string("the pass started over while ") + (stopped ? stopped->what : "starting") +
         (screen.empty() ? "" : ": " + screen);
}

// The range in the books' own chapters: "1:1 to 28:31", "R 14:1 to J 2:13".
std::string range_text(const RunState& rs) {
  return running_reference(rs.set, rs.BCHAP, rs.BVER) + " to " +
         running_reference(rs.set, rs.ECHAP, rs.EVER);
}

// Lines of the notes file that say something (repeats begun, rules abandoned).
std::vector<std::string> run_notes(const std::string& notes_file) {
  std::vector<std::string> notes;
  TextReader in(notes_file);
  while (!in.eof()) {
    std::string line = in.read_line(LMAX);
    if (line.find_first_not_of(' ') != std::string::npos) notes.push_back(line);
  }
  return notes;
}

}  // namespace

std::map<std::string, std::string> batch_answers() {
  return {{"pattern review", "\r"},
          {"chapter sectoring", "\r"},
          {"questions per packet notice", "\r"},
          {"chapter sector table", "\r"},
          {"sector table", "\r"},
          {"question sectoring notice", "\r"},
          {"resector question", "N\r"},
          {"combination menu", "\r"},
          {"interrogatives abandoned", "\r"},
          {"quizzes complete", "\r"},
          {"PDF not written", "\r"},
          {"print question", "N"}};
}

void run_batch(Program& p, const std::string& style, std::ostream& out) {
  ConfigUnit& cu = p.cu;
  check_plain_name(style, "the command line", 0);

  // The style as the style list loads it; the form's checks are what every saved style passed.
  SETVS(cu);
  cu.NAME1 = style;
  cu.NAME = style_file_name(style);
  READIN(p);
  if (std::optional<Broken> broken = saved_style_broken(cu))
    throw BatchRefused("the style " + style + " holds a value the configuration form would not " +
                       "save (" + describe(*broken) + "); correct it on the form");

  const Times before = write_times();
  begin_pass(p);
  replace_file(kHandOver, {style});
  const PassStep* stopped = nullptr;
  PassEnd end;
  try {
    end = run_from_hand_over(p, &stopped);
  } catch (const BatchRefused&) {
    // The warning's advice to lower the questions per packet to 0 does not help.
    if (p.con.where() == kTooFewWarning && p.rs.TQUEST == 0)
      throw BatchRefused("the range " + range_text(p.rs) + " holds no regular questions in " +
                         p.rs.REGFILE + "; change the range or the Reg (a/b/c) list");
    throw;
  }
  switch (end) {
    case PassEnd::Complete:
      break;
    case PassEnd::Exit:
      throw BatchRefused("the hand-over file names no quiz style");
    case PassEnd::StartOver:
      throw BatchRefused(why_started_over(p, stopped));
  }

  const RunState& rs = p.rs;
  if (rs.PDFFAULT) std::rethrow_exception(rs.PDFFAULT);  // a file error: exit 2
  out << style << ": " << rs.QZ << " quizzes of " << rs.SECTORS << " questions, "
      << rs.QZ * rs.SECTORS << " questions in all\n";
  for (const std::string& note : run_notes(rs.NOTESFILE)) out << "  note: " << note << "\n";
  const Times after = write_times();
  out << "  wrote " << rs.QUIFILE << (rs.PDFFILE.empty() ? "" : ", " + rs.PDFFILE) << ", "
      << rs.INFFILE << ", " << kPatternFile;
  auto count = after.find(rs.COUNTFILE);
  auto old = before.find(rs.COUNTFILE);
  if (count != after.end() && (old == before.end() || old->second != count->second))
    out << ", " << rs.COUNTFILE;
  else
    out << " (count file " << rs.COUNTFILE << " reused)";
  if (rs.STALECOUNT)
    out << "\n  the count file " << rs.COUNTFILE
        << " was rebuilt because it no longer matched the material";
  // Lines the packet may have taken as they are, a question without its answer for one.
  if (const int problems = question_file_problems(rs); problems > 0)
    out << "\n  the material holds " << problems << (problems == 1 ? " problem" : " problems")
        << "; halvorin --check-material " << style << " lists them";
  out << "\n  seed " << p.rng.seed() << "\n";
}

}  // namespace halvorin
