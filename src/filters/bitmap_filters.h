// The filters of the Bitmap menu's Adjust and Effects commands, each on a picture of
// 32-bit blue-green-red-alpha pixels seen through a CBitmapView (which way is up does not
// matter to any of them). Alpha is never changed except by InvertAlpha.
#pragma once

#include <cstdint>

#include "base/dib_section.h"

namespace tessel {

// "Simple Sharpen" (10) and "Sharpen More" (20). Every channel of dst becomes
// clamp(trunc(c − L · amount · 0.005)), L = (sum of the eight neighbours) − 8c, read from
// src; neighbours outside the picture are the edge pixels of the same row or column.
// amount is clamped to 0..100. Views of 3 or 4 bytes per pixel (blue, green and red or
// any three channels); bytes beyond the third are left alone. Returns false (and
// changes nothing) when src and dst are the same buffer, either is missing or their
// shapes differ.
bool Sharpen3x3(const CBitmapView& src, const CBitmapView& dst, int amount);
// "Soft Blur" (10): c becomes trunc(m · f + c · (1 − f)), m = (sum of the eight
// neighbours) / 8, f = amount · 0.01, amount clamped to 0..100. Same rules as above.
bool Blur3x3(const CBitmapView& src, const CBitmapView& dst, int amount);

// "Oil Painting": each channel becomes the most frequent value of that channel in the
// 9 × 9 window around the pixel (positions outside the picture skipped), the smaller
// value on equal counts. src and dst are separate 32-bit pictures of the same size;
// dst's alpha is copied from src.
bool OilPaint(const CBitmapView& src, const CBitmapView& dst);
// The same with a full histogram per pixel: the reference OilPaint is tested against.
bool OilPaintReference(const CBitmapView& src, const CBitmapView& dst);

// Every alpha byte becomes 255 − alpha.
void InvertAlpha(const CBitmapView& picture);

// The per-channel levels tables of "Auto Level" (gamma 0: none) and "Enhance Digital
// Photo" (gamma 1.6), from the picture's histograms; tables[0] blue, [1] green, [2] red.
void AutoLevelTables(const CBitmapView& picture, double gamma, uint8_t tables[3][256]);
// Stretches each channel through AutoLevelTables.
void AutoLevel(const CBitmapView& picture, double gamma);
// The colour boost: each channel c with the other two o1, o2 (values from before)
// becomes clamp(Mix(2c, o1 + o2, 255, 210) / 2).
void ColourBoost(const CBitmapView& picture);
// AutoLevel with gamma 1.6, then ColourBoost.
void EnhanceDigitalPhoto(const CBitmapView& picture);

// "Brightness and Contrast": brightness and contrast each −100..100 (clamped), 0 leaves
// the picture unchanged. One table for all three channels:
//   k = 100 / (100 − min(contrast, 99)) for contrast ≥ 0, (100 + contrast) / 100 below,
//   out = clamp(floor((c + brightness · 2.55 − 127.5) · k + 127.5 + 0.5)).
// Brightness 100 makes every channel 255; contrast −100 makes every channel 128.
void BrightnessContrast(const CBitmapView& picture, int brightness, int contrast);

// "Hue && Saturation" in the hue/saturation/lightness model: the hue turns by hue
// degrees (−180..180), saturation and lightness move by −100..100 per cent toward 0
// (negative) or toward their maximum (positive). Saturation −100 gives grey; all three
// 0 leave the picture unchanged.
void HueSaturation(const CBitmapView& picture, int hue, int saturation, int lightness);

// "Pop Art": a bold poster of flat colour regions. The picture is smoothed by a
// Gaussian blur of radius `smoothing` (0..10), then every pixel gets the hue of its
// nearest 30-degree sector at the fixed saturation `saturation` per cent (0..100;
// nearly grey pixels stay grey) and one of `levels` (2..8) lightness bands; where the
// region changes to the next pixel right or below, a dark ink line of strength
// `outline` (0..255) is drawn.
void PopArt(const CBitmapView& picture, int levels, int smoothing, int saturation, int outline);

}  // namespace tessel
