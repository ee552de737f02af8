#include "birthplace/place_atlas.h"

#include <utility>

namespace {
// The reader the shared atlas is made with; emptied once it is made.
PlaceAtlas::Reader& Shared_Reader()
{
    static PlaceAtlas::Reader reader = Read_Atlas_Places;
    return reader;
}
}  // namespace

PlaceAtlas::PlaceAtlas(Reader readPlaces) : readPlaces_(std::move(readPlaces)) {}

PlaceAtlas::~PlaceAtlas()
{
    if (loader_.joinable())
        loader_.join();
}

void PlaceAtlas::startLoading()
{
    if (loader_.joinable() || index_)
        return;
    loader_ = std::thread([this] {
        auto built = std::make_shared<const PlaceIndex>(readPlaces_());
        QMetaObject::invokeMethod(this, [this, built] { takeIndex(built); }, Qt::QueuedConnection);
    });
}

void PlaceAtlas::takeIndex(std::shared_ptr<const PlaceIndex> index)
{
    index_ = std::move(index);
    emit ready();
}

PlaceAtlas& PlaceAtlas::shared()
{
    static PlaceAtlas atlas(std::exchange(Shared_Reader(), nullptr));
    return atlas;
}

bool PlaceAtlas::useReaderForShared(Reader readPlaces)
{
    if (!readPlaces || !Shared_Reader())
        return false;
    Shared_Reader() = std::move(readPlaces);
    return true;
}
