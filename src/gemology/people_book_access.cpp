#include "gemology/people_book_access.h"

#include "shell/clock.h"
#include "shell/prompts.h"

#include <QDir>

namespace {

void Tell(QWidget* parent, BookFault fault, const QString& path)
{
    Prompts::current().showMessage(parent, Book_Fault_Message(fault, path), Prompts::Icon::Error);
}

// A damaged book: kept aside, then a new one if the user wants it.
PeopleBook* Start_Afresh(QWidget* parent, PeopleBook& book)
{
    const QString aside = book.keepAside(Clock::now());
    const QString damaged = Book_Fault_Message(BookFault::damaged, book.path());
    if (aside.isEmpty()) {
        Prompts::current().showMessage(
            parent, damaged + QStringLiteral(" It could not be moved aside, so it was left as it is and no person can be "
                                             "saved. Move or rename it, then try again."),
            Prompts::Icon::Error);
        return nullptr;
    }
    const QString question = damaged
                             + QStringLiteral(" It was kept, unchanged, as %1.\n\nStart a new, empty book of people?")
                                   .arg(QDir::toNativeSeparators(aside));
    if (!Prompts::current().askYesNo(parent, question)) {
        book.putBack(aside);
        return nullptr;
    }
    const BookFault fault = book.open();
    if (fault != BookFault::none) {
        Tell(parent, fault, book.path());
        return book.isOpen() ? &book : nullptr;
    }
    return &book;
}

}  // namespace

PeopleBook* Open_People_Book(QWidget* parent)
{
    PeopleBook& book = PeopleBook::shared();
    if (book.isOpen())
        return &book;
    const BookFault fault = book.open();
    if (fault == BookFault::none)
        return &book;
    if (fault == BookFault::damaged)
        return Start_Afresh(parent, book);
    Tell(parent, fault, book.path());
    return book.isOpen() ? &book : nullptr;
}

bool Book_Change_Done(QWidget* parent, BookFault fault)
{
    if (fault == BookFault::none)
        return true;
    Tell(parent, fault, PeopleBook::shared().path());
    return false;
}

bool Save_Person(QWidget* parent, Person& person)
{
    PeopleBook* book = Open_People_Book(parent);
    if (!book)
        return false;
    return Book_Change_Done(parent, book->save(person, Clock::now()));
}
