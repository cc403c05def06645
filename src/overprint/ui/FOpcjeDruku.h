#pragma once
// Print options: the font of the overprint and the complete printout, duplex, shading.
// They are kept in memory for the run (RunSettings) and written to the ini file at exit.

#include <QDialog>

class QCheckBox;
class QComboBox;
class QRadioButton;
class QSpinBox;

class TOpcjeDrukuFrm : public QDialog {
    Q_OBJECT
public:
    explicit TOpcjeDrukuFrm(QWidget* parent = nullptr);

    // Shows the current settings.
    void Prepare();
    int Execute();
    // "&Zapisz": stores the choice in memory and closes with OK.
    void Save();

    QComboBox* fontNameBox() const { return fontName_; }
    QSpinBox* fontSizeEdit() const { return fontSize_; }
    QRadioButton* duplexButton(int mode) const { return duplex_[mode]; }
    QCheckBox* shadingBox() const { return shading_; }

private:
    QComboBox* fontName_;
    QSpinBox* fontSize_;
    QRadioButton* duplex_[4];
    QCheckBox* shading_;
};
