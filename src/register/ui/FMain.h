#pragma once
// The main window: the taxpayer register and every command of the program.

#include "FWindow.h"

#include <QMainWindow>

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    // Placement of the editor windows, shared by all of them.
    TWindow* Window() { return &window_; }

protected:
    bool event(QEvent* e) override;

private:
    void firstActivation();

    TWindow window_;
    bool activatedOnce_ = false;
};
