// Verify of NIP-1 and NIP-3: a complete form gives no rows, and each change from it gives
// exactly the rows listed, in order.

#include "nip_fixture.h"

#include <functional>

using namespace niptest;

namespace {

template <class Form>
struct VerifyCase {
    const char* name;
    std::function<void(Form&)> change;
    ErrorRows rows;
};

const std::string kOnlyUpdate = "Poz. 6 należy wypełnić tylko w przypadku zgłoszenia aktualizacyjnego";
const std::string kBox7Only = "Poz.7 należy wypełnić tylko w przypadku zaznaczenia w poz. 6 kwadratu nr 2";
const std::string kSameOffice = "Naczelnik urzędu skarbowego w poz. 5 i 7 jest taki sam";
const std::string kNoSquare = "Nie zaznaczono żadnego kwadratu";
const std::string kLeaveEmpty = "Pozycja powinna zostać pusta ponieważ zaznaczono w poz.79 kwadrat nr 2";

class NipVerify : public DataFolderTest {
protected:
    template <class Form>
    void run(const std::vector<VerifyCase<Form>>& cases)
    {
        {
            Form complete;
            fillComplete(complete);
            complete.Verify();
            EXPECT_EQ(errorRows(), ErrorRows{}) << "the complete form";
        }
        for (const auto& c : cases) {
            Form f;
            fillComplete(f);
            c.change(f);
            f.Verify();
            EXPECT_EQ(errorRows(), c.rows) << c.name;
        }
        EXPECT_EQ(messages->count(), 0) << messages->texts().join(u'\n').toStdString();
    }
};

// Checks both forms share, run on either.
template <class Form>
std::vector<VerifyCase<Form>> sharedCases()
{
    return {
        {"no purpose square", [](Form& f) { f.SetSquare(4, 2, false); }, {{4, "Przeznaczenie formularza nie podane"}}},
        {"office empty", [](Form& f) { f.SetText(5, ""); }, {{5, "Naczelnik urzędu skarbowego nie podany"}}},
        {"box 6 on a first form",
         [](Form& f) {
             f.SetSquare(4, 1, true);
             f.SetNip(1, "");
         },
         {{6, kOnlyUpdate}}},
        {"box 7 of spaces without square 2 of box 6", [](Form& f) { f.SetText(7, "   "); }, {}},
        {"box 7 given without square 2 of box 6", [](Form& f) { f.SetText(7, "US Radom"); }, {{7, kBox7Only}}},
        {"box 7 equal to box 5 with square 1 of box 6",
         [](Form& f) { f.SetText(7, f.Text(5)); },
         {{7, kBox7Only}, {7, kSameOffice}}},
        {"box 7 equal to box 5 with square 2 of box 6",
         [](Form& f) {
             f.SetSquare(6, 2, true);
             f.SetText(7, f.Text(5));
         },
         {{7, kSameOffice}}},
        {"PESEL blank", [](Form& f) { f.SetPesel("           "); }, {{8, "PESEL nie podany"}}},
        {"PESEL with a space: no date or sex check",
         [](Form& f) {
             f.SetPesel("700305 1231");
             f.SetSquare(16, 1, true);
             f.SetText(17, "Nowak");
             f.SetText(10, "Ewa");
             f.SetText(11, "Zofia");
         },
         {{8, "Nieprawidłowy PESEL"}}},
        {"PESEL of another birth date",
         [](Form& f) { f.SetDataUr(QDate(1970, 3, 6)); },
         {{8, "Niezgodność PESEL - data urodzenia"}}},
        {"male PESEL and kobieta",
         [](Form& f) {
             f.SetSquare(16, 1, true);
             f.SetText(17, "Nowak");
             f.SetText(10, "Ewa");
             f.SetText(11, "Zofia");
         },
         {{8, "Niezgodność PESEL - płeć"}}},
        {"female PESEL and mężczyzna",
         [](Form& f) {
             f.SetPesel(kFemalePesel);
             f.SetDataUr(QDate(1985, 3, 12));
         },
         {{8, "Niezgodność PESEL - płeć"}}},
        {"no birth date: PESEL alone is fine", [](Form& f) { f.SetDataUr(QDate()); }, {{14, "Data urodzenia nie podana"}}},
        {"place of birth", [](Form& f) { f.SetText(15, ""); }, {{15, "Miejsce urodzenia nie podane"}}},
        {"no sex square", [](Form& f) { f.SetSquare(16, 2, false); }, {{16, "Płeć nie podana"}}},
        {"documents and citizenship",
         [](Form& f) {
             f.SetText(18, "");
             f.SetText(19, "");
             f.SetText(20, "");
         },
         {{18, "Rodzaj dokumentu stwierdzającego tożsamość nie podany"},
          {19, "Seria i numer dokumentu stwierdzającego tożsamość nie podany"},
          {20, "Obywatelstwo nie podane"}}},
        {"foreign number with Poland and no number",
         [](Form& f) { f.SetText(22, " polska "); },
         {{22, "Należy podać inny kraj"}, {23, "Numer nie podany"}}},
        {"foreign number without its country",
         [](Form& f) { f.SetText(25, "123456"); },
         {{24, "Nazwa kraju nie podana"}}},
        {"foreign number complete", [](Form& f) {
             f.SetText(22, "Niemcy");
             f.SetText(23, "DE123");
         }, {}},
        {"date of living there", [](Form& f) { f.SetDate(26, QDate()); }, {{26, "Data zamieszkania nie podana"}}},
        {"home address empty, flat and post office not required",
         [](Form& f) {
             for (int b = 27; b <= 36; ++b) f.SetText(b, "");
         },
         {{27, "Nazwa kraju nie podana"},
          {28, "Nazwa województwa nie podana"},
          {29, "Nazwa powiatu nie podana"},
          {30, "Nazwa gminy nie podana"},
          {31, "Nazwa ulicy nie podana"},
          {32, "Numer domu nie podany"},
          {34, "Nazwa miejscowości nie podana"},
          {35, "Kod pocztowy nie podany"}}},
        {"registered address not used: its boxes unchecked",
         [](Form& f) {
             f.SetFlag(38, false);
             f.SetDate(39, QDate());
             f.SetText(44, "");
         },
         {}},
        {"registered address used: street and locality",
         [](Form& f) {
             f.SetText(44, "");
             f.SetText(47, "");
         },
         {{44, "Nazwa ulicy nie podana"}, {47, "Nazwa miejscowości nie podana"}}},
        {"personal account: flag alone asks for bank, holder and number",
         [](Form& f) {
             for (int b = 53; b <= 56; ++b) f.SetText(b, "");
             f.SetFlag(57, true);
         },
         {{54, "Nazwa banku nie podana"}, {55, "Posiadacz rachunku nie podany"}, {56, "Numer rachunku nie podany"}}},
        {"personal account abroad still listed when not a Polish number",
         [](Form& f) {
             f.SetText(53, "Niemcy");
             f.SetText(56, kBadAccount);
         },
         {{56, "Nieprawidłowy numer rachunku"}}},
        {"personal account of spaces only has no data", [](Form& f) {
             f.SetText(53, "  ");
             f.SetText(54, "");
             f.SetText(55, "");
             f.SetText(56, "");
         }, {}},
    };
}

}  // namespace

