#include "FPit36.h"

#include "FDM.h"
#include "FPitD.h"
#include "FPitO.h"
#include "NumWeryf.h"
#include "StalePit36.h"
#include "ZrodlaDeklaracji.h"

namespace {

using D = TDruk;
constexpr quint8 S = bfSpouse;
constexpr quint8 K = bfKeptApart;
constexpr BoxShow W = BoxShow::Whole;

// Every amount box of the form, in form order.
constexpr TBoxDef kBoxes[] = {
    // year of the earlier exemption: taxpayer, spouse
    Derived(43, D::Custom), Derived(44, D::Custom, {}, S),
    // D.1 taxpayer rows 1-8 (typed parts of the foreign rows kept apart), row 9 totals
    Typed(45, "P45", D::Custom, K), Typed(46, "P46", D::Custom, K), Derived(47, D::NonZero),
    Derived(48, D::NonZero), Typed(49, "P49"), Typed(50, "P50"), Derived(51, D::Custom), Typed(52, "P52"),
    FromAttachment(53, D::Custom), FromAttachment(54, D::Custom), FromAttachment(55, D::NonZero),
    FromAttachment(56, D::NonZero), Typed(57, "P57"), FromAttachment(58, D::Custom), Typed(59, "P59"),
    Typed(60, "P60"), Derived(61, D::NonZero), Derived(62, D::NonZero), Typed(63, "P63"),
    Typed(64, "P64", D::Custom, K), Typed(65, "P65", D::Custom, K), Derived(66, D::NonZero),
    Derived(67, D::NonZero), Typed(68, "P68"), Typed(69, "P69", D::Custom, K), Typed(70, "P70", D::Custom, K),
    Derived(71, D::NonZero), Derived(72, D::NonZero), Typed(73, "P73"), Typed(74, "P74", D::Custom, K),
    Typed(75, "P75", D::Custom, K), Derived(76, D::NonZero), Derived(77, D::NonZero), Typed(78, "P78"),
    Typed(79, "P79", D::Custom, K), Typed(80, "P80", D::Custom, K), Derived(81, D::NonZero),
    Derived(82, D::NonZero), Typed(83, "P83"), Derived(84, D::Custom), Derived(85, D::Custom),
    Derived(86, D::Custom), Derived(87, D::Custom),
    // D.2 spouse rows 1-8, row 9 totals
    Typed(88, "P88", D::Custom, S | K), Typed(89, "P89", D::Custom, S | K), Derived(90, D::NonZero, {}, S),
    Derived(91, D::NonZero, {}, S), Typed(92, "P92", D::Filled, S), Typed(93, "P93", D::Filled, S),
    Derived(94, D::Custom, {}, S), Typed(95, "P95", D::Filled, S), FromAttachment(96, D::Custom, S),
    FromAttachment(97, D::Custom, S), FromAttachment(98, D::NonZero, S), FromAttachment(99, D::NonZero, S),
    Typed(100, "P100", D::Filled, S), FromAttachment(101, D::Custom, S), Typed(102, "P102", D::Filled, S),
    Typed(103, "P103", D::Filled, S), Derived(104, D::NonZero, {}, S), Derived(105, D::NonZero, {}, S),
    Typed(106, "P106", D::Filled, S), Typed(107, "P107", D::Custom, S | K), Typed(108, "P108", D::Custom, S | K),
    Derived(109, D::NonZero, {}, S), Derived(110, D::NonZero, {}, S), Typed(111, "P111", D::Filled, S),
    Typed(112, "P112", D::Custom, S | K), Typed(113, "P113", D::Custom, S | K), Derived(114, D::NonZero, {}, S),
    Derived(115, D::NonZero, {}, S), Typed(116, "P116", D::Filled, S), Typed(117, "P117", D::Custom, S | K),
    Typed(118, "P118", D::Custom, S | K), Derived(119, D::NonZero, {}, S), Derived(120, D::NonZero, {}, S),
    Typed(121, "P121", D::Filled, S), Typed(122, "P122", D::Custom, S | K), Typed(123, "P123", D::Custom, S | K),
    Derived(124, D::NonZero, {}, S), Derived(125, D::NonZero, {}, S), Typed(126, "P126", D::Filled, S),
    Derived(127, D::Custom, {}, S), Derived(128, D::Custom, {}, S), Derived(129, D::Custom, {}, S),
    Derived(130, D::Custom, {}, S),
    // D.3 minor children (PIT/M): income, advances
    FromAttachment(131, D::Custom), FromAttachment(132, D::Custom, S), FromAttachment(133, D::Custom),
    FromAttachment(134, D::Custom, S),
    // E. deductions from income
    Typed(135, "P135"), Typed(136, "P136", D::Filled, S), Typed(137, "P137"), Typed(138, "P138", D::Filled, S),
    Typed(139, "P139", D::Filled, K), Typed(140, "P140", D::Filled, S | K), Typed(141, "P141"),
    Typed(142, "P142", D::Filled, S), Derived(143, D::Always), Derived(144, D::Always, {}, S),
    FromAttachment(145, D::Positive, K), FromAttachment(146, D::Positive, S | K), Typed(147, "P147", D::Positive),
    Typed(148, "P148"), Typed(149, "P149", D::Filled, S), Typed(150, "P150", D::Positive), Derived(151, D::Custom),
    Derived(152, D::Custom), Typed(153, "P153"), Typed(154, "P154", D::Filled, S),
    // F. lost deductions, losses after reductions
    FromAttachment(155, D::NonZero), FromAttachment(156, D::NonZero, S), Derived(157, D::NonZero),
    Derived(158, D::NonZero, {}, S), Derived(159, D::NonZero), Derived(160, D::NonZero, {}, S),
    Derived(161, D::NonZero), Derived(162, D::NonZero, {}, S), Derived(163, D::Custom),
    Derived(164, D::Custom, {}, S), Derived(165, D::Custom), Derived(166, D::Custom, {}, S),
    // G. base and tax
    Derived(167, D::Always), FromAttachment(168, D::NonZero), FromAttachment(169, D::NonZero, S),
    Derived(170, D::Always, W), Derived(171, D::Always), Typed(172, "P172"), Derived(173, D::NonZero),
    Derived(174, D::NonZero, {}, S), Derived(175, D::Always), Typed(176, "P176", D::Filled, K),
    Typed(177, "P177", D::Filled, S | K), Typed(178, "P178"), Typed(179, "P179", D::Filled, S),
    FromAttachment(180, D::Positive, K), FromAttachment(181, D::Positive, S | K), Typed(182, "P182", D::Positive),
    Derived(183, D::Custom), Derived(184, D::Custom), Derived(185, D::Always), Typed(186, "P186"),
    Typed(187, "P187", D::Filled, S), Derived(188, D::Always, W), Derived(189, D::Always), Derived(190, D::Always),
    Derived(191, D::Always), Typed(192, "P192"),
    // H. flat-rate taxes settled in the return
    Typed(193, "P193"), Typed(194, "P194", D::Filled, S), Typed(195, "P195"), Typed(196, "P196", D::Filled, S),
    Typed(197, "P197"), Typed(198, "P198", D::Filled, S), Typed(199, "P199", D::Filled, K),
    Typed(200, "P200", D::Filled, S | K), Typed(201, "P201"), Typed(202, "P202", D::Filled, S),
    Derived(203, D::Custom, W), Derived(204, D::Custom, W, S), Derived(205, D::Custom, W),
    Derived(206, D::Custom, W, S), Derived(207, D::Always), Derived(208, D::Always),
    // M. monthly schedules: flat-rate tax, interest, advances (taxpayer 12, spouse 12 each)
    Typed(209, "P209"), Typed(210, "P210"), Typed(211, "P211"), Typed(212, "P212"), Typed(213, "P213"),
    Typed(214, "P214"), Typed(215, "P215"), Typed(216, "P216"), Typed(217, "P217"), Typed(218, "P218"),
    Typed(219, "P219"), Typed(220, "P220"), Typed(221, "P221", D::Filled, S), Typed(222, "P222", D::Filled, S),
    Typed(223, "P223", D::Filled, S), Typed(224, "P224", D::Filled, S), Typed(225, "P225", D::Filled, S),
    Typed(226, "P226", D::Filled, S), Typed(227, "P227", D::Filled, S), Typed(228, "P228", D::Filled, S),
    Typed(229, "P229", D::Filled, S), Typed(230, "P230", D::Filled, S), Typed(231, "P231", D::Filled, S),
    Typed(232, "P232", D::Filled, S), Typed(233, "P233"), Typed(234, "P234"), Typed(235, "P235"),
    Typed(236, "P236"), Typed(237, "P237"), Typed(238, "P238"), Typed(239, "P239"), Typed(240, "P240"),
    Typed(241, "P241"), Typed(242, "P242"), Typed(243, "P243"), Typed(244, "P244"),
    Typed(245, "P245", D::Filled, S), Typed(246, "P246", D::Filled, S), Typed(247, "P247", D::Filled, S),
    Typed(248, "P248", D::Filled, S), Typed(249, "P249", D::Filled, S), Typed(250, "P250", D::Filled, S),
    Typed(251, "P251", D::Filled, S), Typed(252, "P252", D::Filled, S), Typed(253, "P253", D::Filled, S),
    Typed(254, "P254", D::Filled, S), Typed(255, "P255", D::Filled, S), Typed(256, "P256", D::Filled, S),
    Typed(257, "P257"), Typed(258, "P258"), Typed(259, "P259"), Typed(260, "P260"), Typed(261, "P261"),
    Typed(262, "P262"), Typed(263, "P263"), Typed(264, "P264"), Typed(265, "P265"), Typed(266, "P266"),
    Typed(267, "P267"), Typed(268, "P268"), Typed(269, "P269", D::Filled, S), Typed(270, "P270", D::Filled, S),
    Typed(271, "P271", D::Filled, S), Typed(272, "P272", D::Filled, S), Typed(273, "P273", D::Filled, S),
    Typed(274, "P274", D::Filled, S), Typed(275, "P275", D::Filled, S), Typed(276, "P276", D::Filled, S),
    Typed(277, "P277", D::Filled, S), Typed(278, "P278", D::Filled, S), Typed(279, "P279", D::Filled, S),
    Typed(280, "P280", D::Filled, S), Typed(281, "P281"), Typed(282, "P282"), Typed(283, "P283"),
    Typed(284, "P284"), Typed(285, "P285"), Typed(286, "P286"), Typed(287, "P287"), Typed(288, "P288"),
    Typed(289, "P289"), Typed(290, "P290"), Typed(291, "P291"), Typed(292, "P292"),
    Typed(293, "P293", D::Filled, S), Typed(294, "P294", D::Filled, S), Typed(295, "P295", D::Filled, S),
    Typed(296, "P296", D::Filled, S), Typed(297, "P297", D::Filled, S), Typed(298, "P298", D::Filled, S),
    Typed(299, "P299", D::Filled, S), Typed(300, "P300", D::Filled, S), Typed(301, "P301", D::Filled, S),
    Typed(302, "P302", D::Filled, S), Typed(303, "P303", D::Filled, S), Typed(304, "P304", D::Filled, S),
    // O. 1% for an organisation of public benefit
    Typed(307, "KwotaOPP"),
    // R. attachment counts, statements, certificates, reports
    Derived(311, D::Custom), Derived(312, D::Custom), Derived(313, D::Custom), Derived(314, D::Custom),
    Derived(315, D::Custom), Derived(316, D::Custom), Derived(317, D::Custom), Derived(318, D::Custom),
    Derived(319, D::Custom), Derived(320, D::Positive), Derived(321, D::Positive), Derived(322, D::Positive),
};

const TDeklaracjaDef kDef{
    &TDM::Pit36,
    {"P10_1", "P10_2"},
    {305, 306, 307},
    TIdVerifyRules{9, 10, true, true, {1, 2}},
};

// Typed boxes that show typed part + foreign part: side, foreign row, revenue box, costs box.
struct TForeignRow {
    int side, row, revenue, costs;
};
constexpr TForeignRow kForeignRows[] = {
    {stPodatnik, 0, 45, 46},  {stPodatnik, 2, 64, 65},  {stPodatnik, 3, 69, 70},  {stPodatnik, 4, 74, 75},
    {stPodatnik, 5, 79, 80},  {stMalzonek, 0, 88, 89},  {stMalzonek, 2, 107, 108}, {stMalzonek, 3, 112, 113},
    {stMalzonek, 4, 117, 118}, {stMalzonek, 5, 122, 123},
};

// Business row per side: revenue, costs, income, loss, advance of those using the exemption.
constexpr int kBusiness[2][5] = {{53, 54, 55, 56, 58}, {96, 97, 98, 99, 101}};

// Rows whose in-use test is "revenue, costs or advance filled", per side.
constexpr int kPlainRows[2][6][3] = {
    {{45, 46, 49}, {59, 60, 63}, {64, 65, 68}, {69, 70, 73}, {74, 75, 78}, {79, 80, 83}},
    {{88, 89, 92}, {102, 103, 106}, {107, 108, 111}, {112, 113, 116}, {117, 118, 121}, {122, 123, 126}},
};

// A voivodeship typed into an address without a country makes the country Poland.
class TIdPit36 : public TIdentyfikacja {
public:
    using TIdentyfikacja::TIdentyfikacja;
    void SetWojew(int box, const QString& wojew) override
    {
        int s = 0, id = 0;
        if (!find(box, &s, &id) || id != idWojew) return;
        field(s, idWojew) = wojew;
        if (os_[s][idKraj].isEmpty() && IsVoivodeshipName(wojew)) SetKraj(TIdentyfikacja::box(s, idKraj), QStringLiteral("Polska"));
        TFieldNote& n = note(s, idWojew);
        ClearFieldNote(n);
        if (IsPoland(os_[s][idKraj]) && !IsValidWojew(wojew))
            SetFieldNote(n, ncRed, QStringLiteral("Nieprawidłowa nazwa województwa"));
    }
};

TIdOptions idOptions()
{
    TIdOptions o;
    o.hasSpouse = true;
    return o;
}

Amount count(int n) { return Amount::zloty(n); }
bool flag(const TTable* t, const char* column) { return t->asBool(QLatin1String(column)); }

}  // namespace

