#include "FPit37_1Prev.h"

#include "Config.h"
#include "FPit37.h"
#include "FPit37Prev.h"

namespace {

constexpr TPrev TB = TPrev::TextBox;

// The identification and address of one person; `first` is the number of the surname box
// (11 taxpayer, 25 spouse), `y` the top of the block.
void addPerson(TPrevItems& t, double y, int first, const char* heading)
{
    auto cap = [first](int k, const char* title) {
        return QStringLiteral("%1. ").arg(first + k) + QString::fromUtf8(title);
    };
    auto name = [first](int k) { return QStringLiteral("F%1").arg(first + k); };
    t.push_back(PHead(6, y, 190, 5, heading, 7));
    t.push_back(PHead(6, y + 5, 190, 3.5, "Dane identyfikacyjne", 6));
    y += 8.5;
    t.push_back(PBox(TB, name(0), 6, y, 58, 10, cap(0, "Nazwisko")));
    t.push_back(PBox(TB, name(1), 64, y, 44, 10, cap(1, "Pierwsze imię")));
    t.push_back(PBox(TB, QStringLiteral("b%1").arg(first + 2), 108, y, 48, 10,
                     cap(2, "Data urodzenia (dzień - miesiąc - rok)")));
    t.push_back(PBox(TPrev::Date, name(2), 110, y + 4.3, 44, 5, {}));
    t.push_back(PBox(TB, QStringLiteral("b%1").arg(first + 3), 156, y, 40, 10, cap(3, "Numer PESEL")));
    t.push_back({TPrev::Digits, 158, y + 4.3, 36, 5, name(3), {}, 0, pfNone, 11});
    y += 10;
    t.push_back(PHead(6, y, 190, 3.5, "Adres zamieszkania", 6));
    y += 3.5;
    t.push_back(PBox(TB, name(4), 6, y, 44, 9, cap(4, "Kraj")));
    t.push_back(PBox(TB, name(5), 50, y, 64, 9, cap(5, "Województwo")));
    t.push_back(PBox(TB, name(6), 114, y, 82, 9, cap(6, "Powiat")));
    y += 9;
    t.push_back(PBox(TB, name(7), 6, y, 60, 9, cap(7, "Gmina")));
    t.push_back(PBox(TB, name(8), 66, y, 90, 9, cap(8, "Ulica")));
    t.push_back(PBox(TB, name(9), 156, y, 20, 9, cap(9, "Nr domu")));
    t.push_back(PBox(TB, name(10), 176, y, 20, 9, cap(10, "Nr lokalu")));
    y += 9;
    t.push_back(PBox(TB, name(11), 6, y, 90, 9, cap(11, "Miejscowość")));
    t.push_back(PBox(TB, name(12), 96, y, 30, 9, cap(12, "Kod pocztowy")));
    t.push_back(PBox(TB, name(13), 126, y, 70, 9, cap(13, "Poczta")));
}

TPrevItems makeItems()
{
    TPrevItems t{
        PText(6, 0, 190, 3.5,
              "POLA JASNE WYPEŁNIA PODATNIK, POLA CIEMNE WYPEŁNIA URZĄD SKARBOWY. WYPEŁNIAĆ DUŻYMI, DRUKOWANYMI "
              "LITERAMI, CZARNYM LUB NIEBIESKIM KOLOREM.",
              6, pfCentre | pfBold),
        // Header: NIPs, document number and status for the office.
        PBox(TB, QStringLiteral("b1"), 6, 4, 62, 12, QStringLiteral("1. Identyfikator podatkowy NIP podatnika")),
        PBox(TPrev::Nip, QStringLiteral("FNipPod"), 10, 9.8, 52, 5.2, {}),
        PBox(TB, QStringLiteral("b2"), 68, 4, 62, 12, QStringLiteral("2. Identyfikator podatkowy NIP małżonka")),
        PBox(TPrev::Nip, QStringLiteral("FNipMal"), 72, 9.8, 52, 5.2, {}),
        PBox(TB, QStringLiteral("b3"), 130, 4, 40, 12, QStringLiteral("3. Nr dokumentu"), pfShade),
        PBox(TB, QStringLiteral("b4"), 170, 4, 26, 12, QStringLiteral("4. Status"), pfShade),
        // Title.
        PFrame(6, 17, 190, 19, pfShade),
        PText(9, 19.5, 40, 10, "PIT-37", 22, pfBold),
        PText(37, 24, 12, 5, "(14)", 8),
        PText(52, 18, 142, 9, "ZEZNANIE O WYSOKOŚCI OSIĄGNIĘTEGO DOCHODU\n(PONIESIONEJ STRATY)", 10.5,
              pfBold | pfCentre),
        PText(90, 29, 24, 5, "W ROKU", 10.5, pfBold | pfRight),
        PBox(TB, QStringLiteral("b5"), 116, 26.5, 30, 9, QStringLiteral("5. Rok")),
        PBox(TPrev::Year, QStringLiteral("FRok"), 119, 30, 24, 5, {}),
        // Legal basis, who files, when and where.
        PFrame(6, 37, 190, 25.5),
        PText(7.5, 38, 26, 3, "Podstawa prawna:", 6.5, pfBold),
        PText(34, 38, 161, 3,
              "Art. 45 ust. 1 ustawy z dnia 26 lipca 1991 r. o podatku dochodowym od osób fizycznych (Dz. U. z 2000 "
              "r. Nr 14, poz. 176, z późn. zm.), zwanej dalej „ustawą”.",
              6.5),
        PText(7.5, 41.7, 26, 3, "Składający:", 6.5, pfBold),
        PText(34, 41.7, 161, 11,
              "Formularz przeznaczony jest dla podatników, którzy w roku podatkowym uzyskali dochody (ponieśli "
              "straty) wyłącznie za pośrednictwem płatnika i nie prowadzili pozarolniczej działalności gospodarczej "
              "ani działów specjalnych produkcji rolnej, nie uzyskali przychodów, od których są obowiązani "
              "samodzielnie wpłacać zaliczki na podatek dochodowy, w tym również dla podatników, którzy korzystają "
              "z preferencyjnego opodatkowania dochodów jako osoby samotnie wychowujące dzieci lub wspólnie "
              "z małżonkiem.",
              6.5),
        PText(7.5, 53.2, 26, 3, "Termin składania:", 6.5, pfBold),
        PText(34, 53.2, 161, 3, "Do dnia 30 kwietnia roku następującego po roku podatkowym.", 6.5),
        PText(7.5, 57, 26, 3, "Miejsce składania:", 6.5, pfBold),
        PText(34, 57, 161, 3, "Urząd skarbowy, o którym mowa w art. 45 ust. 1 ustawy.", 6.5),
        // Box 6: filing method.
        PFrame(6, 63, 190, 17),
        {TPrev::Smart, 7.5, 64, 150, 3.5, QStringLiteral("b6"),
         QStringLiteral("<+b>6. Wybór sposobu opodatkowania <-b>(zaznaczyć właściwe kwadraty):")},
        PCheck(QStringLiteral("F6_1"), 10, 68.5),
        PText(14.5, 68.8, 40, 4, "1. indywidualnie", 7),
        PCheck(QStringLiteral("F6_2"), 58, 68.5),
        PText(62.5, 68.8, 132, 4, "2. wspólnie z małżonkiem, zgodnie z wnioskiem, o którym mowa w art. 6 ust. 2 ustawy",
              7),
        PCheck(QStringLiteral("F6_3"), 10, 74.5),
        PText(14.5, 74.8, 100, 4,
              "3. wspólnie z małżonkiem, zgodnie z wnioskiem, o którym mowa w art. 6 ust. 2a ustawy", 7),
        PCheck(QStringLiteral("F6_4"), 116, 74.5),
        PText(120.5, 74.8, 75, 4, "4. w sposób przewidziany dla osób samotnie wychowujących dzieci", 6.5),
        // Boxes 7 and 8: art. 29 ust. 4.
        PFrame(6, 80, 190, 8),
        PText(7.5, 81, 108, 6,
              "Wniosek o zastosowanie art. 29 ust. 4 ustawy (zaznaczyć właściwe kwadraty; małżonek – tylko "
              "w przypadku wspólnego opodatkowania):",
              6.5, pfMiddle),
        PCheck(QStringLiteral("F7"), 122, 82.3),
        PText(126.5, 82.6, 30, 4, "7. podatnik", 7),
        PCheck(QStringLiteral("F8"), 158, 82.3),
        PText(162.5, 82.6, 30, 4, "8. małżonek", 7),
        // A. Office and purpose.
        PHead(6, 89, 190, 5, "A. MIEJSCE I CEL SKŁADANIA ZEZNANIA"),
        PBox(TB, QStringLiteral("FUrzad"), 6, 94, 190, 10,
             QStringLiteral("9. Urząd skarbowy, do którego adresowane jest zeznanie")),
        PBox(TB, QStringLiteral("b10"), 6, 104, 190, 9,
             QStringLiteral("10. Cel złożenia formularza (zaznaczyć właściwy kwadrat):")),
        PCheck(QStringLiteral("F10_1"), 70, 107.5),
        PText(74.5, 107.8, 40, 4, "1. złożenie zeznania", 7),
        PCheck(QStringLiteral("F10_2"), 122, 107.5),
        PText(126.5, 107.8, 40, 4, "2. korekta zeznania", 7),
        // B. Taxpayer and spouse.
        PHead(6, 114, 190, 5, "B. DANE IDENTYFIKACYJNE I AKTUALNY ADRES ZAMIESZKANIA"),
    };
    addPerson(t, 119, 11, "B.1. DANE PODATNIKA");
    addPerson(t, 174, 25, "B.2. DANE MAŁŻONKA");
    t.push_back(PText(6, 230, 190, 8,
                      "Dane małżonka wypełnia się wyłącznie w przypadku wyboru sposobu opodatkowania określonego "
                      "w poz. 6 w kwadracie nr 2 lub 3. Poz. 2 oraz część B.2 pozostają puste w przypadku "
                      "zaznaczenia kwadratu nr 1 lub 4.",
                      6.5));
    t.push_back(Pit37Footer(1));
    return t;
}

}  // namespace

