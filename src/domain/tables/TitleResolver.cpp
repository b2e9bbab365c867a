#include "TitleResolver.h"

#include "domain/db/Database.h"
#include "domain/db/UnicodeLike.h"

#include <QRegularExpression>

namespace {

QString firstCode(SqlEngine& db, const QString& sql, const QVariantList& params, const QString& column,
                  const QString& notFound) {
    const SqlResult result = db.select(sql, params);
    if (result.isEmpty())
        throw TitleError(notFound);
    return result.first().text(column);
}

// District, farm, category and breed of a title in the region whose code title.oblm holds.
void resolveWithinRegion(SqlEngine& db, TableTitle& title, const TitleNames& names) {
    const QString region = title.oblm.trimmed();
    title.rnm = firstCode(db, QStringLiteral("SELECT * FROM kodra where kodr=? and im like ? escape '\\'"),
                          {region, exactLikePattern(names.district)}, QStringLiteral("kodraj"),
                          QStringLiteral("Район «%1» не найден в области с кодом %2.").arg(names.district, region));
    title.khm = firstCode(db,
                          QStringLiteral("SELECT * FROM kodxoz where kodr=? and kodraj=? and im like ? escape '\\'"),
                          {region, title.rnm.trimmed(), exactLikePattern(names.farm)}, QStringLiteral("kodx"),
                          QStringLiteral("Хозяйство «%1» не найдено в районе «%2».").arg(names.farm, names.district));
    title.kkhm = firstCode(db, QStringLiteral("SELECT * FROM kodkx where imy like ? escape '\\'"),
                           {exactLikePattern(names.category)}, QStringLiteral("kkx"),
                           QStringLiteral("Категория хозяйства «%1» не найдена.").arg(names.category));
    title.porm = firstCode(db, QStringLiteral("SELECT * FROM sppor where im like ? escape '\\'"),
                           {exactLikePattern(names.breed)}, QStringLiteral("kod"),
                           QStringLiteral("Порода «%1» не найдена.").arg(names.breed));
}

} // namespace

TableTitle CreateUpperForTables(Database& data, const TitleNames& names) {
    SqlEngine& db = data.db();
    const SqlResult settings = db.select(QStringLiteral("SELECT * FROM k1obl"));
    if (settings.isEmpty())
        throw TitleError(QStringLiteral("Не заданы область и год бонитировки. Задайте их в настройках программы."));
    TableTitle title;
    title.oblm = settings.first().text(QStringLiteral("cobl"));
    title.godm = settings.first().text(QStringLiteral("god"));
    resolveWithinRegion(db, title, names);
    return title;
}

QString regionCode(SqlEngine& db, const QString& regionName) {
    return firstCode(db, QStringLiteral("SELECT kod FROM spobl where im like ? escape '\\'"),
                     {exactLikePattern(regionName)}, QStringLiteral("kod"),
                     QStringLiteral("Регион «%1» не найден.").arg(regionName));
}

QString regionCodeOrAll(SqlEngine& db, const QString& regionName) {
    return regionName == kAllRegionsName ? QString() : regionCode(db, regionName);
}

QString checkedYear(const QString& year) {
    static const QRegularExpression fourDigits(QStringLiteral("^\\d{4}$"));
    if (!fourDigits.match(year.trimmed()).hasMatch())
        throw TitleError(QStringLiteral("Год «%1» должен состоять из четырех цифр.").arg(year));
    return year.trimmed();
}

TableTitle resolveTitle(SqlEngine& db, const TitleChoice& choice) {
    TableTitle title;
    title.godm = checkedYear(choice.year);
    title.oblm = regionCode(db, choice.region);
    resolveWithinRegion(db, title, choice.names);
    return title;
}
