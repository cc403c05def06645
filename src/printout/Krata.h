#pragma once
// Grids that draw the frames of the paper form on the editor windows: a frame with
// rows and a caption ("39. Przychód", box number and title), and grids of 2 to 6
// columns for the tables of the form. Sizes are in the pixels of the surface painted on.
// The widgets that show them on a window are in the editors (KrataWidget).

#include <QBrush>
#include <QFont>
#include <QPen>
#include <QRect>
#include <QString>
#include <QVector>

#include <functional>

class QPainter;

class TKrataBase {
public:
    virtual ~TKrataBase() = default;

    int Rows() const { return rows_; }
    void setRows(int n);   // only above 0
    QBrush Brush() const { return brush_; }
    void setBrush(const QBrush& b);
    QPen Pen() const { return pen_; }
    void setPen(const QPen& p);
    QFont Font() const { return font_; }
    void setFont(const QFont& f);

    // Default size of a new grid.
    static QSize DefaultSize() { return {66, 46}; }

    // The frame rectangle, inset by half the pen width.
    QRect frameRect(const QRect& bounds) const;
    // y of the row dividers inside `bounds` (Rows - 1 of them, equal row heights).
    QVector<int> rowLines(const QRect& bounds) const;
    virtual void paint(QPainter& p, const QRect& bounds) const = 0;

    // Called after any property changed (the widget repaints).
    std::function<void()> onChanged;

protected:
    TKrataBase();
    void changed() const
    {
        if (onChanged) onChanged();
    }

private:
    int rows_ = 1;
    QBrush brush_;
    QPen pen_;
    QFont font_;
};

// A frame with rows and a caption at (MargLeft, MargTop) from its inner corner.
class TKrata : public TKrataBase {
public:
    TKrata() = default;
    QString Caption() const { return caption_; }
    void setCaption(const QString& s);
    int MargLeft() const { return margLeft_; }
    void setMargLeft(int v);   // only above 0
    int MargTop() const { return margTop_; }
    void setMargTop(int v);    // only above 0
    // Top-left corner of the caption text.
    QPoint captionPos(const QRect& bounds) const;
    void paint(QPainter& p, const QRect& bounds) const override;

private:
    QString caption_;
    int margLeft_ = 6;
    int margTop_ = 1;
};

// A grid of `Rows` rows and 2..6 columns; the columns end at WidthA, WidthA + WidthB, ...
// and the last takes the rest, or with Equal all columns are equally wide.
class TKrataGrid : public TKrataBase {
public:
    explicit TKrataGrid(int columns);
    int Columns() const { return int(widths_.size()) + 1; }
    // Width of column i (0 = A); the last column has none of its own.
    int ColumnWidth(int i) const { return widths_.value(i); }
    void setColumnWidth(int i, int w);   // negative widths are ignored
    bool Equal() const { return equal_; }
    // Setting true makes every width the grid width divided by the column count.
    void setEqual(bool on, int gridWidth = DefaultSize().width());
    // x of the column dividers inside `bounds`.
    QVector<int> columnLines(const QRect& bounds) const;
    void paint(QPainter& p, const QRect& bounds) const override;

private:
    QVector<int> widths_;
    bool equal_ = false;
};

// The grids of 2 to 6 columns, by name.
class TKrata2 : public TKrataGrid { public: TKrata2() : TKrataGrid(2) {} };
class TKrata3 : public TKrataGrid { public: TKrata3() : TKrataGrid(3) {} };
class TKrata4 : public TKrataGrid { public: TKrata4() : TKrataGrid(4) {} };
class TKrata5 : public TKrataGrid { public: TKrata5() : TKrataGrid(5) {} };
class TKrata6 : public TKrataGrid { public: TKrata6() : TKrataGrid(6) {} };
