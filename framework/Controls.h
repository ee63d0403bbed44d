// The components a form is built from. Paint boxes, images and labels are areas of the form's
// one pixel surface; memo, edit, panel, button, status bar and scroll bar are real Qt widgets
// lying above it.
#pragma once

#include "Control.h"
#include "DrawnControls.h"
#include "Memo.h"
#include "SurfaceControls.h"
#include "WidgetControls.h"
#include "WinControl.h"
