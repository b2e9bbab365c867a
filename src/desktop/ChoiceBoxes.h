#pragma once

#include <QStringList>

class QComboBox;
class QWidget;

// A choice box as the windows have them: a list to pick from, text can be typed as well, and
// typing never adds an item.
QComboBox* makeChoiceBox(const char* objectName, QWidget* parent = nullptr);

// The years a year list offers: from the first bonitations kept here up to five years ahead.
QStringList bonitationYears();
