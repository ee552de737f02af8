#include "birthplace/atlas_stream.h"

#include "birthplace/birth_zone.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <future>
#include <optional>
#include <string>
#include <tuple>
#include <unordered_map>
#include <unordered_set>

namespace {

// Keeps one copy of each text that many places share, so that the atlas holds "United States"
// or "America/Chicago" once instead of once for each of their towns: a third of its memory.
// Each text is numbered in the order it first came.
template <typename Text>
class SharedTexts {
public:
    // The text one field gave last: the towns of a country come one after another, so most
    // texts of a field are the one just taken.
    struct Recent {
        std::string bytes;
        std::size_t number = SIZE_MAX;
    };

    explicit SharedTexts(Text (*make)(QByteArrayView)) : make_(make) {}

    // The text of these bytes, and its number.
    std::pair<Text, std::size_t> take(QByteArrayView bytes, Recent& recent)
    {
        if (recent.number == SIZE_MAX || bytes != QByteArrayView(recent.bytes)) {
            recent.bytes.assign(bytes.data(), static_cast<std::size_t>(bytes.size()));
            const auto [at, added] = numbers_.try_emplace(recent.bytes, texts_.size());
            if (added)
                texts_.push_back(make_(bytes));
            recent.number = at->second;
        }
        return {texts_[recent.number], recent.number};
    }
    const std::vector<Text>& all() const { return texts_; }

private:
    Text (*make_)(QByteArrayView);
    std::vector<Text> texts_;
    std::unordered_map<std::string, std::size_t> numbers_;  // by the bytes each came as
};

// The fields of a line, split at its tabs; no line of the answer has more than nine.
class Fields {
public:
    explicit Fields(QByteArrayView line)
    {
        const char* at = line.data();
        const char* const end = at + line.size();
        for (;;) {
            if (count_ == Most) {
                ++count_;  // too many: a line of no kind
                return;
            }
            const auto* tab = static_cast<const char*>(std::memchr(at, '\t', static_cast<std::size_t>(end - at)));
            fields_[count_++] = QByteArrayView(at, (tab ? tab : end) - at);
            if (!tab)
                return;
            at = tab + 1;
        }
    }
    qsizetype size() const { return count_; }
    QByteArrayView operator[](qsizetype at) const { return fields_[static_cast<std::size_t>(at)]; }
    QByteArrayView value(qsizetype at) const { return at < count_ ? (*this)[at] : QByteArrayView(); }

private:
    static constexpr qsizetype Most = 9;
    std::array<QByteArrayView, Most> fields_{};
    qsizetype count_ = 0;
};

QString Text_Of(QByteArrayView field)
{
    return QString::fromUtf8(field).trimmed();
}

QByteArray Bytes_Of(QByteArrayView field)
{
    return field.toByteArray();
}

std::optional<double> Degrees_Of(QByteArrayView field, double limit)
{
    bool read = false;
    const double degrees = field.toDouble(&read);
    if (!read || !std::isfinite(degrees) || std::abs(degrees) > limit)
        return std::nullopt;
    return degrees;
}

// A place of a P line, its zone not yet checked; none for a record that cannot be a place.
std::optional<AtlasPlace> Place_Of(const Fields& fields)
{
    if (fields.size() != 9)
        return std::nullopt;
    AtlasPlace place;
    place.name = Text_Of(fields[2]);
    bool populationRead = false;
    place.population = fields[6].toUInt(&populationRead);
    const std::optional<double> latitude = Degrees_Of(fields[7], 90);
    const std::optional<double> longitude = Degrees_Of(fields[8], 180);
    if (place.name.isEmpty() || !populationRead || !latitude || !longitude)
        return std::nullopt;
    place.latitude = *latitude;
    place.longitude = *longitude;
    return place;
}

// Which of the zones the system's time-zone data can give. Loading a zone takes a while, so
// they are looked at on a thread of their own while the names are read.
std::future<std::vector<bool>> Known_Zones(std::vector<QByteArray> zones)
{
    return std::async(std::launch::async, [zones = std::move(zones)] {
        std::vector<bool> known;
        for (const QByteArray& zone : zones)
            known.push_back(Zone_Is_Known(zone));
        return known;
    });
}

AtlasStream Failed(const QString& problem)
{
    AtlasStream stream;
    stream.reading.problem = problem;
    return stream;
}

QString Fail_Problem(const Fields& fields)
{
    const QByteArrayView reason = fields.value(1);
    if (reason == Atlas_Fail_Library) {
        qWarning("The place atlas: %s", qPrintable(Text_Of(fields.value(2))));  // the system's own words
        return QStringLiteral("the atlas library, libgeonames, is missing or damaged");
    }
    if (reason == Atlas_Fail_No_Places)
        return QStringLiteral("the atlas library holds no places");
    return QStringLiteral("its reader could not read it");
}

}  // namespace

// What has been read so far, and what is left to check when the answer ends.
struct AtlasStreamReader::Reading {
    enum class Stage { Heading, Places, Names, Ended, Failed };
    Stage stage = Stage::Heading;
    AtlasStream stream;
    std::vector<int> placeOfLine;  // for each P line, its place; -1 for a record left out
    std::unordered_set<std::uint32_t> ids;
    SharedTexts<QString> regions{Text_Of};  // states and countries, which some places share
    SharedTexts<QString>::Recent state, country;
    SharedTexts<QByteArray> zones{Bytes_Of};
    SharedTexts<QByteArray>::Recent zone;
    std::vector<std::size_t> zoneOfPlace;  // each place's zone, by its number in `zones`
    std::future<std::vector<bool>> knownZones;
    int nameLines = 0;
    // The other names of the place whose names are coming, handed to it together once another
    // place's come or the answer ends: a list grown name by name would be copied again and again.
    int namesOf = -1;
    std::vector<QString> names;

