// The graphics unit: colours, fonts, pens, brushes, the recording canvas and pictures.
#pragma once

#include "vcl/bitmap.h"
#include "vcl/canvas.h"
#include "vcl/colors.h"
#include "vcl/font.h"
#include "vcl/geometry.h"
#include "vcl/text_metrics.h"

