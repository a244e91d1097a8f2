// The "Lights & Material" bar: switches the lights step of the selection (or of new
// objects) on and off, adds and deletes lights, chooses the bump map, loads and removes
// the environment picture, sets the material, and selects the tool that aims the lights.
#pragma once

#include <vector>

#include "app/document_window.h"  // PropertyBar::Window() converts a QPointer of it
#include "app/property_bar.h"

class QLabel;
class QListWidget;

namespace tessel {

class CDIBSection;

class LightsBar : public PropertyBar {
  Q_OBJECT
 public:
  explicit LightsBar(MainWindow& main);
  void Refresh() override;

  // Adds a light of type (CLight::Type) to the lights of the selection (or of new
  // objects) with one undo step, and selects it in the light list.
  void AddLight(int type);
  // Deletes the light selected in the list from the selection's lights (one undo step);
  // nothing without a selected light.
  void DeleteSelectedLight();
  // Names the bump map ("None.jpg" or "" for none).
  void SetBumpMap(const QString& name);
  // Names the surface skin of the Surface folders ("None.jpg" or "" for none).
  void SetSurfaceSkin(const QString& name);
  // Gives the selected objects the picture at path as their environment and renders
  // them; a reflection of 0 becomes a visible one (an undo step). False, with the reason
  // shown to the user, when the file cannot be read or nothing is selected.
  bool LoadEnvironment(const QString& path);
  // Removes the selected objects' environment pictures and renders them.
  void RemoveEnvironment();

  QListWidget* LightList() const { return m_lights; }

 private:
  // The rows of the bar: the light list with its buttons and the intensity of the
  // chosen light; the bump map and the environment picture; the material.
  void AddLightControls();
  void AddBumpControls();
  // The bump map's scale and inversion, and the surface skin (lights_bar_surface.cpp).
  void AddBumpShapeControls();
  void AddSurfaceControls();
  void AddMaterialControls();
  // The selected objects: the current one, else the multi-selection.
  std::vector<CDrawObject*> Selected() const;
  // Applies change to the environment picture of every selected object, then edit as
  // one look edit that renders each of them: the picture is not a stored field, so the
  // edit would not notice that it changed.
  void ChangeEnvironment(const std::function<void(CDIBSection&)>& change,
                         const std::function<void(CDrawObject&)>& edit);

  MainWindow& m_main;
  QListWidget* m_lights = nullptr;
  QLabel* m_bumpName = nullptr;
  QLabel* m_surfaceName = nullptr;
  QWidget* m_environmentButtons = nullptr;
};

}  // namespace tessel
