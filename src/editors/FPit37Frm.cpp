#include "FPit37Frm.h"

#include "FBiuro.h"
#include "FDM.h"
#include "FOppFrm.h"
#include "Globals.h"
#include "KrataWidget.h"
#include "Messages.h"
#include "StalePit37.h"
#include "zz_EditCalc.h"

#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include <algorithm>
#include <array>

namespace {

constexpr int W = 1180;   // page width
constexpr int H = 40;     // height of a box frame

// The income table: a row title and five columns (revenue, costs, income, loss, advance).
constexpr int kTitleW = 330;
constexpr int kColX = 335;
constexpr int kColStep = 169;
constexpr int kColW = 164;

QRect cell(int col, int y) { return {kColX + col * kColStep, y, kColW, H}; }

// Moves the last item (a button of a box) right behind the box, so that Tab reaches it next.
void afterBox(TOpisStrony& s, int box)
{
    const TPoz last = s.items.takeLast();
    for (int i = 0; i < s.items.size(); ++i) {
        if (s.items[i].box == box) {
            s.items.insert(i + 1, last);
            return;
        }
    }
    s.items.push_back(last);
}

void incomeHead(TOpisStrony& s, int y)
{
    s.info(QStringLiteral("Źródła przychodów"), {0, y, kTitleW, 30});
    const char* heads[] = {"Przychód", "Koszty uzyskania przychodów", "Dochód\n(b - c)", "Strata\n(c - b)",
                           "Zaliczka pobrana przez płatnika"};
    for (int c = 0; c < 5; ++c) {
        const char letter = char('b' + c);
        s.info(QString::fromUtf8(heads[c]) + QStringLiteral(" (") + QChar(letter) + u')',
               {kColX + c * kColStep, y, kColW, 30});
    }
}

void incomeRow(TOpisStrony& s, int y, const QString& title, std::array<int, 5> boxes)
{
    s.info(title, {0, y, kTitleW, H});
    for (int c = 0; c < 5; ++c) {
        if (boxes[c] > 0) s.box(boxes[c], {}, cell(c, y));
        else s.info({}, cell(c, y));
    }
}

TOpisStrony page1()
{
    TOpisStrony s(QStringLiteral("Strona &1"), W);
    s.box(1, QStringLiteral("Identyfikator podatkowy NIP podatnika"), {0, 0, 300, H}, TCtl::Auto, QStringLiteral("FNip"));
    s.box(2, QStringLiteral("Identyfikator podatkowy NIP małżonka"), {305, 0, 300, H}, TCtl::Auto, QStringLiteral("FMNip"));
    s.info(QStringLiteral("PIT-37  ZEZNANIE O WYSOKOŚCI OSIĄGNIĘTEGO DOCHODU (PONIESIONEJ STRATY) W ROKU PODATKOWYM"),
           {0, 46, 1080, 34});
    s.box(0, QStringLiteral("Rok"), {1085, 46, 95, 34}, TCtl::Label, QStringLiteral("FRok"));

    s.frame(6, QStringLiteral("Sposób opodatkowania"), {0, 86, W, 62});
    s.control(TCtl::Check, QStringLiteral("F6_1"), QStringLiteral("1. indywidualnie"), {10, 102, 250, 20}, 6);
    s.control(TCtl::Check, QStringLiteral("F6_2"), QStringLiteral("2. wspólnie z małżonkiem, zgodnie z wnioskiem - art. 6 ust. 2 ustawy"),
              {270, 102, 560, 20}, 6);
    s.control(TCtl::Check, QStringLiteral("F6_3"),
              QStringLiteral("3. w sposób przewidziany w art. 6 ust. 2 i art. 6a ust. 5 ustawy (zmarły małżonek)"),
              {10, 124, 560, 20}, 6);
    s.control(TCtl::Check, QStringLiteral("F6_4"), QStringLiteral("4. w sposób przewidziany dla osób samotnie wychowujących dzieci"),
              {580, 124, 560, 20}, 6);
    s.frame(7, QStringLiteral("Zaznaczyć, jeżeli korzysta się z art. 29 ust. 4 ustawy"), {0, 152, W, H});
    s.control(TCtl::Check, QStringLiteral("F7"), QStringLiteral("7. podatnik"), {600, 168, 150, 20}, 7);
    s.control(TCtl::Check, QStringLiteral("F8"), QStringLiteral("8. małżonek"), {800, 168, 150, 20}, 8);
    s.spouse(int(s.items.size()) - 1);

    s.section(198, QStringLiteral("A. MIEJSCE I CEL SKŁADANIA ZEZNANIA"));
    s.box(9, QStringLiteral("Urząd skarbowy, do którego adresowane jest zeznanie"), {0, 222, 830, H}, TCtl::Combo,
          QStringLiteral("FUrzad"));
    s.control(TCtl::Button, QStringLiteral("UrzadBtn"), QStringLiteral("..."), {800, 237, 26, 22});
    s.frame(10, QStringLiteral("Cel złożenia formularza"), {835, 222, 345, H});
    s.control(TCtl::Check, QStringLiteral("F10_1"), QStringLiteral("1. złożenie zeznania"), {842, 238, 160, 20}, 10);
    s.control(TCtl::Check, QStringLiteral("F10_2"), QStringLiteral("2. korekta zeznania"), {1010, 238, 160, 20}, 10);

    s.section(268, QStringLiteral("B. DANE IDENTYFIKACYJNE I AKTUALNY ADRES ZAMIESZKANIA"));
    s.info(QStringLiteral("B.1. DANE PODATNIKA"), {0, 290, W, 20});
    int y = s.personRows(314, 11, stPodatnik);
    const int spouseFrom = int(s.items.size());
    s.info(QStringLiteral("B.2. DANE MAŁŻONKA"), {0, y, W, 22});
    s.control(TCtl::Button, QStringLiteral("WstawBtn"), QStringLiteral("&Wstaw dane podatnika"), {980, y + 1, 196, 20});
    s.personRows(y + 26, 25, stMalzonek);
    s.spouse(spouseFrom);
    return s;
}

TOpisStrony page2()
{
    TOpisStrony s(QStringLiteral("Strona &2"), W);
    s.section(0, QStringLiteral("C. DOCHODY / STRATY PODATNIKA I MAŁŻONKA"));
    const QString rows[] = {
        QStringLiteral("1. Wynagrodzenia ze stosunku: pracy, służbowego, spółdzielczego i z pracy nakładczej, zasiłki "
                       "pieniężne z ubezpieczenia społecznego wypłacone przez zakład pracy"),
        QStringLiteral("2. Emerytury - renty krajowe oraz inne świadczenia z art. 34 ust. 7 ustawy"),
        QStringLiteral("3. Działalność wykonywana osobiście (art. 13 ustawy)"),
        QStringLiteral("4. Prawa autorskie i inne prawa (art. 18 ustawy)"),
        QStringLiteral("5. Inne źródła"),
        QStringLiteral("6. Razem (suma kwot z wierszy 1 do 5)"),
    };
    const std::array<std::array<int, 5>, 6> p = {{{39, 40, 41, 42, 43}, {44, 0, 45, 0, 46}, {47, 48, 49, 50, 51},
                                                  {52, 53, 54, 55, 56}, {57, 58, 59, 60, 61}, {62, 63, 64, 0, 65}}};
    s.info(QStringLiteral("C.1. PODATNIK"), {0, 22, W, 20});
    incomeHead(s, 44);
    int y = 76;
    for (int r = 0; r < 6; ++r, y += H + 2) incomeRow(s, y, rows[r], p[r]);
    s.control(TCtl::Button, QStringLiteral("RxSpeedButton1"), QStringLiteral("\u25BE"), {cell(1, 76).right() - 42, 77, 22, 14});
    afterBox(s, 40);

    const int spouseFrom = int(s.items.size());
    s.info(QStringLiteral("C.2. MAŁŻONEK"), {0, y + 4, W, 20});
    incomeHead(s, y + 26);
    y += 58;
    const int spouseFirst = y;
    for (int r = 0; r < 6; ++r, y += H + 2) {
        std::array<int, 5> m = p[r];
        for (int& b : m) b = b ? b + 27 : 0;
        incomeRow(s, y, rows[r], m);
    }
    s.control(TCtl::Button, QStringLiteral("KosztyMalBtn"), QStringLiteral("\u25BE"),
              {cell(1, spouseFirst).right() - 42, spouseFirst + 1, 22, 14});
    afterBox(s, 67);
    s.spouse(spouseFrom);

    s.section(y + 4, QStringLiteral("D. ODLICZENIA OD DOCHODU"));
    y += 28;
    s.pairHead(y);
    y += 24;
    s.pairRow(y, QStringLiteral("Składki na ubezpieczenia społeczne"), 93, 94);
    s.pairRow(y += H + 2, QStringLiteral("w tym: składki zapłacone za granicą (art. 26 ust. 1 pkt 2a ustawy)"), 95, 96);
    s.pairRow(y += H + 2, QStringLiteral("Dochód po odliczeniu składek"), 97, 98);
    s.pairRow(y += H + 2, QStringLiteral("Odliczenia od dochodu - z PIT/O (część B)"), 99, 100);
    s.singleRow(y += H + 2, QStringLiteral("Ulga odsetkowa - z PIT/D (część B.1)"), 101);
    s.singleRow(y += H + 2, QStringLiteral("Wydatki mieszkaniowe (prawa nabyte) - z PIT/D (część B.3)"), 102);
    s.singleRow(y += H + 2, QStringLiteral("Wydatki mieszkaniowe odliczone w roku podatkowym"), 103);
    s.singleRow(y += H + 2, QStringLiteral("Wydatki mieszkaniowe do odliczenia w latach następnych"), 104);
    s.singleRow(y += H + 2, QStringLiteral("Dochód po odliczeniach"), 105);
    s.section(y += H + 4, QStringLiteral("E. OBLICZENIE PODATKU"));
    y += 24;
    s.singleRow(y, QStringLiteral("Podstawa obliczenia podatku (po zaokrągleniu do pełnych złotych)"), 106);
    s.singleRow(y += H + 2, QStringLiteral("Podatek od podstawy obliczenia (art. 27 ust. 1 ustawy)"), 107);
    s.singleRow(y += H + 2, QStringLiteral("Doliczenia do podatku"), 108);
    return s;
}

TOpisStrony page3()
{
    TOpisStrony s(QStringLiteral("Strona &3"), W);
    s.section(0, QStringLiteral("E. OBLICZENIE PODATKU (cd.)"));
    int y = 24;
    s.singleRow(y, QStringLiteral("Podatek (poz. 107 + poz. 108)"), 109);
    s.pairHead(y += H + 2);
    y += 24;
    s.pairRow(y, QStringLiteral("Składki na ubezpieczenie zdrowotne"), 110, 111);
    s.pairRow(y += H + 2, QStringLiteral("w tym: składki zapłacone za granicą (art. 27b ust. 1 pkt 2 ustawy)"), 112, 113);
    s.pairRow(y += H + 2, QStringLiteral("Odliczenia od podatku - z PIT/O (część C)"), 114, 115);
    s.singleRow(y += H + 2, QStringLiteral("Podatek po odliczeniach"), 116);
    s.singleRow(y += H + 2, QStringLiteral("Ulgi mieszkaniowe (prawa nabyte) - z PIT/D (część C.2)"), 117);
    s.singleRow(y += H + 2, QStringLiteral("Ulgi mieszkaniowe odliczone w roku podatkowym"), 118);
    s.singleRow(y += H + 2, QStringLiteral("Ulgi mieszkaniowe do odliczenia w latach następnych"), 119);
    s.singleRow(y += H + 2, QStringLiteral("PODATEK NALEŻNY (po zaokrągleniu do pełnych złotych)"), 120);
    s.section(y += H + 4, QStringLiteral("F. OBLICZENIE ZOBOWIĄZANIA PODATKOWEGO"));
    y += 24;
    s.singleRow(y, QStringLiteral("Suma zaliczek pobranych przez płatników"), 121);
    s.singleRow(y += H + 2, QStringLiteral("DO ZAPŁATY"), 122);
    s.singleRow(y += H + 2, QStringLiteral("NADPŁATA"), 123);

    s.section(y += H + 4, QStringLiteral("G. WNIOSEK O PRZEKAZANIE 1% PODATKU NALEŻNEGO NA RZECZ ORGANIZACJI POŻYTKU PUBLICZNEGO (OPP)"));
    y += 24;
    s.box(124, QStringLiteral("Nazwa OPP"), {0, y, 640, H}, TCtl::Text, QStringLiteral("FNazwaOPP"));
    s.control(TCtl::Button, QStringLiteral("OppBtn"), QStringLiteral("..."), {610, y + 15, 26, 22});
    s.box(125, QStringLiteral("Numer KRS"), {645, y, 250, H}, TCtl::Text, QStringLiteral("FNumerOPP"));
    s.box(126, QStringLiteral("Wnioskowana kwota"), {900, y, 280, H});
    s.control(TCtl::Button, QStringLiteral("WstawPozytekBtn"), QStringLiteral("\u00BB"), {1150, y + 1, 26, 14});

    s.section(y += H + 4, QStringLiteral("H. INFORMACJE UZUPEŁNIAJĄCE"));
    y += 24;
    s.box(127, QStringLiteral("Informacje uzupełniające (np. telefon, e-mail)"), {0, y, 580, H}, TCtl::Text);
    s.box(128, QStringLiteral("Cel szczegółowy 1%"), {585, y, 595, H}, TCtl::Text);
    y += H + 2;
    s.frame(129, QStringLiteral("Zgoda na przekazanie OPP danych podatnika (imię, nazwisko, adres)"), {0, y, W, H});
    s.control(TCtl::Check, QStringLiteral("F129"), QStringLiteral("wyrażam zgodę"), {600, y + 16, 200, 20}, 129);

    s.section(y += H + 4, QStringLiteral("I. INFORMACJA O ZAŁĄCZNIKACH"));
    y += 24;
    const char* att[] = {"Liczba załączników PIT/O", "Liczba załączników PIT/D", "Liczba załączników PIT-2K",
                         "Liczba formularzy NIP-3"};
    for (int i = 0; i < 4; ++i) s.box(130 + i, QString::fromUtf8(att[i]), {i * 236, y, 231, H}, TCtl::Label);
    s.box(134, QStringLiteral("Certyfikaty rezydencji"), {944, y, 236, H}, TCtl::Spin, QStringLiteral("FCertyfikat"));

    s.section(y += H + 4, QStringLiteral("J. INFORMACJA O ZAŁĄCZNIKU PIT/D DOŁĄCZONYM DO INNEGO ZEZNANIA"));
    y += 24;
    s.frame(135, QStringLiteral("Załącznik PIT/D dołączono do zeznania"), {0, y, 580, H});
    s.control(TCtl::Check, QStringLiteral("F135_1"), QStringLiteral("1. podatnika"), {300, y + 16, 120, 20}, 135);
    s.control(TCtl::Check, QStringLiteral("F135_2"), QStringLiteral("2. małżonka"), {430, y + 16, 120, 20}, 135);
    s.frame(136, QStringLiteral("Rodzaj zeznania"), {585, y, 595, H});
    s.control(TCtl::Check, QStringLiteral("F136_1"), QStringLiteral("1. PIT-28"), {740, y + 16, 120, 20}, 136);
    s.control(TCtl::Check, QStringLiteral("F136_2"), QStringLiteral("2. PIT-36"), {880, y + 16, 120, 20}, 136);
    s.control(TCtl::Check, QStringLiteral("F136_3"), QStringLiteral("3. PIT-37"), {1020, y + 16, 120, 20}, 136);
    y += H + 2;
    s.box(137, QStringLiteral("NIP, imię i nazwisko małżonka oraz urząd skarbowy, w którym złożono PIT/D"), {0, y, W, 70},
          TCtl::Memo);
    s.section(y += 74, QStringLiteral("K. PODPIS PODATNIKA (PEŁNOMOCNIKA)"));
    y += 24;
    s.box(140, QStringLiteral("Imię i nazwisko pełnomocnika"), {0, y, 700, H}, TCtl::Text, QStringLiteral("FPelnomocnik"));
    s.control(TCtl::Button, QStringLiteral("PelnomocnikBtn"), QStringLiteral("\u00BB"), {670, y + 15, 26, 22});
    return s;
}

// Boxes with an itemised list (those with a description for the list).
constexpr int kItemised[] = {39, 40, 43, 44, 46, 47, 48, 51, 52, 53, 56, 57, 58, 61, 66, 67, 70,
                             71, 73, 74, 75, 78, 79, 80, 83, 84, 85, 88, 93, 94, 108, 110, 111};
// Advance boxes typed in whole zloty.
constexpr int kWhole[] = {43, 46, 51, 56, 61, 70, 73, 78, 83, 88};
constexpr int kCapped[] = {93, 94, 101, 110, 111};

template <class C>
bool has(const C& c, int v)
{
    return std::find(std::begin(c), std::end(c), v) != std::end(c);
}

}  // namespace

