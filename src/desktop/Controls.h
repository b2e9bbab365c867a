#pragma once

#include "ChoiceBox.h"

#include <QRect>

class QAbstractItemModel;
class QStandardItemModel;
class QComboBox;
class QPushButton;
class QTableView;
class QWidget;

// The controls several windows share.

// A read-only grid over the model that selects whole rows, one at a time.
QTableView* makeReadOnlyGrid(const char* name, QAbstractItemModel* model, QWidget* parent = nullptr);
// Replaces the model's rows by these texts, one list a row.
void setGridRows(QStandardItemModel* model, const QList<QStringList>& rows);

QPushButton* makeButton(const char* name, const QString& text);

// A choice box of a region-and-year row, wide enough for the longest region name.
QComboBox* makeRegionYearChoice(const char* name);
// The regions to choose from, headed by the choice of every region; none chosen.
void fillRegionsOrAll(QComboBox* box, const QStringList& regionNames);

// A control of a window laid out at fixed places, as the old forms were: named and put in place.
template <class Widget> Widget* placed(Widget* widget, const char* name, const QRect& geometry) {
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(geometry);
    return widget;
}
