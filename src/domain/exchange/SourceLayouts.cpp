#include "SourceLayouts.h"

#include "domain/db/Schema.h"

namespace {

void add(SourceTableSpec& spec, std::initializer_list<const char*> names, ValueKind kind) {
    for (const char* name : names)
        spec.columns.append({QLatin1String(name), kind});
}

using Names = std::initializer_list<const char*>;

SourceTableSpec book(const char* name, Names keys, Names codes, Names texts) {
    SourceTableSpec spec{QLatin1String(name), {}, {}};
    for (const char* key : keys)
        spec.keys << QLatin1String(key);
    add(spec, codes, ValueKind::Code);
    add(spec, texts, ValueKind::Text);
    return spec;
}

SourceTableSpec withSending(SourceTableSpec spec, bool hasDateSend) {
    add(spec, {"send"}, ValueKind::Flag);
    if (hasDateSend)
        add(spec, {"datesend"}, ValueKind::Text);
    return spec;
}

SourceTableSpec makeReportTable(int t) {
    SourceTableSpec spec{Schema::dataTable(t), Schema::titleColumns(), {}};
    for (const QString& column : Schema::dataColumns(t))
        spec.columns.append({column, ValueKind::Number});
    for (const QString& column : Schema::titleColumns())
        spec.columns.append({column, ValueKind::Code});
    return withSending(spec, Schema::hasDateSend(t));
}

} // namespace

namespace SourceLayouts {

const QList<SourceTableSpec>& referenceBooks() {
    static const QList<SourceTableSpec> books{
        book("spobl", {"kod"}, {"kod"}, {"kodb", "im"}),
        book("sppor", {"kod"}, {"gr", "kod"}, {"im", "kodb", "udl1", "gru", "stj", "grj"}),
        book("sklin", {"kod"}, {"gr", "kod"}, {"im", "gkp"}),
        book("kodup", {"kodup"}, {"kodup"}, {"kodu"}),
        book("kodst", {"kodr"}, {"kodr"}, {"im"}),
        book("kodkx", {"kkx"}, {"kkx"}, {"imy"}),
        book("kodkb", {"kodr"}, {"kodr"}, {"im"}),
    };
    return books;
}

const SourceTableSpec& districts() {
    static const SourceTableSpec spec = withSending(book("kodra", {"kodr", "kodraj"}, {"kodr", "kodraj"}, {"im"}), true);
    return spec;
}

const SourceTableSpec& farms() {
    static const SourceTableSpec spec =
        withSending(book("kodxoz", {"kodr", "kodraj", "kodx"}, {"kodr", "kodraj", "kodx"}, {"im"}), true);
    return spec;
}

const SourceTableSpec& settings() {
    static const SourceTableSpec spec = book("k1obl", {}, {"cobl"}, {"god"});
    return spec;
}

const SourceTableSpec& reportTable(int t) {
    static const QList<SourceTableSpec> tables = [] {
        QList<SourceTableSpec> all;
        for (int i = 1; i <= Schema::kReportTableCount; ++i)
            all << makeReportTable(i);
        return all;
    }();
    return tables.at(t - 1);
}

} // namespace SourceLayouts
