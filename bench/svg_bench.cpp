// SVG export and import of a large document: 80 objects of every exported kind (closed
// and open paths, stars, contour sets with curves), 40 of them inside a package.
#include <benchmark/benchmark.h>

#include "base/app_context.h"
#include "base/archive.h"
#include "document/draw_object.h"
#include "document/vellum_doc.h"
#include "export/svg_export.h"
#include "export/svg_import.h"

namespace {

using tessel::CDrawObject;

void AddShapes(tessel::CVellumDoc& doc, int count) {
  for (int i = 0; i < count; ++i) {
    CDrawObject* o = doc.NewObject();
    const int x = (i * 37) % 1500, y = (i * 53) % 1300;
    switch (i % 4) {
      case 0: o->CreateRectangle(x, y, x + 120, y + 80); break;
      case 1: o->CreateStar(x, y, x + 150, y + 150, 3 + i % 9, 2.0); break;
      case 2: o->CreatePath({{double(x), double(y)}, {x + 90.0, y - 40.0}, {x + 150.0, y + 90.0}, {x + 200.0, y + 20.0}}, false); break;
      default:
        o->m_type = tessel::kTypePolynome;
        o->m_left = x, o->m_top = y;
        for (int k = 0; k < 60; ++k)
          o->m_polynome.m_points.push_back({double((k * 97) % 1000), double((k * 61) % 1000),
                                             uint8_t(k % 20 == 0 ? tessel::kPolyIsland : k % 3 == 1 ? tessel::kPolyCurve : 0)});
        o->AllocateBitmaps(160, 120);
    }
    o->m_opacity = 128 + i % 128;
    o->m_outlineType = i % 2;
  }
}

struct LargeDocument {
  tessel::CAppContext context;
  tessel::CVellumDoc doc;
  LargeDocument() {
    doc.m_width = 1800, doc.m_height = 1500;
    AddShapes(doc, 40);
    tessel::CVellumDoc inner;
    AddShapes(inner, 40);
    tessel::CArchive ar;
    ar.WriteU32(uint32_t(inner.ObjectCount()));
    for (auto& o : inner.m_objects) o->SerializeFields(ar, true);
    ar.WriteEndMarker();
    CDrawObject* package = doc.NewObject();
    package->m_type = tessel::kTypeBitmap;
    package->SetPackageData(ar.TakeBuffer());
    package->m_left = 100, package->m_top = 100, package->m_width = 800, package->m_height = 600;
  }
};

void BM_SvgExportText(benchmark::State& state) {
  LargeDocument large;
  size_t bytes = 0;
  for (auto _ : state) {
    const std::string text = tessel::SvgDocumentText(large.doc);
    bytes = text.size();
    benchmark::DoNotOptimize(text.data());
  }
  state.counters["svg_bytes"] = double(bytes);
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes));
}
BENCHMARK(BM_SvgExportText)->Unit(benchmark::kMillisecond);

// Reading the exported text back: XML parsing plus building and rendering every object.
void BM_SvgImport(benchmark::State& state) {
  LargeDocument large;
  const std::string text = tessel::SvgDocumentText(large.doc);
  for (auto _ : state) {
    const tessel::CSvgImport r = tessel::ReadSvgText(text);
    benchmark::DoNotOptimize(r.objects.size());
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(text.size()));
}
BENCHMARK(BM_SvgImport)->Unit(benchmark::kMillisecond);

}  // namespace
