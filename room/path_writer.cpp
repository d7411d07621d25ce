#include "room/path_text.h"

#include "room/plain_number.h"

namespace lorvane::room {
namespace {

std::string SizeText(const Section& section) {
    if (section.round) {
        return "d" + PlainNumber(section.width);
    }
    return PlainNumber(section.width) + "x" + PlainNumber(section.height);
}

struct ElementWriter {
    std::string operator()(const DuctRun& duct) const {
        std::string text = "duct " + SizeText(duct.section) + " " + PlainNumber(duct.length);
        if (duct.lining) {
            text += " lined " + PlainNumber(*duct.lining);
        }
        return text;
    }
    std::string operator()(const Elbow& elbow) const {
        std::string text = "elbow " + SizeText(elbow.section);
        text += elbow.bend == Bend::Square ? " square" : " round";
        if (elbow.vanes) {
            text += " vanes";
        }
        if (elbow.lined) {
            text += " lined";
        }
        return text;
    }
    std::string operator()(const Branch& branch) const {
        return "branch " + PlainNumber(branch.share);
    }
    std::string operator()(const Outlet& outlet) const {
        return "outlet " + SizeText(outlet.section) +
               (outlet.mount == OutletMount::Flush ? " flush" : " free");
    }
};

}  // namespace

std::string WritePathElement(const PathElement& element) {
    return std::visit(ElementWriter{}, element);
}

std::string WritePath(const Path& path) {
    std::string text;
    for (const PathElement& element : path) {
        if (!text.empty()) {
            text += "; ";
        }
        text += WritePathElement(element);
    }
    return text;
}

}  // namespace lorvane::room
