#pragma once

#include <QSvgRenderer>
#include <QWidget>

namespace zorna {

// An image control showing a vector picture scaled to its box.
class SvgPicture : public QWidget {
    Q_OBJECT
public:
    SvgPicture(const QString& resource, QWidget* parent);
    bool isValid() const { return renderer_.isValid(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSvgRenderer renderer_;
};

} // namespace zorna
