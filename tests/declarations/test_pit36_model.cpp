// PIT-36 model through a real data folder: the worked cases of the computation, the
// attachment sources, entry rules, what is shown, the checks, and complete returns
// worked out by hand.

#include "FPit36.h"
#include "TestEnv.h"
#include "test_pit36_cases.h"

namespace {

class Pit36Test : public DataFolderTest {
protected:
    static void type(TPit36& m, int box, Amount a)
    {
        m.SetEmpty(box, false);
        m.SetField(box, a);
    }
    int addWith(const QStringList& setup, int method = 0)
    {
        const int id = addTaxpayer(QStringLiteral("Nowak"), QStringLiteral("Jan"),
                                   {{QStringLiteral("Sposob"), method}, {QStringLiteral("Glowny"), QStringLiteral("PIT-36")}});
        returncases::applySetup(dm.get(), id, setup);
        return id;
    }
    QStringList errorsOn(int box) const
    {
        QStringList out;
        for (const TBlad& b : dm->BledyTbl->rows())
            if (b.NrPola == box) out << b.Opis;
        return out;
    }
};

TEST_F(Pit36Test, RateMethodForForeignIncome)
{
    const int id = addWith({QStringLiteral("reg:PitZGPod=1"), QStringLiteral("zg:P:1:P12=20000")});
    TPit36 m;
    ASSERT_TRUE(m.Load(id));
    type(m, 45, "60000.00"_zl);
    EXPECT_EQ(m.GetPole(167), "60000.00"_zl);
    EXPECT_EQ(m.GetPole(168), "20000.00"_zl);
    EXPECT_EQ(m.GetPole(170), "60000.00"_zl);
    EXPECT_EQ(m.GetPole(171), "13890.00"_zl);   // rate 23,15 % of E = 80 000 (T = 18 519,25)
    EXPECT_TRUE(m.GetDruk(168));
    EXPECT_FALSE(m.GetDruk(169));
}

TEST_F(Pit36Test, PitZFallsBackOnPartBForTheTaxpayerOnly)
{
    const QStringList setup{QStringLiteral("reg:PitZPod=1"), QStringLiteral("reg:PitZMal=1"),
                            QStringLiteral("pz:P:P19=50000"), QStringLiteral("pz:P:P20=20000"),
                            QStringLiteral("pz:P:P21=25000"), QStringLiteral("pz:P:P23=5000"),
                            QStringLiteral("pz:M:P19=40000"), QStringLiteral("pz:M:P20=10000"),
                            QStringLiteral("pz:M:P21=30000"), QStringLiteral("pz:M:P23=2000")};
    const int id = addWith(setup, 1);
    TPit36 m;
    ASSERT_TRUE(m.Load(id));
    const int taxpayer[] = {53, 54, 55, 56, 58};
    const Amount expected[] = {"50000.00"_zl, "20000.00"_zl, "25000.00"_zl, Amount(), "5000.00"_zl};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(m.GetPole(taxpayer[i]), expected[i]) << taxpayer[i];
    for (int b : {96, 97, 98, 99, 101}) EXPECT_EQ(m.GetPole(b), Amount()) << b;
    EXPECT_TRUE(m.GetDruk(58));
    EXPECT_EQ(m.GetPole(86), "25000.00"_zl);
}

TEST_F(Pit36Test, InterestReliefBeyondIncomeLeavesHousingExpensesForLater)
{
    const int id = addWith({});
    TPit36 m;
    ASSERT_TRUE(m.Load(id));
    type(m, 45, "10000.00"_zl);
    type(m, 147, "12000.00"_zl);
    type(m, 150, "150.00"_zl);
    EXPECT_EQ(m.GetPole(151), Amount());
    EXPECT_EQ(m.GetPole(152), "150.00"_zl);
    EXPECT_TRUE(m.GetDruk(151));
    EXPECT_EQ(m.GetPole(167), Amount());
}

TEST_F(Pit36Test, LostBusinessDeductionsGoFirstAgainstTheLoss)
{
    const int withLoss = addWith({QStringLiteral("reg:PitBPod=1"), QStringLiteral("pb:P:1:P11=10000"),
                                  QStringLiteral("pb:P:1:P12=13000")});
    struct Row {
        int id;
        Amount p157, p159, p163;
    };
    const Row rows[] = {{withLoss, "2000.00"_zl, "3000.00"_zl, Amount()}, {addWith({}), "5000.00"_zl, Amount(), Amount()}};
    for (const Row& r : rows) {
        TPit36 m;
        ASSERT_TRUE(m.Load(r.id));
        m.SetUtrataGosp(155, "5000.00"_zl);
        EXPECT_EQ(m.GetPole(155), "5000.00"_zl);
        EXPECT_EQ(m.GetPole(157), r.p157);
        EXPECT_EQ(m.GetPole(159), r.p159);
        EXPECT_EQ(m.GetPole(163), r.p163);
        EXPECT_EQ(m.GetDruk(163), !r.p159.isZero());   // shown with 159 even when 0
        EXPECT_EQ(m.GetPole(167), r.p157);
    }
}

TEST_F(Pit36Test, JointHealthContributionsShareTheTax)
{
    const int id = addWith({}, 1);
    TPit36 m;
    ASSERT_TRUE(m.Load(id));
    type(m, 172, "1000.00"_zl);
    type(m, 176, "800.00"_zl);
    type(m, 177, "600.00"_zl);
    EXPECT_EQ(m.GetPole(175), "1000.00"_zl);
    EXPECT_EQ(m.GetPole(176), "800.00"_zl);
    EXPECT_EQ(m.GetPole(177), "200.00"_zl);
    EXPECT_EQ(m.GetPole(185), Amount());
    EXPECT_EQ(m.Source(177), "600.00"_zl);
}

// PIT/O part C of both spouses within the tax left after health contributions.
TEST_F(Pit36Test, JointDeductionsFromTaxWithinWhatIsLeft)
{
    struct Row {
        int method;
        Amount health176, health177, p180, p181;
    };
    const Row rows[] = {
        {1, "800.00"_zl, "600.00"_zl, Amount(), Amount()},           // c = 0
        {1, "800.00"_zl, Amount(), "100.00"_zl, "100.00"_zl},        // c = 200: both whole
        {2, "850.00"_zl, Amount(), "100.00"_zl, "50.00"_zl},         // c = 150: the spouse's cut
        {1, "950.00"_zl, Amount(), "50.00"_zl, Amount()},            // c = 50 below the taxpayer's
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.health176.wholeZloty());
        const int id = addWith({QStringLiteral("reg:PitO=1"), QStringLiteral("po:P30=100"), QStringLiteral("po:P31=100")},
                               r.method);
        TPit36 m;
        ASSERT_TRUE(m.Load(id));
        EXPECT_EQ(m.Source(180), "100.00"_zl);
        EXPECT_EQ(m.Source(181), "100.00"_zl);
        type(m, 172, "1000.00"_zl);
        type(m, 176, r.health176);
        type(m, 177, r.health177);
        EXPECT_EQ(m.GetPole(175), "1000.00"_zl);
        EXPECT_EQ(m.GetPole(180), r.p180);
        EXPECT_EQ(m.GetPole(181), r.p181);
        EXPECT_TRUE(m.GetDruk(315));
    }
}

