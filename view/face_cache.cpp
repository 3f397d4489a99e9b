#include "view/face_cache.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QSaveFile>
#include <QtGlobal>
#include <QtMath>
#include <chrono>

#include "view/keypad_geometry.h"

namespace tabrix {

FaceCache::FaceCache(QString folder) : m_folder(std::move(folder)) {
    if (m_folder.isEmpty()) return;
    // The program's file (its size and time) and Qt's version name the build
    // a face was drawn by.
    const QFileInfo program(QCoreApplication::applicationFilePath());
    m_build = QStringLiteral("%1-%2-%3")
                  .arg(QString::fromLatin1(qVersion()))
                  .arg(program.size())
                  .arg(program.lastModified().toMSecsSinceEpoch());
}

FaceCache::~FaceCache() {
    if (m_writing.valid()) m_writing.wait();
}

QString FaceCache::FileOf(qreal deviceScale, const KeyCaptions* captions) const {
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(m_build.toUtf8());
    hash.addData(QByteArray::number(deviceScale, 'g', 17));
    if (captions != nullptr) {
        for (const QString& caption : *captions) hash.addData((caption + QChar(0)).toUtf8());
    }
    return m_folder + QStringLiteral("/faces-") + QString::fromLatin1(hash.result().toHex().left(20));
}

std::optional<Faces> FaceCache::Find(qreal deviceScale, const KeyCaptions* captions) const {
    if (m_folder.isEmpty()) return std::nullopt;
    QFile file(FileOf(deviceScale, captions));
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    // The pixels as they are, both faces one after the other: reading them
    // must cost far less than drawing them.
    const QSize size(qCeil(kFaceWidth * deviceScale), qCeil(kFaceHeight * deviceScale));
    Faces faces{QImage(size, QImage::Format_RGB32), QImage(size, QImage::Format_RGB32)};
    for (QImage* face : {&faces.resting, &faces.lit}) {
        const qint64 bytes = face->sizeInBytes();
        if (file.read(reinterpret_cast<char*>(face->bits()), bytes) != bytes) return std::nullopt;
    }
    if (!file.atEnd()) return std::nullopt;
    return faces;
}

void FaceCache::Keep(qreal deviceScale, const KeyCaptions* captions, const Faces& faces) {
    if (m_folder.isEmpty()) return;
    if (m_writing.valid()) {
        if (m_writing.wait_for(std::chrono::seconds(0)) != std::future_status::ready) return;  // one at a time
        m_writing.get();
    }
    m_writing = std::async(std::launch::async, [path = FileOf(deviceScale, captions), folder = m_folder,
                                                resting = faces.resting.convertToFormat(QImage::Format_RGB32),
                                                lit = faces.lit.convertToFormat(QImage::Format_RGB32)] {
        QDir().mkpath(folder);
        QSaveFile file(path);  // all of it or nothing
        if (!file.open(QIODevice::WriteOnly)) return;
        for (const QImage* face : {&resting, &lit}) {
            file.write(reinterpret_cast<const char*>(face->constBits()), face->sizeInBytes());
        }
        file.commit();
    });
}

}  // namespace tabrix
