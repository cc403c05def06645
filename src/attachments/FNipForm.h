#pragma once
// What the registration forms NIP-1 and NIP-3 have in common. One form per person of a
// register entry ("P" the taxpayer, "M" the spouse). The boxes are data: a field table
// built from the columns of the form's table plus the boxes the taxpayer register holds
// drives Load, Save and Clear. Identifiers carry live notes; Verify fills the error list.
// The models hold no amounts and compute nothing.

#include "Globals.h"

#include <QDate>
#include <QHash>
#include <QString>
#include <QVariant>
#include <QVector>

class TBiuro;
class TTable;

enum class TNipBoxKind {
    Text,   // kept as typed; given when not empty
    Memo,   // several lines
    Date,   // an invalid QDate is "not given"
    Flag,   // one square, or one square of a box made of squares
    Count,  // small integer
};

struct TNipField {
    int box = 0;
    int square = 0;           // square of a box made of squares; 0 for any other box
    TNipBoxKind kind = TNipBoxKind::Text;
    QString column;           // column of the form's table; for a register box the column
                              // of the taxpayer's side (the spouse's has an "M" in front)
    int size = 0;             // longest text the column holds; 0 when there is no limit
    bool inRegister = false;  // held by the taxpayer register, not by the form's table
};

// One group of squares of which at most one is ticked.
struct TNipExclusiveGroup {
    int box;
    QVector<int> squares;
};

class TNipForm {
public:
    virtual ~TNipForm() = default;
    TNipForm(const TNipForm&) = delete;
    TNipForm& operator=(const TNipForm&) = delete;

    // Every box of the form, in box order, squares in square order.
    const QVector<TNipField>& Fields() const { return layout().fields; }
    // The field of a box (square 0) or of one square; nullptr when the form has none.
    const TNipField* Field(int box, int square = 0) const;
    // Longest text a text box accepts (0: no limit); the editor limits its entry to it.
    int MaxLength(int box) const;

    virtual int FormKind() const = 0;
    QString FormSymbol() const;          // "NIP-1", "NIP-3"
    // "NIP-1 - Jan Kowalski"
    QString Caption() const;

    int PodatId() const { return podatId_; }
    QString Rodz() const { return rodz_; }

    // Every box empty, every square unticked, every date not given, every note reset.
    void Clear();
    // Fills the form of the person ("P" or "M") of the taxpayer `podatId`: the register
    // boxes from the register row, the others from the form's row. An unknown taxpayer or
    // person code leaves the model cleared and gives false; nothing is shown.
    bool Load(int podatId, const QString& rodz);
    // Writes changed register boxes back to the register row, one post per changed column,
    // then the form's row. Without its taxpayer in the register nothing is written, the
    // missing-taxpayer warning is shown and the result is false.
    bool Save();
    // Empties the error list and adds one row per failed check, in form order.
    virtual void Verify() = 0;

    // Values. A box of another kind or a box the form lacks gives the undefined-box warning
    // and an empty value (setters: no change).
    QString Text(int box) const;          // text and memo boxes
    QDate Date(int box) const;
    bool Square(int box, int square = 0) const;   // square 0: a box of one square
    int Count(int box) const;
    bool IsNull(int box, int square = 0) const;   // never given (stored as null)

    // Register and identifier boxes go through the setters below, so their notes follow.
    // A text longer than its column is cut to the column's length.
    void SetText(int box, const QString& text);
    void SetDate(int box, const QDate& date);
    // Ticking a square of an exclusive group unticks the others; unticking leaves none.
    void SetSquare(int box, int square, bool on);
    void SetFlag(int box, bool on) { SetSquare(box, 0, on); }
    void SetCount(int box, int count);   // 0 ... 32767; other counts are ignored

    void SetNip(int box, const QString& nip);
    void SetPesel(const QString& pesel);
    void SetDataUr(const QDate& date);

    // The note of a box; an empty note for a box that has none.
    const TFieldNote& Note(int box) const;

    // Editor aids.
    // Representative (first name, surname, NIP digits, address) from the accounting office.
    void WstawReprezentanta(const TBiuro& biuro);
    // Date of filling in <- today.
    void WstawDate();
    // What Enter puts into an empty box ("Dowód osobisty", "Polskie", "Polska"); "" for none.
    QString EnterDefault(int box) const;
    // Editor page (1-based) holding a box; 0 for a box the form lacks.
    int PageOfBox(int box) const;

protected:
    // How a form differs; given once per form class.
    struct TLayout {
        QString table;                     // component of the form's table ("NIP1", "NIP3")
        QVector<TNipField> fields;
        QHash<int, int> index;             // box * 100 + square -> position in fields
        QVector<TNipExclusiveGroup> exclusive;
        QVector<int> tenDigitNips;         // NIP boxes entered as ten digits
        QVector<int> countryBoxes;         // boxes Enter fills with "Polska"
        QVector<int> lastBoxOfPage;        // last box of each editor page
        int regonBox = 0;
        int fillingDateBox = 0;
        int representativeBox = 0;         // first name; surname, NIP and address follow
        bool storesPesel = false;          // the form's row also keeps the PESEL ("F8")
    };
    // Builds the field table from the columns of `table`, leaving out the columns of the
    // register boxes (kept in the register only), and adds the register boxes.
    static TLayout MakeLayout(const QString& table);

    TNipForm() = default;
    virtual const TLayout& layout() const = 0;

    // Account box whose country (another box, or 0) decides whether a failed check is noted.
    struct TAccount { int box; int countryBox; bool noteAlways; };
    virtual QVector<TAccount> accounts() const = 0;
    // The form's values for a person with no stored row.
    virtual void applyDefaults() {}
    // Recomputes every note from the values.
    virtual void updateNotes();

    void err(int box, const QString& message) const;
    bool isEmpty(int box) const { return Text(box).isEmpty(); }
    bool hasText(int box) const { return !Text(box).trimmed().isEmpty(); }
    bool noDate(int box) const { return !Date(box).isValid(); }
    bool anySquare(int box) const;
    void setNote(int box, const QString& text);
    // The ticked sex square is not the one the PESEL's tenth digit gives.
    bool sexContradictsPesel() const;

    // Verify steps both forms share.
    // Empties the error list, then boxes 1 to 8; the NIP is required on an update form.
    void verifyFirstBoxes(const QString& missingNip, const QString& invalidNip);
    void verifyPersonAndHome();              // boxes 14 to 35
    // 38 to 48; with `exceptUpdate` an update form whose office did not change (4/2 and 6/1)
    // may leave the registration date empty.
    void verifyRegisteredAddress(bool exceptUpdate);
    void verifyPersonalAccount();            // 53 to 57
    // Required address parts starting at `first` (country): country, voivodeship, county,
    // commune, street, house number, locality and, when asked, postal code.
    void verifyAddress(int first, bool postalCode);
    bool accountHasData(int first) const;    // country, bank, holder, number, flag
    // Bank, holder and number of the account whose country box is `first`.
    void verifyAccount(int first);

    static bool IsValidTenDigitNip(const QString& text);
    TTable* table() const;

private:
    const TNipField* field(int box, int square, TNipBoxKind kind, const char* operation) const;
    int position(int box, int square) const;
    void storeText(int box, const QString& text);
    void readRegister(TTable* podatnik);
    bool locateTaxpayer(int podatId) const;
    QString registerColumn(const TNipField& f) const;

    int podatId_ = 0;
    QString rodz_;
    QVector<QVariant> values_;   // parallel to Fields(); a null QVariant is "not given"
    QHash<int, TFieldNote> notes_;
};
