#include "FNip1.h"

#include "FBiuro.h"
#include "FDM.h"
#include "NumWeryf.h"

TNip1::TNip1() { Clear(); }

const TNipForm::TLayout& TNip1::layout() const
{
    static const TLayout l = [] {
        TLayout x = MakeLayout(QStringLiteral("NIP1"));
        x.exclusive = {{4, {1, 2}}, {6, {1, 2}}, {16, {1, 2}}, {62, {1, 2}},
                       {78, {1, 2, 3, 4}}, {79, {1, 2}}, {110, {1, 2}}};
        x.tenDigitNips = {80, 127};
        x.countryBoxes = {27, 40, 82, 100, 111};
        x.lastBoxOfPage = {36, 67, 109, 129};
        x.regonBox = 59;
        x.fillingDateBox = 129;
        x.representativeBox = 125;
        return x;
    }();
    return l;
}

QVector<TNipForm::TAccount> TNip1::accounts() const
{
    // The previous refund account (67) has no country box of its own.
    return {{56, 53, false}, {66, 63, false}, {67, 0, true}, {71, 68, false}, {76, 73, false}};
}

void TNip1::WstawBiuro(const TBiuro& biuro)
{
    SetNip(80, biuro.NipDigits());
    SetText(81, biuro.Nazwa);
}

void TNip1::WstawAdresBiura(const TBiuro& biuro)
{
    const QString parts[] = {biuro.Kraj,    biuro.Wojew, biuro.Powiat, biuro.Gmina,    biuro.Ulica,
                             biuro.Posesja, biuro.Lokal, biuro.Miasto, biuro.KodPoczt, biuro.Poczta};
    for (int i = 0; i < 10; ++i) SetText(82 + i, parts[i]);
}

void TNip1::Verify()
{
    verifyFirstBoxes(QStringLiteral("NIP nie podany"), QStringLiteral("Nieprawidłowy NIP"));
    if (isEmpty(11)) err(11, QStringLiteral("Drugie imię nie podane"));
    if (isEmpty(12)) err(12, QStringLiteral("Imię ojca nie podane"));
    if (isEmpty(13)) err(13, QStringLiteral("Imię matki nie podane"));
    verifyPersonAndHome();

    bool registeredAddress = false;
    for (int b = 40; b <= 49; ++b) registeredAddress = registeredAddress || hasText(b);
    if (Square(37) && registeredAddress)
        err(37, QStringLiteral("Jeżeli zaznaczono kwadrat w poz.37, to poz.40-49 powinny zostać puste"));
    verifyRegisteredAddress(true);
    verifyPersonalAccount();

    if (noDate(58)) err(58, QStringLiteral("Data rozpoczęcia działalności nie podana"));
    if (isEmpty(59)) err(59, QStringLiteral("REGON nie podany"));   // an invalid one is only noted
    if (isEmpty(60)) err(60, QStringLiteral("Rodzaj przeważającej działalności nie podany"));
    if (isEmpty(61)) err(61, QStringLiteral("Kod PKD nie podany"));
    if (!anySquare(62)) err(62, QStringLiteral("Nie zaznaczono żadnego kwadratu"));

    verifyAccount(63);   // the refund account is always required
    if (!IsValidAccount(Text(67))) err(67, QStringLiteral("Nieprawidłowy numer rachunku"));
    if (accountHasData(68)) verifyAccount(68);
    if (accountHasData(73)) verifyAccount(73);

    if (!anySquare(78)) err(78, QStringLiteral("Nie zaznaczono żadnego kwadratu"));
    if (!anySquare(79)) err(79, QStringLiteral("Nie zaznaczono żadnego kwadratu"));
    if (Square(79, 1)) {
        if (IsBlankNumber(Text(80))) err(80, QStringLiteral("NIP nie podany"));
        else if (!IsValidTenDigitNip(Text(80))) err(80, QStringLiteral("Nieprawidłowy NIP"));
        if (isEmpty(81)) err(81, QStringLiteral("Nazwa pełna nie podana"));
    }
    const bool officeData = !IsBlankNumber(Text(80)) || hasText(81);
    if (Square(79, 2) && officeData) {
        const QString m = QStringLiteral("Pozycja powinna zostać pusta ponieważ zaznaczono w poz.79 kwadrat nr 2");
        if (!IsBlankNumber(Text(80))) err(80, m);
        if (hasText(81)) err(81, m);
    }
    if (Square(78, 1) || Square(78, 2) || Square(78, 3)) verifyAddress(82, true);

    if (noDate(99)) err(99, QStringLiteral("Data nie podana"));
    verifyAddress(100, false);

    const bool representative = hasText(125) || hasText(126) || hasText(128) || !IsBlankNumber(Text(127));
    if (representative) {
        if (isEmpty(125)) err(125, QStringLiteral("Imię nie podane"));
        if (isEmpty(126)) err(126, QStringLiteral("Nazwisko nie podane"));
        if (IsBlankNumber(Text(127))) err(127, QStringLiteral("NIP nie podany"));
        else if (!IsValidTenDigitNip(Text(127))) err(127, QStringLiteral("Nieprawidłowy NIP"));
        if (isEmpty(128)) err(128, QStringLiteral("Adres do korespondencji nie podany"));
    }
    if (noDate(129)) err(129, QStringLiteral("Data wypełnienia nie podana"));
}
