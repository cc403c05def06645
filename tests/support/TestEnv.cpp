#include "TestEnv.h"

#include "Config.h"
#include "Install.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

namespace {

// The installation is made once per process into a template folder and copied.
QString templateFolder()
{
    static QTemporaryDir dir;
    static bool made = false;
    if (!made) {
        CreateTableFiles(dir.path());
        LoadReferenceData(dir.path());
        made = true;
    }
    return dir.path();
}

}  // namespace

TempSettings::TempSettings()
{
    SetConfigRoot(dir_.path());
}

TempSettings::~TempSettings()
{
    SetConfigRoot(QString());
}

TempDataFolder::TempDataFolder()
{
    const QString src = templateFolder();
    QDir().mkpath(path());
    QDirIterator it(src, QDir::Files);
    while (it.hasNext()) {
        const QString f = it.next();
        QFile::copy(f, QDir(path()).filePath(QFileInfo(f).fileName()));
    }
}

void DataFolderTest::SetUp()
{
    settings = std::make_unique<TempSettings>();
    data = std::make_unique<TempDataFolder>();
    messages = std::make_unique<RecordingSink>();
    dm = std::make_unique<TDM>(false);
    ASSERT_TRUE(dm->OpenTables(data->path())) << messages->texts().join(u'\n').toStdString();
}

void DataFolderTest::TearDown()
{
    dm.reset();
    messages.reset();
    data.reset();
    settings.reset();
}

int DataFolderTest::addTaxpayer(const QString& surname, const QString& firstName, const QVariantMap& more)
{
    TTable* t = dm->Podatnik;
    t->append();
    t->setValue(QStringLiteral("Nazwisko"), surname);
    t->setValue(QStringLiteral("Imie"), firstName);
    if (!more.contains(QStringLiteral("Sposob"))) t->setValue(QStringLiteral("Sposob"), 0);
    if (!more.contains(QStringLiteral("Glowny"))) t->setValue(QStringLiteral("Glowny"), QStringLiteral("PIT-37"));
    for (auto it = more.begin(); it != more.end(); ++it) t->setValue(it.key(), it.value());
    t->post();
    return t->asInt(QStringLiteral("PodatId"));
}
