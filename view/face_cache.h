// The two faces, once drawn for a scale and a set of key captions, kept in
// the user's cache folder (~/.cache/tabrix), so that a later start reads
// them instead of drawing them: drawing them loads the label fonts and fits
// every shifted label to its band, the largest part of a start. A face is
// kept for one build of the program and one Qt: a new program or Qt draws
// it afresh.
#pragma once

#include <QImage>
#include <QString>
#include <future>
#include <optional>

#include "view/face_painter.h"

namespace tabrix {

struct Faces {
    QImage resting;
    QImage lit;
};

class FaceCache {
public:
    // `folder`: where the faces are kept; empty keeps none.
    explicit FaceCache(QString folder = {});
    // Waits for a face still being written.
    ~FaceCache();
    FaceCache(const FaceCache&) = delete;
    FaceCache& operator=(const FaceCache&) = delete;

    // The faces kept for `deviceScale` and `captions`, when there are.
    std::optional<Faces> Find(qreal deviceScale, const KeyCaptions* captions) const;
    // Keeps them, written on another thread; a write that fails keeps nothing.
    void Keep(qreal deviceScale, const KeyCaptions* captions, const Faces& faces);

private:
    QString FileOf(qreal deviceScale, const KeyCaptions* captions) const;

    QString m_folder;
    QString m_build;  // names this build of the program and its Qt
    std::future<void> m_writing;
};

}  // namespace tabrix
