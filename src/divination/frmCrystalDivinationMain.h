#pragma once
#include "shell/sub_program_window.h"

#include <QString>

namespace Ui { class frmCrystalDivinationMain; }

// Window "Zev Crystal Divination". The user thinks of a problem and clicks the crystal picture,
// which draws one of the 31 crystals and shows its name, picture and reading; Refresh makes the
// window ready for another draw. The controls are the only store: the picture box is enabled
// while the window is ready and disabled once a crystal is drawn.
class frmCrystalDivinationMain : public SubProgramWindow {
    Q_OBJECT
public:
    explicit frmCrystalDivinationMain(QWidget* parent = nullptr);
    ~frmCrystalDivinationMain() override;

private slots:
    void picCrystal_Click();
    void cmdRefresh_Click();
    void mnuExit_Click();

private:
    void Form_Load();
    void DrawCrystal();
    void showResultToScreenReaders(const QString& name, const QString& reading);
    void showReadyView();
    void keepRoomForLongestReading();

    Ui::frmCrystalDivinationMain* ui;
};
