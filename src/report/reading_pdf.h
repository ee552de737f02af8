#pragma once
#include "report/reading_summary.h"
#include "report/report_runs.h"

#include <QByteArray>
#include <QFont>
#include <QLocale>
#include <QPageSize>

// The paper a locale prints on: Letter where it measures in US units, A4 everywhere else.
QPageSize::PageSizeId Paper_Of(const QLocale& locale);

// A reading as a PDF: a first page at a glance (who, when and where, the three results with
// their pictures, the notes), then the report's runs in their order and colours, in `font`, with
// the program's name and version and the page number at the foot of every page. The document is
// titled after the person and names the program as its creator. Empty if it could not be made.
QByteArray Reading_Pdf(const ReportTexts& texts, const ReadingSummary& summary, const QFont& font,
                       QPageSize::PageSizeId paper);
