#pragma once
// The attachment choice: when a person has two or more attachments of one kind, the user
// picks which to open ("Załącznik 1" .. "Załącznik N").

#include <QDialog>

class QListWidget;

class TWyborZal : public QDialog {
    Q_OBJECT
public:
    TWyborZal(int count, QWidget* parent = nullptr);

    // The chosen attachment number 1..N, or 0 when the user cancelled.
    int chosen() const { return chosen_; }
    // Shows the choice modally; 0 when cancelled (the caller opens nothing).
    static int Choose(int count, QWidget* parent = nullptr);

    QListWidget* ListaZal;

private:
    int chosen_ = 0;
};