TPit37_1Prev::TPit37_1Prev(QObject* parent) : TPrevPage(Items(), kPit37Margins, parent) {}

const TPrevItems& TPit37_1Prev::Items()
{
    static const TPrevItems items = makeItems();
    return items;
}

void TPit37_1Prev::ReportBeforePrint(const TPit37& m)
{
    ApplySettings(RunSettings());
    const bool joint = m.IsJoint();
    SetText(QStringLiteral("FNipPod"), NipForComb(m.Text(1)));
    SetText(QStringLiteral("FNipMal"), joint ? NipForComb(m.Text(2)) : QString());
    if (auto* y = find<TQRYear>(QStringLiteral("FRok"))) y->setYear(2008);
    for (int sq = 1; sq <= 4; ++sq) SetChecked(QStringLiteral("F6_%1").arg(sq), m.GetSposob() == sq - 1);
    SetChecked(QStringLiteral("F7"), m.P7);
    SetChecked(QStringLiteral("F8"), m.GetP8());
    SetChecked(QStringLiteral("F10_1"), m.GetCel(1));
    SetChecked(QStringLiteral("F10_2"), m.GetCel(2));
    SetText(QStringLiteral("FUrzad"), PrintUpper(m.Urzad));

    // Taxpayer 11..24; spouse 25..38 only under joint filing, otherwise empty.
    for (int side : {0, 1}) {
        const bool shown = side == 0 || joint;
        const TIdentyfikacja& id = m.Id();
        for (int field = idNazwisko; field < idCount; ++field) {
            const int box = id.box(side, field);
            const QString name = QStringLiteral("F%1").arg(box);
            if (field == idDataUr) {
                SetDate(name, shown ? id.osoba(side).DataUr : QDate());
                continue;
            }
            const QString text = shown ? m.Text(box) : QString();
            // Postal codes print as stored, every other identification text in upper case.
            SetText(name, field == idKodPoczt ? text : PrintUpper(text));
        }
    }
}
