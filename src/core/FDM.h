#pragma once
// The data module: every table and query of the data folder, the error list,
// and the small look-ups several modules share.
//
// A TTable works like a table component of a desktop database: it has a current
// row in its order, can locate rows, and edits one row at a time (edit/append,
// setValue, post). Every post is its own committed transaction. Failures of the
// table layer are thrown as DbError with a Polish message.

#include "Amount.h"
#include "Schema.h"

#include <QAbstractTableModel>
#include <QBitArray>
#include <QDate>
#include <QHash>
#include <QObject>
#include <QSqlDatabase>
#include <QVariant>
#include <QVector>

#include <stdexcept>

class TDM;

class DbError : public std::runtime_error {
public:
    explicit DbError(const QString& message);
    QString message() const { return QString::fromUtf8(what()); }
};

class TTable : public QObject {
    Q_OBJECT
public:
    enum class State { Inactive, Browse, Edit, Insert };
    enum LocateOption { NoOption = 0, CaseInsensitive = 1, PartialKey = 2 };

    TTable(TDM* dm, const TTableDef& def, QObject* parent = nullptr);
    ~TTable() override;

    const TTableDef& def() const { return def_; }
    const QString& name() const { return def_.component; }
    const QString& fileName() const { return def_.fileName; }
    const QString& sqlName() const { return def_.sqlName; }
    QString folder() const { return folder_; }
    QString filePath() const;

    // Opening. `setFolder` points the table at a data folder (closing it first).
    void setFolder(const QString& folder);
    void open();   // throws DbError when the file is missing or not a table of this kind
    void close();
    bool isOpen() const { return state_ != State::Inactive; }
    // Opens the table when it is closed.
    void ensureOpen();
    State state() const { return state_; }

    // Order of the rows (an SQL ORDER BY clause); the definition's order by default.
    void setOrder(const QString& orderBy);
    QString order() const { return order_; }
    // Record filter: an SQL condition with positional '?' arguments, active while filtered.
    void setFilter(const QString& condition, const QVariantList& args = {});
    void setFiltered(bool on);
    bool filtered() const { return filtered_; }

    // Navigation in the current order.
    int recordCount() const;
    bool isEmpty() const { return recordCount() == 0; }
    void first();
    void last();
    void next();
    void prior();
    bool eof() const { return eof_; }
    bool bof() const { return bof_; }
    int recNo() const;           // 1-based position of the current row; 0 when there is none
    bool moveTo(int recNo);      // 1-based
    qint64 bookmark() const { return curId_; }   // row id of the current row, 0 when none
    bool gotoBookmark(qint64 id);
    void refresh();              // re-reads the order and the current row

    // Moves to the first row (in the current order) whose fields equal the values.
    // Null values match null fields. Returns whether a row was found; otherwise the
    // current row stays.
    bool locate(const QStringList& fields, const QVariantList& values, int options = NoOption);
    bool locate(const QString& field, const QVariant& value, int options = NoOption);

    // Current row (or the row being edited).
    bool hasField(const QString& name) const { return def_.fieldIndex(name) >= 0 || isLp(name); }
    QVariant value(const QString& field) const;     // null QVariant for a null column
    bool isNull(const QString& field) const;
    QString asString(const QString& field) const;  // null -> ""
    int asInt(const QString& field) const;          // null -> 0
    bool asBool(const QString& field) const;        // null -> false
    Amount asAmount(const QString& field) const;    // null -> 0
    OptAmount amountOrNull(const QString& field) const;
    QDate asDate(const QString& field) const;       // null -> invalid date

    // Editing.
    void edit();     // current row into edit mode (throws when there is none)
    void append();   // a new empty row in insert mode
    void setValue(const QString& field, const QVariant& v);  // Amount values are accepted as QVariant too
    void setNull(const QString& field);
    void setAmount(const QString& field, const OptAmount& a);
    void post();     // validates, writes and commits; the posted row becomes current
    void cancel();
    void remove();   // deletes the current row; the next row becomes current

