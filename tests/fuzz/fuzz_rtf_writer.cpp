// Any text written into the report comes out as 7-bit rich text with balanced groups, and reads
// back unchanged: the same runs, colours and weights, with line breaks as one "\n" each and
// control characters other than tab and line breaks left out.
#include "fuzz/fuzz_check.h"
#include "report/rtf_test_reader.h"
#include "report/rtf_writer.h"

#include <cstdint>

namespace {

const RgbColour Palette[] = {{128, 0, 0}, {0, 128, 0}, {255, 0, 0}, {12, 34, 56}};

// Splits the input into runs: a byte 0xFE ends a run, and the byte after it picks the next
// run's colour and weight.
QList<TextRun> Runs_Of(const std::uint8_t* data, std::size_t size)
{
    QList<TextRun> runs;
    QByteArray text;
    std::uint8_t style = 0;
    auto finish = [&] {
        runs.append({QString::fromUtf8(text), Palette[style % 4], (style & 4) != 0});
        text.clear();
    };
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0xFE && i + 1 < size) {
            finish();
            style = data[++i];
        } else {
            text.append(static_cast<char>(data[i]));
        }
    }
    finish();
    return runs;
}

// What a reader gives back for a text: each line break one "\n", and no other control character
// than the tab.
QString As_Read_Back(const QString& text)
{
    QString expected;
    for (const QString& line : Split_Lines(text)) {
        if (!expected.isNull())
            expected += QLatin1Char('\n');
        else
            expected = QLatin1String("");
        for (QChar c : line) {
            if (c == QLatin1Char('\t') || c.category() != QChar::Other_Control)
                expected += c;
        }
    }
    return expected;
}

bool Is_Seven_Bit(const QByteArray& bytes)
{
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) > 0x7F)
            return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QList<TextRun> runs = Runs_Of(data, size);
    const QByteArray rtf = Write_Rtf(runs, {QStringLiteral("Verdana"), 9.75});
    FUZZ_CHECK(Is_Seven_Bit(rtf));

    const Rtf_Test_Reader::Document document = Rtf_Test_Reader::read(rtf);
    FUZZ_CHECK(document.wellFormed);

    QString written;
    for (const TextRun& run : runs)
        written += As_Read_Back(run.text);
    QString read;
    for (const TextRun& run : document.runs)
        read += run.text;
    FUZZ_CHECK(read == written);
    return 0;
}