TPit36::TPit36() : TDeklaracja(kBoxes, fkPit36, kDef, IdLayouts::Pit37(), idOptions())
{
    id_ = std::make_unique<TIdPit36>(IdLayouts::Pit37(), idOptions());
    id_->setSpouseActive([this] { return IsJoint(); });
    Clear();
}

void TPit36::Clear()
{
    TDeklaracja::Clear();
    P7 = p8_ = false;
    for (auto& k : kwadrat_) k[0] = k[1] = false;
    rok_[0] = rok_[1] = 0;
    liczba_[0] = liczba_[1] = liczba_[2] = 0;
    p323_[0] = p323_[1] = false;
    p324_[0] = p324_[1] = p324_[2] = false;
    pitB_[0] = pitB_[1] = 0;
    pitD_ = pit2K_ = false;
    for (int s = 0; s < 2; ++s) {
        pitM_[s] = pitZ_[s] = sser_[s] = nip1_[s] = nip3_[s] = false;
        pitZG_[s] = 0;
        fIncome_[s].fill(Amount());
        fCosts_[s].fill(Amount());
        paidAbroad_[s] = Amount();
        utrata_[s][0] = utrata_[s][1] = Amount();
    }
    pitO_ = 0;
    Straty.clear();
    P308.clear();
    P309.clear();
    P310 = false;
    P325.clear();
}