TEST_F(NipVerify, SharedChecksOnNip1) { run<TNip1>(sharedCases<TNip1>()); }
TEST_F(NipVerify, SharedChecksOnNip3) { run<TNip3>(sharedCases<TNip3>()); }

TEST_F(NipVerify, Nip1Checks)
{
    run<TNip1>({
        {"first form needs no NIP",
         [](TNip1& f) {
             f.SetSquare(4, 1, true);
             f.SetSquare(6, 1, false);
             f.SetNip(1, "   -   -  -  ");
         },
         {}},
        {"update form needs a NIP", [](TNip1& f) { f.SetNip(1, "   -   -  -  "); }, {{1, "NIP nie podany"}}},
        {"invalid NIP", [](TNip1& f) { f.SetNip(1, "123-456-32-19"); }, {{1, "Nieprawidłowy NIP"}}},
        {"second, father's and mother's names",
         [](TNip1& f) {
             f.SetText(11, "");
             f.SetText(12, "");
             f.SetText(13, "");
         },
         {{11, "Drugie imię nie podane"}, {12, "Imię ojca nie podane"}, {13, "Imię matki nie podane"}}},
        {"no sex check against first names on NIP-1", [](TNip1& f) { f.SetText(12, "Anna"); }, {}},
        {"woman without family name",
         [](TNip1& f) {
             f.SetPesel(kFemalePesel);
             f.SetDataUr(QDate(1985, 3, 12));
             f.SetSquare(16, 1, true);
         },
         {{17, "Nazwisko rodowe nie podane"}}},
        {"no registered address ticked with one of 40-49 given",
         [](TNip1& f) {
             f.SetFlag(38, false);
             f.SetFlag(37, true);
             for (int b = 40; b <= 49; ++b) f.SetText(b, b == 46 ? "5" : "");
         },
         {{37, "Jeżeli zaznaczono kwadrat w poz.37, to poz.40-49 powinny zostać puste"}}},
        {"update, office unchanged: registration date may stay empty",
         [](TNip1& f) { f.SetDate(39, QDate()); },
         {}},
        {"first form: registration date required",
         [](TNip1& f) {
             f.SetSquare(4, 1, true);
             f.SetSquare(6, 1, false);
             f.SetDate(39, QDate());
         },
         {{39, "Data zameldowania nie podana"}}},
        {"business start, REGON, activity, PKD, status",
         [](TNip1& f) {
             f.SetDate(58, QDate());
             f.SetText(59, "");
             f.SetText(60, "");
             f.SetText(61, "");
             f.SetSquare(62, 2, false);
         },
         {{58, "Data rozpoczęcia działalności nie podana"},
          {59, "REGON nie podany"},
          {60, "Rodzaj przeważającej działalności nie podany"},
          {61, "Kod PKD nie podany"},
          {62, kNoSquare}}},
        {"invalid REGON is only noted", [](TNip1& f) { f.SetText(59, "123456786"); }, {}},
        {"refund account always required",
         [](TNip1& f) {
             for (int b = 63; b <= 66; ++b) f.SetText(b, "");
         },
         {{64, "Nazwa banku nie podana"}, {65, "Posiadacz rachunku nie podany"}, {66, "Numer rachunku nie podany"}}},
        {"refund accounts invalid",
         [](TNip1& f) {
             f.SetText(66, kBadAccount);
             f.SetText(67, "123");
         },
         {{66, "Nieprawidłowy numer rachunku"}, {67, "Nieprawidłowy numer rachunku"}}},
        {"business accounts with data",
         [](TNip1& f) {
             f.SetText(68, "Polska");
             f.SetFlag(77, true);
             f.SetText(74, "Bank");
             f.SetText(75, "Jan Kowalski");
             f.SetText(76, kBadAccount);
         },
         {{69, "Nazwa banku nie podana"},
          {70, "Posiadacz rachunku nie podany"},
          {71, "Numer rachunku nie podany"},
          {76, "Nieprawidłowy numer rachunku"}}},
        {"no records squares",
         [](TNip1& f) {
             f.SetSquare(78, 2, false);
             f.SetSquare(79, 1, false);
         },
         {{78, kNoSquare}, {79, kNoSquare}}},
        {"office keeps records: NIP and name required",
         [](TNip1& f) {
             f.SetNip(80, "          ");
             f.SetText(81, "");
         },
         {{80, "NIP nie podany"}, {81, "Nazwa pełna nie podana"}}},
        {"office NIP of three zeros", [](TNip1& f) { f.SetNip(80, "0001234567"); }, {{80, "Nieprawidłowy NIP"}}},
        {"office NIP with a wrong check digit", [](TNip1& f) { f.SetNip(80, "1234563219"); }, {{80, "Nieprawidłowy NIP"}}},
        {"own records: a name left in 81",
         [](TNip1& f) {
             f.SetSquare(79, 2, true);
             f.SetNip(80, "          ");
         },
         {{81, kLeaveEmpty}}},
        {"own records: both office boxes left",
         [](TNip1& f) { f.SetSquare(79, 2, true); },
         {{80, kLeaveEmpty}, {81, kLeaveEmpty}}},
        {"records kept elsewhere: their address required",
         [](TNip1& f) {
             f.SetText(82, "");
             f.SetText(90, "");
             f.SetText(91, "");
         },
         {{82, "Nazwa kraju nie podana"}, {90, "Kod pocztowy nie podany"}}},
        {"no records kept: their address unchecked",
         [](TNip1& f) {
             f.SetSquare(78, 4, true);
             f.SetText(82, "");
         },
         {}},
        {"address of the business: date and locality, not the postal code",
         [](TNip1& f) {
             f.SetDate(99, QDate());
             f.SetText(107, "");
             f.SetText(108, "");
         },
         {{99, "Data nie podana"}, {107, "Nazwa miejscowości nie podana"}}},
        {"representative with a surname only",
         [](TNip1& f) { f.SetText(126, "Nowak"); },
         {{125, "Imię nie podane"}, {127, "NIP nie podany"}, {128, "Adres do korespondencji nie podany"}}},
        {"representative with an invalid NIP only",
         [](TNip1& f) { f.SetNip(127, "1234563219"); },
         {{125, "Imię nie podane"},
          {126, "Nazwisko nie podane"},
          {127, "Nieprawidłowy NIP"},
          {128, "Adres do korespondencji nie podany"}}},
        {"date of filling in", [](TNip1& f) { f.SetDate(129, QDate()); }, {{129, "Data wypełnienia nie podana"}}},
        {"unchecked boxes may stay empty",
         [](TNip1& f) {
             for (int b : {33, 36, 46, 49, 50, 51, 52, 92, 93, 95, 96, 97, 121}) f.SetText(b, "");
             f.SetDate(94, QDate());
         },
         {}},
    });
}

