// zev-atlas-reader: reads the birth place atlas with libgeonames and the names its catalogues
// give each place, and writes them on its standard output for the program (the format is in
// birthplace/atlas_stream.h). The program runs it as a process of its own, so that a missing,
// damaged or crashing atlas library ends this reader and never the program.
//   zev-atlas-reader [--library FILE] [--catalogues FOLDER]
// The library is libgeonames.so.0 where the system finds libraries; the catalogues are
// FOLDER/*/LC_MESSAGES/geonames.mo, FOLDER being /usr/share/locale.
#include <geonames.h>

#include "birthplace/city_record.h"
#include "birthplace/name_catalogue.h"

#include <dirent.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <charconv>
#include <cstdio>
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace {

// The library's functions, found by name in the library opened.
struct Atlas_Library {
    decltype(&geonames_get_n_cities) countCities = nullptr;
    decltype(&geonames_get_city) city = nullptr;
    decltype(&geonames_city_free) freeCity = nullptr;
};

// How much is written at a time, for the program to read while the rest is made.
constexpr std::size_t Piece_Bytes = 64 << 10;

// What goes out: a field with no tab or line break in it.
void Append_Field(std::string& out, std::string_view text)
{
    out += '\t';
    for (const char c : text)
        out += (c == '\t' || c == '\n' || c == '\r') ? ' ' : c;
}

void Append_Number(std::string& out, double number)
{
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, number);
    out += '\t';
    out.append(text, written.ptr);
}

void Write_All(const std::string& out)
{
    std::size_t done = 0;
    while (done < out.size()) {
        const ssize_t written = write(STDOUT_FILENO, out.data() + done, out.size() - done);
        if (written <= 0)
            _exit(3);  // the program stopped listening
        done += static_cast<std::size_t>(written);
    }
}

[[noreturn]] void Fail(const char* reason, std::string_view detail)
{
    std::string out = std::string("zev-atlas 1\nfail\t") + reason;
    Append_Field(out, detail);
    out += '\n';
    Write_All(out);
    _exit(1);
}

std::string_view Field_Text(GVariant* record, gsize field, std::vector<GVariant*>& held)
{
    GVariant* value = g_variant_get_child_value(record, field);
    held.push_back(value);
    return g_variant_is_of_type(value, G_VARIANT_TYPE_STRING) ? g_variant_get_string(value, nullptr) : "";
}

// A record of the type "(sssssssudd)", its fields valid while the record and `held` live: read
// straight from its bytes when they are as GLib lays them out, through GLib otherwise.
CityRecord Record_Of(GVariant* city, std::vector<GVariant*>& held)
{
    const auto* bytes = static_cast<const char*>(g_variant_get_data(city));
    if (bytes) {
        const std::optional<CityRecord> record = Read_City_Record(std::string_view(bytes, g_variant_get_size(city)));
        const auto utf8 = [](std::string_view text) { return g_utf8_validate_len(text.data(), text.size(), nullptr); };
        if (record && std::all_of(record->texts.begin(), record->texts.end(), utf8))
            return *record;
    }
    CityRecord record;
    for (gsize field = 0; field < record.texts.size(); ++field)
        record.texts[field] = Field_Text(city, field, held);
    GVariant* population = g_variant_get_child_value(city, 7);
    held.push_back(population);
    record.population = g_variant_get_uint32(population);
    for (const gsize field : {8, 9}) {
        GVariant* value = g_variant_get_child_value(city, field);
        held.push_back(value);
        (field == 8 ? record.latitude : record.longitude) = g_variant_get_double(value);
    }
    return record;
}

