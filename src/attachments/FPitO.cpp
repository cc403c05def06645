#include "FPitO.h"

#include "FDM.h"
#include "Messages.h"
#include "NumWeryf.h"
#include "StalePit37.h"

namespace {

using D = TDruk;
constexpr quint8 S = bfSpouse;

constexpr TBoxDef kBoxes[] = {
    // B. deductions from income
    Typed(13, "P13"), Typed(14, "P14", D::Filled, S), Typed(15, "P15"), Typed(16, "P16", D::Filled, S),
    Typed(17, "P17"), Typed(18, "P18", D::Filled, S), Typed(19, "P19"), Typed(20, "P20", D::Filled, S),
    Typed(21, "P21"), Typed(22, "P22", D::Filled, S), Typed(23, "P23"), Typed(24, "P24", D::Filled, S),
    Typed(26, "P26"), Typed(27, "P27", D::Filled, S),
    Derived(28, D::NonZero), Derived(29, D::NonZero, {}, S),
    // C. deductions from tax
    Typed(30, "P30"), Typed(31, "P31", D::Filled, S), Typed(32, "P32"), Typed(33, "P33", D::Filled, S),
    Derived(34, D::Positive, BoxShow::Whole),   // number of children
    Typed(35, "P35"), Typed(36, "P36", D::Filled, S), Typed(37, "P37"), Typed(38, "P38", D::Filled, S),
    Typed(40, "P40"), Typed(41, "P41", D::Filled, S),
    Derived(42, D::NonZero), Derived(43, D::NonZero, {}, S),
    // D. donations
    Typed(52, "P52"), Typed(53, "P53", D::Filled, S), Typed(62, "P62"), Typed(63, "P63", D::Filled, S),
};

constexpr int kTextBoxes[] = {25, 39, 44, 45, 46, 47, 48, 49, 50, 51, 54, 55, 56, 57, 58, 59, 60, 61};

bool isTextBox(int box)
{
    for (int b : kTextBoxes)
        if (b == box) return true;
    return false;
}

QString childField(int n, const char* suffix) { return u'D' + QString::number(n) + QLatin1String(suffix); }

void addError(int box, const QString& text) { DM()->AddError(TBlad{box, text}); }

TIdOptions idOptions()
{
    TIdOptions o;
    o.hasSpouse = true;
    o.addressCompletion = false;
    return o;
}

}  // namespace

TPitO::TPitO() : TFormularz(kBoxes, fkPitO)
{
    id_ = std::make_unique<TIdentyfikacja>(IdLayouts::PitO(), idOptions());
    id_->setSpouseActive([this] { return joint_; });
    Clear();
}

void TPitO::Clear()
{
    TFormularz::Clear();
    liczbaDzieci_ = 0;
    teksty_.clear();
    dzieci_ = {};
}

bool TPitO::BoxActive(const TBoxDef& d) const
{
    if (d.box <= 43 && NrZal != 1) return false;   // parts B and C live on attachment 1 only
    return TFormularz::BoxActive(d);
}

QString TPitO::Caption() const
{
    const TOsoba& o = id_->osoba(stPodatnik);
    return QStringLiteral("PIT/O [") + QString::number(NrZal) + QStringLiteral("] - ") + o[idImie] + u' ' + o[idNazwisko];
}

void TPitO::SetLiczbaDzieci(int n)
{
    if (n < 0 || n > StalePitO::kMaxDzieci) return;
    liczbaDzieci_ = n;
    set(34, Amount::zloty(n));
    if (!suspendCalc_) Calculate();
}

Amount TPitO::ChildReliefLimit() const { return StalePitO::kUlgaNaDziecko * liczbaDzieci_; }

void TPitO::SetTekst(int box, const QString& text)
{
    if (isTextBox(box)) teksty_[box] = text;
}

QString TPitO::Tekst(int box) const
{
    auto it = teksty_.find(box);
    return it == teksty_.end() ? QString() : it->second;
}

void TPitO::SetDzieckoPesel(int n, const QString& pesel)
{
    if (n < 1 || n > StalePitO::kDzieci) return;
    TDziecko& d = Dziecko(n);
    d.Pesel = pesel;
    ClearFieldNote(d.PeselNote);
    if (!IsValidPesel(pesel)) SetFieldNote(d.PeselNote, ncRed, QStringLiteral("Nieprawidłowy PESEL"));
}

