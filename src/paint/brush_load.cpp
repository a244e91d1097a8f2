#include "paint/brush_load.h"

#include <filesystem>

#include "base/app_context.h"
#include "base/archive.h"
#include "base/user_messages.h"
#include "paint/brush_record.h"

namespace tessel {

bool LoadArchiveFile(const std::string& path, const std::function<void(CArchive&)>& read) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return false;
  CArchive ar;
  try {
    ar = CArchive::FromFile(path);
  } catch (const CArchiveException&) {
    return false;  // unreadable: nothing to tell beyond the failure
  }
  std::string message;
  try {
    read(ar);
    return true;
  } catch (const CBrushDataError& e) {
    message = e.what();
  } catch (const CArchiveException&) {
    // A record cut short outside a bitmap's pixels.
    message = kCorruptedDataMsg;
  } catch (const std::bad_alloc&) {
    message = kCorruptedDataMsg;
  }
  App().Messages().Message(message, MsgButtons::kOk);
  return false;
}

}  // namespace tessel
