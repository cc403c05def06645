#include "FPitDFrm.h"

#include "Globals.h"

#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace {

constexpr int W = 1180;
constexpr int H = 40;

TOpisStrony page1()
{
    TOpisStrony s(QStringLiteral("Strona &1"), W);
    s.box(1, QStringLiteral("Identyfikator podatkowy NIP podatnika"), {0, 0, 300, H}, TCtl::Auto, QStringLiteral("FNip"));
    s.box(2, QStringLiteral("Identyfikator podatkowy NIP małżonka"), {305, 0, 300, H}, TCtl::Auto, QStringLiteral("FMNip"));
    s.info(QStringLiteral("PIT/D  INFORMACJA O WYDATKACH MIESZKANIOWYCH"), {0, 46, 1080, 34});
    s.box(0, QStringLiteral("Rok"), {1085, 46, 95, 34}, TCtl::Label, QStringLiteral("FRok"));
    s.section(86, QStringLiteral("A. DANE IDENTYFIKACYJNE I AKTUALNY ADRES ZAMIESZKANIA"));
    s.info(QStringLiteral("A.1. DANE PODATNIKA"), {0, 108, W, 20});
    int y = s.personRows(130, 4, stPodatnik);
    s.info(QStringLiteral("A.2. DANE MAŁŻONKA"), {0, y, W, 22});
    s.control(TCtl::Button, QStringLiteral("WstawBtn"), QStringLiteral("&Wstaw dane podatnika"), {980, y + 1, 196, 20});
    s.personRows(y + 26, 18, stMalzonek);
    return s;
}

void pair(TOpisStrony& s, int y, const QString& title, int p, int m)
{
    s.pairRow(y, title, p, m);
    // The split boxes carry the person in their title.
    s.items[s.items.size() - 2].title = QStringLiteral("podatnik");
    s.items.last().title = QStringLiteral("małżonek");
}

TOpisStrony page2()
{
    TOpisStrony s(QStringLiteral("Strona &2"), W);
    s.section(0, QStringLiteral("B. ODLICZENIA OD DOCHODU"));
    int y = 24;
    s.info(QStringLiteral("B.1. ULGA ODSETKOWA"), {0, y, W, 20});
    s.singleRow(y += 22, QStringLiteral("Kwota odsetek podlegająca odliczeniu w roku podatkowym"), 32);
    s.singleRow(y += H + 2, QStringLiteral("Kwota odsetek odliczona od przychodu w zeznaniu PIT-28"), 33);
    s.singleRow(y += H + 2, QStringLiteral("Kwota odsetek do odliczenia od dochodu w zeznaniu PIT-36 lub PIT-37"), 34);
    pair(s, y += H + 2, QStringLiteral("B.1.1. Podział kwoty z poz. 33 między małżonków"), 35, 36);
    pair(s, y += H + 2, QStringLiteral("B.1.2. Podział kwoty z poz. 34 między małżonków"), 37, 38);
    s.info(QStringLiteral("B.2. WYDATKI MIESZKANIOWE"), {0, y += H + 4, W, 20});
    y += 22;
    s.box(39, QStringLiteral("Rodzaj wydatku"), {0, y, 560, 2 * H + 2}, TCtl::Memo);
    s.box(40, QStringLiteral("Wydatki poniesione w roku podatkowym"), {565, y, 615, H});
    s.box(41, QStringLiteral("Odliczenia nieodliczone w latach ubiegłych"), {565, y + H + 2, 615, H});
    s.info(QStringLiteral("B.3. WYDATKI MIESZKANIOWE (prawa nabyte)"), {0, y += 2 * H + 6, W, 20});
    s.singleRow(y += 22, QStringLiteral("Kwota wydatków do odliczenia w roku podatkowym (poz. 40 + poz. 41)"), 42);
    s.singleRow(y += H + 2, QStringLiteral("Kwota odliczona od przychodu w zeznaniu PIT-28"), 43);
    s.control(TCtl::Button, QStringLiteral("WstawOdliczBtn"), QStringLiteral("\u00BB"), {817, y + 1, 26, 14});
    s.singleRow(y += H + 2, QStringLiteral("Kwota do odliczenia od dochodu w zeznaniu PIT-36 lub PIT-37"), 44);
    pair(s, y += H + 2, QStringLiteral("B.3.1. Podział kwoty z poz. 43 między małżonków"), 45, 46);
    pair(s, y += H + 2, QStringLiteral("B.3.2. Podział kwoty z poz. 44 między małżonków"), 47, 48);

    s.section(y += H + 4, QStringLiteral("C. ODLICZENIA OD PODATKU (kasa mieszkaniowa)"));
    s.singleRow(y += 24, QStringLiteral("30% wydatków poniesionych na systematyczne gromadzenie oszczędności"), 49);
    s.singleRow(y += H + 2, QStringLiteral("Odliczenia nieodliczone w latach ubiegłych"), 50);
    s.singleRow(y += H + 2, QStringLiteral("Kwota do odliczenia w roku podatkowym (poz. 49 + poz. 50)"), 51);
    s.singleRow(y += H + 2, QStringLiteral("Kwota odliczona od podatku w zeznaniu PIT-28"), 52);
    s.control(TCtl::Button, QStringLiteral("Wstaw48Btn"), QStringLiteral("\u00BB"), {817, y + 1, 26, 14});
    s.singleRow(y += H + 2, QStringLiteral("Kwota do odliczenia od podatku w zeznaniu PIT-36 lub PIT-37"), 53);
    pair(s, y += H + 2, QStringLiteral("C.2.1. Podział kwoty z poz. 52 między małżonków"), 54, 55);
    pair(s, y += H + 2, QStringLiteral("C.2.2. Podział kwoty z poz. 53 między małżonków"), 56, 57);
    return s;
}

}  // namespace

