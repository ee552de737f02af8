#include "shell/screen_fit.h"

#include <QGuiApplication>
#include <QLayout>
#include <QMainWindow>
#include <QScreen>
#include <QScrollArea>

QScrollArea* Scroll_Body(QWidget* body)
{
    QWidget* holder = body->parentWidget();
    auto* area = new QScrollArea;
    area->setObjectName(body->objectName() + QStringLiteral("Scroll"));
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setSizePolicy(body->sizePolicy());
    auto* window = qobject_cast<QMainWindow*>(holder);
    if (window && window->centralWidget() == body) {
        window->takeCentralWidget();
        window->setCentralWidget(area);
    } else if (holder && holder->layout()) {
        delete holder->layout()->replaceWidget(body, area);
    }
    area->setWidget(body);
    return area;
}

void Fit_Into(QWidget* window, const QRect& area)
{
    const QSize frame = window->frameGeometry().size() - window->geometry().size();
    const QSize room = (area.size() - frame).expandedTo(QSize(1, 1));
    const QSize fitted = window->size().boundedTo(room);
    if (fitted != window->size())
        window->resize(fitted.expandedTo(window->minimumSize()));
}

QRect Screen_Area(const QWidget* window)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}
