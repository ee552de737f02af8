#pragma once
#include "birthplace/place_index.h"

#include <QObject>

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

// The birth place atlas, read and indexed on a thread of its own the first time it is asked
// for, so that neither the program's start nor a keystroke waits for it. The index is handed
// over on the user-interface thread, where ready() then tells of it. The atlas library is read
// by the program's own reader in a process of its own (atlas_reader_process.h): whatever the
// library does, the program goes on, with an empty atlas and the reason.
class PlaceAtlas : public QObject {
    Q_OBJECT
public:
    using Reader = std::function<AtlasReading()>;

    // With no reader, the places the atlas reader finds in the library.
    explicit PlaceAtlas(Reader readPlaces = {});
    ~PlaceAtlas() override;  // ends a reading still under way

    // Starts reading and indexing unless it has started already; returns at once.
    void startLoading();
    // The index once it is built (empty when the atlas could not be read); null before.
    const PlaceIndex* index() const { return index_.get(); }
    // Why the atlas could not be read, in the user's words; empty while reading and once read.
    const QString& problem() const { return problem_; }

    // The atlas the entry windows share, made the first time it is asked for; it reads the
    // library's places unless another reader was given before.
    static PlaceAtlas& shared();
    // Makes the shared atlas read its places with this reader (the tests' own atlases). Only
    // before the shared atlas is first asked for: false, and nothing changed, after (or for no reader).
    static bool useReaderForShared(Reader readPlaces);

signals:
    void ready();

private:
    void takeIndex(std::shared_ptr<const PlaceIndex> index, const QString& problem);

    std::shared_ptr<std::atomic<bool>> stop_ = std::make_shared<std::atomic<bool>>(false);
    Reader readPlaces_;
    std::thread loader_;
    std::shared_ptr<const PlaceIndex> index_;
    QString problem_;
};