std::function<bool(QWidget*)>& TPit37Frm::OfficeList()
{
    static std::function<bool(QWidget*)> f;
    return f;
}

QString TPit37Frm::ModeChangeMessage()
{
    return QStringLiteral("Zmiany sposobu opodatkowania można dokonać\rw parametrach zestawu formularzy podatkowych,\r"
                          "ponieważ dotyczy ona nie tylko bieżącej deklaracji,\rale również dozwolonych załączników.");
}

QStringList TPit37Frm::CostCaptions()
{
    using namespace StalePit37Koszty;
    const QString fmt;   // the currency format
    return {QStringLiteral("Pracownik miejscowy - koszty standardowe -") + FormatDisplayAmount(kMiejscowe, fmt),
            QStringLiteral("Pracownik miejscowy - koszty podwyższone -") + FormatDisplayAmount(kMiejscowePodwyzszone, fmt),
            QStringLiteral("Pracownik dojeżdżający - koszty standardowe -") + FormatDisplayAmount(kDojezdzajace, fmt),
            QStringLiteral("Pracownik dojeżdżający - koszty podwyższone -")
                + FormatDisplayAmount(kDojezdzajacePodwyzszone, fmt)};
}

TPit37Frm::TPit37Frm(int podatId, QWidget* parent) : TDeklFrm(QStringLiteral("TPit37Frm"), parent), podatId_(podatId)
{
    build(&model_, &model_.Id(), {page1(), page2(), page3()});

    FUrzad = qobject_cast<QComboBox*>(named(QStringLiteral("FUrzad")));
    UrzadBtn = qobject_cast<QPushButton*>(named(QStringLiteral("UrzadBtn")));
    OppBtn = qobject_cast<QPushButton*>(named(QStringLiteral("OppBtn")));
    WstawPozytekBtn = qobject_cast<QPushButton*>(named(QStringLiteral("WstawPozytekBtn")));
    PelnomocnikBtn = qobject_cast<QPushButton*>(named(QStringLiteral("PelnomocnikBtn")));
    WstawBtn = qobject_cast<QPushButton*>(named(QStringLiteral("WstawBtn")));
    RxSpeedButton1 = costsButton(40, QStringLiteral("RxSpeedButton1"));
    KosztyMalBtn = costsButton(67, QStringLiteral("KosztyMalBtn"));

    UrzadBtn->setToolTip(QStringLiteral("Urzędy skarbowe"));
    OppBtn->setToolTip(QStringLiteral("Organizacje Pożytku Publicznego (OPP)"));
    WstawPozytekBtn->setToolTip(QStringLiteral("Wstaw 1% kwoty należnego podatku"));
    PelnomocnikBtn->setToolTip(QStringLiteral("Wprowadź imię i nazwisko pełnomocnika"));
    connect(UrzadBtn, &QPushButton::clicked, this, &TPit37Frm::UrzadBtnClick);
    connect(OppBtn, &QPushButton::clicked, this, &TPit37Frm::OppBtnClick);
    connect(WstawPozytekBtn, &QPushButton::clicked, this, &TPit37Frm::WstawPozytekBtnClick);
    connect(PelnomocnikBtn, &QPushButton::clicked, this, &TPit37Frm::PelnomocnikBtnClick);

    auto* menu = new QMenu(WstawBtn);
    menu->setObjectName(QStringLiteral("MalzonekMnu"));
    menu->addAction(QStringLiteral("Wprowadź nazwisko małżonka = nazwisko podatnika"), this, &TPit37Frm::CopySurnameToSpouse);
    menu->addAction(QStringLiteral("Wprowadź adres zamieszkania małżonka = adres zamieszkania podatnika"), this,
                    &TPit37Frm::CopyAddressToSpouse);
    WstawBtn->setMenu(menu);

    // The mode is set in the taxpayer's set of forms, not here.
    for (const char* n : {"b6", "b7"})
        if (auto* f = findChild<TKrataWidget*>(QString::fromLatin1(n))) showWarningOnClick(f, ModeChangeMessage());
    for (int k = 1; k <= 4; ++k) {
        if (QWidget* sq = named(QStringLiteral("F6_%1").arg(k))) {
            sq->setEnabled(false);
            sq->setFocusPolicy(Qt::NoFocus);
        }
    }
    if (auto* rok = named(QStringLiteral("FRok"))) qobject_cast<QLabel*>(rok)->setText(QStringLiteral("2008"));
}

