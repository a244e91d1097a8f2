// The placement tools: texture size and rotation, perspective, lights, transparency-map
// placement, their resets and menus, and the clone tag's package-number dialog.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <memory>
#include <string>

#include "base/app_context.h"
#include "document/draw_object.h"
#include "document/vellum_doc.h"
#include "view/vellum_view.h"
#include "view/view_test_host.h"

namespace tessel {
namespace {

constexpr double kDeg = 57.29577951471995;

// A window that answers the number dialog and records tool tips.
struct PlacementHost : test::RecordingViewHost {
  using RecordingViewHost::RecordingViewHost;
  bool AskNumber(const std::string& title, int* value) override {
    asked = title;
    if (!answer) return false;
    *value = *answer;
    return true;
  }
  void ShowToolTip(const std::string& text) override { tip = text; }
  std::unique_ptr<int> answer;
  std::string asked, tip;
};

// A 400 by 300 canvas shown at zoom 1 with a 100 by 100 rectangle at (100, 100), the
// current object (centre (150, 150)).
struct PlacementFixture {
  CAppContext app;
  CVellumDoc doc;
  PlacementHost host{{400, 300}};
  std::unique_ptr<CVellumView> view;
  CDrawObject* o = nullptr;

  PlacementFixture() {
    doc.m_width = 400;
    doc.m_height = 300;
    doc.m_undoLevels = 20;  // room to count every gesture's step
    view = std::make_unique<CVellumView>(doc, host);
    view->OnInitialUpdate();
    view->OnSize({400, 300});
    o = AddRect(100, 100);
    doc.ResetUndo();
    view->SelectObject(o);
  }
  CDrawObject* AddRect(int left, int top) {
    CDrawObject* r = doc.NewObject();
    r->CreateRectangle(left, top, left + 100, top + 100);
    r->m_left = left;
    r->m_top = top;
    r->AllocateBitmaps(100, 100);
    return r;
  }
  void Drag(CPoint from, CPoint to, ViewKeys keys = {}) {
    view->OnLButtonDown(from, keys);
    view->OnMouseMove(to, keys);
    view->OnLButtonUp(to, keys);
  }
  size_t UndoSteps() const { return doc.m_undoList.size() - 1; }
};

constexpr ViewKeys kShift{true, false, false};
constexpr ViewKeys kCtrl{false, true, false};
constexpr ViewKeys kAlt{false, false, true};

// ---- Texture size and rotation ----

struct TextureFixture : PlacementFixture {
  TextureFixture() {
    o->m_textureName = "Marble.bmp";  // an image texture: the layer follows only with Alt
    o->m_texScaleY = 2.0;             // the Y handle 200 below the origin, off the main one
    doc.ResetUndo();
    view->Execute(ViewCommand::kToolTexture);
  }
};

TEST(TextureTool, MainHandleSetsAngleAndSizeFromTheOrigin) {
  TextureFixture f;
  EXPECT_EQ(f.host.LastStatus(), "SHIFT - Angle only, CTRL - Size only, ALT - also Bitmap Layer");
  // Size 1 at angle 0 puts the main handle 100 pixels below the origin.
  EXPECT_EQ(f.view->PlacementHandleAt({150, 250}), 2);
  f.Drag({150, 250}, {210, 230});  // 60 right, 80 down from the origin: d = 100
  const double a = 90 - std::atan2(80.0, 60.0) * kDeg;
  EXPECT_DOUBLE_EQ(f.o->m_texAngle, a);
  EXPECT_DOUBLE_EQ(f.o->m_texAngle2, -a);
  EXPECT_DOUBLE_EQ(f.o->m_texScaleX, 1.0);
  EXPECT_DOUBLE_EQ(f.o->m_texScaleY, 2.0);
  EXPECT_EQ(f.o->m_layerAngle, 0);  // no Alt: the layer keeps its placement
  EXPECT_EQ(f.UndoSteps(), 1u);
  EXPECT_EQ(f.host.LastStatus(), "Angle: 36.9, Size mg 1, Bitmap Layer mg 1");
  // The step holds the placement: undo brings the old one back.
  ASSERT_TRUE(f.view->Execute(ViewCommand::kUndo));
  const CDrawObject& restored = *f.doc.m_objects.front();  // undo rebuilds the objects
  EXPECT_DOUBLE_EQ(restored.m_texScaleY, 2.0);
  EXPECT_EQ(restored.m_texAngle, 0.0);
}

TEST(TextureTool, StatusTellsAboutTheLayerUnlessAltIsHeld) {
  TextureFixture f;
  ASSERT_TRUE(f.o->m_layer.Create(100, 100));
  f.Drag({150, 150}, {151, 150});
  EXPECT_EQ(f.host.LastStatus(), "Offset: (1,0), Bitmap Layer: (0,0)  (ALT to move also Bitmap Layer)");
  f.Drag({151, 150}, {152, 151}, kAlt);
  EXPECT_EQ(f.host.LastStatus(), "Offset: (2,1), Bitmap Layer: (1,1) ");
  f.view->OnLButtonDown({50, 150}, {});  // perspective handle
  f.view->OnMouseMove({50, 151}, {});
  EXPECT_EQ(f.host.LastStatus().rfind("Perspective Angle : ", 0), 0u);
  f.view->OnLButtonUp({50, 151}, {});
}

TEST(TextureTool, ShiftKeepsSizesCtrlKeepsAnglesAltMovesTheLayer) {
  TextureFixture f;
  f.Drag({150, 250}, {150, 330}, kShift);  // d = 180 straight down: angle 0, size kept
  EXPECT_DOUBLE_EQ(f.o->m_texScaleX, 1.0);
  EXPECT_NEAR(f.o->m_texAngle, 0.0, 1e-6);  // the degree factor is not exactly 180 / pi
  f.Drag({150, 250}, {250, 150}, kShift);  // straight right: angle 90, size kept
  EXPECT_DOUBLE_EQ(f.o->m_texAngle, 90.0);
  EXPECT_DOUBLE_EQ(f.o->m_texScaleX, 1.0);
  // The main handle now lies 100 pixels right of the origin.
  f.Drag({250, 150}, {330, 150}, kCtrl);  // size 1.8, angle kept
  EXPECT_DOUBLE_EQ(f.o->m_texScaleX, 1.8);
  EXPECT_DOUBLE_EQ(f.o->m_texScaleY, 3.6);  // follows the main size
  EXPECT_DOUBLE_EQ(f.o->m_texAngle, 90.0);
  f.Drag({330, 150}, {150, 200}, kAlt);  // 50 below the centre: size 0.5, angle 0, layer too
  EXPECT_DOUBLE_EQ(f.o->m_texScaleX, 0.5);
  EXPECT_DOUBLE_EQ(f.o->m_layerScaleX, 0.5);
  EXPECT_EQ(f.o->m_layerAngle, 0);
  EXPECT_EQ(f.UndoSteps(), 4u);
}

TEST(TextureTool, OriginAxisAndPerspectiveHandles) {
  TextureFixture f;
  f.Drag({150, 150}, {160, 145});  // origin: by the mouse delta
  EXPECT_EQ(f.o->m_texOffsetX, 10);
  EXPECT_EQ(f.o->m_texOffsetY, -5);
  EXPECT_EQ(f.o->m_layerOffsetX, 0.0);
  EXPECT_EQ(f.host.LastStatus(), "Offset: (10,-5), Bitmap Layer: (0,0) ");
  f.Drag({160, 145}, {170, 145}, kShift);  // Shift: the origin stays
  EXPECT_EQ(f.o->m_texOffsetX, 10);
  // Without an image texture the layer moves along without Alt.
  f.o->m_textureName = "Linear Gradient.tmb";
  f.Drag({160, 145}, {150, 150});
  EXPECT_EQ(f.o->m_texOffsetX, 0);
  EXPECT_EQ(f.o->m_layerOffsetX, -10.0);
  EXPECT_EQ(f.o->m_layerOffsetY, 5.0);

  // The Y axis handle at size 1 and angle 0 lies 100 pixels below the origin, on the
  // main handle; the later handle wins.
  f.o->m_textureName = "Marble.bmp";
  f.o->m_texScaleY = 1.0;
  EXPECT_EQ(f.view->PlacementHandleAt({150, 250}), 3);
  f.Drag({150, 250}, {150, 190}, kCtrl);  // Y size 0.4, angle kept
  EXPECT_DOUBLE_EQ(f.o->m_texScaleY, 0.4);
  EXPECT_DOUBLE_EQ(f.o->m_texAngle2, 0.0);

  // Perspective: 100 left of the origin; Shift and Ctrl do not hold it back.
  f.Drag({50, 150}, {50, 100}, kCtrl);
  const double a = 90 - std::atan2(-50.0, -100.0) * kDeg;  // 243.43...
  EXPECT_EQ(f.o->m_texPerspAngle, double(int(a + 90)));
  EXPECT_DOUBLE_EQ(f.o->m_texPerspAmount, 1.11);  // truncate(111.8) * 0.01
}

TEST(TextureTool, HoverNamesTheHandleAndOwnMenuResets) {
  TextureFixture f;
  // Without a current object a press picks one by its box and starts no drag.
  f.view->SelectObject(nullptr);
  f.view->OnLButtonDown({150, 250}, {});
  EXPECT_EQ(f.view->CurrentObject(), nullptr);
  f.view->OnLButtonDown({101, 101}, {});
  EXPECT_EQ(f.view->CurrentObject(), f.o);
  EXPECT_FALSE(f.view->Dragging());
  f.view->OnLButtonUp({101, 101}, {});
  f.view->CursorAt({150, 250}, {});
  EXPECT_EQ(f.host.tip, "Main Size/Angle");
  EXPECT_EQ(f.view->CursorAt({150, 250}, {}), ViewCursor::kPointEdit);
  EXPECT_EQ(f.view->CursorAt({20, 20}, {}), ViewCursor::kArrow);
  EXPECT_EQ(f.view->ContextMenuEntries(),
            (std::vector<std::string>{"Reset All", "Reset Offset", "Reset Size", "Reset Angle", "Reset Perspective",
                                      "Reset Bitmap Angle"}));
  f.o->m_texScaleX = 3, f.o->m_layerScaleY = 2, f.o->m_texAngle = 40, f.o->m_texOffsetX = 7;
  f.o->m_texPerspAmount = 2, f.o->m_layerPerspMode = 5, f.o->m_bitmapAngle = 30;
  ASSERT_TRUE(f.view->Execute(ViewCommand::kResetSize));
  EXPECT_EQ(f.o->m_texScaleX, 1.0);
  EXPECT_EQ(f.o->m_layerScaleY, 1.0);
  EXPECT_EQ(f.o->m_texAngle, 40.0);  // only the size
  EXPECT_EQ(f.UndoSteps(), 1u);
  f.view->Execute(ViewCommand::kResetBitmapAngle);
  EXPECT_EQ(f.o->m_bitmapAngle, 0);
  EXPECT_EQ(f.o->m_texOffsetX, 7);
  f.view->Execute(ViewCommand::kResetAll);
  EXPECT_EQ(f.o->m_texAngle, 0.0);
  EXPECT_EQ(f.o->m_texOffsetX, 0);
  EXPECT_EQ(f.o->m_texPerspAmount, 1.0);
  EXPECT_EQ(f.o->m_layerPerspMode, 0);
  EXPECT_EQ(f.UndoSteps(), 3u);
  f.view->SelectObject(nullptr);
  EXPECT_FALSE(f.view->State(ViewCommand::kResetAll).enabled);
}

// ---- Perspective ----

TEST(PerspectiveTool, CornerFollowsTheMouseInBoxUnits) {
  PlacementFixture f;
  f.view->Execute(ViewCommand::kToolPerspective);
  EXPECT_TRUE(f.view->State(ViewCommand::kToolPerspective).checked);
  // Top-right corner (200, 100) to (233, 91): (133 / 100, -9 / 100) as 32-bit floats.
  f.view->OnLButtonDown({200, 100}, {});
  f.view->OnMouseMove({233, 91}, {});
  EXPECT_EQ(f.o->m_perspX[1], 1.33f);  // live while dragging
  f.view->OnLButtonUp({233, 91}, {});
  EXPECT_EQ(f.o->m_perspX[1], float(133) / float(100));
  EXPECT_EQ(f.o->m_perspY[1], -0.09f);
  EXPECT_EQ(f.o->m_perspX[0], 0.0f);
  EXPECT_EQ(f.o->m_perspY[3], 1.0f);
  EXPECT_EQ(f.UndoSteps(), 1u);
  // A press and release without a move records nothing.
  f.view->OnLButtonDown({100, 200}, {});
  f.view->OnLButtonUp({100, 200}, {});
  EXPECT_EQ(f.UndoSteps(), 1u);
  // Bottom-left dragged onto the top-left corner: the top-left, tested first, wins next.
  f.Drag({100, 200}, {100, 100});
  EXPECT_EQ(f.o->m_perspY[2], 0.0f);
  f.Drag({100, 100}, {120, 110});
  EXPECT_EQ(f.o->m_perspX[0], 0.2f);
  EXPECT_EQ(f.o->m_perspY[2], 0.0f);

  EXPECT_EQ(f.view->ContextMenuEntries(), std::vector<std::string>{"Reset Persp. transformation"});
  f.view->Execute(ViewCommand::kResetPerspTransformation);
  EXPECT_EQ(f.o->m_perspX, (std::array<float, 4>{0, 1, 0, 1}));
  EXPECT_EQ(f.o->m_perspY, (std::array<float, 4>{0, 0, 1, 1}));
  EXPECT_EQ(f.UndoSteps(), 4u);
  f.view->Execute(ViewCommand::kToolSelect);
  EXPECT_EQ(f.view->ContextMenuEntries(),
            (std::vector<std::string>{"&Copy", "&Paste", "Paste Atributes", "Break Path", "Close Path", "Bitmap",
                                      "Polynome", "Envelope"}));
}

// ---- Lights ----

struct LightsFixture : PlacementFixture {
  LightsFixture() {
    CLight distant;  // at the box centre (150, 150), distance 1 box width = 100 pixels
    CLight point;
    point.type = CLight::kPoint;
    o->m_lights.m_lights = {distant, point};
    view->Execute(ViewCommand::kToolLights);
  }
  const CLight& Light(int i) const { return o->m_lights.m_lights[size_t(i)]; }
};

TEST(LightsTool, RightPressGoesToTheNextLightAndWraps) {
  LightsFixture f;
  EXPECT_EQ(f.view->CurrentLight(), 0);
  f.view->OnRButtonDown({10, 10}, {});
  EXPECT_FALSE(f.view->OnRButtonUp({10, 10}, {}));  // no context menu
  EXPECT_EQ(f.view->CurrentLight(), 1);
  EXPECT_EQ(f.host.LastStatus(), "Point 2");
  f.view->OnRButtonDown({10, 10}, {});
  EXPECT_EQ(f.view->CurrentLight(), 0);

  // A double-click picks the object under the mouse, starting at its first light.
  CDrawObject* second = f.AddRect(250, 20);
  f.view->OnLButtonDblClk({300, 70}, {});
  EXPECT_EQ(f.view->CurrentObject(), second);
  EXPECT_EQ(f.host.LastStatus(), "This object doesn't have Lights.");
  f.view->OnLButtonDblClk({150, 150}, {});
  EXPECT_EQ(f.view->CurrentObject(), f.o);
  EXPECT_EQ(f.view->CurrentLight(), 0);

  f.o->m_lights.m_lights.clear();
  f.view->OnLButtonDown({150, 150}, {});
  EXPECT_EQ(f.host.LastStatus(), "This object doesn't have Lights.");
  EXPECT_FALSE(f.view->Dragging());
}

TEST(LightsTool, HandlesSetPositionAzimuthDistanceConeFocus) {
  LightsFixture f;
  f.Drag({150, 150}, {160, 130});  // handle 1: position by the delta, y from the bottom
  EXPECT_DOUBLE_EQ(f.Light(0).x, 0.6);
  EXPECT_DOUBLE_EQ(f.Light(0).y, 0.7);
  f.o->m_lights.m_lights[0].x = f.o->m_lights.m_lights[0].y = 0.5;  // back to the centre
  EXPECT_EQ(f.UndoSteps(), 1u);

  f.Drag({50, 150}, {70, 150});  // handle 3: DIST = 150 - 70 = 80 pixels
  EXPECT_DOUBLE_EQ(f.Light(0).distance, 0.8);
  // Handle 2 at the distance along 135 degrees: (150 - 56.6, 150 - 56.6).
  f.Drag({93, 93}, {250, 150});
  EXPECT_DOUBLE_EQ(f.Light(0).azimuth, 6.283185307179586);
  // Cone handle 10 + 0.5 * 80 * 5/9 = 32.2 above: d - 10 over 80 * 5/9.
  f.Drag({150, 118}, {150, 90});
  EXPECT_DOUBLE_EQ(f.Light(0).cone, 50.0 / (80 * 0.5555555555555556));
  f.Drag({150, 90}, {150, 0});  // clamped
  EXPECT_DOUBLE_EQ(f.Light(0).cone, 1.5);
  // Focus handle right of R at 10 + 1 * (80 * 5/9 * 1.5 + 10) = 86.7.
  f.Drag({237, 150}, {210, 150});
  EXPECT_DOUBLE_EQ(f.Light(0).focus, 50.0 / (80 * 0.5555555555555556 * 1.5 + 10));
  // Elevation handle 1 / 0.02 = 50 below R: d * 0.02.
  f.Drag({150, 200}, {150, 225});
  EXPECT_DOUBLE_EQ(f.Light(0).elevation, 1.5);
  EXPECT_EQ(f.UndoSteps(), 7u);
}

TEST(LightsTool, PointLightMovesByTheAzimuthHandle) {
  LightsFixture f;
  f.view->OnRButtonDown({10, 10}, {});  // the point light
  f.Drag({79, 79}, {89, 89});           // handle 2 at 100 along 135 degrees
  EXPECT_DOUBLE_EQ(f.Light(1).x, 0.6);
  EXPECT_DOUBLE_EQ(f.Light(1).y, 0.4);
  EXPECT_DOUBLE_EQ(f.Light(1).azimuth, CLight().azimuth);
  // A point light's elevation is measured from A, the point at the distance along the
  // azimuth: its handle lies 10 + 1 / (1 * 0.01) below A.
  f.o->m_lights.m_lights[1].x = f.o->m_lights.m_lights[1].y = 0.5;
  const double ax = 150 + 100 * std::cos(CLight().azimuth), ay = 150 - 100 * std::sin(CLight().azimuth);
  f.Drag({79, 189}, {79, 139});
  EXPECT_DOUBLE_EQ(f.Light(1).elevation, 1.0 / ((std::hypot(79 - ax, 139 - ay) - 10) * 0.01));
  f.Drag({79, 139}, {79, 80});  // within 11 pixels of A: the step is held at 0.01
  EXPECT_DOUBLE_EQ(f.Light(1).elevation, 100.0);
}

// ---- Transparency map ----

TEST(TranspMapTool, StartEndAndBiasPerMapKind) {
  for (const char* name : {"Linear.tmb", "Bilinear.tmb", "Radial.tmb"}) {
    SCOPED_TRACE(name);
    PlacementFixture f;
    EXPECT_FALSE(f.view->State(ViewCommand::kToolTranspMap).enabled);  // no gradient map
    EXPECT_FALSE(f.view->Execute(ViewCommand::kToolTranspMap));
    f.o->m_transpName = name;
    ASSERT_TRUE(f.view->Execute(ViewCommand::kToolTranspMap));
    EXPECT_EQ(f.view->Tool(), kToolTranspMap);
    // Start (0, 0.5) is (100, 150), end (1, 0.5) is (200, 150), bias 0.5 halfway.
    f.Drag({150, 150}, {125, 150});
    EXPECT_DOUBLE_EQ(f.o->m_transpGeom[2], 0.25);
    f.Drag({125, 150}, {300, 150});
    EXPECT_DOUBLE_EQ(f.o->m_transpGeom[2], 1.0);  // clamped
    f.Drag({100, 150}, {110, 140});  // start: y counts from the bottom
    EXPECT_DOUBLE_EQ(f.o->m_transpGeom[0], 0.1);
    EXPECT_DOUBLE_EQ(f.o->m_transpGeom[3], 0.6);
    f.Drag({200, 150}, {190, 170});  // end
    EXPECT_DOUBLE_EQ(f.o->m_transpGeom[1], 0.9);
    EXPECT_DOUBLE_EQ(f.o->m_transpGeom[4], 0.3);
    EXPECT_EQ(f.UndoSteps(), 4u);
  }
}

// Every kind shows its three handles and the line from start to end; a bilinear map
// adds the mirrored line, a radial map the circle through the end.
TEST(TranspMapTool, OverlaysShowEachKindsShape) {
  struct Expect {
    const char* name;
    int lines, circles;
  };
  for (const Expect& e : {Expect{"Linear.tmb", 1, 0}, Expect{"Bilinear.tmb", 2, 0}, Expect{"Radial.tmb", 1, 1}}) {
    SCOPED_TRACE(e.name);
    PlacementFixture f;
    f.o->m_transpName = e.name;
    f.view->Execute(ViewCommand::kToolTranspMap);
    int lines = 0, circles = 0, handles = 0;
    for (const OverlayItem& item : f.view->Paint({0, 0, 400, 300}).overlays) {
      lines += item.kind == OverlayKind::kLine;
      circles += item.kind == OverlayKind::kPolyline && item.closed;
      handles += item.kind == OverlayKind::kFillRect && item.window && item.rect.Width() == 6;
    }
    EXPECT_EQ(lines, e.lines);
    EXPECT_EQ(circles, e.circles);
    EXPECT_EQ(handles, 3);
  }
}

// ---- Clone tag ----

struct CloneFixture : PlacementFixture {
  CDrawObject* package = AddRect(250, 150);
  CDrawObject* other = AddRect(250, 20);
  CloneFixture() {
    package->m_packageSize = 1;
    package->m_packageId = 7;
    other->m_packageSize = 1;
    other->m_packageId = 3;
    o->m_cloneOf = 7;
  }
  // The tag lies from (left + 6, top - 2) of the selection rectangle.
  void PressTag(const CDrawObject& object) {
    const CRect s = object.GetSelectionRect();
    view->OnLButtonDown({s.left + 10, s.top + 2}, {});
    view->OnLButtonUp({s.left + 10, s.top + 2}, {});
  }
};

TEST(CloneTag, AsksForThePackageNumberOfAClone) {
  CloneFixture f;
  f.host.answer = std::make_unique<int>(3);
  f.PressTag(*f.o);
  EXPECT_EQ(f.host.asked, "Package Number");
  EXPECT_EQ(f.o->m_cloneOf, 3);
  EXPECT_EQ(f.UndoSteps(), 1u);
  EXPECT_FALSE(f.view->Dragging());
  *f.host.answer = 9;  // no such package: refused
  f.PressTag(*f.o);
  EXPECT_EQ(f.o->m_cloneOf, 3);
  EXPECT_EQ(f.host.LastStatus(), "There is no package number 9.");
  f.host.answer.reset();  // Cancel
  f.PressTag(*f.o);
  EXPECT_EQ(f.o->m_cloneOf, 3);
  EXPECT_EQ(f.UndoSteps(), 1u);
}

TEST(CloneTag, RenumberingASourceTakesItsClonesAlong) {
  CloneFixture f;
  f.view->SelectObject(f.package);
  f.host.answer = std::make_unique<int>(3);  // taken by the other package
  f.PressTag(*f.package);
  EXPECT_EQ(f.package->m_packageId, 7);
  EXPECT_EQ(f.host.LastStatus(), "The package number 3 is already used.");
  *f.host.answer = 12;
  f.PressTag(*f.package);
  EXPECT_EQ(f.package->m_packageId, 12);
  EXPECT_EQ(f.o->m_cloneOf, 12);
  EXPECT_EQ(f.UndoSteps(), 1u);
}

}  // namespace
}  // namespace tessel
