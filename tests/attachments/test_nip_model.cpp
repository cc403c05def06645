// NIP-1 and NIP-3 models: the box tables, exclusive squares, live notes, Load and Save
// with the taxpayer register, the defaults of a new NIP-3 and the editor aids.

#include "nip_fixture.h"

#include "FBiuro.h"
#include "NumWeryf.h"

#include <QSet>

#include <memory>

using namespace niptest;

namespace {

std::unique_ptr<TNipForm> makeForm(int kind)
{
    if (kind == fkNip1) return std::make_unique<TNip1>();
    return std::make_unique<TNip3>();
}

QSet<int> boxesOf(const TNipForm& f)
{
    QSet<int> s;
    for (const TNipField& x : f.Fields()) s.insert(x.box);
    return s;
}

QSet<int> range(int from, int to)
{
    QSet<int> s;
    for (int b = from; b <= to; ++b) s.insert(b);
    return s;
}

}  // namespace

class NipModel : public DataFolderTest {};

TEST_F(NipModel, EveryBoxOfTheFormIsInTheTable)
{
    TNip1 n1;
    TNip3 n3;
    EXPECT_EQ(boxesOf(n1), QSet<int>{1} + range(4, 129));
    EXPECT_EQ(boxesOf(n3), (QSet<int>{1, 67, 68} + range(4, 65)));

    struct Case {
        int kind, box, square;
        TNipBoxKind type;
        const char* column;
        int size;
        bool inRegister;
    };
    const Case cases[] = {
        {fkNip1, 1, 0, TNipBoxKind::Text, "NIP", 13, true},
        {fkNip1, 14, 0, TNipBoxKind::Date, "DataUr", 0, true},
        {fkNip1, 36, 0, TNipBoxKind::Text, "Poczta", 30, true},
        {fkNip1, 4, 2, TNipBoxKind::Flag, "F4_2", 0, false},
        {fkNip1, 21, 17, TNipBoxKind::Flag, "F21_17", 0, false},
        {fkNip1, 37, 0, TNipBoxKind::Flag, "F37", 0, false},
        {fkNip1, 60, 0, TNipBoxKind::Memo, "F60", 0, false},
        {fkNip1, 94, 0, TNipBoxKind::Date, "F94", 0, false},
        {fkNip1, 122, 0, TNipBoxKind::Count, "F122", 0, false},
        {fkNip1, 124, 7, TNipBoxKind::Flag, "F124_7", 0, false},
        {fkNip1, 11, 0, TNipBoxKind::Text, "F11", 50, false},
        {fkNip3, 11, 0, TNipBoxKind::Text, "F11", 30, false},
        {fkNip3, 8, 0, TNipBoxKind::Text, "Pesel", 11, true},
        {fkNip3, 65, 0, TNipBoxKind::Date, "F65", 0, false},
        {fkNip3, 67, 0, TNipBoxKind::Text, "F67", 10, false},
    };
    for (const Case& c : cases) {
        auto f = makeForm(c.kind);
        const TNipField* x = f->Field(c.box, c.square);
        ASSERT_NE(x, nullptr) << c.kind << ' ' << c.box << '_' << c.square;
        EXPECT_EQ(x->kind, c.type) << c.column;
        EXPECT_EQ(x->column, QLatin1String(c.column));
        EXPECT_EQ(x->size, c.size) << c.column;
        EXPECT_EQ(x->inRegister, c.inRegister) << c.column;
    }
    // Box 21 has no square for box 16; NIP-1 keeps no copy of the register's boxes.
    EXPECT_EQ(n1.Field(21, 16), nullptr);
    EXPECT_EQ(n1.Field(21, 15)->column, QStringLiteral("F21_15"));
    for (int box : {8, 14, 27, 36}) EXPECT_TRUE(n1.Field(box)->inRegister) << box;
}

