#pragma once
// Where a small dialog opens over the main window: centred (integer halves,
// truncated toward zero), the combination-key dialog 40 pixels lower.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace orva::gui {

inline constexpr int kAssemblyDialogDrop = 40;

QPoint dialogPosition(const QRect& mainWindow, const QSize& dialog, bool combinationKeyDialog);

}  // namespace orva::gui
