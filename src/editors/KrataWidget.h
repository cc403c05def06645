#pragma once
// The frames of the paper form on an editor window: a widget showing a TKrata (box
// frame with caption) or a TKrata2..6 grid. Clicking the frame emits clicked() (the
// mode-frame warning, the label click of a capped box).

#include "Krata.h"

#include <QWidget>

#include <memory>

class TKrataWidget : public QWidget {
    Q_OBJECT
public:
    // columns 1: a frame with a caption; 2..6: a grid.
    explicit TKrataWidget(QWidget* parent = nullptr, int columns = 1);

    TKrataBase& base() { return *grid_; }
    // The frame (nullptr for a grid) and the grid (nullptr for a frame).
    TKrata* krata() { return dynamic_cast<TKrata*>(grid_.get()); }
    TKrataGrid* grid() { return dynamic_cast<TKrataGrid*>(grid_.get()); }

    QSize sizeHint() const override { return TKrataBase::DefaultSize(); }

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    std::unique_ptr<TKrataBase> grid_;
};

// The frame of box `box` ("b" + box), captioned "box. title", painted in the window colour
// when the box takes input and in the button face otherwise; lowered below its siblings
// so that the box's controls placed inside stay on top.
TKrataWidget* AddBoxFrame(QWidget* page, int box, const QString& title, const QRect& geometry, bool editable);
