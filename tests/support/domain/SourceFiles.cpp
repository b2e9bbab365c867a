#include "SourceFiles.h"

#include "domain/db/Schema.h"
#include "domain/db/SqlEngine.h"
#include "domain/exchange/SourceLayouts.h"

#include <QFile>
#include <gtest/gtest.h>
#include <stdexcept>

void writeSqliteSource(const QString& path, const QList<SourceTableRows>& tables) {
    QFile::remove(path);
    SqlEngine file(path);
    for (const SourceTableRows& t : tables) {
        file.execute(QStringLiteral("CREATE TABLE %1 (%2)").arg(t.name, t.columns.join(u',')));
        QStringList marks;
        marks.fill(QStringLiteral("?"), t.columns.size());
        for (const QVariantList& row : t.rows)
            file.execute(QStringLiteral("INSERT INTO %1 VALUES (%2)").arg(t.name, marks.join(u',')), row);
    }
}

void writeLayoutSource(const QString& path, const QMap<QString, QList<QVariantList>>& rows) {
    QList<SourceTableSpec> specs = SourceLayouts::referenceBooks();
    specs << SourceLayouts::districts() << SourceLayouts::farms() << SourceLayouts::settings();
    for (int t = 1; t <= Schema::kReportTableCount; ++t)
        specs << SourceLayouts::reportTable(t);
    QList<SourceTableRows> tables;
    for (const SourceTableSpec& shape : specs)
        tables << SourceTableRows{shape.name, shape.columnNames(), rows.value(shape.name)};
    writeSqliteSource(path, tables);
}

QList<SourceTableRows> incomingBooks() {
    return {
        {"spobl", {"kod", "kodb", "im"}, {{"90", "ЗЕМ", "Земля Франца-Иосифа"}}},
        {"sppor", {"gr", "kod", "im", "kodb", "udl1", "gru", "stj", "grj"},
         {{"2", "90", "Новая порода", "НП", "1", "2", "3", "4"}}},
        {"sklin", {"gr", "kod", "im", "gkp"}, {{"1", "900", "Буян 1", "НП-1"}}},
        {"kodup", {"kodup", "kodu"}, {{"90", "Шаролезская"}}},
        {"kodst", {"kodr", "im"}, {{"90", "Франция"}}},
        {"kodkx", {"kkx", "imy"}, {{"90", "Новая категория"}}},
        {"kodkb", {"kodr", "im"}, {{"90", "Проверяемый"}}},
    };
}

SourceTableRows& tableNamed(QList<SourceTableRows>& tables, const QString& name) {
    for (SourceTableRows& t : tables)
        if (t.name == name)
            return t;
    throw std::invalid_argument("no table " + name.toStdString());
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

QString writeFileBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
    return path;
}
