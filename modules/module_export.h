/* Marks the functions a module exports; everything else stays hidden. */
#ifndef TESSEL_MODULE_EXPORT_H
#define TESSEL_MODULE_EXPORT_H
#include "tessel/export_module.h"
#define TESSEL_EXPORT __attribute__((visibility("default")))
/* The largest side a module reads back, so that a damaged file never claims a huge block. */
#define TESSEL_MODULE_MAX_SIDE 65536
#endif
