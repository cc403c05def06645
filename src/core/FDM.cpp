#include "FDM.h"

#include "Config.h"
#include "Globals.h"
#include "Messages.h"
#include "PolishText.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

TDM* g_instance = nullptr;
int g_instanceCounter = 0;

QString quoted(const QString& name) { return u'"' + name + u'"'; }

bool isTextType(FieldType t)
{
    return t == FieldType::Text || t == FieldType::Memo || t == FieldType::FormattedMemo;
}

QString filePathIn(const QString& folder, const QString& fileName)
{
    return folder.isEmpty() ? fileName : QDir(folder).filePath(fileName);
}

QSqlQuery prepared(const QSqlDatabase& db, const QString& sql, const QVariantList& args)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.prepare(sql)) throw DbError(QStringLiteral("Błąd bazy danych: %1").arg(q.lastError().text()));
    for (const QVariant& a : args) q.addBindValue(a);
    return q;
}

void run(QSqlQuery& q)
{
    if (!q.exec()) throw DbError(QStringLiteral("Błąd bazy danych: %1").arg(q.lastError().text()));
}

}  // namespace

DbError::DbError(const QString& message) : std::runtime_error(message.toUtf8().toStdString()) {}

// ---------------------------------------------------------------------------------------------
// TTable

TTable::TTable(TDM* dm, const TTableDef& def, QObject* parent) : QObject(parent), dm_(dm), def_(def)
{
    order_ = def_.orderBy;
    QStringList cols;
    for (const TFieldDef& f : def_.fields) cols << quoted(f.name);
    selectRowSql_ = QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?").arg(cols.join(u','), quoted(def_.sqlName));
    absPath_ = QFileInfo(filePath()).absoluteFilePath();
}

TTable::~TTable() = default;

QString TTable::filePath() const { return filePathIn(folder_, def_.fileName); }

void TTable::setFolder(const QString& folder)
{
    if (isOpen()) close();
    folder_ = folder;
    absPath_ = QFileInfo(filePath()).absoluteFilePath();
}

void TTable::open()
{
    if (isOpen()) return;
    const QString path = filePath();
    if (!QFileInfo(path).isFile())
        throw DbError(QStringLiteral("Brak pliku %1").arg(QDir::toNativeSeparators(path)));
    QSqlDatabase db = dm_->connectionFor(def_, folder_);
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type='table' AND name=%1")
                    .arg(u'\'' + def_.sqlName + u'\'')) ||
        !q.next() || q.value(0).toInt() != 1)
        throw DbError(QStringLiteral("Plik %1 nie zawiera tabeli %2").arg(QDir::toNativeSeparators(path), def_.sqlName));
    db_ = db;
    state_ = State::Browse;
    idsValid_ = false;
    curId_ = 0;
    first();
    Q_EMIT dataChanged();
}

void TTable::close()
{
    if (!isOpen()) return;
    state_ = State::Inactive;
    db_ = QSqlDatabase();
    ids_.clear();
    pos_.clear();
    idsValid_ = false;
    curId_ = 0;
    row_.clear();
    buf_.clear();
    eof_ = bof_ = true;
    Q_EMIT dataChanged();
}

void TTable::ensureOpen()
{
    if (!isOpen()) open();
}

void TTable::requireOpen() const
{
    if (!isOpen()) throw DbError(QStringLiteral("Tabela %1 nie jest otwarta").arg(def_.component));
}

void TTable::setOrder(const QString& orderBy)
{
    order_ = orderBy.isEmpty() ? def_.orderBy : orderBy;
    idsValid_ = false;
}

void TTable::setFilter(const QString& condition, const QVariantList& args)
{
    filterSql_ = condition;
    filterArgs_ = args;
    idsValid_ = false;
}

void TTable::setFiltered(bool on)
{
    if (filtered_ == on) return;
    filtered_ = on;
    idsValid_ = false;
    if (isOpen()) {
        first();
        Q_EMIT dataChanged();
    }
}

QString TTable::selectIdsSql() const
{
    QString sql = QStringLiteral("SELECT rowid FROM %1").arg(quoted(def_.sqlName));
    if (filtered_ && !filterSql_.isEmpty()) sql += QStringLiteral(" WHERE (%1)").arg(filterSql_);
    sql += QStringLiteral(" ORDER BY ");
    if (!order_.isEmpty()) sql += order_ + QStringLiteral(", ");
    sql += QStringLiteral("rowid");
    return sql;
}

void TTable::syncWithFile() const
{
    const quint64 g = dm_->generation(absPath_);
    if (g != generation_) {
        generation_ = g;
        idsValid_ = false;
        row_.clear();
    }
}

