#pragma once
// Finds the control a caption-table row names, among the panel's and the bar's controls.

#include <QHash>
#include <QString>

class QWidget;
struct PanelControls;
struct BarControls;

using CaptionTargets = QHash<QString, QWidget*>;

// Every control the caption table may name, by its name.
CaptionTargets makeCaptionTargets(const PanelControls& panel, const BarControls& bar);

// Sets a control's caption: the text of a label or a button; other controls are left alone.
void setCaption(QWidget* control, const QString& text);
