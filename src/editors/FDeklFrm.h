#pragma once
// The family of form editor windows. A window mirrors the paper form page by page: each page
// is described once (TOpisStrony: frames with box number and title, their positions, what sits
// inside) and the window is built from that description and the model's box table:
//
//   - a typed amount box gets an amount edit "F<n>", a derived or attachment box a label
//     "F<n>Lbl"; identification boxes get text, NIP, PESEL or date edits;
//   - leaving an amount edit copies every edit's blank state into the model, passes the value
//     to SetField and refreshes every amount and label; leaving an identification edit passes
//     the text to the model's setter and refreshes the identification (notes as colour + hint);
//   - the verification page runs Verify and jumps to a box on double click;
//   - "&Zapisz" checks the names, copies the blank states, saves and closes; "&Anuluj" closes.
//
// The model is loaded once, when the window is first shown. The window's own dialogs never
// make it reload: after a dialog that changes stored data only what that dialog changed is
// read again, so nothing typed since opening is lost.
//
// A form's window derives from TDeklFrm, owns its model, describes its pages and answers the
// hooks for what is not an amount or identification box (squares, memos, form texts).

#include "Amount.h"
#include "FWindow.h"
#include "BoxWidgets.h"

#include <QDialog>
#include <QHash>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QVector>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QTabWidget;
class QTableView;
class QTextBrowser;
class TFormularz;
class TGSkEditCalc;
class TIdentyfikacja;
class TKrataWidget;
struct TFieldNote;

// What sits in a frame.
enum class TCtl : quint8 {
    Auto,     // by the model: typed amount -> amount edit, other amount -> label, identification -> edit
    Amount,   // amount edit
    Label,    // computed value (right-aligned)
    Text,     // one-line text
    Nip,      // NIP with the mask 999-999-99-99
    Pesel,    // PESEL with the mask 99999999999
    Date,     // date dd-mm-rrrr, may be blank
    Combo,    // drop-down list
    Check,    // square with a caption
    Memo,     // several lines
    Spin,     // whole number
    Button,   // push button (the window connects it)
    Info,     // plain printed text (row titles, column heads)
    None,     // the frame alone
};

// One element of a page: a frame (box number and title) with its control, or a control or a
// printed text alone.
struct TPoz {
    int box = 0;          // box number, 0 for none
    QString title;        // printed title of the frame, or the text of a check box / button / info
    QRect r;              // position on the page
    TCtl ctl = TCtl::Auto;
    QString name;         // the control's name when not BoxControlName(box)
    bool frame = true;    // draw the frame (number + title) around the control
    bool spouse = false;  // spouse part: hidden outside joint filing
    int tab = 0;          // order among a page's controls: 0 = in description order
    int group = 0;        // a part the form shows or hides as a whole (0 = none)
};

// One page of the paper form.
class TOpisStrony {
public:
    explicit TOpisStrony(const QString& title, int width = 1180) : title(title), width(width) {}

    // A grey bar across the page with a section title ("C. ŹRÓDŁA PRZYCHODÓW").
    TOpisStrony& section(int y, const QString& text, int h = 20);
    // A frame of box n with its title and the control inside.
    TOpisStrony& box(int n, const QString& title, QRect r, TCtl ctl = TCtl::Auto, const QString& name = {});
    // A frame without a control of its own (the squares or buttons inside are added apart).
    TOpisStrony& frame(int n, const QString& title, QRect r);
    // A control without a frame (squares, buttons).
    TOpisStrony& control(TCtl ctl, const QString& name, const QString& text, QRect r, int n = 0);
    // A printed text (row and column titles); in a grey frame when `framed`.
    TOpisStrony& info(const QString& text, QRect r, bool framed = true);
    // Rows of the two-column parts: a title, the taxpayer's box and the spouse's box
    // (0: an empty grey cell); a head row "Podatnik" / "Małżonek"; a title and one box.
    TOpisStrony& pairHead(int y);
    TOpisStrony& pairRow(int y, const QString& title, int p, int m);
    TOpisStrony& singleRow(int y, const QString& title, int n);
    // Identification and home address of one person (surname .. post office from box
    // `first`), the controls named FNazwisko .. FPoczta (FMNazwisko .. for the spouse).
    // Gives the y below the rows.
    int personRows(int y, int first, int side);
    static constexpr int kRowH = 40;

    // Marks the items added since `from` as the spouse's part.
    TOpisStrony& spouse(int from);
    // Puts the items from `from` up to `to` (exclusive; -1: the last) into part `g`.
    TOpisStrony& group(int from, int g, int to = -1);

    QString title;
    int width;
    int height = 0;
    QVector<TPoz> items;
};

class TDeklFrm : public QDialog {
    Q_OBJECT
public:
    ~TDeklFrm() override;

    // Loads the model and fills the window; done once, on the first show (or earlier when a
    // caller needs the window filled without showing it).
    void ensureLoaded();
    bool loaded() const { return loaded_; }

    // The control of box n from the box control table (nullptr when the box has none).
    QWidget* boxControl(int box) const { return controls_.value(box); }
    TGSkEditCalc* amountEdit(int box) const;
    QLabel* boxLabel(int box) const;
    // The page a box's control or label sits on, -1 when none.
    int pageOfBox(int box) const;

    QPushButton* PostBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    QTabWidget* PageControl = nullptr;
    QWidget* TabNotatki = nullptr;
    QWidget* TabWeryf = nullptr;
    QLabel* BladPan = nullptr;
    QTableView* BledyGrid = nullptr;
    QPushButton* Panel1 = nullptr;       // "Edycja": opens the notes editor
    QTextBrowser* NotatkiView = nullptr;

