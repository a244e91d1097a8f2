// What the desktop program's Qt tests share: the recording message sink of the test
// program's application context and its scratch folder.
#pragma once

#include <QString>

namespace tessel {
class CRecordingMessages;
}

namespace guitest {

// The messages every test's core calls went to.
tessel::CRecordingMessages& Recorder();
// A folder that lives while the tests run.
QString ScratchDir();

}  // namespace guitest
