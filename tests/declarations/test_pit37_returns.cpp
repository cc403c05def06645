// Complete PIT-37 returns from a file of cases worked out by hand: each return is typed
// through the models (PIT/O and PIT/D saved first, as the user would), saved, loaded
// afresh, and its boxes compared with the expected ones.

#include "FPit37.h"
#include "FPitD.h"
#include "FPitO.h"
#include "FormTestHelpers.h"
#include "TestEnv.h"

#include <QFile>
#include <QTextStream>

namespace {

using Boxes = QVector<std::pair<int, Amount>>;

struct ReturnCase {
    QString id;
    int method = 0;
    Boxes pit37, pito, pitd, expected;
};

Boxes parseBoxes(const QString& text)
{
    Boxes out;
    for (const QString& item : text.split(u' ', Qt::SkipEmptyParts)) {
        const QStringList kv = item.split(u'=');
        const auto a = kv.size() == 2 ? Amount::parse(kv[1]) : std::nullopt;
        if (!a) throw std::runtime_error("bad item " + item.toStdString());
        out.push_back({kv[0].toInt(), *a});
    }
    return out;
}

std::vector<ReturnCase> readCases()
{
    QFile f(QStringLiteral(ZORVIK_TEST_DATA_DIR "/declarations/data/pit37_returns.csv"));
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
    QTextStream in(&f);
    std::vector<ReturnCase> cases;
    bool header = true;
    const int expectedBoxes[] = {106, 107, 109, 116, 120, 122, 123};
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.trimmed().isEmpty() || line.startsWith(u'#')) continue;
        if (header) {
            header = false;
            continue;
        }
        const QStringList c = line.split(u';');
        if (c.size() != 13) throw std::runtime_error("bad line " + line.toStdString());
        ReturnCase r;
        r.id = c[0];
        r.method = c[1].toInt();
        r.pit37 = parseBoxes(c[2]);
        r.pito = parseBoxes(c[3]);
        r.pitd = parseBoxes(c[4]);
        for (int i = 0; i < 7; ++i) r.expected.push_back({expectedBoxes[i], *Amount::parse(c[5 + i])});
        r.expected += parseBoxes(c[12]);
        cases.push_back(r);
    }
    return cases;
}

// Keeps the test listing readable: a case prints as its id.
void PrintTo(const ReturnCase& c, std::ostream* os) { *os << c.id.toStdString(); }

class Pit37Returns : public DataFolderTest, public ::testing::WithParamInterface<ReturnCase> {};

void typeInto(TFormularz& m, const Boxes& boxes)
{
    for (auto [box, a] : boxes) TypeBox(m, box, a);
}

TEST_P(Pit37Returns, BoxesAsWorkedOutByHand)
{
    const ReturnCase& c = GetParam();
    const int id = addTaxpayer(c.id, QStringLiteral("Jan"),
                               {{QStringLiteral("Sposob"), c.method},
                                {QStringLiteral("PitO"), c.pito.isEmpty() ? 0 : 1},
                                {QStringLiteral("PitDPod"), !c.pitd.isEmpty()}});
    if (!c.pito.isEmpty()) {
        TPitO o;
        ASSERT_TRUE(o.Load(id, 1));
        for (auto [box, a] : c.pito) {
            if (box == 34) o.SetLiczbaDzieci(int(a.wholeZloty()));
            else typeInto(o, Boxes{{box, a}});
        }
        ASSERT_TRUE(o.Save());
    }
    if (!c.pitd.isEmpty()) {
        TPitD d;
        ASSERT_TRUE(d.Load(id, 37));
        typeInto(d, c.pitd);
        ASSERT_TRUE(d.Save());
    }
    {
        TPit37 m;
        ASSERT_TRUE(m.Load(id));
        typeInto(m, c.pit37);
        ASSERT_TRUE(m.Save());
    }
    TPit37 m;
    ASSERT_TRUE(m.Load(id));
    for (auto [box, a] : c.expected)
        EXPECT_EQ(m.GetPole(box).toString(), a.toString()) << "box " << box;
    // Whatever the case: no derived box below 0, and never both to pay and overpaid.
    for (const TBoxDef& d : m.Boxes()) EXPECT_FALSE(m.GetPole(d.box).isNegative()) << "box " << d.box;
    EXPECT_FALSE(m.GetPole(122).isPositive() && m.GetPole(123).isPositive());
    EXPECT_EQ(messages->count(), 0) << messages->texts().join(u'\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(HandWorked, Pit37Returns, ::testing::ValuesIn(readCases()),
                         [](const ::testing::TestParamInfo<ReturnCase>& i) {
                             QString n = i.param.id;
                             n.replace(u'-', u'_').replace(u'.', u'_');
                             return n.toStdString();
                         });

TEST(Pit37ReturnsFile, HasTheCases)
{
    EXPECT_GE(readCases().size(), 30u);
}

}  // namespace
