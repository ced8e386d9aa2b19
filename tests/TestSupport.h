#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace TestSupport {

// Points settings, data and documents folders at a fresh temporary folder, so a
// test never reads or writes the user's own files. Call before the
// application object is created.
void isolateUserFolders(const QTemporaryDir &dir);

// Keeps a copy of every log message while still passing it on to the test
// framework (so QTest::ignoreMessage keeps working). Install once the test
// run has started, e.g. in initTestCase().
void recordLog();
QStringList &recordedLog();

} // namespace TestSupport
