#include "PolishText.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QVariant>

#include <sqlite3.h>

namespace {

const QString& alphabet()
{
    static const QString a = QStringLiteral("AĄBCĆDEĘFGHIJKLŁMNŃOÓPQRSŚTUVWXYZŹŻ");
    return a;
}

// Sort weight of one character: space, digits and punctuation below 'A' first,
// then the letters of the Polish alphabet, then everything else.
int weight(QChar c)
{
    const QChar u = c.toUpper();
    const int i = alphabet().indexOf(u);
    if (i >= 0) return 0x10000 + i;
    if (u.unicode() < u'A') return u.unicode();
    return 0x20000 + u.unicode();
}

int collate(void*, int la, const void* a, int lb, const void* b)
{
    const QString sa = QString::fromUtf8(static_cast<const char*>(a), la);
    const QString sb = QString::fromUtf8(static_cast<const char*>(b), lb);
    return PolishCompare(sa, sb);
}

void plupper(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const char* txt = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    const QByteArray up = PolishUpper(QString::fromUtf8(txt, sqlite3_value_bytes(argv[0]))).toUtf8();
    sqlite3_result_text(ctx, up.constData(), int(up.size()), SQLITE_TRANSIENT);
}

}  // namespace

QString PolishUpper(QStringView s)
{
    return s.toString().toUpper();
}

bool SameTextPL(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0 || PolishUpper(a) == PolishUpper(b);
}

bool StartsWithTextPL(QStringView s, QStringView prefix)
{
    return PolishUpper(s).startsWith(PolishUpper(prefix));
}

int PolishCompare(QStringView a, QStringView b)
{
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const int wa = weight(a[i]), wb = weight(b[i]);
        if (wa != wb) return wa < wb ? -1 : 1;
    }
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    const int c = a.compare(b);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

void RegisterPolishSql(QSqlDatabase& db)
{
    const QVariant v = db.driver()->handle();
    if (!v.isValid() || qstrcmp(v.typeName(), "sqlite3*") != 0) return;
    sqlite3* h = *static_cast<sqlite3* const*>(v.data());
    if (!h) return;
    sqlite3_create_collation(h, "POLISH", SQLITE_UTF8, nullptr, collate);
    sqlite3_create_function(h, "PLUPPER", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, plupper, nullptr,
                            nullptr);
}
