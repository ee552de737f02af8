#include "gemology/gemology_reading.h"

namespace {

template <typename Field>
void Write_Field(std::optional<Field>& shown, const std::optional<Field>& written)
{
    if (written)
        shown = written;
}

}  // namespace

void Write_Over(GemologyReading& shown, const GemologyReading& written)
{
    Write_Field(shown.sunSign, written.sunSign);
    Write_Field(shown.sunStone, written.sunStone);
    Write_Field(shown.sunSignPicture, written.sunSignPicture);
    Write_Field(shown.sunStonePicture, written.sunStonePicture);
    Write_Field(shown.sunText, written.sunText);
    Write_Field(shown.moonSign, written.moonSign);
    Write_Field(shown.moonStone, written.moonStone);
    Write_Field(shown.moonSignPicture, written.moonSignPicture);
    Write_Field(shown.moonStonePicture, written.moonStonePicture);
    Write_Field(shown.moonText, written.moonText);
    Write_Field(shown.birthStone, written.birthStone);
    Write_Field(shown.birthStoneText, written.birthStoneText);
    Write_Field(shown.birthStonePicture, written.birthStonePicture);
    Write_Field(shown.sunSignNote, written.sunSignNote);
    Write_Field(shown.moonPosition, written.moonPosition);
    Write_Field(shown.moonSignMoment, written.moonSignMoment);
    Write_Field(shown.moonSignNote, written.moonSignNote);
}
