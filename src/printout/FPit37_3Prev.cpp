#include "FPit37_3Prev.h"

#include "Config.h"
#include "FPit37.h"
#include "FPit37Prev.h"

namespace {

using namespace PrevRows;
constexpr TPrev TB = TPrev::TextBox;

QString cap(const char* s) { return QString::fromUtf8(s); }

TPrevItems makeItems()
{
    TPrevItems t;
    double y = 0;
    OneColumn(t, y, 8, "Podatek po doliczeniach (suma kwot z poz. 107 i 108)", 109);
    y += 8.5;

    t.push_back(PHead(6, y, 190, 5, "F. ODLICZENIA OD PODATKU"));
    y += 5;
    TwoColumnHead(t, y, 5.5);
    y += 5.5;
    TwoColumns(t, y, 8.5,
               "Składki na ubezpieczenie zdrowotne, o których mowa w art. 27b ustawy, w wysokości nieprzekraczającej "
               "kwoty z poz. 109",
               110, 111);
    y += 8.5;
    TwoColumns(t, y, 8.5, "w tym: składki zapłacone w innym państwie, o których mowa w art. 27b ust. 1 pkt 2 ustawy",
               112, 113);
    y += 8.5;
    TwoColumns(t, y, 8.5, "Odliczenia od podatku wykazane w części C załącznika PIT/O", 114, 115);
    y += 8.5;
    OneColumn(t, y, 8, "Podatek po odliczeniach (od kwoty z poz. 109 odjąć sumę kwot z poz. 110 do 115)", 116);
    y += 8;
    OneColumn(t, y, 8, "Ulgi mieszkaniowe wykazane w części C.2 załącznika PIT/D", 117);
    y += 8;
    OneColumn(t, y, 8, "w tym: kwota odliczana od podatku w zeznaniu, nieprzekraczająca kwoty z poz. 116", 118);
    y += 8;
    OneColumn(t, y, 8, "kwota do odliczenia w latach następnych (od kwoty z poz. 117 odjąć kwotę z poz. 118)", 119);
    y += 8;

    t.push_back(PHead(6, y, 190, 5, "G. OBLICZENIE ZOBOWIĄZANIA PODATKOWEGO"));
    y += 5;
    OneColumn(t, y, 8.5,
              "Podatek należny (od kwoty z poz. 116 odjąć kwotę z poz. 118) (po zaokrągleniu do pełnych złotych)", 120);
    y += 8.5;
    OneColumn(t, y, 8, "Suma zaliczek pobranych przez płatników (suma kwot z poz. 65 i 92)", 121);
    y += 8;
    OneColumn(t, y, 8,
              "Różnica między podatkiem należnym a sumą zaliczek pobranych przez płatników (od kwoty z poz. 120 "
              "odjąć kwotę z poz. 121)    DO ZAPŁATY",
              122);
    y += 8;
    OneColumn(t, y, 8,
              "Różnica między sumą zaliczek pobranych przez płatników a podatkiem należnym (od kwoty z poz. 121 "
              "odjąć kwotę z poz. 120)    NADPŁATA",
              123);
    y += 9;

    t.push_back(PHead(6, y, 190, 5,
                      "H. WNIOSEK O PRZEKAZANIE 1% PODATKU NALEŻNEGO NA RZECZ ORGANIZACJI POŻYTKU PUBLICZNEGO (OPP)"));
    y += 5;
    t.push_back(PText(6, y, 190, 4,
                      "Wnioskowana kwota nie może przekroczyć 1% kwoty z poz. 120, po zaokrągleniu do pełnych "
                      "dziesiątek groszy w dół.",
                      6.5, pfFramed | pfMiddle));
    y += 4;
    t.push_back(PBox(TB, QStringLiteral("F124"), 6, y, 86, 10, cap("124. Nazwa OPP")));
    t.push_back(PBox(TB, QStringLiteral("b125"), 92, y, 50, 10, cap("125. Numer KRS")));
    t.push_back({TPrev::Digits, 95, y + 4.3, 44, 5, QStringLiteral("F125"), {}, 0, pfNone, 10});
    t.push_back(PBox(TPrev::Amount, QStringLiteral("F126"), 142, y, 54, 10, cap("126. Wnioskowana kwota")));
    y += 11;

    t.push_back(PHead(6, y, 190, 5, "I. INFORMACJE UZUPEŁNIAJĄCE"));
    y += 5;
    t.push_back(PBox(TB, QStringLiteral("F127"), 6, y, 190, 9,
                     cap("127. Informacje uzupełniające, np. numer telefonu, adres poczty elektronicznej")));
    y += 9;
    t.push_back(PBox(TB, QStringLiteral("F128"), 6, y, 190, 9, cap("128. Cel szczegółowy 1%")));
    y += 9;
    t.push_back(PFrame(6, y, 190, 7));
    t.push_back(PCheck(QStringLiteral("F129"), 9, y + 1.8));
    t.push_back(PText(14, y + 0.5, 180, 6,
                      "129. Wyrażam zgodę na przekazanie organizacji pożytku publicznego, wskazanej w części H, "
                      "mojego imienia, nazwiska i adresu (zaznaczyć kwadrat, jeśli podatnik wyraża zgodę)",
                      6.5, pfMiddle));
    y += 8;

    t.push_back(PHead(6, y, 190, 5, "J. INFORMACJA O ZAŁĄCZNIKACH"));
    y += 5;
    const char* counts[] = {"130. Liczba załączników PIT/O", "131. Liczba załączników PIT/D",
                            "132. Liczba informacji PIT-2K", "133. Liczba zgłoszeń NIP-3",
                            "134. Liczba certyfikatów rezydencji"};
    for (int k = 0; k < 5; ++k)
        t.push_back(PBox(TB, QStringLiteral("F%1").arg(130 + k), 6 + k * 38, y, 38, 9, cap(counts[k]), pfRight, 5.5));
    y += 10;

    t.push_back(PHead(6, y, 190, 5, "K. INFORMACJE DOTYCZĄCE ZAŁĄCZNIKA PIT/D"));
    y += 5;
    t.push_back(PBox(TB, QStringLiteral("b135"), 6, y, 80, 10, cap("135. PIT/D dołączono do zeznania:")));
    t.push_back(PCheck(QStringLiteral("F135_1"), 10, y + 5));
    t.push_back(PText(14.5, y + 5.3, 30, 4, "1. podatnika", 7));
    t.push_back(PCheck(QStringLiteral("F135_2"), 46, y + 5));
    t.push_back(PText(50.5, y + 5.3, 30, 4, "2. małżonka", 7));
    t.push_back(PBox(TB, QStringLiteral("b136"), 86, y, 110, 10,
                     cap("136. Rodzaj zeznania, do którego dołączono załącznik PIT/D:")));
    t.push_back(PCheck(QStringLiteral("F136_1"), 92, y + 5));
    t.push_back(PText(96.5, y + 5.3, 25, 4, "1. PIT-28", 7));
    t.push_back(PCheck(QStringLiteral("F136_2"), 126, y + 5));
    t.push_back(PText(130.5, y + 5.3, 25, 4, "2. PIT-36", 7));
    t.push_back(PCheck(QStringLiteral("F136_3"), 160, y + 5));
    t.push_back(PText(164.5, y + 5.3, 25, 4, "3. PIT-37", 7));
    y += 10;
    t.push_back(PBox(TPrev::Memo, QStringLiteral("F137"), 6, y, 190, 13,
                     cap("137. Identyfikator podatkowy NIP, imię i nazwisko małżonka oraz urząd skarbowy, w którym "
                         "złożono zeznanie wraz z załącznikiem PIT/D")));
    y += 14;

    t.push_back(PHead(6, y, 190, 5, "L. PODPIS PODATNIKA I MAŁŻONKA LUB PEŁNOMOCNIKA"));
    y += 5;
    t.push_back(PBox(TB, QStringLiteral("b138"), 6, y, 95, 10, cap("138. Podpis podatnika")));
    t.push_back(PBox(TB, QStringLiteral("b139"), 101, y, 95, 10, cap("139. Podpis małżonka")));
    y += 10;
    t.push_back(PBox(TB, QStringLiteral("F140"), 6, y, 95, 10, cap("140. Imię i nazwisko pełnomocnika")));
    t.push_back(PBox(TB, QStringLiteral("b141"), 101, y, 95, 10, cap("141. Podpis pełnomocnika")));
    y += 11;

    t.push_back(PHead(6, y, 190, 5, "M. ADNOTACJE URZĘDU SKARBOWEGO"));
    y += 5;
    t.push_back(PBox(TB, QStringLiteral("b142"), 6, y, 190, 8, cap("142. Uwagi urzędu skarbowego"), pfShade));
    y += 8;
    t.push_back(PBox(TB, QStringLiteral("b143"), 6, y, 95, 8, cap("143. Identyfikator przyjmującego formularz"),
                     pfShade));
    t.push_back(PBox(TB, QStringLiteral("b144"), 101, y, 95, 8, cap("144. Podpis przyjmującego formularz"), pfShade));
    y += 9;

    t.push_back(PText(6, y, 190, 3, "Pouczenie", 6.5, pfBold | pfCentre));
    t.push_back(PText(6, y + 3, 190, 10,
                      "W przypadku niewpłacenia w obowiązującym terminie kwoty z poz. 122 lub wpłacenia jej "
                      "w niepełnej wysokości niniejsze zeznanie stanowi podstawę do wystawienia tytułu wykonawczego, "
                      "zgodnie z przepisami ustawy z dnia 17 czerwca 1966 r. o postępowaniu egzekucyjnym "
                      "w administracji (Dz. U. z 2005 r. Nr 229, poz. 1954, z późn. zm.).\nZa podanie nieprawdy lub "
                      "zatajenie prawdy i przez to narażenie podatku na uszczuplenie grozi odpowiedzialność "
                      "przewidziana w Kodeksie karnym skarbowym.",
                      6));
    t.push_back(Pit37Footer(3));
    return t;
}

}  // namespace

