#include "FDeklFrm.h"

#include "FDM.h"
#include "FKwotyFrm.h"
#include "Formularz.h"
#include "Globals.h"
#include "Identyfikacja.h"
#include "KrataWidget.h"
#include "Messages.h"
#include "NumWeryf.h"
#include "PolishText.h"
#include "zz_EditCalc.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTextBrowser>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kCaptionHeight = 14;   // the frame's number and title above its control

bool isInput(TCtl c)
{
    switch (c) {
    case TCtl::Amount: case TCtl::Text: case TCtl::Nip: case TCtl::Pesel: case TCtl::Date:
    case TCtl::Combo: case TCtl::Check: case TCtl::Memo: case TCtl::Spin:
        return true;
    default:
        return false;
    }
}

bool windowOnly(const QFocusEvent* e)
{
    return e->reason() == Qt::ActiveWindowFocusReason || e->reason() == Qt::PopupFocusReason;
}

QString dateText(const QString& iso)
{
    const QDate d = QDate::fromString(iso, Qt::ISODate);
    return d.isValid() ? d.toString(QStringLiteral("dd-MM-yyyy")) : QString();
}

QDate parseDate(const QString& text)
{
    if (DigitsOnly(text).isEmpty()) return {};
    return QDate::fromString(text, QStringLiteral("dd-MM-yyyy"));
}

// A masked edit reads "--" when nothing was typed: that is a blank number.
QString maskedText(const QLineEdit* e)
{
    return DigitsOnly(e->text()).isEmpty() ? QString() : e->text().trimmed();
}

// The notes of the register shown by the built-in editor (a program installs its own).
bool builtInNotesEditor(QWidget* parent, int podatId)
{
    TTable* t = DM()->Podatnik;
    t->ensureOpen();
    if (!t->locate(QStringLiteral("PodatId"), podatId)) return false;
    QDialog d(parent);
    d.setWindowTitle(QStringLiteral("Notatki - ") + t->asString(QStringLiteral("Nazwisko")).trimmed() + u' '
                     + t->asString(QStringLiteral("Imie")).trimmed());
    auto* edit = new QTextEdit(&d);
    edit->setObjectName(QStringLiteral("Notatki"));
    const QString stored = t->asString(QStringLiteral("Notatki"));
    if (Qt::mightBeRichText(stored)) edit->setHtml(stored);
    else edit->setPlainText(stored);
    edit->document()->setModified(false);
    auto* buttons = new QDialogButtonBox(&d);
    auto* save = buttons->addButton(QStringLiteral("&Zapisz"), QDialogButtonBox::AcceptRole);
    save->setObjectName(QStringLiteral("ZapiszBtn"));
    buttons->addButton(QStringLiteral("Za&mknij"), QDialogButtonBox::RejectRole);
    auto* lay = new QVBoxLayout(&d);
    lay->addWidget(edit);
    lay->addWidget(buttons);
    bool saved = false;
    auto store = [&] {
        if (!t->locate(QStringLiteral("PodatId"), podatId)) return;
        t->edit();
        t->setValue(QStringLiteral("Notatki"), edit->toHtml());
        t->post();
        edit->document()->setModified(false);
        saved = true;
    };
    QObject::connect(buttons, &QDialogButtonBox::accepted, &d, [&] { store(); d.accept(); });
    QObject::connect(buttons, &QDialogButtonBox::rejected, &d, [&] {
        if (edit->document()->isModified() && Confirm(QStringLiteral("Zapisać wprowadzone zmiany?"))) store();
        d.reject();
    });
    d.resize(640, 480);
    d.exec();
    return saved;
}

}  // namespace

// ---- page descriptions ------------------------------------------------------------------------

TOpisStrony& TOpisStrony::section(int y, const QString& text, int h)
{
    TPoz p;
    p.title = text;
    p.r = QRect(0, y, width, h);
    p.ctl = TCtl::Info;
    p.name = QStringLiteral("section");
    items.push_back(p);
    height = std::max(height, p.r.bottom() + 1);
    return *this;
}

TOpisStrony& TOpisStrony::box(int n, const QString& title, QRect r, TCtl ctl, const QString& name)
{
    TPoz p;
    p.box = n;
    p.title = title;
    p.r = r;
    p.ctl = ctl;
    p.name = name;
    items.push_back(p);
    height = std::max(height, r.bottom() + 1);
    return *this;
}

TOpisStrony& TOpisStrony::frame(int n, const QString& title, QRect r) { return box(n, title, r, TCtl::None); }

TOpisStrony& TOpisStrony::control(TCtl ctl, const QString& name, const QString& text, QRect r, int n)
{
    TPoz p;
    p.box = n;
    p.title = text;
    p.r = r;
    p.ctl = ctl;
    p.name = name;
    p.frame = false;
    items.push_back(p);
    height = std::max(height, r.bottom() + 1);
    return *this;
}

