#include "people/frmPeople.h"

#include "gemology/frmGemologyDisplay.h"
#include "gemology/frmGemologyMain.h"
#include "gemology/people_book_access.h"
#include "gemology/reading_sequence.h"
#include "people/people_csv.h"
#include "people/people_import.h"
#include "people/people_table.h"
#include "shell/clock.h"
#include "shell/prompts.h"
#include "shell/sub_programs.h"
#include "ui_frmPeople.h"

#include <QCloseEvent>
#include <QFile>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLocale>
#include <QSaveFile>
#include <QShortcut>

namespace {

const QString Csv_Filter = QStringLiteral("CSV files (*.csv)");

// Imports of more people than this show their progress and can be cancelled.
constexpr std::size_t Progress_Shown_From = 1000;

QString People_Count(qsizetype count)
{
    return QStringLiteral("%1 %2").arg(QLocale(QLocale::English).toString(count), count == 1 ? QStringLiteral("person")
                                                                                 : QStringLiteral("people"));
}

}  // namespace

frmPeople::frmPeople(QWidget* parent)
    : QWidget(parent), ui(new Ui::frmPeople), book(nullptr), table(new PeopleTable(this))
{
    ui->setupUi(this);
    setWindowFlag(Qt::Window);
    ui->lstPeople->setModel(table);
    // Rows of one height, no row headers: the list costs the same whatever the book holds.
    QHeaderView* rows = ui->lstPeople->verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(ui->lstPeople->fontMetrics().height() + 8);
    QHeaderView* columns = ui->lstPeople->horizontalHeader();
    columns->setSortIndicatorShown(false);
    columns->setSectionResizeMode(PeopleTable::NameColumn, QHeaderView::Stretch);
    columns->resizeSection(PeopleTable::BornColumn, 190);
    columns->resizeSection(PeopleTable::CityColumn, 190);
    columns->setHighlightSections(false);
    ui->lstPeople->installEventFilter(this);
    ui->fraImport->hide();

    connect(ui->txtFindPerson, &QLineEdit::textChanged, this, &frmPeople::txtFindPerson_TextChanged);
    connect(ui->txtFindPerson, &QLineEdit::returnPressed, this, &frmPeople::cmdReadPerson_Click);
    connect(ui->lstPeople->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &frmPeople::lstPeople_SelectionChanged);
    connect(ui->lstPeople, &QAbstractItemView::doubleClicked, this, &frmPeople::cmdReadPerson_Click);
    connect(ui->cmdReadPerson, &QPushButton::clicked, this, &frmPeople::cmdReadPerson_Click);
    connect(ui->cmdEditPerson, &QPushButton::clicked, this, &frmPeople::cmdEditPerson_Click);
    connect(ui->cmdDeletePerson, &QPushButton::clicked, this, &frmPeople::cmdDeletePerson_Click);
    connect(ui->cmdUndoDelete, &QPushButton::clicked, this, &frmPeople::cmdUndoDelete_Click);
    connect(ui->txtPersonNotes, &QPlainTextEdit::textChanged, this, &frmPeople::txtPersonNotes_TextChanged);
    connect(ui->cmdImportPeople, &QPushButton::clicked, this, &frmPeople::cmdImportPeople_Click);
    connect(ui->cmdExportPeople, &QPushButton::clicked, this, &frmPeople::cmdExportPeople_Click);
    connect(ui->cmdCancelImport, &QPushButton::clicked, this, &frmPeople::cmdCancelImport_Click);
    connect(ui->cmdClose, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence::Undo, this), &QShortcut::activated, this, &frmPeople::cmdUndoDelete_Click);

    book = Open_People_Book(this);
    if (book)
        table->setPeople(book->people());
    if (table->rowCount() > 0)
        choose(table->idAt(0));
    showCount();
    enableButtons();
}

frmPeople::~frmPeople()
{
    delete ui;
}

