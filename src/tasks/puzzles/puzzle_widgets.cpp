#include "tasks/puzzles/puzzle_widgets.h"

#include "tasks/common/done_button.h"

namespace zorna {

QPixmap puzzlePicture(const QString& name, QSize size) {
    return renderPicture(QStringLiteral(":/puzzles/") + name, size);
}

} // namespace zorna
