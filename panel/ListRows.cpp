#include "panel/ListRows.h"

#include <QItemSelection>
#include <QListWidget>

void selectRows(QListWidget* list, const QList<int>& rows) {
    QItemSelection selection;
    const QAbstractItemModel* model = list->model();
    for (int i = 0; i < rows.size();) {
        int last = i;
        while (last + 1 < rows.size() && rows[last + 1] <= rows[last] + 1)
            ++last;
        selection.select(model->index(rows[i], 0), model->index(rows[last], 0));
        i = last + 1;
    }
    list->selectionModel()->select(selection, QItemSelectionModel::Select);
}