bool frmPeople::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->lstPeople && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            cmdReadPerson_Click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmPeople::closeEvent(QCloseEvent* event)
{
    if (importing) {  // the import asks to be cancelled first
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

qint64 frmPeople::chosenId() const
{
    const QModelIndex current = ui->lstPeople->selectionModel()->currentIndex();
    if (!current.isValid() || !ui->lstPeople->selectionModel()->isRowSelected(current.row(), {}))
        return 0;
    return table->idAt(current.row());
}

Person frmPeople::chosenPerson() const
{
    const Person* person = book ? book->person(chosenId()) : nullptr;
    return person ? *person : Person{};
}

void frmPeople::choose(qint64 id)
{
    const int row = table->rowOf(id);
    if (row < 0) {
        ui->lstPeople->selectionModel()->clear();
        lstPeople_SelectionChanged();
        return;
    }
    ui->lstPeople->selectionModel()->setCurrentIndex(
        table->index(row, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    ui->lstPeople->scrollTo(table->index(row, 0));
}

void frmPeople::showCount()
{
    const qsizetype all = book ? static_cast<qsizetype>(book->people().size()) : 0;
    const int shown = table->rowCount();
    ui->lblPeopleCount->setText(shown == all ? People_Count(all)
                                             : QStringLiteral("%1 of %2").arg(QLocale(QLocale::English).toString(shown),
                                                                              People_Count(all)));
}

void frmPeople::enableButtons()
{
    const bool chosen = chosenId() != 0;
    const bool writable = book && book->writeFault() == BookFault::none;
    ui->cmdReadPerson->setEnabled(chosen);
    ui->cmdEditPerson->setEnabled(chosen);
    ui->cmdDeletePerson->setEnabled(chosen && writable);
    ui->cmdUndoDelete->setEnabled(!deleted.empty() && writable);
    ui->txtPersonNotes->setReadOnly(!chosen || !writable);
    ui->cmdImportPeople->setEnabled(writable);
    ui->cmdExportPeople->setEnabled(book != nullptr);
}

void frmPeople::txtFindPerson_TextChanged(const QString& text)
{
    const qint64 chosen = chosenId();
    table->setFindText(text);
    choose(table->rowOf(chosen) >= 0 ? chosen : table->idAt(0));
    showCount();
}

void frmPeople::lstPeople_SelectionChanged()
{
    const Person person = chosenPerson();
    if (person.id != noteShownOf || person.id == 0) {  // the same person chosen again keeps the note as it is
        const QSignalBlocker quiet(ui->txtPersonNotes);
        ui->txtPersonNotes->setPlainText(person.note);
        noteShownOf = person.id;
    }
    enableButtons();
}

void frmPeople::cmdReadPerson_Click()
{
    const Person person = chosenPerson();
    if (person.id == 0)
        return;
    const GemologyReading reading = Make_Gemology_Reading(Reading_Birth_Data(person));
    if (QWidget* entry = Sub_Programs::instance(SubWindow::Entry))
        entry->close();
    if (auto* display = qobject_cast<frmGemologyDisplay*>(Sub_Programs::obtain(SubWindow::Display))) {
        display->showReading(reading, person);
        display->show();
        Sub_Programs::placeAtTopCentre(display);
        display->raise();
        display->activateWindow();
    }
    Welcome_Panel::setVisible(false);
}

void frmPeople::cmdEditPerson_Click()
{
    const Person person = chosenPerson();
    if (person.id == 0)
        return;
    if (QWidget* display = Sub_Programs::instance(SubWindow::Display))
        display->hide();
    if (auto* entry = qobject_cast<frmGemologyMain*>(Sub_Programs::obtain(SubWindow::Entry))) {
        entry->showPerson(person);
        entry->show();
        Sub_Programs::placeAtTopCentre(entry);
        entry->raise();
        entry->activateWindow();
    }
    Welcome_Panel::setVisible(false);
}

void frmPeople::cmdDeletePerson_Click()
{
    const Person person = chosenPerson();
    if (person.id == 0 || !book)
        return;
    const QString question = QStringLiteral("Delete %1 from the book of people?\n\nUndo Delete (Ctrl+Z) puts the "
                                            "person back while this window is open.")
                                 .arg(person.birth.name);
    if (!Prompts::current().askYesNo(this, question))
        return;
    const int row = table->rowOf(person.id);
    if (!Book_Change_Done(this, book->remove(person.id)))
        return;
    deleted.push_back(person);
    table->removePerson(person.id);
    choose(table->idAt(std::min(row, table->rowCount() - 1)));
    showCount();
    enableButtons();
}

void frmPeople::cmdUndoDelete_Click()
{
    if (deleted.empty() || !book || book->writeFault() != BookFault::none)
        return;
    const Person person = deleted.back();
    if (!Book_Change_Done(this, book->restore(person)))
        return;
    deleted.pop_back();
    table->setPeople(book->people());
    choose(person.id);
    showCount();
    enableButtons();
}

void frmPeople::txtPersonNotes_TextChanged()
{
    const qint64 id = chosenId();
    if (id == 0 || !book)
        return;
    const QString note = ui->txtPersonNotes->toPlainText();
    if (!Book_Change_Done(this, book->setNote(id, note, Clock::now()))) {
        const QSignalBlocker quiet(ui->txtPersonNotes);
        ui->txtPersonNotes->setPlainText(book->person(id) ? book->person(id)->note : QString());
        return;
    }
    table->updatePerson(*book->person(id));
    if (chosenId() != id)
        choose(id);
}

void frmPeople::cmdImportPeople_Click()
{
    if (!book)
        return;
    const QString path = Prompts::current().askOpenPath(this, Csv_Filter);
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Prompts::current().showMessage(
            this, QStringLiteral("The file %1 could not be read: %2. No one was imported.").arg(path, file.errorString()),
            Prompts::Icon::Error);
        return;
    }
    if (file.size() > Import_Max_Bytes) {
        Prompts::current().showMessage(this, Import_Too_Large_Message(), Prompts::Icon::Error);
        return;
    }
    ImportPlan plan = Plan_Import(file.readAll(), [this](const BirthData& birth) { return book->samePerson(birth); });
    if (!plan.problem.isEmpty()) {
        Prompts::current().showMessage(this, plan.problem, Prompts::Icon::Error);
        return;
    }
    if (plan.toAdd.empty()) {
        Prompts::current().showMessage(this, Import_Summary(plan), Prompts::Icon::Information);
        return;
    }
    if (!Prompts::current().askYesNo(this, Import_Summary(plan)))
        return;
    const qint64 chosen = chosenId();
    if (!addImported(std::move(plan.toAdd)))
        return;
    table->setPeople(book->people());
    choose(chosen != 0 ? chosen : table->idAt(0));
    showCount();
}

bool frmPeople::addImported(std::vector<Person> people)
{
    const bool showProgress = people.size() >= Progress_Shown_From;
    importing = true;
    importCancelled = false;
    if (showProgress) {
        ui->prgImport->setRange(0, static_cast<int>(people.size()));
        ui->prgImport->setValue(0);
        ui->fraImport->show();
        for (QWidget* control : std::initializer_list<QWidget*>{ui->txtFindPerson, ui->lstPeople, ui->txtPersonNotes,
                                                                ui->cmdReadPerson, ui->cmdEditPerson,
                                                                ui->cmdDeletePerson, ui->cmdUndoDelete,
                                                                ui->cmdImportPeople, ui->cmdExportPeople, ui->cmdClose})
            control->setEnabled(false);
    }
    const BookFault fault = book->addAll(std::move(people), Clock::now(), [&](qsizetype done, qsizetype) {
        if (showProgress) {
            ui->prgImport->setValue(static_cast<int>(done));
            QCoreApplication::processEvents();  // draws the bar and takes a click on Cancel
        }
        return !importCancelled;
    });
    importing = false;
    ui->fraImport->hide();
    for (QWidget* control : {static_cast<QWidget*>(ui->txtFindPerson), static_cast<QWidget*>(ui->lstPeople),
                             static_cast<QWidget*>(ui->cmdClose)})
        control->setEnabled(true);
    enableButtons();
    if (importCancelled) {
        Prompts::current().showMessage(this, QStringLiteral("The import was cancelled; no one was added."),
                                       Prompts::Icon::Information);
        return false;
    }
    return Book_Change_Done(this, fault);
}

void frmPeople::cmdCancelImport_Click()
{
    importCancelled = true;
}

void frmPeople::cmdExportPeople_Click()
{
    if (!book)
        return;
    const QString path = Prompts::current().askSavePath(this, {Csv_Filter, QStringLiteral("csv")});
    if (path.isEmpty())
        return;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(People_Csv(book->people())) < 0 || !file.commit()) {
        Prompts::current().showMessage(this,
                                       QStringLiteral("The people could not be written to %1: %2. "
                                                      "Nothing was written; choose another folder or make room on the disk.")
                                           .arg(path, file.errorString()),
                                       Prompts::Icon::Error);
    }
}
