#include "birthplace/place_atlas.h"

#include "birthplace/atlas_reader_process.h"

#include <optional>
#include <utility>

namespace {
// The reader the shared atlas is made with (none: the library's); empty once it is made.
std::optional<PlaceAtlas::Reader>& Shared_Reader()
{
    static std::optional<PlaceAtlas::Reader> reader = PlaceAtlas::Reader();
    return reader;
}
}  // namespace

PlaceAtlas::PlaceAtlas(Reader readPlaces) : readPlaces_(std::move(readPlaces))
{
    if (!readPlaces_) {
        readPlaces_ = [program = Atlas_Reader_Program(), stop = stop_] { return Read_Atlas_With(program, {}, *stop); };
    }
}

PlaceAtlas::~PlaceAtlas()
{
    *stop_ = true;
    if (loader_.joinable())
        loader_.join();
}

void PlaceAtlas::startLoading()
{
    if (loader_.joinable() || index_)
        return;
    loader_ = std::thread([this] {
        AtlasReading reading = readPlaces_();
        auto built = std::make_shared<const PlaceIndex>(std::move(reading.places));
        QMetaObject::invokeMethod(
            this, [this, built, problem = reading.problem] { takeIndex(built, problem); }, Qt::QueuedConnection);
    });
}

void PlaceAtlas::takeIndex(std::shared_ptr<const PlaceIndex> index, const QString& problem)
{
    index_ = std::move(index);
    problem_ = problem;
    emit ready();
}

PlaceAtlas& PlaceAtlas::shared()
{
    static PlaceAtlas atlas(*std::exchange(Shared_Reader(), std::nullopt));
    return atlas;
}

bool PlaceAtlas::useReaderForShared(Reader readPlaces)
{
    if (!readPlaces || !Shared_Reader())
        return false;
    Shared_Reader() = std::move(readPlaces);
    return true;
}
