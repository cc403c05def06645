#include "FNipForm.h"

#include "FBiuro.h"
#include "FDM.h"
#include "Identyfikacja.h"
#include "Messages.h"
#include "NumWeryf.h"
#include "PolishText.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

int key(int box, int square) { return box * 100 + square; }

// Boxes the taxpayer register holds, with the register field each shows.
struct TRegisterBox {
    int box;
    TIdPole field;
};
const TRegisterBox kRegisterBoxes[] = {
    {1, idNip},      {8, idPesel},  {9, idNazwisko}, {10, idImie},       {14, idDataUr},
    {27, idKraj},    {28, idWojew}, {29, idPowiat},  {30, idGmina},      {31, idUlica},
    {32, idPosesja}, {33, idLokal}, {34, idMiasto},  {35, idKodPoczt},   {36, idPoczta},
};

bool isRegisterBox(int box)
{
    return std::any_of(std::begin(kRegisterBoxes), std::end(kRegisterBoxes),
                       [box](const TRegisterBox& r) { return r.box == box; });
}

TNipBoxKind kindOf(FieldType t)
{
    switch (t) {
    case FieldType::Date: return TNipBoxKind::Date;
    case FieldType::Logical: return TNipBoxKind::Flag;
    case FieldType::SmallInt:
    case FieldType::Integer: return TNipBoxKind::Count;
    case FieldType::Memo:
    case FieldType::FormattedMemo: return TNipBoxKind::Memo;
    default: return TNipBoxKind::Text;
    }
}

// Messages of the required address parts, by offset from the country box.
struct TAddressPart {
    int offset;
    const char* message;
};
const TAddressPart kAddressParts[] = {
    {0, "Nazwa kraju nie podana"},   {1, "Nazwa województwa nie podana"}, {2, "Nazwa powiatu nie podana"},
    {3, "Nazwa gminy nie podana"},   {4, "Nazwa ulicy nie podana"},       {5, "Numer domu nie podany"},
    {7, "Nazwa miejscowości nie podana"}, {8, "Kod pocztowy nie podany"},
};

}  // namespace

TNipForm::TLayout TNipForm::MakeLayout(const QString& table)
{
    TLayout l;
    l.table = table;
    const TTableDef* def = FindTableDef(table);
    Q_ASSERT(def);
    static const QRegularExpression boxColumn(QStringLiteral("^F(\\d+)(?:_(\\d+))?$"));
    for (const TFieldDef& f : def->fields) {
        const auto m = boxColumn.match(f.name);
        if (!m.hasMatch()) continue;   // PodatId, Rodz
        TNipField nf;
        nf.box = m.captured(1).toInt();
        if (isRegisterBox(nf.box)) continue;   // the register keeps these
        nf.square = m.captured(2).isEmpty() ? 0 : m.captured(2).toInt();
        nf.kind = kindOf(f.type);
        nf.column = f.name;
        nf.size = f.type == FieldType::Text ? f.size : 0;
        l.fields << nf;
    }
    const TTableDef* reg = FindTableDef(QStringLiteral("Podatnik"));
    Q_ASSERT(reg);
    for (const TRegisterBox& r : kRegisterBoxes) {
        const TFieldDef& f = reg->fields[reg->fieldIndex(TIdentyfikacja::Column(stPodatnik, r.field))];
        TNipField nf;
        nf.box = r.box;
        nf.kind = kindOf(f.type);
        nf.column = f.name;
        nf.size = f.type == FieldType::Text ? f.size : 0;
        nf.inRegister = true;
        l.fields << nf;
    }
    std::sort(l.fields.begin(), l.fields.end(), [](const TNipField& a, const TNipField& b) {
        return key(a.box, a.square) < key(b.box, b.square);
    });
    for (int i = 0; i < l.fields.size(); ++i) l.index.insert(key(l.fields[i].box, l.fields[i].square), i);
    return l;
}

TTable* TNipForm::table() const { return DM()->table(layout().table); }

QString TNipForm::FormSymbol() const { return ::FormSymbol(FormKind()); }

QString TNipForm::Caption() const
{
    return FormSymbol() + QStringLiteral(" - ") + Text(10).trimmed() + u' ' + Text(9).trimmed();
}

