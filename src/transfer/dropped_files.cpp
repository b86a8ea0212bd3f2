#include "transfer/dropped_files.h"

#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

namespace quorvelle::transfer {

QStringList DroppedFiles(const QMimeData* mime)
{
    QStringList files;
    if (!mime || !mime->hasUrls())
        return files;
    for (const QUrl& url : mime->urls())
        if (url.isLocalFile() && QFileInfo(url.toLocalFile()).isFile())
            files.append(url.toLocalFile());
    return files;
}

} // namespace quorvelle::transfer
