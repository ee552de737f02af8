#pragma once
#include "people/person.h"

#include <QWidget>

#include <vector>

namespace Ui { class frmPeople; }
class PeopleBook;
class PeopleTable;
class QModelIndex;

// Window "Book of People": everyone saved from the gemology windows, found by words of their
// name, place or note. A person is read at once, put into the entry window to edit, deleted
// (undone while the window stays open) or given a note; the book is imported from and
// exported to CSV files.
class frmPeople : public QWidget {
    Q_OBJECT
public:
    explicit frmPeople(QWidget* parent = nullptr);
    ~frmPeople() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private slots:
    void txtFindPerson_TextChanged(const QString& text);
    void lstPeople_SelectionChanged();
    void cmdReadPerson_Click();
    void cmdEditPerson_Click();
    void cmdDeletePerson_Click();
    void cmdUndoDelete_Click();
    void txtPersonNotes_TextChanged();
    void cmdImportPeople_Click();
    void cmdExportPeople_Click();
    void cmdCancelImport_Click();

private:
    // The person chosen in the list, copied from the book; id 0 when none is.
    Person chosenPerson() const;
    qint64 chosenId() const;
    void choose(qint64 id);
    void showCount();
    void enableButtons();
    // Adds the people of an import, showing its progress; false when it was cancelled or failed.
    bool addImported(std::vector<Person> people);

    Ui::frmPeople* ui;
    PeopleBook* book;  // null when the book could not be opened
    PeopleTable* table;
    std::vector<Person> deleted;  // the people deleted while the window is open, the last at the back
    qint64 noteShownOf = 0;  // the person whose note txtPersonNotes shows
    bool importing = false;
    bool importCancelled = false;
};