    // The scrolled content of form page i (for screenshots and tests).
    QWidget* pageContent(int i) const { return pages_.value(i); }
    int formPageCount() const { return int(pages_.size()); }

    // The verification page's double click on error row `row`.
    void errorRowActivated(int row);
    void PostBtnClick();

    // Opens the notes editor for a taxpayer; returns whether the notes were saved.
    // A program installs its editor; without one a small built-in editor is used.
    static std::function<bool(QWidget* parent, int podatId)>& NotesEditor();
    // Reads the taxpayer's notes (field Notatki of the register) into the notes page.
    void refreshNotes();

protected:
    TDeklFrm(const QString& windowName, QWidget* parent);

    // Builds the window from the page descriptions; call once from the derived constructor
    // after the model exists.
    void build(TFormularz* form, TIdentyfikacja* id, const QVector<TOpisStrony>& pages, bool notesPage = true);

    // ---- hooks of a form -----------------------------------------------------------------
    virtual bool loadModel() = 0;
    virtual bool saveModel() = 0;
    virtual QString caption() const = 0;
    virtual int podatId() const = 0;
    // Spouse controls are shown (joint filing; joint mode of an attachment).
    virtual bool spouseShown() const { return true; }
    // Whether box n may be typed now (read-only otherwise).
    virtual bool boxEditable(int /*box*/) const { return true; }
    // How the amount edit of a typed box edits (format, checks) and its limits.
    virtual TAmountStyle amountStyle(int /*box*/) const { return TAmountStyle::Plain; }
    // Capped boxes show the amount as typed, cropped by the edit to upperLimit.
    virtual bool cappedBox(int /*box*/) const { return false; }
    virtual Amount upperLimit(int /*box*/) const { return Amount(); }
    // Text of a computed label (default: the model's box text when shown).
    virtual QString labelText(int box) const;
    // Values of controls that are neither amount nor identification boxes.
    virtual QString otherText(const TPoz&) const { return {}; }
    virtual void otherTextExit(const TPoz&, const QString&) {}
    virtual const TFieldNote* otherNote(const TPoz&) const { return nullptr; }
    virtual bool checkState(const QString& /*name*/) const { return false; }
    virtual void checkClicked(const QString& /*name*/, bool /*checked*/) {}
    virtual int spinValue(const TPoz&) const { return 0; }
    virtual void spinExit(const TPoz&, int) {}
    // Itemising: whether box n has a "..." button, and what it opens (on OK the window puts
    // the result into the box and runs its exit handling).
    virtual bool hasItemButton(int /*box*/) const { return false; }
    virtual void itemise(int box);
    // Opens the itemised list (form, person 0/1, attachment) of box n; on OK the result goes
    // into the box and its exit handling runs.
    void itemiseList(int box, int formKind, int person, int nrZal);
    // Extra refresh after loading (lists, captions of the form).
    virtual void afterLoad() {}
    // Parts shown or hidden by the form's state, applied after the spouse's part.
    virtual void extraVisibility() {}
    // Enter pressed in a control; true when the form handled it.
    virtual bool enterPressed(QWidget* /*control*/) { return false; }
    // Look-up source of type-ahead completion for a control; empty: none.
    // Default: first names, country and address parts of the identification.
    virtual QString completionSource(const TPoz& p) const;

    // ---- what the forms use ----------------------------------------------------------------
    void refreshAll();
    void refreshAmounts(QWidget* keepText = nullptr);
    void refreshTexts();
    void refreshSquares();
    void applySpouseVisibility();
    // Shows or hides the controls and frames of the items chosen.
    void showItems(const std::function<bool(const TPoz&)>& which, bool on);
    // Runs the exit handling of a control as if the user left it.
    void runExit(QWidget* control);
    // Puts an amount into box n and runs its exit handling (menus, buttons, dialogs).
    void putAmount(int box, Amount value);
    // Puts a text into a text control and runs its exit handling.
    void putText(QWidget* control, const QString& text);
    QWidget* named(const QString& name) const { return named_.value(name); }
    const TPoz* pozOf(const QWidget* w) const;
    void showWarningOnClick(QWidget* w, const QString& text);
    TFormularz* form_ = nullptr;
    TIdentyfikacja* id_ = nullptr;

    bool eventFilter(QObject* o, QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void done(int r) override;

private:
    QWidget* buildPage(const TOpisStrony& s, int index);
    QWidget* makeControl(const TPoz& p, QWidget* parent);
    void amountExit(int box);
    void controlExit(QWidget* w);
    void copyEmptyStates();
    void complete(QLineEdit* edit, const TPoz& p);
    QString lookup(const QString& source, const QString& prefix) const;
    bool isSpouseItem(const TPoz& p) const;
    void onPageChanged(int index);
    void applyNote(QWidget* w, int colour, const QString& text, bool shown);

    TWindow placement_;
    bool loaded_ = false;
    QVector<QWidget*> pages_;
    QVector<TPoz> items_;                        // every item of every page
    QHash<QWidget*, int> itemOf_;                // control -> index in items_
    QHash<QWidget*, int> pageOf_;                // control -> page
    QHash<int, QWidget*> controls_;              // the box control table
    QHash<int, QLabel*> labels_;                 // computed boxes
    QHash<QString, QWidget*> named_;
    QVector<QPair<TKrataWidget*, bool>> frames_; // frame, spouse part
    QHash<int, TKrataWidget*> frameOfItem_;
    QHash<TKrataWidget*, bool> frameEditable_;
    QHash<QWidget*, int> enterTag_;              // text length on entering (completion)
};