TEST_F(Pit36Test, PitOOfTheSpouseLeftOutWhenNotJoint)
{
    const int id = addWith({QStringLiteral("reg:PitO=1"), QStringLiteral("po:P13=300"), QStringLiteral("po:P14=200"),
                            QStringLiteral("po:P30=100"), QStringLiteral("po:P31=100")});
    TPit36 m;
    ASSERT_TRUE(m.Load(id));
    type(m, 45, "10000.00"_zl);
    EXPECT_EQ(m.GetPole(145), "300.00"_zl);
    EXPECT_EQ(m.Source(146), Amount());
    EXPECT_EQ(m.Source(181), Amount());
    EXPECT_EQ(m.GetPole(167), "9700.00"_zl);
    EXPECT_EQ(m.GetPole(180), "100.00"_zl);
}

TEST_F(Pit36Test, PaidAbroadOfFlatRateTaxLimitedByThatTax)
{
    const int id = addWith({});
    TPit36 m;
    ASSERT_TRUE(m.Load(id));
    type(m, 197, "500.00"_zl);
    type(m, 199, "800.00"_zl);
    EXPECT_EQ(m.GetPole(199), "500.00"_zl);
    EXPECT_EQ(m.Source(199), "800.00"_zl);
    EXPECT_EQ(m.GetPole(203), Amount());
    EXPECT_EQ(m.GetPole(205), Amount());
    EXPECT_TRUE(m.GetDruk(203));
    type(m, 201, "30.40"_zl);
    EXPECT_EQ(m.GetPole(205), "30.00"_zl);
    EXPECT_EQ(m.GetPole(208), "30.00"_zl);
}

