#include "gemmarium.h"
#include "birthplace/atlas_reader_process.h"
#include "birthplace/place_atlas.h"
#include "gemology/frmGemologyDisplay.h"
#include "gemology/frmGemologyMain.h"
#include "shell/sub_programs.h"
#include "support/find_control.h"
#include "support/scripted_prompts.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

// The entry window when the atlas library cannot be read: the real atlas reader, told to open
// a library that is not there.
class TestFrmGemologyMainNoAtlas : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void windowSaysWhyAndTakesThePlaceByHand();

private:
    ScriptedPrompts prompts;
    QWidget welcomePanel;
    QPointer<frmGemologyMain> window;
};

void TestFrmGemologyMainNoAtlas::initTestCase()
{
    QVERIFY(PlaceAtlas::useReaderForShared([] {
        static const std::atomic<bool> never = false;
        return Read_Atlas_With(QStringLiteral(ZEV_ATLAS_READER),
                               {QStringLiteral("--library"), QStringLiteral("/nonexistent/libgeonames.so.0")}, never);
    }));
    Register_Windows();
    Welcome_Panel::attach(&welcomePanel);
}

void TestFrmGemologyMainNoAtlas::cleanup()
{
    Sub_Programs::closeAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestFrmGemologyMainNoAtlas::windowSaysWhyAndTakesThePlaceByHand()
{
    window = qobject_cast<frmGemologyMain*>(Sub_Programs::obtain(SubWindow::Entry));
    QVERIFY(window);
    window->show();
    QTRY_VERIFY(PlaceAtlas::shared().index());
    const auto field = [&](const char* name) { return Find_Control<QLineEdit>(window, QString::fromLatin1(name)); };
    auto* label = Find_Control<QLabel>(window, QStringLiteral("lblPlaceZone"));
    QCOMPARE(label->text(), QStringLiteral("The place atlas could not be read: the atlas library, libgeonames, is "
                                           "missing or damaged. Type the birth place's latitude and longitude, and "
                                           "choose its zone and the daylight-saving box by hand."));
    if (const QByteArray shots = qgetenv("ZEV_SHOTS_DIR"); !shots.isEmpty())
        window->grab().save(QString::fromLocal8Bit(shots) + QStringLiteral("/place-zone-no-atlas.png"));

    // The place list says so too, and nothing is chosen from it.
    QLineEdit* city = field("txtMCity");
    city->setFocus();
    QTest::keyClicks(city, QStringLiteral("Madrid"));
    QAbstractItemView* list = Find_Control<QCompleter>(window, QStringLiteral("lstPlaces"))->popup();
    QVERIFY(list->isVisible());
    QCOMPARE(list->model()->rowCount(), 1);
    QCOMPARE(list->model()->index(0, 0).data().toString(),
             QStringLiteral("The place atlas could not be read: type the coordinates below"));
    QTest::keyClick(list, Qt::Key_Escape);

    // The place typed by hand makes the reading.
    field("txtName")->setText(QStringLiteral("ASHA"));
    for (const auto& [name, value] : {std::pair{"txtLatD", "40"}, {"txtLatM", "25"}, {"txtLonD", "3"}, {"txtLonM", "42"}})
        field(name)->setText(QString::fromLatin1(value));
    Find_Control<QComboBox>(window, QStringLiteral("cmbTimeZone"))->setCurrentIndex(20);
    QTest::mouseClick(Find_Control<QPushButton>(window, QStringLiteral("cmdRashi")), Qt::LeftButton);
    QVERIFY(prompts.messages.isEmpty());
    QVERIFY(Sub_Programs::instance(SubWindow::Display));
}

QTEST_MAIN(TestFrmGemologyMainNoAtlas)
#include "test_frmGemologyMainNoAtlas.moc"
