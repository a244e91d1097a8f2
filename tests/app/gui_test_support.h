// What the desktop program's Qt tests share: the recording message sink of the test
// program's application context, its scratch folder, and a main window with a new
// document.
#pragma once

#include <QString>
#include <memory>

namespace tessel {
class CRecordingMessages;
class MainWindow;
}

namespace guitest {

// The messages every test's core calls went to.
tessel::CRecordingMessages& Recorder();
// A folder that lives while the tests run.
QString ScratchDir();

// A shown main window with one new document (its ActiveWindow) whose view has had its
// first update.
std::unique_ptr<tessel::MainWindow> OpenWindowWithNewDocument();
// Closes window without asking to save its documents.
void CloseWithoutQuestions(std::unique_ptr<tessel::MainWindow>& window);

}  // namespace guitest