// Spouse amounts typed under joint filing stay stored when the filing method changes, but
// no longer count, show or get checked.
TEST_F(Pit36Test, SpouseAmountsCountOnlyUnderJointFiling)
{
    const int id = addWith({}, 1);
    {
        TPit36 m;
        ASSERT_TRUE(m.Load(id));
        type(m, 45, "30000.00"_zl);
        type(m, 88, "50000.00"_zl);
        type(m, 92, "4000.00"_zl);
        type(m, 177, "600.00"_zl);
        type(m, 200, "100.00"_zl);
        type(m, 198, "300.00"_zl);
        EXPECT_EQ(m.GetPole(167), "80000.00"_zl);
        EXPECT_TRUE(m.GetDruk(88));
        ASSERT_TRUE(m.Save());
    }
    dm->Podatnik->locate(QStringLiteral("PodatId"), id);
    dm->Podatnik->edit();
    dm->Podatnik->setValue(QStringLiteral("Sposob"), 0);
    dm->Podatnik->post();

    TPit36 m;
    ASSERT_TRUE(m.Load(id));
    EXPECT_EQ(m.Source(88), "50000.00"_zl);   // kept
    for (int b : {88, 92, 127, 129, 130, 144, 177, 198, 200, 204, 206}) EXPECT_FALSE(m.GetDruk(b)) << b;
    EXPECT_EQ(m.GetPole(129), Amount());
    EXPECT_EQ(m.GetPole(130), Amount());
    EXPECT_EQ(m.GetPole(167), "30000.00"_zl);
    EXPECT_EQ(m.GetPole(170), "30000.00"_zl);
    EXPECT_EQ(m.GetPole(177), Amount());
    EXPECT_EQ(m.GetPole(189), Amount());
    EXPECT_EQ(m.GetPole(207), m.GetPole(188));   // no spouse flat-rate tax
    m.Verify();
    EXPECT_TRUE(errorsOn(2).isEmpty());   // no spouse NIP check
    EXPECT_TRUE(errorsOn(25).isEmpty());
    ASSERT_TRUE(m.Save());
    ASSERT_TRUE(dm->Pit36->locate(QStringLiteral("PodatId"), id));
    EXPECT_EQ(dm->Pit36->asAmount(QStringLiteral("P88")), "50000.00"_zl);
    EXPECT_EQ(dm->Pit36->asAmount(QStringLiteral("P177")), "600.00"_zl);
    EXPECT_EQ(dm->Pit36->asAmount(QStringLiteral("P200")), "100.00"_zl);
}

