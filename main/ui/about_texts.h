// The two pages of the about window and the caption under its picture.
#pragma once

#include <cstddef>

// Each page is copied into a buffer of this size before it is wrapped.
constexpr size_t kPageBufferSize = 600;

extern const char kAboutText[];
extern const char kCreditsText[];
extern const char kPictureCaption[];