QPushButton* TPit37Frm::costsButton(int box, const QString& name)
{
    auto* b = qobject_cast<QPushButton*>(named(name));
    auto* menu = new QMenu(b);
    using namespace StalePit37Koszty;
    const Amount amounts[] = {kMiejscowe, kMiejscowePodwyzszone, kDojezdzajace, kDojezdzajacePodwyzszone};
    const QStringList captions = CostCaptions();
    for (int i = 0; i < 4; ++i) {
        const Amount a = amounts[i];
        QAction* act = menu->addAction(captions[i], this, [this, box, a] {
            putAmount(box, a);
            if (QWidget* w = boxControl(box)) w->setFocus();
        });
        act->setObjectName(QStringLiteral("%1Item%2").arg(name).arg(i + 1));
    }
    b->setMenu(menu);
    b->setToolTip(QStringLiteral("Koszty uzyskania przychodów"));
    return b;
}

bool TPit37Frm::loadModel() { return model_.Load(podatId_); }
bool TPit37Frm::saveModel() { return model_.Save(); }

QString TPit37Frm::caption() const
{
    const TOsoba& o = model_.Id().osoba(stPodatnik);
    return DeclarationCaption(QStringLiteral("PIT-37"), o[idNazwisko].trimmed(), o[idImie].trimmed(), model_.GetSposob());
}

