#include "app/game_start.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const zorna::GameStart game(QCoreApplication::applicationDirPath());
    if (!game.running())
        return 0;
    return app.exec();
}