std::array<bool, 12> TPitO::MonthsFromText(const QString& text)
{
    std::array<bool, 12> m{};
    if (text.size() != 12) return m;
    for (int i = 0; i < 12; ++i) m[i] = text.at(i) == u'T';
    return m;
}

QString TPitO::MonthsToText(const std::array<bool, 12>& months)
{
    QString s;
    for (bool b : months) s += b ? u'T' : u'N';
    return s;
}

// ---- Load / Save -----------------------------------------------------------------------------

bool TPitO::Load(int podatId, int nrZal)
{
    suspendCalc_ = true;
    Clear();
    NrZal = nrZal;
    suspendCalc_ = false;
    if (!LocateTaxpayer(podatId)) {
        ShowWarning(MissingTaxpayerMessage(podatId));
        return false;
    }
    PodatId = podatId;
    const TTable* pod = DM()->Podatnik;
    const QString glowny = pod->asString(QStringLiteral("Glowny"));
    const int sposob = FilingMethodCode(pod->asInt(QStringLiteral("Sposob")));
    joint_ = true;
    if (glowny == QLatin1String("PIT-36") || glowny == QLatin1String("PIT-37")) joint_ = sposob == 1 || sposob == 2;
    else if (glowny == QLatin1String("PIT-28")) joint_ = false;
    mainKind_ = glowny == QLatin1String("PIT-36") ? 36 : glowny == QLatin1String("PIT-37") ? 37 : 28;

    suspendCalc_ = true;
    id_->LoadFromRegister(pod, stPodatnik);
    if (joint_) id_->LoadFromRegister(pod, stMalzonek);

    TTable* t = DM()->PitO;
    t->ensureOpen();
    if (t->locate({QStringLiteral("PodatId"), QStringLiteral("NrZal")}, {podatId, nrZal})) {
        LoadBoxes(t);
        SetLiczbaDzieci(t->asInt(QStringLiteral("P34")));
        for (int b : kTextBoxes) teksty_[b] = t->asString(u'P' + QString::number(b));
        for (int n = 1; n <= StalePitO::kDzieci; ++n) {
            SetDzieckoPesel(n, t->asString(childField(n, "Pesel")));
            TDziecko& d = Dziecko(n);
            d.Nazwisko = t->asString(childField(n, "Nazwisko"));
            d.Imie = t->asString(childField(n, "Imie"));
            d.DataUr = t->asDate(childField(n, "DataUr"));
            d.Caly[0] = t->asBool(childField(n, "5Caly"));
            d.Miesiace[0] = MonthsFromText(t->asString(childField(n, "5")));
            d.Caly[1] = t->asBool(childField(n, "6Caly"));
            d.Miesiace[1] = MonthsFromText(t->asString(childField(n, "6")));
        }
    }
    suspendCalc_ = false;
    Calculate();
    return true;
}

bool TPitO::Save()
{
    if (!LocateTaxpayer(PodatId)) {
        ShowWarning(MissingTaxpayerMessage(PodatId));
        return false;
    }
    TTable* pod = DM()->Podatnik;
    id_->SaveToRegister(pod, stPodatnik);
    if (joint_) id_->SaveToRegister(pod, stMalzonek);

    TTable* t = DM()->PitO;
    t->ensureOpen();
    if (t->locate({QStringLiteral("PodatId"), QStringLiteral("NrZal")}, {PodatId, NrZal})) {
        t->edit();
    } else {
        t->append();
        t->setValue(QStringLiteral("PodatId"), PodatId);
        t->setValue(QStringLiteral("NrZal"), NrZal);
    }
    SaveBoxes(t);
    t->setValue(QStringLiteral("P34"), liczbaDzieci_);
    for (int b : kTextBoxes) t->setValue(u'P' + QString::number(b), Tekst(b));
    for (int n = 1; n <= StalePitO::kDzieci; ++n) {
        const TDziecko& d = Dziecko(n);
        t->setValue(childField(n, "Pesel"), d.Pesel);
        t->setValue(childField(n, "Nazwisko"), d.Nazwisko);
        t->setValue(childField(n, "Imie"), d.Imie);
        if (d.DataUr.isValid()) t->setValue(childField(n, "DataUr"), d.DataUr);
        else t->setNull(childField(n, "DataUr"));
        t->setValue(childField(n, "5Caly"), d.Caly[0]);
        t->setValue(childField(n, "5"), MonthsToText(d.Miesiace[0]));
        t->setValue(childField(n, "6Caly"), d.Caly[1]);
        t->setValue(childField(n, "6"), MonthsToText(d.Miesiace[1]));
    }
    t->post();
    return true;
}

