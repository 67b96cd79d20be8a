#include "gui/pages/PageGroup.h"

#include <QPainter>

#include "gui/widgets/SkinPictures.h"

namespace orva::gui {

PageGroup::PageGroup(int pictureNumber, QWidget* parent)
    : QWidget(parent), pictureNumber_(pictureNumber), picture_(new QLabel(this)) {
  picture_->setObjectName(QString("Img_P%1").arg(pictureNumber_));
  // Clicks on the picture belong to the background (dragging, closing menus).
  picture_->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PageGroup::setBackground(const QPixmap* background) {
  background_ = background;
  update();
}

void PageGroup::loadPicture(int language) {
  const QPixmap pixmap = skinPicture(QString("L%1_Back%2").arg(language).arg(pictureNumber_));
  picture_->setPixmap(pixmap);
  picture_->resize(pixmap.size());
}

void PageGroup::setPicturePosition(const QPoint& position) { picture_->move(position); }

void PageGroup::paintEvent(QPaintEvent*) {
  if (!background_) return;
  QPainter p(this);
  p.drawPixmap(0, 0, *background_);
}

}  // namespace orva::gui
