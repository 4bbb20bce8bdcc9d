#pragma once

#include <QPointer>
#include <functional>

class QDialog;

// Runs action on the next modal dialog as soon as it is shown, from inside its exec(), so that a test
// can drive a dialog that a command opens and waits for. A dialog that the action leaves open is
// rejected and fails the running test, so a test never hangs on it. Waiting stops after timeoutMs;
// a test that needs the dialog to appear checks that its action ran. The watch returned is gone
// once waiting has stopped.
QPointer<QObject> onNextModalDialog(std::function<void(QDialog*)> action, int timeoutMs = 5000);
