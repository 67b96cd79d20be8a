#include "gui/app/LoadingWindow.h"

#include <QBitmap>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QRegion>
#include <QtMath>

#include <algorithm>

#include "gui/dialogs/DialogPlacement.h"

namespace orva::gui {
namespace {

// Black is cut away: nothing the window draws is pure black.
constexpr QRgb kKey = qRgb(0, 0, 0);

constexpr int kDotCount = 12;
constexpr int kStepMs = 80;  // one turn of the ring in about a second
constexpr qreal kRingRadius = 78;
constexpr qreal kDotRadius = 8;
constexpr qreal kDiscRadius = 56;
constexpr qreal kTrackRadius = 46;
constexpr qreal kTrackWidth = 6;

// The skin's palette: graphite surfaces, one cyan accent.
constexpr QColor kAccent(0x2e, 0xc5, 0xff);
constexpr QColor kDotTail(0x3a, 0x3f, 0x48);
constexpr QColor kSurface(0x1b, 0x1d, 0x22);
constexpr QColor kTrack(0x2a, 0x2e, 0x35);
constexpr QColor kInk(0xea, 0xf7, 0xff);

QColor blend(const QColor& from, const QColor& to, qreal t) {
  const auto mix = [t](float a, float b) { return a + (b - a) * float(t); };
  return QColor::fromRgbF(mix(from.redF(), to.redF()), mix(from.greenF(), to.greenF()), mix(from.blueF(), to.blueF()));
}

}  // namespace

QPoint loadingPosition(const QRect& main, const QSize& own, bool atCreation) {
  // The same centring as the small dialogs, without their drop.
  QPoint position = dialogPosition(main, own, false);
  if (atCreation) position.ry() += kLoadingCreationDrop;
  return position;
}

LoadingWindow::LoadingWindow(QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), mainWindow_(mainWindow) {
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFixedSize(kLoadingSize);
  animation_.setInterval(kStepMs);
  connect(&animation_, &QTimer::timeout, this, [this] {
    frame_ = (frame_ + 1) % kDotCount;
    update();
  });
  move(loadingPosition(mainWindow_->geometry(), size(), true));
  reshape();
}

void LoadingWindow::ShowLoading() {
  move(loadingPosition(mainWindow_->geometry(), size(), false));
  show();
  raise();
}

void LoadingWindow::hideLoading() {
  hide();
  setProgress(0, 0);
}

void LoadingWindow::setProgress(int chunk, int chunkCount) {
  const bool hadProgress = hasProgress();
  chunkCount_ = std::max(chunkCount, 0);
  chunk_ = std::clamp(chunk, 0, chunkCount_);
  // The figure's disc is part of the window only while it is drawn.
  if (hadProgress != hasProgress()) reshape();
  update();
}

QString LoadingWindow::progressText() const {
  if (!hasProgress()) return {};
  return QStringLiteral("%1%").arg(chunk_ * 100 / chunkCount_);
}

void LoadingWindow::showEvent(QShowEvent*) { animation_.start(); }

void LoadingWindow::hideEvent(QHideEvent*) { animation_.stop(); }

void LoadingWindow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), kKey);
  draw(p);
}

void LoadingWindow::draw(QPainter& p) const {
  p.setRenderHint(QPainter::Antialiasing);
  const QPointF centre(width() / 2.0, height() / 2.0);

  // The ring: the leading dot in the accent, the ones behind it fading.
  p.setPen(Qt::NoPen);
  for (int i = 0; i < kDotCount; ++i) {
    const int age = (frame_ - i + kDotCount) % kDotCount;
    const qreal angle = 2 * M_PI * i / kDotCount;
    const QPointF at = centre + QPointF(kRingRadius * qSin(angle), -kRingRadius * qCos(angle));
    p.setBrush(blend(kAccent, kDotTail, std::min(1.0, age / 8.0)));
    p.drawEllipse(at, kDotRadius, kDotRadius);
  }
  if (!hasProgress()) return;

  // The transfer: an arc growing clockwise from the top, and its percentage.
  p.setBrush(kSurface);
  p.drawEllipse(centre, kDiscRadius, kDiscRadius);
  const QRectF track(centre - QPointF(kTrackRadius, kTrackRadius), QSizeF(2 * kTrackRadius, 2 * kTrackRadius));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kTrack, kTrackWidth, Qt::SolidLine, Qt::FlatCap));
  p.drawEllipse(track);
  p.setPen(QPen(kAccent, kTrackWidth, Qt::SolidLine, Qt::FlatCap));
  p.drawArc(track, 90 * 16, -360 * 16 * chunk_ / chunkCount_);
  QFont figure = font();
  figure.setPixelSize(22);
  figure.setBold(true);
  p.setFont(figure);
  p.setPen(kInk);
  p.drawText(track, Qt::AlignCenter, progressText());
}

void LoadingWindow::reshape() {
  // Without a compositor only a mask makes the window see-through: everything
  // the drawing leaves black is cut away.
  QImage shape(size(), QImage::Format_RGB32);
  shape.fill(kKey);
  {
    QPainter p(&shape);
    draw(p);
  }
  setMask(QRegion(QBitmap::fromImage(shape.createMaskFromColor(kKey, Qt::MaskInColor))));
}

}  // namespace orva::gui
