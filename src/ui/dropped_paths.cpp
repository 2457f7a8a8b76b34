#include "ui/dropped_paths.hpp"

#include <QMimeData>
#include <QUrl>

namespace antkeys {

QStringList DroppedFilePaths(const QMimeData* mime) {
    QStringList paths;
    if (!mime || !mime->hasUrls()) return paths;
    for (const QUrl& url : mime->urls())
        if (url.isLocalFile()) paths << url.toLocalFile();
    return paths;
}

}  // namespace antkeys
