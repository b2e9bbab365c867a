#include "RegionalTotals.h"

#include "TableTotals.h"
#include "TotalsLog.h"
#include "domain/db/SqlEngine.h"

#include <QRegularExpression>
#include <algorithm>
#include <iterator>
#include <stdexcept>

namespace {

using TableComputation = int (*)(SqlEngine&, const TotalsScope&, TotalsLog&);
constexpr TableComputation kTableComputations[] = {CreateTable1Itog, CreateTable2Itog, CreateTable3Itog,
                                                   CreateTable4Itog, CreateTable5Itog, CreateTable6Itog,
                                                   CreateTable7Itog, CreateTable8Itog, CreateTable9Itog};
static_assert(std::size(kTableComputations) == Schema::kReportTableCount);

[[noreturn]] void refuse(const QString& message) { throw std::invalid_argument(message.toStdString()); }

qint64 regionCodeOf(SqlEngine& db, const QString& regionName) {
    const SqlResult found = db.select(QStringLiteral("SELECT kod FROM spobl WHERE im=?"), {regionName});
    if (found.isEmpty())
        refuse(QStringLiteral("Регион «%1» не найден в справочнике регионов.").arg(regionName));
    return found.first().integer(QStringLiteral("kod"));
}

int checkedYear(const QString& year) {
    static const QRegularExpression fourDigits(QStringLiteral("^[0-9]{4}$"));
    if (!fourDigits.match(year).hasMatch())
        refuse(QStringLiteral("Год «%1» указан неверно: нужны четыре цифры.").arg(year));
    return year.toInt();
}

// Holds the lines of the table computations until all nine are committed.
class HeldLog : public TotalsLog {
public:
    void logLine(const QString& line) override { lines_ << line; }
    void passTo(TotalsLog& log) const {
        for (const QString& line : lines_)
            log.logLine(line);
    }

private:
    QStringList lines_;
};

} // namespace

bool TotalsCounters::anyAdded() const {
    return std::any_of(added.begin(), added.end(), [](int n) { return n > 0; });
}

TotalsScope checkedTotalsScope(SqlEngine& db, const QString& regionName, const QString& year) {
    const QString trimmedYear = year.trimmed();
    if (regionName.isEmpty() || trimmedYear.isEmpty())
        refuse(QStringLiteral("Нужно выбрать регион и год!"));
    return {regionCodeOf(db, regionName), checkedYear(trimmedYear)};
}

TotalsCounters computeRegionalTotals(SqlEngine& db, const QString& regionName, const QString& year, TotalsLog& log) {
    const TotalsScope scope = checkedTotalsScope(db, regionName, year);

    // One transaction: the nine tables are always of one computation, and a second computation
    // (another window or the command line) waits for this one instead of mixing with it.
    TotalsCounters counters;
    HeldLog held;
    db.transaction([&] {
        for (size_t i = 0; i < counters.added.size(); ++i)
            counters.added.at(i) = kTableComputations[i](db, scope, held);
    });
    held.passTo(log);
    if (!counters.anyAdded())
        log.logLine(QStringLiteral("Для %1 нет данных.").arg(regionName));
    return counters;
}