bool TPitO::ReadTotals(int podatId, TSumy* out)
{
    TTable* t = DM()->PitO;
    t->ensureOpen();
    if (t->lookup({QStringLiteral("PodatId"), QStringLiteral("NrZal")}, {podatId, 1}, QStringLiteral("PodatId")).isNull())
        return false;
    TPitO o;
    if (!o.Load(podatId, 1)) return false;
    out->p28 = o.GetPole(28);
    out->p29 = o.GetPole(29);
    out->p42 = o.GetPole(42);
    out->p43 = o.GetPole(43);
    return true;
}

// ---- Calculate -------------------------------------------------------------------------------

void TPitO::Calculate()
{
    using namespace StalePitO;
    clearBoxNotes();
    for (int box : {21, 22})
        if (p(box) > kLimitInternet)
            SetFieldNote(boxNote(box), ncRed, QStringLiteral("Limit odliczeń = ") + MoneyText(kLimitInternet));

    if (liczbaDzieci_ > 0) {
        const Amount limit = ChildReliefLimit();
        if (joint_ && limit < p(35) + p(36)) {
            const QString t = QStringLiteral("Suma odliczeń podatnika i małżonka przekracza\rdopuszczalny limit = ") +
                              MoneyText(limit);
            SetFieldNote(boxNote(35), ncRed, t);
            SetFieldNote(boxNote(36), ncRed, t);
        } else if (!joint_ && limit < p(35)) {
            SetFieldNote(boxNote(35), ncRed,
                         QStringLiteral("Kwota odliczenia przekracza dopuszczalny\rlimit = ") + MoneyText(limit));
        }
    }

    set(28, p(13) + p(15) + p(17) + p(19) + p(21) + p(23) + p(26));
    set(29, p(14) + p(16) + p(18) + p(20) + p(22) + p(24) + p(27));
    set(42, p(30) + p(32) + p(35) + p(37) + p(40));
    set(43, p(31) + p(33) + p(36) + p(38) + p(41));
}

// ---- Verify ----------------------------------------------------------------------------------

void TPitO::verifyIdentification() const
{
    const TIdentyfikacja& id = *id_;
    id.VerifyNip(stPodatnik);
    if (joint_) {
        id.VerifyNipDuplicate({1});
        id.VerifyNip(stMalzonek);
    }
    id.VerifyNames(stPodatnik, true);
    if (joint_) id.VerifyNamePair();
    id.VerifyBirthDate(stPodatnik, true);
    id.VerifyPesel(stPodatnik);
    if (joint_) {
        id.VerifyNames(stMalzonek, true);
        id.VerifyBirthDate(stMalzonek, true);
        id.VerifyPesel(stMalzonek);
    }
}

void TPitO::verifyOtherRelief(int kindBox, int first, int second) const
{
    const bool kindBlank = Tekst(kindBox).trimmed().isEmpty();
    if (kindBlank && (!p(first).isZero() || !p(second).isZero()))
        addError(kindBox, QStringLiteral("Rodzaj odliczenia nie podany"));
    if (kindBlank) return;
    if (joint_ && p(first).isZero() && p(second).isZero())
        addError(first, QStringLiteral("Kwota odliczenia nie podana (poz.%1 i/lub %2)").arg(first).arg(second));
    else if (!joint_ && p(first).isZero())
        addError(first, QStringLiteral("Kwota odliczenia nie podana"));
}

void TPitO::verifyDonee(int firstText, int amount) const
{
    bool any = !p(amount).isZero() || !p(amount + 1).isZero();
    for (int b = firstText; b < firstText + 8; ++b) any = any || !Tekst(b).trimmed().isEmpty();
    if (!any) return;
    const std::pair<int, const char*> required[] = {{0, "Nazwa pełna nie podana"},
                                                    {1, "Nazwa kraju nie podana"},
                                                    {2, "Nazwa miejscowości nie podana"},
                                                    {3, "Nazwa ulicy nie podana"},
                                                    {6, "Kod pocztowy nie podany"}};
    for (auto [offset, text] : required)
        if (Tekst(firstText + offset).trimmed().isEmpty()) addError(firstText + offset, QString::fromUtf8(text));
    if (joint_ && p(amount).isZero() && p(amount + 1).isZero())
        addError(amount,
                 QStringLiteral("Kwota przekazanej darowizny nie podana (poz.%1 lub %2)").arg(amount).arg(amount + 1));
    else if (!joint_ && p(amount).isZero())
        addError(amount, QStringLiteral("Kwota przekazanej darowizny nie podana"));
}