TEST_F(NipModel, ExclusiveSquares)
{
    struct Step { int square; bool on; };
    struct Case {
        int kind, box;
        std::vector<Step> steps;
        std::vector<bool> expected;   // squares 1..n after the steps
    };
    const Case cases[] = {
        {fkNip1, 4, {{1, true}, {2, true}}, {false, true}},
        {fkNip1, 4, {{2, true}, {2, false}}, {false, false}},   // unticking leaves none
        {fkNip1, 16, {{2, true}, {1, true}}, {true, false}},
        {fkNip1, 62, {{1, true}, {3, true}, {2, true}}, {false, true, true}},   // 3 stands apart
        {fkNip1, 62, {{3, true}, {3, false}, {1, true}}, {true, false, false}},
        {fkNip1, 78, {{1, true}, {3, true}, {4, true}}, {false, false, false, true}},
        {fkNip1, 79, {{1, true}, {2, true}}, {false, true}},
        {fkNip1, 110, {{2, true}, {1, true}}, {true, false}},
        {fkNip1, 124, {{1, true}, {7, true}, {3, true}}, {true, false, true, false, false, false, true}},
        {fkNip1, 21, {{8, true}, {9, true}}, {}},
        {fkNip3, 4, {{1, true}, {2, true}}, {false, true}},
        {fkNip3, 6, {{2, true}, {1, true}}, {true, false}},
        {fkNip3, 16, {{1, true}, {2, true}}, {false, true}},
    };
    for (const Case& c : cases) {
        auto f = makeForm(c.kind);
        for (const Step& s : c.steps) f->SetSquare(c.box, s.square, s.on);
        for (size_t i = 0; i < c.expected.size(); ++i)
            EXPECT_EQ(f->Square(c.box, int(i) + 1), c.expected[i]) << c.kind << " box " << c.box << " square " << i + 1;
    }
    // Independent flags of box 21 stay ticked together.
    TNip1 f;
    f.SetSquare(21, 8, true);
    f.SetSquare(21, 20, true);
    EXPECT_TRUE(f.Square(21, 8));
    EXPECT_TRUE(f.Square(21, 20));
}

TEST_F(NipModel, IdentifierNotes)
{
    const QString bad = QStringLiteral("Nieprawidłowy NIP");
    const QString badAccount = QStringLiteral("Nieprawidłowy numer rachunku bankowego");
    struct Set { int box; QString value; };
    struct Case {
        const char* name;
        int kind;
        std::vector<Set> values;
        int box;
        QString note;   // empty: no note
    };
    const Case cases[] = {
        {"valid NIP in mask form", fkNip1, {{1, kNip}}, 1, {}},
        {"untouched NIP mask", fkNip1, {{1, "   -   -  -  "}}, 1, {}},
        {"NIP check digit", fkNip1, {{1, "123-456-32-19"}}, 1, bad},
        {"ten-digit NIP valid", fkNip1, {{80, kNipDigits}}, 80, {}},
        {"ten-digit NIP of spaces is blank", fkNip1, {{80, "          "}}, 80, {}},
        {"ten-digit NIP beginning with 000", fkNip1, {{80, "0000000000"}}, 80, bad},
        {"ten-digit NIP too short", fkNip1, {{127, "123456321"}}, 127, bad},
        {"ten-digit NIP check digit", fkNip1, {{127, "1234563219"}}, 127, bad},
        {"REGON valid", fkNip1, {{59, "123456785"}}, 59, {}},
        {"REGON check digit", fkNip1, {{59, "123456786"}}, 59, QStringLiteral("Nieprawidłowy REGON")},
        {"account, no country", fkNip1, {{56, kBadAccount}}, 56, badAccount},
        {"account, Poland", fkNip1, {{53, "polska"}, {56, kBadAccount}}, 56, badAccount},
        {"account abroad is not noted", fkNip1, {{53, "Niemcy"}, {56, kBadAccount}}, 56, {}},
        {"refund account abroad", fkNip1, {{63, "Niemcy"}, {66, kBadAccount}}, 66, {}},
        {"business account, Poland", fkNip1, {{68, "Polska"}, {71, kBadAccount}}, 71, badAccount},
        {"second business account", fkNip1, {{76, "1234"}}, 76, badAccount},
        {"previous refund account always", fkNip1, {{67, kBadAccount}}, 67, badAccount},
        {"valid account", fkNip1, {{56, kAccount}}, 56, {}},
        {"country changed after the number", fkNip1, {{56, kBadAccount}, {53, "Niemcy"}}, 56, {}},
        {"NIP-3 account noted whatever the country", fkNip3, {{53, "Niemcy"}, {56, kBadAccount}}, 56, badAccount},
        {"NIP-3 representative's NIP", fkNip3, {{63, "0001234567"}}, 63, bad},
        {"NIP-3 entity's NIP", fkNip3, {{67, "1234563219"}}, 67, bad},
        {"NIP-3 entity's NIP valid", fkNip3, {{67, kNipDigits}}, 67, {}},
        // The taxpayer's masked NIP and the representative's digits are compared by digits.
        {"NIP-3 same NIP in 1 and 63: on 1", fkNip3, {{1, kNip}, {63, kNipDigits}}, 1,
         QStringLiteral("NIP w poz.1 i 63 jest taki sam")},
        {"NIP-3 same NIP in 1 and 63: on 63", fkNip3, {{63, kNipDigits}, {1, kNip}}, 63,
         QStringLiteral("NIP w poz.1 i 63 jest taki sam")},
        {"NIP-3 same NIP, then 63 changed", fkNip3, {{1, kNip}, {63, kNipDigits}, {63, "5260250995"}}, 1, {}},
        {"NIP-3 both blank are not the same", fkNip3, {{1, "   -   -  -  "}, {63, "          "}}, 63, {}},
        {"NIP-3 box 67 not compared", fkNip3, {{1, kNip}, {67, kNipDigits}}, 67, {}},
    };
    for (const Case& c : cases) {
        auto f = makeForm(c.kind);
        for (const Set& s : c.values) f->SetText(s.box, s.value);
        const TFieldNote& n = f->Note(c.box);
        EXPECT_EQ(n.text, c.note) << c.name;
        EXPECT_EQ(n.colour, c.note.isEmpty() ? int(ncNone) : int(ncRed)) << c.name;
        EXPECT_EQ(n.shown, !c.note.isEmpty()) << c.name;
        EXPECT_EQ(f->Text(c.values.back().box), c.values.back().value) << c.name << ": kept as typed";
    }
    EXPECT_EQ(messages->count(), 0);
}

