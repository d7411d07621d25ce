#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/shared_state.h"
#include "products/louvres/louvre.h"

namespace lorvane::louvres {

// The entries of the form's two lists, in order.
inline constexpr std::array<std::string_view, kLouvreSiteCount> LouvreSiteNames{
    "A Duct mounted, supply air",
    "B Duct mounted, exhaust air",
    "C Wall mounted, exhaust air",
    "D Wall mounted, supply air",
};
inline constexpr std::array<std::string_view, kLouvreModelCount> LouvreModelNames{"Zarn1", "Zarn2"};

// The site or model at a position of its list; nothing outside the list.
std::optional<LouvreSite> SiteAt(int index);
std::optional<LouvreModel> ModelAt(int index);

// The site and model chosen last in this run. The form records a new choice at once and shows
// these whenever it opens; width, height and volume flow are not kept.
struct LouvreSelection {
    LouvreSite site = LouvreSite::A;
    LouvreModel model = LouvreModel::Zarn1;
};

// The three texts as the user typed them and the two list entries chosen.
struct LouvreEntry {
    std::string width;
    std::string height;
    std::string volumeFlow;
    LouvreSite site = LouvreSite::A;
    LouvreModel model = LouvreModel::Zarn1;
};

// What the form shows when it opens: always "300" x "345" mm and "373" m3/h (372.6 shown as a
// whole number), with the site and model chosen last.
LouvreEntry OpeningEntry(SharedState& state);

enum class LouvreInput { Width, Height, VolumeFlow };

// The result fields of the form, in groups:
//   Flow        area 1178, velocity 1179, zeta 1180, pressure loss 1182, water separation 1183
//   SoundPower  octave levels 1186 to 1193 and the summation level 1194
//   Nc          NC rating 1184
enum class LouvreFieldGroup { Flow, SoundPower, Nc };

// What one "Calculate" came to. The inputs are checked in order; the first refused one ends
// the press and empties every result field.
struct LouvreOutcome {
    std::optional<LouvreInput> refused;
    std::vector<LouvreFieldGroup> emptied;  // the groups to empty before the message
    std::optional<LouvreResult> result;     // once every input passed
};

// The caption of the louvre form's message box.
inline constexpr std::string_view kLouvreErrorCaption = "Fehler";

// Checks width (300 to 2000 mm), height (345 to 2000 mm) and the face velocity (1 to 6 m/s, of
// width and height as typed), then records the site and model and calculates with width and
// height cut to whole millimetres.
LouvreOutcome EvaluateLouvre(SharedState& state, const LouvreEntry& texts);

// The message a form shows for an outcome; empty when there is nothing to report.
std::string_view OutcomeMessage(const LouvreOutcome& outcome);

}  // namespace lorvane::louvres
