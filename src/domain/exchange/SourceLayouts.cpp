#include "SourceLayouts.h"

#include "domain/db/Schema.h"

namespace {

void add(SourceTableSpec& shape, std::initializer_list<const char*> names, ValueKind kind) {
    for (const char* name : names)
        shape.columns.append({QLatin1String(name), kind});
}

using Names = std::initializer_list<const char*>;

SourceTableSpec book(const char* name, Names keys, Names codes, Names texts) {
    SourceTableSpec shape{QLatin1String(name), {}, {}};
    for (const char* key : keys)
        shape.keys << QLatin1String(key);
    add(shape, codes, ValueKind::Code);
    add(shape, texts, ValueKind::Text);
    return shape;
}

SourceTableSpec withSending(SourceTableSpec shape, bool hasDateSend) {
    add(shape, {"send"}, ValueKind::Flag);
    if (hasDateSend)
        add(shape, {"datesend"}, ValueKind::Text);
    return shape;
}

SourceTableSpec makeReportTable(int t) {
    SourceTableSpec shape{Schema::dataTable(t), Schema::titleColumns(), {}};
    for (const QString& column : Schema::dataColumns(t))
        shape.columns.append({column, ValueKind::Number});
    for (const QString& column : Schema::titleColumns())
        shape.columns.append({column, ValueKind::Code});
    return withSending(shape, Schema::hasDateSend(t));
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
    static const SourceTableSpec shape = withSending(book("kodra", {"kodr", "kodraj"}, {"kodr", "kodraj"}, {"im"}), true);
    return shape;
}

const SourceTableSpec& farms() {
    static const SourceTableSpec shape =
        withSending(book("kodxoz", {"kodr", "kodraj", "kodx"}, {"kodr", "kodraj", "kodx"}, {"im"}), true);
    return shape;
}

const SourceTableSpec& settings() {
    static const SourceTableSpec shape = book("k1obl", {}, {"cobl"}, {"god"});
    return shape;
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