void TPit37Frm::afterLoad()
{
    fillOffices();
    const bool joint = model_.IsJoint();
    KosztyMalBtn->setVisible(joint);
    WstawBtn->setVisible(joint);
}

void TPit37Frm::fillOffices()
{
    offices_ = {QStringLiteral(" =0")};
    QStringList names{QString()};
    TTable* t = DM()->Urzedy;
    t->ensureOpen();
    const auto rows = t->select(QStringLiteral("1=1"), {}, {QStringLiteral("Nazwa"), QStringLiteral("UrzadId")});
    for (const auto& r : rows) {
        const QString name = r.value(0).toString();
        if (name.trimmed().isEmpty()) continue;
        names << name;
        offices_ << name + u'=' + r.value(1).toString();
    }
    const QSignalBlocker b(FUrzad);
    FUrzad->clear();
    FUrzad->addItems(names);
    const int k = FUrzad->findText(model_.Urzad);
    FUrzad->setCurrentIndex(k < 0 ? 0 : k);
}

bool TPit37Frm::boxEditable(int box) const
{
    if (box == 101 || box == 102 || box == 117) return model_.MayTypePitDBoxes();
    return true;
}

TAmountStyle TPit37Frm::amountStyle(int box) const
{
    if (has(kCapped, box) || box == 112 || box == 113) return TAmountStyle::Capped;
    if (has(kWhole, box)) return TAmountStyle::Whole;
    if (box == 44) return TAmountStyle::Checked;
    return TAmountStyle::Plain;
}

