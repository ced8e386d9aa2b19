// The usage report sent over a WebSocket.
#include "EasyFunction.h"

#include "AppContext.h"

// TODO(issue 7): EchoClient and the report line.
QVariant EasyFunction::sendMsgToServer(QString) { return 0; }
QVariant EasyFunction::getCurVerAvailable() { return AppContext::latestVersion; }
