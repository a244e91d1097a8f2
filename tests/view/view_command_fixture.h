// A document with bitmap objects of exact sizes, shown by a view with a recording
// window, for the tests of the view's commands.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "base/app_context.h"
#include "base/profile.h"
#include "document/bitmap_object.h"
#include "document/draw_object.h"
#include "document/vellum_doc.h"
#include "view/vellum_view.h"
#include "view/view_test_host.h"

namespace tessel::test {

// A picture of the given size in one opaque colour (blue, green, red bytes from bgr).
inline CDIBSection SolidPicture(int width, int height, uint32_t bgr) {
  CDIBSection picture;
  picture.Create(width, height, 32);
  for (size_t i = 0; i + 3 < picture.SizeBytes(); i += 4) {
    picture.Bits()[i] = uint8_t(bgr);
    picture.Bits()[i + 1] = uint8_t(bgr >> 8);
    picture.Bits()[i + 2] = uint8_t(bgr >> 16);
    picture.Bits()[i + 3] = 255;
  }
  return picture;
}

struct ViewFixture {
  CAppContext app;
  std::unique_ptr<CVellumDoc> doc;
  RecordingViewHost host;
  std::unique_ptr<CVellumView> view;

  explicit ViewFixture(int width = 400, int height = 300) {
    app.Profile().WriteInt("Settings", "Undo", 30);  // room to count every step
    doc = std::make_unique<CVellumDoc>();
    doc->OnNewDocument();
    doc->m_width = width;
    doc->m_height = height;
    view = std::make_unique<CVellumView>(*doc, host);
    view->OnInitialUpdate();
  }

  // A bitmap object whose box is exactly (left, top, width, height), named name.
  CDrawObject* Add(int left, int top, int width, int height, const std::string& name = "") {
    auto object = MakeBitmapObject(SolidPicture(width, height, 0x336699));
    object->SetPosition(left, top);
    object->m_name = name;
    return doc->AddObject(std::move(object));
  }
  // The present state becomes the base of undo.
  void Settle() { doc->ResetUndo(); }
  size_t Steps() const { return doc->m_undoList.size() - 1; }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& o : doc->m_objects) names.push_back(o->m_name);
    return names;
  }
  CRect Box(int position) const { return doc->ObjectAt(position)->GetBoxRect(); }
};

}  // namespace tessel::test
