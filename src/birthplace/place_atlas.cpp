#include "birthplace/place_atlas.h"

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
    static PlaceAtlas atlas;
    return atlas;
}