int TPit36::GetUrzadId() const
{
    TTable* u = DM()->Urzedy;
    u->ensureOpen();
    const QVariant id =
        u->lookup({QStringLiteral("Nazwa")}, {Urzad}, QStringLiteral("UrzadId"), TTable::CaseInsensitive);
    return id.isNull() ? 0 : id.toInt();
}

void TPit36::SetSposob(int code)
{
    if (code < 0 || code > 3 || code == sposob_) return;
    sposob_ = code;
    Calculate();
}

bool TPit36::HasOpp() const { return TDeklaracja::HasOpp() || GetPole(307).isPositive(); }

bool TPit36::CarriesForeignIncome(int box) const
{
    for (const TForeignRow& r : kForeignRows)
        if (box == r.revenue || box == r.costs) return HasPitZG(r.side) && (r.side == stPodatnik || IsJoint());
    return false;
}

Amount TPit36::ForeignPart(int box) const
{
    if (!CarriesForeignIncome(box)) return Amount();
    for (const TForeignRow& r : kForeignRows) {
        if (box == r.revenue) return fIncome_[r.side][r.row];
        if (box == r.costs) return fCosts_[r.side][r.row];
    }
    return Amount();
}

void TPit36::setUtrata(int box, int part, Amount a)
{
    if (box != 155 && box != 156) return;
    Amount& u = utrata_[box == 156 ? 1 : 0][part];
    if (a.isNegative() || a == u) return;
    u = a;
    Calculate();
}