TEST_F(NipModel, PeselBirthDateAndSexNotes)
{
    const QString invalid = QStringLiteral("Nieprawidłowy PESEL");
    const QString date = QStringLiteral("Niezgodność PESEL - data urodzenia");
    const QString sex = QStringLiteral("Niezgodność PESEL - płeć");
    struct Case {
        const char* name;
        QString pesel;
        QDate born;
        int square;   // ticked square of box 16, 0 none
        QString note8, note14;
    };
    const Case cases[] = {
        {"all agree", kMalePesel, kMaleBorn, 2, {}, {}},
        {"no birth date, no sex", kMalePesel, {}, 0, {}, {}},
        {"other date", kMalePesel, QDate(1970, 3, 6), 2, date, date},
        {"male PESEL, kobieta", kMalePesel, kMaleBorn, 1, sex, {}},
        {"other date and sex: box 14 keeps the date note", kMalePesel, QDate(1971, 3, 5), 1, sex, date},
        {"female PESEL, mężczyzna", kFemalePesel, QDate(1985, 3, 12), 2, sex, {}},
        {"female PESEL, kobieta", kFemalePesel, QDate(1985, 3, 12), 1, {}, {}},
        {"space in the PESEL: no date or sex check", QStringLiteral("700305 1231"), QDate(1999, 1, 1), 1, invalid, {}},
        {"check digit", QStringLiteral("70030501232"), kMaleBorn, 2, invalid, {}},
        {"blank PESEL", QStringLiteral("           "), kMaleBorn, 1, {}, {}},
        // 31 April: passes the PESEL rule but matches no date.
        {"day its month lacks, date given", QStringLiteral("89043101233"), QDate(1989, 4, 30), 2, date, date},
        {"day its month lacks, no date", QStringLiteral("89043101233"), {}, 2, {}, {}},
    };
    for (int kind : {int(fkNip1), int(fkNip3)}) {
        for (const Case& c : cases) {
            // Set in every order the editor could: the notes must not depend on it.
            for (int order = 0; order < 3; ++order) {
                auto f = makeForm(kind);
                auto setPesel = [&] { f->SetPesel(c.pesel); };
                auto setDate = [&] { f->SetDataUr(c.born); };
                auto setSex = [&] { if (c.square) f->SetSquare(16, c.square, true); };
                if (order == 0) { setPesel(); setDate(); setSex(); }
                if (order == 1) { setSex(); setDate(); setPesel(); }
                if (order == 2) { setDate(); setSex(); setPesel(); }
                EXPECT_EQ(f->Note(8).text, c.note8) << kind << ' ' << c.name << " order " << order;
                EXPECT_EQ(f->Note(14).text, c.note14) << kind << ' ' << c.name << " order " << order;
                // The model never derives the birth date from the PESEL.
                EXPECT_EQ(f->Date(14), c.born) << c.name;
            }
        }
    }
    // Unticking the square clears the sex note at once.
    TNip3 f;
    f.SetPesel(kMalePesel);
    f.SetSquare(16, 1, true);
    EXPECT_EQ(f.Note(8).text, sex);
    f.SetSquare(16, 1, false);
    EXPECT_TRUE(f.Note(8).text.isEmpty());
}