bool TPit37Frm::cappedBox(int box) const { return has(kCapped, box); }

Amount TPit37Frm::upperLimit(int box) const
{
    const auto whole109 = [this] { return Amount::zloty(model_.GetPole(109).wholeZloty()); };
    const auto floor0 = [](Amount a) { return a.isNegative() ? Amount() : a; };
    switch (box) {
    case 93: return model_.GetPole(64);
    case 94: return model_.GetPole(91);
    case 101: return model_.PossibleDeduction101();
    case 110: return model_.IsJoint() ? floor0(whole109() - model_.GetPole(111)) : model_.GetPole(109);
    case 111: return model_.IsJoint() ? floor0(whole109() - model_.GetPole(110)) : Amount();
    default: return Amount();
    }
}

QString TPit37Frm::labelText(int box) const
{
    if (box >= 130 && box <= 133) return model_.GetDruk(box) ? QString::number(model_.GetPole(box).wholeZloty()) : QString();
    return TDeklFrm::labelText(box);
}

QString TPit37Frm::otherText(const TPoz& p) const
{
    switch (p.box) {
    case 9: return model_.Urzad;
    case 124: return model_.NazwaOPP;
    case 125: return model_.NumerOPP;
    case 127: return model_.P127;
    case 128: return model_.P128;
    case 137: return model_.P137.join(u'\n');
    case 140: return model_.Pelnomocnik;
    default: return {};
    }
}