TOpisStrony& TOpisStrony::info(const QString& text, QRect r, bool framed)
{
    TPoz p;
    p.title = text;
    p.r = r;
    p.ctl = TCtl::Info;
    p.frame = framed;
    items.push_back(p);
    height = std::max(height, r.bottom() + 1);
    return *this;
}

TOpisStrony& TOpisStrony::group(int from, int g, int to)
{
    for (int i = from; i < (to < 0 ? items.size() : to); ++i) items[i].group = g;
    return *this;
}

namespace {
constexpr int kPairTitleW = 560, kPX = 565, kPW = 300, kMX = 870, kMW = 310;
const char* const kIdNames[2][14] = {
    {"FNazwisko", "FImie", "FDataUr", "FPesel", "FKraj", "FWojew", "FPowiat", "FGmina", "FUlica", "FPosesja", "FLokal",
     "FMiasto", "FKodPoczt", "FPoczta"},
    {"FMNazwisko", "FMImie", "FMDataUr", "FMPesel", "FMKraj", "FMWojew", "FMPowiat", "FMGmina", "FMUlica", "FMPosesja",
     "FMLokal", "FMMiasto", "FMKodPoczt", "FMPoczta"},
};
}  // namespace

TOpisStrony& TOpisStrony::pairHead(int y)
{
    info({}, {0, y, kPairTitleW, 22});
    info(QStringLiteral("Podatnik"), {kPX, y, kPW, 22});
    return info(QStringLiteral("Małżonek"), {kMX, y, kMW, 22});
}

TOpisStrony& TOpisStrony::pairRow(int y, const QString& title, int p, int m)
{
    info(title, {0, y, kPairTitleW, kRowH});
    box(p, {}, {kPX, y, kPW, kRowH});
    if (m > 0) return box(m, {}, {kMX, y, kMW, kRowH});
    return info({}, {kMX, y, kMW, kRowH});
}

TOpisStrony& TOpisStrony::singleRow(int y, const QString& title, int n)
{
    info(title, {0, y, kPairTitleW, kRowH});
    return box(n, {}, {kPX, y, kPW, kRowH});
}

int TOpisStrony::personRows(int y, int first, int side)
{
    const int from = int(items.size());
    const int H = kRowH;
    box(first, QStringLiteral("Nazwisko"), {0, y, 380, H});
    box(first + 1, QStringLiteral("Pierwsze imię"), {385, y, 280, H});
    box(first + 2, QStringLiteral("Data urodzenia (dzień - miesiąc - rok)"), {670, y, 250, H});
    box(first + 3, QStringLiteral("Numer PESEL"), {925, y, 255, H});
    y += H + 4;
    box(first + 4, QStringLiteral("Kraj"), {0, y, 250, H});
    box(first + 5, QStringLiteral("Województwo"), {255, y, 300, H});
    box(first + 6, QStringLiteral("Powiat"), {560, y, 300, H});
    box(first + 7, QStringLiteral("Gmina"), {865, y, 315, H});
    y += H + 4;
    box(first + 8, QStringLiteral("Ulica"), {0, y, 560, H});
    box(first + 9, QStringLiteral("Nr domu"), {565, y, 150, H});
    box(first + 10, QStringLiteral("Nr lokalu"), {720, y, 150, H});
    y += H + 4;
    box(first + 11, QStringLiteral("Miejscowość"), {0, y, 560, H});
    box(first + 12, QStringLiteral("Kod pocztowy"), {565, y, 150, H});
    box(first + 13, QStringLiteral("Poczta"), {720, y, 460, H});
    for (int i = from; i < items.size(); ++i) items[i].name = QString::fromLatin1(kIdNames[side][items[i].box - first]);
    return y + H + 6;
}

TOpisStrony& TOpisStrony::spouse(int from)
{
    for (int i = from; i < items.size(); ++i) items[i].spouse = true;
    return *this;
}

// ---- window -----------------------------------------------------------------------------------

std::function<bool(QWidget*, int)>& TDeklFrm::NotesEditor()
{
    static std::function<bool(QWidget*, int)> editor = builtInNotesEditor;
    return editor;
}

TDeklFrm::TDeklFrm(const QString& windowName, QWidget* parent) : QDialog(parent)
{
    setObjectName(windowName);
    placement_.setWindowName(windowName);
    if (placement_.LoadPlacement() && placement_.Width() > 0 && placement_.Height() > 0)
        setGeometry(placement_.Left(), placement_.Top(), placement_.Width(), placement_.Height());
    else
        resize(1240, 760);
}

TDeklFrm::~TDeklFrm() = default;

