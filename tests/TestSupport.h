#pragma once

#include <QString>
#include <QTemporaryDir>

namespace TestSupport {

// Points settings, data and documents folders at a fresh temporary folder, so a
// test never reads or writes the user's own files. Call before the
// application object is created.
void isolateUserFolders(const QTemporaryDir &dir);

} // namespace TestSupport
