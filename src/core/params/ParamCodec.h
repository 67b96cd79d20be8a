#pragma once
// Conversion between the model and the parameter sections.

#include "core/params/ParamModel.h"
#include "core/params/ParamSections.h"

namespace orva {

// Encodes the model into the sections, touching only the bits each value
// owns. Checksums are left to the write that seals them.
void UIToDataBuf(const ParamModel& model, ParamSections& sections);

// Decodes the sections into the model. Values a control cannot show leave
// it as it was (LED count nibble 10..15) or without a selection.
void RefreshUI(const ParamSections& sections, ParamModel& model);

// The key-function codes of both profiles from the Profile section, then RefreshUI.
void DataBufToUI(const ParamSections& sections, ParamModel& model, ProfileCodes& profile1,
                 ProfileCodes& profile2);

// Sensor orientation: item index of cb_SensorOri <-> code in byte 0 bits 4..6.
int orientationCode(int item);
int orientationItem(int code);

}  // namespace orva
