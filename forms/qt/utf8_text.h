#pragma once

#include <QString>
#include <string_view>

namespace lorvane::forms::qt {

// A text of the toolkit-free layers, which hold UTF-8, for a widget.
inline QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace lorvane::forms::qt
