#include "room/path.h"

#include "room/branch.h"
#include "room/lined_duct.h"
#include "room/unlined_duct.h"

namespace lorvane::room {
namespace {

ElementAttenuation AttenuationOfDuct(const DuctRun& duct) {
    const Section& s = duct.section;
    if (duct.lining) {
        return s.round
                   ? LinedRoundDuctAttenuation(s.width, duct.length, *duct.lining)
                   : LinedRectangularDuctAttenuation(s.width, s.height, duct.length, *duct.lining);
    }
    return {s.round ? UnlinedRoundDuctAttenuation(s.width, duct.length)
                    : UnlinedRectangularDuctAttenuation(s.width, s.height, duct.length),
            {}};
}

}  // namespace

ElementAttenuation AttenuationOf(const PathElement& element) {
    struct Visitor {
        ElementAttenuation operator()(const DuctRun& duct) const { return AttenuationOfDuct(duct); }
        ElementAttenuation operator()(const Elbow& elbow) const {
            return {ElbowAttenuation(elbow.section.width, elbow.bend, elbow.vanes, elbow.lined),
                    {}};
        }
        ElementAttenuation operator()(const Branch& branch) const {
            return {BranchAttenuation(branch.share), {}};
        }
        ElementAttenuation operator()(const Outlet& outlet) const {
            return {EndReflectionLoss(OutletDiameter(outlet.section), outlet.mount), {}};
        }
    };
    return std::visit(Visitor{}, element);
}

}  // namespace lorvane::room
