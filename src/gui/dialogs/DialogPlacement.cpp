#include "gui/dialogs/DialogPlacement.h"

namespace orva::gui {

QPoint dialogPosition(const QRect& mainWindow, const QSize& dialog, bool combinationKeyDialog) {
  // C++ integer division truncates toward zero, as the placement requires
  // (a dialog wider than the window lands left of it by half the difference).
  const int left = mainWindow.left() + (mainWindow.width() - dialog.width()) / 2;
  const int top = mainWindow.top() + (mainWindow.height() - dialog.height()) / 2 +
                  (combinationKeyDialog ? kAssemblyDialogDrop : 0);
  return {left, top};
}

}  // namespace orva::gui