TEST_F(NipModel, UndefinedBoxesWarnAndChangeNothing)
{
    TNip3 f;
    f.SetText(66, QStringLiteral("x"));    // NIP-3 has no box 66
    f.SetText(4, QStringLiteral("x"));     // a box of squares is not a text
    EXPECT_FALSE(f.Square(16, 3));
    EXPECT_EQ(f.Count(122), 0);
    EXPECT_EQ(messages->texts(),
              (QStringList{UndefinedBoxMessage(QStringLiteral("SetText"), 66),
                           UndefinedBoxMessage(QStringLiteral("SetText"), 4),
                           UndefinedBoxMessage(QStringLiteral("Square"), 16),
                           UndefinedBoxMessage(QStringLiteral("Count"), 122)}));
}

// ---- Load and Save --------------------------------------------------------------------------

class NipStore : public DataFolderTest {
protected:
    int taxpayer()
    {
        return addTaxpayer(QStringLiteral("Kowalski"), QStringLiteral("Jan"),
                           {{"NIP", kNip}, {"Pesel", kMalePesel}, {"DataUr", kMaleBorn},
                            {"Kraj", "Polska"}, {"Wojew", "Mazowieckie"}, {"Miasto", "Warszawa"},
                            {"KodPoczt", "00-950"}, {"MNazwisko", "Kowalska"}, {"MImie", "Anna"},
                            {"MPesel", kFemalePesel}, {"MDataUr", QDate(1985, 3, 12)},
                            {"MWojew", "pomorskie"}, {"MMiasto", "Gdańsk"}});
    }
    QVariant column(TTable* t, int id, const QString& rodz, const QString& col)
    {
        return t->lookup({QStringLiteral("PodatId"), QStringLiteral("Rodz")}, {id, rodz}, col);
    }
};

// Gives every box of the form's table a value of its kind, leaving every third one null,
// saves, loads into a fresh model and compares box by box.
template <class Form>
void roundTrip(int id, const QString& rodz)
{
    Form f;
    ASSERT_TRUE(f.Load(id, rodz));
    int i = 0;
    for (const TNipField& x : f.Fields()) {
        if (x.inRegister || (i++ % 3) == 2) continue;
        switch (x.kind) {
        case TNipBoxKind::Text:
        case TNipBoxKind::Memo: {
            QString v = QStringLiteral("ąż %1 wartość pola").arg(x.box);
            if (x.kind == TNipBoxKind::Memo) v += QStringLiteral("\ndruga linia");
            f.SetText(x.box, v);
            break;
        }
        case TNipBoxKind::Date: f.SetDate(x.box, QDate(2008, 1, 1).addDays(x.box)); break;
        case TNipBoxKind::Flag: f.SetSquare(x.box, x.square, (x.box + x.square) % 2 == 0); break;
        case TNipBoxKind::Count: f.SetCount(x.box, x.box == 122 ? 0 : x.box); break;
        }
    }
    ASSERT_TRUE(f.Save());

    Form g;
    ASSERT_TRUE(g.Load(id, rodz));
    int nulls = 0;
    for (const TNipField& x : f.Fields()) {
        const QString what = rodz + u' ' + x.column;
        EXPECT_EQ(g.IsNull(x.box, x.square), f.IsNull(x.box, x.square)) << what.toStdString();
        nulls += f.IsNull(x.box, x.square);
        switch (x.kind) {
        case TNipBoxKind::Text:
        case TNipBoxKind::Memo: EXPECT_EQ(g.Text(x.box), f.Text(x.box)) << what.toStdString(); break;
        case TNipBoxKind::Date: EXPECT_EQ(g.Date(x.box), f.Date(x.box)) << what.toStdString(); break;
        case TNipBoxKind::Flag:
            EXPECT_EQ(g.Square(x.box, x.square), f.Square(x.box, x.square)) << what.toStdString();
            break;
        case TNipBoxKind::Count: EXPECT_EQ(g.Count(x.box), f.Count(x.box)) << what.toStdString(); break;
        }
    }
    EXPECT_GT(nulls, 10);
}

