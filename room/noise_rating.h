#pragma once

#include "core/bands.h"

namespace lorvane::room {

// The noise rating (NR) of an octave spectrum of finite levels in dB: per band
// NR_i = (Lp_i - a_i) / b_i, the rating being the largest of them (ISO R 1996 curves, AS 1469).
double RateNr(const Octaves& levels);

// The levels of the NR curve of a rating, band by band: Lp_i = a_i + b_i NR.
Octaves NrCurve(double rating);

}  // namespace lorvane::room