void TPitO::Verify() const
{
    using namespace StalePitO;
    DM()->ClearErrors();
    verifyIdentification();
    if (NrZal == 1) {
        for (int box : {21, 22})
            if (p(box) > kLimitInternet)
                addError(box, QStringLiteral("Kwota przekracza dopuszczalny limit odliczeń [%1 zł]")
                                  .arg(kLimitInternet.wholeZloty()));
        verifyOtherRelief(25, 26, 27);
        if (liczbaDzieci_ > 0 || !p(35).isZero() || !p(36).isZero()) {
            if (liczbaDzieci_ == 0) addError(34, QStringLiteral("Liczba dzieci nie podana"));
            if (joint_ && p(35).isZero() && p(36).isZero())
                addError(35, QStringLiteral("Kwota odliczenia nie podana (poz.35 lub 36)"));
            else if (!joint_ && p(35).isZero())
                addError(35, QStringLiteral("Kwota odliczenia nie podana"));
            if (liczbaDzieci_ > 0) {
                const Amount limit = ChildReliefLimit();
                if (joint_ && limit < p(35) + p(36)) {
                    const QString t =
                        QStringLiteral("Suma odliczeń podatnika i małżonka przekracza dopuszczalne odliczenie = ") +
                        MoneyText(limit);
                    addError(35, t);
                    addError(36, t);
                } else if (!joint_ && limit < p(35)) {
                    addError(35, QStringLiteral("Kwota odliczenia przekracza dopuszczalne odliczenie = ") + MoneyText(limit));
                }
            }
        }
        verifyOtherRelief(39, 40, 41);
    }
    verifyDonee(44, 52);
    verifyDonee(54, 62);
}

// ---- Rehabilitation worksheet ----------------------------------------------------------------

bool TOdlRehab::Load(int podatId, const QString& rodz)
{
    P.fill(Amount());
    for (QString& e : Ed) e.clear();
    TTable* t = DM()->OdlRehab;
    t->ensureOpen();
    if (!t->locate({QStringLiteral("PodatId"), QStringLiteral("Rodz")}, {podatId, rodz})) return false;
    for (int i = 0; i < kAmounts; ++i) P[i] = t->asAmount(u'P' + QString::number(i + 1));
    for (int i = 0; i < 3; ++i) Ed[i] = t->asString(QStringLiteral("Ed") + QString::number(i + 1));
    return true;
}

void TOdlRehab::Save(int podatId, const QString& rodz) const
{
    TTable* t = DM()->OdlRehab;
    t->ensureOpen();
    if (t->locate({QStringLiteral("PodatId"), QStringLiteral("Rodz")}, {podatId, rodz})) {
        t->edit();
    } else {
        t->append();
        t->setValue(QStringLiteral("PodatId"), podatId);
        t->setValue(QStringLiteral("Rodz"), rodz);
    }
    for (int i = 0; i < kAmounts; ++i) t->setAmount(u'P' + QString::number(i + 1), P[i]);
    for (int i = 0; i < 3; ++i) t->setValue(QStringLiteral("Ed") + QString::number(i + 1), Ed[i]);
    t->post();
}

Amount TOdlRehab::Deductible(int item) const
{
    using namespace StalePitO;
    if (item < 1 || item > kAmounts) return Amount();
    const Amount a = P[item - 1];
    if (item <= kMonths) return a > kLekiProgMiesieczny ? a - kLekiProgMiesieczny : Amount();
    if (item <= 15) return a.isNegative() ? Amount() : (a < kLimitRehabilitacji ? a : kLimitRehabilitacji);
    return a;
}

Amount TOdlRehab::Total() const
{
    Amount sum;
    for (int i = 1; i <= kAmounts; ++i) sum += Deductible(i);
    return sum;
}
