#include "SendData.h"

#include "domain/db/Database.h"
#include "domain/db/FileStamp.h"
#include "domain/db/ProgramFolder.h"
#include "domain/db/Schema.h"
#include "domain/db/SqlError.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <filesystem>
#include <stdexcept>

namespace {

const QString kOutAlias = QStringLiteral("outfile");

struct SentTable {
    QString name;
    bool byYear;      // report tables travel for the settings year only
    bool hasDateSend;
};

QList<SentTable> sentTables() {
    QList<SentTable> tables{{QStringLiteral("kodra"), false, true}, {QStringLiteral("kodxoz"), false, true}};
    for (int t = 1; t <= Schema::kReportTableCount; ++t)
        tables.append({Schema::dataTable(t), true, Schema::hasDateSend(t)});
    return tables;
}

struct SendSettings {
    QString regionCode;
    QString year;
};

[[noreturn]] void refuse(const QString& text) { throw std::runtime_error(text.toStdString()); }

SendSettings readSettings(SqlEngine& db) {
    const SqlResult result = db.select(QStringLiteral("SELECT cobl, god FROM k1obl"));
    if (result.isEmpty())
        refuse(QStringLiteral("Программа не настроена: выберите пункт меню НАСТРОЙКА и укажите регион и год. "
                              "Данные не отправлены."));
    const SendSettings settings{result.first().text(QStringLiteral("cobl")).trimmed(),
                                result.first().text(QStringLiteral("god")).trimmed()};
    static const QRegularExpression fourDigits(QStringLiteral("^[0-9]{4}$"));
    if (!fourDigits.match(settings.year).hasMatch())
        refuse(QStringLiteral("В настройке программы год «%1» не из четырёх цифр. Данные не отправлены.")
                   .arg(settings.year));
    return settings;
}

QString copiedLine(const SentTable& table, int count, const QString& year) {
    if (count < 1)
        return QStringLiteral("В таблицу %1 ничего не добавлено.").arg(table.name);
    const QString line = QStringLiteral("В таблицу %1 добавлено %2 записей.").arg(table.name).arg(count);
    return table.byYear ? line + year + QStringLiteral("г.") : line;
}

// Fills the attached out file; returns the lines and whether any row was copied.
QStringList copyTables(SqlEngine& db, const QString& file, const QString& year, bool& anything) {
    QStringList lines;
    const Attachment out(db, file, kOutAlias);
    db.transaction([&] {
        for (const SentTable& table : sentTables()) {
            const int count = table.byYear ? db.copyTableInto(kOutAlias, table.name, QStringLiteral("godm=?"),
                                                              {year.toInt()})
                                           : db.copyTableInto(kOutAlias, table.name);
            anything = anything || count > 0;
            lines << copiedLine(table, count, year);
        }
    });
    return lines;
}

// Marks exactly what copyTables copied that was not sent yet.
void markSent(SqlEngine& db, const QString& year, const QString& date) {
    for (const SentTable& table : sentTables()) {
        QVariantList params{true};
        QString sql = QStringLiteral("UPDATE %1 SET send=?").arg(table.name);
        if (table.hasDateSend) {
            sql += QStringLiteral(", datesend=?");
            params << date;
        }
        sql += QStringLiteral(" WHERE coalesce(send,0)=0");
        if (table.byYear) {
            sql += QStringLiteral(" AND godm=?");
            params << year.toInt();
        }
        db.execute(sql, params);
    }
}

// The blank template's bytes in a fresh temporary file beside the target.
void copyBlank(const QString& blank, QTemporaryFile& part, const QString& target) {
    QFile source(blank);
    if (!source.open(QIODevice::ReadOnly))
        refuse(QStringLiteral("Не удалось прочитать бланк %1 (%2).").arg(QDir::toNativeSeparators(blank),
                                                                          source.errorString()));
    if (!part.open() || part.write(source.readAll()) != source.size() || !part.flush())
        refuse(QStringLiteral("Не удалось создать файл %1 (%2).").arg(QDir::toNativeSeparators(target),
                                                                       part.errorString()));
    part.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    part.close();
}

void placeFile(const QString& from, const QString& target) {
    std::error_code error;
    // Replaces a file of the same name (a second sending within the minute) in one step.
    std::filesystem::rename(std::filesystem::path(from.toStdU16String()),
                            std::filesystem::path(target.toStdU16String()), error);
    if (error)
        refuse(QStringLiteral("Не удалось записать файл %1 (%2).")
                   .arg(QDir::toNativeSeparators(target), QString::fromStdString(error.message())));
}

// The file is put in place last inside the marking transaction: a failed rename leaves nothing
// marked, and only a failed commit has to take the placed file away again.
void markAndPlace(SqlEngine& db, const QString& year, const QString& date, const QString& part, const QString& target) {
    bool placed = false;
    try {
        db.transaction([&] {
            markSent(db, year, date);
            placeFile(part, target);
            placed = true;
        });
    } catch (...) {
        if (placed)
            QFile::remove(target);
        throw;
    }
}

} // namespace

SendReport sendData(Database& data, const QDateTime& now) {
    SqlEngine& db = data.db();
    const SendSettings settings = readSettings(db);
    const QString out = ProgramPaths::out(data.programFolder());
    // The folder is made at start; one removed since is made again, a blocked one fails below.
    QDir().mkpath(out);
    const QString name = settings.regionCode + QStringLiteral("stavor") + minuteStamp(now) + QStringLiteral(".mdb");
    SendReport report;
    report.year = settings.year;
    report.file = QDir(out).filePath(name);

    QTemporaryFile part(QDir(out).filePath(QStringLiteral(".%1.XXXXXX").arg(name)));
    copyBlank(data.blankFile(), part, report.file);
    bool anything = false;
    try {
        report.lines = copyTables(db, part.fileName(), settings.year, anything);
        markAndPlace(db, settings.year, now.toString(QStringLiteral("ddMMyyyy")), part.fileName(), report.file);
    } catch (const SqlError& e) {
        refuse(QStringLiteral("Не удалось записать файл %1 (%2). Данные не отправлены.")
                   .arg(QDir::toNativeSeparators(report.file), e.text()));
    }
    report.lines << (anything ? QStringLiteral("Не забудьте отправить файл %1.").arg(QDir::toNativeSeparators(report.file))
                              : QStringLiteral("Все таблицы пустые. Нечего отправлять."));
    return report;
}
