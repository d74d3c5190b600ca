#pragma once
// Sets a control's caption from the caption table.

class QString;
class QWidget;

// Sets a control's caption: the text of a label or a button; other controls are left alone.
void setCaption(QWidget* control, const QString& text);