void TTable::ensureIds() const
{
    requireOpen();
    syncWithFile();
    if (idsValid_) return;
    QSqlQuery q = prepared(db_, selectIdsSql(), filtered_ ? filterArgs_ : QVariantList());
    run(q);
    ids_.clear();
    pos_.clear();
    while (q.next()) {
        const qint64 id = q.value(0).toLongLong();
        pos_.insert(id, int(ids_.size()));
        ids_.push_back(id);
    }
    idsValid_ = true;
    if (curId_ != 0 && !pos_.contains(curId_)) {
        curId_ = ids_.isEmpty() ? 0 : ids_.first();
        row_.clear();
    }
}

void TTable::loadCurrent() const
{
    row_.clear();
    if (curId_ == 0 || !isOpen()) return;
    QSqlQuery q = prepared(db_, selectRowSql_, {curId_});
    run(q);
    if (!q.next()) return;
    row_.resize(def_.fields.size());
    for (int i = 0; i < def_.fields.size(); ++i) row_[i] = fromStored(def_.fields[i], q.value(i));
}

int TTable::recordCount() const
{
    ensureIds();
    return int(ids_.size());
}

void TTable::setCurrentIndex(int idx)
{
    const qint64 before = curId_;
    curId_ = (idx >= 0 && idx < ids_.size()) ? ids_[idx] : 0;
    loadCurrent();
    if (before != curId_) Q_EMIT currentChanged();
}

void TTable::first()
{
    ensureIds();
    setCurrentIndex(0);
    bof_ = true;
    eof_ = ids_.isEmpty();
}

void TTable::last()
{
    ensureIds();
    setCurrentIndex(int(ids_.size()) - 1);
    eof_ = true;
    bof_ = ids_.isEmpty();
}

void TTable::next()
{
    ensureIds();
    const int i = recNo() - 1;
    if (i < 0 || i + 1 >= ids_.size()) {
        eof_ = true;
        return;
    }
    setCurrentIndex(i + 1);
    bof_ = false;
    eof_ = false;
}

void TTable::prior()
{
    ensureIds();
    const int i = recNo() - 1;
    if (i <= 0) {
        bof_ = true;
        return;
    }
    setCurrentIndex(i - 1);
    bof_ = false;
    eof_ = false;
}

int TTable::recNo() const
{
    ensureIds();
    if (curId_ == 0) return 0;
    const auto it = pos_.constFind(curId_);
    return it == pos_.constEnd() ? 0 : it.value() + 1;
}

bool TTable::moveTo(int n)
{
    ensureIds();
    if (n < 1 || n > ids_.size()) return false;
    setCurrentIndex(n - 1);
    eof_ = bof_ = false;
    return true;
}

bool TTable::gotoBookmark(qint64 id)
{
    ensureIds();
    if (!pos_.contains(id)) return false;
    setCurrentIndex(pos_.value(id));
    eof_ = bof_ = false;
    return true;
}

void TTable::refresh()
{
    requireOpen();
    idsValid_ = false;
    ensureIds();
    loadCurrent();
    Q_EMIT dataChanged();
}

bool TTable::locate(const QString& field, const QVariant& value, int options)
{
    return locate(QStringList{field}, QVariantList{value}, options);
}

bool TTable::locate(const QStringList& fields, const QVariantList& values, int options)
{
    ensureIds();
    QStringList conds;
    QVariantList args;
    for (int i = 0; i < fields.size(); ++i) {
        const TFieldDef& f = def_.fields[indexOf(fields[i])];
        const QVariant v = toStored(f, i < values.size() ? values[i] : QVariant());
        const QString col = quoted(f.name);
        if (v.isNull()) {
            conds << col + QStringLiteral(" IS NULL");
            continue;
        }
        const bool ci = (options & CaseInsensitive) && isTextType(f.type);
        const bool partial = (options & PartialKey) && isTextType(f.type);
        QString lhs = ci ? QStringLiteral("PLUPPER(%1)").arg(col) : col;
        const QString rhs = ci ? QStringLiteral("PLUPPER(?)") : QStringLiteral("?");
        if (partial) {
            lhs = QStringLiteral("substr(%1, 1, %2)").arg(lhs).arg(v.toString().size());
        }
        conds << lhs + QStringLiteral(" = ") + rhs;
        args << v;
    }
    QString sql = QStringLiteral("SELECT rowid FROM %1 WHERE %2").arg(quoted(def_.sqlName), conds.join(QStringLiteral(" AND ")));
    if (filtered_ && !filterSql_.isEmpty()) {
        sql += QStringLiteral(" AND (%1)").arg(filterSql_);
        args += filterArgs_;
    }
    sql += QStringLiteral(" ORDER BY ") + (order_.isEmpty() ? QString() : order_ + QStringLiteral(", ")) +
           QStringLiteral("rowid LIMIT 1");
    QSqlQuery q = prepared(db_, sql, args);
    run(q);
    if (!q.next()) return false;
    const qint64 id = q.value(0).toLongLong();
    if (!pos_.contains(id)) return false;
    setCurrentIndex(pos_.value(id));
    eof_ = bof_ = false;
    return true;
}

