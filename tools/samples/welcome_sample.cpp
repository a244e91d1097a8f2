// The welcome sample: the first project a new user opens.
#include "sample_util.h"

namespace tessel::samples {

// The welcome picture: a framed panel with a ball, a badge, a star and a wave.
void BuildWelcome(CVellumDoc& doc) {
  doc.m_width = 400;
  doc.m_height = 300;
  doc.m_background = Rgb(236, 240, 245);

  CDrawObject* panel = doc.NewObject();
  panel->m_color = Rgb(40, 70, 140);
  panel->m_color2 = Rgb(120, 170, 230);
  panel->m_gradientParam = 90;
  panel->m_bevelType = 2;  // "Flat Bevel"
  panel->m_bevelWidth = 10;
  panel->m_effect = 1;  // "Drop Shadow"
  panel->m_effectParam1 = 6;
  panel->m_effectAngle = 45;
  panel->SetEffectDistance(8.0);
  panel->m_effectParam2 = 140;
  panel->CreateRectangle(20, 20, 380, 280);
  panel->m_name = "Panel";

  CDrawObject* ball = doc.NewObject();
  ball->m_color = Rgb(230, 60, 40);
  ball->m_color2 = Rgb(255, 200, 80);
  ball->m_bevelType = 12;  // "3D Ball"
  ball->m_bevelWidth = 30;
  ball->m_bevelParam1 = 90;
  ball->m_bevelParam2 = 120;
  ball->m_effect = 3;  // "Glow"
  ball->m_effectColor = Rgb(255, 240, 160);
  ball->SetEffectDistance(6.5);
  ball->CreateCircle(50, 60, 170, 180);
  ball->m_name = "Ball";

  CDrawObject* badge = doc.NewObject();
  badge->m_color = Rgb(250, 250, 250);
  badge->m_color2 = Rgb(200, 210, 225);
  badge->m_gradientParam = 30;
  badge->m_bevelType = 1;  // "Smooth Bevel"
  badge->m_bevelWidth = 6;
  badge->m_outlineType = 1;  // "Solid Outline"
  badge->m_outlineWidth = 3;
  badge->m_outlineColor2 = Rgb(20, 30, 60);
  badge->m_opacity = 220;
  badge->CreateRoundRect(200, 50, 360, 130, 180);
  badge->m_name = "Badge";

  CDrawObject* star = doc.NewObject();
  star->m_color = Rgb(255, 210, 0);
  star->m_color2 = Rgb(255, 120, 0);
  star->m_gradientParam = 135;
  star->m_bevelType = 11;  // "Smooth Hi-Lite"
  star->m_bevelWidth = 12;
  star->m_effect = 1;  // "Drop Shadow"
  star->m_effectColor = Rgb(60, 30, 0);
  star->m_effectParam1 = 4;
  star->m_effectAngle = 315;
  star->SetEffectDistance(3.0);
  star->CreateStar(230, 140, 330, 240, 5, 2.2);
  star->m_name = "Star";

  // A closed wave across the bottom of the panel: anchor, control, control per segment.
  CDrawObject* wave = doc.NewObject();
  wave->m_color = Rgb(30, 160, 120);
  wave->m_color2 = Rgb(10, 80, 60);
  wave->m_gradientParam = 270;
  wave->m_bevelType = 20;  // "Linear Wash"
  wave->m_shadowOption = 0;
  wave->m_transpAmount = 0;
  const std::vector<CPointD> wavePoints = {
      {40, 250},  {80, 220},  {120, 280},  // crest, then trough
      {160, 250}, {200, 220}, {240, 280},
      {280, 250}, {320, 220}, {350, 270},
      {360, 262}, {360, 270}, {360, 270},  // right edge down to the floor
      {360, 270}, {200, 270}, {40, 270},   // along the floor
      {40, 270},  {40, 262},  {40, 255},   // back up to the start
  };
  wave->CreatePath(wavePoints, true);
  wave->m_name = "Wave";

  doc.CreateGroup({star, badge});
  doc.SetGuidelines({20, 200, 380}, {20, 150, 280}, 20);
  doc.m_notesAuthor = "Tessel";
  doc.m_notesProject = "Welcome";
  doc.m_notesVersion = "1";
  doc.m_notes = "A first look at shapes, bevels and effects.";
}

}  // namespace tessel::samples