void TDeklFrm::build(TFormularz* form, TIdentyfikacja* id, const QVector<TOpisStrony>& pages, bool notesPage)
{
    form_ = form;
    id_ = id;

    auto* top = new QWidget(this);
    top->setObjectName(QStringLiteral("TopPanel"));
    auto* topLay = new QHBoxLayout(top);
    topLay->setContentsMargins(6, 4, 6, 4);
    PostBtn = new QPushButton(QStringLiteral("&Zapisz"), top);
    PostBtn->setObjectName(QStringLiteral("PostBtn"));
    CancelBtn = new QPushButton(QStringLiteral("&Anuluj"), top);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    PostBtn->setAutoDefault(false);
    CancelBtn->setAutoDefault(false);
    topLay->addWidget(PostBtn);
    topLay->addWidget(CancelBtn);
    topLay->addStretch();
    connect(PostBtn, &QPushButton::clicked, this, &TDeklFrm::PostBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    PageControl = new QTabWidget(this);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    for (int i = 0; i < pages.size(); ++i) {
        auto* scroll = new QScrollArea;
        scroll->setObjectName(QStringLiteral("Tab%1").arg(i + 1));
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setWidget(buildPage(pages[i], i));
        scroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        PageControl->addTab(scroll, pages[i].title);
    }

    if (notesPage) {
        TabNotatki = new QWidget;
        TabNotatki->setObjectName(QStringLiteral("TabNotatki"));
        auto* lay = new QVBoxLayout(TabNotatki);
        Panel1 = new QPushButton(QStringLiteral("&Edycja"), TabNotatki);
        Panel1->setObjectName(QStringLiteral("Panel1"));
        NotatkiView = new QTextBrowser(TabNotatki);
        NotatkiView->setObjectName(QStringLiteral("NotatkiView"));
        lay->addWidget(Panel1, 0, Qt::AlignLeft);
        lay->addWidget(NotatkiView);
        connect(Panel1, &QPushButton::clicked, this, [this] {
            // The notes live in the register: only the notes view is read again.
            if (NotesEditor()(this, podatId())) refreshNotes();
        });
        PageControl->addTab(TabNotatki, QStringLiteral("&Notatki"));
    }

    TabWeryf = new QWidget;
    TabWeryf->setObjectName(QStringLiteral("TabWeryf"));
    auto* wl = new QVBoxLayout(TabWeryf);
    BladPan = new QLabel(TabWeryf);
    BladPan->setObjectName(QStringLiteral("BladPan"));
    BladPan->setFrameShape(QFrame::Panel);
    BladPan->setFrameShadow(QFrame::Raised);
    BledyGrid = new QTableView(TabWeryf);
    BledyGrid->setObjectName(QStringLiteral("BledyGrid"));
    BledyGrid->setModel(DM()->BledyTbl);
    BledyGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    BledyGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    BledyGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    BledyGrid->verticalHeader()->hide();
    BledyGrid->setColumnWidth(0, 60);
    BledyGrid->horizontalHeader()->setStretchLastSection(true);
    connect(BledyGrid, &QTableView::doubleClicked, this, [this](const QModelIndex& i) { errorRowActivated(i.row()); });
    // Enter on a row jumps as a double click does, so the list works from the keyboard.
    connect(BledyGrid, &QTableView::activated, this, [this](const QModelIndex& i) { errorRowActivated(i.row()); });
    wl->addWidget(BladPan);
    wl->addWidget(BledyGrid);
    PageControl->addTab(TabWeryf, QStringLiteral("&Weryfikacja"));
    connect(PageControl, &QTabWidget::currentChanged, this, &TDeklFrm::onPageChanged);

    auto* lay = new QVBoxLayout(this);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->setSpacing(0);
    lay->addWidget(top);
    lay->addWidget(PageControl);
}

QWidget* TDeklFrm::buildPage(const TOpisStrony& s, int index)
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("Strona%1").arg(index + 1));
    page->setAutoFillBackground(true);
    page->setFixedSize(s.width + 12, s.height + 12);
    pages_.push_back(page);

    QVector<QPair<int, QWidget*>> order;   // tab order of the page
    for (const TPoz& poz : s.items) {
        TPoz p = poz;
        p.r.translate(6, 6);
        if (p.ctl == TCtl::Auto) {
            int side = 0, field = 0;
            const TBoxDef* d = form_->BoxDef(p.box);
            if (id_ && id_->find(p.box, &side, &field))
                p.ctl = field == idNip ? TCtl::Nip : field == idPesel ? TCtl::Pesel : field == idDataUr ? TCtl::Date : TCtl::Text;
            else if (d)
                p.ctl = d->kind == BoxKind::Typed ? TCtl::Amount : TCtl::Label;
            else
                p.ctl = TCtl::None;
        }
        const int itemIndex = int(items_.size());
        items_.push_back(p);

        const bool spouseItem = isSpouseItem(p);
        if (p.frame && (p.box > 0 || !p.title.isEmpty())) {
            const bool editable = isInput(p.ctl) || p.ctl == TCtl::None;
            auto* fw = new TKrataWidget(page);
            fw->setGeometry(p.r);
            if (p.box > 0) fw->setObjectName(BoxTagName(p.box));
            QString cap;
            if (p.box > 0) cap = QString::number(p.box) + u'.';
            if (p.ctl != TCtl::Check && p.ctl != TCtl::Button && p.ctl != TCtl::Info && !p.title.isEmpty())
                cap += (cap.isEmpty() ? QString() : QStringLiteral(" ")) + p.title;
            QFont f = font();
            f.setPointSizeF(f.pointSizeF() * 0.8);
            fw->krata()->setFont(f);
            fw->krata()->setCaption(cap);
            const bool inputFrame = editable && p.ctl != TCtl::None;
            fw->krata()->setBrush(EditColour(inputFrame));
            if (p.name == QLatin1String("section")) {
                QFont b = font();
                b.setBold(true);
                fw->krata()->setFont(b);
                fw->krata()->setCaption(p.title);
                fw->krata()->setMargTop(2);
                fw->krata()->setBrush(QColor(200, 200, 200));
            }
            fw->lower();
            frames_.push_back({fw, spouseItem});
            frameOfItem_.insert(itemIndex, fw);
            frameEditable_.insert(fw, inputFrame);
            if (p.ctl == TCtl::Info && p.name == QLatin1String("section")) continue;
        }

        QWidget* w = makeControl(p, page);
        if (!w) continue;
        QRect g = p.r;
        if (p.frame && p.ctl != TCtl::Info) {
            if (p.ctl == TCtl::Memo) g = p.r.adjusted(3, kCaptionHeight + 1, -3, -3);
            else g = QRect(p.r.left() + 3, p.r.bottom() - 24, p.r.width() - 6, 22);
        } else if (p.frame && p.ctl == TCtl::Info) {
            g = p.r.adjusted(4, 2, -4, -2);
        }
        w->setGeometry(g);
        w->raise();
        itemOf_.insert(w, itemIndex);
        pageOf_.insert(w, index);
        if (!p.name.isEmpty()) named_.insert(p.name, w);
        if (w->focusPolicy() != Qt::NoFocus && w->isEnabled()) order.push_back({p.tab, w});
    }
    std::stable_sort(order.begin(), order.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (int i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1].second, order[i].second);
    return page;
}

