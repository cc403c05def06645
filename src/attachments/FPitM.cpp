#include "FPitM.h"

#include "FDM.h"

namespace {

using D = TDruk;

constexpr TBoxDef kBoxes[] = {
    // row 1 pensions: revenue, income (= revenue), advance due
    Typed(7, "P7"), Derived(8, D::Custom), Typed(9, "P9"),
    // rows 2..4 rent or lease, property rights, other sources: revenue, costs, income, loss, advance
    Typed(10, "P10"), Typed(11, "P11"), Derived(12, D::NonZero), Derived(13, D::NonZero), Typed(14, "P14"),
    Typed(15, "P15"), Typed(16, "P16"), Derived(17, D::NonZero), Derived(18, D::NonZero), Typed(19, "P19"),
    Typed(20, "P20"), Typed(21, "P21"), Derived(22, D::NonZero), Derived(23, D::NonZero), Typed(24, "P24"),
    // row 5 totals
    Derived(25, D::Custom), Derived(26, D::Custom), Derived(27, D::Custom), Derived(28, D::Custom),
    // the parent's part of the income and of the advance
    Derived(30, D::Always), Derived(31, D::Always),
};

// Typed boxes of the source rows 1..4.
constexpr std::initializer_list<int> kRows[] = {{7, 9}, {10, 11, 14}, {15, 16, 19}, {20, 21, 24}};

const TZalacznikDef kDef{&TDM::PitM, false};

}  // namespace

TPitM::TPitM() : TZalacznik(kBoxes, fkPitM, kDef, OsobaLayout(1, 3, 4, 5, 6)) { Clear(); }

void TPitM::Clear()
{
    TZalacznik::Clear();
    p29_[0] = true;
    p29_[1] = false;
}

QString TPitM::Caption() const { return QStringLiteral("PIT/M") + CaptionName(); }

void TPitM::warnUndefined(const char* op, int box) const
{
    if (qstrcmp(op, "SetField") != 0) TFormularz::warnUndefined(op, box);
}

void TPitM::SetP29(int square, bool flag)
{
    if (square < 1 || square > 2 || p29_[square - 1] == flag) return;
    p29_[square - 1] = flag;
    if (flag) p29_[2 - square] = false;
    if (!suspendCalc_) Calculate();
}

void TPitM::LoadRow(const TTable* row)
{
    // A row with neither square set keeps the cleared choice.
    if (row->asBool(QStringLiteral("P29_2"))) SetP29(2, true);
    else if (row->asBool(QStringLiteral("P29_1"))) SetP29(1, true);
}

void TPitM::SaveRow(TTable* row) const
{
    row->setValue(QStringLiteral("P29_1"), p29_[0]);
    row->setValue(QStringLiteral("P29_2"), p29_[1]);
}

void TPitM::Calculate()
{
    set(8, p(7));
    set(12, PositivePart(p(10), p(11)));
    set(13, PositivePart(p(11), p(10)));
    set(17, PositivePart(p(15), p(16)));
    set(18, PositivePart(p(16), p(15)));
    set(22, PositivePart(p(20), p(21)));
    set(23, PositivePart(p(21), p(20)));
    set(25, p(7) + p(10) + p(15) + p(20));
    set(26, p(11) + p(16) + p(21));
    set(27, p(8) + p(12) + p(17) + p(22));
    set(28, p(9) + p(14) + p(19) + p(24));
    if (p29_[0]) {
        set(30, RoundAmount(2, p(27).dividedBy(2)));
        set(31, RoundAmount(2, p(28).dividedBy(2)));
    } else {
        set(30, p(27));
        set(31, p(28));
    }
}

bool TPitM::DrukCustom(int box) const
{
    auto any = [this](std::initializer_list<int> boxes) {
        for (int b : boxes)
            if (GetDruk(b)) return true;
        return false;
    };
    switch (box) {
    case 8: return GetDruk(7);
    case 25: return any({7, 10, 15, 20});
    case 26: return any({11, 16, 21});
    case 27: return any({8, 12, 17, 22});
    case 28: return any({9, 14, 19, 24});
    default: return false;
    }
}

void TPitM::Verify() const
{
    DM()->ClearErrors();
    VerifyOsoba(pcNumber);
    // A row with an amount: each of its typed boxes left at 0 may have been forgotten.
    for (const auto& row : kRows) {
        bool any = false;
        for (int b : row) any = any || !GetPole(b).isZero();
        if (!any) continue;
        for (int b : row)
            if (GetPole(b).isZero())
                AddError(b, QStringLiteral("Należy sprawdzić, czy pozycja nie powinna być wypełniona"));
    }
}
