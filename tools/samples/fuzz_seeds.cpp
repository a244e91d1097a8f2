// Small projects that seed the project-reader fuzzer.
#include <cstdio>
#include <cstring>
#include <fstream>

#include "base/app_context.h"
#include "base/archive.h"
#include "document/project_file.h"
#include "sample_util.h"

namespace tessel::samples {

namespace {
// Fills a 32-bit bitmap with a diagonal gradient and a small checker, opaque.
void PaintLayer(CDIBSection& bitmap, int width, int height) {
  bitmap.Create(width, height, 32);
  for (int y = 0; y < height; ++y) {
    uint8_t* p = bitmap.RowFromBottom(y);
    for (int x = 0; x < width; ++x, p += 4) {
      p[0] = uint8_t(x * 255 / width);
      p[1] = uint8_t(y * 255 / height);
      p[2] = uint8_t(((x / 4 + y / 4) & 1) ? 200 : 40);
      p[3] = 255;
    }
  }
}

bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  if (!out) {
    std::fprintf(stderr, "tessel-make-samples: cannot write %s\n", path.c_str());
    return false;
  }
  return true;
}

std::vector<uint8_t> Store(CVellumDoc& doc, bool compress) {
  CArchive ar;
  App().m_compressBitmaps = compress;
  WriteProject(ar, doc, false);
  return ar.TakeBuffer();
}

}  // namespace

// Small projects that reach the different parts of the reader: an empty canvas, plain
// shapes, painted layers stored raw and packed, a lens flare, button frames, a package,
// groups with guidelines and notes, and an older version without the preview word.
bool WriteFuzzSeeds(const std::string& dir) {
  bool ok = true;
  {
    CVellumDoc doc;
    doc.m_width = 16;
    doc.m_height = 16;
    ok &= WriteBytes(dir + "/empty.tsl", Store(doc, false));
  }
  {
    CVellumDoc doc;
    doc.m_width = 64;
    doc.m_height = 48;
    doc.NewObject()->CreateRectangle(4, 4, 30, 20);
    CDrawObject* c = doc.NewObject();
    c->m_bevelType = 1;
    c->CreateCircle(20, 10, 50, 40);
    ok &= WriteBytes(dir + "/shapes.tsl", Store(doc, false));

    // The same document in the version 4 layout: magic "QUILLDA4" and no preview word.
    std::vector<uint8_t> v4 = Store(doc, false);
    const size_t magicEnd = 1 + std::strlen(kProjectMagic);
    v4[magicEnd - 1] = '4';
    v4.erase(v4.begin() + long(magicEnd), v4.begin() + long(magicEnd + 4));
    ok &= WriteBytes(dir + "/shapes_v4.tsl", v4);
  }
  {
    CVellumDoc doc;
    doc.m_width = 40;
    doc.m_height = 40;
    CDrawObject* o = doc.NewObject();
    o->CreateRoundRect(2, 2, 20, 20, 200);
    PaintLayer(o->m_layer, 12, 10);
    PaintLayer(o->m_paintTransp, 6, 6);
    ok &= WriteBytes(dir + "/layer_raw.tsl", Store(doc, false));
    ok &= WriteBytes(dir + "/layer_packed.tsl", Store(doc, true));
  }
  {
    CVellumDoc doc;
    doc.m_width = 32;
    doc.m_height = 32;
    CDrawObject* flare = doc.NewObject();
    flare->m_effect = kEffectLensFlare;
    flare->CreateCircle(0, 0, 16, 16);
    CDrawObject* button = doc.NewObject();
    button->CreateStar(10, 10, 30, 30, 6, 1.5);
    button->SetFrames(1, 1, 1, 0);
    button->m_color = Rgb(0, 255, 0);
    button->SetFrames(2, 1, 1, 0);
    button->m_color = Rgb(0, 0, 255);
    button->SetFrames(0, 1, 1, 0);
    ok &= WriteBytes(dir + "/flare_frames.tsl", Store(doc, false));
  }
  {
    CVellumDoc inner;
    inner.m_width = 8;
    inner.m_height = 8;
    inner.NewObject()->CreateRectangle(1, 1, 6, 6);
    const std::vector<uint8_t> innerBytes = Store(inner, false);

    CVellumDoc doc;
    doc.m_width = 48;
    doc.m_height = 48;
    CDrawObject* package = doc.NewObject();
    package->CreateRectangle(2, 2, 20, 20);
    package->SetPackageData(innerBytes);
    CDrawObject* path = doc.NewObject();
    path->CreatePath({{10, 10}, {20, 0}, {30, 20}, {40, 10}}, false);
    doc.CreateGroup({package, path});
    doc.SetGuidelines({5, 25}, {12}, 10);
    doc.m_notesRights = "(c) Tessel";
    doc.m_notes = "seed";
    doc.m_strings1 = {"one"};
    doc.m_strings2 = {"two", "three"};
    PaintLayer(doc.m_blueprint, 8, 8);
    ok &= WriteBytes(dir + "/package_groups.tsl", Store(doc, true));
  }
  return ok;
}

}  // namespace tessel::samples