QVariant TTable::lookup(const QStringList& keyFields, const QVariantList& keyValues, const QString& field,
                        int options)
{
    ensureOpen();
    QStringList conds;
    QVariantList args;
    for (int i = 0; i < keyFields.size(); ++i) {
        const TFieldDef& f = def_.fields[indexOf(keyFields[i])];
        const QVariant v = toStored(f, i < keyValues.size() ? keyValues[i] : QVariant());
        if (v.isNull()) {
            conds << quoted(f.name) + QStringLiteral(" IS NULL");
        } else if ((options & CaseInsensitive) && isTextType(f.type)) {
            conds << QStringLiteral("PLUPPER(%1) = PLUPPER(?)").arg(quoted(f.name));
            args << v;
        } else {
            conds << quoted(f.name) + QStringLiteral(" = ?");
            args << v;
        }
    }
    const TFieldDef& rf = def_.fields[indexOf(field)];
    QString sql = QStringLiteral("SELECT %1 FROM %2").arg(quoted(rf.name), quoted(def_.sqlName));
    if (!conds.isEmpty()) sql += QStringLiteral(" WHERE ") + conds.join(QStringLiteral(" AND "));
    sql += QStringLiteral(" ORDER BY ") + (order_.isEmpty() ? QString() : order_ + QStringLiteral(", ")) +
           QStringLiteral("rowid LIMIT 1");
    QSqlQuery q = prepared(db_, sql, args);
    run(q);
    if (!q.next()) return QVariant();
    return fromStored(rf, q.value(0));
}

QVector<QVector<QVariant>> TTable::select(const QString& condition, const QVariantList& args,
                                          const QStringList& fields)
{
    ensureOpen();
    QVector<const TFieldDef*> defs;
    QStringList cols;
    for (const QString& f : fields) {
        defs << &def_.fields[indexOf(f)];
        cols << quoted(defs.back()->name);
    }
    QString sql = QStringLiteral("SELECT %1 FROM %2").arg(cols.join(u','), quoted(def_.sqlName));
    if (!condition.isEmpty()) sql += QStringLiteral(" WHERE ") + condition;
    sql += QStringLiteral(" ORDER BY ") + (order_.isEmpty() ? QString() : order_ + QStringLiteral(", ")) +
           QStringLiteral("rowid");
    QSqlQuery q = prepared(db_, sql, args);
    run(q);
    QVector<QVector<QVariant>> out;
    while (q.next()) {
        QVector<QVariant> r(defs.size());
        for (int i = 0; i < defs.size(); ++i) r[i] = fromStored(*defs[i], q.value(i));
        out.push_back(r);
    }
    return out;
}

bool TTable::isLp(const QString& name) const
{
    return def_.calculatedLp && name.compare(QLatin1String("Lp"), Qt::CaseInsensitive) == 0;
}

int TTable::indexOf(const QString& field) const
{
    const int i = def_.fieldIndex(field);
    if (i < 0) throw DbError(QStringLiteral("Tabela %1 nie ma pola %2").arg(def_.component, field));
    return i;
}

QVariant TTable::value(const QString& field) const
{
    if (isLp(field)) {
        const int n = recNo();
        return n > 0 ? QVariant(QString::number(n)) : QVariant();
    }
    const int i = indexOf(field);
    if (state_ == State::Edit || state_ == State::Insert) return buf_.value(i);
    syncWithFile();
    if (row_.isEmpty() && curId_ != 0) loadCurrent();
    return row_.value(i);
}

bool TTable::isNull(const QString& field) const { return value(field).isNull(); }
QString TTable::asString(const QString& field) const { return value(field).toString(); }
int TTable::asInt(const QString& field) const { return value(field).toInt(); }
bool TTable::asBool(const QString& field) const { return value(field).toBool(); }
QDate TTable::asDate(const QString& field) const { return value(field).toDate(); }

Amount TTable::asAmount(const QString& field) const
{
    return amountOrNull(field).value_or(Amount());
}

OptAmount TTable::amountOrNull(const QString& field) const
{
    const QVariant v = value(field);
    if (v.isNull()) return std::nullopt;
    if (v.canConvert<Amount>() && v.userType() == qMetaTypeId<Amount>()) return v.value<Amount>();
    return Amount::fromDouble(v.toDouble());
}

