#include "birthplace/city_record.h"

#include <cstring>

namespace {

// How many bytes each framing offset takes, by the size of the record.
std::size_t Offset_Size(std::size_t size)
{
    if (size > 0xFFFFFFFFu)
        return 8;
    if (size > 0xFFFF)
        return 4;
    return size > 0xFF ? 2 : 1;
}

std::size_t Little_Endian(std::string_view bytes)
{
    std::size_t value = 0;
    for (std::size_t at = 0; at < bytes.size(); ++at)
        value |= std::size_t(static_cast<unsigned char>(bytes[at])) << (8 * at);
    return value;
}

std::size_t Aligned(std::size_t at, std::size_t alignment)
{
    return (at + alignment - 1) / alignment * alignment;
}

}  // namespace

std::optional<CityRecord> Read_City_Record(std::string_view bytes)
{
    CityRecord record;
    const std::size_t texts = record.texts.size();
    const std::size_t offsetSize = Offset_Size(bytes.size());
    if (bytes.size() < texts * offsetSize)
        return std::nullopt;
    // Where each text ends is written at the end of the record, the first text's last.
    const std::size_t framing = bytes.size() - texts * offsetSize;
    std::size_t start = 0;
    for (std::size_t text = 0; text < texts; ++text) {
        const std::size_t end = Little_Endian(bytes.substr(bytes.size() - (text + 1) * offsetSize, offsetSize));
        if (end <= start || end > framing || bytes[end - 1] != '\0')
            return std::nullopt;
        record.texts[text] = bytes.substr(start, end - 1 - start);
        if (record.texts[text].find('\0') != std::string_view::npos)
            return std::nullopt;
        start = end;
    }
    const std::size_t population = Aligned(start, 4);
    const std::size_t latitude = Aligned(population + 4, 8);
    if (latitude + 16 != framing)
        return std::nullopt;
    std::memcpy(&record.population, bytes.data() + population, sizeof record.population);
    std::memcpy(&record.latitude, bytes.data() + latitude, sizeof record.latitude);
    std::memcpy(&record.longitude, bytes.data() + latitude + 8, sizeof record.longitude);
    return record;
}