    // Runs a statement on this table's file (e.g. a DELETE by key); returns rows affected.
    int exec(const QString& sql, const QVariantList& args = {});
    // Value of `field` in the first row (in the current order) whose key fields equal the
    // values, without moving the current row; a null QVariant when there is none.
    QVariant lookup(const QStringList& keyFields, const QVariantList& keyValues, const QString& field,
                    int options = NoOption);
    // Every row matching an SQL condition, in the current order, without moving the current
    // row; values converted as value() converts them (Amount, bool, QDate ...).
    QVector<QVector<QVariant>> select(const QString& condition, const QVariantList& args,
                                      const QStringList& fields);

    QSqlDatabase database() const { return db_; }

Q_SIGNALS:
    void dataChanged();     // rows were added, changed or removed, or the table reopened
    void currentChanged();  // the current row moved

private:
    bool isLp(const QString& name) const;
    int indexOf(const QString& field) const;  // throws for an unknown field
    void ensureIds() const;
    void loadCurrent() const;
    void syncWithFile() const;
    void setCurrentIndex(int idx);
    QString selectIdsSql() const;
    QVariant toStored(const TFieldDef& f, const QVariant& v) const;
    QVariant fromStored(const TFieldDef& f, const QVariant& v) const;
    void validate() const;
    void requireOpen() const;

    TDM* dm_;
    const TTableDef& def_;
    QString folder_;
    QString absPath_;   // absolute path of the file, the key of its write generation
    QSqlDatabase db_;
    State state_ = State::Inactive;
    QString order_;
    QString filterSql_;
    QVariantList filterArgs_;
    bool filtered_ = false;

    QString selectRowSql_;
    mutable QVector<qint64> ids_;
    mutable QHash<qint64, int> pos_;
    mutable bool idsValid_ = false;
    mutable quint64 generation_ = 0;   // write generation of the file when ids_/row_ were read
    mutable qint64 curId_ = 0;
    bool eof_ = true, bof_ = true;
    mutable QVector<QVariant> row_;
    QVector<QVariant> buf_;     // edit buffer
    QBitArray modified_;
};

// A fixed SQL statement kept by the data module. Its table names are resolved to
// the table files of the data folder; the statement runs on the file of the first
// table it names. A select reads its whole result at open.
class TQuery {
public:
    TQuery(TDM* dm, const QString& name, const QStringList& lines = {});

    const QString& name() const { return name_; }
    void setSql(const QStringList& lines);
    void setSql(const QString& text) { setSql(QStringList{text}); }
    QString sql() const { return lines_.join(u'\n'); }
    void setParam(const QString& name, const QVariant& value);
    void setFolder(const QString& folder);

    void open();      // runs a select; throws DbError
    void close();
    bool isOpen() const { return open_; }
    int execSql();    // runs a statement that returns no rows; gives rows affected

    int recordCount() const { return int(rows_.size()); }
    void first() { cur_ = 0; }
    void next() { if (cur_ < rows_.size()) ++cur_; }
    bool eof() const { return cur_ >= rows_.size(); }
    QVariant value(const QString& column) const;
    QString asString(const QString& column) const { return value(column).toString(); }
    QVariant valueAt(int row, int column) const;
    const QStringList& columns() const { return columns_; }

private:
    QSqlDatabase connection() const;

    TDM* dm_;
    QString name_;
    QStringList lines_;
    QVariantMap params_;
    QString folder_;
    bool open_ = false;
    QStringList columns_;
    QVector<QVector<QVariant>> rows_;
    qsizetype cur_ = 0;
};

// One row of the error list: the box number (0 or less: no box) and the message.
struct TBlad {
    int NrPola = 0;
    QString Opis;
};

// The in-memory error list that every form check fills and every editor shows.
class TBledyTbl : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void clear();
    void add(const TBlad& row);             // appends and moves to the first row
    int count() const { return int(rows_.size()); }
    const TBlad& at(int i) const { return rows_.at(i); }
    const QVector<TBlad>& rows() const { return rows_; }
    int currentRow() const { return current_; }   // -1 when empty
    void setCurrentRow(int r) { current_ = r; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;

private:
    QVector<TBlad> rows_;
    int current_ = -1;
};

