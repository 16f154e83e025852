#pragma once
// Material profiles and the number of questions of each kind at every verse.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "material/material_set.hpp"

namespace halvorin::material {

// Verses of each chapter of Acts, as the verse table lists them.
inline constexpr std::array<int, 28> kVerses = {26, 47, 26, 37, 42, 15, 60, 40, 43, 48,
                                                30, 25, 52, 28, 41, 40, 34, 28, 41, 38,
                                                40, 30, 35, 27, 27, 32, 44, 31};
// Most questions of one specialty kind in one chapter, so that a sector of one chapter stays
// within the fifty a sector can hold.
inline constexpr int kSpecialtyPerChapter = 45;

enum class Kind { Regular, Ftv, CvRef, CoRef, Sit };

// Weights of the number of questions a verse gets: weights[n] is the weight of n questions.
using Weights = std::vector<int>;

// How dense one material set (the full set or the reduced one) is, kind by kind.
struct Density {
  std::array<Weights, 5> per_kind;
};

// A stretch of verses of one chapter left without regular questions.
struct EmptyRun {
  int chapter, first, last;
};

struct Profile {
  std::string name;
  std::string summary;  // one line for --help
  Density full, reduced;
  std::vector<int> chapters;  // chapters that hold questions; empty means all
  std::vector<EmptyRun> empty_runs;
  // Chapters without any question of a specialty kind, per kind (regular unused).
  std::array<std::vector<int>, 5> absent;
  int capped_chapter = 0;  // a chapter whose regular questions are held to `cap`
  int cap = 0;
};

// The profile of that name, or nullptr.
const Profile* find_profile(const std::string& name);
// Every profile, in the order --help lists them.
const std::vector<Profile>& profiles();

// The Acts set of these verses: its reduced material covers the chapters its verse walk can
// reach (7, 10, 11, 15 and 16 are jumped over).
const MaterialSet& acts_material();

// A seed for one stream of draws, from the run's seed and a name and two numbers.
uint64_t stream_seed(uint64_t seed, const std::string& tag, int a = 0, int b = 0);

// Questions per verse: plan[c - 1][v - 1] for running chapter c of the set (its books' chapters
// one after another), verse v. The profile's chapters are running chapters. Every plan holds at
// least one question, specialty kinds at most kSpecialtyPerChapter per chapter; the reduced
// material only in the chapters the set's books say it covers.
using Plan = std::vector<std::vector<int>>;
Plan plan_counts(uint64_t seed, const Profile& p, const MaterialSet& set, bool reduced, Kind kind,
                 const std::string& tag);

}  // namespace halvorin::material