TEST_F(NipStore, RoundTripOfEveryBoxKeepsNulls)
{
    const int id = taxpayer();
    roundTrip<TNip1>(id, QStringLiteral("P"));
    roundTrip<TNip1>(id, QStringLiteral("M"));
    roundTrip<TNip3>(id, QStringLiteral("P"));
    EXPECT_EQ(dm->NIP1->recordCount(), 2);
    EXPECT_EQ(dm->NIP3->recordCount(), 1);
    // A count of 0 and an unticked square are values, not nulls.
    {
        TNip1 f;
        ASSERT_TRUE(f.Load(id, QStringLiteral("P")));
        f.SetCount(122, 0);
        f.SetCount(123, 7);
        f.SetCount(123, -1);   // refused
        f.SetSquare(124, 1, false);
        ASSERT_TRUE(f.Save());
        EXPECT_EQ(f.Count(123), 7);
    }
    EXPECT_EQ(column(dm->NIP1, id, QStringLiteral("P"), QStringLiteral("F122")), QVariant(0));
    EXPECT_EQ(column(dm->NIP1, id, QStringLiteral("P"), QStringLiteral("F124_1")), QVariant(false));
    // NIP-1 keeps no copy of the register's boxes; NIP-3 writes the PESEL into F8.
    EXPECT_TRUE(column(dm->NIP1, id, QStringLiteral("P"), QStringLiteral("F8")).isNull());
    EXPECT_TRUE(column(dm->NIP1, id, QStringLiteral("P"), QStringLiteral("F27")).isNull());
    EXPECT_EQ(column(dm->NIP3, id, QStringLiteral("P"), QStringLiteral("F8")), QVariant(kMalePesel));
    EXPECT_EQ(messages->count(), 0) << messages->texts().join(u'\n').toStdString();
}

TEST_F(NipStore, LoadTakesThePersonsRegisterColumns)
{
    const int id = taxpayer();
    struct Case { const char* rodz; int box; QString text; };
    const Case cases[] = {
        {"P", 1, kNip}, {"P", 9, "Kowalski"}, {"P", 10, "Jan"}, {"P", 8, kMalePesel}, {"P", 28, "Mazowieckie"},
        {"M", 1, ""},   {"M", 9, "Kowalska"}, {"M", 10, "Anna"}, {"M", 8, kFemalePesel}, {"M", 34, "Gdańsk"},
    };
    for (const Case& c : cases) {
        TNip1 f;
        ASSERT_TRUE(f.Load(id, QLatin1String(c.rodz)));
        EXPECT_EQ(f.Text(c.box), c.text) << c.rodz << ' ' << c.box;
        EXPECT_EQ(f.Date(14), *c.rodz == 'P' ? kMaleBorn : QDate(1985, 3, 12));
        EXPECT_EQ(f.Caption(), *c.rodz == 'P' ? QStringLiteral("NIP-1 - Jan Kowalski") : QStringLiteral("NIP-1 - Anna Kowalska"));
    }
}

