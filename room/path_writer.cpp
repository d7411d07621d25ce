#include "room/path_text.h"

#include "room/plain_number.h"

namespace lorvane::room {
namespace {

void AppendSize(std::string& text, const Section& section) {
    if (section.round) {
        text += 'd';
        AppendPlainNumber(text, section.width);
        return;
    }
    AppendPlainNumber(text, section.width);
    text += 'x';
    AppendPlainNumber(text, section.height);
}

// Appends an element's canonical text.
struct ElementWriter {
    std::string& text;

    void operator()(const DuctRun& duct) const {
        text += "duct ";
        AppendSize(text, duct.section);
        text += ' ';
        AppendPlainNumber(text, duct.length);
        if (duct.lining) {
            text += " lined ";
            AppendPlainNumber(text, *duct.lining);
        }
    }
    void operator()(const Elbow& elbow) const {
        text += "elbow ";
        AppendSize(text, elbow.section);
        text += elbow.bend == Bend::Square ? " square" : " round";
        if (elbow.vanes) {
            text += " vanes";
        }
        if (elbow.lined) {
            text += " lined";
        }
    }
    void operator()(const Branch& branch) const {
        text += "branch ";
        AppendPlainNumber(text, branch.share);
    }
    void operator()(const Outlet& outlet) const {
        text += "outlet ";
        AppendSize(text, outlet.section);
        text += outlet.mount == OutletMount::Flush ? " flush" : " free";
    }
};

// Room for a usual element's text, "duct 1250x1000 12.5 lined 50", so a path seldom grows.
constexpr std::size_t kUsualElementText = 40;

}  // namespace

std::string WritePathElement(const PathElement& element) {
    std::string text;  // most fit the string's own room
    std::visit(ElementWriter{text}, element);
    return text;
}

std::string WritePath(const Path& path) {
    std::string text;
    text.reserve(path.size() * kUsualElementText);
    for (const PathElement& element : path) {
        if (!text.empty()) {
            text += "; ";
        }
        std::visit(ElementWriter{text}, element);
    }
    return text;
}

}  // namespace lorvane::room