    void giveNames()
    {
        if (namesOf < 0)
            return;
        QStringList& otherNames = stream.reading.places[static_cast<std::size_t>(namesOf)].otherNames;
        otherNames.reserve(otherNames.size() + static_cast<qsizetype>(names.size()));
        for (QString& name : names)
            otherNames.append(std::move(name));
        names.clear();
        namesOf = -1;
    }
};

AtlasStreamReader::AtlasStreamReader() : reading_(std::make_unique<Reading>()) {}

AtlasStreamReader::~AtlasStreamReader() = default;

void AtlasStreamReader::fail(const QString& problem)
{
    reading_->stage = Reading::Stage::Failed;
    reading_->stream = Failed(problem);
}

void AtlasStreamReader::take(QByteArrayView piece)
{
    using Stage = Reading::Stage;
    qsizetype start = 0;
    while (reading_->stage != Stage::Failed) {
        const qsizetype end = piece.indexOf('\n', start);
        if (end < 0)
            break;
        if (reading_->stage == Stage::Ended) {
            fail(QStringLiteral("what its reader gave back was damaged"));  // more after the end line
            return;
        }
        if (unfinishedLine_.isEmpty()) {
            takeLine(piece.sliced(start, end - start));
        } else {
            unfinishedLine_ += piece.sliced(start, end - start);
            takeLine(unfinishedLine_);
            unfinishedLine_.clear();
        }
        start = end + 1;
    }
    if (reading_->stage == Stage::Failed)
        return;
    if (reading_->stage == Stage::Ended && start != piece.size())
        fail(QStringLiteral("what its reader gave back was damaged"));
    else
        unfinishedLine_ += piece.sliced(start);
}

void AtlasStreamReader::takeLine(QByteArrayView line)
{
    using Stage = Reading::Stage;
    Reading& at = *reading_;
    const QString damaged = QStringLiteral("what its reader gave back was damaged");
    if (at.stage == Stage::Heading) {
        if (line != "zev-atlas 1")
            return fail(damaged);
        at.stage = Stage::Places;
        return;
    }
    AtlasStream& stream = at.stream;
    std::vector<AtlasPlace>& places = stream.reading.places;
    const Fields fields(line);
    const QByteArrayView kind = fields[0];
    if (kind == "P" && at.stage == Stage::Places) {
        bool idRead = false;
        const std::uint32_t id = fields.value(1).toUInt(&idRead);
        std::optional<AtlasPlace> place = Place_Of(fields);
        if (!place || !idRead || !at.ids.insert(id).second) {
            ++stream.droppedPlaces;
            at.placeOfLine.push_back(-1);
            return;
        }
        place->state = at.regions.take(fields[3], at.state).first;
        place->country = at.regions.take(fields[4], at.country).first;
        std::size_t zone = 0;
        std::tie(place->zoneId, zone) = at.zones.take(fields[5], at.zone);
        at.zoneOfPlace.push_back(zone);
        at.placeOfLine.push_back(static_cast<int>(places.size()));
        places.push_back(std::move(*place));
        return;
    }
    if (at.stage == Stage::Places) {
        at.stage = Stage::Names;
        at.knownZones = Known_Zones(at.zones.all());
    }
    if (kind == "N" && fields.size() == 3) {
        ++at.nameLines;
        bool lineRead = false;
        const qsizetype placeLine = fields[1].toLongLong(&lineRead);
        const int place = lineRead && placeLine >= 0 && placeLine < qsizetype(at.placeOfLine.size())
                              ? at.placeOfLine[static_cast<std::size_t>(placeLine)]
                              : -1;
        const QString name = Text_Of(fields[2]);
        if (place < 0 || name.isEmpty()) {
            ++stream.droppedNames;
            return;
        }
        if (name == places[static_cast<std::size_t>(place)].name)
            return;
        if (place != at.namesOf) {
            at.giveNames();
            at.namesOf = place;
        }
        at.names.push_back(name);
    } else if (kind == "fail") {
        fail(Fail_Problem(fields));
    } else if (kind == "end" && fields.size() == 3) {
        if (fields[1].toLongLong() != qsizetype(at.placeOfLine.size()) || fields[2].toInt() != at.nameLines)
            return fail(damaged);
        at.giveNames();
        at.stage = Stage::Ended;
    } else {
        fail(damaged);
    }
}

AtlasStream AtlasStreamReader::finish()
{
    Reading& at = *reading_;
    if (at.stage == Reading::Stage::Failed)
        return std::move(at.stream);
    if (at.stage != Reading::Stage::Ended || !unfinishedLine_.isEmpty())
        return Failed(QStringLiteral("what its reader gave back was damaged"));  // the end line never came
    std::vector<AtlasPlace>& places = at.stream.reading.places;
    const std::vector<bool> known = at.knownZones.get();
    std::size_t kept = 0;
    for (std::size_t place = 0; place < places.size(); ++place) {
        if (!known[at.zoneOfPlace[place]])
            continue;
        if (kept != place)
            places[kept] = std::move(places[place]);
        ++kept;
    }
    at.stream.droppedPlaces += static_cast<int>(places.size() - kept);
    places.erase(places.begin() + static_cast<std::ptrdiff_t>(kept), places.end());
    places.shrink_to_fit();  // the places are kept as long as the program runs
    if (places.empty())
        return Failed(QStringLiteral("the atlas library holds no places"));
    return std::move(at.stream);
}

AtlasStream Parse_Atlas_Stream(QByteArrayView output)
{
    AtlasStreamReader reader;
    reader.take(output);
    return reader.finish();
}
