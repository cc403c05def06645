#pragma once
// A main declaration (PIT-36, PIT-36L, PIT-37, PIT-38): the box table of TFormularz plus the
// taxpayer (and spouse) identification, filing method, purpose of filing, tax office, the 1%
// designation and the Load/Save of one row per taxpayer in the form's table.
//
// How a form builds on it:
//   1. A box table (static const TBoxDef[]) in form order; typed boxes name their column.
//   2. A TDeklaracjaDef: the table, the purpose columns, the office, purpose and 1% boxes,
//      the identification layout and options.
//   3. Override Calculate (one line per derived box), Verify (VerifyIdentification first,
//      then the form's checks), and where needed the hooks: AcceptField (SetField
//      particulars), DrukCustom, LoadsBox/SavesBox, LoadCounts, LoadAttachments,
//      LoadRow/SaveRow (the form's non-amount columns).
// Load: locate taxpayer (warning if missing) -> Clear -> filing method -> LoadCounts ->
// identification through the setters (spouse only when joint) -> office -> LoadAttachments ->
// the form's row (purpose, typed boxes with their null state, LoadRow) -> Calculate.
// Save: identification changes to the register (one post per changed field), office,
// then the form's row (purpose, typed boxes, blank = null, SaveRow), one post.

#include "Formularz.h"

#include <QStringList>

class TDM;

struct TIdVerifyRules {
    int officeBox = 0;
    int purposeBox = 0;              // 0: the form does not check the purpose
    bool trim = false;               // names and address compared after trimming
    bool spousePlausibility = false;
    int nipDuplicateOn[2] = {0, 0};  // boxes the duplicate NIP is reported on (0 = none)
};

struct TDeklaracjaDef {
    TTable* TDM::*table;
    const char* celColumns[2];   // purpose squares 1 and 2
    int oppBoxes[3];             // name, KRS number, amount
    TIdVerifyRules verify;
};

class TDeklaracja : public TFormularz {
public:
    TDeklaracja(std::span<const TBoxDef> boxes, int formKind, const TDeklaracjaDef& def,
                const TIdLayout& layout, const TIdOptions& idOptions);
    // A form whose identification setters differ passes its own TIdentyfikacja subclass.
    TDeklaracja(std::span<const TBoxDef> boxes, int formKind, const TDeklaracjaDef& def,
                std::unique_ptr<TIdentyfikacja> identyfikacja);

    void Clear() override;
    // Fills the model for the taxpayer and ends with Calculate; false (with a warning) when
    // the taxpayer is missing, the model then stays as it was.
    virtual bool Load(int podatId);
    // false (with a warning, nothing written) when the taxpayer is missing.
    virtual bool Save();

    // Filing method.
    int GetSposob() const { return sposob_; }
    bool IsJoint() const { return sposob_ == 1 || sposob_ == 2; }
    bool SpouseActive() const override { return IsJoint(); }

    // Identification: by box number of the field (the side follows from the box).
    TIdentyfikacja& Id() { return *id_; }
    const TIdentyfikacja& Id() const { return *id_; }
    void SetNip(int box, const QString& v) { id_->SetNip(box, v); }
    void SetPesel(int box, const QString& v) { id_->SetPesel(box, v); }
    void SetDataUr(int box, const QDate& v) { id_->SetDataUr(box, v); }
    void SetKraj(int box, const QString& v) { id_->SetKraj(box, v); }
    void SetWojew(int box, const QString& v) { id_->SetWojew(box, v); }
    void SetPowiat(int box, const QString& v) { id_->SetPowiat(box, v); }
    void SetGmina(int box, const QString& v) { id_->SetGmina(box, v); }
    void SetMiasto(int box, const QString& v) { id_->SetMiasto(box, v); }
    void SetKodPoczt(int box, const QString& v) { id_->SetKodPoczt(box, v); }
    void SetText(int box, const QString& v) { id_->SetText(box, v); }
    QString Text(int box) const { return id_->Text(box); }

    // Tax office.
    void SetUrzad(const QString& name) { Urzad = name.trimmed(); }
    virtual int GetUrzadId() const;
    QString Urzad;

    // Purpose: square 1 filing, square 2 correction.
    void SetCel(int square, bool flag);
    bool GetCel(int square) const { return cel_[square == 2 ? 1 : 0]; }
    bool IsKorekta() const { return !cel_[0]; }

    // 1% designation.
    QString NazwaOPP, NumerOPP;
    virtual bool HasOpp() const;
    QString Pelnomocnik;

protected:
    virtual void LoadCounts(const TTable* podatnik);
    virtual void LoadAttachments();
    virtual void LoadRow(const TTable* row);
    virtual void SaveRow(TTable* row) const;

    // The identification checks, in their order, by the form's rules.
    void VerifyIdentification(bool spouseNip, bool spouseChecks) const;
    // The 1% designation against the limit of the tax due.
    void VerifyOpp(Amount taxDue) const;
    // Squares of which at most one is set: setting one clears the others (1-based square).
    static void SetExclusiveSquare(bool* squares, int count, int square, bool flag);
    // Red note on the 1% amount box when it exceeds the limit of the tax due (Calculate).
    void setOppNote(Amount taxDue);
    // A stored multi-line text as lines (any line break), and back.
    static QStringList TextLines(const QString& text);
    static QString JoinLines(const QStringList& lines) { return lines.join(QStringLiteral("\r\n")); }

    const TDeklaracjaDef& def_;
    int sposob_ = 0;
    bool cel_[2] = {true, false};
};
