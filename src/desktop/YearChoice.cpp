#include "YearChoice.h"

#include <QDate>

QStringList bonitationYears() {
    QStringList years;
    for (int y = 2006; y <= QDate::currentDate().year() + 5; ++y)
        years << QString::number(y);
    return years;
}
