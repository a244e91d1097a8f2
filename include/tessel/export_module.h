/* Tessel export modules: the C interface between the program and a module.
 *
 * A module is a shared object named <name>.exp in a "modules" folder (the user folder's,
 * then the program folder's). Its name without ".exp" appears in the export dialog's
 * format list. The program loads it with dlopen, looks up each function below by name
 * with dlsym, and unloads it when the operation is over. Every function is optional;
 * a missing one is skipped. A module without GetSaveType cannot save.
 *
 * Strings are zero-terminated UTF-8 and stay owned by the module. Pixel buffers passed
 * to the module stay owned by the program and are valid only during the call; rows run
 * from the top row of the picture down, without gaps between rows.
 *
 * Build a module as a position-independent shared object, for example
 *   cc -shared -fPIC -o MyFormat.exp my_format.c
 * and put it into ~/.local/share/Tessel/modules/.
 */
#ifndef TESSEL_EXPORT_MODULE_H
#define TESSEL_EXPORT_MODULE_H

#ifdef __cplusplus
extern "C" {
#endif

/* What GetSaveType returns: which save function the program calls. */
enum TesselSaveType {
  TESSEL_SAVE_8BIT = 0, /* Save8: palette image, colours reduced by the program */
  TESSEL_SAVE_RGB = 1,  /* SaveRGB: 24-bit red, green, blue */
  TESSEL_SAVE_BGRA = 2  /* SaveBGRA: 32-bit blue, green, red, alpha of the document picture */
};

/* The file extension of the format without the dot, e.g. "webp". */
const char* GetExtension(void);

/* One of TesselSaveType. */
int GetSaveType(void);

/* The export's background colour as 0x00BBGGRR (red in the low byte); called before
 * every save when present. */
void SetBackColor(unsigned int colour);

/* Writes an 8-bit palette image to path: indices holds width x height bytes; colours is
 * the number of palette entries in use (at most 255); palette holds 256 entries of four
 * bytes: blue, green, red, reserved. Returns 1 when the file was written, else 0. */
int Save8(const char* path, const unsigned char* indices, int width, int height, int colours,
          const unsigned char* palette);

/* Writes a 24-bit image to path: rgb holds width x height pixels of red, green, blue
 * bytes. Returns 1 when the file was written, else 0. */
int SaveRGB(const char* path, const unsigned char* rgb, int width, int height);

/* Writes a 32-bit image to path: bgra holds width x height pixels of blue, green, red,
 * alpha bytes (alpha 255 is opaque), the document picture rendered on the background
 * colour. Returns 1 when the file was written, else 0. */
int SaveBGRA(const char* path, const unsigned char* bgra, int width, int height);

/* 1 when the module can read its own files back (ReadRGB), which the export dialog uses
 * to preview the written file; 0 otherwise. */
int HasImport(void);

/* Reads the file at path: returns width x height pixels of red, green, blue bytes in a
 * block allocated with malloc, which the program releases with free, and writes the
 * size to *width and *height; NULL when the file cannot be read. */
unsigned char* ReadRGB(const char* path, int* width, int* height);

/* Shows the module's own settings ("Plugin Properties"). */
void ShowSetup(void);

/* A text about the module, shown by "Plugin Properties" when ShowSetup is absent. */
const char* GetAbout(void);

/* Pointer types of the functions, for the program's dlsym look-ups. */
typedef const char* (*TesselGetExtensionFn)(void);
typedef int (*TesselGetSaveTypeFn)(void);
typedef void (*TesselSetBackColorFn)(unsigned int);
typedef int (*TesselSave8Fn)(const char*, const unsigned char*, int, int, int, const unsigned char*);
typedef int (*TesselSaveRGBFn)(const char*, const unsigned char*, int, int);
typedef int (*TesselSaveBGRAFn)(const char*, const unsigned char*, int, int);
typedef int (*TesselHasImportFn)(void);
typedef unsigned char* (*TesselReadRGBFn)(const char*, int*, int*);
typedef void (*TesselShowSetupFn)(void);
typedef const char* (*TesselGetAboutFn)(void);

#ifdef __cplusplus
}
#endif

#endif /* TESSEL_EXPORT_MODULE_H */
