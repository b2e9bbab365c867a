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
