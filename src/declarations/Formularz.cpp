#include "Formularz.h"

#include "FDM.h"
#include "Messages.h"

#include <algorithm>

namespace {
const TFieldNote kNoNote;
}

TFormularz::TFormularz(std::span<const TBoxDef> boxes, int formKind) : boxes_(boxes), formKind_(formKind)
{
    int maxBox = 0;
    for (const TBoxDef& d : boxes_) maxBox = std::max(maxBox, d.box);
    idx_.assign(maxBox + 1, -1);
    for (int i = 0; i < int(boxes_.size()); ++i) {
        Q_ASSERT_X(idx_[boxes_[i].box] < 0, "TFormularz", "box listed twice");
        idx_[boxes_[i].box] = i;
    }
    val_.assign(boxes_.size(), Amount());
    src_.assign(boxes_.size(), Amount());
    blank_.assign(boxes_.size(), 1);
}

TFormularz::~TFormularz() = default;

void TFormularz::Clear()
{
    std::fill(val_.begin(), val_.end(), Amount());
    std::fill(src_.begin(), src_.end(), Amount());
    std::fill(blank_.begin(), blank_.end(), 1);
    notes_.clear();
    if (id_) id_->Clear();
}

const TBoxDef* TFormularz::BoxDef(int box) const
{
    const int i = index(box);
    return i < 0 ? nullptr : &boxes_[i];
}

bool TFormularz::IsTyped(int box) const
{
    const TBoxDef* d = BoxDef(box);
    return d && d->kind == BoxKind::Typed;
}

void TFormularz::warnUndefined(const char* op, int box) const
{
    ShowWarning(UndefinedBoxMessage(QLatin1String(op), box));
}

Amount TFormularz::GetPole(int box) const
{
    const int i = index(box);
    if (i < 0) {
        warnUndefined(GetPoleName(), box);
        return Amount();
    }
    return val_[i];
}

void TFormularz::SetField(int box, Amount value)
{
    const int i = index(box);
    if (i < 0 || boxes_[i].kind != BoxKind::Typed) {
        warnUndefined("SetField", box);
        return;
    }
    const bool apart = boxes_[i].flags & bfKeptApart;
    if (value.isNegative() || value == (apart ? src_[i] : val_[i])) return;
    if (!AcceptField(box, value)) return;
    if (apart) src_[i] = value;
    else val_[i] = value;
    if (!suspendCalc_) Calculate();
}

bool TFormularz::GetEmpty(int box) const
{
    const int i = index(box);
    return i < 0 || boxes_[i].kind != BoxKind::Typed || blank_[i];
}

void TFormularz::SetEmpty(int box, bool empty)
{
    const int i = index(box);
    if (i >= 0 && boxes_[i].kind == BoxKind::Typed) blank_[i] = empty;
}

bool TFormularz::GetDruk(int box) const
{
    const int i = index(box);
    if (i < 0) {
        warnUndefined("GetDruk", box);
        return false;
    }
    const TBoxDef& d = boxes_[i];
    if (!BoxActive(d)) return false;
    const Amount a = val_[i];
    const bool filled = d.kind == BoxKind::Typed && !blank_[i];
    switch (d.druk) {
    case TDruk::Always: return true;
    case TDruk::NonZero: return !a.isZero();
    case TDruk::Filled: return !a.isZero() || filled;
    case TDruk::Positive: return a.isPositive();
    case TDruk::PositiveOrFilled: return a.isPositive() || filled;
    case TDruk::Custom: return DrukCustom(box);
    }
    return false;
}

QString TFormularz::GetTekst(int box) const
{
    const TBoxDef* d = BoxDef(box);
    if (!d || (d->kind == BoxKind::Typed && GetEmpty(box))) return QString();
    const Amount a = GetPole(box);
    return d->show == BoxShow::Whole ? FormatWholeAmount(a) : FormatAmount(a);
}

Amount TFormularz::Source(int box) const
{
    const int i = index(box);
    return i < 0 ? Amount() : src_[i];
}