QWidget* TDeklFrm::makeControl(const TPoz& p, QWidget* parent)
{
    QWidget* w = nullptr;
    QString name = p.name;
    switch (p.ctl) {
    case TCtl::Amount: {
        auto* e = AddAmountEdit(parent, p.box, {}, amountStyle(p.box));
        if (name.isEmpty()) name = e->objectName();
        const int box = p.box;
        connect(e, &TGSkEditCalc::exited, this, [this, box] { amountExit(box); });
        e->installEventFilter(this);
        controls_.insert(p.box, e);
        w = e;
        if (hasItemButton(p.box)) {
            // The "..." button beside the box and Alt+Up in the box open its itemised list.
            QToolButton* b = AddItemiseButton(parent, p.box, {p.r.right() - 18, p.r.top() + 1, 17, kCaptionHeight});
            b->setToolTip(QStringLiteral("Wykaz kwot (Alt+\u2191)"));
            connect(b, &QToolButton::clicked, this, [this, box] { itemise(box); });
            connect(e, &TGSkEditCalc::itemiseRequested, this, [this, box] { itemise(box); });
            named_.insert(b->objectName(), b);
            itemOf_.insert(b, int(items_.size()) - 1);
        }
        break;
    }
    case TCtl::Label: {
        QLabel* l = p.box > 0 ? AddAmountLabel(parent, p.box, {}) : new QLabel(parent);
        if (name.isEmpty()) name = l->objectName();
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        l->setContentsMargins(0, 0, 4, 0);
        l->installEventFilter(this);
        if (p.box > 0) labels_.insert(p.box, l);
        w = l;
        break;
    }
    case TCtl::Text:
    case TCtl::Nip:
    case TCtl::Pesel:
    case TCtl::Date: {
        auto* e = new QLineEdit(parent);
        if (p.ctl == TCtl::Nip) e->setInputMask(QStringLiteral("000-000-00-00;_"));
        if (p.ctl == TCtl::Pesel) e->setInputMask(QStringLiteral("00000000000;_"));
        if (p.ctl == TCtl::Date) e->setInputMask(QStringLiteral("00-00-0000;_"));
        if (name.isEmpty()) name = BoxControlName(p.box);
        e->installEventFilter(this);
        if (!completionSource(p).isEmpty()) {
            connect(e, &QLineEdit::textEdited, this, [this, e] {
                if (const TPoz* q = pozOf(e)) complete(e, *q);
            });
        }
        w = e;
        break;
    }
    case TCtl::Combo: {
        auto* c = new QComboBox(parent);
        c->installEventFilter(this);
        w = c;
        break;
    }
    case TCtl::Check: {
        auto* c = new QCheckBox(p.title, parent);
        const QString n = name;
        connect(c, &QCheckBox::clicked, this, [this, n](bool on) {
            checkClicked(n, on);
            refreshSquares();
        });
        w = c;
        break;
    }
    case TCtl::Memo: {
        auto* m = new QPlainTextEdit(parent);
        m->setTabChangesFocus(true);
        m->installEventFilter(this);
        w = m;
        break;
    }
    case TCtl::Spin: {
        auto* s = new QSpinBox(parent);
        s->setRange(0, 99);
        s->setAlignment(Qt::AlignRight);
        connect(s, &QSpinBox::editingFinished, this, [this, s] {
            if (const TPoz* q = pozOf(s)) {
                spinExit(*q, s->value());
                s->setValue(spinValue(*q));
            }
        });
        w = s;
        break;
    }
    case TCtl::Button: {
        auto* b = new QPushButton(p.title, parent);
        b->setAutoDefault(false);
        w = b;
        break;
    }
    case TCtl::Info: {
        auto* l = new QLabel(p.title, parent);
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        QFont f = font();
        f.setPointSizeF(f.pointSizeF() * 0.85);
        l->setFont(f);
        w = l;
        break;
    }
    default:
        return nullptr;
    }
    if (!name.isEmpty()) w->setObjectName(name);
    if (p.box > 0 && isInput(p.ctl) && !controls_.contains(p.box)) controls_.insert(p.box, w);
    return w;
}

