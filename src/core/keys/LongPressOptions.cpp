#include "core/keys/LongPressOptions.h"

namespace orva {

void IB_ComboKeyClick(ParamModel& model, int option) {
  switch (option) {
    case 1:
      model.cb_MidPress = !model.cb_MidPress;
      if (model.cb_MidPress) model.cb_CPIPress = false;
      return;
    case 2:
      model.cb_CPIPress = !model.cb_CPIPress;
      if (model.cb_CPIPress) model.cb_MidPress = false;
      return;
    case 3:
      model.cb_GunPress = !model.cb_GunPress;
      return;
    default:
      return;
  }
}

bool longPressOption(const ParamModel& model, int option) {
  switch (option) {
    case 1:
      return model.cb_MidPress;
    case 2:
      return model.cb_CPIPress;
    case 3:
      return model.cb_GunPress;
    default:
      return false;
  }
}

}  // namespace orva