int TNipForm::position(int box, int square) const { return layout().index.value(key(box, square), -1); }

const TNipField* TNipForm::Field(int box, int square) const
{
    const int i = position(box, square);
    return i < 0 ? nullptr : &layout().fields[i];
}

int TNipForm::MaxLength(int box) const
{
    const TNipField* f = Field(box);
    return f ? f->size : 0;
}

const TNipField* TNipForm::field(int box, int square, TNipBoxKind kind, const char* operation) const
{
    const TNipField* f = Field(box, square);
    const bool textual = kind == TNipBoxKind::Text || kind == TNipBoxKind::Memo;
    const bool fits = f && (f->kind == kind ||
                            (textual && (f->kind == TNipBoxKind::Text || f->kind == TNipBoxKind::Memo)));
    if (!fits) {
        ShowWarning(UndefinedBoxMessage(QLatin1String(operation), box));
        return nullptr;
    }
    return f;
}

// ---- Values -----------------------------------------------------------------------------------

QString TNipForm::Text(int box) const
{
    const TNipField* f = field(box, 0, TNipBoxKind::Text, "Text");
    return f ? values_.value(position(box, 0)).toString() : QString();
}

QDate TNipForm::Date(int box) const
{
    const TNipField* f = field(box, 0, TNipBoxKind::Date, "Date");
    return f ? values_.value(position(box, 0)).toDate() : QDate();
}

bool TNipForm::Square(int box, int square) const
{
    const TNipField* f = field(box, square, TNipBoxKind::Flag, "Square");
    return f && values_.value(position(box, square)).toBool();
}

int TNipForm::Count(int box) const
{
    const TNipField* f = field(box, 0, TNipBoxKind::Count, "Count");
    return f ? values_.value(position(box, 0)).toInt() : 0;
}

bool TNipForm::IsNull(int box, int square) const
{
    const int i = position(box, square);
    return i < 0 || values_.value(i).isNull();
}

bool TNipForm::anySquare(int box) const
{
    for (const TNipField& f : Fields())
        if (f.box == box && f.square > 0 && values_.value(position(f.box, f.square)).toBool()) return true;
    return false;
}

void TNipForm::storeText(int box, const QString& text)
{
    const TNipField* f = field(box, 0, TNipBoxKind::Text, "SetText");
    if (!f) return;
    // A longer text could not be posted; the editor limits the entry to the same length.
    const QString t = f->size > 0 ? text.left(f->size) : text;
    values_[position(box, 0)] = t.isEmpty() ? QVariant() : QVariant(t);
}

void TNipForm::SetText(int box, const QString& text)
{
    storeText(box, text);
    updateNotes();
}

void TNipForm::SetNip(int box, const QString& nip) { SetText(box, nip); }
void TNipForm::SetPesel(const QString& pesel) { SetText(8, pesel); }
void TNipForm::SetDataUr(const QDate& date) { SetDate(14, date); }

void TNipForm::SetDate(int box, const QDate& date)
{
    if (!field(box, 0, TNipBoxKind::Date, "SetDate")) return;
    values_[position(box, 0)] = date.isValid() ? QVariant(date) : QVariant();
    updateNotes();
}

void TNipForm::SetSquare(int box, int square, bool on)
{
    if (!field(box, square, TNipBoxKind::Flag, "SetSquare")) return;
    values_[position(box, square)] = on;
    if (on) {
        for (const TNipExclusiveGroup& g : layout().exclusive) {
            if (g.box != box || !g.squares.contains(square)) continue;
            for (int s : g.squares) {
                QVariant& v = values_[position(box, s)];
                if (s != square && v.toBool()) v = false;
            }
        }
    }
    updateNotes();
}

void TNipForm::SetCount(int box, int count)
{
    if (!field(box, 0, TNipBoxKind::Count, "SetCount")) return;
    if (count < 0 || count > 32767) return;
    values_[position(box, 0)] = count;
}

const TFieldNote& TNipForm::Note(int box) const
{
    static const TFieldNote none;
    const auto it = notes_.find(box);
    return it == notes_.end() ? none : *it;
}

void TNipForm::setNote(int box, const QString& text) { SetFieldNote(notes_[box], ncRed, text); }