bool TDeklFrm::isSpouseItem(const TPoz& p) const
{
    if (p.spouse) return true;
    int side = 0, field = 0;
    if (id_ && p.box > 0 && id_->find(p.box, &side, &field) && side == stMalzonek) return true;
    const TBoxDef* d = p.box > 0 ? form_->BoxDef(p.box) : nullptr;
    return d && (d->flags & bfSpouse);
}

const TPoz* TDeklFrm::pozOf(const QWidget* w) const
{
    auto it = itemOf_.find(const_cast<QWidget*>(w));
    return it == itemOf_.end() ? nullptr : &items_[*it];
}

TGSkEditCalc* TDeklFrm::amountEdit(int box) const { return qobject_cast<TGSkEditCalc*>(controls_.value(box)); }
QLabel* TDeklFrm::boxLabel(int box) const { return labels_.value(box); }

int TDeklFrm::pageOfBox(int box) const
{
    if (QWidget* w = controls_.value(box)) return pageOf_.value(w, -1);
    if (QWidget* l = labels_.value(box)) return pageOf_.value(l, -1);
    return -1;
}

// ---- loading and refreshing --------------------------------------------------------------------

void TDeklFrm::showEvent(QShowEvent* e)
{
    ensureLoaded();
    QDialog::showEvent(e);
}

void TDeklFrm::ensureLoaded()
{
    if (loaded_) return;
    loaded_ = true;
    loadModel();
    setWindowTitle(caption());
    // The look-up sources of completion are read afresh for each window.
    DM()->Imiona->ensureOpen();
    for (TQuery* q : {DM()->Kraje, DM()->Powiaty, DM()->Gminy, DM()->Ulice, DM()->Miasta, DM()->Poczty}) {
        q->close();
        try {
            q->open();
        } catch (const DbError&) {
            // No completion from this source; typing still works.
        }
    }
    afterLoad();
    refreshAll();
    refreshNotes();
}

void TDeklFrm::refreshAll()
{
    refreshTexts();
    refreshSquares();
    refreshAmounts();
    for (const TPoz& p : items_)
        if (p.ctl == TCtl::Spin)
            if (auto* s = qobject_cast<QSpinBox*>(named_.value(p.name, controls_.value(p.box)))) s->setValue(spinValue(p));
    for (auto it = controls_.begin(); it != controls_.end(); ++it) {
        const bool ro = !boxEditable(it.key());
        if (auto* e = qobject_cast<QLineEdit*>(it.value())) e->setReadOnly(ro);
    }
    applySpouseVisibility();
}

void TDeklFrm::applyNote(QWidget* w, int colour, const QString& text, bool shown)
{
    QPalette pal = w->palette();
    const QColor c = shown && colour != ncNone ? NoteQColor(colour) : QApplication::palette().color(QPalette::Text);
    pal.setColor(QPalette::Text, c);
    pal.setColor(QPalette::WindowText, c);
    w->setPalette(pal);
    QString hint = text;
    hint.replace(u'\r', u'\n');
    w->setToolTip(shown ? hint : QString());
}

