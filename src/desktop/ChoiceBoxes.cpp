#include "ChoiceBoxes.h"

#include <QComboBox>
#include <QDate>

QComboBox* makeChoiceBox(const char* objectName, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(objectName));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    return combo;
}

QStringList bonitationYears() {
    QStringList years;
    for (int y = 2006; y <= QDate::currentDate().year() + 5; ++y)
        years << QString::number(y);
    return years;
}
