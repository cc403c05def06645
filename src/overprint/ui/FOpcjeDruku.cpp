#include "FOpcjeDruku.h"

#include "Config.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

TOpcjeDrukuFrm::TOpcjeDrukuFrm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("OpcjeDrukuFrm"));
    setWindowTitle(QStringLiteral("Opcje nadruku/wydruku"));

    auto* fontGroup = new QGroupBox(QStringLiteral("Czcionka nadruku/wydruku"), this);
    fontName_ = new QComboBox(fontGroup);
    fontName_->setObjectName(QStringLiteral("Nazwa"));
    fontName_->setMinimumWidth(220);
    fontSize_ = new QSpinBox(fontGroup);
    fontSize_->setObjectName(QStringLiteral("Rozmiar"));
    fontSize_->setRange(6, 15);
    auto* nameLabel = new QLabel(QStringLiteral("&Nazwa"), fontGroup);
    nameLabel->setBuddy(fontName_);
    auto* sizeLabel = new QLabel(QStringLiteral("&Rozmiar"), fontGroup);
    sizeLabel->setBuddy(fontSize_);
    auto* fg = new QGridLayout(fontGroup);
    fg->addWidget(nameLabel, 0, 0);
    fg->addWidget(fontName_, 1, 0);
    fg->addWidget(sizeLabel, 0, 1);
    fg->addWidget(fontSize_, 1, 1);

    auto* duplexGroup = new QGroupBox(QStringLiteral("Wydruk dwustronny"), this);
    auto* dl = new QVBoxLayout(duplexGroup);
    auto* buttons = new QButtonGroup(this);
    const char* texts[4] = {"Nie drukuj dwustronnie", "Simplex", "Duplex_Vertical", "Duplex_Horizontal"};
    for (int i = 0; i < 4; ++i) {
        duplex_[i] = new QRadioButton(QString::fromUtf8(texts[i]), duplexGroup);
        duplex_[i]->setObjectName(QStringLiteral("Duplex%1").arg(i));
        buttons->addButton(duplex_[i], i);
        dl->addWidget(duplex_[i]);
    }

    shading_ = new QCheckBox(QStringLiteral("Drukuj cieniowania"), this);
    shading_->setObjectName(QStringLiteral("Cien"));

    auto* box = new QDialogButtonBox(this);
    auto* save = box->addButton(QStringLiteral("&Zapisz"), QDialogButtonBox::AcceptRole);
    auto* cancel = box->addButton(QStringLiteral("&Anuluj"), QDialogButtonBox::RejectRole);
    save->setObjectName(QStringLiteral("Zapisz"));
    cancel->setObjectName(QStringLiteral("Anuluj"));
    save->setDefault(true);
    connect(save, &QPushButton::clicked, this, &TOpcjeDrukuFrm::Save);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fontGroup);
    layout->addWidget(duplexGroup);
    layout->addWidget(shading_);
    layout->addWidget(box);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TOpcjeDrukuFrm::Prepare()
{
    const TRunSettings& s = RunSettings();
    fontName_->clear();
    QStringList families = QFontDatabase::families();
    families.sort(Qt::CaseInsensitive);
    // A configured font that is not installed (e.g. the default "Arial", which the
    // system substitutes) stays selectable, so that opening and saving keeps it.
    if (!families.contains(s.fontName)) families.prepend(s.fontName);
    fontName_->addItems(families);
    fontName_->setCurrentText(s.fontName);
    fontSize_->setValue(s.fontSize);
    duplex_[s.duplex >= 0 && s.duplex <= 3 ? s.duplex : 0]->setChecked(true);
    shading_->setChecked(s.shading);
}

int TOpcjeDrukuFrm::Execute()
{
    Prepare();
    return exec();
}

void TOpcjeDrukuFrm::Save()
{
    TRunSettings& s = RunSettings();
    s.fontSize = fontSize_->value();
    s.fontName = fontName_->currentText();
    for (int i = 0; i < 4; ++i)
        if (duplex_[i]->isChecked()) s.duplex = i;
    s.shading = shading_->isChecked();
    accept();
}