TPit37_3Prev::TPit37_3Prev(QObject* parent) : TPrevPage(Items(), kPit37Margins, parent) {}

const TPrevItems& TPit37_3Prev::Items()
{
    static const TPrevItems items = makeItems();
    return items;
}

void TPit37_3Prev::ReportBeforePrint(const TPit37& m)
{
    ApplySettings(RunSettings());
    FillAmounts(*this, m);
    SetText(QStringLiteral("F124"), PrintUpper(m.NazwaOPP));
    SetText(QStringLiteral("F125"), PrintUpper(m.NumerOPP));
    SetText(QStringLiteral("F127"), PrintUpper(m.P127));
    SetText(QStringLiteral("F128"), PrintUpper(m.P128));
    SetChecked(QStringLiteral("F129"), m.P129);
    for (int box = 130; box <= 134; ++box)
        SetText(QStringLiteral("F%1").arg(box), m.GetDruk(box) ? FormatWholeAmount(m.GetPole(box)) : QString());
    for (int sq = 1; sq <= 2; ++sq) SetChecked(QStringLiteral("F135_%1").arg(sq), m.GetPit135(sq));
    for (int sq = 1; sq <= 3; ++sq) SetChecked(QStringLiteral("F136_%1").arg(sq), m.GetPit136(sq));
    // Box 137 prints its lines as typed.
    if (auto* memo = find<TQRMemoBox>(QStringLiteral("F137"))) memo->setLines(m.P137);
    SetText(QStringLiteral("F140"), PrintUpper(m.Pelnomocnik));
}