class TDM : public QObject {
    Q_OBJECT
public:
    // Creates every table and query component; with `open` runs OpenTables as at start-up.
    explicit TDM(bool open = true, QObject* parent = nullptr);
    ~TDM() override;
    // The data module of the run (the last one created and not yet destroyed).
    static TDM* instance();

    // Tables, in the order they are opened.
    TTable *Podatnik, *aPodatnik, *Pit36, *Pit36L, *Pit37, *Pit38, *PitB, *PitD, *Pit2K, *PitM, *PitO,
        *PitZ, *PitZG, *NIP1, *NIP3, *Urzedy, *Imiona, *Domysl, *Marginesy, *Korekta, *KwotyTbl,
        *OdlRehab, *Opp, *Utrata, *Zagranica;
    // Queries.
    TQuery *Kraje, *Ulice, *Powiaty, *Gminy, *Miasta, *Poczty, *Meskie, *Zenskie, *MiastaOPP, *pWojew,
        *pPowiat, *pGmina, *pMiasto, *pKodPoczt, *Kwoty, *WQ;

    const QVector<TTable*>& tables() const { return tables_; }
    const QVector<TQuery*>& queries() const { return queries_; }
    TTable* table(const QString& component) const;

    // The data folder the tables were last pointed at ("" = the working folder).
    QString folder() const { return folder_; }
    // Points at a folder other than the one in the settings (tests, installation).
    bool OpenTables(const QString& folder);
    bool OpenTables();   // the folder of ReadDataPath()
    bool OpenTable(TTable* table, const QString& folder);
    void CloseDatabase();

    // The organisation picker's city filter for `Opp`.
    void setOppCityFilter(const QString& city);
    QString OppCityFilter() const { return oppCity_; }

    // Look-ups.
    QString TaxOfficeName(int urzadId);
    bool TaxpayerExists(const QString& surname, const QString& firstName);
    bool IsFemaleName(const QString& name);
    bool IsMaleName(const QString& name);
    bool TableHasField(const TTable* table, const QString& column) const;
    int LeftMargin(int formKind, int page);
    int TopMargin(int formKind, int page);
    int CorrectionX(int formKind, int box);
    int CorrectionY(int formKind, int box);
    Amount SumForeignIncome(int podatId, int person, int count, int box);
    Amount SumForeignCosts(int podatId, int person, int count, int box);
    // Defined with the PIT/B model (FPitB.cpp), which they load attachment by attachment.
    Amount SumPitBIncome(int podatId, int person, int skip);
    Amount SumPitBCosts(int podatId, int person, int skip);

    // Error list.
    TBledyTbl* BledyTbl;
    void ClearErrors();
    void AddError(const TBlad& error);
    int ErrorCount() const;
    QString ErrorSummary() const;

    // Connection of the file of a table definition in the current folder (shared by
    // the table components and queries on that file).
    QSqlDatabase connectionFor(const TTableDef& def, const QString& folder);
    // Write generation of a file: bumped by every write through any component, so that
    // components sharing the file re-read their rows.
    quint64 generation(const QString& filePath) const { return generations_.value(filePath); }
    void bumpGeneration(const QString& filePath) { ++generations_[filePath]; }

private:
    bool nameHasSex(const QString& name, const QString& sex);
    int marginValue(int formKind, int page, const char* column);
    int correctionValue(int formKind, int box, const char* column);
    Amount sumForeign(int podatId, int person, int count, int box, const char* column);
    void closeConnections();

    QVector<TTable*> tables_;
    QVector<TQuery*> queries_;
    QString folder_;
    QString oppCity_;
    QHash<QString, QString> connections_;  // file path -> connection name
    QHash<QString, quint64> generations_;
    QString connPrefix_;
};

// Shorthand for the data module of the run.
inline TDM* DM() { return TDM::instance(); }

// Keeps a table's current row and puts it back when leaving the scope, also on failure.
class TBookmarkGuard {
public:
    explicit TBookmarkGuard(TTable* t) : t_(t), id_(t && t->isOpen() ? t->bookmark() : 0) {}
    ~TBookmarkGuard();
    TBookmarkGuard(const TBookmarkGuard&) = delete;
    TBookmarkGuard& operator=(const TBookmarkGuard&) = delete;

private:
    TTable* t_;
    qint64 id_;
};
