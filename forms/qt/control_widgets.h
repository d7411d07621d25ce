#pragma once

#include <QFont>
#include <QString>

#include "forms/form_description.h"

class QLabel;
class QWidget;

namespace lorvane::forms::qt {

// The widget that draws one control of a form description; the caller places it in the grid.
QWidget* CreateControlWidget(const Control& control, QWidget* parent);

// A control's text: a field's text, a drop-down list's selected or typed entry, a label's text.
QString WidgetText(const QWidget* widget);

// Replaces a control's text. A drop-down list selects its first entry that begins with the text;
// where no entry does, a list whose text may be typed shows the text and a selection-only list
// stays as it is. An empty text empties the field, for lists as well.
void SetWidgetText(QWidget* widget, const QString& text);

// Enters a text as a user would: a field or a list one may type into takes it as it is; a
// selection-only list picks the entry equal to it, or none when no entry is.
void EnterWidgetText(QWidget* widget, const QString& text);

// Sets a field's text grey, halfway between the text and the background colours of the
// application's palette, or back in the palette's own text colour. The grey is plain at a glance
// in every style and colour scheme, which the palette's colour for disabled text is not.
void ShowTextAsStale(QWidget* field, bool stale);

// The heading's font: TitleFont on the given font's family when the face is missing.
QFont TitleFontFrom(const QFont& base);

// Draws a label in TitleFont and TitleColour.
void ApplyTitleStyle(QLabel* label);

}  // namespace lorvane::forms::qt
