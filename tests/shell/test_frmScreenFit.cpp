#include "shell/widgets/screen_fit.h"

#include <QGridLayout>
#include <QVBoxLayout>
#include <QtTest>

// Windows fitted into an area smaller than they were designed for, and back into a larger one
// (offscreen: no frames).
class TestScreenFit : public QObject {
    Q_OBJECT

private:
    // A window of 600x500 holding a column (margins 10 and 12, spacing 8) with a grid (vertical
    // spacing 6, horizontal 20) and a row (spacing 30, which is not vertical).
    struct Designed {
        QWidget window;
        QVBoxLayout* column = new QVBoxLayout(&window);
        QGridLayout* grid = new QGridLayout;
        QHBoxLayout* row = new QHBoxLayout;
        Designed()
        {
            column->setContentsMargins(4, 10, 4, 12);
            column->setSpacing(8);
            grid->setVerticalSpacing(6);
            grid->setHorizontalSpacing(20);
            row->setSpacing(30);
            column->addLayout(grid);
            column->addLayout(row);
            window.resize(600, 500);
        }
        QList<int> spacings() const
        {
            return {column->contentsMargins().top(), column->contentsMargins().bottom(), column->spacing(),
                    grid->verticalSpacing(), grid->horizontalSpacing(), row->spacing(), column->contentsMargins().left()};
        }
    };

private slots:
    void aShortWindowSqueezesItsLayoutsUntilItHasRoomAgain()
    {
        Designed designed;
        const QList<int> asDesigned = designed.spacings();
        Fit_Into(&designed.window, QRect(0, 0, 1024, 400));
        QCOMPARE(designed.window.size(), QSize(600, 400));
        QCOMPARE(designed.spacings(), (QList<int>{5, 6, 4, 3, 20, 30, 4}));
        Fit_Into(&designed.window, QRect(0, 0, 1024, 400));  // again: halved once only
        QCOMPARE(designed.spacings(), (QList<int>{5, 6, 4, 3, 20, 30, 4}));
        Fit_Into(&designed.window, QRect(0, 0, 1366, 768));
        QCOMPARE(designed.window.size(), QSize(600, 500));
        QCOMPARE(designed.spacings(), asDesigned);
        Fit_Into(&designed.window, QRect(0, 0, 500, 768));  // narrower only: nothing squeezed
        QCOMPARE(designed.window.size(), QSize(500, 500));
        QCOMPARE(designed.spacings(), asDesigned);
    }

    // The offscreen platform frames its windows with two pixels all round.
    void placedWindowsStayInTheArea_data()
    {
        QTest::addColumn<int>("place");
        QTest::addColumn<int>("top");  // the frame's; -1: the area's bottom less the frame
        QTest::newRow("top centre") << int(FramePlace::TopCentre) << 30;
        QTest::newRow("bottom centre") << int(FramePlace::BottomCentre) << -1;
        QTest::newRow("nearest, from beyond the right") << int(FramePlace::Nearest) << 100;
    }

    void placedWindowsStayInTheArea()
    {
        QFETCH(int, place);
        QFETCH(int, top);
        const QRect area(0, 30, 1024, 568);
        QWidget window;
        window.resize(400, 300);
        window.move(900, 100);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        Place_Frame(&window, area, FramePlace(place));
        const QRect frame = window.frameGeometry();
        QVERIFY(frame.size() != window.size());
        const int left = place == int(FramePlace::Nearest) ? area.right() + 1 - frame.width() : area.x() + (area.width() - frame.width()) / 2;
        QCOMPARE(frame.topLeft(), QPoint(left, top < 0 ? area.bottom() + 1 - frame.height() : top));
        QVERIFY(area.contains(frame));
    }
};

QTEST_MAIN(TestScreenFit)
#include "test_frmScreenFit.moc"