QVariant TTable::fromStored(const TFieldDef& f, const QVariant& v) const
{
    if (v.isNull()) return QVariant();
    switch (f.type) {
    case FieldType::Money: return QVariant::fromValue(Amount::fromDouble(v.toDouble()));
    case FieldType::Logical: return QVariant(v.toLongLong() != 0);
    case FieldType::Date: {
        const QDate d = QDate::fromString(v.toString(), Qt::ISODate);
        return d.isValid() ? QVariant(d) : QVariant();
    }
    case FieldType::SmallInt:
    case FieldType::Integer: return QVariant(v.toInt());
    case FieldType::AutoInc: return QVariant(v.toInt());
    default: return QVariant(v.toString());
    }
}

QVariant TTable::toStored(const TFieldDef& f, const QVariant& v) const
{
    if (v.isNull() || !v.isValid()) return QVariant();
    switch (f.type) {
    case FieldType::Money: {
        if (v.userType() == qMetaTypeId<Amount>()) return QVariant(v.value<Amount>().toDouble());
        if (v.userType() == QMetaType::QString) {
            const auto a = Amount::parse(v.toString());
            return a ? QVariant(a->toDouble()) : QVariant();
        }
        return QVariant(v.toDouble());
    }
    case FieldType::Logical: return QVariant(v.toBool() ? 1 : 0);
    case FieldType::Date: {
        const QDate d = v.toDate();
        return d.isValid() ? QVariant(d.toString(Qt::ISODate)) : QVariant();
    }
    case FieldType::SmallInt:
    case FieldType::Integer:
    case FieldType::AutoInc: return QVariant(v.toLongLong());
    default: {
        const QString s = v.toString();
        return s.isEmpty() ? QVariant() : QVariant(s);  // an empty text is a null column
    }
    }
}

void TTable::edit()
{
    requireOpen();
    if (state_ == State::Edit || state_ == State::Insert) return;
    if (curId_ == 0) throw DbError(QStringLiteral("Tabela %1 nie ma bieżącego rekordu").arg(def_.component));
    syncWithFile();
    if (row_.isEmpty()) loadCurrent();
    buf_ = row_;
    buf_.resize(def_.fields.size());
    modified_ = QBitArray(int(def_.fields.size()));
    state_ = State::Edit;
}

void TTable::append()
{
    requireOpen();
    if (state_ == State::Edit || state_ == State::Insert) cancel();
    buf_ = QVector<QVariant>(def_.fields.size());
    modified_ = QBitArray(int(def_.fields.size()));
    state_ = State::Insert;
}

void TTable::setValue(const QString& field, const QVariant& v)
{
    if (state_ != State::Edit && state_ != State::Insert)
        throw DbError(QStringLiteral("Tabela %1 nie jest w trybie edycji").arg(def_.component));
    const int i = indexOf(field);
    const TFieldDef& f = def_.fields[i];
    if (f.type == FieldType::AutoInc)
        throw DbError(QStringLiteral("Pole %1 tabeli %2 jest tylko do odczytu").arg(f.name, def_.component));
    buf_[i] = fromStored(f, toStored(f, v));
    modified_.setBit(i);
}

void TTable::setNull(const QString& field) { setValue(field, QVariant()); }

void TTable::setAmount(const QString& field, const OptAmount& a)
{
    setValue(field, a ? QVariant::fromValue(*a) : QVariant());
}

void TTable::validate() const
{
    for (int i = 0; i < def_.fields.size(); ++i) {
        if (!modified_.testBit(i)) continue;
        const TFieldDef& f = def_.fields[i];
        const QVariant& v = buf_[i];
        if (v.isNull()) continue;
        if (f.type == FieldType::Text && f.size > 0 && v.toString().size() > f.size)
            throw DbError(QStringLiteral("Tekst w polu %1 jest za długi: %2 znaków, dopuszczalne %3.")
                              .arg(f.name)
                              .arg(v.toString().size())
                              .arg(f.size));
        if (f.type == FieldType::SmallInt && (v.toLongLong() < -32768 || v.toLongLong() > 32767))
            throw DbError(QStringLiteral("Wartość %1 w polu %2 jest poza zakresem.").arg(v.toString(), f.name));
    }
}

