#include "QtMessageSink.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

bool QtMessageSink::show(MessageKind kind, const QString& caption, const QString& text)
{
    // Messages keep the carriage returns of the original texts; show them as line breaks.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(caption);
    box.setText(shown);
    switch (kind) {
    case MessageKind::Warning: box.setIcon(QMessageBox::Warning); break;
    case MessageKind::Error: box.setIcon(QMessageBox::Critical); break;
    case MessageKind::Info: box.setIcon(QMessageBox::Information); break;
    case MessageKind::Confirm: box.setIcon(QMessageBox::Question); break;
    case MessageKind::ConfirmDanger: box.setIcon(QMessageBox::Critical); break;
    }
    if (kind == MessageKind::Confirm || kind == MessageKind::ConfirmDanger) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.button(QMessageBox::Yes)->setText(QStringLiteral("&Tak"));
        box.button(QMessageBox::No)->setText(QStringLiteral("&Nie"));
        return box.exec() == QMessageBox::Yes;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return false;
}
