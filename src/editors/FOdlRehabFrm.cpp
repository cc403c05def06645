#include "FOdlRehabFrm.h"

#include "BoxWidgets.h"
#include "Globals.h"
#include "zz_EditCalc.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char* const kMonths[12] = {"styczeń", "luty", "marzec", "kwiecień", "maj", "czerwiec",
                                 "lipiec", "sierpień", "wrzesień", "październik", "listopad", "grudzień"};
const char* const kLimited[3] = {
    "opłacenie przewodników osób niewidomych zaliczonych do I lub II grupy inwalidztwa oraz osób z "
    "niepełnosprawnością narządu ruchu zaliczonych do I grupy inwalidztwa",
    "utrzymanie psa asystującego",
    "używanie samochodu osobowego na potrzeby związane z koniecznym przewozem na zabiegi rehabilitacyjne",
};

}  // namespace

TOdlRehabFrm::TOdlRehabFrm(int podatId, const QString& rodz, QWidget* parent)
    : QDialog(parent), podatId_(podatId), rodz_(rodz)
{
    setObjectName(QStringLiteral("TOdlRehabFrm"));
    setWindowTitle(QStringLiteral("Wydatki na cele rehabilitacyjne - ")
                   + (rodz == QLatin1String("M") ? QStringLiteral("małżonek") : QStringLiteral("podatnik")));
    rehab_.Load(podatId, rodz);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    int row = 0;
    auto head = [&](const QString& text) {
        auto* l = new QLabel(QStringLiteral("<b>") + text + QStringLiteral("</b>"), this);
        grid->addWidget(l, row++, 0, 1, 3);
    };
    auto amount = [&](int i) {
        auto* e = new TGSkEditCalc(this);
        e->setObjectName(QStringLiteral("P%1").arg(i + 1));
        e->setDisplayFormat(QStringLiteral("#,##0.00"));
        e->setCheckOptions({coCheckOnExit});
        e->setMinimumWidth(120);
        Kwota[i] = e;
        connect(e, &TGSkEditCalc::exited, this, [this, i] {
            rehab_.P[i] = RoundAmount(2, Kwota[i]->ValueReal());
            recompute();
        });
        return e;
    };
    auto part = [&](int i) {
        auto* l = new QLabel(this);
        l->setObjectName(QStringLiteral("Odlicz%1").arg(i + 1));
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        l->setMinimumWidth(110);
        Odlicz[i] = l;
        return l;
    };
    head(QStringLiteral("Leki (kwota przekraczająca 100 zł w miesiącu)"));
    for (int m = 0; m < 12; ++m) {
        auto* l = new QLabel(QString::fromUtf8(kMonths[m]), this);
        auto* e = amount(m);
        l->setBuddy(e);
        grid->addWidget(l, row, 0);
        grid->addWidget(e, row, 1);
        grid->addWidget(part(m), row++, 2);
    }
    head(QStringLiteral("Wydatki w kwocie nieprzekraczającej 2 280 zł"));
    for (int k = 0; k < 3; ++k) {
        auto* l = new QLabel(QString::fromUtf8(kLimited[k]), this);
        l->setWordWrap(true);
        l->setMaximumWidth(420);
        grid->addWidget(l, row, 0);
        grid->addWidget(amount(12 + k), row, 1);
        grid->addWidget(part(12 + k), row++, 2);
    }
    head(QStringLiteral("Inne wydatki (w pełnej wysokości) - rodzaj"));
    for (int k = 0; k < 3; ++k) {
        Ed[k] = new QLineEdit(this);
        Ed[k]->setObjectName(QStringLiteral("Ed%1").arg(k + 1));
        Ed[k]->setMaxLength(50);
        Ed[k]->setText(rehab_.Ed[k]);
        grid->addWidget(Ed[k], row, 0);
        grid->addWidget(amount(15 + k), row++, 1);
        Odlicz[15 + k] = nullptr;
    }
    SumaLbl = new QLabel(this);
    SumaLbl->setObjectName(QStringLiteral("SumaLbl"));
    SumaLbl->setAlignment(Qt::AlignRight);
    grid->addWidget(new QLabel(QStringLiteral("<b>Razem kwota odliczenia</b>"), this), row, 0);
    grid->addWidget(SumaLbl, row++, 1, 1, 2);

    for (int i = 0; i < TOdlRehab::kAmounts; ++i) {
        if (rehab_.P[i].isZero()) Kwota[i]->setIsEmpty(true);
        else Kwota[i]->setValue(rehab_.P[i]);
    }

    QHBoxLayout* buttons = SaveCancelRow(this, ZapiszBtn, AnulujBtn, QStringLiteral("&Zapisz"), QStringLiteral("&Anuluj"));
    ZapiszBtn->setAutoDefault(false);
    AnulujBtn->setAutoDefault(false);
    connect(ZapiszBtn, &QPushButton::clicked, this, &TOdlRehabFrm::ZapiszBtnClick);
    auto* lay = new QVBoxLayout(this);
    lay->addLayout(grid);
    lay->addLayout(buttons);
    recompute();
}

void TOdlRehabFrm::recompute()
{
    for (int i = 0; i < 15; ++i)
        Odlicz[i]->setText(rehab_.P[i].isPositive() ? FormatAmount(rehab_.Deductible(i + 1)) : QString());
    SumaLbl->setText(FormatDisplayAmount(rehab_.Total(), QString()));
}

void TOdlRehabFrm::ZapiszBtnClick()
{
    // What is typed in the current box counts even when Alt+Z did not move the focus.
    for (int i = 0; i < TOdlRehab::kAmounts; ++i) rehab_.P[i] = RoundAmount(2, Kwota[i]->ValueReal());
    for (int k = 0; k < 3; ++k) rehab_.Ed[k] = Ed[k]->text();
    rehab_.Save(podatId_, rodz_);
    recompute();
    accept();
}
