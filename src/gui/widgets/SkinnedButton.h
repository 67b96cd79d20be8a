#pragma once
// A skinned button: a picture that follows the pointer (normal, under the
// pointer, pressed, selected) with a caption drawn over it. One class serves
// every kind of the window's buttons; the kind is the set of picture names.

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QString>
#include <QWidget>

namespace orva::gui {

// Picture names per state; an empty name falls back to the normal picture.
struct ButtonLook {
  QString normal;
  QString hover;
  QString pressed;
  QString selected;
};

class SkinnedButton : public QWidget {
  Q_OBJECT

 public:
  explicit SkinnedButton(const ButtonLook& look, QWidget* parent = nullptr);

  void setCaption(const QString& caption);
  QString caption() const { return caption_; }
  void setCaptionStyle(const QFont& font, const QColor& colour);
  // Room kept free at the picture's ends (the irregular ends of page buttons).
  void setCaptionMargins(int front, int back);
  // A selected button (the current page, the current language) keeps its
  // selected picture whatever the pointer does.
  void setSelected(bool selected);
  bool isSelected() const { return selected_; }
  // The name of the picture shown now.
  QString shownPicture() const;

  // Whether the picture follows the pointer in and out (the web button's
  // does only while a mouse is connected); clicks always count.
  void setFollowsPointer(bool follows);
  void setCaptionAlignment(Qt::Alignment alignment);

 signals:
  void clicked();
  void entered();
  void left();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void show(const QString& name);

  ButtonLook look_;
  QString caption_;
  QColor captionColour_ = Qt::white;
  int marginFront_ = 0;
  int marginBack_ = 0;
  bool hovered_ = false;
  bool pressed_ = false;
  bool selected_ = false;
  bool followsPointer_ = true;
  Qt::Alignment alignment_ = Qt::AlignCenter;
  QString shown_;
  QPixmap picture_;
};

}  // namespace orva::gui
