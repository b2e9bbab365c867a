#pragma once

#include <QStringList>

class QAbstractItemModel;
class QComboBox;
class QTableView;
class QWidget;

// The controls several windows share.

// A choice box that also takes typed text (a typed text is not added to its items).
QComboBox* makeChoiceBox(const char* name, QWidget* parent = nullptr);
// Replaces the items; none is chosen afterwards.
void fillChoices(QComboBox* combo, const QStringList& items);
// The years offered for a bonitation: 2000 to the current year + 5.
QStringList yearChoices();
// A read-only grid over the model that selects whole rows, one at a time.
QTableView* makeReadOnlyGrid(const char* name, QAbstractItemModel* model, QWidget* parent = nullptr);
