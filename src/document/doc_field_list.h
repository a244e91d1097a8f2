// Every stored field of a document under its field name, for outside checks and for
// tests that compare whole documents. f is called as f(name, field) with the field's
// own type (int32_t, uint32_t, uint8_t, double, std::string, std::array, std::vector
// of int32_t or std::string, CRect, CDIBSection).
#pragma once

#include "document/vellum_doc.h"

namespace tessel {

template <class Doc, class F>
void ForEachStoredDocField(Doc& d, F&& f) {
  f("m_width", d.m_width);
  f("m_height", d.m_height);
  f("m_background", d.m_background);
  f("m_embedTextures", d.m_embedTextures);
  f("m_crop", d.m_crop);
  f("m_cropSet", d.m_cropSet);
  f("m_blueprint", d.m_blueprint);
  f("m_blueprintOnBack", d.m_blueprintOnBack);
  f("m_blueprintX", d.m_blueprintX);
  f("m_blueprintY", d.m_blueprintY);
  f("m_snapToGuides", d.m_snapToGuides);
  f("m_guidesV", d.m_guidesV);
  f("m_guidesH", d.m_guidesH);
  f("m_exportPath", d.m_exportPath);
  f("m_exportType", d.m_exportType);
  f("m_exportGain", d.m_exportGain);
  f("m_exportQuality", d.m_exportQuality);
  f("m_exportSharpen", d.m_exportSharpen);
  f("m_exportValue1", d.m_exportValue1);
  f("m_exportValue2", d.m_exportValue2);
  f("m_exportColors", d.m_exportColors);
  f("m_exportDither", d.m_exportDither);
  f("m_exportNumColors", d.m_exportNumColors);
  f("m_gridDistance", d.m_gridDistance);
  f("m_notesAuthor", d.m_notesAuthor);
  f("m_notesProject", d.m_notesProject);
  f("m_notesRights", d.m_notesRights);
  f("m_notesVersion", d.m_notesVersion);
  f("m_notesDate", d.m_notesDate);
  f("m_notes", d.m_notes);
  f("m_showNotesOnLoad", d.m_showNotesOnLoad);
  f("m_docValues", d.m_docValues);
  f("m_finePrint", d.m_finePrint);
  f("m_strings1", d.m_strings1);
  f("m_strings2", d.m_strings2);
}

}  // namespace tessel
