// The packet as a PDF: packets of cases/pdf.tsv made by the pass or by --pdf, checked with qpdf,
// pdfinfo and pdftotext: a valid file, the paper and sheet count the sheet rule predicts, every
// sheet's text equal to its lines of the quiz file, and no text off the sheet.
#include "output/pdf.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <sstream>

#include "driver/steps.hpp"
#include "output/writer.hpp"
#include "platform/errors.hpp"
#include "support/bench.hpp"

namespace halvorin::testing {
namespace {

const std::string kCases = "output/cases/pdf.tsv";

// Makes a packet of `quizzes` quizzes from the question lines of golden/NAME.quiz (repeated to
// `positions` positions) in the pass's quiz file week3.qui.
void make_packet(Program& p, const CaseRow& c) {
  std::istringstream in(test_data("output/golden/" + c[1] + ".quiz"));
  std::string typ, line;
  int ab = 0, lpp = 0;
  in >> typ >> ab >> lpp;
  std::getline(in, line);
  std::vector<std::string> lines, more;
  while (std::getline(in, line)) {
    if (line.starts_with("+"))
      more.back() = line.substr(1);
    else
      lines.push_back(line), more.push_back(" ");
  }
  RunState& rs = p.rs;
  rs.NAME = "League";
  rs.BCHAP = rs.BVER = 1;
  rs.ECHAP = 28;
  rs.EVER = 31;
  rs.AB = 30;
  rs.RLBK.fill('A');
  rs.OUT = c[3][0];
  rs.LPP = c.num(4);
  rs.SECTORS = c.num(2);
  rs.TYP.clear();
  for (int x = 1; x <= rs.SECTORS; ++x) {
    const size_t k = static_cast<size_t>(x - 1) % lines.size();
    rs.TYP += typ[k];
    rs.ALL[x] = lines[k];
    rs.ALL2[x] = more[k];
  }
  p.rs.NAME4 = "week3";
  create_quiz_file(p);
  for (int q = 0; q < c.num(6); ++q) {
    rs.Q2 = c.num(5) + q;
    OPUT(p);
  }
}

// Windows-1252 as pdftotext gives it back (UTF-8); control characters print as blanks.
std::string utf8_of_1252(const std::string& s) {
  static const char* const k80[32] = {
      "\u20AC", " ",      "\u201A", "\u0192", "\u201E", "\u2026", "\u2020", "\u2021",
      "\u02C6", "\u2030", "\u0160", "\u2039", "\u0152", " ",      "\u017D", " ",
      " ",      "\u2018", "\u2019", "\u201C", "\u201D", "\u2022", "\u2013", "\u2014",
      "\u02DC", "\u2122", "\u0161", "\u203A", "\u0153", " ",      "\u017E", "\u0178"};
  std::string out;
  for (char ch : s) {
    const auto c = static_cast<unsigned char>(ch);
    if (c < 0x20 || c == 0x7F)
      out += ' ';
    else if (c < 0x80)
      out += ch;
    else if (c < 0xA0)
      out += k80[c - 0x80];
    else if (c == 0xA0)
      out += ' ';  // read back as a plain blank
    else
      out += static_cast<char>(0xC0 | (c >> 6)), out += static_cast<char>(0x80 | (c & 0x3F));
  }
  return out;
}

std::string rtrim(std::string s) {
  const size_t end = s.find_last_not_of(' ');
  return end == std::string::npos ? std::string() : s.substr(0, end + 1);
}

// Lines with their common left margin taken off.
std::vector<std::string> without_margin(std::vector<std::string> lines) {
  size_t margin = std::string::npos;
  for (const auto& l : lines) margin = std::min(margin, l.find_first_not_of(' '));
  for (auto& l : lines) l = l.substr(std::min(margin, l.size()));
  return lines;
}

// The quiz file's text lines as printed, in order: a form feed ends a line, every line is cut at
// 79 characters, blank lines are left out. `starts` gets the text lines that begin a page (after
// a form feed) and `cards` those set in by exactly four blanks (a card's heading).
std::vector<std::string> printed_text(const std::string& file, std::vector<bool>& starts,
                                      std::vector<bool>& cards) {
  std::vector<std::string> out;
  bool page_start = true;
  std::string line;
  auto take = [&] {
    const std::string text = rtrim(utf8_of_1252(line.substr(0, 79)));
    if (!text.empty()) {
      out.push_back(text);
      starts.push_back(page_start);
      cards.push_back(text.find_first_not_of(' ') == 4);
      page_start = false;
    }
    line.clear();
  };
  for (size_t i = 0; i < file.size(); ++i) {
    if (file[i] == '\r' && i + 1 < file.size() && file[i + 1] == '\n') {
      take();
      ++i;
    } else if (file[i] == '\f') {
      take();
      page_start = true;
    } else {
      line += file[i];
    }
  }
  take();
  return out;
}

// One sheet's text as pdftotext reads it at 10 characters to the inch.
std::vector<std::string> sheet_text(const std::string& pdf, int sheet) {
  const std::string n = std::to_string(sheet);
  const RunResult r =
      run_command("pdftotext -q -fixed 7.2 -f " + n + " -l " + n + " " + shell_word(pdf) + " -");
  std::vector<std::string> lines;
  std::istringstream in(r.out);
  for (std::string l; std::getline(in, l);) {
    std::erase(l, '\f');
    if (!rtrim(l).empty()) lines.push_back(rtrim(l));
  }
  return without_margin(lines);
}

TEST(Pdf, PacketsComeOutSheetForSheet) {
  for (const CaseRow& c : test_table(kCases)) {
    SCOPED_TRACE(case_name(kCases, c));
    ProgramBench b("\"n\"");
    set_env("HALVORIN_PAPER", c[7]);
    const bool a4 = c[7] == "a4" || c[7] == "A4";
    make_packet(b.p, c);
    if (c[9] == "pass") {
      finish_packet(b.p);
      EXPECT_TRUE(b.p.con.row_text(7).starts_with("  Your output file has been saved in ASCII"));
    } else {
      b.p.rs.F8->close();
      std::filesystem::create_directory("in");
      std::filesystem::rename("week3.qui", "in/week3.qui");
      const RunResult r = run_command(shell_word(HALVORIN_BIN) + " --pdf " +
                                      shell_word(b.dir.file("in/week3.qui")));
      ASSERT_EQ(r.status, 0) << r.err;
      EXPECT_NE(r.out.find(" sheet"), std::string::npos);
      std::filesystem::rename("in/week3.qui", "week3.qui");
      std::filesystem::rename("in/week3.pdf", "week3.pdf");
    }
    unset_env("HALVORIN_PAPER");
    const std::string pdf = b.dir.file("week3.pdf");
    ASSERT_TRUE(b.dir.exists("week3.pdf"));

    EXPECT_EQ(run_command("qpdf --check " + shell_word(pdf)).status, 0);
    const std::string info = run_command("pdfinfo " + shell_word(pdf)).out;
    EXPECT_NE(info.find("Pages:           " + c[8] + "\n"), std::string::npos) << info;
    EXPECT_NE(info.find(a4 ? "595.28 x 841.89 pts (A4)" : "612 x 792 pts (letter)"),
              std::string::npos)
        << info;

    // Each sheet holds the next lines of the file, starting a page or a card where it should.
    std::vector<bool> starts, cards;
    const std::vector<std::string> text = printed_text(b.dir.read("week3.qui"), starts, cards);
    size_t at = 0;
    for (int k = 1; k <= c.num(8); ++k) {
      const std::vector<std::string> got = sheet_text(pdf, k);
      ASSERT_FALSE(got.empty()) << "sheet " << k;
      ASSERT_LE(at + got.size(), text.size()) << "sheet " << k;
      if (c[3] == "P" && c.num(4) <= 66) {
        EXPECT_TRUE(starts[at]) << "sheet " << k;
      }
      if (c[3] == "C") {
        EXPECT_TRUE(cards[at]) << "sheet " << k;
      }
      const std::vector<std::string> want(text.begin() + static_cast<long>(at),
                                          text.begin() + static_cast<long>(at + got.size()));
      ASSERT_EQ(got, without_margin(want)) << "sheet " << k;
      at += got.size();
    }
    EXPECT_EQ(at, text.size()) << "text left over";

    // No word leaves its sheet or runs into the outer 0.2 inch.
    const std::string boxes = run_command("pdftotext -q -bbox " + shell_word(pdf) + " -").out;
    const std::regex page(R"re(<page width="([0-9.]+)" height="([0-9.]+)")re");
    const std::regex word(
        R"re(<word xMin="([0-9.-]+)" yMin="([0-9.-]+)" xMax="([0-9.-]+)" yMax="([0-9.-]+)")re");
    std::smatch m;
    ASSERT_TRUE(std::regex_search(boxes, m, page));
    const double w = std::stod(m[1]), h = std::stod(m[2]);
    int words = 0;
    for (std::sregex_iterator it(boxes.begin(), boxes.end(), word), end; it != end; ++it, ++words) {
      const auto& x = *it;
      EXPECT_TRUE(std::stod(x[1]) >= 12 && std::stod(x[3]) <= w - 12 && std::stod(x[2]) >= 14.4 &&
                  std::stod(x[4]) <= h - 14.4)
          << x[0];
    }
    EXPECT_GT(words, 0);
    if (c[10] != "-") {
      const std::vector<std::string> lines = b.dir.lines("week3.qui");
      const Paper paper = a4 ? kA4 : kLetter;
      expect_golden("output/golden/" + c[10], pdf_document({lay_sheets(lines, paper)[0]}, paper));
    }
  }
}

// --pdf never writes over what it was given, and a quiz file that is not there is a file error.
TEST(Pdf, TheCommandLineWritesOnlyThePdfOfAQuizFile) {
  TempDir dir;
  dir.write("old.pdf", "kept");
  const std::string pdf = shell_word(HALVORIN_BIN) + " --pdf ";
  EXPECT_EQ(run_command(pdf + shell_word(dir.file("old.pdf"))).status, 64);
  EXPECT_EQ(dir.read("old.pdf"), "kept");
  const RunResult r = run_command(pdf + shell_word(dir.file("old.qui")));
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err.rfind("halvorin: old.qui:0: ", 0), 0u) << r.err;
  EXPECT_EQ(dir.read("old.pdf"), "kept");
}

// Whichever file operation of the packet's end fails, no half PDF and no temporary file is left,
// and a PDF that is there is whole; a PDF that cannot be written is shown, the quiz file kept.
TEST(Pdf, AFailureLeavesNoHalfPdf) {
  const CaseRow c{0, {"fault", "mixed", "8", "P", "18", "1", "2", "letter", "-", "pass", "-"}};
  for (long n = 1; n <= 8; ++n) {
    SCOPED_TRACE(n);
    ProgramBench b;  // the keys run out on the next screen
    if (n == 8) std::filesystem::create_directory("week3.pdf");  // cannot be replaced
    make_packet(b.p, c);
    inject_file_fault(n == 8 ? 0 : n);
    try {
      finish_packet(b.p);
    } catch (const FileError&) {
      EXPECT_FALSE(b.p.rs.PDFFAULT);  // the quiz file failed: the error ends the program
    } catch (const ScriptEnded&) {
    }
    inject_file_fault(0);
    for (const auto& e : std::filesystem::directory_iterator("."))
      EXPECT_EQ(e.path().filename().string().find(".tmp"), std::string::npos) << e.path();
    if (b.p.rs.PDFFAULT) {
      EXPECT_EQ(b.p.con.row_text(3).substr(0, 36), "  The PDF week3.pdf was not written:");
      EXPECT_TRUE(b.dir.read("week3.qui").ends_with("\f"));
    }
    if (n == 8) {
      EXPECT_TRUE(b.p.rs.PDFFAULT && std::filesystem::is_directory("week3.pdf"));
    }
    if (std::filesystem::is_regular_file("week3.pdf")) {
      EXPECT_TRUE(b.dir.read("week3.pdf").ends_with("%%EOF\n"));
    }
  }
}

}  // namespace
}  // namespace halvorin::testing