void TDeklFrm::refreshAmounts(QWidget* keepText)
{
    for (auto it = controls_.begin(); it != controls_.end(); ++it) {
        auto* e = qobject_cast<TGSkEditCalc*>(it.value());
        const int n = it.key();
        if (!e || !form_->BoxDef(n)) continue;
        if (cappedBox(n)) e->setHighLimit(upperLimit(n));
        if (e != keepText) {
            if (form_->GetEmpty(n)) {
                e->setIsEmpty(true);
            } else {
                // Capped boxes show the amount as typed; the edit crops it to the limit.
                e->setValue(cappedBox(n) ? form_->Source(n) : form_->GetPole(n));
                if (e->IsEmpty()) e->setIsEmpty(false);
            }
        }
        const TFieldNote& note = form_->Note(n);
        applyNote(e, note.colour, note.text, note.shown);
    }
    for (auto it = labels_.begin(); it != labels_.end(); ++it) {
        const int n = it.key();
        QLabel* l = it.value();
        if (!form_->BoxDef(n)) continue;
        l->setText(labelText(n));
        const TFieldNote& note = form_->Note(n);
        applyNote(l, note.colour, note.text, note.shown);
    }
}

QString TDeklFrm::labelText(int box) const
{
    return form_->GetDruk(box) ? form_->GetTekst(box) : QString();
}

void TDeklFrm::refreshTexts()
{
    for (int i = 0; i < items_.size(); ++i) {
        const TPoz& p = items_[i];
        QWidget* w = p.name.isEmpty() ? controls_.value(p.box) : named_.value(p.name);
        if (!w) continue;
        int side = 0, field = 0;
        const bool idBox = id_ && p.box > 0 && id_->find(p.box, &side, &field);
        if (auto* e = qobject_cast<QLineEdit*>(w); e && !qobject_cast<TGSkEditCalc*>(w)) {
            QString t = idBox ? id_->Text(p.box) : otherText(p);
            if (idBox && field == idDataUr) t = dateText(t);
            if (p.ctl == TCtl::Nip || p.ctl == TCtl::Pesel || p.ctl == TCtl::Date) {
                if (maskedText(e) != t) e->setText(t);
            } else if (e->text() != t) {
                e->setText(t);
            }
            if (idBox) {
                const TFieldNote& n = id_->Note(p.box);
                applyNote(e, n.colour, n.text, n.shown);
            } else if (const TFieldNote* n = otherNote(p)) {
                applyNote(e, n->colour, n->text, n->shown);
            }
        } else if (auto* c = qobject_cast<QComboBox*>(w)) {
            const int k = c->findText(otherText(p));
            c->setCurrentIndex(k < 0 ? 0 : k);
        } else if (auto* m = qobject_cast<QPlainTextEdit*>(w)) {
            const QString t = otherText(p);
            if (m->toPlainText() != t) m->setPlainText(t);
        }
    }
}

void TDeklFrm::refreshSquares()
{
    for (const TPoz& p : items_) {
        if (p.ctl != TCtl::Check) continue;
        if (auto* c = qobject_cast<QCheckBox*>(named_.value(p.name))) {
            const QSignalBlocker b(c);
            c->setChecked(checkState(p.name));
        }
    }
}

void TDeklFrm::applySpouseVisibility()
{
    const bool on = spouseShown();
    for (int i = 0; i < items_.size(); ++i) {
        const TPoz& p = items_[i];
        if (!isSpouseItem(p)) continue;
        for (auto it = itemOf_.begin(); it != itemOf_.end(); ++it)
            if (it.value() == i && p.ctl != TCtl::Info) it.key()->setVisible(on);
    }
    for (auto& [fw, spouseFrame] : frames_) {
        if (!spouseFrame) continue;
        fw->krata()->setBrush(EditColour(on && frameEditable_.value(fw)));
    }    extraVisibility();
}

void TDeklFrm::showItems(const std::function<bool(const TPoz&)>& which, bool on)
{
    // The spouse's controls stay hidden outside joint filing whatever their part.
    const bool spouseOn = spouseShown();
    for (auto it = itemOf_.begin(); it != itemOf_.end(); ++it) {
        const TPoz& p = items_[it.value()];
        if (which(p)) it.key()->setVisible(on && (spouseOn || p.ctl == TCtl::Info || !isSpouseItem(p)));
    }
    for (auto it = frameOfItem_.begin(); it != frameOfItem_.end(); ++it)
        if (which(items_[it.key()])) it.value()->setVisible(on);
}

