#include "platform/qt/qt_image.h"

#include "platform/qt/qt_picture.h"

#include <QLabel>
#include <QPixmap>

namespace fluvane::platform::qt {

QtImage::QtImage(QWidget& parent) : QtControl(new QLabel(&parent), true) {
    label().setGeometry(0, 0, 0, 0);
    label().setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label().show();
}

QLabel& QtImage::label() const { return static_cast<QLabel&>(*widget()); }

void QtImage::setPicture(std::shared_ptr<platform::Picture> picture, bool stretch) {
    picture_ = std::move(picture);
    const QImage* image = picture_ ? imageOf(*picture_) : nullptr;
    label().setPixmap(image ? QPixmap::fromImage(*image) : QPixmap());
    label().setScaledContents(stretch);
    if (image && !stretch) {
        const platform::Rect place = geometry();
        setGeometry(platform::Rect::fromSize(place.left, place.top, image->width(), image->height()));
    }
}

}  // namespace fluvane::platform::qt
