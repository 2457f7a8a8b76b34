#pragma once
// The file paths a drop brings.
#include <QStringList>

class QMimeData;

namespace antkeys {

// The local file paths of a drop, in the order the platform gives them; empty when the drop
// holds no local files.
QStringList DroppedFilePaths(const QMimeData* mime);

}  // namespace antkeys
