// The document's marked texts (document/notice.h) in the user's language:
// each sentence translated by its context and template, the values put in.
#pragma once

#include <QFontMetrics>
#include <QString>
#include <string_view>

#include "document/notice.h"

namespace tabrix {

QString Translated(std::string_view marked);
// A notice's sentences, one after another.
QString Translated(const Notice& notice);
// `marked` translated and fitted into `room` pixels of `metrics`: where it
// is too wide, the sentences' own words give way first (cut at their
// right), and the values they carry (a pasted text, a program's name, a
// step) stay whole as long as they fit at all.
QString TranslatedWithin(std::string_view marked, const QFontMetrics& metrics, int room);

}  // namespace tabrix
