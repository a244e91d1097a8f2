/* A module with an extension, a save type and a failing save only, for the loader tests. */
#include "tessel/export_module.h"

const char* GetExtension(void) { return "prt"; }
int GetSaveType(void) { return TESSEL_SAVE_RGB; }
int SaveRGB(const char* path, const unsigned char* rgb, int width, int height) {
  (void)path, (void)rgb, (void)width, (void)height;
  return 0; /* reports that nothing was written */
}