void TDeklFrm::refreshNotes()
{
    if (!NotatkiView) return;
    TTable* t = DM()->Podatnik;
    QString notes;
    try {
        t->ensureOpen();
        notes = t->lookup({QStringLiteral("PodatId")}, {podatId()}, QStringLiteral("Notatki")).toString();
    } catch (const DbError&) {
    }
    if (Qt::mightBeRichText(notes)) NotatkiView->setHtml(notes);
    else NotatkiView->setPlainText(notes);
}

// ---- exits ---------------------------------------------------------------------------------------

void TDeklFrm::copyEmptyStates()
{
    for (auto it = controls_.begin(); it != controls_.end(); ++it)
        if (auto* e = qobject_cast<TGSkEditCalc*>(it.value()); e && form_->IsTyped(it.key()))
            form_->SetEmpty(it.key(), e->IsEmpty());
}

void TDeklFrm::amountExit(int box)
{
    TGSkEditCalc* e = amountEdit(box);
    if (!e || !loaded_) return;
    copyEmptyStates();
    form_->SetField(box, RoundAmount(2, e->ValueReal()));
    // A malformed text stays as typed so that the box can report it and keep the focus;
    // the model already has what could be read from it.
    const bool malformed = !ParseAmountText(e->text(), e->DisplayFormat()).ok;
    refreshAmounts(malformed ? e : nullptr);
}

void TDeklFrm::controlExit(QWidget* w)
{
    const TPoz* pp = pozOf(w);
    if (!pp || !loaded_) return;
    const TPoz p = *pp;
    int side = 0, field = 0;
    const bool idBox = id_ && p.box > 0 && id_->find(p.box, &side, &field);
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        if (e->isReadOnly()) return;
        const QString t = (p.ctl == TCtl::Nip || p.ctl == TCtl::Pesel || p.ctl == TCtl::Date) ? maskedText(e) : e->text();
        if (idBox) {
            switch (field) {
            case idDataUr: id_->SetDataUr(p.box, parseDate(t)); break;
            case idNip: id_->SetNip(p.box, t); break;
            case idPesel:
                id_->SetPesel(p.box, t);
                id_->FillDataUrFromPesel(side);   // only an empty date, only from a valid PESEL
                break;
            default: id_->SetText(p.box, t); break;
            }
        } else {
            otherTextExit(p, t);
        }
    } else if (auto* c = qobject_cast<QComboBox*>(w)) {
        otherTextExit(p, c->currentText());
    } else if (auto* m = qobject_cast<QPlainTextEdit*>(w)) {
        otherTextExit(p, m->toPlainText());
    }
    refreshTexts();
}

void TDeklFrm::runExit(QWidget* control)
{
    if (auto* e = qobject_cast<TGSkEditCalc*>(control)) {
        e->runExitHandling();
        return;
    }
    controlExit(control);
}

void TDeklFrm::putAmount(int box, Amount value)
{
    TGSkEditCalc* e = amountEdit(box);
    if (!e) return;
    e->setValue(value);
    if (e->IsEmpty()) e->setIsEmpty(false);
    e->runExitHandling();
}

void TDeklFrm::putText(QWidget* control, const QString& text)
{
    if (auto* e = qobject_cast<QLineEdit*>(control)) e->setText(text);
    else if (auto* m = qobject_cast<QPlainTextEdit*>(control)) m->setPlainText(text);
    controlExit(control);
}

void TDeklFrm::itemise(int /*box*/) {}

void TDeklFrm::itemiseList(int box, int formKind, int person, int nrZal)
{
    if (TGSkEditCalc* e = amountEdit(box)) ItemiseAmount(e, TKwotyKey{podatId(), formKind, person, box, nrZal});
}

QString TDeklFrm::completionSource(const TPoz& p) const
{
    int side = 0, field = 0;
    if (p.ctl != TCtl::Text || !id_ || !id_->find(p.box, &side, &field)) return {};
    switch (field) {
    case idImie: return QStringLiteral("Imie");
    case idKraj: return QStringLiteral("Kraj");
    case idWojew: return QStringLiteral("Wojew");
    case idPowiat: return QStringLiteral("Powiat");
    case idGmina: return QStringLiteral("Gmina");
    case idUlica: return QStringLiteral("Ulica");
    case idMiasto: return QStringLiteral("Miasto");
    case idPoczta: return QStringLiteral("Poczta");
    default: return {};
    }
}

void TDeklFrm::complete(QLineEdit* e, const TPoz& p)
{
    if (!e->hasFocus()) return;
    const int pos = e->cursorPosition();
    const int tag = enterTag_.value(e, 0);
    const QString text = e->text();
    // Only while the text grows: deleting never completes.
    if (tag < pos && pos <= text.length() && !text.isEmpty()) {
        const QString found = lookup(completionSource(p), text);
        if (found.length() > text.length()) {
            e->setText(found);
            e->setSelection(pos, int(found.length()) - pos);
        }
    }
    enterTag_[e] = e->hasSelectedText() ? e->selectionStart() : e->cursorPosition();
}

