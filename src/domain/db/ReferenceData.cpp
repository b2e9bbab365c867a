#include "ReferenceData.h"

#include "SqlEngine.h"
#include "SqlError.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

// The resources live in a static library, whose initialiser the linker would otherwise drop.
static void initResources() {
    static const bool done = [] {
        Q_INIT_RESOURCE(stavor);
        return true;
    }();
    Q_UNUSED(done);
}

namespace {

QJsonObject readJson(const QString& path) {
    initResources();
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw SqlError(QStringLiteral("Не удалось прочитать файл %1").arg(path));
    QJsonParseError err;
    const QJsonDocument doc = QJsonDocument::fromJson(f.readAll(), &err);
    if (!doc.isObject())
        throw SqlError(QStringLiteral("Файл %1 повреждён: %2").arg(path, err.errorString()));
    return doc.object();
}

void insertRows(SqlEngine& db, const QString& table, const QJsonObject& book) {
    const QJsonArray columns = book.value(u"columns").toArray();
    QStringList names;
    for (const auto& c : columns)
        names << c.toString();
    const QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                            .arg(table, names.join(u','), QStringList(names.size(), QStringLiteral("?")).join(u','));
    for (const auto& row : book.value(u"rows").toArray())
        db.execute(sql, row.toArray().toVariantList());
}

} // namespace

namespace ReferenceData {

void load(SqlEngine& db, const QString& resourcePath) {
    const QJsonObject root = readJson(resourcePath);
    db.transaction([&] {
        for (auto it = root.begin(); it != root.end(); ++it)
            if (it.value().isObject())
                insertRows(db, it.key(), it.value().toObject());
    });
}

void loadReferenceBooks(SqlEngine& db) { load(db, QString::fromLatin1(kReferenceBooks)); }

void loadDemoFarms(SqlEngine& db) {
    const QString path = QStringLiteral(":/data/demo_farms.json");
    const QJsonObject root = readJson(path);
    const int region = root.value(u"region").toInt();
    db.transaction([&] {
        if (db.select(QStringLiteral("SELECT 1 FROM kodra WHERE kodr=?"), {region}).isEmpty())
            load(db, path);
        if (db.select(QStringLiteral("SELECT 1 FROM k1obl")).isEmpty())
            db.execute(QStringLiteral("INSERT INTO k1obl(cobl,god) VALUES(?,?)"),
                       {region, root.value(u"year").toString()});
    });
}

} // namespace ReferenceData
