#include "shell/frame_fit.h"

#include <QtTest>

// Fitting and placing windows by their frames, on a screen whose available area starts below a
// 24-pixel panel, with a title bar of 20 pixels and borders of 1 (4 at the bottom).
namespace {
const QRect Area(0, 24, 1024, 576);
const QMargins Frame(1, 20, 1, 4);
}  // namespace

class TestFrameFit : public QObject {
    Q_OBJECT

private slots:
    void sizesCountTheFrame_data()
    {
        QTest::addColumn<QSize>("wanted");
        QTest::addColumn<QSize>("minimum");
        QTest::addColumn<QMargins>("frame");
        QTest::addColumn<QSize>("fitted");
        QTest::newRow("fits as it is") << QSize(800, 500) << QSize() << Frame << QSize(800, 500);
        QTest::newRow("exactly fits, frame included") << QSize(1022, 552) << QSize() << Frame << QSize(1022, 552);
        QTest::newRow("too tall by its title bar") << QSize(800, 576) << QSize() << Frame << QSize(800, 552);
        QTest::newRow("too wide and too tall") << QSize(1200, 800) << QSize() << Frame << QSize(1022, 552);
        QTest::newRow("no frame") << QSize(1200, 800) << QSize() << QMargins() << QSize(1024, 576);
        QTest::newRow("never below its minimum") << QSize(900, 800) << QSize(600, 560) << Frame << QSize(900, 560);
        QTest::newRow("a frame larger than the area") << QSize(300, 300) << QSize() << QMargins(0, 700, 0, 0) << QSize(300, 1);
    }

    void sizesCountTheFrame()
    {
        QFETCH(QSize, wanted);
        QFETCH(QSize, minimum);
        QFETCH(QMargins, frame);
        QFETCH(QSize, fitted);
        QCOMPARE(Fitted_Client_Size(wanted, minimum, frame, Area.size()), fitted);
    }

    void framesArePlacedInTheArea_data()
    {
        QTest::addColumn<QRect>("client");
        QTest::addColumn<int>("place");
        QTest::addColumn<QRect>("placed");
        const auto top = int(FramePlace::TopCentre), bottom = int(FramePlace::BottomCentre), nearest = int(FramePlace::Nearest);
        QTest::newRow("top: title bar at the top of the area") << QRect(0, 0, 800, 400) << top << QRect(112, 44, 800, 400);
        QTest::newRow("top: too tall keeps its title bar") << QRect(0, 0, 800, 900) << top << QRect(112, 44, 800, 900);
        QTest::newRow("top: too wide keeps its left edge") << QRect(0, 0, 1100, 400) << top << QRect(1, 44, 1100, 400);
        QTest::newRow("bottom: frame's bottom at the area's") << QRect(0, 0, 740, 170) << bottom << QRect(142, 426, 740, 170);
        QTest::newRow("nearest: inside stays") << QRect(100, 100, 300, 200) << nearest << QRect(100, 100, 300, 200);
        QTest::newRow("nearest: title bar above the area") << QRect(100, 30, 300, 200) << nearest << QRect(100, 44, 300, 200);
        QTest::newRow("nearest: beyond the right and bottom") << QRect(900, 500, 300, 200) << nearest << QRect(723, 396, 300, 200);
        QTest::newRow("nearest: beyond the left") << QRect(-50, 300, 300, 200) << nearest << QRect(1, 300, 300, 200);
    }

    void framesArePlacedInTheArea()
    {
        QFETCH(QRect, client);
        QFETCH(int, place);
        QFETCH(QRect, placed);
        QCOMPARE(Placed_Client(Area, client, Frame, FramePlace(place)), placed);
        if (placed.marginsAdded(Frame).height() <= Area.height() && placed.marginsAdded(Frame).width() <= Area.width())
            QVERIFY(Area.contains(placed.marginsAdded(Frame)));
    }
};

QTEST_MAIN(TestFrameFit)
#include "test_frame_fit.moc"
