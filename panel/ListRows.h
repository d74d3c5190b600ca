#pragma once
// Selecting many rows of the catalogue list at once.

#include <QList>

class QListWidget;

// Adds the rows of `rows` (ascending) to the list's selection in one step: row by row, a list
// of 2000 would emit and merge 2000 selection changes.
void selectRows(QListWidget* list, const QList<int>& rows);
