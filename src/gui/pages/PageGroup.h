#pragma once
// One page group of the main window: the window's background and the
// page's own picture, with the page's controls on top. The groups fill the
// window from its top-left corner; one is shown at a time.

#include <QLabel>
#include <QPixmap>
#include <QWidget>

namespace orva::gui {

class PageGroup : public QWidget {
  Q_OBJECT
 public:
  // `pictureNumber`: k of the page pictures "L<n>_Back<k>".
  PageGroup(int pictureNumber, QWidget* parent);

  void setBackground(const QPixmap* background);
  // Loads the page picture of language `language` (decoded when shown).
  void loadPicture(int language);
  void setPicturePosition(const QPoint& position);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int pictureNumber_;
  const QPixmap* background_ = nullptr;  // the window's, shared by all groups
  QLabel* picture_;
};

}  // namespace orva::gui
