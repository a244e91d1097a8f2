// Multimedia button frames: the normal, highlighted and pushed looks of one object,
// kept as plain copies (without frame flags of their own) and swapped into the object.
#include "document/draw_object.h"

namespace tessel {

namespace {
enum Frame { kNormal = 0, kHighlighted = 1, kPushed = 2 };

std::unique_ptr<CDrawObject> CloneRecord(const CDrawObject* src) {
  if (!src) return nullptr;
  auto copy = std::make_unique<CDrawObject>();
  *copy = *src;
  return copy;
}
}  // namespace

std::unique_ptr<CDrawObject>& CDrawObject::FrameSlot(int n) {
  if (n == kHighlighted) return m_frameHighlighted;
  if (n == kPushed) return m_framePushed;
  return m_frameNormal;
}

std::unique_ptr<CDrawObject> CDrawObject::MakeFrameCopy() const {
  auto copy = CloneRecord(this);
  copy->m_hasHighlightedFrame = 0;
  copy->m_hasPushedFrame = 0;
  copy->m_currentFrame = 0;
  return copy;
}

void CDrawObject::ShowFrameState(const CDrawObject& copy) {
  const int32_t hasH = m_hasHighlightedFrame, hasP = m_hasPushedFrame, nonInt = m_nonInteractive,
                glue = m_glueWithPrevious, current = m_currentFrame;
  *this = copy;
  m_hasHighlightedFrame = hasH;
  m_hasPushedFrame = hasP;
  m_nonInteractive = nonInt;
  m_glueWithPrevious = glue;
  m_currentFrame = current;
}

void CDrawObject::SetFrames(int frameToShow, int hasHighlighted, int hasPushed, int nonInteractive) {
  m_hasHighlightedFrame = hasHighlighted;
  m_hasPushedFrame = hasPushed;
  m_nonInteractive = nonInteractive;
  if (nonInteractive || (!hasHighlighted && !hasPushed)) return;
  if (frameToShow == kPushed && !hasPushed) return;
  if (frameToShow == m_currentFrame) return;
  FrameSlot(m_currentFrame) = MakeFrameCopy();
  std::unique_ptr<CDrawObject>& target = FrameSlot(frameToShow);
  if (!target) target = MakeFrameCopy();
  ShowFrameState(*target);
  m_currentFrame = frameToShow;
  AllocateBitmaps(m_width, m_height);
}

void CDrawObject::SelectFrame(int n) {
  if (n == m_currentFrame || m_nonInteractive) return;
  const CDrawObject* copy = nullptr;
  if (n == kNormal) copy = m_frameNormal.get();
  else if (n == kHighlighted && m_hasHighlightedFrame) copy = m_frameHighlighted.get();
  else if (n == kPushed && m_hasPushedFrame) copy = m_framePushed.get();
  if (!copy) return;
  ShowFrameState(*copy);
  m_currentFrame = n;
  AllocateBitmaps(m_width, m_height);
}

void CDrawObject::StoreShownFrame() {
  if (m_nonInteractive || (!m_hasHighlightedFrame && !m_hasPushedFrame)) return;
  FrameSlot(m_currentFrame) = MakeFrameCopy();
}

void CDrawObject::CopyFramesFrom(const CDrawObject& other) {
  m_hasHighlightedFrame = other.m_hasHighlightedFrame;
  m_hasPushedFrame = other.m_hasPushedFrame;
  m_nonInteractive = other.m_nonInteractive;
  m_frameHighlighted = CloneRecord(other.m_frameHighlighted.get());
  m_framePushed = CloneRecord(other.m_framePushed.get());
  m_frameNormal = CloneRecord(other.m_frameNormal.get());
}

}  // namespace tessel
