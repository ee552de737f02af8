// What any launcher showing the launcher's words must pay: the same menus, buttons, captions and
// links in the same fonts, in the plainest window Qt has (no pictures, no theme, no
// gradients). Start-up cannot come nearer the floor than this.
#include "first_frame.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

struct Look {
    int points = 0; // 0: the desktop's size
    bool bold = false;
    bool underline = false;
};

QFont fontOf(QFont font, Look look)
{
    if (look.points > 0)
        font.setPointSize(look.points);
    font.setBold(look.bold);
    font.setUnderline(look.underline);
    return font;
}

QLabel* caption(const char* text, Look look, bool wrap = false)
{
    auto* label = new QLabel(QString::fromUtf8(text));
    label->setFont(fontOf(label->font(), look));
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(wrap);
    return label;
}

QPushButton* button(const char* text)
{
    auto* pushButton = new QPushButton(QString::fromUtf8(text));
    pushButton->setFont(fontOf(pushButton->font(), {.bold = true}));
    return pushButton;
}

QHBoxLayout* row(std::initializer_list<QWidget*> widgets, bool centred)
{
    auto* layout = new QHBoxLayout;
    layout->addStretch();
    for (QWidget* widget : widgets)
        layout->addWidget(widget);
    if (centred)
        layout->addStretch();
    return layout;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QuitAfterFirstFrame firstFrame;
    app.installEventFilter(&firstFrame);
    QMainWindow window;
    for (const char* menu : {"&File", "&Help", "&Donate", "Make Money &Online"})
        window.menuBar()->addMenu(QString::fromUtf8(menu));
    auto* central = new QWidget;
    auto* strips = new QVBoxLayout(central);
    strips->addWidget(caption("Join the Quillmere discussion forum: share your crystal experiences and ask our "
                              "gem experts", {.points = 11, .underline = true}));
    strips->addLayout(row({button("Crystal Healing"), button("Crystal Divination"), button("Zev Gemology")}, true));
    strips->addWidget(caption("Welcome to Zev Gemmarium", {.points = 22, .bold = true}));
    strips->addWidget(caption(
        "Quillmere welcomes you all to take a journey into the wonderland of the crystals and gemstones. Discover the "
        "lucky stones of your birth month, your sun sign and your moon sign, learn which crystals are said to soothe "
        "the body and calm the mind, and let a crystal speak to you about the problem on hand. Energize and heal "
        "yourself, get rid of bad habits and change your entire lifestyle.", {.points = 11}, true));
    strips->addWidget(caption("Zev Gemmarium includes the following programs", {.points = 14}));
    for (const char* program : {"Crystal Healing", "Crystal Divination", "Zev Gemology"})
        strips->addWidget(caption(program, {.points = 15, .bold = true}));
    strips->addStretch();
    strips->addLayout(row({button("Do&nate")}, false));
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(caption("Make money online: offer Zev Gemmarium under your own name on your web site",
                              {.underline = true}));
    bottom->addWidget(button("&Exit"));
    strips->addLayout(bottom);
    window.setCentralWidget(central);
    window.resize(960, 720);
    window.show();
    return QApplication::exec();
}
