#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "finder/finder.h"

namespace lorvane::finder {

// The product's name as its menu shows it: "Selmon".
std::string_view ProductName(const Candidate& candidate);

// The size as a planner writes it: "250" for a diameter, "400 x 200" for width by height.
std::string SizeText(const Size& size);

// The attenuator in words: "75mm 0.75m", or a short word when there is none: "none reaches",
// "no values", "none offered"; empty when none is needed.
std::string AttenuatorText(const Candidate& candidate);

// The sentence that explains an attenuator need that leaves the target unmet; empty otherwise.
std::string_view AttenuatorNote(AttenuatorNeed need);

// The sentences that go with a candidate: why no attenuator helps, or that the one chosen has
// estimated insertion loss.
std::vector<std::string> CandidateNotes(const Candidate& candidate);

// What the words of a table's attenuator column mean, one line for each that the candidates
// use: 'Attenuator "none offered": The range's attenuators are for circular ducts only.'
std::vector<std::string> TableNotes(const std::vector<Candidate>& candidates);

// A column of a table of candidates: its heading, and whether it holds numbers (aligned right).
struct CandidateColumn {
    std::string_view heading;
    bool numbers;
};

inline constexpr int kCandidateColumnCount = 8;

// clang-format off
inline constexpr std::array<CandidateColumn, kCandidateColumnCount> CandidateColumns{{
    {"Product",               false},
    {"Size [mm]",             true},
    {"Velocity [m/s]",        true},
    {"Minimum pressure [Pa]", true},
    {"dB(A)",                 true},
    {"Casing dB(A)",          true},
    {"Attenuator",            false},
    {"Meets target",          false},
}};
// clang-format on

// The texts of a candidate's row: velocity with one decimal, pressure and levels whole (halves
// away from zero), the attenuator with the level behind it ("75mm 0.75m, 49 dB(A)", followed by
// ", estimated" where its insertion loss is an estimate), "-" where none is needed, an empty
// cell for a level the model cannot give.
std::array<std::string, kCandidateColumnCount> CandidateCells(const Candidate& candidate);

// "800 m3/h at 150 Pa".
std::string DutyPointText(const DutyPoint& dutyPoint);

// The sentence for a search that lists nothing.
std::string NothingFits(const DutyPoint& dutyPoint);

}  // namespace lorvane::finder