TEST_F(NipStore, NotesMatchTheLoadedValues)
{
    const int id = addTaxpayer(QStringLiteral("Nowak"), QStringLiteral("Ewa"),
                               {{"NIP", "123-456-32-19"}, {"Pesel", kFemalePesel}, {"DataUr", QDate(1985, 3, 13)}});
    {
        TNip1 f;
        ASSERT_TRUE(f.Load(id, QStringLiteral("P")));
        f.SetSquare(16, 2, true);
        f.SetText(59, QStringLiteral("123456786"));
        f.SetText(53, QStringLiteral("Niemcy"));
        f.SetText(56, kBadAccount);
        ASSERT_TRUE(f.Save());
    }
    TNip1 f;
    ASSERT_TRUE(f.Load(id, QStringLiteral("P")));
    EXPECT_EQ(f.Note(1).text, QStringLiteral("Nieprawidłowy NIP"));
    EXPECT_EQ(f.Note(8).text, QStringLiteral("Niezgodność PESEL - płeć"));
    EXPECT_EQ(f.Note(14).text, QStringLiteral("Niezgodność PESEL - data urodzenia"));
    EXPECT_EQ(f.Note(59).text, QStringLiteral("Nieprawidłowy REGON"));
    EXPECT_TRUE(f.Note(56).text.isEmpty());
    // Clear resets every note.
    f.Clear();
    for (int box : {1, 8, 14, 59}) EXPECT_EQ(f.Note(box).colour, int(ncNone)) << box;
}

TEST_F(NipStore, SaveWritesChangedRegisterBoxesBackForThatPersonOnly)
{
    const int id = taxpayer();
    {
        TNip3 f;
        ASSERT_TRUE(f.Load(id, QStringLiteral("M")));
        f.SetText(9, QStringLiteral("Kowalska-Nowak"));
        f.SetText(31, QStringLiteral("Długa"));
        f.SetDataUr(QDate());
        ASSERT_TRUE(f.Save());
    }
    TTable* p = dm->Podatnik;
    ASSERT_TRUE(p->locate(QStringLiteral("PodatId"), id));
    EXPECT_EQ(p->asString(QStringLiteral("MNazwisko")), QStringLiteral("Kowalska-Nowak"));
    EXPECT_EQ(p->asString(QStringLiteral("MUlica")), QStringLiteral("Długa"));
    EXPECT_TRUE(p->isNull(QStringLiteral("MDataUr")));
    EXPECT_EQ(p->asString(QStringLiteral("Nazwisko")), QStringLiteral("Kowalski"));
    EXPECT_TRUE(p->isNull(QStringLiteral("Ulica")));
    EXPECT_EQ(p->asDate(QStringLiteral("DataUr")), kMaleBorn);
    EXPECT_EQ(dm->NIP3->recordCount(), 1);
    EXPECT_EQ(column(dm->NIP3, id, QStringLiteral("M"), QStringLiteral("Rodz")), QVariant(QStringLiteral("M")));

    // A model dropped without Save changes nothing.
    {
        TNip3 f;
        ASSERT_TRUE(f.Load(id, QStringLiteral("P")));
        f.SetText(9, QStringLiteral("Zmieniony"));
    }
    ASSERT_TRUE(p->locate(QStringLiteral("PodatId"), id));
    EXPECT_EQ(p->asString(QStringLiteral("Nazwisko")), QStringLiteral("Kowalski"));
    EXPECT_EQ(dm->NIP3->recordCount(), 1);
}

TEST_F(NipStore, LoadSeeksTheTaxpayerAndFailsQuietly)
{
    const int first = taxpayer();
    const int second = addTaxpayer(QStringLiteral("Zieliński"), QStringLiteral("Piotr"));
    ASSERT_TRUE(dm->Podatnik->locate(QStringLiteral("PodatId"), first));
    TNip1 f;
    ASSERT_TRUE(f.Load(second, QStringLiteral("P")));
    EXPECT_EQ(f.Text(9), QStringLiteral("Zieliński"));
    EXPECT_EQ(dm->Podatnik->asInt(QStringLiteral("PodatId")), second);

    struct Case { int id; const char* rodz; };
    for (const Case& c : {Case{second + 100, "P"}, Case{0, "P"}, Case{first, "X"}, Case{first, ""}}) {
        TNip1 g;
        g.SetText(5, QStringLiteral("stale"));
        EXPECT_FALSE(g.Load(c.id, QLatin1String(c.rodz))) << c.id << c.rodz;
        EXPECT_EQ(g.PodatId(), 0);
        EXPECT_TRUE(g.Text(5).isEmpty());
        EXPECT_TRUE(g.Text(9).isEmpty());
    }
    EXPECT_EQ(messages->count(), 0);
}

