#pragma once
// The tables of the data folder: file, columns with type and size, key and order.
// One table per SQLite file, named like the table file of the earlier releases.

#include <QString>
#include <QStringList>
#include <QVector>

enum class FieldType {
    Text,           // character column of at most `size` characters
    SmallInt,       // 16-bit signed
    Integer,        // 32-bit signed
    AutoInc,        // assigned on insert, never reused, read-only
    Logical,
    Money,          // 8-byte float on disk, Amount in memory
    Date,           // calendar date, stored as yyyy-MM-dd
    Memo,           // text of any length
    FormattedMemo,  // rich text of any length
};

struct TFieldDef {
    QString name;
    FieldType type = FieldType::Text;
    int size = 0;  // text: maximum characters; memo: bytes kept in the row (informative)
};

struct TTableDef {
    QString component;   // name of the table component, e.g. "Podatnik", "KwotyTbl"
    QString fileName;    // file in the data folder, e.g. "Podatnik.db"
    QString sqlName;     // table name inside the file and in SQL statements
    QVector<TFieldDef> fields;
    QStringList key;     // identifying columns (unique)
    QString orderBy;     // default order of the component (SQL ORDER BY clause, without rowid)
    QString indexName;   // name of the index that gives that order, when it is a secondary one
    bool calculatedLp = false;  // has the calculated row-number column "Lp"

    int fieldIndex(const QString& name) const;  // case-insensitive; -1 when absent
};

// Every table definition, keyed by component name. `aPodatnik` shares the file of `Podatnik`.
const QVector<TTableDef>& AllTableDefs();
const TTableDef* FindTableDef(const QString& component);
// Definition owning a table name used in SQL ("Podatnik", "OPP", "Kwoty" ...), case-insensitive.
const TTableDef* FindTableDefBySqlName(const QString& sqlName);

// Expands a compact column list such as "P7,P8,P10_1:L; P39-P42:$; Nazwa:T80"
// (types: + autoinc, I integer, S small, L logical, $ money, D date, Tn text, Mn memo, Fn rich memo;
// ranges "P39-P42" and "F21_8-F21_15" expand to every number between).
QVector<TFieldDef> ParseFieldList(const QString& spec);

// CREATE TABLE / CREATE INDEX statements for a definition.
QStringList CreateStatements(const TTableDef& def);
