#include "shell/page_links.h"

#include <QDesktopServices>

QUrl Page_Address(const QString& key)
{
    return QUrl(QStringLiteral(ZEV_SITE_URL) + QStringLiteral("zev-free-gemmarium/ssd.php?page=") + key);
}

void Open_Page(const QString& key)
{
    QDesktopServices::openUrl(Page_Address(key));
}
