#pragma once
#include <QString>
#include <QUrl>

// The vendor page for a page key: the site address, "zev-free-gemmarium/ssd.php?page=" and the key.
QUrl Page_Address(const QString& key);

// Opens the vendor page for a key in the user's browser; nothing is reported if none opens.
void Open_Page(const QString& key);
