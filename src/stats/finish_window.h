#pragma once

#include <QLabel>
#include <QPixmap>
#include <QWidget>

#include <array>
#include <functional>

namespace zorna {

class ProgramFolder;

// "Фініш": congratulates a player whose chip has reached the last square with
// the place taken and, for the winner, the banner. The board is enabled again
// when it closes.
class FinishWindow : public QWidget {
    Q_OBJECT
public:
    // The pictures are the program folder's drawings (rules::drawings).
    FinishWindow(const ProgramFolder& folder, std::function<void()> onClosed);

    // Shows the name, the picture of the place and, for place 1, the banner.
    void showPlace(const QString& name, int place);

    QLabel* nameLabel() const { return name_; }
    QLabel* banner() const { return banner_; }
    QLabel* placePicture(int place) const { return placePictures_[place - 1]; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    std::function<void()> onClosed_;
    QPixmap fireworks_;
    QLabel* name_;
    QLabel* banner_;
    std::array<QLabel*, 3> placePictures_{};
};

} // namespace zorna
