#include "FPitOFrm.h"

#include "FDM.h"
#include "FOdlRehabFrm.h"
#include "Globals.h"

#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTabWidget>

#include <algorithm>

namespace {

constexpr int W = 1180;
constexpr int H = 40;
constexpr int kTitleW = 560, kPX = 565, kPW = 300, kMX = 870, kMW = 310;

int person(TOpisStrony& s, int y, int first, const QStringList& names)
{
    s.box(first, QStringLiteral("Nazwisko"), {0, y, 420, H}, TCtl::Auto, names[0]);
    s.box(first + 1, QStringLiteral("Pierwsze imię"), {425, y, 300, H}, TCtl::Auto, names[1]);
    s.box(first + 2, QStringLiteral("Data urodzenia (dzień - miesiąc - rok)"), {730, y, 220, H}, TCtl::Auto, names[2]);
    s.box(first + 3, QStringLiteral("Numer PESEL"), {955, y, 225, H}, TCtl::Auto, names[3]);
    return y + H + 4;
}

TOpisStrony page1()
{
    TOpisStrony s(QStringLiteral("Strona &1"), W);
    s.box(1, QStringLiteral("Identyfikator podatkowy NIP podatnika"), {0, 0, 300, H}, TCtl::Auto, QStringLiteral("FNip"));
    s.box(2, QStringLiteral("Identyfikator podatkowy NIP małżonka"), {305, 0, 300, H}, TCtl::Auto, QStringLiteral("FMNip"));
    s.info(QStringLiteral("PIT/O  INFORMACJA O ODLICZENIACH OD DOCHODU I OD PODATKU"), {0, 46, 980, 34});
    s.box(0, QStringLiteral("Załącznik nr"), {985, 46, 195, 34}, TCtl::Label, QStringLiteral("FNrZal"));
    s.section(86, QStringLiteral("A. DANE IDENTYFIKACYJNE"));
    s.info(QStringLiteral("A.1. PODATNIK"), {0, 108, W, 20});
    int y = person(s, 130, 5, {"FNazwisko", "FImie", "FDataUr", "FPesel"});
    const int sp = int(s.items.size());
    s.info(QStringLiteral("A.2. MAŁŻONEK"), {0, y, W, 20});
    y = person(s, y + 22, 9, {"FMNazwisko", "FMImie", "FMDataUr", "FMPesel"});
    s.spouse(sp);

    const int b = int(s.items.size());
    s.section(y + 2, QStringLiteral("B. ODLICZENIA OD DOCHODU"));
    y += 24;
    s.pairHead(y);
    y += 24;
    s.pairRow(y, QStringLiteral("1. Darowizny, o których mowa w art. 26 ust. 1 pkt 9 ustawy"), 13, 14);
    s.pairRow(y += H + 2, QStringLiteral("2. Darowizny na podstawie odrębnych ustaw"), 15, 16);
    s.pairRow(y += H + 2, QStringLiteral("3. Wydatki na cele rehabilitacyjne oraz wydatki związane z ułatwieniem "
                                          "wykonywania czynności życiowych"), 17, 18);
    s.pairRow(y += H + 2, QStringLiteral("4. Zwrot nienależnie pobranych świadczeń"), 19, 20);
    s.pairRow(y += H + 2, QStringLiteral("5. Wydatki z tytułu użytkowania sieci Internet w lokalu (budynku) będącym "
                                          "miejscem zamieszkania"), 21, 22);
    const int b6 = int(s.items.size());
    s.pairRow(y += H + 2, QStringLiteral("6. Wydatki na nabycie nowych technologii"), 23, 24);
    s.group(b, TPitOFrm::ptAttachment1);
    s.group(b6, TPitOFrm::ptNotPit28);
    const int b7 = int(s.items.size());
    y += H + 2;
    s.box(25, QStringLiteral("7. Inne ulgi - rodzaj"), {0, y, kTitleW, 2 * H}, TCtl::Memo);
    s.box(26, {}, {kPX, y, kPW, H});
    s.box(27, {}, {kMX, y, kMW, H});
    y += 2 * H + 2;
    s.pairRow(y, QStringLiteral("Razem (suma kwot z poz. 13 do 27)"), 28, 29);
    s.group(b7, TPitOFrm::ptAttachment1);
    return s;
}

int donee(TOpisStrony& s, int y, int first, const QString& title)
{
    s.info(title, {0, y, W, 20});
    y += 22;
    s.box(first, QStringLiteral("Nazwa pełna"), {0, y, W, H}, TCtl::Text);
    y += H + 2;
    s.box(first + 1, QStringLiteral("Kraj"), {0, y, 300, H}, TCtl::Text);
    s.box(first + 2, QStringLiteral("Miejscowość"), {305, y, 400, H}, TCtl::Text);
    s.box(first + 3, QStringLiteral("Ulica"), {710, y, 470, H}, TCtl::Text);
    y += H + 2;
    s.box(first + 4, QStringLiteral("Nr domu"), {0, y, 130, H}, TCtl::Text);
    s.box(first + 5, QStringLiteral("Nr lokalu"), {135, y, 130, H}, TCtl::Text);
    s.box(first + 6, QStringLiteral("Kod pocztowy"), {270, y, 140, H}, TCtl::Text);
    s.box(first + 7, QStringLiteral("Poczta"), {415, y, 340, H}, TCtl::Text);
    s.box(first + 8, QStringLiteral("Kwota darowizny - podatnik"), {760, y, 205, H});
    s.box(first + 9, QStringLiteral("Kwota darowizny - małżonek"), {970, y, 210, H});
    return y + H + 4;
}

TOpisStrony page2()
{
    TOpisStrony s(QStringLiteral("Strona &2"), W);
    s.section(0, QStringLiteral("C. ODLICZENIA OD PODATKU"));
    int y = 24;
    s.pairHead(y);
    y += 24;
    s.pairRow(y, QStringLiteral("1. Kwota z decyzji o szkoleniu uczniów"), 30, 31);
    s.pairRow(y += H + 2, QStringLiteral("2. Składki na ubezpieczenie społeczne z umowy aktywizacyjnej"), 32, 33);
    const int c3 = int(s.items.size());
    y += H + 2;
    s.box(34, QStringLiteral("3. Ulga na dzieci - liczba dzieci"), {0, y, kTitleW, H}, TCtl::Spin, QStringLiteral("F34"));
    s.box(35, {}, {kPX, y, kPW, H});
    s.box(36, {}, {kMX, y, kMW, H});
    s.pairRow(y += H + 2, QStringLiteral("4. Ulga, o której mowa w art. 27g ustawy"), 37, 38);
    y += H + 2;
    s.box(39, QStringLiteral("5. Inne ulgi - rodzaj"), {0, y, kTitleW, 2 * H}, TCtl::Memo);
    s.box(40, {}, {kPX, y, kPW, H});
    s.box(41, {}, {kMX, y, kMW, H});
    y += 2 * H + 2;
    s.pairRow(y, QStringLiteral("Razem (suma kwot z poz. 30 do 41)"), 42, 43);
    s.group(0, TPitOFrm::ptAttachment1);
    s.group(c3, TPitOFrm::ptNotPit28, c3 + 3);

    s.section(y += H + 4, QStringLiteral("D. INFORMACJA O DAROWIZNACH PRZEKAZANYCH NA CELE POŻYTKU PUBLICZNEGO"));
    y = donee(s, y + 24, 44, QStringLiteral("D.1. DANE OBDAROWANEGO"));
    donee(s, y, 54, QStringLiteral("D.2. DANE OBDAROWANEGO"));
    return s;
}

const char* const kMonthShort[12] = {"I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX", "X", "XI", "XII"};

TOpisStrony page3()
{
    TOpisStrony s(QStringLiteral("Strona &3"), W);
    s.section(0, QStringLiteral("E. INFORMACJA O DZIECIACH (ulga na dzieci)"));
    int y = 24;
    for (int n = 1; n <= 5; ++n) {
        const QString d = QStringLiteral("D%1").arg(n);
        s.info(QStringLiteral("E.%1.").arg(n), {0, y, 40, 2 * H + 2});
        s.box(0, QStringLiteral("Numer PESEL"), {45, y, 200, H}, TCtl::Pesel, d + QStringLiteral("Pesel"));
        s.box(0, QStringLiteral("Imię"), {250, y, 280, H}, TCtl::Text, d + QStringLiteral("Imie"));
        s.box(0, QStringLiteral("Nazwisko"), {535, y, 400, H}, TCtl::Text, d + QStringLiteral("Nazwisko"));
        s.box(0, QStringLiteral("Data urodzenia"), {940, y, 240, H}, TCtl::Date, d + QStringLiteral("DataUr"));
        const int y2 = y + H + 2;
        for (int col = 5; col <= 6; ++col) {
            const int x = col == 5 ? 45 : 615;
            const int from = int(s.items.size());
            s.frame(0, col == 5 ? QStringLiteral("Podatnik - miesiące") : QStringLiteral("Małżonek - miesiące"),
                    {x, y2, 565, H});
            const QString base = d + QString::number(col);
            s.control(TCtl::Check, base + QStringLiteral("Caly"), QStringLiteral("cały rok albo"), {x + 6, y2 + 16, 110, 20});
            for (int m = 0; m < 12; ++m)
                s.control(TCtl::Check, base + u'_' + QString::number(m + 1), QString::fromLatin1(kMonthShort[m]),
                          {x + 120 + m * 37, y2 + 16, 37, 20});
            if (col == 6) s.group(from, TPitOFrm::ptSpouseMonths);
        }
        y = y2 + H + 8;
    }
    return s;
}

// Boxes with an itemised list; 17 and 18 open the rehabilitation expenses instead.
constexpr int kItemised[] = {13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 26, 27, 30, 31,
                             32, 33, 35, 36, 37, 38, 40, 41, 52, 53, 62, 63};

// "D3Imie" -> child 3, field "Imie"; "D25_4" -> child 2, "5_4".
bool childName(const QString& name, int* n, QString* field)
{
    if (name.size() < 3 || name[0] != u'D' || !name[1].isDigit()) return false;
    *n = name[1].digitValue();
    *field = name.mid(2);
    return *n >= 1 && *n <= 5;
}

}  // namespace

