#include "TitleResolver.h"

#include "domain/db/Database.h"

namespace {

// LIKE without wildcards: a case-insensitive equality, also for names holding '%' or '_'.
QString exactPattern(QString name) {
    return name.replace(u'\\', QStringLiteral("\\\\"))
        .replace(u'%', QStringLiteral("\\%"))
        .replace(u'_', QStringLiteral("\\_"));
}

QString firstCode(SqlEngine& db, const QString& sql, const QVariantList& params, const QString& column,
                  const QString& notFound) {
    const SqlResult result = db.select(sql, params);
    if (result.isEmpty())
        throw TitleError(notFound);
    return result.first().text(column);
}

} // namespace

TableTitle CreateUpperForTables(Database& data, const TitleNames& names) {
    const SqlResult settings = data.db().select(QStringLiteral("SELECT * FROM k1obl"));
    if (settings.isEmpty())
        throw TitleError(QStringLiteral("Не заданы область и год бонитировки. Задайте их в настройках программы."));
    return resolveTitle(data, settings.first().text(QStringLiteral("cobl")), settings.first().text(QStringLiteral("god")),
                        names);
}

TableTitle resolveTitle(Database& data, const QString& regionCode, const QString& year, const TitleNames& names) {
    SqlEngine& db = data.db();
    TableTitle title;
    title.oblm = regionCode;
    title.godm = year;
    const QString region = title.oblm.trimmed();
    title.rnm = firstCode(db, QStringLiteral("SELECT * FROM kodra where kodr=? and im like ? escape '\\'"),
                          {region, exactPattern(names.district)}, QStringLiteral("kodraj"),
                          QStringLiteral("Район «%1» не найден в области с кодом %2.").arg(names.district, region));
    title.khm = firstCode(db,
                          QStringLiteral("SELECT * FROM kodxoz where kodr=? and kodraj=? and im like ? escape '\\'"),
                          {region, title.rnm.trimmed(), exactPattern(names.farm)}, QStringLiteral("kodx"),
                          QStringLiteral("Хозяйство «%1» не найдено в районе «%2».").arg(names.farm, names.district));
    title.kkhm = firstCode(db, QStringLiteral("SELECT * FROM kodkx where imy like ? escape '\\'"),
                           {exactPattern(names.category)}, QStringLiteral("kkx"),
                           QStringLiteral("Категория хозяйства «%1» не найдена.").arg(names.category));
    title.porm = firstCode(db, QStringLiteral("SELECT * FROM sppor where im like ? escape '\\'"),
                           {exactPattern(names.breed)}, QStringLiteral("kod"),
                           QStringLiteral("Порода «%1» не найдена.").arg(names.breed));
    return title;
}

QString regionCodeOf(Database& data, const QString& regionName) {
    return firstCode(data.db(), QStringLiteral("SELECT kod FROM spobl where im like ? escape '\\'"),
                     {exactPattern(regionName.trimmed())}, QStringLiteral("kod"),
                     QStringLiteral("Регион «%1» не найден в справочнике регионов.").arg(regionName));
}
