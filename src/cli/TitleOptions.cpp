#include "TitleOptions.h"

#include "CommandArgs.h"
#include "domain/db/Schema.h"
#include "domain/tables/TitleResolver.h"

namespace {

struct TitleOption {
    const char* name;
    const char* valueName;
    const char* help;
};
const TitleOption kTitleOptions[] = {
    {"region", "НАЗВАНИЕ", "регион, как в справочнике регионов"},
    {"district", "НАЗВАНИЕ", "район региона"},
    {"farm", "НАЗВАНИЕ", "хозяйство района"},
    {"category", "НАЗВАНИЕ", "категория хозяйства"},
    {"breed", "НАЗВАНИЕ", "порода"},
    {"year", "ГГГГ", "год бонитировки"},
};

} // namespace

QList<CommandOption> titleOptions(const QString& prefix, const QString& helpSuffix) {
    QList<CommandOption> options;
    for (const TitleOption& o : kTitleOptions)
        options << CommandOption{prefix + QLatin1String(o.name), QString::fromUtf8(o.valueName),
                                 QString::fromUtf8(o.help) + helpSuffix};
    return options;
}

TitleChoice titleChoice(const CommandArgs& args, const QString& prefix, const TitleChoice* defaults) {
    QStringList values;
    const QStringList fallback = defaults ? QStringList{defaults->region, defaults->names.district,
                                                       defaults->names.farm, defaults->names.category,
                                                       defaults->names.breed, defaults->year}
                                          : QStringList{};
    int i = 0;
    for (const TitleOption& o : kTitleOptions) {
        const QString name = prefix + QLatin1String(o.name);
        values << (args.isSet(name) || !defaults ? args.required(name) : fallback[i]);
        ++i;
    }
    return {values[0], {values[1], values[2], values[3], values[4]}, values[5]};
}

CommandOption regionOrAllOption() {
    return {QStringLiteral("region"), QStringLiteral("НАЗВАНИЕ|all"),
            QStringLiteral("регион, как в справочнике регионов, или all — все регионы")};
}

QString regionOrAll(const QString& option) {
    return option.compare(QLatin1String("all"), Qt::CaseInsensitive) == 0 ? kAllRegionsName : option;
}

CommandOption tableOption(const QString& help) {
    return {QStringLiteral("table"), QStringLiteral("N"), help};
}

int tableNumber(const CommandArgs& args) {
    const QString text = args.required(QStringLiteral("table"));
    bool ok = false;
    const int table = text.toInt(&ok);
    if (!ok || table < 1 || table > Schema::kReportTableCount)
        throw UsageError(QStringLiteral("Номер таблицы должен быть от 1 до 9, а не «%1».").arg(text));
    return table;
}
