#include "Controls.h"

#include <QComboBox>
#include <QDate>
#include <QTableView>

QComboBox* makeChoiceBox(const char* name, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    return combo;
}

void fillChoices(QComboBox* combo, const QStringList& items) {
    combo->clear();
    combo->addItems(items);
    combo->setCurrentIndex(-1);
}

QStringList yearChoices() {
    QStringList years;
    for (int y = 2000; y <= QDate::currentDate().year() + 5; ++y)
        years << QString::number(y);
    return years;
}

QTableView* makeReadOnlyGrid(const char* name, QAbstractItemModel* model, QWidget* parent) {
    auto* grid = new QTableView(parent);
    grid->setObjectName(QLatin1String(name));
    grid->setModel(model);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    return grid;
}