void TPit36::SetRok(int box, int year)
{
    if ((box != 43 && box != 44) || (year != 0 && year <= StalePit36::kRokOd)) return;
    rok_[box == 44 ? 1 : 0] = year;
    set(box, count(year));
}

void TPit36::SetLiczba(int box, int n)
{
    if (box < 320 || box > 322 || n < 0 || n >= StalePit36::kLiczbaDo) return;
    liczba_[box - 320] = n;
    set(box, count(n));
}

void TPit36::SetKwadrat(int box, int side, bool flag)
{
    if (box >= 39 && box <= 42 && (side == 0 || side == 1)) kwadrat_[box - 39][side] = flag;
}

bool TPit36::GetKwadrat(int box, int side) const
{
    if (box < 39 || box > 42 || (side != 0 && side != 1)) return false;
    return kwadrat_[box - 39][side] && (side == 0 || IsJoint());
}

void TPit36::SetPit323(int square, bool flag) { SetExclusiveSquare(p323_, 2, square, flag); }
void TPit36::SetPit324(int square, bool flag) { SetExclusiveSquare(p324_, 3, square, flag); }

bool TPit36::AcceptField(int box, Amount& value)
{
    switch (box) {
    case 147:
    case 150:
    case 182: return MayTypePitDBoxes();   // otherwise PIT/D gives them
    case 307: value = TruncToTenGrosz(value); return true;
    default: return true;
    }
}

bool TPit36::rowInUse(int side) const
{
    for (const auto& row : kPlainRows[side])
        if (filled(row[0]) || filled(row[1]) || filled(row[2])) return true;
    const int* b = kBusiness[side];
    if (side == stPodatnik ? (filled(50) || filled(52)) : (filled(93) || filled(95))) return true;
    return !GetPole(b[0]).isZero() || !GetPole(b[1]).isZero() || filled(side == stPodatnik ? 57 : 100);
}

bool TPit36::DrukCustom(int box) const
{
    switch (box) {
    case 43:
    case 44: return Rok(box) != 0;
    case 51: return GetDruk(50);
    case 94: return GetDruk(93);
    case 53:
    case 54: return !GetPole(53).isZero() || !GetPole(54).isZero() || filled(57);
    case 96:
    case 97: return !GetPole(96).isZero() || !GetPole(97).isZero() || filled(100);
    case 58: return kwadrat_[41 - 39][0] || !GetPole(58).isZero();
    case 101: return kwadrat_[41 - 39][1] || !GetPole(101).isZero();
    case 84:
    case 85:
    case 86:
    case 87: return rowInUse(stPodatnik);
    case 127:
    case 128:
    case 129:
    case 130: return rowInUse(stMalzonek);
    case 131:
    case 133: return pitM_[0];
    case 132:
    case 134: return pitM_[1];
    case 151:
    case 152: return GetDruk(150);
    case 183:
    case 184: return GetDruk(182);
    case 163: return !GetPole(163).isZero() || GetDruk(159);
    case 164: return !GetPole(164).isZero() || GetDruk(160);
    case 165: return !GetPole(165).isZero() || GetDruk(161);
    case 166: return !GetPole(166).isZero() || GetDruk(162);
    case 203:
    case 205: return GetPole(box).isPositive() || GetDruk(197) || GetDruk(199) || GetDruk(201);
    case 204:
    case 206: return GetPole(box).isPositive() || GetDruk(198) || GetDruk(200) || GetDruk(202);
    case 311: return pitB_[0] + pitB_[1] > 0;
    case 312: return pitD_;
    case 313: return pit2K_;
    case 314: return pitM_[0] || pitM_[1];
    case 315: return pitO_ > 0;
    case 316: return pitZG_[0] + pitZG_[1] > 0;
    case 317: return pitZ_[0] || pitZ_[1];
    case 318: return sser_[0] || sser_[1];
    case 319: return nip1_[0] || nip1_[1] || nip3_[0] || nip3_[1];
    default: break;
    }
    for (const TForeignRow& r : kForeignRows)
        if (box == r.revenue || box == r.costs) return pitZG_[r.side] > 0 ? !GetPole(box).isZero() : filled(box);
    return false;
}

