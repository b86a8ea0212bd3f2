#pragma once

// The files a drag brings: local files only (no folders, no web addresses).

#include <QStringList>

class QMimeData;

namespace quorvelle::transfer {

QStringList DroppedFiles(const QMimeData* mime);

} // namespace quorvelle::transfer
