#pragma once

#include <string>
#include <variant>

#include "core/bands.h"
#include "room/room_size.h"

namespace lorvane::room {

// A room's reverberation time in s per octave band, given as one value for all of them or as
// one per band.
struct Reverberation {
    Octaves seconds{};
    bool perBand = false;

    static Reverberation Uniform(double seconds) {
        Reverberation t;
        t.seconds.fill(seconds);
        return t;
    }
    static Reverberation PerBand(const Octaves& seconds) { return {seconds, true}; }
};

// Per band, the sound pressure level at the listener less the sound power put into the room, in
// dB, for the diffuse field of a room (textbook, ISO 3743, ASHRAE): Sabine's absorption area
// A = 0.161 V / T, the mean absorption a = A / S, the room constant R = S a / (1 - a) and
// Lp - Lw = 10 lg(Q / (4 pi r^2) + 4 / R) at the distance r in m with the directivity Q.
// A reverberation time so short that the mean absorption would reach 1 is refused with a
// sentence; given per band, it names the first such band from 63 Hz up. The room's sides, the
// reverberation times, the distance and the directivity are above 0.
std::variant<Octaves, std::string> DiffuseFieldGain(const RoomSize& size,
                                                    const Reverberation& reverberation,
                                                    double distance, double directivity);

}  // namespace lorvane::room