void TPit37Frm::otherTextExit(const TPoz& p, const QString& t)
{
    switch (p.box) {
    case 9: model_.SetUrzad(t); break;
    case 124: model_.NazwaOPP = t; break;
    case 125: model_.NumerOPP = t; break;
    case 127: model_.P127 = t; break;
    case 128: model_.P128 = t; break;
    case 137: model_.P137 = t.isEmpty() ? QStringList() : t.split(u'\n'); break;
    case 140: model_.Pelnomocnik = t; break;
    default: break;
    }
}

bool TPit37Frm::checkState(const QString& n) const
{
    if (n.startsWith(QLatin1String("F6_"))) return model_.GetSposob() == n.mid(3).toInt() - 1;
    if (n == QLatin1String("F7")) return model_.P7;
    if (n == QLatin1String("F8")) return model_.GetP8();
    if (n.startsWith(QLatin1String("F10_"))) return model_.GetCel(n.mid(4).toInt());
    if (n == QLatin1String("F129")) return model_.P129;
    if (n.startsWith(QLatin1String("F135_"))) return model_.GetPit135(n.mid(5).toInt());
    if (n.startsWith(QLatin1String("F136_"))) return model_.GetPit136(n.mid(5).toInt());
    return false;
}

void TPit37Frm::checkClicked(const QString& n, bool on)
{
    if (n == QLatin1String("F7")) model_.P7 = on;
    else if (n == QLatin1String("F8")) model_.SetP8(on);
    else if (n == QLatin1String("F10_1")) model_.SetCel(1, on), model_.SetCel(2, !on);
    else if (n == QLatin1String("F10_2")) model_.SetCel(2, on), model_.SetCel(1, !on);
    else if (n == QLatin1String("F129")) model_.P129 = on;
    else if (n.startsWith(QLatin1String("F135_"))) model_.SetPit135(n.mid(5).toInt(), on);
    else if (n.startsWith(QLatin1String("F136_"))) model_.SetPit136(n.mid(5).toInt(), on);
}

