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

// The first or last control in the window's Tab order that takes the focus, other than the link.
QWidget* endOfTabOrder(QWidget* window, const QWidget* link, bool last)
{
    QWidget* control = last ? window->previousInFocusChain() : window->nextInFocusChain();
    while (control != window && (control == link || control->focusPolicy() == Qt::NoFocus))
        control = last ? control->previousInFocusChain() : control->nextInFocusChain();
    return control == window ? nullptr : control;
}

// Puts the link last in the window's Tab order, after every control made so far that takes the
// focus. Polished first: a link takes the focus from its polish on, and the Tab order orders only
// controls that take it. The order is a ring, so a link at its start already counts as after its
// end: it goes behind the first control, then to the end.
void putLastInTabOrder(QWidget* window, QWidget* link)
{
    link->ensurePolished();
    if (QWidget* first = endOfTabOrder(window, link, false))
        QWidget::setTabOrder(first, link);
    if (QWidget* last = endOfTabOrder(window, link, true))
        QWidget::setTabOrder(last, link);
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

    for (const VendorLink& link : Label_Links) {
        const QString key = QString::fromLatin1(link.pageKey);
        for (LinkLabel* label : window->findChildren<LinkLabel*>(QString::fromLatin1(link.control))) {
            QObject::connect(label, &LinkLabel::clicked, window, [key] { Open_Page(key); });
            label->setAccessibleDescription(QStringLiteral("Opens %1 in the web browser")
                                                .arg(Page_Address(key).toDisplayString()));
            putLastInTabOrder(window, label);
        }
    }
}