TPitOFrm::TPitOFrm(int podatId, int nrZal, QWidget* parent)
    : TDeklFrm(QStringLiteral("TPitOFrm"), parent), podatId_(podatId), nrZal_(nrZal)
{
    QVector<TOpisStrony> pages{page1(), page2(), page3()};
    build(&model_, &model_.Id(), pages);
}

void TPitOFrm::afterLoad()
{
    if (auto* l = qobject_cast<QLabel*>(named(QStringLiteral("FNrZal")))) l->setText(QString::number(model_.NrZal));
}

void TPitOFrm::extraVisibility()
{
    const bool first = model_.NrZal == 1;
    const bool notPit28 = model_.MainKind() != 28;
    showItems([](const TPoz& p) { return p.group == ptAttachment1; }, first);
    showItems([](const TPoz& p) { return p.group == ptNotPit28; }, first && notPit28);
    // The children's rows only for PIT-36 and PIT-37; the spouse's months only in joint mode.
    if (PageControl->count() > 2) PageControl->setTabVisible(2, notPit28);
    for (int n = 1; n <= 5; ++n) {
        for (int m = 0; m <= 12; ++m) {
            const QString name = QStringLiteral("D%1").arg(n) + u'6' + (m == 0 ? QStringLiteral("Caly") : u'_' + QString::number(m));
            if (QWidget* w = named(name)) w->setEnabled(model_.JointMode());
        }
    }
    // The spouse's donation amounts follow the spouse's column.
    for (int box : {53, 63})
        if (QWidget* w = boxControl(box)) w->setVisible(model_.JointMode());
}

