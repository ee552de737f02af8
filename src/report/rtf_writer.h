#pragma once
#include "report/text_run.h"

#include <QByteArray>

// The one font a rich-text document is written in.
struct RtfFont {
    QString name;
    double pointSize = 10;
};

// Writes coloured runs as a rich-text (RTF) document: a font table, a colour table holding
// each colour once, and every run with its colour and bold on or off. Each line break (CR LF,
// lone CR or lone LF) becomes one paragraph break and a tab a tab; every character outside
// ASCII is written as its UTF-16 code (two codes beyond the basic plane), and other control
// characters are left out, so the document is plain 7-bit ASCII.
QByteArray Write_Rtf(const QList<TextRun>& runs, const RtfFont& font);
