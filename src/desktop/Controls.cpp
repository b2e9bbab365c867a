#include "Controls.h"

#include "domain/tables/TitleResolver.h"

#include <QComboBox>
#include <QPushButton>
#include <QStandardItemModel>
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

void setGridRows(QStandardItemModel* model, const QList<QStringList>& rows) {
    model->removeRows(0, model->rowCount());
    for (const QStringList& texts : rows) {
        QList<QStandardItem*> items;
        for (const QString& text : texts)
            items << new QStandardItem(text);
        model->appendRow(items);
    }
}

QPushButton* makeButton(const char* name, const QString& text) {
    auto* button = new QPushButton(text);
    button->setObjectName(QLatin1String(name));
    return button;
}

QComboBox* makeRegionYearChoice(const char* name) {
    QComboBox* box = makeChoiceBox(QLatin1String(name));
    box->setMinimumWidth(220);
    return box;
}

void fillRegionsOrAll(QComboBox* box, const QStringList& regionNames) {
    fillChoices(box, QStringList{kAllRegionsName} + regionNames);
}
