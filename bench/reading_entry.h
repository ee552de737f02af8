#pragma once
// The birth data every benchmark that makes a reading types into the entry window.
#include <QComboBox>
#include <QLineEdit>
#include <QWidget>

inline void Fill_Reading_Entry(QWidget* entry)
{
    const auto type = [entry](const char* field, const char* text) {
        entry->findChild<QLineEdit*>(QString::fromLatin1(field))->setText(QString::fromLatin1(text));
    };
    const auto choose = [entry](const char* list, int position) {
        entry->findChild<QComboBox*>(QString::fromLatin1(list))->setCurrentIndex(position);
    };
    type("txtName", "ANNA");
    type("txtLonD", "77");
    type("txtLonM", "13");
    type("txtLatD", "28");
    type("txtLatM", "36");
    choose("cboMonth", 6);
    choose("cboDate", 14);
    choose("cboYear", 80);
}
