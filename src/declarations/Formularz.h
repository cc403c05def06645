#pragma once
// The shared pattern of every form model (main declarations and attachments).
//
// A form's boxes are data: one TBoxDef per amount box, in form order, says whether the box is
// typed, derived or taken from an attachment, which table column stores it, how it is shown
// and when it is printed. TFormularz keeps the amounts, the blank flags and the kept-apart
// sources of limited boxes, and answers the box accessors from that table:
//
//   GetPole(n)            the amount (undefined box: warning, 0)
//   SetField(n, a)        typed boxes only: negative or unchanged -> nothing; AcceptField may
//                         refuse or transform; kept-apart boxes store the source; Calculate
//   GetEmpty/SetEmpty(n)  blank flags of typed boxes (others read as blank, setting is ignored)
//   GetDruk(n)            shown/printed, by the box's TDruk rule (Custom -> DrukCustom)
//   GetTekst(n)           display text: empty for a blank box, whole zloty where the rule says so
//   Note(n)               the FieldNote of a box or an identification field
//   LoadBoxes/SaveBoxes   typed boxes from/to the current row of the form's table (null = blank)
//
// A derived form writes Calculate as the form reads, one line per box, with p(n) for the
// value that counts (spouse boxes count 0 while the spouse column is off, see SpouseActive),
// src(n) for a kept-apart source and set(n, a) for the result:
//     set(64, p(41) + p(45) + p(49) + p(54) + p(59));
// Spouse boxes keep what was stored while the spouse column is off: they are loaded and saved
// unchanged, but left out of Calculate, GetDruk and Verify until it is on again.

#include "Globals.h"
#include "Identyfikacja.h"

#include <QString>

#include <memory>
#include <span>
#include <vector>

class TTable;

enum class BoxKind : quint8 {
    Typed,        // entered by the user, stored, has a blank flag
    Derived,      // computed by Calculate, never stored
    Attachment,   // taken from an attachment model at Load
};

enum class BoxShow : quint8 { Money, Whole };

// When a box is shown and printed.
enum class TDruk : quint8 {
    Always,
    NonZero,            // the amount is not 0
    Filled,             // the amount is not 0 or the box is not blank
    Positive,           // the amount is above 0
    PositiveOrFilled,   // the amount is above 0 or the box is not blank
    Custom,             // the form decides (DrukCustom)
};

enum BoxFlag : quint8 {
    bfNone = 0,
    bfSpouse = 1,      // spouse column: counts and prints only while SpouseActive()
    bfKeptApart = 2,   // the typed or attachment value is a source; the box shows a limited value
};

struct TBoxDef {
    int box;
    BoxKind kind;
    const char* column;   // stored column, nullptr when not stored
    TDruk druk = TDruk::Filled;
    BoxShow show = BoxShow::Money;
    quint8 flags = bfNone;
};

// Shorthands for box tables.
constexpr TBoxDef Typed(int n, const char* col, TDruk d = TDruk::Filled, quint8 flags = bfNone)
{
    return {n, BoxKind::Typed, col, d, BoxShow::Money, flags};
}
constexpr TBoxDef Derived(int n, TDruk d, BoxShow show = BoxShow::Money, quint8 flags = bfNone)
{
    return {n, BoxKind::Derived, nullptr, d, show, flags};
}
constexpr TBoxDef FromAttachment(int n, TDruk d, quint8 flags = bfNone)
{
    return {n, BoxKind::Attachment, nullptr, d, BoxShow::Money, flags};
}

class TFormularz {
public:
    TFormularz(std::span<const TBoxDef> boxes, int formKind);
    virtual ~TFormularz();
    TFormularz(const TFormularz&) = delete;
    TFormularz& operator=(const TFormularz&) = delete;

    int PodatId = 0;
    int FormKind() const { return formKind_; }

    virtual void Clear();
    virtual void Calculate() = 0;
    virtual void Verify() const = 0;

    Amount GetPole(int box) const;
    void SetField(int box, Amount value);
    bool GetEmpty(int box) const;
    void SetEmpty(int box, bool empty);
    bool GetDruk(int box) const;
    QString GetTekst(int box) const;

    const TBoxDef* BoxDef(int box) const;
    std::span<const TBoxDef> Boxes() const { return boxes_; }
    bool IsTyped(int box) const;
    // The kept-apart source of a limited box (the typed value or the attachment amount).
    Amount Source(int box) const;

    const TFieldNote& Note(int box) const;

    // The spouse column counts (joint filing; joint mode of an attachment).
    virtual bool SpouseActive() const { return false; }
    // Moves the register to the taxpayer; false when there is none.
    static bool LocateTaxpayer(int podatId);

    // Whether a box takes part at all (printing, checks); by default spouse boxes need
    // SpouseActive. Attachments add their own conditions (parts only on attachment 1 ...).
    virtual bool BoxActive(const TBoxDef& d) const { return !(d.flags & bfSpouse) || SpouseActive(); }

protected:
    // SetField particulars: return false to ignore the value; may transform it.
    virtual bool AcceptField(int box, Amount& value);
    virtual bool DrukCustom(int box) const;
    // The name GetPole gives in the undefined-box warning.
    virtual const char* GetPoleName() const { return "GetPole"; }
    // Load/Save of one typed box; return false to leave it alone (neither read nor written).
    virtual bool LoadsBox(int box) const;
    virtual bool SavesBox(int box) const;

    void LoadBoxes(const TTable* row);
    void SaveBoxes(TTable* row) const;

    // Calculate helpers.
    Amount p(int box) const;     // the value that counts: 0 for a spouse box while the spouse is off
    Amount src(int box) const;   // the kept-apart source, likewise
    void set(int box, Amount value);
    void setSource(int box, Amount value);
    static Amount PositivePart(Amount a, Amount b) { return a > b ? a - b : Amount(); }
    static Amount Floor0(Amount a) { return a.isNegative() ? Amount() : a; }
    static Amount Min(Amount a, Amount b) { return a < b ? a : b; }
    // Money in notes: "1 234,56 zł".
    static QString MoneyText(Amount a);

    // Checks helpers (rows go to the error list).
    static void AddError(int box, const QString& text);
    // Rows of typed boxes: a row with a non-zero box gets a warning on each blank box.
    void VerifyRows(std::initializer_list<std::initializer_list<int>> rows) const;


    TFieldNote& boxNote(int box) { return notes_[box]; }
    void clearBoxNotes();
    // Note "<what> (%m) została ograniczona" + "\r" + second line, green.
    void setLimitNote(int box, const QString& what, Amount source, const QString& secondLine);

    // The undefined-box warning of GetPole, SetField and GetDruk; a form may name the
    // operation otherwise or stay silent.
    virtual void warnUndefined(const char* op, int box) const;

    bool suspendCalc_ = false;
    std::unique_ptr<TIdentyfikacja> id_;   // set by forms with identification

private:
    int index(int box) const { return box >= 0 && box < int(idx_.size()) ? idx_[box] : -1; }

    std::span<const TBoxDef> boxes_;
    int formKind_;
    std::vector<int> idx_;      // box number -> position in boxes_
    std::vector<Amount> val_;   // by position
    std::vector<Amount> src_;
    std::vector<char> blank_;
    QHash<int, TFieldNote> notes_;
};
