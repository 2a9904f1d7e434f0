#pragma once

// The whole drawing layer: a small GDI-like set of calls over QImage, exact to the pixel and
// without antialiasing. Everything runs on the user-interface thread.
#include "platform/gdi/bitmap.h"
#include "platform/gdi/brush.h"
#include "platform/gdi/colour.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/draw.h"
#include "platform/gdi/edge.h"
#include "platform/gdi/font.h"
#include "platform/gdi/mul_div.h"
#include "platform/gdi/objects.h"
#include "platform/gdi/picture.h"
#include "platform/gdi/region.h"
#include "platform/gdi/types.h"
#include "platform/gdi/window_region.h"