const TFieldNote& TFormularz::Note(int box) const
{
    auto it = notes_.constFind(box);
    if (it != notes_.cend()) return *it;
    return id_ ? id_->Note(box) : kNoNote;
}

bool TFormularz::AcceptField(int, Amount&) { return true; }
bool TFormularz::DrukCustom(int) const { return false; }
bool TFormularz::LoadsBox(int) const { return true; }
bool TFormularz::SavesBox(int) const { return true; }

void TFormularz::LoadBoxes(const TTable* t)
{
    for (int i = 0; i < int(boxes_.size()); ++i) {
        const TBoxDef& d = boxes_[i];
        if (d.kind != BoxKind::Typed || !d.column || !LoadsBox(d.box)) continue;
        const QString col = QLatin1String(d.column);
        const OptAmount a = t->amountOrNull(col);
        blank_[i] = !a.has_value();
        const Amount v = a.value_or(Amount());
        if (v.isNegative()) continue;   // never let a negative amount in
        if (d.flags & bfKeptApart) src_[i] = v;
        else val_[i] = v;
    }
}

void TFormularz::SaveBoxes(TTable* t) const
{
    for (int i = 0; i < int(boxes_.size()); ++i) {
        const TBoxDef& d = boxes_[i];
        if (d.kind != BoxKind::Typed || !d.column || !SavesBox(d.box)) continue;
        const QString col = QLatin1String(d.column);
        if (blank_[i]) t->setNull(col);
        else t->setAmount(col, (d.flags & bfKeptApart) ? src_[i] : val_[i]);
    }
}

Amount TFormularz::p(int box) const
{
    const int i = index(box);
    Q_ASSERT_X(i >= 0, "TFormularz::p", "box not in the table");
    if (i < 0 || ((boxes_[i].flags & bfSpouse) && !SpouseActive())) return Amount();
    return val_[i];
}

Amount TFormularz::src(int box) const
{
    const int i = index(box);
    Q_ASSERT_X(i >= 0, "TFormularz::src", "box not in the table");
    if (i < 0 || ((boxes_[i].flags & bfSpouse) && !SpouseActive())) return Amount();
    return src_[i];
}

void TFormularz::set(int box, Amount value)
{
    const int i = index(box);
    Q_ASSERT_X(i >= 0, "TFormularz::set", "box not in the table");
    if (i >= 0) val_[i] = value;
}

void TFormularz::setSource(int box, Amount value)
{
    const int i = index(box);
    Q_ASSERT_X(i >= 0, "TFormularz::setSource", "box not in the table");
    if (i >= 0) src_[i] = value;
}

void TFormularz::AddError(int box, const QString& text) { DM()->AddError(TBlad{box, text}); }

void TFormularz::VerifyRows(std::initializer_list<std::initializer_list<int>> rows) const
{
    for (const auto& row : rows) {
        bool any = false;
        for (int b : row) any = any || !GetPole(b).isZero();
        if (!any) continue;
        for (int b : row)
            if (GetEmpty(b)) AddError(b, QStringLiteral("Należy sprawdzić, czy pozycja nie powinna być wypełniona"));
    }
}

QString TFormularz::MoneyText(Amount a) { return FormatAmount(a) + QStringLiteral(" zł"); }

bool TFormularz::LocateTaxpayer(int podatId)
{
    TTable* pod = DM()->Podatnik;
    pod->ensureOpen();
    const QString key = QStringLiteral("PodatId");
    if (pod->bookmark() == 0 || pod->asInt(key) != podatId) pod->locate(key, podatId);
    return pod->bookmark() != 0 && pod->asInt(key) == podatId;
}

void TFormularz::clearBoxNotes() { notes_.clear(); }

void TFormularz::setLimitNote(int box, const QString& what, Amount source, const QString& secondLine)
{
    SetFieldNote(boxNote(box), ncGreen,
                 what + QStringLiteral(" (") + MoneyText(source) + QStringLiteral(") została ograniczona\r") +
                     secondLine);
}
