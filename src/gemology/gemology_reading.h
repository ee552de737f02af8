#pragma once
#include <optional>
#include <string>

// What one reading produces. Each step writes only the fields it finds a rule for; a field left
// empty here was not written, so the display keeps what it showed before (its placeholder or
// an earlier reading's value). Pictures are positions (from 1) in the catalogue named beside them.
struct GemologyReading {
    std::optional<std::string> sunSign;
    std::optional<std::string> sunStone;
    std::optional<int> sunSignPicture;    // ImglistSunSign
    std::optional<int> sunStonePicture;   // ImgSunSignStone
    std::optional<std::string> sunText;

    std::optional<std::string> moonSign;
    std::optional<std::string> moonStone;
    std::optional<int> moonSignPicture;   // imgListMoonSign
    std::optional<int> moonStonePicture;  // ImgMoonSignStone
    std::optional<std::string> moonText;

    std::optional<std::string> birthStone;
    std::optional<std::string> birthStoneText;
    std::optional<int> birthStonePicture;  // ImgBirthStone

    // Notes shown beside the reading; an empty text hides its note.
    std::optional<std::string> sunSignNote;     // the Sun's own sign, when it tells another story
    std::optional<std::string> moonPosition;    // the Moon's position at the birth moment
    std::optional<std::string> moonSignMoment;  // the zone and Universal Time the reading used
    std::optional<std::string> moonSignNote;    // the Moon's change of sign near the birth moment
};

// Writes the fields a reading wrote over the reading shown; a field it did not write keeps the
// value shown before.
void Write_Over(GemologyReading& shown, const GemologyReading& written);
