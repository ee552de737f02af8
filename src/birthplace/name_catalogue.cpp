#include "birthplace/name_catalogue.h"

#include <cstdint>
#include <vector>

namespace {

constexpr std::uint32_t Magic = 0x950412de;
constexpr std::uint32_t Magic_Swapped = 0xde120495;

// The 32-bit numbers of the file, in the byte order its magic number gives.
class Words {
public:
    Words(std::string_view bytes, bool swapped) : bytes_(bytes), swapped_(swapped) {}

    bool at(std::uint64_t offset, std::uint32_t& value) const
    {
        if (offset + 4 > bytes_.size())
            return false;
        const auto* byte = reinterpret_cast<const unsigned char*>(bytes_.data() + offset);
        value = swapped_ ? (std::uint32_t(byte[0]) << 24 | std::uint32_t(byte[1]) << 16 | std::uint32_t(byte[2]) << 8 | byte[3])
                         : (std::uint32_t(byte[3]) << 24 | std::uint32_t(byte[2]) << 16 | std::uint32_t(byte[1]) << 8 | byte[0]);
        return true;
    }

    // The text a table entry (length, offset) points at.
    bool text(std::uint64_t entry, std::string_view& text) const
    {
        std::uint32_t length = 0, offset = 0;
        if (!at(entry, length) || !at(entry + 4, offset) || std::uint64_t(offset) + length > bytes_.size())
            return false;
        text = bytes_.substr(offset, length);
        return true;
    }

private:
    std::string_view bytes_;
    bool swapped_;
};

}  // namespace

bool Read_Name_Catalogue(std::string_view bytes,
                         const std::function<void(std::string_view original, std::string_view translation)>& take)
{
    std::uint32_t magic = 0;
    if (!Words(bytes, false).at(0, magic) || (magic != Magic && magic != Magic_Swapped))
        return false;
    const Words words(bytes, magic == Magic_Swapped);
    std::uint32_t count = 0, originals = 0, translations = 0;
    if (!words.at(8, count) || !words.at(12, originals) || !words.at(16, translations))
        return false;
    if (std::uint64_t(count) * 8 > bytes.size())
        return false;
    std::vector<std::pair<std::string_view, std::string_view>> pairs;
    pairs.reserve(count);
    for (std::uint64_t at = 0; at < count; ++at) {
        std::string_view original, translation;
        if (!words.text(originals + at * 8, original) || !words.text(translations + at * 8, translation))
            return false;
        // Of plural forms, separated by NUL characters, the first.
        if (!original.empty())
            pairs.emplace_back(original, translation.substr(0, translation.find('\0')));
    }
    for (const auto& [original, translation] : pairs)
        take(original, translation);
    return true;
}
