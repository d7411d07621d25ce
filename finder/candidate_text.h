#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "finder/finder.h"

namespace lorvane::finder {

// A level in whole dB(A), halves away from zero; empty for one the model cannot give.
std::string LevelText(const std::optional<double>& level);

// The size as a planner writes it: "250" for a diameter, "400 x 200" for width by height.
std::string SizeText(const Size& size);

// The attenuator in words: "75mm 0.75m", or a short word when there is none: "none reaches",
// "no values", "none offered"; empty when none is needed.
std::string AttenuatorText(const Candidate& candidate);

// The attenuator column's cell: the attenuator with the level behind it ("75mm 0.75m, 49
// dB(A)", followed by ", estimated" where its insertion loss is an estimate), the short word
// when there is none, "-" when none is needed.
std::string AttenuatorCell(const Candidate& candidate);

// The sentence that explains an attenuator need that leaves the target unmet; empty otherwise.
std::string_view AttenuatorNote(AttenuatorNeed need);

// The sentences that go with a candidate: why no attenuator helps, or that the one chosen has
// estimated insertion loss.
std::vector<std::string> CandidateNotes(const Candidate& candidate);

// What the words of a table's attenuator column mean, one line for each that the candidates
// use: 'Attenuator "none offered": The range's attenuators are for circular ducts only.'
std::vector<std::string> TableNotes(const std::vector<Candidate>& candidates);

// "800 m3/h at 150 Pa".
std::string DutyPointText(const DutyPoint& dutyPoint);

// The sentence for a search that lists nothing.
std::string NothingFits(const DutyPoint& dutyPoint);

}  // namespace lorvane::finder
