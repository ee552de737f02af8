#include "shell/vendor_links.h"

#include "shell/frmAbout.h"
#include "shell/page_links.h"
#include "shell/widgets/link_label.h"

#include <QAction>
#include <QWidget>

namespace {

struct VendorLink {
    const char* control;
    const char* pageKey;
};

// Which control opens which vendor page.
constexpr VendorLink Menu_Links[] = {
    {"mnuOnline", "help-web-page"},
    {"mnuVisit", "home-page"},
    {"mnuUpdate", "download-web-page"},
    {"mnuDonate", "donate"},
    {"mkmoney", "fully-branded"},
};

constexpr VendorLink Label_Links[] = {
    {"lblQuillmereBanner", "home-page"},
    {"Label61", "home-page"},
    {"Label1", "home-page"},
    {"Label14", "home-page"},
    {"lblHomePage", "home-page"},
    {"lblCobrand", "co-brand"},
    {"lblFullBrand", "fully-branded"},
    {"Label7", "fully-branded"},
    {"Label15", "fully-branded"},
    {"lblCoBrand", "fully-branded"},
};

// The first or last control in the window's Tab order that takes the focus and is not a link.
QWidget* endOfTabOrder(QWidget* window, const QList<QWidget*>& links, bool last)
{
    QWidget* control = last ? window->previousInFocusChain() : window->nextInFocusChain();
    while (control != window && (links.contains(control) || control->focusPolicy() == Qt::NoFocus))
        control = last ? control->previousInFocusChain() : control->nextInFocusChain();
    return control == window ? nullptr : control;
}

// Puts the links last in the window's Tab order, in the order they had, after every control made
// so far that takes the focus. Polished first: a link takes the focus from its polish on, and the
// Tab order orders only controls that take it. The order is a ring, so a link at its start
// already counts as after its end: each goes behind the first control, then to the end. Where
// the first control is also the last, the links stay at the ring's start, and that control takes
// the focus when the window first shows.
void putLastInTabOrder(QWidget* window, const QList<QWidget*>& links)
{
    for (QWidget* link : links)
        link->ensurePolished();
    QWidget* first = endOfTabOrder(window, links, false);
    QWidget* after = endOfTabOrder(window, links, true);
    if (!first)
        return;
    for (QWidget* link : links) {
        QWidget::setTabOrder(first, link);
        QWidget::setTabOrder(after, link);
        after = link;
    }
    if (first == endOfTabOrder(window, links, true) && !links.isEmpty() && !window->focusWidget())
        first->setFocus(Qt::OtherFocusReason);
}

}  // namespace

void Connect_Vendor_Links(QWidget* window)
{
    for (const VendorLink& link : Menu_Links) {
        const QString key = QString::fromLatin1(link.pageKey);
        for (QAction* action : window->findChildren<QAction*>(QString::fromLatin1(link.control)))
            QObject::connect(action, &QAction::triggered, window, [key] { Open_Page(key); });
    }
    for (QAction* action : window->findChildren<QAction*>(QStringLiteral("mnuAbout")))
        QObject::connect(action, &QAction::triggered, window, [window] { Show_About_Box(window); });

    QList<QWidget*> labels;
    for (const VendorLink& link : Label_Links) {
        const QString key = QString::fromLatin1(link.pageKey);
        for (LinkLabel* label : window->findChildren<LinkLabel*>(QString::fromLatin1(link.control))) {
            labels.append(label);
            QObject::connect(label, &LinkLabel::clicked, window, [key] { Open_Page(key); });
            label->setAccessibleDescription(QStringLiteral("Opens %1 in the web browser")
                                                .arg(Page_Address(key).toDisplayString()));
        }
    }
    QList<QWidget*> links;  // in the window's Tab order
    for (QWidget* control = window->nextInFocusChain(); control != window; control = control->nextInFocusChain())
        if (labels.contains(control))
            links.append(control);
    putLastInTabOrder(window, links);
}
