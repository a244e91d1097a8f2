// A document with a view and a recording window for the selection tests. The client
// area equals the canvas at zoom 1, so window points are document points.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "base/app_context.h"
#include "document/draw_object.h"
#include "document/vellum_doc.h"
#include "view/vellum_view.h"
#include "view/view_test_host.h"

namespace tessel::test {

struct SelectFixture {
  static constexpr int kWidth = 400, kHeight = 300;

  CAppContext app;
  CVellumDoc doc;
  RecordingViewHost host{{kWidth, kHeight}};
  std::unique_ptr<CVellumView> view;

  SelectFixture() {
    doc.m_width = kWidth;
    doc.m_height = kHeight;
    view = std::make_unique<CVellumView>(doc, host);
    view->OnInitialUpdate();
    view->OnSize({kWidth, kHeight});
    doc.ResetUndo();
  }

  // A rectangle (closed path, border 2) with exactly this box.
  CDrawObject* AddRect(int left, int top, int width, int height) {
    CDrawObject* o = doc.NewObject();
    o->CreateRectangle(left, top, left + width, top + height);
    return Place(o, left, top, width, height);
  }
  // An ellipse filling the box: the box's corners are not covered.
  CDrawObject* AddCircle(int left, int top, int width, int height) {
    CDrawObject* o = doc.NewObject();
    o->CreateCircle(left, top, left + width, top + height);
    return Place(o, left, top, width, height);
  }
  static CDrawObject* Place(CDrawObject* o, int left, int top, int width, int height) {
    o->m_left = left;
    o->m_top = top;
    o->AllocateBitmaps(width, height);
    return o;
  }

  void Press(CPoint p, ViewKeys keys = {}) { view->OnLButtonDown(p, keys); }
  void Click(CPoint p, ViewKeys keys = {}) {
    view->OnLButtonDown(p, keys);
    view->OnLButtonUp(p, keys);
  }
  void Drag(CPoint from, CPoint to, ViewKeys keys = {}) {
    view->OnLButtonDown(from, keys);
    view->OnMouseMove(to, keys);
    view->OnLButtonUp(to, keys);
  }
  size_t UndoSteps() const { return doc.m_undoList.size() - 1; }
  bool StatusSeen(const std::string& text) const {
    for (const std::string& s : host.statuses)
      if (s == text) return true;
    return false;
  }
};

inline ViewKeys Ctrl() { return {false, true, false}; }
inline ViewKeys Shift() { return {true, false, false}; }

}  // namespace tessel::test