// A file's bytes, mapped while it lives; empty for a file that cannot be read.
struct Mapped_File {
    explicit Mapped_File(const std::string& path)
    {
        const int file = open(path.c_str(), O_RDONLY | O_CLOEXEC);
        struct stat about {};
        if (file < 0)
            return;
        if (fstat(file, &about) == 0 && about.st_size > 0) {
            void* mapped = mmap(nullptr, static_cast<std::size_t>(about.st_size), PROT_READ, MAP_PRIVATE, file, 0);
            if (mapped != MAP_FAILED)
                bytes = std::string_view(static_cast<const char*>(mapped), static_cast<std::size_t>(about.st_size));
        }
        close(file);
    }
    ~Mapped_File()
    {
        if (!bytes.empty())
            munmap(const_cast<char*>(bytes.data()), bytes.size());
    }
    Mapped_File(const Mapped_File&) = delete;
    Mapped_File& operator=(const Mapped_File&) = delete;
    std::string_view bytes;
};

// A name a catalogue gives the place with a GeoNames id.
struct Catalogue_Name {
    unsigned long id;
    std::string_view text;
};

// The names of every catalogue FOLDER/*/LC_MESSAGES/geonames.mo, the languages in the order of
// their codes; the files stay mapped in `files` while the names are used.
std::vector<Catalogue_Name> Catalogue_Names(const std::string& folder,
                                            std::vector<std::unique_ptr<Mapped_File>>& files)
{
    std::vector<std::string> languages;
    if (DIR* languageFolders = opendir(folder.c_str())) {
        while (const dirent* entry = readdir(languageFolders))
            if (entry->d_name[0] != '.')
                languages.emplace_back(entry->d_name);
        closedir(languageFolders);
    }
    std::sort(languages.begin(), languages.end());
    std::vector<Catalogue_Name> names;
    for (const std::string& language : languages) {
        files.push_back(std::make_unique<Mapped_File>(folder + '/' + language + "/LC_MESSAGES/geonames.mo"));
        Read_Name_Catalogue(files.back()->bytes, [&](std::string_view original, std::string_view name) {
            unsigned long id = 0;
            const auto read = std::from_chars(original.data(), original.data() + original.size(), id);
            if (read.ec == std::errc() && read.ptr == original.data() + original.size() && !name.empty())
                names.push_back({id, name});
        });
    }
    return names;
}

// Each place's number in the output by its GeoNames id, in a table where each of the
// catalogues' names finds its place at once; the first place of an id that comes twice.
class Place_Numbers {
public:
    explicit Place_Numbers(const std::vector<std::pair<unsigned long, std::size_t>>& ids)
        : slots_(std::bit_ceil(ids.size() * 2 + 2)), shift_(64 - std::countr_zero(slots_.size()))
    {
        for (const auto& [id, place] : ids) {
            Slot& slot = slots_[slotOf(id)];
            if (slot.place == SIZE_MAX)
                slot = {id, place};
        }
    }
    std::size_t placeOf(unsigned long id) const { return slots_[slotOf(id)].place; }

private:
    struct Slot {
        unsigned long id = 0;
        std::size_t place = SIZE_MAX;
    };
    // The slot that holds the id or, when none does, the empty one where it would go.
    std::size_t slotOf(unsigned long id) const
    {
        const std::size_t mask = slots_.size() - 1;
        std::size_t at = static_cast<std::size_t>((std::uint64_t(id) * 0x9E3779B97F4A7C15ull) >> shift_);
        while (slots_[at].place != SIZE_MAX && slots_[at].id != id)
            at = (at + 1) & mask;
        return at;
    }

    std::vector<Slot> slots_;
    int shift_;
};

}  // namespace

