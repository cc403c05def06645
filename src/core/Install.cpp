#include "Install.h"

#include "Config.h"
#include "FDM.h"
#include "PolishText.h"
#include "Schema.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>

namespace {

// Reference files are compiled into the program.
const QString kRefPrefix = QStringLiteral(":/refdata/");

const TTableDef* tableForFile(const QString& fileName)
{
    const QString f = fileName.toLower();
    if (f == QLatin1String("imiona.csv")) return FindTableDef(QStringLiteral("Imiona"));
    if (f == QLatin1String("urzedy.csv")) return FindTableDef(QStringLiteral("Urzedy"));
    if (f == QLatin1String("opp.csv")) return FindTableDef(QStringLiteral("Opp"));
    if (f.startsWith(QLatin1String("korekta")) && f.endsWith(QLatin1String(".csv")))
        return FindTableDef(QStringLiteral("Korekta"));
    return nullptr;
}

// Columns of a reference file that are not table columns, and how they map.
QString columnFor(const TTableDef& def, const QString& header)
{
    if (def.component == QLatin1String("Urzedy") && header.compare(QLatin1String("nazwa"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Nazwa");
    const int i = def.fieldIndex(header);
    return i >= 0 ? def.fields[i].name : QString();
}

int loadCsv(const QString& folder, const QString& resource, const TTableDef& def)
{
    QFile f(resource);
    if (!f.open(QIODevice::ReadOnly)) throw DbError(QStringLiteral("Nie można odczytać pliku %1").arg(resource));
    const QStringList lines = QString::fromUtf8(f.readAll()).split(u'\n', Qt::SkipEmptyParts);
    if (lines.isEmpty()) return 0;
    const QStringList header = lines.first().trimmed().split(u';');
    QStringList cols;
    QVector<int> use;
    for (int i = 0; i < header.size(); ++i) {
        const QString c = columnFor(def, header[i].trimmed());
        if (c.isEmpty()) continue;
        cols << u'"' + c + u'"';
        use << i;
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("zorvik-install-load"));
    int n = 0;
    {
        db.setDatabaseName(QDir(folder).filePath(def.fileName));
        if (!db.open()) throw DbError(db.lastError().text());
        RegisterPolishSql(db);
        QStringList marks(cols.size(), QStringLiteral("?"));
        QSqlQuery q(db);
        db.transaction();
        q.prepare(QStringLiteral("INSERT INTO \"%1\" (%2) VALUES (%3)")
                      .arg(def.sqlName, cols.join(u','), marks.join(u',')));
        for (int l = 1; l < lines.size(); ++l) {
            const QStringList v = lines[l].trimmed().split(u';');
            for (int k = 0; k < use.size(); ++k) q.bindValue(k, v.value(use[k]).trimmed());
            if (!q.exec()) {
                db.rollback();
                throw DbError(QStringLiteral("%1, wiersz %2: %3").arg(resource).arg(l + 1).arg(q.lastError().text()));
            }
            ++n;
        }
        db.commit();
        db.close();
    }
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("zorvik-install-load"));
    return n;
}

void execIn(const QString& path, const QStringList& statements)
{
    const QString conn = QStringLiteral("zorvik-install-create");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), conn);
        db.setDatabaseName(path);
        if (!db.open()) throw DbError(QStringLiteral("Nie można utworzyć pliku %1: %2").arg(path, db.lastError().text()));
        RegisterPolishSql(db);
        QSqlQuery q(db);
        q.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
        for (const QString& s : statements)
            if (!q.exec(s)) throw DbError(QStringLiteral("%1: %2").arg(path, q.lastError().text()));
        db.close();
    }
    QSqlDatabase::removeDatabase(conn);
}

}  // namespace

QString DefaultDataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Zorvik2008");
}

void CreateTableFiles(const QString& folder)
{
    QDir().mkpath(folder);
    for (const TTableDef& d : AllTableDefs()) {
        if (d.component == QLatin1String("aPodatnik")) continue;  // second component over Podatnik.db
        execIn(QDir(folder).filePath(d.fileName), CreateStatements(d));
    }
}

QString LoadReferenceData(const QString& folder)
{
    QStringList report;
    QDirIterator it(kRefPrefix, {QStringLiteral("*.csv")}, QDir::Files);
    QStringList files;
    while (it.hasNext()) files << it.next();
    files.sort();
    for (const QString& res : files) {
        const TTableDef* def = tableForFile(QFileInfo(res).fileName());
        if (!def) continue;
        report << QStringLiteral("%1: %2").arg(QFileInfo(res).fileName()).arg(loadCsv(folder, res, *def));
    }
    // The single defaults row: the country of a new taxpayer.
    execIn(QDir(folder).filePath(QStringLiteral("Domysl.db")),
           {QStringLiteral("INSERT INTO \"Domysl\" (\"Kraj\", \"UrzadId\") SELECT 'Polska', 0 "
                           "WHERE NOT EXISTS (SELECT 1 FROM \"Domysl\")")});
    return report.join(QStringLiteral(", "));
}

TInstallResult InstallDataFolder(const QString& folderIn, bool writeSetting)
{
    TInstallResult r;
    const QString folder = QDir::cleanPath(QDir(folderIn.isEmpty() ? DefaultDataFolder() : folderIn).absolutePath());
    const bool exists = QFileInfo(QDir(folder).filePath(QStringLiteral("Podatnik.db"))).exists();
    try {
        if (exists) {
            r.message = QStringLiteral("Folder danych już istnieje i nie został zmieniony: %1")
                            .arg(QDir::toNativeSeparators(folder));
        } else {
            if (QDir(folder).exists() && !QDir(folder).isEmpty()) {
                r.message = QStringLiteral("Folder %1 nie jest pusty; dane nie zostały w nim utworzone.")
                                .arg(QDir::toNativeSeparators(folder));
                return r;
            }
            CreateTableFiles(folder);
            const QString report = LoadReferenceData(folder);
            r.created = true;
            r.message = QStringLiteral("Utworzono folder danych: %1 (%2)").arg(QDir::toNativeSeparators(folder), report);
        }
    } catch (const DbError& e) {
        r.message = QStringLiteral("Instalacja nie powiodła się: %1").arg(e.message());
        return r;
    }
    if (writeSetting && !InstallDataPath(folder)) {
        r.message += QStringLiteral("\nNie udało się zapisać ustawienia \"Sciezka\" (brak uprawnień?).");
        return r;
    }
    r.ok = true;
    return r;
}