// ---- Notes ------------------------------------------------------------------------------------

bool TNipForm::IsValidTenDigitNip(const QString& text)
{
    if (IsBlankNumber(text)) return true;
    const QString d = DigitsOnly(text);
    return d.size() == 10 && !d.startsWith(QLatin1String("000")) && NipChecksumOk(d);
}

bool TNipForm::sexContradictsPesel() const
{
    const bool male = PeselIsMale(Text(8));
    return (!male && Square(16, 2)) || (male && Square(16, 1));
}

void TNipForm::updateNotes()
{
    // Notes are a function of the values, so recomputing all of them after any change keeps
    // them right also when a value they depend on (a bank's country, the sex) changes.
    for (auto it = notes_.begin(); it != notes_.end(); ++it) ClearFieldNote(*it);
    const TLayout& l = layout();

    if (!IsValidNip(Text(1))) setNote(1, QStringLiteral("Nieprawidłowy NIP"));
    for (int box : l.tenDigitNips)
        if (!IsValidTenDigitNip(Text(box))) setNote(box, QStringLiteral("Nieprawidłowy NIP"));

    if (l.regonBox && !IsValidRegon(Text(l.regonBox))) setNote(l.regonBox, QStringLiteral("Nieprawidłowy REGON"));

    for (const TAccount& a : accounts()) {
        const bool polish = a.noteAlways || Text(a.countryBox).trimmed().isEmpty() || IsPoland(Text(a.countryBox));
        if (polish && !IsValidAccount(Text(a.box)))
            setNote(a.box, QStringLiteral("Nieprawidłowy numer rachunku bankowego"));
    }

    const QString pesel = Text(8);
    const QDate born = Date(14);
    if (!IsValidPesel(pesel)) {
        setNote(8, QStringLiteral("Nieprawidłowy PESEL"));
    } else if (!IsBlankNumber(pesel)) {
        if (born.isValid() && !PeselMatchesDate(pesel, born)) {
            setNote(8, QStringLiteral("Niezgodność PESEL - data urodzenia"));
            setNote(14, QStringLiteral("Niezgodność PESEL - data urodzenia"));
        }
        if (sexContradictsPesel()) setNote(8, QStringLiteral("Niezgodność PESEL - płeć"));
    }
}

// ---- Clear, Load, Save ------------------------------------------------------------------------

void TNipForm::Clear()
{
    podatId_ = 0;
    rodz_.clear();
    values_ = QVector<QVariant>(Fields().size());
    for (auto it = notes_.begin(); it != notes_.end(); ++it) ClearFieldNote(*it);
}

bool TNipForm::locateTaxpayer(int podatId) const
{
    TTable* p = DM()->Podatnik;
    p->ensureOpen();
    if (p->bookmark() != 0 && p->asInt(QStringLiteral("PodatId")) == podatId) return true;
    return podatId > 0 && p->locate(QStringLiteral("PodatId"), podatId);
}

QString TNipForm::registerColumn(const TNipField& f) const
{
    const auto r = std::find_if(std::begin(kRegisterBoxes), std::end(kRegisterBoxes),
                                [&f](const TRegisterBox& x) { return x.box == f.box; });
    return TIdentyfikacja::Column(rodz_ == QLatin1String("M") ? stMalzonek : stPodatnik, r->field);
}

void TNipForm::readRegister(TTable* podatnik)
{
    for (const TNipField& f : Fields()) {
        if (!f.inRegister) continue;
        const QString col = registerColumn(f);
        QVariant& v = values_[position(f.box, f.square)];
        if (f.kind == TNipBoxKind::Date) {
            const QDate d = podatnik->asDate(col);
            v = d.isValid() ? QVariant(d) : QVariant();
        } else {
            const QString s = podatnik->asString(col);
            v = s.isEmpty() ? QVariant() : QVariant(s);
        }
    }
}

