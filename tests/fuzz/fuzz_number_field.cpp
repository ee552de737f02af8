// Whatever reaches the four number fields (typed or pasted), the entry check answers with a
// message or lets the reading run on numbers within range: it never reads half a number.
#include "fuzz/fuzz_check.h"
#include "gemology/birth_check.h"

#include <QString>

#include <cstdint>

namespace {
bool Is_Plain_Digits(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return false;
    for (QChar c : trimmed) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    const std::optional<int> number = Plain_Number(text);
    FUZZ_CHECK(number.has_value() == Is_Plain_Digits(text));
    FUZZ_CHECK(!number || (*number >= 0 && *number <= 1000000));

    // The same text in each of the four number fields, the others holding zero.
    for (int field = 0; field < 4; ++field) {
        BirthEntry entry;
        entry.birth.name = QStringLiteral("ANNA");
        entry.birth.month = 1;
        entry.birth.day = 1;
        entry.birth.year = 2000;
        QString* fields[] = {&entry.longitudeDegrees, &entry.longitudeMinutes, &entry.latitudeDegrees,
                             &entry.latitudeMinutes};
        for (QString* other : fields)
            *other = QStringLiteral("0");
        *fields[field] = text;
        const int limits[] = {179, 59, 89, 59};

        const std::optional<EntryProblem> problem = Birth_Entry_Problem(entry);
        const bool acceptable = number && *number <= limits[field];
        FUZZ_CHECK(problem.has_value() != acceptable);
        if (acceptable) {
            const BirthData birth = Birth_Data_Of(entry);
            FUZZ_CHECK(birth.longitudeDegrees >= 0 && birth.longitudeDegrees <= 179);
            FUZZ_CHECK(birth.longitudeMinutes >= 0 && birth.longitudeMinutes <= 59);
        }
    }
    return 0;
}