void TTable::post()
{
    if (state_ != State::Edit && state_ != State::Insert) return;
    validate();
    QStringList cols, marks;
    QVariantList args;
    for (int i = 0; i < def_.fields.size(); ++i) {
        if (!modified_.testBit(i)) continue;
        cols << quoted(def_.fields[i].name);
        args << toStored(def_.fields[i], buf_[i]);
    }
    qint64 id = curId_;
    if (state_ == State::Insert) {
        QString sql;
        if (cols.isEmpty()) {
            sql = QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoted(def_.sqlName));
        } else {
            for (int i = 0; i < cols.size(); ++i) marks << QStringLiteral("?");
            sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                      .arg(quoted(def_.sqlName), cols.join(u','), marks.join(u','));
        }
        QSqlQuery q = prepared(db_, sql, args);
        run(q);
        id = q.lastInsertId().toLongLong();
    } else if (!cols.isEmpty()) {
        QStringList sets;
        for (const QString& c : cols) sets << c + QStringLiteral(" = ?");
        args << curId_;
        QSqlQuery q = prepared(db_,
                               QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?").arg(quoted(def_.sqlName), sets.join(u',')),
                               args);
        run(q);
    }
    // Each statement above ran in autocommit mode: the row is on disk now.
    state_ = State::Browse;
    buf_.clear();
    dm_->bumpGeneration(absPath_);
    syncWithFile();   // the order is read again when next needed
    const qint64 before = curId_;
    curId_ = id;
    loadCurrent();
    eof_ = bof_ = false;
    Q_EMIT dataChanged();
    if (before != curId_) Q_EMIT currentChanged();
}

void TTable::cancel()
{
    if (state_ != State::Edit && state_ != State::Insert) return;
    state_ = State::Browse;
    buf_.clear();
}

void TTable::remove()
{
    requireOpen();
    if (state_ == State::Insert) {
        cancel();
        return;
    }
    cancel();
    if (curId_ == 0) return;
    const int idx = recNo() - 1;
    QSqlQuery q = prepared(db_, QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(quoted(def_.sqlName)), {curId_});
    run(q);
    dm_->bumpGeneration(absPath_);
    syncWithFile();
    ensureIds();
    setCurrentIndex(std::min(idx, int(ids_.size()) - 1));
    eof_ = ids_.isEmpty();
    Q_EMIT dataChanged();
}

int TTable::exec(const QString& sql, const QVariantList& args)
{
    ensureOpen();
    QSqlQuery q = prepared(db_, sql, args);
    run(q);
    dm_->bumpGeneration(absPath_);
    Q_EMIT dataChanged();
    return q.numRowsAffected();
}

// ---------------------------------------------------------------------------------------------
// TQuery

TQuery::TQuery(TDM* dm, const QString& name, const QStringList& lines) : dm_(dm), name_(name), lines_(lines) {}

void TQuery::setSql(const QStringList& lines)
{
    close();
    lines_ = lines;
    params_.clear();
}

void TQuery::setParam(const QString& name, const QVariant& value)
{
    params_.insert(name.startsWith(u':') ? name.mid(1) : name, value);
}

void TQuery::setFolder(const QString& folder)
{
    close();
    folder_ = folder;
}

void TQuery::close()
{
    open_ = false;
    rows_.clear();
    columns_.clear();
    cur_ = 0;
}

QSqlDatabase TQuery::connection() const
{
    static const QRegularExpression re(QStringLiteral("\\b(?:FROM|INTO|UPDATE)\\s+\"?(\\w+)\"?"),
                                       QRegularExpression::CaseInsensitiveOption);
    const auto m = re.match(sql());
    const TTableDef* def = m.hasMatch() ? FindTableDefBySqlName(m.captured(1)) : nullptr;
    if (!def) throw DbError(QStringLiteral("Zapytanie %1 nie wskazuje znanej tabeli").arg(name_));
    const QString path = filePathIn(folder_, def->fileName);
    if (!QFileInfo(path).isFile()) throw DbError(QStringLiteral("Brak pliku %1").arg(QDir::toNativeSeparators(path)));
    return dm_->connectionFor(*def, folder_);
}

namespace {
QSqlQuery preparedNamed(const QSqlDatabase& db, const QString& sql, const QVariantMap& params)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.prepare(sql)) throw DbError(QStringLiteral("Błąd bazy danych: %1").arg(q.lastError().text()));
    static const QRegularExpression re(QStringLiteral(":(\\w+)"));
    auto it = re.globalMatch(sql);
    while (it.hasNext()) {
        const QString p = it.next().captured(1);
        q.bindValue(u':' + p, params.value(p));
    }
    return q;
}
}  // namespace

void TQuery::open()
{
    close();
    QSqlDatabase db = connection();
    QSqlQuery q = preparedNamed(db, sql(), params_);
    run(q);
    const QSqlRecord rec = q.record();
    QVector<const TFieldDef*> defs;
    static const QRegularExpression re(QStringLiteral("\\bFROM\\s+\"?(\\w+)\"?"), QRegularExpression::CaseInsensitiveOption);
    const TTableDef* tdef = FindTableDefBySqlName(re.match(sql()).captured(1));
    for (int i = 0; i < rec.count(); ++i) {
        columns_ << rec.fieldName(i);
        const int fi = tdef ? tdef->fieldIndex(rec.fieldName(i)) : -1;
        defs << (fi >= 0 ? &tdef->fields[fi] : nullptr);
    }
    while (q.next()) {
        QVector<QVariant> r(rec.count());
        for (int i = 0; i < rec.count(); ++i) {
            const QVariant v = q.value(i);
            if (v.isNull()) continue;
            const TFieldDef* f = defs[i];
            if (f && f->type == FieldType::Money) r[i] = QVariant::fromValue(Amount::fromDouble(v.toDouble()));
            else if (f && f->type == FieldType::Logical) r[i] = QVariant(v.toLongLong() != 0);
            else if (f && f->type == FieldType::Date) r[i] = QDate::fromString(v.toString(), Qt::ISODate);
            else r[i] = v;
        }
        rows_.push_back(r);
    }
    open_ = true;
    cur_ = 0;
}