bool TNipForm::Load(int podatId, const QString& rodz)
{
    Clear();
    if (rodz != QLatin1String("P") && rodz != QLatin1String("M")) return false;
    if (!locateTaxpayer(podatId)) return false;
    podatId_ = podatId;
    rodz_ = rodz;
    readRegister(DM()->Podatnik);

    TTable* t = table();
    t->ensureOpen();
    if (t->locate({QStringLiteral("PodatId"), QStringLiteral("Rodz")}, {podatId, rodz})) {
        for (const TNipField& f : Fields()) {
            if (f.inRegister) continue;
            const QVariant stored = t->value(f.column);
            QVariant& v = values_[position(f.box, f.square)];
            if (stored.isNull()) v = QVariant();
            else if (f.kind == TNipBoxKind::Text || f.kind == TNipBoxKind::Memo)
                v = stored.toString().isEmpty() ? QVariant() : QVariant(stored.toString());
            else v = stored;
        }
        updateNotes();
    } else {
        updateNotes();
        applyDefaults();
    }
    return true;
}

bool TNipForm::Save()
{
    if (podatId_ <= 0 || !locateTaxpayer(podatId_)) {
        ShowWarning(MissingTaxpayerMessage(podatId_));
        return false;
    }
    // Register boxes: one post per changed column, so a change reaches every form showing it.
    TTable* p = DM()->Podatnik;
    for (const TNipField& f : Fields()) {
        if (!f.inRegister) continue;
        const QString col = registerColumn(f);
        const QVariant& v = values_[position(f.box, f.square)];
        const bool changed = f.kind == TNipBoxKind::Date ? p->asDate(col) != v.toDate()
                                                         : p->asString(col) != v.toString();
        if (!changed) continue;
        p->edit();
        if (v.isNull()) p->setNull(col);
        else p->setValue(col, v);
        p->post();
    }

    TTable* t = table();
    t->ensureOpen();
    if (t->locate({QStringLiteral("PodatId"), QStringLiteral("Rodz")}, {podatId_, rodz_})) {
        t->edit();
    } else {
        t->append();
        t->setValue(QStringLiteral("PodatId"), podatId_);
        t->setValue(QStringLiteral("Rodz"), rodz_);
    }
    for (const TNipField& f : Fields()) {
        if (f.inRegister) continue;
        const QVariant& v = values_[position(f.box, f.square)];
        if (v.isNull()) t->setNull(f.column);
        else t->setValue(f.column, v);
    }
    if (layout().storesPesel) t->setValue(QStringLiteral("F8"), Text(8));
    t->post();
    return true;
}

// ---- Editor aids ------------------------------------------------------------------------------

void TNipForm::WstawReprezentanta(const TBiuro& biuro)
{
    const int b = layout().representativeBox;
    SetText(b, biuro.RepImie);
    SetText(b + 1, biuro.RepNazwisko);
    SetNip(b + 2, biuro.RepNipDigits());
    SetText(b + 3, biuro.RepAdresKor);
}

void TNipForm::WstawDate() { SetDate(layout().fillingDateBox, QDate::currentDate()); }

QString TNipForm::EnterDefault(int box) const
{
    if (box == 18) return QStringLiteral("Dowód osobisty");
    if (box == 20) return QStringLiteral("Polskie");
    if (layout().countryBoxes.contains(box)) return QStringLiteral("Polska");
    return {};
}

int TNipForm::PageOfBox(int box) const
{
    const bool present = std::any_of(Fields().begin(), Fields().end(), [box](const TNipField& f) { return f.box == box; });
    if (!present) return 0;
    const QVector<int>& last = layout().lastBoxOfPage;
    for (int i = 0; i < last.size(); ++i)
        if (box <= last[i]) return i + 1;
    return 0;
}

// ---- Verify steps -----------------------------------------------------------------------------

void TNipForm::err(int box, const QString& message) const { DM()->AddError(TBlad{box, message}); }

