#pragma once
// Placement of the editor windows, kept per user under
// "Marvon/<application key>/<window name>" with the values Left, Top, Width, Height.

#include <QString>

class TWindow {
public:
    explicit TWindow(const QString& applicationKey = QStringLiteral("Zorvik 2008"));

    const QString& applicationKey() const { return appKey_; }
    void setWindowName(const QString& name) { name_ = name; }
    const QString& windowName() const { return name_; }

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void setLeft(int v) { left_ = v < 0 ? 0 : v; }
    void setTop(int v) { top_ = v < 0 ? 0 : v; }
    void setWidth(int v) { width_ = v; }
    void setHeight(int v) { height_ = v; }

    // Whether a placement is stored for the current window name; when it is, the four
    // values are read (negative edges become 0). The key is never created here.
    bool LoadPlacement();
    // Stores the four values under the current window name, creating the key.
    void SavePlacement();

private:
    QString appKey_;
    QString name_;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
};
