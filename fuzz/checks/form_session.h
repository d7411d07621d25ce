#pragma once

#include <cstdint>
#include <span>

#include "fuzz/checks/findings.h"

namespace lorvane::fuzz {

// A run of the program made of a fuzzer's bytes: up to three forms opened one after another on
// one shared state, each with any texts in its inputs and any list picks, then "calculate".
//
// Layout of the bytes, each step in turn (a step needs at least its first byte, except the first):
//   product   a position in the catalogue; a product not built yet gives the next built one
//   per input option, in the form's order (flags have none):
//     0  keep the text the form opened with
//     1  type a text: a length byte and that many bytes
//     2  (lists only) pick an entry: a byte for its position
//   answers   a count byte (0 to 3) and one byte per answer, YES when odd; the box answers NO
//             to any further question
//   then      what follows the first "calculate", by bits: 1 a second "calculate", 2 the form
//             opened again and calculated, 4 lorvane-calc given the same texts, 8 ... asked for
//             JSON, 16 ... with every flag given
//
// What must hold, after every "calculate" (each one is checked):
//   - no field that the user did not type into shows "nan" or "inf", also not on opening;
//   - every number in the record is finite or absent, every band row has all its bands;
//   - a refusal names one of the form's options and has a message; the form shows exactly that
//     one message when the refusal is shown on the form, and none otherwise or without refusal;
//     lorvane-calc, given the same texts, exits 1 with that message as its one line on standard
//     error, or 0 with nothing there when nothing is refused;
//   - the shared state holds only finite values, list positions inside their lists, and the
//     constant bounds unchanged; every input value the press stored is a value it read from the
//     texts of the form's inputs;
//   - a refused value is not kept: where typing no number in place of the refused text gives the
//     same refusal, the shared state differs from that press's only in inputs that passed before
//     the refusal, never in the refused value or in anything calculated from it;
//   - a second "calculate" with the same texts gives the same record, the same fields and the
//     same shared state;
//   - the form opened again shows no "nan" or "inf" and its "calculate" passes the same checks.
Findings RunFormSession(std::span<const std::uint8_t> bytes);

}  // namespace lorvane::fuzz
