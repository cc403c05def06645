// Box descriptions shown above an itemised list, per form, looked up by box number.

#include "Kwoty.h"

#include "Globals.h"

#include <iterator>

namespace {

const TPole kPit37[] = {
    {39, "Wynagrodzenia ze stosunku: pracy, służbowego, spółdzielczego i z pracy nakładczej, a także zasiłki pieniężne z ubezpieczenia społecznego, wypłacone przez zakład pracy - przychód podatnika"},
    {40, "Wynagrodzenia ze stosunku: pracy, służbowego, spółdzielczego i z pracy nakładczej, a także zasiłki pieniężne z ubezpieczenia społecznego, wypłacone przez zakład pracy - koszty uzyskania przychodu podatnika"},
    {43, "Wynagrodzenia ze stosunku: pracy, służbowego, spółdzielczego i z pracy nakładczej, a także zasiłki pieniężne z ubezpieczenia społecznego, wypłacone przez zakład pracy - zaliczka pobrana przez płatnika podatnika"},
    {44, "Emerytury - renty krajowe, w tym renty strukturalne, renty socjalne, świadczenia przedemerytalne i zasiłki przedemerytalne oraz inne świadczenia, o których mowa w art. 34 ust. 7 ustawy - przychód podatnika"},
    {46, "Emerytury - renty krajowe, w tym renty strukturalne, renty socjalne, świadczenia przedemerytalne i zasiłki przedemerytalne oraz inne świadczenia, o których mowa w art. 34 ust. 7 ustawy - zaliczka pobrana przez płatnika podatnika"},
    {47, "Działalność wykonywana osobiście, o której mowa w art. 13 ustawy (w tym umowy zlecenia i o dzieło) - przychód podatnika"},
    {48, "Działalność wykonywana osobiście, o której mowa w art. 13 ustawy (w tym umowy zlecenia i o dzieło) - koszty uzyskania przychodu podatnika"},
    {51, "Działalność wykonywana osobiście, o której mowa w art. 13 ustawy (w tym umowy zlecenia i o dzieło) - zaliczka pobrana przez płatnika podatnika"},
    {52, "Prawa autorskie i inne prawa, o których mowa w art. 18 ustawy - przychód podatnika"},
    {53, "Prawa autorskie i inne prawa, o których mowa w art. 18 ustawy - koszty uzyskania przychodu podatnika"},
    {56, "Prawa autorskie i inne prawa, o których mowa w art. 18 ustawy - zaliczka pobrana przez płatnika podatnika"},
    {57, "Inne źródła - przychód podatnika"},
    {58, "Inne źródła - koszty uzyskania przychodu podatnika"},
    {61, "Inne źródła - zaliczka pobrana przez płatnika podatnika"},
    {66, "Wynagrodzenia ze stosunku: pracy, służbowego, spółdzielczego i z pracy nakładczej, a także zasiłki pieniężne z ubezpieczenia społecznego, wypłacone przez zakład pracy - przychód małżonka"},
    {67, "Wynagrodzenia ze stosunku: pracy, służbowego, spółdzielczego i z pracy nakładczej, a także zasiłki pieniężne z ubezpieczenia społecznego, wypłacone przez zakład pracy - koszty uzyskania przychodu małżonka"},
    {70, "Wynagrodzenia ze stosunku: pracy, służbowego, spółdzielczego i z pracy nakładczej, a także zasiłki pieniężne z ubezpieczenia społecznego, wypłacone przez zakład pracy - zaliczka pobrana przez płatnika małżonka"},
    {71, "Emerytury - renty krajowe, w tym renty strukturalne, renty socjalne, świadczenia przedemerytalne i zasiłki przedemerytalne oraz inne świadczenia, o których mowa w art. 34 ust. 7 ustawy - przychód małżonka"},
    {73, "Emerytury - renty krajowe, w tym renty strukturalne, renty socjalne, świadczenia przedemerytalne i zasiłki przedemerytalne oraz inne świadczenia, o których mowa w art. 34 ust. 7 ustawy - zaliczka pobrana przez płatnika małżonka"},
    {74, "Działalność wykonywana osobiście, o której mowa w art. 13 ustawy (w tym umowy zlecenia i o dzieło) - przychód małżonka"},
    {75, "Działalność wykonywana osobiście, o której mowa w art. 13 ustawy (w tym umowy zlecenia i o dzieło) - koszty uzyskania przychodu małżonka"},
    {78, "Działalność wykonywana osobiście, o której mowa w art. 13 ustawy (w tym umowy zlecenia i o dzieło) - zaliczka pobrana przez płatnika małżonka"},
    {79, "Prawa autorskie i inne prawa, o których mowa w art. 18 ustawy - przychód małżonka"},
    {80, "Prawa autorskie i inne prawa, o których mowa w art. 18 ustawy - koszty uzyskania przychodu małżonka"},
    {83, "Prawa autorskie i inne prawa, o których mowa w art. 18 ustawy - zaliczka pobrana przez płatnika małżonka"},
    {84, "Inne źródła - przychód małżonka"},
    {85, "Inne źródła - koszty uzyskania przychodu małżonka"},
    {88, "Inne źródła - zaliczka pobrana przez płatnika małżonka"},
    {93, "Składki na ubezpieczenia społeczne - podatnik"},
    {94, "Składki na ubezpieczenia społeczne - małżonek"},
    {108, "Kwoty zwiększające podatek (doliczenia do podatku)"},
    {110, "Składki na ubezpieczenie zdrowotne - podatnik"},
    {111, "Składki na ubezpieczenie zdrowotne - małżonek"},
};

const TPole kPit36[] = {
    {45, "Wynagrodzenia ze stosunku: pracy, służbowego, spółdzielczego i z pracy nakładczej, a także zasiłki pieniężne z ubezpieczenia społecznego, wypłacone przez zakład pracy - przychód podatnika"},
    {46, "Wynagrodzenia ze stosunku: pracy, służbowego, spółdzielczego i z pracy nakładczej, a także zasiłki pieniężne z ubezpieczenia społecznego, wypłacone przez zakład pracy - koszty uzyskania przychodu podatnika"},
    {49, "Wynagrodzenia ze stosunku: pracy, służbowego, spółdzielczego i z pracy nakładczej, a także zasiłki pieniężne z ubezpieczenia społecznego, wypłacone przez zakład pracy - zaliczka pobrana przez płatnika podatnika"},
    {50, "Emerytury - renty krajowe, w tym renty strukturalne, renty socjalne, świadczenia przedemerytalne i zasiłki przedemerytalne oraz inne świadczenia, o których mowa w art. 34 ust. 7 ustawy - przychód podatnika"},
    {52, "Emerytury - renty krajowe, w tym renty strukturalne, renty socjalne, świadczenia przedemerytalne i zasiłki przedemerytalne oraz inne świadczenia, o których mowa w art. 34 ust. 7 ustawy - zaliczka pobrana przez płatnika podatnika"},
    {57, "Pozarolnicza działalność gospodarcza - zaliczka należna podatnika"},
    {59, "Działy specjalne produkcji rolnej - przychód podatnika"},
    {60, "Działy specjalne produkcji rolnej - koszty uzyskania przychodu podatnika"},
    {63, "Działy specjalne produkcji rolnej - zaliczka należna podatnika"},
    {64, "Działalność wykonywana osobiście, o której mowa w art. 13 ustawy (w tym umowy zlecenia i o dzieło) - przychód podatnika"},
    {65, "Działalność wykonywana osobiście, o której mowa w art. 13 ustawy (w tym umowy zlecenia i o dzieło) - koszty uzyskania przychodu podatnika"},
    {68, "Działalność wykonywana osobiście, o której mowa w art. 13 ustawy (w tym umowy zlecenia i o dzieło) - zaliczka pobrana przez płatnika podatnika"},
    {69, "Najem lub dzierżawa - przychód podatnika"},
    {70, "Najem lub dzierżawa - koszty uzyskania przychodu podatnika"},
    {73, "Najem lub dzierżawa - zaliczka należna podatnika"},
    {74, "Prawa autorskie i inne prawa, o których mowa w art. 18 ustawy - przychód podatnika"},
    {75, "Prawa autorskie i inne prawa, o których mowa w art. 18 ustawy - koszty uzyskania przychodu podatnika"},
    {78, "Prawa autorskie i inne prawa, o których mowa w art. 18 ustawy - zaliczka pobrana przez płatnika podatnika"},
    {79, "Inne źródła, w tym renty i emerytury zagraniczne - przychód podatnika"},
    {80, "Inne źródła, w tym renty i emerytury zagraniczne - koszty uzyskania przychodu podatnika"},
    {83, "Inne źródła, w tym renty i emerytury zagraniczne - zaliczka pobrana przez płatnika podatnika"},
    {88, "Wynagrodzenia ze stosunku: pracy, służbowego, spółdzielczego i z pracy nakładczej, a także zasiłki pieniężne z ubezpieczenia społecznego, wypłacone przez zakład pracy - przychód małżonka"},
    {89, "Wynagrodzenia ze stosunku: pracy, służbowego, spółdzielczego i z pracy nakładczej, a także zasiłki pieniężne z ubezpieczenia społecznego, wypłacone przez zakład pracy - koszty uzyskania przychodu małżonka"},
    {92, "Wynagrodzenia ze stosunku: pracy, służbowego, spółdzielczego i z pracy nakładczej, a także zasiłki pieniężne z ubezpieczenia społecznego, wypłacone przez zakład pracy - zaliczka pobrana przez płatnika małżonka"},
    {93, "Emerytury - renty krajowe, w tym renty strukturalne, renty socjalne, świadczenia przedemerytalne i zasiłki przedemerytalne oraz inne świadczenia, o których mowa w art. 34 ust. 7 ustawy - przychód małżonka"},
    {95, "Emerytury - renty krajowe, w tym renty strukturalne, renty socjalne, świadczenia przedemerytalne i zasiłki przedemerytalne oraz inne świadczenia, o których mowa w art. 34 ust. 7 ustawy - zaliczka pobrana przez płatnika małżonka"},
    {100, "Pozarolnicza działalność gospodarcza - zaliczka należna małżonka"},
    {102, "Działy specjalne produkcji rolnej - przychód małżonka"},
    {103, "Działy specjalne produkcji rolnej - koszty uzyskania przychodu małżonka"},
    {106, "Działy specjalne produkcji rolnej - zaliczka należna małżonka"},
    {107, "Działalność wykonywana osobiście, o której mowa w art. 13 ustawy (w tym umowy zlecenia i o dzieło) - przychód małżonka"},
    {108, "Działalność wykonywana osobiście, o której mowa w art. 13 ustawy (w tym umowy zlecenia i o dzieło) - koszty uzyskania przychodu małżonka"},
    {111, "Działalność wykonywana osobiście, o której mowa w art. 13 ustawy (w tym umowy zlecenia i o dzieło) - zaliczka pobrana przez płatnika małżonka"},
    {112, "Najem lub dzierżawa - przychód małżonka"},
    {113, "Najem lub dzierżawa - koszty uzyskania przychodu małżonka"},
    {116, "Najem lub dzierżawa - zaliczka należna małżonka"},
    {117, "Prawa autorskie i inne prawa, o których mowa w art. 18 ustawy - przychód małżonka"},
    {118, "Prawa autorskie i inne prawa, o których mowa w art. 18 ustawy - koszty uzyskania przychodu małżonka"},
    {121, "Prawa autorskie i inne prawa, o których mowa w art. 18 ustawy - zaliczka pobrana przez płatnika małżonka"},
    {122, "Inne źródła, w tym renty i emerytury zagraniczne - przychód małżonka"},
    {123, "Inne źródła, w tym renty i emerytury zagraniczne - koszty uzyskania przychodu małżonka"},
    {126, "Inne źródła, w tym renty i emerytury zagraniczne - zaliczka pobrana przez płatnika małżonka"},
    {137, "Straty z lat ubiegłych - podatnik"},
    {138, "Straty z lat ubiegłych - małżonek"},
    {139, "Składki na ubezpieczenia społeczne - podatnik"},
    {140, "Składki na ubezpieczenia społeczne - małżonek"},
    {176, "Składki na ubezpieczenie zdrowotne - podatnik"},
    {177, "Składki na ubezpieczenie zdrowotne - małżonek"},
};

const TPole kPit36L[] = {
    {28, "Pozarolnicza działalność gospodarcza - zaliczki należne"},
    {29, "Działy specjalne produkcji rolnej - przychód"},
    {30, "Działy specjalne produkcji rolnej - koszty uzyskania przychodu"},
    {33, "Działy specjalne produkcji rolnej - zaliczki należne"},
    {35, "Składki na ubezpieczenia społeczne"},
    {47, "Kwoty zwiększające podatek (doliczenia do podatku)"},
    {50, "Składki na ubezpieczenie zdrowotne"},
    {59, "Suma zaliczek wpłaconych przez podatnika"},
};

const TPole kPitD[] = {
    {30, "Kod pocztowy małżonka"},
    {38, "Odsetki od kredytu mieszkaniowego odliczane od dochodu - małżonek"},
    {39, "Rodzaj wydatków mieszkaniowych"},
    {47, "Wydatki mieszkaniowe odliczane od dochodu - podatnik"},
    {48, "Wydatki mieszkaniowe odliczane od dochodu - małżonek"},
};

const TPole kPitM[] = {
    {7, "Emerytury i renty krajowe oraz zagraniczne - przychód"},
    {9, "Emerytury i renty krajowe oraz zagraniczne - zaliczka należna"},
    {10, "Najem lub dzierżawa - przychód"},
    {11, "Najem lub dzierżawa - koszty uzyskania przychodu"},
    {14, "Najem lub dzierżawa - zaliczka należna"},
    {15, "Prawa majątkowe - przychód"},
    {16, "Prawa majątkowe - koszty uzyskania przychodu"},
    {19, "Prawa majątkowe - zaliczka należna"},
    {20, "Inne źródła - przychód"},
    {21, "Inne źródła - koszty uzyskania przychodu"},
    {24, "Inne źródła - zaliczka należna"},
};

const TPole kPitO[] = {
    {13, "Darowizny, o których mowa w art. 26 ust. 1 pkt 9 ustawy - podatnik"},
    {14, "Darowizny, o których mowa w art. 26 ust. 1 pkt 9 ustawy - małżonek"},
    {15, "Darowizny przekazane na podstawie odrębnych ustaw - podatnik"},
    {16, "Darowizny przekazane na podstawie odrębnych ustaw - małżonek"},
    {17, "Wydatki na cele rehabilitacyjne oraz wydatki związane z ułatwieniem wykonywania czynności życiowych - podatnik"},
    {18, "Wydatki na cele rehabilitacyjne oraz wydatki związane z ułatwieniem wykonywania czynności życiowych - małżonek"},
    {19, "Zwrot nienależnie pobranych świadczeń - podatnik"},
    {20, "Zwrot nienależnie pobranych świadczeń - małżonek"},
    {21, "Wydatki z tytułu użytkowania sieci Internet w lokalu (budynku) będącym miejscem zamieszkania - podatnik"},
    {22, "Wydatki z tytułu użytkowania sieci Internet w lokalu (budynku) będącym miejscem zamieszkania - małżonek"},
    {23, "Wydatki na nabycie nowych technologii - podatnik"},
    {24, "Wydatki na nabycie nowych technologii - małżonek"},
    {26, "Inne odliczenia od dochodu - podatnik"},
    {27, "Inne odliczenia od dochodu - małżonek"},
    {30, "Kwota z tytułu szkolenia uczniów - podatnik"},
    {31, "Kwota z tytułu szkolenia uczniów - małżonek"},
    {32, "Składki na ubezpieczenia społeczne opłacone z tytułu umowy aktywizacyjnej - podatnik"},
    {33, "Składki na ubezpieczenia społeczne opłacone z tytułu umowy aktywizacyjnej - małżonek"},
    {35, "Ulga na dzieci - podatnik"},
    {36, "Ulga na dzieci - małżonek"},
    {38, "Ulga, o której mowa w art. 27g ustawy - małżonek"},
    {39, "Inne ulgi odliczane od podatku - rodzaj"},
    {51, "Poczta obdarowanego (1)"},
    {52, "Kwota darowizny przekazanej na rzecz organizacji (1) - podatnik"},
    {62, "Kwota darowizny przekazanej na rzecz organizacji (2) - podatnik"},
    {63, "Kwota darowizny przekazanej na rzecz organizacji (2) - małżonek"},
};

template <std::size_t N>
QString lookup(const TPole (&table)[N], int box)
{
    for (const TPole& p : table)
        if (p.Nr == box) return QString::fromUtf8(p.Opis);
    return QString();
}

}  // namespace

QString BoxDescription(int formKind, int box)
{
    switch (formKind) {
    case fkPit36: return lookup(kPit36, box);
    case fkPit36L: return lookup(kPit36L, box);
    case fkPit37: return lookup(kPit37, box);
    case fkPitD: return lookup(kPitD, box);
    case fkPitM: return lookup(kPitM, box);
    case fkPitO: return lookup(kPitO, box);
    default: return QString();
    }
}
