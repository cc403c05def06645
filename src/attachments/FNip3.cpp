#include "FNip3.h"

#include "FBiuro.h"
#include "FDM.h"
#include "NumWeryf.h"

TNip3::TNip3() { Clear(); }

const TNipForm::TLayout& TNip3::layout() const
{
    static const TLayout l = [] {
        TLayout x = MakeLayout(QStringLiteral("NIP3"));
        x.exclusive = {{4, {1, 2}}, {6, {1, 2}}, {16, {1, 2}}};
        x.tenDigitNips = {63, 67};
        x.countryBoxes = {27, 40};
        x.lastBoxOfPage = {36, 68};
        x.fillingDateBox = 65;
        x.representativeBox = 61;
        x.storesPesel = true;
        return x;
    }();
    return l;
}

QVector<TNipForm::TAccount> TNip3::accounts() const { return {{56, 0, true}}; }

void TNip3::updateNotes()
{
    TNipForm::updateNotes();
    // The taxpayer's NIP (masked) and the representative's (ten digits) compared by digits.
    const QString own = DigitsOnly(Text(1));
    if (!own.isEmpty() && own == DigitsOnly(Text(63))) {
        setNote(1, QStringLiteral("NIP w poz.1 i 63 jest taki sam"));
        setNote(63, QStringLiteral("NIP w poz.1 i 63 jest taki sam"));
    }
}

void TNip3::applyDefaults()
{
    SetSquare(4, 2, true);
    // A name in both lists ends as "mężczyzna": the later tick wins.
    if (DM()->IsFemaleName(Text(10))) SetSquare(16, 1, true);
    if (DM()->IsMaleName(Text(10))) SetSquare(16, 2, true);
    if (IsVoivodeshipName(Text(28))) SetText(27, QStringLiteral("Polska"));
    if (noDate(65)) SetDate(65, QDate::currentDate());
}

void TNip3::WstawPodmiot(const TBiuro& biuro)
{
    SetNip(67, biuro.NipDigits());
    SetText(68, biuro.Nazwa);
}

void TNip3::verifyNameAgainstSex(int box)
{
    const QString name = Text(box);
    if (DM()->IsFemaleName(name) && Square(16, 2))
        err(box, QStringLiteral("W poz. 16 zaznaczono płeć: mężczyzna a wprowadzono imię żeńskie (") + name + u')');
    if (DM()->IsMaleName(name) && Square(16, 1))
        err(box, QStringLiteral("W poz. 16 zaznaczono płeć: kobieta a wprowadzono imię męskie (") + name + u')');
}

void TNip3::Verify()
{
    verifyFirstBoxes(QStringLiteral("NIP podatnika nie podany"), QStringLiteral("Nieprawidłowy NIP podatnika"));

    if (!isEmpty(10)) verifyNameAgainstSex(10);
    if (isEmpty(11)) err(11, QStringLiteral("Drugie imię nie podane"));
    else verifyNameAgainstSex(11);
    if (isEmpty(12)) err(12, QStringLiteral("Imię ojca nie podane"));
    else if (DM()->IsFemaleName(Text(12)))
        err(12, QStringLiteral("Imię ojca - wprowadzono imię żeńskie (") + Text(12).trimmed() + u')');
    if (isEmpty(13)) err(13, QStringLiteral("Imię matki nie podane"));
    else if (DM()->IsMaleName(Text(13)))
        err(13, QStringLiteral("Imię matki - wprowadzono imię męskie (") + Text(13).trimmed() + u')');

    verifyPersonAndHome();
    verifyRegisteredAddress(false);
    verifyPersonalAccount();
    if (isEmpty(61)) err(61, QStringLiteral("Imię nie podane"));
    if (isEmpty(62)) err(62, QStringLiteral("Nazwisko nie podane"));
}