bool TPit36::LoadsBox(int box) const { return (box != 147 && box != 150 && box != 182) || MayTypePitDBoxes(); }
bool TPit36::SavesBox(int box) const { return LoadsBox(box); }

void TPit36::LoadCounts(const TTable* t)
{
    const bool joint = IsJoint();
    pitB_[0] = t->asInt(QStringLiteral("PitBPod"));
    pitB_[1] = t->asInt(QStringLiteral("PitBMal"));
    pitD_ = flag(t, "PitDPod");
    pit2K_ = flag(t, "Pit2K");
    pitM_[0] = flag(t, "PitMPod");
    pitM_[1] = joint && flag(t, "PitMMal");
    pitZ_[0] = flag(t, "PitZPod");
    pitZ_[1] = joint && flag(t, "PitZMal");
    sser_[0] = flag(t, "SSERPod");
    sser_[1] = joint && flag(t, "SSERMal");
    pitO_ = t->asInt(QStringLiteral("PitO"));
    pitZG_[0] = t->asInt(QStringLiteral("PitZGPod"));
    pitZG_[1] = joint ? t->asInt(QStringLiteral("PitZGMal")) : 0;
    nip1_[0] = flag(t, "Nip1Pod");
    nip1_[1] = joint && flag(t, "Nip1Mal");
    nip3_[0] = flag(t, "Nip3Pod");
    nip3_[1] = joint && flag(t, "Nip3Mal");
    set(311, count(pitB_[0] + pitB_[1]));
    set(312, count(pitD_ ? 1 : 0));
    set(313, count(pit2K_ ? 1 : 0));
    set(314, count(int(pitM_[0]) + int(pitM_[1])));
    set(315, count(pitO_));
    set(316, count(pitZG_[0] + pitZG_[1]));
    set(317, count(int(pitZ_[0]) + int(pitZ_[1])));
    set(318, count(int(sser_[0]) + int(sser_[1])));
    set(319, count(int(nip1_[0]) + int(nip1_[1]) + int(nip3_[0]) + int(nip3_[1])));
}

void TPit36::loadBusinessRow(int side)
{
    namespace Z = ZrodlaDeklaracji;
    const int* b = kBusiness[side];
    const int k = StalePit36::kWierszGospodarczy;
    const Amount fi = fIncome_[side][k], fc = fCosts_[side][k];
    for (int i = 0; i < 5; ++i) set(b[i], Amount());
    if (pitZ_[side]) {
        const Z::TPitZRow z = Z::ReadPitZ(PodatId, side);
        if (z.found) {
            set(b[0], z.p33);
            set(b[1], z.p34);
            set(b[2], z.p35);
            set(b[3], z.p36);
            // The taxpayer without part C falls back on part B.
            if (side == stPodatnik && z.p33.isZero() && z.p34.isZero()) {
                set(b[0], z.p19);
                set(b[1], z.p20);
                set(b[2], z.p21);
                set(b[3], z.p22);
                set(b[4], z.p23);
            }
        }
        if (pitZG_[side] > 0) {
            set(b[0], GetPole(b[0]) + fi);
            set(b[1], GetPole(b[1]) + fc);
            set(b[2], GetPole(b[2]) + PositivePart(fi, fc));
            set(b[3], GetPole(b[3]) + PositivePart(fc, fi));
        }
    } else {
        set(b[0], fi);
        set(b[1], fc);
        if (pitB_[side] > 0) {
            set(b[0], fi + Z::SumPitBRevenue(PodatId, side, pitB_[side]));
            set(b[1], fc + Z::SumPitBCosts(PodatId, side, pitB_[side]));
        }
    }
}

