#pragma once
#include "shell/sub_program_window.h"

#include <QTimeZone>

struct AtlasPlace;

namespace Ui { class frmMoonCalendar; }

// Window "Moon Calendar": a month of the Moon's signs and phases, each day's changes with their
// minutes and the stone of each sign the Moon is in, for the computer's zone or a chosen place's.
class frmMoonCalendar : public SubProgramWindow {
    Q_OBJECT
public:
    explicit frmMoonCalendar(QWidget* parent = nullptr);
    ~frmMoonCalendar() override;

    // Shows a month of the range; one outside it changes nothing.
    void showMonth(int year, int month);
    // Computes the month's times in this zone (named as the zone label says).
    void setZone(const QTimeZone& zone, const QString& name);

private slots:
    void cmdPrevMonth_Click();
    void cmdNextMonth_Click();
    void cmdToday_Click();
    void cboMonth_Click();
    void cmdPrintMonth_Click();
    void calMonth_Chosen();
    void txtCalendarPlace_TextEdited(const QString& text);
    void choosePlace(const AtlasPlace& place);

private:
    void Form_Load();
    void useComputerZone();
    void turnMonths(int count);
    void showChosenDay();
    QDate todayInZone() const;

    Ui::frmMoonCalendar* ui;
    QTimeZone zone;
    QString zoneName;
    int shownYear = 0;
    int shownMonth = 0;
};
