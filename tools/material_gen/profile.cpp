#include "profile.hpp"

#include <algorithm>

#include "platform/random.hpp"

namespace halvorin::material {

namespace {

// Regular 3..7 a verse (mostly 4 to 6); FTV, CV Ref, CO Ref and SIT well under one a verse.
const Density kFullDensity = {{{
    {0, 0, 0, 1, 3, 3, 3, 1},
    {8, 9, 3},
    {11, 8, 1},
    {14, 6},
    {13, 6, 1},
}}};
// The reduced set: about two regular questions a verse and fewer specialties.
const Density kReducedDensity = {{{
    {0, 3, 4, 3},
    {12, 7, 1},
    {14, 6},
    {16, 4},
    {15, 5},
}}};
// Nearly half the verses without regular questions, few specialties.
const Density kSparseDensity = {{{
    {9, 4, 4, 3},
    {14, 5, 1},
    {16, 4},
    {17, 3},
    {17, 3},
}}};

// The same weights with every count multiplied by k.
Weights scaled(const Weights& w, int k) {
  Weights out(static_cast<size_t>((static_cast<int>(w.size()) - 1) * k + 1), 0);
  for (size_t n = 0; n < w.size(); ++n) out[n * static_cast<size_t>(k)] = w[n];
  return out;
}

Density scaled(const Density& d, int k) {
  Density out;
  for (size_t i = 0; i < d.per_kind.size(); ++i) out.per_kind[i] = scaled(d.per_kind[i], k);
  return out;
}

std::vector<Profile> make_profiles() {
  std::vector<Profile> ps;
  Profile full;
  full.name = "full";
  full.summary = "the whole book, 3 to 7 regular questions a verse";
  full.full = kFullDensity;
  full.reduced = kReducedDensity;
  ps.push_back(full);

  Profile small = full;
  small.name = "small";
  small.summary = "questions in chapters 1, 2, 3 and 13 only";
  small.chapters = {1, 2, 3, 13};
  ps.push_back(small);

  Profile sparse;
  sparse.name = "sparse";
  sparse.summary =
      "many verses without questions, and for the warnings and\n"
      "the verse walk: no regular questions in 1:1-2, 8:10-16,\n"
      "12:5-8 and 20:30-38, only 8 in chapter 6; no SIT in\n"
      "chapters 2 and 5, no CV Ref in 3, no CO Ref in 4, no FTV in 6";
  sparse.full = kSparseDensity;
  sparse.reduced = kSparseDensity;
  sparse.empty_runs = {{1, 1, 2}, {8, 10, 16}, {12, 5, 8}, {20, 30, 38}};
  sparse.absent[static_cast<int>(Kind::Sit)] = {2, 5};
  sparse.absent[static_cast<int>(Kind::CvRef)] = {3};
  sparse.absent[static_cast<int>(Kind::CoRef)] = {4};
  sparse.absent[static_cast<int>(Kind::Ftv)] = {6};
  sparse.capped_chapter = 6;
  sparse.cap = 8;
  ps.push_back(sparse);

  // Denser sets for timing how the cost grows with the material: a range over half (full2) or a
  // quarter (full4) of the book keeps every sector within its room.
  for (int k : {2, 4}) {
    Profile dense = full;
    dense.name = "full" + std::to_string(k);
    dense.summary =
        std::to_string(k) + " times the full set (" + std::to_string(3 * k) + " to " +
        std::to_string(7 * k) + " regular questions a verse), for\n" +
        (k == 2 ? "benchmarks over half the book" : "benchmarks over a quarter of the book");
    dense.full = scaled(kFullDensity, k);
    ps.push_back(dense);
  }
  return ps;
}

bool contains(const std::vector<int>& v, int x) {
  return std::find(v.begin(), v.end(), x) != v.end();
}

int draw(Random& r, const Weights& w) {
  int total = 0;
  for (int x : w) total += x;
  int k = r.random(total);
  for (size_t n = 0; n < w.size(); ++n) {
    if (k < w[n]) return static_cast<int>(n);
    k -= w[n];
  }
  return 0;
}

// Takes questions away one at a time, from verses drawn at random, until at most `cap` remain.
void hold_to(Random& r, std::vector<int>& verses, int cap) {
  int total = 0;
  for (int n : verses) total += n;
  for (int guard = 0; total > cap && guard < 100000; ++guard) {
    auto v = static_cast<size_t>(r.random(static_cast<int>(verses.size())));
    if (verses[v] > 0) --verses[v], --total;
  }
}

}  // namespace

const std::vector<Profile>& profiles() {
  static const std::vector<Profile> ps = make_profiles();
  return ps;
}

const Profile* find_profile(const std::string& name) {
  for (auto& p : profiles())
    if (p.name == name) return &p;
  return nullptr;
}

const MaterialSet& acts_material() {
  static const MaterialSet set = acts_set(std::vector<int>(kVerses.begin(), kVerses.end()));
  return set;
}

uint64_t stream_seed(uint64_t seed, const std::string& tag, int a, int b) {
  uint64_t h = 1469598103934665603ULL;  // FNV-1a over the tag and the numbers
  auto mix = [&h](uint64_t byte) { h = (h ^ byte) * 1099511628211ULL; };
  for (unsigned char c : tag) mix(c);
  mix(static_cast<uint64_t>(a) & 0xff), mix(static_cast<uint64_t>(a) >> 8 & 0xff);
  mix(static_cast<uint64_t>(b) & 0xff), mix(static_cast<uint64_t>(b) >> 8 & 0xff);
  return h ^ (seed * 0x9e3779b97f4a7c15ULL);
}

Plan plan_counts(uint64_t seed, const Profile& p, const MaterialSet& set, bool reduced, Kind kind,
                 const std::string& tag) {
  const int k = static_cast<int>(kind);
  const Weights& w = (reduced ? p.reduced : p.full).per_kind[static_cast<size_t>(k)];
  Random r(stream_seed(seed, "plan:" + tag));
  const int chapters = set.total_chapters();
  Plan plan(static_cast<size_t>(chapters));
  for (int c = 1; c <= chapters; ++c) {
    auto& verses = plan[static_cast<size_t>(c - 1)];
    verses.assign(static_cast<size_t>(set.verses_of(c)), 0);
    const ChapterPlace at = set.place_of(c);
    bool has = (p.chapters.empty() || contains(p.chapters, c)) &&
               (!reduced || set.books[static_cast<size_t>(at.book - 1)].in_reduced(at.chapter)) &&
               !contains(p.absent[static_cast<size_t>(k)], c);
    if (!has) continue;
    for (auto& n : verses) n = draw(r, w);
    if (kind == Kind::Regular) {
      for (auto& run : p.empty_runs)
        if (run.chapter == c)
          for (int v = run.first; v <= std::min(run.last, static_cast<int>(verses.size())); ++v)
            verses[static_cast<size_t>(v - 1)] = 0;
      if (c == p.capped_chapter) hold_to(r, verses, p.cap);
    } else {
      hold_to(r, verses, kSpecialtyPerChapter);
    }
  }
  // The readers expect at least one line in every question file.
  bool any = false;
  for (auto& verses : plan)
    for (int n : verses) any = any || n > 0;
  if (!any) {
    int c = p.chapters.empty() || p.chapters.front() > chapters ? 1 : p.chapters.front();
    plan[static_cast<size_t>(c - 1)][0] = 1;
  }
  return plan;
}

}  // namespace halvorin::material