void TPit36::LoadAttachments()
{
    using namespace StalePit36;
    namespace Z = ZrodlaDeklaracji;
    // Foreign parts and the tax paid abroad.
    for (int s = 0; s < 2; ++s) {
        const int n = pitZG_[s];
        const int box = s == stPodatnik ? 168 : 169;
        set(box, Amount());
        paidAbroad_[s] = Amount();
        if (n <= 0) continue;
        for (int k = 0; k < kWierszeZagraniczne; ++k) {
            fIncome_[s][k] = DM()->SumForeignIncome(PodatId, s, n, kPolaZagranicy[k]);
            fCosts_[s][k] = DM()->SumForeignCosts(PodatId, s, n, kPolaZagranicy[k]);
        }
        set(box, Z::SumPitZGIncome27(PodatId, s, n));
        paidAbroad_[s] = Z::SumPitZGTax29(PodatId, s, n);
    }
    // Lost deductions.
    for (int s = 0; s < 2; ++s) {
        const Z::TUtrata u = s == stPodatnik || IsJoint() ? Z::ReadUtrata(PodatId, s) : Z::TUtrata{};
        utrata_[s][0] = u.gosp;
        utrata_[s][1] = u.rol;
    }
    loadBusinessRow(stPodatnik);
    loadBusinessRow(stMalzonek);
    // Minor children.
    for (int s = 0; s < 2; ++s) {
        const Z::TPitMSumy m = pitM_[s] ? Z::ReadPitM(PodatId, s) : Z::TPitMSumy{};
        set(s == stPodatnik ? 131 : 132, m.income);
        set(s == stPodatnik ? 133 : 134, m.advance);
    }
    // PIT/O (attachment 1): deductions from income and from tax; the spouse's only when joint.
    setSource(145, Amount());
    setSource(146, Amount());
    setSource(180, Amount());
    setSource(181, Amount());
    TPitO::TSumy o;
    if (pitO_ > 0 && TPitO::ReadTotals(PodatId, &o)) {
        setSource(145, o.p28);
        setSource(180, o.p42);
        if (IsJoint()) {
            setSource(146, o.p29);
            setSource(181, o.p43);
        }
    }
    // PIT/D loaded for PIT-36.
    set(147, Amount());
    set(150, Amount());
    set(182, Amount());
    TPitD::TSumy d;
    if (pitD_ && TPitD::ReadTotals(PodatId, 36, &d)) {
        set(147, d.interest);
        set(150, d.expenses);
        set(182, d.tax);
    }
}

void TPit36::LoadRow(const TTable* t)
{
    TDeklaracja::LoadRow(t);
    const bool joint = IsJoint();
    P7 = t->asBool(QStringLiteral("P7"));
    p8_ = joint && t->asBool(QStringLiteral("P8"));
    for (int b = 39; b <= 42; ++b) {
        kwadrat_[b - 39][0] = t->asBool(QStringLiteral("P%1").arg(b));
        kwadrat_[b - 39][1] = joint && t->asBool(QStringLiteral("P%1a").arg(b));
    }
    SetRok(43, t->asInt(QStringLiteral("P43")));
    SetRok(44, joint ? t->asInt(QStringLiteral("P44")) : 0);
    set(307, TruncToTenGrosz(GetPole(307)));
    Straty = t->asString(QStringLiteral("Straty"));
    P308 = TextLines(t->asString(QStringLiteral("P308")));
    P309 = t->asString(QStringLiteral("P309"));
    P310 = t->asBool(QStringLiteral("P310"));
    for (int b = 320; b <= 322; ++b) SetLiczba(b, t->asInt(QStringLiteral("P%1").arg(b)));
    SetPit323(1, t->asBool(QStringLiteral("P323_1")));
    SetPit323(2, t->asBool(QStringLiteral("P323_2")));
    SetPit324(1, t->asBool(QStringLiteral("P324_1")));
    SetPit324(2, t->asBool(QStringLiteral("P324_2")));
    SetPit324(3, t->asBool(QStringLiteral("P324_3")));
    P325 = TextLines(t->asString(QStringLiteral("P325")));
}

void TPit36::SaveRow(TTable* t) const
{
    TDeklaracja::SaveRow(t);
    const bool joint = IsJoint();
    t->setValue(QStringLiteral("P7"), P7);
    t->setValue(QStringLiteral("P8"), joint && p8_);
    for (int b = 39; b <= 42; ++b) {
        t->setValue(QStringLiteral("P%1").arg(b), kwadrat_[b - 39][0]);
        t->setValue(QStringLiteral("P%1a").arg(b), joint && kwadrat_[b - 39][1]);
    }
    t->setValue(QStringLiteral("P43"), rok_[0]);
    t->setValue(QStringLiteral("P44"), joint ? rok_[1] : 0);
    t->setValue(QStringLiteral("Straty"), Straty);
    t->setValue(QStringLiteral("P308"), JoinLines(P308));
    t->setValue(QStringLiteral("P309"), P309);
    t->setValue(QStringLiteral("P310"), P310);
    for (int b = 320; b <= 322; ++b) t->setValue(QStringLiteral("P%1").arg(b), liczba_[b - 320]);
    t->setValue(QStringLiteral("P323_1"), p323_[0]);
    t->setValue(QStringLiteral("P323_2"), p323_[1]);
    t->setValue(QStringLiteral("P324_1"), p324_[0]);
    t->setValue(QStringLiteral("P324_2"), p324_[1]);
    t->setValue(QStringLiteral("P324_3"), p324_[2]);
    t->setValue(QStringLiteral("P325"), JoinLines(P325));
}