TEST_F(NipStore, SaveWithoutTaxpayerWritesNothing)
{
    TNip3 f;   // never loaded
    f.SetText(5, QStringLiteral("US"));
    EXPECT_FALSE(f.Save());
    const int id = taxpayer();
    TNip1 g;
    ASSERT_TRUE(g.Load(id, QStringLiteral("P")));
    dm->Podatnik->remove();   // the taxpayer goes while the form is open
    EXPECT_FALSE(g.Save());
    EXPECT_EQ(dm->NIP1->recordCount(), 0);
    EXPECT_EQ(dm->NIP3->recordCount(), 0);
    EXPECT_EQ(messages->texts(), (QStringList{MissingTaxpayerMessage(0), MissingTaxpayerMessage(id)}));
}

TEST_F(NipStore, TextsLongerThanTheirColumnAreCutSoSaveSucceeds)
{
    const int id = taxpayer();
    TNip3 f;
    ASSERT_TRUE(f.Load(id, QStringLiteral("P")));
    f.SetText(5, QString(150, u'u'));
    f.SetText(10, QString(40, u'i'));   // register column of 30
    EXPECT_EQ(f.Text(5).size(), 100);
    EXPECT_EQ(f.MaxLength(10), 30);
    ASSERT_TRUE(f.Save());
    ASSERT_TRUE(dm->Podatnik->locate(QStringLiteral("PodatId"), id));
    EXPECT_EQ(dm->Podatnik->asString(QStringLiteral("Imie")), QString(30, u'i'));
}

TEST_F(NipStore, NewNip3Defaults)
{
    struct Case {
        const char* first;
        const char* wojew;
        int square;   // expected sex square, 0 none
        const char* kraj;
    };
    const Case cases[] = {
        {"Anna", "mazowieckie", 1, "Polska"},
        {"Jan", "Śląskie", 2, "Polska"},
        {"Zzyzx", "Bawaria", 0, "Niemcy"},
        {"", "", 0, "Niemcy"},
    };
    for (const Case& c : cases) {
        const int id = addTaxpayer(QStringLiteral("Test"), QString::fromUtf8(c.first),
                                   {{"Wojew", QString::fromUtf8(c.wojew)}, {"Kraj", "Niemcy"}});
        TNip3 f;
        ASSERT_TRUE(f.Load(id, QStringLiteral("P")));
        EXPECT_TRUE(f.Square(4, 2)) << c.first;
        EXPECT_FALSE(f.Square(4, 1)) << c.first;
        EXPECT_EQ(f.Square(16, 1), c.square == 1) << c.first;
        EXPECT_EQ(f.Square(16, 2), c.square == 2) << c.first;
        EXPECT_EQ(f.Text(27), QString::fromUtf8(c.kraj)) << c.first;
        EXPECT_EQ(f.Date(65), QDate::currentDate()) << c.first;
    }

    // A stored row is taken as it is; NIP-1 has no defaults.
    const int id = addTaxpayer(QStringLiteral("Test"), QStringLiteral("Anna"), {{"Wojew", "Opolskie"}});
    {
        TNip3 f;
        ASSERT_TRUE(f.Load(id, QStringLiteral("P")));
        f.SetSquare(4, 1, true);
        f.SetSquare(16, 1, false);
        f.SetDate(65, QDate());
        ASSERT_TRUE(f.Save());
    }
    TNip3 f;
    ASSERT_TRUE(f.Load(id, QStringLiteral("P")));
    EXPECT_TRUE(f.Square(4, 1));
    EXPECT_FALSE(f.Square(16, 1));
    EXPECT_FALSE(f.Date(65).isValid());
    TNip1 g;
    ASSERT_TRUE(g.Load(id, QStringLiteral("P")));
    EXPECT_FALSE(g.Square(4, 2));
    EXPECT_FALSE(g.Square(16, 1));
    EXPECT_FALSE(g.Date(129).isValid());
}