int TQuery::execSql()
{
    close();
    QSqlDatabase db = connection();
    QSqlQuery q = preparedNamed(db, sql(), params_);
    run(q);
    dm_->bumpGeneration(db.databaseName());
    return q.numRowsAffected();
}

QVariant TQuery::value(const QString& column) const
{
    if (cur_ >= rows_.size()) return QVariant();
    for (int i = 0; i < columns_.size(); ++i)
        if (columns_[i].compare(column, Qt::CaseInsensitive) == 0) return rows_[cur_][i];
    return QVariant();
}

QVariant TQuery::valueAt(int row, int column) const
{
    if (row < 0 || row >= rows_.size() || column < 0 || column >= columns_.size()) return QVariant();
    return rows_[row][column];
}

// ---------------------------------------------------------------------------------------------
// Error list

void TBledyTbl::clear()
{
    beginResetModel();
    rows_.clear();
    current_ = -1;
    endResetModel();
}

void TBledyTbl::add(const TBlad& row)
{
    beginInsertRows({}, int(rows_.size()), int(rows_.size()));
    rows_.push_back(row);
    endInsertRows();
    current_ = 0;
}

int TBledyTbl::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(rows_.size()); }
int TBledyTbl::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 2; }

QVariant TBledyTbl::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rows_.size()) return QVariant();
    const TBlad& b = rows_[index.row()];
    if (role == Qt::DisplayRole) {
        if (index.column() == 0) return b.NrPola > 0 ? QVariant(b.NrPola) : QVariant();
        return b.Opis;
    }
    if (role == Qt::TextAlignmentRole && index.column() == 0) return int(Qt::AlignRight | Qt::AlignVCenter);
    return QVariant();
}

QVariant TBledyTbl::headerData(int section, Qt::Orientation o, int role) const
{
    if (o != Qt::Horizontal || role != Qt::DisplayRole) return QVariant();
    return section == 0 ? QStringLiteral("Poz.") : QStringLiteral("Opis");
}

// ---------------------------------------------------------------------------------------------
// TDM

