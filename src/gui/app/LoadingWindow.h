#pragma once
// The small window shown over the main window while the program talks to the
// mouse: a ring of dots turning, with the progress of the running transfer in
// its middle. It floats above everything, has no task-bar entry, never takes
// the focus, and is see-through around its drawing (black is its see-through
// colour).

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QTimer>
#include <QWidget>

class QPainter;

namespace orva::gui {

inline constexpr QSize kLoadingSize(200, 192);
// Right after start the window sits this much below the main window's centre.
inline constexpr int kLoadingCreationDrop = 40;

// Centred over `main` (integer halves, truncated toward zero), and
// kLoadingCreationDrop lower when the window is being created.
QPoint loadingPosition(const QRect& main, const QSize& own, bool atCreation);

class LoadingWindow : public QWidget {
  Q_OBJECT

 public:
  // Placed over `mainWindow` as it stands now, hidden. The main window owns it.
  explicit LoadingWindow(QWidget* mainWindow);

  // Centres the window over the main window, shows it and raises it.
  void ShowLoading();
  // Hides the window and forgets the transfer's progress.
  void hideLoading();

  // `chunk` chunks of `chunkCount` are done; 0 of 0 shows no figure.
  void setProgress(int chunk, int chunkCount);
  // "37%" while a transfer runs, empty otherwise.
  QString progressText() const;
  // The turning of the ring; its timer runs only while the window is shown.
  bool isAnimating() const { return animation_.isActive(); }
  int frame() const { return frame_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  bool hasProgress() const { return chunkCount_ > 0; }
  void draw(QPainter& p) const;
  void reshape();

  QWidget* mainWindow_;
  QTimer animation_;
  int frame_ = 0;
  int chunk_ = 0;
  int chunkCount_ = 0;
};

}  // namespace orva::gui
