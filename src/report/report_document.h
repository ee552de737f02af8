#pragma once
#include "report/text_run.h"

#include <QTextCursor>

// Inserts the report's runs at the cursor, each in its colour, bold or not, one block a line;
// web addresses become links. Bold runs, the headings, take `headingPointSize` when it is given.
void Insert_Report_Runs(QTextCursor& cursor, const QList<TextRun>& runs, qreal headingPointSize = 0);
