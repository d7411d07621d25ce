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
    bool isLabel = false;
    bool trailingLabel = false;  // a label with nothing to its right: it may run past its column
};

// The columns a text takes: its characters, not its bytes ("m²" takes two).
std::size_t DisplayWidth(std::string_view text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

using Row = std::vector<PlacedText>;  // sorted by column
using Rows = std::map<int, Row>;      // by grid row
using RowRange = std::pair<Rows::iterator, Rows::iterator>;

bool IsShown(const Control& control) {
    return control.kind != ControlKind::Button && control.kind != ControlKind::Hidden &&
           control.kind != ControlKind::Title;
}

Rows PlaceTexts(const FormDescription& form, const FormView& view,
                const std::function<bool(ControlId)>& leaveOut = nullptr) {
    Rows rows;
    for (const Control& control : form.controls) {
        if (IsShown(control) && !(leaveOut && control.id != kNoId && leaveOut(control.id))) {
            // A note is a line of text like a label, but its text is the view's.
            const bool isLabel =
                control.kind == ControlKind::Label || control.kind == ControlKind::Note;
            const bool fixedText = control.kind == ControlKind::Label;
            rows[control.cell.row].push_back({control.cell,
                                              fixedText ? control.text : view.Text(control.id),
                                              control.kind == ControlKind::Result, isLabel});
        }
    }
    for (auto& [index, row] : rows) {
        std::sort(row.begin(), row.end(), [](const PlacedText& a, const PlacedText& b) {
            return a.cell.column < b.cell.column;
        });
        row.back().trailingLabel = row.back().isLabel;
    }
    return rows;
}

// A row whose cells span several columns (the inputs beside their results, for example) is
// aligned only with its neighbours of the same kind, so that it does not widen the columns of
// a table of bands. A row of one label goes with the row above it.
bool HasSpans(const Row& row, bool rowAboveHasSpans) {
    if (row.size() == 1 && row.front().isLabel) {
        return rowAboveHasSpans;
    }
    return std::any_of(row.begin(), row.end(),
                       [](const PlacedText& cell) { return cell.cell.columnSpan > 1; });
}

// The width of the columns a cell spans, with the blanks between them.
std::size_t SpanWidth(const std::vector<std::size_t>& widths, const Cell& cell) {
    std::size_t width = cell.columnSpan - 1;
    for (int c = cell.column; c < cell.column + cell.columnSpan; ++c) {
        width += widths[c];
    }
    return width;
}

std::size_t ColumnStart(const std::vector<std::size_t>& widths, int column) {
    std::size_t start = 0;
    for (int c = 0; c < column; ++c) {
        start += widths[c] + 1;
    }
    return start;
}

template <typename Visit>
void ForEachCell(RowRange block, Visit visit) {
    for (auto it = block.first; it != block.second; ++it) {
        for (PlacedText& cell : it->second) {
            visit(cell);
        }
    }
}

// The widths of the columns of a block of rows: every cell fits, except a trailing label. A
// spanning cell that needs more room widens the last column it spans. A label in a column of
// results is aligned right, as the numbers below or beside it are, unless it is a trailing
// label too wide for its column.
std::vector<std::size_t> LayOutColumns(RowRange block) {
    std::size_t columns = 0;
    ForEachCell(block, [&](const PlacedText& cell) {
        columns = std::max<std::size_t>(columns, cell.cell.column + cell.cell.columnSpan);
    });
    std::vector<std::size_t> widths(columns, 0);
    std::vector<bool> holdsResults(columns, false);
    ForEachCell(block, [&](const PlacedText& cell) {
        if (cell.cell.columnSpan == 1 && !cell.trailingLabel) {
            widths[cell.cell.column] = std::max(widths[cell.cell.column], DisplayWidth(cell.text));
            holdsResults[cell.cell.column] = holdsResults[cell.cell.column] || cell.alignRight;
        }
    });
    ForEachCell(block, [&](const PlacedText& cell) {
        const std::size_t width = SpanWidth(widths, cell.cell);
        if (cell.cell.columnSpan > 1 && !cell.trailingLabel && DisplayWidth(cell.text) > width) {
            widths[cell.cell.column + cell.cell.columnSpan - 1] += DisplayWidth(cell.text) - width;
        }
    });
    ForEachCell(block, [&](PlacedText& cell) {
        if (cell.trailingLabel && DisplayWidth(cell.text) <= SpanWidth(widths, cell.cell)) {
            cell.trailingLabel = false;  // it fits: align it as the column's other cells
        }
        if (cell.isLabel && cell.cell.columnSpan == 1 && !cell.trailingLabel) {
            cell.alignRight = holdsResults[cell.cell.column];
        }
    });
    return widths;
}

std::string RenderRow(const Row& row, const std::vector<std::size_t>& widths) {
    std::string line;
    for (const PlacedText& cell : row) {
        const std::size_t start = ColumnStart(widths, cell.cell.column);
        line.append(start - std::min(start, DisplayWidth(line)), ' ');
        const std::size_t width = SpanWidth(widths, cell.cell);
        const std::size_t padding =
            cell.trailingLabel ? 0 : width - std::min(width, DisplayWidth(cell.text));
        line += cell.alignRight ? std::string(padding, ' ') + cell.text
                                : cell.text + std::string(padding, ' ');
    }
    line.erase(line.find_last_not_of(' ') + 1);
    return line;
}

bool HasText(const Row& row) {
    return std::any_of(row.begin(), row.end(),
                       [](const PlacedText& cell) { return !cell.text.empty(); });
}

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string()
                                      : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::vector<std::vector<GridText>> FormGrid(const FormDescription& form, const FormView& view,
                                            const std::function<bool(ControlId)>& leaveOut) {
    std::vector<std::vector<GridText>> grid;
    for (const auto& [index, row] : PlaceTexts(form, view, leaveOut)) {
        if (!HasText(row)) {
            continue;
        }
        std::vector<GridText>& texts = grid.emplace_back();
        for (const PlacedText& cell : row) {
            texts.push_back({cell.cell, Trimmed(cell.text), cell.alignRight});
        }
    }
    return grid;
}

std::string RenderFormTabSeparated(const FormDescription& form, const FormView& view,
                                   const std::function<bool(ControlId)>& leaveOut) {
    std::string text = form.caption + "\n";
    if (const Control* title = form.Find(form.titleLabel)) {
        text += title->text + "\n";
    }
    for (const std::vector<GridText>& row : FormGrid(form, view, leaveOut)) {
        std::string line;
        int column = 0;
        for (const GridText& cell : row) {
            for (; column < cell.cell.column; ++column) {
                line += '\t';
            }
            line += cell.text;
        }
        text += line + "\n";
    }
    return text;
}

std::string RenderFormText(const FormDescription& form, const FormView& view) {
    std::string text = form.caption + "\n";
    if (const Control* title = form.Find(form.titleLabel)) {
        text += title->text + "\n";
    }
    text += "\n";
    Rows rows = PlaceTexts(form, view);
    int previousRow = rows.empty() ? 0 : rows.begin()->first;
    for (auto blockStart = rows.begin(); blockStart != rows.end();) {
        const bool spans = HasSpans(blockStart->second, false);
        auto blockEnd = std::next(blockStart);
        while (blockEnd != rows.end() && HasSpans(blockEnd->second, spans) == spans) {
            ++blockEnd;
        }
        const std::vector<std::size_t> widths = LayOutColumns({blockStart, blockEnd});
        for (auto it = blockStart; it != blockEnd; ++it) {
            const auto& [index, row] = *it;
            if (!HasText(row)) {
                continue;
            }
            if (index > previousRow + 1) {
                text += "\n";  // a row of the grid with nothing in it
            }
            previousRow = index;
            text += RenderRow(row, widths) + "\n";
        }
        blockStart = blockEnd;
    }
    return text;
}

}  // namespace lorvane::forms