// ---- Editor aids ----------------------------------------------------------------------------

TEST_F(NipModel, OfficeDataGoesIntoTheBoxesAsDigits)
{
    TBiuro b;
    b.NIP = kNip;
    b.Nazwa = QStringLiteral("Biuro Rachunkowe Saldo");
    b.Kraj = QStringLiteral("Polska");
    b.Wojew = QStringLiteral("Mazowieckie");
    b.Poczta = QStringLiteral("Warszawa");
    b.RepNIP = QStringLiteral("526-025-09-95");
    b.RepImie = QStringLiteral("Adam");
    b.RepNazwisko = QStringLiteral("Nowak");
    b.RepAdresKor = QStringLiteral("ul. Prosta 1, Warszawa");

    TNip1 n1;
    n1.WstawBiuro(b);
    n1.WstawAdresBiura(b);
    n1.WstawReprezentanta(b);
    n1.WstawDate();
    EXPECT_EQ(n1.Text(80), kNipDigits);
    EXPECT_TRUE(n1.Note(80).text.isEmpty());
    EXPECT_EQ(n1.Text(81), b.Nazwa);
    EXPECT_EQ(n1.Text(82), QStringLiteral("Polska"));
    EXPECT_EQ(n1.Text(83), QStringLiteral("Mazowieckie"));
    EXPECT_EQ(n1.Text(91), QStringLiteral("Warszawa"));
    EXPECT_EQ(n1.Text(125), QStringLiteral("Adam"));
    EXPECT_EQ(n1.Text(126), QStringLiteral("Nowak"));
    EXPECT_EQ(n1.Text(127), QStringLiteral("5260250995"));
    EXPECT_EQ(n1.Text(128), b.RepAdresKor);
    EXPECT_EQ(n1.Date(129), QDate::currentDate());

    TNip3 n3;
    n3.WstawPodmiot(b);
    n3.WstawReprezentanta(b);
    n3.WstawDate();
    EXPECT_EQ(n3.Text(67), kNipDigits);
    EXPECT_EQ(n3.Text(68), b.Nazwa);
    EXPECT_EQ(n3.Text(61), QStringLiteral("Adam"));
    EXPECT_EQ(n3.Text(63), QStringLiteral("5260250995"));
    EXPECT_EQ(n3.Text(64), b.RepAdresKor);
    EXPECT_EQ(n3.Date(65), QDate::currentDate());
}

TEST_F(NipModel, PagesAndEnterDefaults)
{
    struct Case { int kind, box, page; const char* enter; };
    const Case cases[] = {
        {fkNip1, 1, 1, ""},          {fkNip1, 18, 1, "Dowód osobisty"}, {fkNip1, 20, 1, "Polskie"},
        {fkNip1, 27, 1, "Polska"},   {fkNip1, 37, 2, ""},               {fkNip1, 40, 2, "Polska"},
        {fkNip1, 67, 2, ""},         {fkNip1, 68, 3, ""},               {fkNip1, 82, 3, "Polska"},
        {fkNip1, 100, 3, "Polska"},  {fkNip1, 110, 4, ""},              {fkNip1, 111, 4, "Polska"},
        {fkNip1, 129, 4, ""},        {fkNip1, 130, 0, ""},              {fkNip1, 2, 0, ""},
        {fkNip3, 36, 1, ""},         {fkNip3, 37, 2, ""},               {fkNip3, 40, 2, "Polska"},
        {fkNip3, 68, 2, ""},         {fkNip3, 66, 0, ""},               {fkNip3, 82, 0, ""},
    };
    for (const Case& c : cases) {
        auto f = makeForm(c.kind);
        EXPECT_EQ(f->PageOfBox(c.box), c.page) << c.kind << ' ' << c.box;
        EXPECT_EQ(f->EnterDefault(c.box), QString::fromUtf8(c.enter)) << c.kind << ' ' << c.box;
    }
    EXPECT_EQ(TNip1().FormKind(), 12);
    EXPECT_EQ(TNip3().FormKind(), 13);
}
