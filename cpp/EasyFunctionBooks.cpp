// Book pages and the plain page loader.
#include "EasyFunction.h"

// TODO(issue 6): loaders with the fallback page.
QVariant EasyFunction::getBookContent(int) { return QString(); }
QVariant EasyFunction::getBookFrame(int, int) { return QString(); }
QVariant EasyFunction::getBookParagraph(int, int) { return QString(); }
QString EasyFunction::loadHtmlPage(const QString &) { return QString(); }
