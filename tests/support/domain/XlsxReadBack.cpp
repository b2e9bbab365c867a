#include "XlsxReadBack.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <gtest/gtest.h>

QJsonObject readXlsx(const QString& path) {
    QProcess reader;
    reader.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(STAVOR_XLSX_READER), path});
    const bool finished = reader.waitForFinished(60000);
    const QByteArray output = reader.readAllStandardOutput();
    EXPECT_TRUE(finished && reader.exitCode() == 0) << reader.readAllStandardError().toStdString();
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(output, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    return document.object();
}

QJsonObject sheetOf(const QJsonObject& book, const QString& name) {
    for (const QJsonValue& sheet : book.value(QStringLiteral("sheets")).toArray())
        if (sheet.toObject().value(QStringLiteral("name")).toString() == name)
            return sheet.toObject();
    return {};
}

void fillXlsx(const QString& path, const QJsonObject& cellsBySheet) {
    QProcess writer;
    writer.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral(STAVOR_XLSX_FILLER), path,
                  QString::fromUtf8(QJsonDocument(cellsBySheet).toJson(QJsonDocument::Compact))});
    const bool finished = writer.waitForFinished(60000);
    EXPECT_TRUE(finished && writer.exitCode() == 0) << writer.readAllStandardError().toStdString();
}
