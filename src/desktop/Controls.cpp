#include "Controls.h"

#include <QTableView>

QTableView* makeReadOnlyGrid(const char* name, QAbstractItemModel* model, QWidget* parent) {
    auto* grid = new QTableView(parent);
    grid->setObjectName(QLatin1String(name));
    grid->setModel(model);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    return grid;
}
