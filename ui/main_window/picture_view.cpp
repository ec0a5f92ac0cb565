#include "ui/main_window/picture_view.h"

#include <QMouseEvent>
#include <QPainter>

namespace tavik::ui {

PictureView::PictureView(QWidget* parent) : QWidget(parent) {}

void PictureView::setPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void PictureView::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;
    QPainter p(this);
    p.drawImage(0, 0, picture_);
}

void PictureView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}

void PictureView::enterEvent(QEnterEvent* event) {
    emit entered();
    QWidget::enterEvent(event);
}

void PictureView::leaveEvent(QEvent* event) {
    emit left();
    QWidget::leaveEvent(event);
}

}  // namespace tavik::ui
