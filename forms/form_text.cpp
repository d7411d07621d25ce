#include "forms/form_text.h"

#include <algorithm>
#include <map>
#include <vector>

namespace lorvane::forms {
namespace {

struct PlacedText {
    Cell cell;
    std::string text;
    bool alignRight = false;
};

bool IsShown(const Control& control) {
    return control.kind != ControlKind::Button && control.kind != ControlKind::Hidden &&
           control.kind != ControlKind::Title;
}

std::string Padded(const std::string& text, std::size_t width, bool alignRight) {
    if (text.size() >= width) {
        return text;
    }
    const std::string padding(width - text.size(), ' ');
    return alignRight ? padding + text : text + padding;
}

}  // namespace

std::string RenderFormText(const FormDescription& form, const FormView& view) {
    std::map<int, std::vector<PlacedText>> rows;
    std::map<int, std::size_t> widths;
    for (const Control& control : form.controls) {
        if (!IsShown(control)) {
            continue;
        }
        const bool isField = control.id != kNoId;
        PlacedText placed{control.cell, isField ? view.Text(control.id) : control.text,
                          control.kind == ControlKind::Result};
        if (control.cell.columnSpan == 1) {
            std::size_t& width = widths[control.cell.column];
            width = std::max(width, placed.text.size());
        }
        rows[control.cell.row].push_back(std::move(placed));
    }

    std::string text = form.caption + "\n";
    if (const Control* title = form.Find(form.titleLabel)) {
        text += title->text + "\n";
    }
    text += "\n";
    for (auto& [row, cells] : rows) {
        std::sort(cells.begin(), cells.end(), [](const PlacedText& a, const PlacedText& b) {
            return a.cell.column < b.cell.column;
        });
        const bool anyText = std::any_of(cells.begin(), cells.end(),
                                         [](const PlacedText& cell) { return !cell.text.empty(); });
        if (!anyText) {
            continue;
        }
        std::string line;
        int column = 0;
        for (const PlacedText& cell : cells) {
            for (; column < cell.cell.column; ++column) {
                line += std::string(widths[column], ' ') + " ";
            }
            std::size_t width = 0;
            for (int c = cell.cell.column; c < cell.cell.column + cell.cell.columnSpan; ++c) {
                width += widths[c] + (c > cell.cell.column ? 1 : 0);
            }
            line += Padded(cell.text, width, cell.alignRight) + " ";
            column = cell.cell.column + cell.cell.columnSpan;
        }
        line.erase(line.find_last_not_of(' ') + 1);
        text += line + "\n";
    }
    return text;
}

}  // namespace lorvane::forms
