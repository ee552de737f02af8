#pragma once
#include <QMainWindow>
#include <QMargins>

namespace Ui { class frmMDI; }
class CaptionLabel;
class QScrollArea;
class QTimer;

// The launcher: banner, the three sub-program buttons, the welcome panel and the bottom strip.
// It keeps at most one sub-program open, and closing it ends the program.
class frmMDI : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMDI(QWidget* parent = nullptr);
    ~frmMDI() override;

    // The caption with that index (0 to 5).
    CaptionLabel* caption(int index) const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void cmdSelectOption_Click(int index);
    void lblCaption_Click(int index);
    void lblCaption_MouseMove(int index);
    void picMain_MouseMove();
    void cmdMdiExit_Click();
    void mnuExit_Click();
    void cmdMDIDonate_Click();
    void mnuMoonCalendar_Click();

private:
    void MDIForm_Load();
    void MDIForm_Unload();
    void followWelcomePanel();
    void tightenStrips(bool tight);
    void showMoonToday();

    Ui::frmMDI* ui;
    QScrollArea* welcomeScroll = nullptr;
    bool docked = false;
    bool fittedToScreen = false;
    QTimer* moonTimer = nullptr;  // made after the first frame, to update the Moon today
    QRect undockedGeometry;
    QList<QMargins> stripMargins;  // the strips' margins as designed
};