TEST_F(Pit36Test, EntryRules)
{
    const int id = addWith({});
    {
        TPit36 m;
        ASSERT_TRUE(m.Load(id));
        m.SetRok(43, 2005);
        m.SetRok(43, 1999);   // refused
        EXPECT_EQ(m.Rok(43), 2005);
        EXPECT_TRUE(m.GetDruk(43));
        m.SetRok(43, 0);
        EXPECT_EQ(m.Rok(43), 0);
        EXPECT_FALSE(m.GetDruk(43));
        m.SetLiczba(320, 100);
        m.SetLiczba(320, 99);
        EXPECT_EQ(m.Liczba(320), 99);

        type(m, 45, "20000.00"_zl);
        const Amount due = m.GetPole(188);
        type(m, 215, "123.00"_zl);   // monthly schedule: no derived box moves
        EXPECT_EQ(m.GetPole(215), "123.00"_zl);
        EXPECT_EQ(m.GetPole(188), due);
        type(m, 201, "11.00"_zl);
        type(m, 202, "22.00"_zl);
        type(m, 307, "12.39"_zl);
        EXPECT_EQ(m.GetPole(307), "12.30"_zl);
        m.SetPit324(1, true);
        m.SetPit324(3, true);
        EXPECT_FALSE(m.GetPit324(1));
        ASSERT_TRUE(m.Save());
    }
    TPit36 m;
    ASSERT_TRUE(m.Load(id));
    EXPECT_EQ(m.GetPole(201), "11.00"_zl);
    EXPECT_EQ(m.GetPole(202), "22.00"_zl);   // stored even though the spouse column is off
    EXPECT_EQ(m.GetPole(215), "123.00"_zl);
    EXPECT_EQ(m.Liczba(320), 99);
    EXPECT_TRUE(m.GetPit324(3));
    EXPECT_EQ(messages->count(), 0);
}

TEST_F(Pit36Test, PitDBoxesNeitherReadNorWrittenWithPitD)
{
    const int id = addWith({});
    {
        TPit36 m;
        ASSERT_TRUE(m.Load(id));
        type(m, 147, "700.00"_zl);
        ASSERT_TRUE(m.Save());
    }
    dm->Podatnik->locate(QStringLiteral("PodatId"), id);
    dm->Podatnik->edit();
    dm->Podatnik->setValue(QStringLiteral("PitDPod"), true);
    dm->Podatnik->post();
    dm->PitD->append();
    dm->PitD->setValue(QStringLiteral("PodatId"), id);
    dm->PitD->setAmount(QStringLiteral("P37"), "800.00"_zl);
    dm->PitD->post();
    TPit36 m;
    ASSERT_TRUE(m.Load(id));
    EXPECT_EQ(m.GetPole(147), "800.00"_zl);
    EXPECT_TRUE(m.GetDruk(147));
    EXPECT_TRUE(m.GetDruk(312));
    type(m, 147, "900.00"_zl);   // given by PIT/D, not typed
    EXPECT_EQ(m.GetPole(147), "800.00"_zl);
    m.Verify();
    EXPECT_TRUE(errorsOn(323).isEmpty());
    ASSERT_TRUE(m.Save());
    ASSERT_TRUE(dm->Pit36->locate(QStringLiteral("PodatId"), id));
    EXPECT_EQ(dm->Pit36->asAmount(QStringLiteral("P147")), "700.00"_zl);
}

TEST_F(Pit36Test, PitDBoxesTypedWithoutPitDAskForTheSquares)
{
    const int id = addWith({});
    TPit36 m;
    ASSERT_TRUE(m.Load(id));
    type(m, 182, "100.00"_zl);
    m.Verify();
    EXPECT_EQ(errorsOn(323), QStringList{QStringLiteral("Należy zaznaczyć właściwy kwadrat")});
    EXPECT_EQ(errorsOn(324), QStringList{QStringLiteral("Należy zaznaczyć właściwy kwadrat")});
    EXPECT_EQ(errorsOn(325),
              QStringList{QStringLiteral("Należy podać NIP, nazwisko i imię małżonka oraz urząd, do którego został złożony PIT/D")});
    m.SetPit323(1, true);
    m.SetPit324(2, true);
    m.P325 = QStringList{QStringLiteral("1234563218 Nowak Anna US Kraków")};
    m.Verify();
    EXPECT_TRUE(errorsOn(323).isEmpty());
    EXPECT_TRUE(errorsOn(324).isEmpty());
    EXPECT_TRUE(errorsOn(325).isEmpty());
}

