#include "FPit37Druk.h"

#include "FPit37.h"
#include "FPit37Wsp.h"
#include "FPrn.h"
#include "Globals.h"

namespace {

constexpr int kYear = 2008;

// An amount box, only when the model prints it.
void amount(TOverprintPage& p, const TPit37& pit, int box)
{
    if (pit.GetDruk(box)) p.Amount(box, pit.GetPole(box), Pit37WholeZloty(box));
}

// A count of attachments as a plain number.
QString count(Amount a) { return QString::number(a.raw() / Amount::Scale); }

}  // namespace

bool Pit37WholeZloty(int box)
{
    switch (box) {
    case 43: case 46: case 51: case 56: case 61: case 65: case 70: case 73: case 78: case 83: case 88:
    case 92: case 106: case 120: case 121: case 122: case 123:
        return true;
    default:
        return false;
    }
}

void Pit37Strona1(TOverprintOutput& output, const TPit37& pit)
{
    TOverprintPage p(output, fkPit37, 1, Pit37Wsp());
    p.prn().SetUpper();
    // A correction that pushes the NIP above the sheet would clip it: leave it out.
    if (p.At(1).y() >= 0) p.Nip(1, pit.Text(1));
    if (pit.IsJoint()) p.Nip(2, pit.Text(2));
    p.Year(5, kYear);
    const int mode = pit.GetSposob();
    if (mode >= 0 && mode <= 3) p.Cross(141 + mode);
    p.Cross(7, pit.P7);
    p.Cross(8, pit.GetP8());
    p.Text(9, pit.Urzad);
    p.Cross(145, pit.GetCel(1));
    p.Cross(146, pit.GetCel(2));

    const int sides = pit.IsJoint() ? 2 : 1;
    for (int side = 0; side < sides; ++side) {
        const int b = side == 0 ? 11 : 25;   // surname box of the side
        const TOsoba& o = pit.Id().osoba(side);
        p.Text(b, o[idNazwisko]);
        p.Text(b + 1, o[idImie]);
        p.Date(b + 2, o.DataUr);
        p.Pesel(b + 3, o[idPesel]);
        p.Text(b + 4, o[idKraj]);
        p.Text(b + 5, o[idWojew]);
        p.Text(b + 6, o[idPowiat]);
        p.Text(b + 7, o[idGmina]);
        p.Text(b + 8, o[idUlica]);
        p.Text(b + 9, o[idPosesja]);
        p.Text(b + 10, o[idLokal]);
        p.Text(b + 11, o[idMiasto]);
        p.Text(b + 12, o[idKodPoczt]);
        p.Text(b + 13, o[idPoczta]);
    }
}

void Pit37Strona2(TOverprintOutput& output, const TPit37& pit)
{
    TOverprintPage p(output, fkPit37, 2, Pit37Wsp());
    for (int box = 39; box <= 108; ++box) amount(p, pit, box);
}

void Pit37Strona3(TOverprintOutput& output, const TPit37& pit)
{
    TOverprintPage p(output, fkPit37, 3, Pit37Wsp());
    p.prn().SetUpper();
    for (int box = 109; box <= 123; ++box) amount(p, pit, box);
    p.Text(124, pit.NazwaOPP);
    p.Text(125, pit.NumerOPP);
    amount(p, pit, 126);
    p.Text(127, pit.P127);
    p.Text(128, pit.P128);
    p.Cross(129, pit.P129);
    for (int box = 130; box <= 133; ++box)
        if (pit.GetDruk(box)) p.Text(box, count(pit.GetPole(box)));
    if (pit.Certyfikat() > 0) p.Text(134, QString::number(pit.Certyfikat()));
    p.Cross(147, pit.GetPit135(1));
    p.Cross(148, pit.GetPit135(2));
    p.Cross(149, pit.GetPit136(1));
    p.Cross(150, pit.GetPit136(2));
    p.Cross(151, pit.GetPit136(3));
    // Box 137 as typed.
    p.prn().SetAsStored();
    p.Lines(137, pit.P137);
    p.prn().SetUpper();
    p.Text(140, pit.Pelnomocnik);
}

void PrintPit37Page(TOverprintOutput& output, const TPit37& pit, int page)
{
    switch (page) {
    case 1: Pit37Strona1(output, pit); break;
    case 2: Pit37Strona2(output, pit); break;
    case 3: Pit37Strona3(output, pit); break;
    default: break;
    }
}
