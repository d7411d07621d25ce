#pragma once

#include <string>
#include <vector>

namespace lorvane::forms {

// Controls are known by the numbers of the forms (1001, 1083, ...); static texts have none.
using ControlId = int;
inline constexpr ControlId kNoId = -1;

enum class ControlKind {
    Title,     // the heading line, drawn in TitleFont and TitleColour
    Label,     // static text
    Input,     // editable, left-aligned edit field
    Result,    // read-only, right-aligned edit field with a border
    Hidden,    // an edit field that is never shown; it only carries its text
    ComboBox,  // drop-down list whose text may also be typed
    List,      // drop-down list, selection only
    Button,    // push button
    Note,      // a line of text the form's logic writes, as wide as the form
};

// A place in the form's grid: rows top to bottom, columns left to right.
struct Cell {
    int row = 0;
    int column = 0;
    int columnSpan = 1;
};

struct Control {
    ControlId id = kNoId;
    ControlKind kind = ControlKind::Label;
    std::string text;  // the label of a static or a button; empty for fields
    Cell cell;
    std::vector<std::string> items;  // entries of a drop-down list, in order
    std::string toolTip;             // what the control means, where its label cannot say it
    bool wraps = false;              // a column head that may break into lines
    int width = 0;                   // characters a field must hold; 0: its kind's default
};

// A whole form as data: one renderer turns any description into a dialog. The controls are
// listed in the order the Tab key visits them.
struct FormDescription {
    std::string caption;
    std::string errorCaption = "Error";
    ControlId titleLabel = kNoId;
    ControlId defaultButton = kNoId;
    bool showsSpectrum = false;  // the form has rows of octave bands, to be drawn as a chart
    std::vector<Control> controls;

    const Control* Find(ControlId id) const;
    Control& Add(Control control);
};

}  // namespace lorvane::forms