QString TPitOFrm::otherText(const TPoz& p) const
{
    if (p.box > 0) return model_.Tekst(p.box);
    int n = 0;
    QString f;
    if (!childName(p.name, &n, &f)) return {};
    const TDziecko& d = model_.Dziecko(n);
    if (f == QLatin1String("Pesel")) return d.Pesel;
    if (f == QLatin1String("Imie")) return d.Imie;
    if (f == QLatin1String("Nazwisko")) return d.Nazwisko;
    if (f == QLatin1String("DataUr")) return d.DataUr.isValid() ? d.DataUr.toString(QStringLiteral("dd-MM-yyyy")) : QString();
    return {};
}

void TPitOFrm::otherTextExit(const TPoz& p, const QString& t)
{
    if (p.box > 0) {
        model_.SetTekst(p.box, t);
        return;
    }
    int n = 0;
    QString f;
    if (!childName(p.name, &n, &f)) return;
    TDziecko& d = model_.Dziecko(n);
    if (f == QLatin1String("Pesel")) model_.SetDzieckoPesel(n, t);
    else if (f == QLatin1String("Imie")) d.Imie = t;
    else if (f == QLatin1String("Nazwisko")) d.Nazwisko = t;
    else if (f == QLatin1String("DataUr")) d.DataUr = QDate::fromString(t, QStringLiteral("dd-MM-yyyy"));
}

