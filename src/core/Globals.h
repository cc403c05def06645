#pragma once
// Small shared helpers: amount rounding and the 2008 tax scale, Polish amount
// formatting, the list of forms, filing-method texts, box control naming, notes.

#include "Amount.h"

#include <QColor>
#include <QString>
#include <QStringList>

// ---- Forms ----------------------------------------------------------------------------------

// Index of a form in the program's list of forms.
enum FormKind : int {
    fkPit36 = 0, fkPit36L, fkPit37, fkPit38, fkPitB, fkPitD, fkPit2K, fkPitM, fkPitO, fkPitX,
    fkPitZ, fkPitZG, fkNip1, fkNip3, fkSseR, fkPrzelew,
    FormKindCount
};

// "PIT-36", "PIT-36L", "PIT-37", "PIT-38", "PIT/B", "PIT/D", "PIT-2K", "PIT/M", "PIT/O", "PIT/X",
// "PIT/Z", "PIT/ZG", "NIP-1", "NIP-3", "SSE-R", "Przelew": the keys of itemised amounts,
// margins and corrections.
const QStringList& FormSymbols();
QString FormSymbol(int formKind);   // empty outside 0..15
// The same for display; entry 15 reads "Przelew/Wpłata".
const QStringList& FormTitles();

// Person codes: index 0 "P" the taxpayer, index 1 "M" the spouse.
const QStringList& RodzCodes();
QString RodzCode(int person);

// ---- Amounts --------------------------------------------------------------------------------

// mode 0: whole zloty, 1: tens of grosze, 2: grosze (half a unit added, then cut toward zero,
// also for negative values); any other mode: unchanged.
Amount RoundAmount(int mode, Amount value);
Amount TruncToTenGrosz(Amount value);
// The largest 1% designation for a tax due: 1% of it cut to tens of grosze.
Amount OnePercentLimit(Amount tax);
// Income tax by the 2008 scale, rounded to grosze.
Amount ScaleTax(Amount income);

struct THealthSplit {
    Amount first;   // the taxpayer's part
    Amount second;  // the spouse's part
};
// Divides a deduction between taxpayer and spouse within `limit` (joint filing: codes 1, 2).
THealthSplit SplitHealthDeduction(int filingMethodCode, Amount limit, Amount first, Amount second);
// The larger of the two; b when they are equal.
Amount MaxAmount(Amount a, Amount b);

// Polish format whatever the machine's locale: "1 234,56", "-0,50".
QString FormatAmount(Amount a);
// The same without decimals, rounded: "1 235".
QString FormatWholeAmount(Amount a);
// Digit-code text of a transfer form: 1 203,05 -> "JED*DWA*ZER*TRZ*5/100".
QString AmountInWordsCode(Amount a);
// "ZER" ... "DZI" for '0'..'9', empty for anything else.
QString DigitCode(QChar digit);

// ---- Texts ----------------------------------------------------------------------------------

// 0 "indywidualnie"; 1, 2 "wspólnie z małżonkiem"; 3 "wspólnie z dzieckiem"; otherwise empty.
QString FilingMethodText(int code);
// The number when it is 1, 2 or 3; otherwise 0.
int FilingMethodCode(int number);
// "PIT-37 - Jan Kowalski [indywidualnie]"
QString DeclarationCaption(const QString& formSymbol, const QString& surname, const QString& firstName,
                           int filingMethodCode);
// "Procedura: GetPole - pole: 999 nieokreślone."
QString UndefinedBoxMessage(const QString& operation, int box);
// "Brak podatnika [PodatId = [12]."
QString MissingTaxpayerMessage(int podatId);

// Names of the controls that show box n: "F<n>", "F<n>Lbl", "F<n>Btn", "b<n>".
QString BoxControlName(int n);
QString BoxLabelName(int n);
QString BoxButtonName(int n);
QString BoxTagName(int n);

// Background of an edit: the window colour when editable, the button face otherwise.
QColor EditColour(bool editable);

// The path with the platform's folder separator appended when it does not end in one
// (an empty path gives the separator alone). Stands for the Windows "trailing backslash".
QString WithTrailingSeparator(const QString& path);
QString RemoveSpaces(const QString& text);
QString RemoveHyphens(const QString& text);

// ---- Notes on fields and boxes --------------------------------------------------------------

// Colour codes of notes, as stored colour values (0x00BBGGRR): none, red, green.
enum NoteColour : int { ncNone = 0, ncRed = 255, ncGreen = 65280 };

struct TFieldNote {
    int colour = ncNone;
    QString text;     // two lines are separated by "\r"
    bool shown = false;
};

void ClearFieldNote(TFieldNote& note);
// Sets a shown note of the given colour and text.
void SetFieldNote(TFieldNote& note, int colour, const QString& text);
// Colour value (0x00BBGGRR) as a QColor.
QColor NoteQColor(int colour);
