#pragma once

#include <QString>
#include <QStringList>

class QComboBox;
class QWidget;

// An editable choice box as the windows use it: text can be typed, nothing typed joins the list,
// and the closed box shows the chosen text from its start.
QComboBox* makeChoiceBox(const QString& name, QWidget* parent = nullptr);
// Replaces the items with none of them chosen; the open list is wide enough for the longest.
void fillChoices(QComboBox* box, const QStringList& items);
// Shows `text`: its item when the list holds it, else the text as typed; empty text chooses nothing.
void showChoice(QComboBox* box, const QString& text);
// The years a year list offers: from firstYear up to five years ahead of today.
QStringList yearList(int firstYear);
