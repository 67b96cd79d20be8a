#include "core/keys/SingleKeyCapture.h"

#include "core/keys/KeyTable.h"
#include "core/macros/MacroEventLine.h"

namespace orva {

void SingleKeyCapture::keyDown(int vk) {
  field_ = VkToCaptureName(vk);
  const std::uint8_t event = kind_ == KeyLineKind::Press ? kEventKeyDown : kEventKeyUp;
  result_ = field_ + " CODE:" + hexByte(event) + hexByte(VkToUsage(vk));
}

void SingleKeyCapture::clear() {
  field_.clear();
  result_.clear();
}

}  // namespace orva