TDM::TDM(bool open, QObject* parent) : QObject(parent)
{
    connPrefix_ = QStringLiteral("zorvik%1:").arg(++g_instanceCounter);
    auto make = [this](const char* component) {
        const TTableDef* d = FindTableDef(QString::fromLatin1(component));
        Q_ASSERT(d);
        auto* t = new TTable(this, *d, this);
        t->setObjectName(d->component);
        tables_.push_back(t);
        return t;
    };
    Podatnik = make("Podatnik");
    aPodatnik = make("aPodatnik");
    Pit36 = make("Pit36");
    Pit36L = make("Pit36L");
    Pit37 = make("Pit37");
    Pit38 = make("Pit38");
    PitB = make("PitB");
    PitD = make("PitD");
    Pit2K = make("Pit2K");
    PitM = make("PitM");
    PitO = make("PitO");
    PitZ = make("PitZ");
    PitZG = make("PitZG");
    NIP1 = make("NIP1");
    NIP3 = make("NIP3");
    Urzedy = make("Urzedy");
    Imiona = make("Imiona");
    Domysl = make("Domysl");
    Marginesy = make("Marginesy");
    Korekta = make("Korekta");
    KwotyTbl = make("KwotyTbl");
    OdlRehab = make("OdlRehab");
    Opp = make("Opp");
    Utrata = make("Utrata");
    Zagranica = make("Zagranica");

    auto q = [this](const char* name, std::initializer_list<const char*> lines) {
        QStringList l;
        for (const char* s : lines) l << QString::fromUtf8(s);
        auto* query = new TQuery(this, QString::fromLatin1(name), l);
        queries_.push_back(query);
        return query;
    };
    Kraje = q("Kraje", {"SELECT Kraj", "FROM Podatnik", "ORDER BY Kraj"});
    Powiaty = q("Powiaty", {"SELECT Powiat", "FROM Podatnik", "ORDER BY Powiat"});
    Gminy = q("Gminy", {"SELECT Gmina", "FROM Podatnik", "ORDER BY Gmina"});
    Miasta = q("Miasta", {"SELECT Miasto", "FROM Podatnik", "ORDER BY Miasto"});
    Ulice = q("Ulice", {"SELECT Ulica", "FROM Podatnik", "ORDER BY Ulica"});
    Poczty = q("Poczty", {"SELECT Poczta", "FROM Podatnik", "ORDER BY Poczta"});
    MiastaOPP = q("MiastaOPP", {"SELECT DISTINCT Miasto", "FROM OPP", "ORDER BY Miasto"});
    Meskie = q("Meskie", {"SELECT DISTINCT Imie", "FROM Imiona", "WHERE Plec='M'", "ORDER BY Imie"});
    Zenskie = q("Zenskie", {"SELECT DISTINCT Imie", "FROM Imiona", "WHERE Plec='K'", "ORDER BY Imie"});
    Kwoty = q("Kwoty", {"SELECT *", "FROM Kwoty",
                        "WHERE PodatId=:PodatId and Rodz=:Rodz and Pit=:Pit and Pole=:Pole and NrZal=:NrZal",
                        "ORDER BY Porz"});
    pWojew = q("pWojew", {"SELECT DISTINCT Kraj, Wojew", "FROM Podatnik", "Where Wojew=:Wojew"});
    pPowiat = q("pPowiat", {"SELECT DISTINCT Kraj, Wojew, Powiat", "FROM Podatnik", "Where Powiat=:Powiat"});
    pGmina = q("pGmina", {"SELECT DISTINCT Kraj, Wojew, Powiat, Gmina", "FROM Podatnik", "Where Gmina=:Gmina"});
    pMiasto = q("pMiasto",
                {"SELECT DISTINCT Kraj, Wojew, Powiat, Gmina, Miasto", "FROM Podatnik", "Where Miasto=:Miasto"});
    pKodPoczt = q("pKodPoczt", {"SELECT DISTINCT Kraj, Wojew, Powiat, Gmina, Miasto, KodPoczt, Poczta",
                                "FROM Podatnik", "Where KodPoczt=:KodPoczt"});
    WQ = q("WQ", {});

    BledyTbl = new TBledyTbl(this);
    Opp->setFilter(QStringLiteral("Miasto = ?"), {QString()});

    g_instance = this;
    if (open) OpenTables();
}

TDM::~TDM()
{
    CloseDatabase();
    if (g_instance == this) g_instance = nullptr;
}

TDM* TDM::instance() { return g_instance; }

TTable* TDM::table(const QString& component) const
{
    for (TTable* t : tables_)
        if (t->name().compare(component, Qt::CaseInsensitive) == 0) return t;
    return nullptr;
}

QSqlDatabase TDM::connectionFor(const TTableDef& def, const QString& folder)
{
    const QString path = QFileInfo(filePathIn(folder, def.fileName)).absoluteFilePath();
    const QString existing = connections_.value(path);
    if (!existing.isEmpty() && QSqlDatabase::contains(existing)) {
        QSqlDatabase db = QSqlDatabase::database(existing, false);
        if (db.isOpen()) return db;
    }
    const QString name = connPrefix_ + path;
    QSqlDatabase db = QSqlDatabase::contains(name) ? QSqlDatabase::database(name, false)
                                                   : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(path);
    if (!db.open()) throw DbError(QStringLiteral("Nie można otworzyć pliku %1: %2").arg(path, db.lastError().text()));
    RegisterPolishSql(db);
    QSqlQuery q(db);
    // Write-ahead log: a committed row is in the file's log at once (it survives the
    // process being killed) without a disk flush per row; closing the last connection
    // folds the log back into the table file, so a closed data folder is plain files.
    q.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    q.exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
    q.exec(QStringLiteral("PRAGMA busy_timeout=2000"));
    connections_.insert(path, name);
    return db;
}

void TDM::closeConnections()
{
    for (const QString& name : std::as_const(connections_)) {
        {
            QSqlDatabase db = QSqlDatabase::database(name, false);
            if (db.isValid()) db.close();
        }
        QSqlDatabase::removeDatabase(name);
    }
    connections_.clear();
}

bool TDM::OpenTables() { return OpenTables(ReadDataPath()); }

bool TDM::OpenTables(const QString& folder)
{
    folder_ = folder;
    for (TTable* t : tables_)
        if (!OpenTable(t, folder)) return false;
    for (TQuery* q : queries_) {
        q->close();
        q->setFolder(folder);
    }
    return true;
}

bool TDM::OpenTable(TTable* table, const QString& folder)
{
    try {
        table->close();
        table->setFolder(folder);
        table->open();
        return true;
    } catch (const DbError&) {
        ShowWarning(QStringLiteral("Nie udało się otworzyć pliku: ") + table->fileName() + u'\r' +
                    QStringLiteral("w folderze: ") + folder);
        return false;
    }
}