int main(int argc, char* argv[])
{
    std::string libraryFile = "libgeonames.so.0";
    std::string catalogues = "/usr/share/locale";
    for (int at = 1; at + 1 < argc; at += 2) {
        const std::string_view option = argv[at];
        if (option == "--library")
            libraryFile = argv[at + 1];
        else if (option == "--catalogues")
            catalogues = argv[at + 1];
    }

    // The catalogues are read on a thread of their own while the library reads its places.
    std::vector<std::unique_ptr<Mapped_File>> files;
    std::vector<Catalogue_Name> catalogueNames;
    std::thread readingCatalogues([&] { catalogueNames = Catalogue_Names(catalogues, files); });

    void* handle = dlopen(libraryFile.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        Fail("library", dlerror());
    Atlas_Library atlas;
    atlas.countCities = reinterpret_cast<decltype(atlas.countCities)>(dlsym(handle, "geonames_get_n_cities"));
    atlas.city = reinterpret_cast<decltype(atlas.city)>(dlsym(handle, "geonames_get_city"));
    atlas.freeCity = reinterpret_cast<decltype(atlas.freeCity)>(dlsym(handle, "geonames_city_free"));
    if (!atlas.countCities || !atlas.city || !atlas.freeCity)
        Fail("library", "it lacks the functions that read its places");

    // A record is a tuple (id, name, state code, state, country code, country, zone,
    // population, latitude, longitude).
    const GVariantType* layout = G_VARIANT_TYPE("(sssssssudd)");
    const int count = atlas.countCities();
    std::string out = "zev-atlas 1\n";
    out.reserve(2 * Piece_Bytes);
    std::vector<std::pair<unsigned long, std::size_t>> ids;  // each place's id and its number in the output
    std::vector<GVariant*> held;
    int places = 0;
    for (int index = 0; index < count; ++index) {
        GeonamesCity* city = atlas.city(index);
        if (!city)
            continue;
        if (g_variant_is_of_type(city, layout)) {
            const CityRecord record = Record_Of(city, held);
            const std::string_view id = record.texts[0];
            out += 'P';
            Append_Field(out, id);
            for (const std::size_t field : {1, 3, 5, 6})
                Append_Field(out, record.texts[field]);
            out += '\t' + std::to_string(record.population);
            Append_Number(out, record.latitude);
            Append_Number(out, record.longitude);
            out += '\n';
            unsigned long number = 0;
            if (std::from_chars(id.data(), id.data() + id.size(), number).ec == std::errc())
                ids.emplace_back(number, places);
            ++places;
            if (out.size() >= Piece_Bytes) {
                Write_All(out);
                out.clear();
            }
        }
        for (GVariant* value : held)
            g_variant_unref(value);
        held.clear();
        atlas.freeCity(city);
    }
    if (places == 0)
        Fail("no-places", "");
    Write_All(out);
    out.clear();
    readingCatalogues.join();
    const Place_Numbers placeNumbers(ids);

    // The names gathered place by place (each place's in the order of the catalogues), then
    // sorted within each place: many languages write a place's name alike, and each name of a
    // place goes out once.
    std::vector<std::size_t> placeOfName(catalogueNames.size());
    std::vector<std::size_t> placeStarts(static_cast<std::size_t>(places) + 1, 0);
    for (std::size_t name = 0; name < catalogueNames.size(); ++name) {
        placeOfName[name] = placeNumbers.placeOf(catalogueNames[name].id);
        if (placeOfName[name] != SIZE_MAX)
            ++placeStarts[placeOfName[name] + 1];
    }
    for (std::size_t place = 1; place < placeStarts.size(); ++place)
        placeStarts[place] += placeStarts[place - 1];
    std::vector<std::string_view> names(placeStarts.back());
    std::vector<std::size_t> filled(placeStarts.begin(), placeStarts.end() - 1);
    for (std::size_t name = 0; name < catalogueNames.size(); ++name)
        if (placeOfName[name] != SIZE_MAX)
            names[filled[placeOfName[name]]++] = catalogueNames[name].text;
    std::size_t namesWritten = 0;
    for (std::size_t place = 0; place + 1 < placeStarts.size(); ++place) {
        const auto first = names.begin() + static_cast<std::ptrdiff_t>(placeStarts[place]);
        const auto last = names.begin() + static_cast<std::ptrdiff_t>(placeStarts[place + 1]);
        std::sort(first, last);
        const auto distinct = std::unique(first, last);
        for (auto name = first; name != distinct; ++name) {
            out += 'N';
            out += '\t' + std::to_string(place);
            Append_Field(out, *name);
            out += '\n';
            ++namesWritten;
        }
        if (out.size() >= Piece_Bytes) {
            Write_All(out);
            out.clear();
        }
    }
    out += "end\t" + std::to_string(places) + '\t' + std::to_string(namesWritten) + '\n';
    Write_All(out);
    return 0;
}