TEST_F(Pit36Test, VoivodeshipWithoutCountryMeansPoland)
{
    const int id = addWith({});
    TPit36 m;
    ASSERT_TRUE(m.Load(id));
    m.SetWojew(16, QStringLiteral("MAZOWIECKIE"));
    EXPECT_EQ(m.Text(15), QStringLiteral("Polska"));
    m.SetKraj(15, QString());
    m.SetWojew(16, QStringLiteral("Bawaria"));
    EXPECT_EQ(m.Text(15), QString());
}

TEST_F(Pit36Test, OfficeFoundByNameInAnyLetterCase)
{
    const int id = addWith({});
    ASSERT_TRUE(dm->Urzedy->locate(QStringLiteral("Nazwa"), QStringLiteral("URZĄD SKARBOWY W BOLESŁAWCU")));
    const int office = dm->Urzedy->asInt(QStringLiteral("UrzadId"));
    TPit36 m;
    ASSERT_TRUE(m.Load(id));
    m.SetUrzad(QStringLiteral("  Urząd Skarbowy w Bolesławcu "));
    EXPECT_EQ(m.GetUrzadId(), office);
    ASSERT_TRUE(m.Save());
    dm->Podatnik->locate(QStringLiteral("PodatId"), id);
    EXPECT_EQ(dm->Podatnik->asInt(QStringLiteral("UrzadId")), office);
}

TEST_F(Pit36Test, UndefinedBoxesWarnWithTheAccessorName)
{
    const int id = addWith({});
    TPit36 m;
    ASSERT_TRUE(m.Load(id));
    m.GetPole(306);
    m.GetDruk(308);
    m.SetField(167, "1.00"_zl);
    EXPECT_EQ(messages->texts(), (QStringList{QStringLiteral("Procedura: GetField - pole: 306 nieokreślone."),
                                              QStringLiteral("Procedura: GetDruk - pole: 308 nieokreślone."),
                                              QStringLiteral("Procedura: SetField - pole: 167 nieokreślone.")}));
}

TEST_F(Pit36Test, ForeignPartShownInsideTheTypedBox)
{
    const int id = addWith({QStringLiteral("reg:PitZGPod=1"), QStringLiteral("zag:P:1:19=1000/400")});
    TPit36 m;
    ASSERT_TRUE(m.Load(id));
    EXPECT_TRUE(m.CarriesForeignIncome(69));
    EXPECT_TRUE(m.CarriesForeignIncome(45));    // any foreign row of a side with PIT/ZG
    EXPECT_FALSE(m.CarriesForeignIncome(88));   // the spouse has none
    EXPECT_FALSE(m.CarriesForeignIncome(59));   // agricultural row has no foreign part
    EXPECT_EQ(m.ForeignPart(45), Amount());
    EXPECT_EQ(m.ForeignPart(69), "1000.00"_zl);
    EXPECT_EQ(m.GetPole(69), "1000.00"_zl);
    EXPECT_EQ(m.GetPole(71), "600.00"_zl);
    type(m, 69, "500.00"_zl);
    EXPECT_EQ(m.GetPole(69), "1500.00"_zl);
    EXPECT_FALSE(m.GetDruk(45));   // with PIT/ZG: shown only when not 0
    type(m, 45, Amount());
    EXPECT_FALSE(m.GetDruk(45));
}

TEST_F(Pit36Test, CompleteReturnsWorkedOutByHand)
{
    returncases::checkReturns<TPit36>(dm.get(), QStringLiteral("pit36_returns.csv"), 20u, [this](const QString& name) {
        return addTaxpayer(name, QStringLiteral("Jan"), {{QStringLiteral("Glowny"), QStringLiteral("PIT-36")}});
    });
    EXPECT_EQ(messages->count(), 0);
}

}  // namespace
