#pragma once
#include "birthplace/place_index.h"

#include <QObject>

#include <functional>
#include <memory>
#include <thread>

// The birth place atlas, read and indexed on a thread of its own the first time it is asked
// for, so that neither the program's start nor a keystroke waits for it. The index is handed
// over on the user-interface thread, where ready() then tells of it.
class PlaceAtlas : public QObject {
    Q_OBJECT
public:
    using Reader = std::function<std::vector<AtlasPlace>()>;

    explicit PlaceAtlas(Reader readPlaces = Read_Atlas_Places);
    ~PlaceAtlas() override;  // waits for a reading still under way

    // Starts reading and indexing unless it has started already; returns at once.
    void startLoading();
    // The index once it is built; null before.
    const PlaceIndex* index() const { return index_.get(); }

    // The atlas the entry windows share, made the first time it is asked for; it reads the
    // library's places unless another reader was given before.
    static PlaceAtlas& shared();
    // Makes the shared atlas read its places with this reader (the tests' own atlases). Only
    // before the shared atlas is first asked for: false, and nothing changed, after (or for no reader).
    static bool useReaderForShared(Reader readPlaces);

signals:
    void ready();

private:
    void takeIndex(std::shared_ptr<const PlaceIndex> index);

    Reader readPlaces_;
    std::thread loader_;
    std::shared_ptr<const PlaceIndex> index_;
};