void TNipForm::verifyFirstBoxes(const QString& missingNip, const QString& invalidNip)
{
    DM()->ClearErrors();
    if (Square(4, 2) && IsBlankNumber(Text(1))) err(1, missingNip);
    else if (!IsBlankNumber(Text(1)) && !IsValidNip(Text(1))) err(1, invalidNip);

    if (!anySquare(4)) err(4, QStringLiteral("Przeznaczenie formularza nie podane"));
    if (isEmpty(5)) err(5, QStringLiteral("Naczelnik urzędu skarbowego nie podany"));
    if (Square(4, 1) && anySquare(6))
        err(6, QStringLiteral("Poz. 6 należy wypełnić tylko w przypadku zgłoszenia aktualizacyjnego"));
    if (!Square(6, 2) && hasText(7))
        err(7, QStringLiteral("Poz.7 należy wypełnić tylko w przypadku zaznaczenia w poz. 6 kwadratu nr 2"));
    if (!isEmpty(5) && Text(7) == Text(5))
        err(7, QStringLiteral("Naczelnik urzędu skarbowego w poz. 5 i 7 jest taki sam"));

    const QString pesel = Text(8);
    if (IsBlankNumber(pesel)) {
        err(8, QStringLiteral("PESEL nie podany"));
    } else if (!IsValidPesel(pesel)) {
        err(8, QStringLiteral("Nieprawidłowy PESEL"));
    } else {
        if (Date(14).isValid() && !PeselMatchesDate(pesel, Date(14)))
            err(8, QStringLiteral("Niezgodność PESEL - data urodzenia"));
        if (sexContradictsPesel()) err(8, QStringLiteral("Niezgodność PESEL - płeć"));
    }
}

void TNipForm::verifyAddress(int first, bool postalCode)
{
    for (const TAddressPart& p : kAddressParts) {
        if (p.offset == 8 && !postalCode) continue;
        if (isEmpty(first + p.offset)) err(first + p.offset, QString::fromUtf8(p.message));
    }
}

void TNipForm::verifyPersonAndHome()
{
    if (noDate(14)) err(14, QStringLiteral("Data urodzenia nie podana"));
    if (isEmpty(15)) err(15, QStringLiteral("Miejsce urodzenia nie podane"));
    if (!anySquare(16)) err(16, QStringLiteral("Płeć nie podana"));
    if (Square(16, 1) && isEmpty(17)) err(17, QStringLiteral("Nazwisko rodowe nie podane"));
    if (isEmpty(18)) err(18, QStringLiteral("Rodzaj dokumentu stwierdzającego tożsamość nie podany"));
    if (isEmpty(19)) err(19, QStringLiteral("Seria i numer dokumentu stwierdzającego tożsamość nie podany"));
    if (isEmpty(20)) err(20, QStringLiteral("Obywatelstwo nie podane"));
    // Identification numbers obtained abroad: two pairs of country and number.
    for (int country : {22, 24}) {
        if (isEmpty(country) && isEmpty(country + 1)) continue;
        if (isEmpty(country)) err(country, QStringLiteral("Nazwa kraju nie podana"));
        if (PolishUpper(Text(country).trimmed()) == QLatin1String("POLSKA"))
            err(country, QStringLiteral("Należy podać inny kraj"));
        if (isEmpty(country + 1)) err(country + 1, QStringLiteral("Numer nie podany"));
    }
    if (noDate(26)) err(26, QStringLiteral("Data zamieszkania nie podana"));
    verifyAddress(27, true);
}

void TNipForm::verifyRegisteredAddress(bool exceptUpdate)
{
    if (!Square(38)) return;
    const bool excused = exceptUpdate && Square(4, 2) && Square(6, 1);
    if (noDate(39) && !excused) err(39, QStringLiteral("Data zameldowania nie podana"));
    verifyAddress(40, true);
}

bool TNipForm::accountHasData(int first) const
{
    return hasText(first) || hasText(first + 1) || hasText(first + 2) || hasText(first + 3) || Square(first + 4);
}

void TNipForm::verifyAccount(int first)
{
    if (isEmpty(first + 1)) err(first + 1, QStringLiteral("Nazwa banku nie podana"));
    if (isEmpty(first + 2)) err(first + 2, QStringLiteral("Posiadacz rachunku nie podany"));
    if (isEmpty(first + 3)) err(first + 3, QStringLiteral("Numer rachunku nie podany"));
    // Listed whatever the bank's country: the form asks for a Polish account.
    if (!IsValidAccount(Text(first + 3))) err(first + 3, QStringLiteral("Nieprawidłowy numer rachunku"));
}

void TNipForm::verifyPersonalAccount()
{
    if (accountHasData(53)) verifyAccount(53);
}
