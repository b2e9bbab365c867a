#pragma once

#include "ChoiceBox.h"

class QAbstractItemModel;
class QTableView;
class QWidget;

// The controls several windows share.

// A read-only grid over the model that selects whole rows, one at a time.
QTableView* makeReadOnlyGrid(const char* name, QAbstractItemModel* model, QWidget* parent = nullptr);
