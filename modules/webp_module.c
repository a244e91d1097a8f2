/* WebP export module: writes the document picture with its alpha as lossless WebP and
 * reads WebP files back for the export preview. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <webp/decode.h>
#include <webp/encode.h>

#include "module_export.h"

/* The largest file read back. */
#define MAX_FILE_BYTES (256L << 20)

TESSEL_EXPORT const char* GetExtension(void) { return "webp"; }

TESSEL_EXPORT int GetSaveType(void) { return TESSEL_SAVE_BGRA; }

TESSEL_EXPORT int HasImport(void) { return 1; }

TESSEL_EXPORT const char* GetAbout(void) {
  return "WebP export module\nWrites lossless WebP pictures with their transparency (libwebp).";
}

TESSEL_EXPORT int SaveBGRA(const char* path, const unsigned char* bgra, int width, int height) {
  if (!path || !bgra || width <= 0 || height <= 0 || width > WEBP_MAX_DIMENSION || height > WEBP_MAX_DIMENSION)
    return 0;
  uint8_t* encoded = NULL;
  const size_t size = WebPEncodeLosslessBGRA(bgra, width, height, width * 4, &encoded);
  if (size == 0) return 0;
  FILE* f = fopen(path, "wb");
  int ok = f != NULL && fwrite(encoded, 1, size, f) == size;
  if (f && fclose(f) != 0) ok = 0;
  WebPFree(encoded);
  if (!ok) remove(path);
  return ok;
}

/* Reads the whole file into a malloc block; NULL when it cannot. */
static unsigned char* ReadFile(const char* path, size_t* size) {
  FILE* f = fopen(path, "rb");
  if (!f) return NULL;
  unsigned char* data = NULL;
  if (fseek(f, 0, SEEK_END) == 0) {
    const long n = ftell(f);
    if (n > 0 && n <= MAX_FILE_BYTES && fseek(f, 0, SEEK_SET) == 0 && (data = malloc((size_t)n)) != NULL) {
      if (fread(data, 1, (size_t)n, f) == (size_t)n) {
        *size = (size_t)n;
      } else {
        free(data);
        data = NULL;
      }
    }
  }
  fclose(f);
  return data;
}

TESSEL_EXPORT unsigned char* ReadRGB(const char* path, int* width, int* height) {
  size_t size = 0;
  unsigned char* data = path && width && height ? ReadFile(path, &size) : NULL;
  if (!data) return NULL;
  int w = 0, h = 0;
  unsigned char* rgb = NULL;
  if (WebPGetInfo(data, size, &w, &h) && w > 0 && h > 0 && w <= TESSEL_MODULE_MAX_SIDE &&
      h <= TESSEL_MODULE_MAX_SIDE) {
    const size_t bytes = (size_t)w * (size_t)h * 3;
    rgb = malloc(bytes);
    if (rgb && !WebPDecodeRGBInto(data, size, rgb, bytes, w * 3)) {
      free(rgb);
      rgb = NULL;
    }
  }
  free(data);
  if (rgb) *width = w, *height = h;
  return rgb;
}