void TDM::CloseDatabase()
{
    for (TTable* t : tables_) t->close();
    for (TQuery* q : queries_) q->close();
    closeConnections();
}

void TDM::setOppCityFilter(const QString& city)
{
    oppCity_ = city;
    Opp->setFilter(QStringLiteral("Miasto = ?"), {city});
}

QString TDM::TaxOfficeName(int urzadId)
{
    if (urzadId <= 0) return QString();
    Urzedy->ensureOpen();
    return Urzedy->lookup({QStringLiteral("UrzadId")}, {urzadId}, QStringLiteral("Nazwa")).toString();
}

bool TDM::TaxpayerExists(const QString& surname, const QString& firstName)
{
    aPodatnik->ensureOpen();
    return !aPodatnik->lookup({QStringLiteral("Nazwisko"), QStringLiteral("Imie")}, {surname, firstName},
                              QStringLiteral("PodatId"), TTable::CaseInsensitive)
                .isNull();
}

bool TDM::nameHasSex(const QString& name, const QString& sex)
{
    const QString n = PolishUpper(name.trimmed());
    if (n.isEmpty()) return false;
    Imiona->ensureOpen();
    return !Imiona->lookup({QStringLiteral("Imie"), QStringLiteral("Plec")}, {n, sex}, QStringLiteral("Imie"),
                           TTable::CaseInsensitive)
                .isNull();
}

bool TDM::IsFemaleName(const QString& name) { return nameHasSex(name, QStringLiteral("K")); }
bool TDM::IsMaleName(const QString& name) { return nameHasSex(name, QStringLiteral("M")); }

bool TDM::TableHasField(const TTable* table, const QString& column) const
{
    if (!table) return false;
    const QString up = PolishUpper(column);
    for (const TFieldDef& f : table->def().fields)
        if (PolishUpper(f.name) == up) return true;
    return false;
}

int TDM::marginValue(int formKind, int page, const char* column)
{
    Marginesy->ensureOpen();
    return Marginesy->lookup({QStringLiteral("SymbolPit"), QStringLiteral("Strona")}, {FormSymbol(formKind), page},
                             QString::fromLatin1(column))
        .toInt();
}

int TDM::LeftMargin(int formKind, int page) { return marginValue(formKind, page, "Lewy"); }
int TDM::TopMargin(int formKind, int page) { return marginValue(formKind, page, "Gorny"); }

int TDM::correctionValue(int formKind, int box, const char* column)
{
    Korekta->ensureOpen();
    return Korekta->lookup({QStringLiteral("Pit"), QStringLiteral("Pole")}, {FormSymbol(formKind), box},
                           QString::fromLatin1(column))
        .toInt();
}

int TDM::CorrectionX(int formKind, int box) { return correctionValue(formKind, box, "KorX"); }
int TDM::CorrectionY(int formKind, int box) { return correctionValue(formKind, box, "KorY"); }

Amount TDM::sumForeign(int podatId, int person, int count, int box, const char* column)
{
    if (count < 1) return Amount();
    Zagranica->ensureOpen();
    const auto rows = Zagranica->select(
        QStringLiteral("PodatId = ? AND Rodz = ? AND NrZal BETWEEN 1 AND ? AND Pole = ?"),
        {podatId, RodzCode(person), count, box}, {QString::fromLatin1(column)});
    Amount sum;
    for (const auto& r : rows)
        if (!r[0].isNull()) sum += r[0].value<Amount>();
    return sum;
}

Amount TDM::SumForeignIncome(int podatId, int person, int count, int box)
{
    return sumForeign(podatId, person, count, box, "Przychod");
}

Amount TDM::SumForeignCosts(int podatId, int person, int count, int box)
{
    return sumForeign(podatId, person, count, box, "Koszty");
}

void TDM::ClearErrors() { BledyTbl->clear(); }
void TDM::AddError(const TBlad& error) { BledyTbl->add(error); }
int TDM::ErrorCount() const { return BledyTbl->count(); }

QString TDM::ErrorSummary() const
{
    const int n = ErrorCount();
    if (n > 0) return QStringLiteral(" Liczba błędów i ostrzeżeń: ") + QString::number(n);
    return QStringLiteral(" W formularzu nie znaleziono błędów");
}

TBookmarkGuard::~TBookmarkGuard()
{
    if (!t_ || !t_->isOpen() || id_ == 0) return;
    try {
        if (t_->state() == TTable::State::Edit || t_->state() == TTable::State::Insert) t_->cancel();
        t_->gotoBookmark(id_);
    } catch (...) {
    }
}