TPitDFrm::TPitDFrm(TPitD& model, QWidget* parent) : TDeklFrm(QStringLiteral("TPitDFrm"), parent), model_(&model)
{
    init();
}

TPitDFrm::TPitDFrm(int podatId, int kind, QWidget* parent)
    : TDeklFrm(QStringLiteral("TPitDFrm"), parent), own_(std::make_unique<TPitD>()), model_(own_.get()), kind_(kind)
{
    model_->PodatId = podatId;
    init();
}

void TPitDFrm::init()
{
    build(model_, &model_->Id(), {page1(), page2()});
    WstawBtn = qobject_cast<QPushButton*>(named(QStringLiteral("WstawBtn")));
    WstawOdliczBtn = qobject_cast<QPushButton*>(named(QStringLiteral("WstawOdliczBtn")));
    Wstaw48Btn = qobject_cast<QPushButton*>(named(QStringLiteral("Wstaw48Btn")));
    WstawOdliczBtn->setToolTip(QStringLiteral("Wstaw kwotę z poz.42"));
    Wstaw48Btn->setToolTip(QStringLiteral("Wstaw kwotę z poz. 51"));
    connect(WstawOdliczBtn, &QPushButton::clicked, this, [this] { putAmount(43, model_->GetPole(42)); });
    connect(Wstaw48Btn, &QPushButton::clicked, this, [this] { putAmount(52, model_->GetPole(51)); });
    auto* menu = new QMenu(WstawBtn);
    menu->addAction(QStringLiteral("Ustaw nazwisko małżonka = nazwisko podatnika"), this, &TPitDFrm::CopySurnameToSpouse);
    menu->addAction(QStringLiteral("Ustaw adres zamieszkania małżonka = adres zamieszkania podatnika"), this,
                    &TPitDFrm::CopyAddressToSpouse);
    WstawBtn->setMenu(menu);
    if (auto* rok = qobject_cast<QLabel*>(named(QStringLiteral("FRok")))) rok->setText(QStringLiteral("2008"));
}

bool TPitDFrm::loadModel()
{
    if (!own_) return true;   // the caller loaded it
    return model_->Load(model_->PodatId, kind_);
}

void TPitDFrm::afterLoad() {}

QString TPitDFrm::otherText(const TPoz& p) const { return p.box == 39 ? model_->P39 : QString(); }

void TPitDFrm::otherTextExit(const TPoz& p, const QString& t)
{
    if (p.box == 39) model_->P39 = t;
}

void TPitDFrm::CopySurnameToSpouse() { putText(boxControl(18), model_->Id().Text(4)); }

void TPitDFrm::CopyAddressToSpouse()
{
    for (int box = 8; box <= 17; ++box) putText(boxControl(box + 14), model_->Id().Text(box));
}