bool TPit37Frm::hasItemButton(int box) const { return has(kItemised, box); }

void TPit37Frm::itemise(int box) { itemiseList(box, fkPit37, 0, 1); }

// ---- buttons -----------------------------------------------------------------------------------

void TPit37Frm::UrzadBtnClick()
{
    const int current = model_.GetUrzadId();
    if (!OfficeList() || !OfficeList()(this)) return;
    // Only the office list is read again; the form keeps everything typed.
    fillOffices();
    const QString name = current > 0 ? DM()->TaxOfficeName(current) : QString();
    const int k = FUrzad->findText(name);
    FUrzad->setCurrentIndex(k < 0 ? 0 : k);
    model_.SetUrzad(FUrzad->currentText());
}

void TPit37Frm::OppBtnClick()
{
    TOppFrm picker(this);
    if (picker.exec() != QDialog::Accepted) return;
    putText(named(QStringLiteral("FNazwaOPP")), picker.nazwa());
    putText(named(QStringLiteral("FNumerOPP")), picker.krs());
    if (QWidget* w = boxControl(126)) w->setFocus();
}

void TPit37Frm::WstawPozytekBtnClick() { putAmount(126, OnePercentLimit(model_.GetPole(120))); }

void TPit37Frm::PelnomocnikBtnClick()
{
    TBiuro biuro;
    biuro.Load();
    model_.Pelnomocnik = biuro.RepImie.trimmed() + u' ' + biuro.RepNazwisko.trimmed();
    refreshTexts();
    if (QWidget* w = named(QStringLiteral("FPelnomocnik"))) w->setFocus();
}

void TPit37Frm::CopySurnameToSpouse()
{
    putText(named(QStringLiteral("FMNazwisko")), model_.Text(11));
}

void TPit37Frm::CopyAddressToSpouse()
{
    // Country .. post office, each as if typed and left, so that completion and notes follow.
    for (int box = 15; box <= 24; ++box) putText(boxControl(box + 14), model_.Text(box));
}
