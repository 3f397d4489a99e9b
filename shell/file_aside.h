// A file of the data folder that could not be read is never overwritten:
// it is moved, or copied, beside itself under a name that says so.
#pragma once

#include <QString>

namespace tabrix {

// Moves `path` to "PATH.damaged-DATE-TIME"; its new name, or an empty text
// when it could not be moved.
QString KeepAside(const QString& path);
// The same as a copy, for a file whose good part was read.
QString CopyAside(const QString& path);

}  // namespace tabrix
