#pragma once
// Writes a complete material set into a folder: the verse table or the set's declaration and
// every question file of the full material and of the reduced "LL" material.
#include <cstdint>
#include <string>
#include <vector>

#include "profile.hpp"

namespace halvorin::material {

// The primary FTV percentages a style can hold; each names one FTV file (100 names "00").
inline constexpr int kPrimaryPercents[] = {51, 52, 53, 57, 58, 59, 60, 68, 69, 70,
                                           78, 79, 80, 88, 89, 90, 97, 98, 99, 100};

// The FTV file name for a primary percentage: "FTV.59", "FTV.00" for 100.
std::string ftv_name(int percent);
// A question line's reference: chapter in columns 1-2, ":", verse in columns 4-5.
std::string reference(int chapter, int verse);

// Writes every file of the set into `dir` (which must exist); returns the names written.
// Without `declared` the set is Acts, with its verse table "Verses.txt"; with it, the declaration
// "Set.txt" and the regular files named by its prefix. Without `flaws` every line passes the
// material check; with it, some regular questions lack their answer and some situations are too
// wide for the printed page. Throws FileError when a file cannot be written.
std::vector<std::string> write_material(const std::string& dir, uint64_t seed, const Profile& p,
                                        bool flaws = false, const MaterialSet* declared = nullptr);

}  // namespace halvorin::material
