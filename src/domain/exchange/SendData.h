#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

class Database;

// What one sending did: the information window's lines and the file written.
struct SendReport {
    QStringList lines;
    QString file;
    QString year; // the settings year, which becomes the run's current year
};

// "Отправить данные": writes out/<region>stavor<ddMMyyhhmm>.mdb from the blank template with
// districts, farms and the settings year's nine report tables, and marks the copied rows as sent.
// All or nothing: on failure no file is left and nothing is marked (the error says what failed).
SendReport sendData(Database& data, const QDateTime& now);
