#include "UnicodeLike.h"

#include <sqlite3.h>

namespace {

bool matchFrom(const QString& p, qsizetype pi, const QString& t, qsizetype ti, QChar escape) {
    while (pi < p.size()) {
        const QChar c = p.at(pi);
        if (!escape.isNull() && c == escape && pi + 1 < p.size()) {
            if (ti >= t.size() || p.at(pi + 1) != t.at(ti))
                return false;
            pi += 2;
            ++ti;
        } else if (c == u'%') {
            while (pi < p.size() && p.at(pi) == u'%')
                ++pi;
            if (pi == p.size())
                return true;
            for (qsizetype k = ti; k <= t.size(); ++k)
                if (matchFrom(p, pi, t, k, escape))
                    return true;
            return false;
        } else {
            if (ti >= t.size() || (c != u'_' && c != t.at(ti)))
                return false;
            ++pi;
            ++ti;
        }
    }
    return ti == t.size();
}

QString argText(sqlite3_value* v) {
    const auto* s = reinterpret_cast<const char*>(sqlite3_value_text(v));
    return s ? QString::fromUtf8(s, sqlite3_value_bytes(v)) : QString();
}

void likeFunction(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    // SQLite passes LIKE's operands as (pattern, text[, escape]).
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    QChar escape;
    if (argc == 3) {
        const QString e = argText(argv[2]);
        if (e.size() != 1) {
            sqlite3_result_error(ctx, "ESCAPE expression must be a single character", -1);
            return;
        }
        escape = e.at(0).toCaseFolded();
    }
    sqlite3_result_int(ctx, unicodeLike(argText(argv[0]), argText(argv[1]), escape) ? 1 : 0);
}

} // namespace

bool unicodeLike(const QString& pattern, const QString& text, QChar escape) {
    return matchFrom(pattern.toCaseFolded(), 0, text.toCaseFolded(), 0, escape);
}

void installUnicodeLike(sqlite3* handle) {
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    sqlite3_create_function_v2(handle, "like", 2, flags, nullptr, likeFunction, nullptr, nullptr, nullptr);
    sqlite3_create_function_v2(handle, "like", 3, flags, nullptr, likeFunction, nullptr, nullptr, nullptr);
}

QString likeExactly(QString name) {
    return name.replace(u'\\', QStringLiteral("\\\\"))
        .replace(u'%', QStringLiteral("\\%"))
        .replace(u'_', QStringLiteral("\\_"));
}
