#include "people/book_fault.h"

#include <QDir>

QString Book_Fault_Message(BookFault fault, const QString& path)
{
    const QString file = QDir::toNativeSeparators(path);
    switch (fault) {
    case BookFault::none:
        return {};
    case BookFault::busy:
        return QStringLiteral("The book of people (%1) is in use by another program, so nothing was changed. "
                              "Close the other program and try again.")
            .arg(file);
    case BookFault::full:
        return QStringLiteral("The disk that holds the book of people (%1) is full, so nothing was changed. "
                              "Make room on the disk and try again.")
            .arg(file);
    case BookFault::readOnly:
        return QStringLiteral("The book of people (%1) may only be read: its file or folder is write-protected. "
                              "People can be read, but no change can be saved until you may write there.")
            .arg(file);
    case BookFault::damaged:
        return QStringLiteral("The book of people (%1) is damaged or is not a book of people.").arg(file);
    case BookFault::newer:
        return QStringLiteral("The book of people (%1) was written by a newer version of Zev Gemmarium. "
                              "People can be read, but no change is saved so that the newer version's "
                              "book stays whole.")
            .arg(file);
    case BookFault::unreadable:
        break;
    }
    return QStringLiteral("The book of people (%1) could not be read or written, so nothing was changed. "
                          "Check the disk and the file's permissions and try again.")
        .arg(file);
}