const TFieldNote* TPitOFrm::otherNote(const TPoz& p) const
{
    int n = 0;
    QString f;
    if (p.box == 0 && childName(p.name, &n, &f) && f == QLatin1String("Pesel")) return &model_.Dziecko(n).PeselNote;
    return nullptr;
}

bool TPitOFrm::checkState(const QString& name) const
{
    int n = 0;
    QString f;
    if (!childName(name, &n, &f) || f.isEmpty()) return false;
    const int col = f[0] == u'6' ? 1 : 0;
    const TDziecko& d = model_.Dziecko(n);
    if (f.mid(1) == QLatin1String("Caly")) return d.Caly[col];
    const int m = f.mid(2).toInt();
    return m >= 1 && m <= 12 && d.Miesiace[col][m - 1];
}

void TPitOFrm::checkClicked(const QString& name, bool on)
{
    int n = 0;
    QString f;
    if (!childName(name, &n, &f) || f.isEmpty()) return;
    const int col = f[0] == u'6' ? 1 : 0;
    TDziecko& d = model_.Dziecko(n);
    if (f.mid(1) == QLatin1String("Caly")) {
        d.Caly[col] = on;
        return;
    }
    const int m = f.mid(2).toInt();
    if (m >= 1 && m <= 12) d.Miesiace[col][m - 1] = on;
}

bool TPitOFrm::hasItemButton(int box) const
{
    return std::find(std::begin(kItemised), std::end(kItemised), box) != std::end(kItemised);
}

void TPitOFrm::itemise(int box)
{
    const TBoxDef* d = model_.BoxDef(box);
    const int spouse = d && (d->flags & bfSpouse) ? 1 : 0;
    if (box == 17 || box == 18) {
        TOdlRehabFrm rehab(podatId_, RodzCode(spouse), this);
        if (rehab.exec() == QDialog::Accepted) putAmount(box, rehab.Total());
        return;
    }
    itemiseList(box, fkPitO, spouse, model_.NrZal);
}

bool TPitOFrm::enterPressed(QWidget* control)
{
    // Enter in an empty country of a donee means Poland.
    for (int box : {45, 55}) {
        if (control != boxControl(box)) continue;
        auto* e = qobject_cast<QLineEdit*>(control);
        if (!e || !e->text().trimmed().isEmpty()) return false;
        putText(e, QStringLiteral("Polska"));
        return true;
    }
    return false;
}

QString TPitOFrm::completionSource(const TPoz& p) const
{
    switch (p.box) {
    case 45: case 55: return QStringLiteral("Kraj");
    case 46: case 56: return QStringLiteral("Miasto");
    case 47: case 57: return QStringLiteral("Ulica");
    case 51: case 61: return QStringLiteral("Poczta");
    default: return TDeklFrm::completionSource(p);
    }
}