Amount TPit36::foreignIncomeTotal(int side) const
{
    Amount f;
    for (int k = 0; k < StalePit36::kWierszeZagraniczne; ++k) f += PositivePart(fIncome_[side][k], fCosts_[side][k]);
    return f;
}

void TPit36::lostDeductions(int side)
{
    // Each part goes first against the loss of its kind; what is left raises the base.
    const bool tp = side == stPodatnik;
    const int raise = tp ? 157 : 158, gLoss = tp ? 56 : 99, rLoss = tp ? 62 : 105;
    const int gRed = tp ? 159 : 160, rRed = tp ? 161 : 162, gLeft = tp ? 163 : 164, rLeft = tp ? 165 : 166;
    const Amount g = utrata_[side][0], r = utrata_[side][1];
    if (g.isPositive()) {
        if (p(gLoss).isPositive()) {
            set(gRed, Min(g, p(gLoss)));
            set(gLeft, p(gLoss) - p(gRed));
            if (p(gRed) < g) set(raise, g - p(gRed));
        } else {
            set(raise, g);
        }
    }
    if (r.isPositive()) {
        if (p(rLoss).isPositive()) {
            set(rRed, Min(r, p(rLoss)));
            set(rLeft, p(rLoss) - p(rRed));
            if (p(rRed) < r) set(raise, p(raise) + r - p(rRed));
        } else {
            set(raise, p(raise) + r);
        }
    }
}