QString TDeklFrm::lookup(const QString& source, const QString& prefix) const
{
    if (source == QLatin1String("Wojew")) {
        for (const QString& n : VoivodeshipNames())
            if (StartsWithTextPL(n, prefix)) return n;
        return {};
    }
    if (source == QLatin1String("Imie")) {
        TTable* t = DM()->Imiona;
        const QVariant v = t->lookup({QStringLiteral("Imie")}, {prefix}, QStringLiteral("Imie"),
                                     TTable::CaseInsensitive | TTable::PartialKey);
        return v.toString();
    }
    TQuery* q = source == QLatin1String("Kraj")     ? DM()->Kraje
                : source == QLatin1String("Powiat") ? DM()->Powiaty
                : source == QLatin1String("Gmina")  ? DM()->Gminy
                : source == QLatin1String("Ulica")  ? DM()->Ulice
                : source == QLatin1String("Miasto") ? DM()->Miasta
                : source == QLatin1String("Poczta") ? DM()->Poczty
                                                     : nullptr;
    if (!q || !q->isOpen()) return {};
    for (int r = 0; r < q->recordCount(); ++r) {
        const QString v = q->valueAt(r, 0).toString();
        if (StartsWithTextPL(v, prefix)) return v;
    }
    return {};
}

bool TDeklFrm::eventFilter(QObject* o, QEvent* e)
{
    auto* w = qobject_cast<QWidget*>(o);
    switch (e->type()) {
    case QEvent::FocusIn:
        if (auto* le = qobject_cast<QLineEdit*>(w)) enterTag_[le] = int(le->text().length());
        break;
    case QEvent::FocusOut:
        if (!windowOnly(static_cast<QFocusEvent*>(e)) && !qobject_cast<TGSkEditCalc*>(w)) controlExit(w);
        break;
    case QEvent::KeyPress: {
        auto* k = static_cast<QKeyEvent*>(e);
        if ((k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) && enterPressed(w)) return true;
        break;
    }
    case QEvent::MouseButtonPress:
        if (auto* l = qobject_cast<QLabel*>(w); l && !l->toolTip().isEmpty()) {
            ShowWarning(l->toolTip());
            return true;
        }
        break;
    default:
        break;
    }
    return QDialog::eventFilter(o, e);
}

void TDeklFrm::showWarningOnClick(QWidget* w, const QString& text)
{
    if (auto* k = qobject_cast<TKrataWidget*>(w)) connect(k, &TKrataWidget::clicked, this, [text] { ShowWarning(text); });
}

// ---- pages ---------------------------------------------------------------------------------------

void TDeklFrm::onPageChanged(int index)
{
    if (PageControl->widget(index) != TabWeryf || !loaded_) return;
    form_->Verify();
    BladPan->setText(DM()->ErrorSummary());
    BledyGrid->setColumnWidth(0, 60);
}

void TDeklFrm::errorRowActivated(int row)
{
    TBledyTbl* t = DM()->BledyTbl;
    if (row < 0 || row >= t->count()) return;
    const int box = t->at(row).NrPola;
    if (box <= 0) return;
    QWidget* w = controls_.value(box);   // computed boxes have no control: nothing to do
    if (!w || w->isHidden()) return;
    PageControl->setCurrentIndex(pageOf_.value(w));
    if (auto* scroll = qobject_cast<QScrollArea*>(PageControl->currentWidget())) scroll->ensureWidgetVisible(w);
    w->setFocus(Qt::OtherFocusReason);
}

// ---- saving ----------------------------------------------------------------------------------------

void TDeklFrm::PostBtnClick()
{
    // A shortcut does not move the focus: what is typed in the current box goes in first.
    if (QWidget* f = QApplication::focusWidget(); f && (itemOf_.contains(f) || controls_.key(f, 0) > 0)) runExit(f);
    if (id_) {
        const TOsoba& o = id_->osoba(stPodatnik);
        if (o[idNazwisko].trimmed().isEmpty()) {
            ShowWarning(QStringLiteral("Nazwisko musi być podane."));
            return;
        }
        if (o[idImie].trimmed().isEmpty()) {
            ShowWarning(QStringLiteral("Imię musi być podane."));
            return;
        }
    }
    copyEmptyStates();
    if (!saveModel()) return;
    accept();
}

void TDeklFrm::done(int r)
{
    placement_.setLeft(geometry().left());
    placement_.setTop(geometry().top());
    placement_.setWidth(width());
    placement_.setHeight(height());
    placement_.SavePlacement();
    QDialog::done(r);
}
