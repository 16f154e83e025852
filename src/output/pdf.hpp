#pragma once
// The packet as a PDF: text-only sheets in the standard Courier font, laid out by the sheet rule.
// Nothing is embedded and nothing depends on the clock or the system, so the same quiz file
// gives the same bytes everywhere.
#include <string>
#include <vector>

#include "output/sheets.hpp"

namespace halvorin {

// The bytes of a PDF holding `sheets` on `paper`, one content stream a sheet.
std::string pdf_document(const std::vector<Sheet>& sheets, const Paper& paper);

// Writes `pdf_name` from the quiz file `qui_name` (both in the working directory). The PDF
// replaces an older one only once it is complete. Returns the number of sheets; throws
// FileError when a file cannot be read or written.
int write_packet_pdf(const std::string& qui_name, const std::string& pdf_name, const Paper& paper);

}  // namespace halvorin