void TPit36::Calculate()
{
    using namespace StalePit36;
    const int method = GetSposob();
    const bool halved = method != 0;   // joint filing and single parents
    clearBoxNotes();

    // Typed parts plus the foreign parts (the spouse's count only under joint filing).
    for (const TForeignRow& r : kForeignRows) {
        set(r.revenue, src(r.revenue) + fIncome_[r.side][r.row]);
        set(r.costs, src(r.costs) + fCosts_[r.side][r.row]);
    }

    // Taxpayer's income and loss per row, totals (the exemption advance 58 is not added).
    set(47, PositivePart(p(45), p(46)));
    set(48, PositivePart(p(46), p(45)));
    set(51, p(50));
    if (!pitZ_[0]) {
        set(55, PositivePart(p(53), p(54)));
        set(56, PositivePart(p(54), p(53)));
    }
    set(61, PositivePart(p(59), p(60)));
    set(62, PositivePart(p(60), p(59)));
    set(66, PositivePart(p(64), p(65)));
    set(67, PositivePart(p(65), p(64)));
    set(71, PositivePart(p(69), p(70)));
    set(72, PositivePart(p(70), p(69)));
    set(76, PositivePart(p(74), p(75)));
    set(77, PositivePart(p(75), p(74)));
    set(81, PositivePart(p(79), p(80)));
    set(82, PositivePart(p(80), p(79)));
    set(84, p(45) + p(50) + p(53) + p(59) + p(64) + p(69) + p(74) + p(79));
    set(85, p(46) + p(54) + p(60) + p(65) + p(70) + p(75) + p(80));
    set(86, p(47) + p(51) + p(55) + p(61) + p(66) + p(71) + p(76) + p(81));
    set(87, p(49) + p(52) + p(57) + p(63) + p(68) + p(73) + p(78) + p(83));

    // Spouse's rows and totals (all 0 unless filing jointly).
    set(90, PositivePart(p(88), p(89)));
    set(91, PositivePart(p(89), p(88)));
    set(94, p(93));
    if (!pitZ_[1]) {
        set(98, PositivePart(p(96), p(97)));
        set(99, PositivePart(p(97), p(96)));
    }
    set(104, PositivePart(p(102), p(103)));
    set(105, PositivePart(p(103), p(102)));
    set(109, PositivePart(p(107), p(108)));
    set(110, PositivePart(p(108), p(107)));
    set(114, PositivePart(p(112), p(113)));
    set(115, PositivePart(p(113), p(112)));
    set(119, PositivePart(p(117), p(118)));
    set(120, PositivePart(p(118), p(117)));
    set(124, PositivePart(p(122), p(123)));
    set(125, PositivePart(p(123), p(122)));
    set(127, p(88) + p(93) + p(96) + p(102) + p(107) + p(112) + p(117) + p(122));
    set(128, p(89) + p(97) + p(103) + p(108) + p(113) + p(118) + p(123));
    set(129, p(90) + p(94) + p(98) + p(104) + p(109) + p(114) + p(119) + p(124));
    set(130, p(92) + p(95) + p(100) + p(106) + p(111) + p(116) + p(121) + p(126));

    // Social insurance within the income left after exempt income and losses.
    set(139, Min(src(139), Floor0(p(86) + p(131) - p(135) - p(137))));
    set(140, Min(src(140), Floor0(p(129) + p(132) - p(136) - p(138))));
    set(143, Floor0(p(86) + p(131) - p(135) - p(137) - p(139)));
    set(144, Floor0(p(129) + p(132) - p(136) - p(138) - p(140)));

    // Deductions from income: PIT/O within the income, housing expenses within what is left.
    set(145, Min(src(145), p(143)));
    set(146, Min(src(146), p(144)));
    const Amount d = p(143) + p(144) - p(145) - p(146) - p(147) - p(148) - p(149);
    set(151, Floor0(d >= p(150) ? p(150) : d));
    set(152, PositivePart(p(150), p(151)));

    // Lost deductions.
    set(155, utrata_[0][0] + utrata_[0][1]);
    set(156, utrata_[1][0] + utrata_[1][1]);
    for (int b = 157; b <= 166; ++b) set(b, Amount());
    lostDeductions(stPodatnik);
    if (IsJoint()) lostDeductions(stMalzonek);

    // Income to be taxed, base and tax by the scale.
    set(167, Floor0(p(143) + p(144) - p(145) - p(146) - p(147) - p(148) - p(149) - p(151) - p(153) - p(154) +
                    p(157) + p(158)));
    set(170, RoundAmount(0, halved ? p(167).dividedBy(kDzielnikWspolny) : p(167)));
    Amount tax = ScaleTax(p(170));
    if (halved) tax = tax * kDzielnikWspolny;
    // Foreign income exempt with progression sets the rate for the base.
    if (p(168).isPositive() || p(169).isPositive()) {
        const Amount e = halved ? RoundAmount(2, (p(167) + p(168) + p(169)).dividedBy(kDzielnikWspolny))
                                : p(167) + p(168);
        const Amount t = RoundAmount(2, ScaleTax(e));
        const Amount rate = RoundAmount(2, (t * 100) / e);
        tax = (p(170) * rate * (halved ? kDzielnikWspolny : 1)).dividedBy(100);
    }
    set(171, RoundAmount(2, tax));

    // Tax paid abroad, within the share of the tax that falls on the foreign income.
    const Amount income = p(86) + p(129) + p(131) + p(132);
    for (int s = 0; s < 2; ++s) {
        const int box = s == stPodatnik ? 173 : 174;
        set(box, Amount());
        if (pitZG_[s] <= 0 || (s == stMalzonek && !IsJoint())) continue;
        set(box, paidAbroad_[s]);
        if (!income.isZero()) {
            const Amount limit = RoundAmount(2, (p(171) * foreignIncomeTotal(s)) / income);
            if (limit < p(box)) set(box, limit);
        }
    }
    set(175, Floor0(p(171) + p(172) - p(173) - p(174)));

    // Health insurance, within the tax.
    const THealthSplit health = SplitHealthDeduction(method, p(175), src(176), src(177));
    set(176, health.first);
    set(177, health.second);

    // Deductions from tax (PIT/O part C) within the tax left.
    set(180, src(180));
    set(181, src(181));
    const Amount c = Floor0(p(175) - p(176) - p(177));
    if (c < p(180) + p(181)) {
        if (IsJoint() && c >= src(180)) {
            set(181, c - p(180));
        } else {
            set(180, c);
            set(181, Amount());
        }
    }

    // Housing reliefs within the tax left, the rest in later years.
    const Amount e = p(175) - p(176) - p(177) - p(180) - p(181);
    set(183, Floor0(e >= p(182) ? p(182) : e));
    set(184, PositivePart(p(182), p(183)));
    set(185, Floor0(p(175) - p(176) - p(177) - p(180) - p(181) - p(183)));

    // Tax due, advances, the balance.
    set(188, RoundAmount(0, p(185) + p(186) + p(187)));
    set(189, p(87) + p(130) + p(133) + p(134));
    set(190, PositivePart(p(188), p(189)));
    set(191, PositivePart(p(189), p(188)));

    // Flat-rate taxes settled in the return.
    set(199, Min(src(199), p(197)));
    set(200, Min(src(200), p(198)));
    set(203, Floor0(RoundAmount(0, p(197) - p(199) - p(201))));
    set(204, Floor0(RoundAmount(0, p(198) - p(200) - p(202))));
    set(205, Floor0(RoundAmount(0, p(199) + p(201) - p(197))));
    set(206, Floor0(RoundAmount(0, p(200) + p(202) - p(198))));
    const Amount due = p(188) + p(193) + p(194) + p(195) + p(196) + p(203) + p(204);
    const Amount credit = p(192) + p(205) + p(206);
    set(207, PositivePart(due, credit));
    set(208, PositivePart(credit, due));

    setOppNote(p(188));
}

void TPit36::Verify() const
{
    DM()->ClearErrors();
    VerifyIdentification(IsJoint(), GetSposob() == 1);
    VerifyOpp(p(188));
    const bool pitDBoxes = !p(147).isZero() || !p(150).isZero() || !p(182).isZero();
    if (pitDBoxes && !pitD_) {
        const QString t = QStringLiteral("Należy zaznaczyć właściwy kwadrat");
        if (!p323_[0] && !p323_[1]) AddError(323, t);
        if (!p324_[0] && !p324_[1] && !p324_[2]) AddError(324, t);
        if (JoinLines(P325).trimmed().isEmpty())
            AddError(325, QStringLiteral("Należy podać NIP, nazwisko i imię małżonka oraz urząd, do którego został "
                                         "złożony PIT/D"));
    }
}
