#pragma once

// The whole GUI toolkit.
#include "c_anim_knob.h"
#include "c_bitmap.h"
#include "c_draw_context.h"
#include "c_font_desc.h"
#include "c_frame.h"
#include "c_kick_button.h"
#include "c_slider.h"
#include "c_text_edit.h"
#include "c_vstgui_timer.h"
#include "c_vu_meter.h"
#include "c_xy_pad.h"
#include "delegation_controller.h"
#include "pad_controller.h"
#include "timer_driver.h"
#include "ui_description.h"
#include "vst3_editor.h"