TEST_F(NipVerify, Nip3Checks)
{
    const std::string femaleForMan = "W poz. 16 zaznaczono płeć: mężczyzna a wprowadzono imię żeńskie (";
    const std::string maleForWoman = "W poz. 16 zaznaczono płeć: kobieta a wprowadzono imię męskie (";
    run<TNip3>({
        {"update form needs the taxpayer's NIP",
         [](TNip3& f) { f.SetNip(1, "   -   -  -  "); },
         {{1, "NIP podatnika nie podany"}}},
        {"invalid NIP", [](TNip3& f) { f.SetNip(1, "123-456-32-19"); }, {{1, "Nieprawidłowy NIP podatnika"}}},
        {"female first name with mężczyzna, quoted as typed",
         [](TNip3& f) { f.SetText(10, "anna "); },
         {{10, femaleForMan + "anna )"}}},
        {"male first name with kobieta",
         [](TNip3& f) {
             f.SetPesel(kFemalePesel);
             f.SetDataUr(QDate(1985, 3, 12));
             f.SetSquare(16, 1, true);
             f.SetText(17, "Nowak");
             f.SetText(11, "Maria");
         },
         {{10, maleForWoman + "Jan)"}}},
        {"female second name with mężczyzna", [](TNip3& f) { f.SetText(11, "Maria"); }, {{11, femaleForMan + "Maria)"}}},
        {"a name outside the list is not judged", [](TNip3& f) { f.SetText(10, "Zzyzx"); }, {}},
        {"no sex square: names not judged",
         [](TNip3& f) {
             f.SetSquare(16, 2, false);
             f.SetText(10, "Anna");
         },
         {{16, "Płeć nie podana"}}},
        {"second name empty", [](TNip3& f) { f.SetText(11, ""); }, {{11, "Drugie imię nie podane"}}},
        {"father's name female, quoted trimmed",
         [](TNip3& f) { f.SetText(12, " Zofia "); },
         {{12, "Imię ojca - wprowadzono imię żeńskie (Zofia)"}}},
        {"mother's name male", [](TNip3& f) { f.SetText(13, "Karol"); }, {{13, "Imię matki - wprowadzono imię męskie (Karol)"}}},
        {"father's and mother's names empty",
         [](TNip3& f) {
             f.SetText(12, "");
             f.SetText(13, "");
         },
         {{12, "Imię ojca nie podane"}, {13, "Imię matki nie podane"}}},
        {"registration date required on an update form too",
         [](TNip3& f) { f.SetDate(39, QDate()); },
         {{39, "Data zameldowania nie podana"}}},
        {"no counterpart of box 37",
         [](TNip3& f) {
             f.SetFlag(37, true);
         },
         {}},
        {"signing person",
         [](TNip3& f) {
             f.SetText(61, "");
             f.SetText(62, "");
         },
         {{61, "Imię nie podane"}, {62, "Nazwisko nie podane"}}},
        {"boxes 58-60 and 63-68 unchecked",
         [](TNip3& f) {
             f.SetDate(65, QDate());
             f.SetNip(63, "1234563219");
             f.SetNip(67, "0001234567");
         },
         {}},
    });
}
