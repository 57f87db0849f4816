#pragma once

#include <QLabel>
#include <QWidget>

#include <array>
#include <functional>

class QSvgRenderer;

namespace zorna {
class SvgPicture;
}

namespace zorna {

// "Фініш": congratulates a player whose chip has reached the last square with
// the place taken and, for the winner, the banner. The board is enabled again
// when it closes.
class FinishWindow : public QWidget {
    Q_OBJECT
public:
    explicit FinishWindow(std::function<void()> onClosed);

    // Shows the name, the picture of the place and, for place 1, the banner.
    void showPlace(const QString& name, int place);

    QLabel* nameLabel() const { return name_; }
    SvgPicture* banner() const { return banner_; }
    SvgPicture* placePicture(int place) const { return placePictures_[place - 1]; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    std::function<void()> onClosed_;
    QSvgRenderer* background_;
    QLabel* name_;
    SvgPicture* banner_;
    std::array<SvgPicture*, 3> placePictures_{};
};

} // namespace zorna
