/* GIF export module: writes the program's 8-bit palette picture as a GIF and reads GIF
 * files back (first frame) for the export preview. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <fcntl.h>
#include <gif_lib.h>
#include <unistd.h>

#include "module_export.h"

#define PALETTE_ENTRIES 256

TESSEL_EXPORT const char* GetExtension(void) { return "gif"; }

TESSEL_EXPORT int GetSaveType(void) { return TESSEL_SAVE_8BIT; }

TESSEL_EXPORT int HasImport(void) { return 1; }

TESSEL_EXPORT const char* GetAbout(void) {
  return "GIF export module\nWrites 256-colour GIF pictures from the reduced palette (giflib).";
}

/* palette: 256 entries of blue, green, red, reserved. */
TESSEL_EXPORT int Save8(const char* path, const unsigned char* indices, int width, int height, int colours,
                        const unsigned char* palette) {
  if (!path || !indices || !palette || width <= 0 || height <= 0 || width > 0xFFFF || height > 0xFFFF ||
      colours < 1 || colours > PALETTE_ENTRIES)
    return 0;
  GifColorType entries[PALETTE_ENTRIES];
  for (int i = 0; i < PALETTE_ENTRIES; ++i) {
    entries[i].Blue = palette[4 * i];
    entries[i].Green = palette[4 * i + 1];
    entries[i].Red = palette[4 * i + 2];
  }
  ColorMapObject* map = GifMakeMapObject(PALETTE_ENTRIES, entries);
  int error = 0;
  /* giflib would create the file readable by its owner only; a picture is for sharing. */
  const int fd = map ? open(path, O_WRONLY | O_CREAT | O_TRUNC, 0666) : -1;
  GifFileType* gif = fd >= 0 ? EGifOpenFileHandle(fd, &error) : NULL;
  if (fd >= 0 && !gif) close(fd);
  int ok = gif != NULL && EGifPutScreenDesc(gif, width, height, 8, 0, map) == GIF_OK &&
           EGifPutImageDesc(gif, 0, 0, width, height, false, NULL) == GIF_OK;
  for (int y = 0; ok && y < height; ++y)
    ok = EGifPutLine(gif, (GifPixelType*)(indices + (size_t)y * (size_t)width), width) == GIF_OK;
  if (gif && EGifCloseFile(gif, &error) != GIF_OK) ok = 0;
  GifFreeMapObject(map);
  if (!ok && fd >= 0) remove(path);
  return ok;
}

TESSEL_EXPORT unsigned char* ReadRGB(const char* path, int* width, int* height) {
  if (!path || !width || !height) return NULL;
  int error = 0;
  GifFileType* gif = DGifOpenFileName(path, &error);
  if (!gif) return NULL;
  unsigned char* rgb = NULL;
  if (DGifSlurp(gif) == GIF_OK && gif->ImageCount > 0 && gif->SWidth > 0 && gif->SHeight > 0 &&
      gif->SWidth <= TESSEL_MODULE_MAX_SIDE && gif->SHeight <= TESSEL_MODULE_MAX_SIDE) {
    const SavedImage* frame = &gif->SavedImages[0];
    const ColorMapObject* map = frame->ImageDesc.ColorMap ? frame->ImageDesc.ColorMap : gif->SColorMap;
    const int w = gif->SWidth, h = gif->SHeight;
    const GifImageDesc* d = &frame->ImageDesc;
    rgb = map ? calloc((size_t)w * (size_t)h, 3) : NULL;
    /* The frame may cover part of the screen; pixels outside it stay black. */
    for (int y = 0; rgb && y < d->Height; ++y) {
      const int sy = d->Top + y;
      if (sy < 0 || sy >= h) continue;
      for (int x = 0; x < d->Width; ++x) {
        const int sx = d->Left + x;
        const int index = frame->RasterBits[(size_t)y * (size_t)d->Width + (size_t)x];
        if (sx < 0 || sx >= w || index >= map->ColorCount) continue;
        unsigned char* p = rgb + ((size_t)sy * (size_t)w + (size_t)sx) * 3;
        p[0] = map->Colors[index].Red, p[1] = map->Colors[index].Green, p[2] = map->Colors[index].Blue;
      }
    }
    if (rgb) *width = w, *height = h;
  }
  DGifCloseFile(gif, &error);
  return rgb;
}
