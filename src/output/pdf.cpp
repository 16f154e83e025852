#include "output/pdf.hpp"

#include "platform/text_file.hpp"

namespace halvorin {

namespace {

// A length in hundredths of a point as PDF writes it: "612", "595.28", "11.3".
std::string num(int v) {
  std::string s = std::to_string(v / 100);
  const int frac = v % 100;
  if (frac != 0) {
    s += '.';
    s += static_cast<char>('0' + frac / 10);
    if (frac % 10 != 0) s += static_cast<char>('0' + frac % 10);
  }
  return s;
}

// A line as a PDF string: the delimiters escaped, bytes above 127 in octal (the font's
// Windows-1252 encoding shows them), trailing blanks left off.
std::string pdf_string(const std::string& line) {
  const size_t end = line.find_last_not_of(' ');
  std::string s = "(";
  for (size_t i = 0; end != std::string::npos && i <= end; ++i) {
    const auto c = static_cast<unsigned char>(line[i]);
    if (c == '(' || c == ')' || c == '\\') {
      s += '\\';
      s += static_cast<char>(c);
    } else if (c >= 0x80) {
      s += '\\';
      s += static_cast<char>('0' + (c >> 6));
      s += static_cast<char>('0' + ((c >> 3) & 7));
      s += static_cast<char>('0' + (c & 7));
    } else {
      s += static_cast<char>(c);
    }
  }
  return s + ")";
}

// The drawing of one sheet: the lines top down from the first baseline, `pitch` apart.
std::string content(const Sheet& sheet, const Paper& paper) {
  const int first = paper.height - kTopMargin - sheet.pitch * 3 / 4;
  std::string s = "BT\n/F1 " + num(kFontSize) + " Tf\n" + num(sheet.pitch) + " TL\n" +
                  num(left_margin(paper)) + " " + num(first) + " Td\n";
  size_t used = sheet.lines.size();  // blank lines at the foot draw nothing
  while (used > 0 && sheet.lines[used - 1].find_first_not_of(' ') == std::string::npos) --used;
  for (size_t i = 0; i < used; ++i) {
    const bool blank = sheet.lines[i].find_first_not_of(' ') == std::string::npos;
    if (i == 0) {
      if (!blank) s += pdf_string(sheet.lines[i]) + " Tj\n";
    } else {
      s += blank ? "T*\n" : pdf_string(sheet.lines[i]) + " '\n";
    }
  }
  return s + "ET\n";
}

// Collects numbered objects and the offsets the cross-reference table needs.
class Document {
 public:
  Document() { out_ = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n"; }
  void object(int n, const std::string& body) {
    if (static_cast<int>(offsets_.size()) < n) offsets_.resize(static_cast<size_t>(n));
    offsets_[static_cast<size_t>(n) - 1] = out_.size();
    out_ += std::to_string(n) + " 0 obj\n" + body + "\nendobj\n";
  }
  void stream(int n, const std::string& data) {
    object(n, "<< /Length " + std::to_string(data.size()) + " >>\nstream\n" + data + "endstream");
  }
  std::string finish() {
    const size_t xref = out_.size();
    out_ += "xref\n0 " + std::to_string(offsets_.size() + 1) + "\n0000000000 65535 f \n";
    for (size_t off : offsets_) {
      const std::string digits = std::to_string(off);
      out_ +=
          std::string(digits.size() < 10 ? 10 - digits.size() : 0, '0') + digits + " 00000 n \n";
    }
    out_ += "trailer\n<< /Size " + std::to_string(offsets_.size() + 1) +
            " /Root 1 0 R >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
    return std::move(out_);
  }

 private:
  std::string out_;
  std::vector<size_t> offsets_;
};

}  // namespace

std::string pdf_document(const std::vector<Sheet>& sheets, const Paper& paper) {
  // 1 the catalogue, 2 the page tree, 3 the font, then a page and its drawing per sheet.
  Document doc;
  doc.object(1, "<< /Type /Catalog /Pages 2 0 R >>");
  std::string kids;
  for (size_t i = 0; i < sheets.size(); ++i)
    kids += (i % 10 == 0 && i > 0 ? "\n" : i > 0 ? " " : "") + std::to_string(4 + 2 * i) + " 0 R";
  doc.object(2, "<< /Type /Pages /MediaBox [0 0 " + num(paper.width) + " " + num(paper.height) +
                    "]\n/Resources << /Font << /F1 3 0 R >> >>\n/Count " +
                    std::to_string(sheets.size()) + "\n/Kids [" + kids + "] >>");
  doc.object(3, "<< /Type /Font /Subtype /Type1 /BaseFont /Courier /Encoding /WinAnsiEncoding >>");
  for (size_t i = 0; i < sheets.size(); ++i) {
    const int page = 4 + 2 * static_cast<int>(i);
    doc.object(page,
               "<< /Type /Page /Parent 2 0 R /Contents " + std::to_string(page + 1) + " 0 R >>");
    doc.stream(page + 1, content(sheets[i], paper));
  }
  return doc.finish();
}

int write_packet_pdf(const std::string& qui_name, const std::string& pdf_name, const Paper& paper) {
  std::vector<std::string> lines;
  {
    TextReader in(qui_name);
    while (!in.eof()) lines.push_back(in.read_line(std::string::npos));
  }
  const std::vector<Sheet> sheets = lay_sheets(lines, paper);
  TextWriter out(pdf_name, TextWriter::Mode::Replace);
  out.write(pdf_document(sheets, paper));
  out.close();
  return static_cast<int>(sheets.size());
}

}  // namespace halvorin
