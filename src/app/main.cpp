#include "app/game_start.h"
#include "platform/font_preload.h"

#include <QApplication>

int main(int argc, char** argv) {
    zorna::FontConfigPreload fonts; // read while Qt connects to the display
    QApplication app(argc, argv);
    fonts.wait();
    const zorna::GameStart game(QCoreApplication::applicationDirPath());
    if (!game.running())
        return 0;
    return app.exec();
}
