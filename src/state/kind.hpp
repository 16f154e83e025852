#pragma once
// The five kinds of question and the tables kept once per kind.
#include <array>
#include <optional>

namespace halvorin {

// The kinds in the order of their files and count records: regular, FTV, CV Ref, CO Ref, SIT.
enum class Kind { Regular, Ftv, CvRef, CoRef, Sit };

constexpr int KINDS = 5;
constexpr std::array<Kind, KINDS> kAllKinds{Kind::Regular, Kind::Ftv, Kind::CvRef, Kind::CoRef,
                                            Kind::Sit};
constexpr std::array<Kind, KINDS - 1> kSpecialtyKinds{Kind::Ftv, Kind::CvRef, Kind::CoRef,
                                                      Kind::Sit};

// The pattern letter of a kind: "n" for regular, F, R, O or S for the specialties.
constexpr char kind_letter(Kind k) {
  constexpr char letters[KINDS] = {'n', 'F', 'R', 'O', 'S'};
  return letters[static_cast<int>(k)];
}

// The kind's name in messages and reports.
constexpr const char* kind_name(Kind k) {
  constexpr const char* names[KINDS] = {"regular", "FTV", "CV Ref", "CO Ref", "SIT"};
  return names[static_cast<int>(k)];
}

// The specialty kind of pattern letter F, R, O or S; nothing for any other letter.
constexpr std::optional<Kind> specialty_kind(char letter) {
  for (Kind k : kSpecialtyKinds)
    if (kind_letter(k) == letter) return k;
  return std::nullopt;
}

// One value per kind, indexed by the kind.
template <typename T>
struct PerKind {
  std::array<T, KINDS> v;
  T& operator[](Kind k) { return v[static_cast<size_t>(k)]; }
  const T& operator[](Kind k) const { return v[static_cast<size_t>(k)]; }
};

}  // namespace halvorin
