#include "tasks/puzzles/puzzle_widgets.h"

#include "platform/pictures.h"

namespace zorna {

QPixmap puzzlePicture(const QString& name, QSize size) {
    return renderSvg(QStringLiteral(":/puzzles/") + name, size);
}

} // namespace zorna
