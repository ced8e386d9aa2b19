// SPDX-License-Identifier: GPL-3.0-or-later
#include "SelfTest.h"

#include "ScriptConverter.h"
#include "SqloneCustomerModel.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QImage>
#include <QQmlApplicationEngine>
#include <QQmlError>
#include <QQuickItem>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTimer>
#include <cstdio>

namespace {
// Long enough for transitions (popups, stack pushes) to settle, for the
// screenshots.
constexpr int kSettleMs = 1500;
// The longest a popup may take to open or close.
constexpr int kPopupTimeoutMs = 2000;

// A phone held upright and a desktop window.
const QList<QSize> kSizes = {QSize(480, 860), QSize(1280, 900)};

// The chart page is shown with a stored sample record, once per view.
const QStringList kChartViews = {QStringLiteral("chart-book"), QStringLiteral("chart-notes"),
                                 QStringLiteral("chart-shensha"), QStringLiteral("chart-display"),
                                 QStringLiteral("chart-layers"), QStringLiteral("chart-boundaries")};

// A birth by the clock in the last minute of the 午 double-hour, hour marked
// unknown: the chart shows a boundary warning, the rules table and the twelve
// candidates.
const QString kBoundarySampleName = QStringLiteral("时辰边界");
const QString kBoundarySamplePlace = QStringLiteral("北京市 东城区");

QString storeBoundarySampleRecord()
{
    SqloneCustomerModel model;
    const QString id = model
        .newCustomer(0, 0, QStringLiteral("2024/3/5/12/59"), QStringLiteral("公历: 2024年3月5日12时59分"),
                     QStringLiteral("116.4"), kBoundarySamplePlace, kBoundarySampleName, QString(),
                     QString(), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("0"),
                     QStringLiteral("0"), QStringLiteral("120"))
        .toString();
    model.setUserid(id);
    model.updateCustInfoByStrName(id, QStringLiteral("extraColumn4"), QStringLiteral("hour-unknown"));
    return id;
}

// Texts allowed to hold characters of the other script. The language switch
// names each language in its own script; the rest is the sample record's
// user data, shown as typed.
const QStringList kOwnScriptNames = {QStringLiteral("繁體"), QStringLiteral("简体")};

SelfTest *s_walk = nullptr;
QtMessageHandler s_previousHandler = nullptr;
QStringList s_messages;
QString s_state = QStringLiteral("start");

// Warnings of pages (console.warn, QML errors) and of Qt's own categories.
// The program's log lines use the default category and are warnings by
// design, so they are not counted.
void walkMessageHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    const QByteArray category(context.category ? context.category : "");
    const bool counted = category == "qml" || category == "js" || category.startsWith("qt.");
    if (s_walk && counted && type != QtDebugMsg && type != QtInfoMsg)
        s_messages << s_state + QStringLiteral(": ") + QString::fromUtf8(category) + QStringLiteral(": ") + message;
    if (s_previousHandler)
        s_previousHandler(type, context, message);
}

// Spans a page marks as written in the other script on purpose (the
// numerology help quotes the Traditional forms it counts).
QString withoutMarkedScript(QString html)
{
    static const QRegularExpression marked(
        QStringLiteral("<span lang=\"zh-Han[st]\">[^<]*</span>"));
    return html.remove(marked);
}

QString oneLine(QString text)
{
    text.replace(QLatin1Char('\t'), QLatin1Char(' '));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    text.replace(QChar::LineSeparator, QStringLiteral("\\n"));
    text.replace(QChar::ParagraphSeparator, QStringLiteral("\\n"));
    return text;
}

bool isRich(const QQuickItem *item, const QString &text)
{
    const int format = item->property("textFormat").toInt(); // 0 plain, 1 rich, 2 auto, 3 markdown, 4 styled
    return format == 1 || format == 4 || (format == 2 && Qt::mightBeRichText(text));
}

// What a text item shows: rich text as the reader sees it, not its markup.
QString shownText(const QQuickItem *item)
{
    const QString text = item->property("text").toString();
    return isRich(item, text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
}

// The part of an item's text that must be in the window's script.
QString checkedText(const QQuickItem *item)
{
    const QString text = item->property("text").toString();
    return isRich(item, text) ? QTextDocumentFragment::fromHtml(withoutMarkedScript(text)).toPlainText() : text;
}

QString typeName(const QObject *o)
{
    QString name = QString::fromLatin1(o->metaObject()->className());
    const int cut = name.indexOf(QLatin1String("_QML"));
    return cut > 0 ? name.left(cut) : name;
}

QString popupName(const QObject *popup)
{
    if (!popup->objectName().isEmpty())
        return popup->objectName();
    const QObject *owner = popup->parent();
    return typeName(popup) + QLatin1Char('@')
           + (owner ? (owner->objectName().isEmpty() ? typeName(owner) : owner->objectName()) : QString());
}

// Popups below `scope` (not inside other popups: those open with their own).
void findPopups(QObject *scope, QList<QObject *> &found, QSet<QObject *> &seen)
{
    auto visit = [&](QObject *o) {
        if (!o || seen.contains(o))
            return;
        seen.insert(o);
        if (o->inherits("QQuickPopup")) {
            found << o;
            return;
        }
        // A drop-down's list is a property of the box, not one of its children.
        if (o->inherits("QQuickComboBox")) {
            if (auto *list = o->property("popup").value<QObject *>()) {
                if (!seen.contains(list)) {
                    seen.insert(list);
                    found << list;
                }
            }
        }
        findPopups(o, found, seen);
    };
    for (QObject *child : scope->children())
        visit(child);
    if (auto *item = qobject_cast<QQuickItem *>(scope)) {
        for (QQuickItem *child : item->childItems())
            visit(child);
    }
}

// The delegate of a list or grid view that holds `item`, if any.
QQuickItem *delegateOf(QQuickItem *item)
{
    for (QQuickItem *p = item; p && p->parentItem(); p = p->parentItem()) {
        QQuickItem *content = p->parentItem();
        if (content->parentItem() && content->parentItem()->inherits("QQuickItemView"))
            return p;
    }
    return nullptr;
}

// Whether a text item fits what it shows into its width by itself: it
// elides, wraps or shrinks its font. Qt's "no eliding" is Qt::ElideNone (3),
// not 0, which is eliding at the left.
bool keepsTextInside(const QQuickItem *text)
{
    const bool eliding = text->property("elide").toInt() != Qt::ElideNone;
    const bool wrapping = text->property("wrapMode").toInt() != 0;  // Text.NoWrap
    const bool shrinking = text->property("fontSizeMode").toInt() != 0; // Text.FixedSize
    return eliding || wrapping || shrinking;
}

QQuickItem *popupItem(QObject *popup)
{
    auto *content = popup->property("contentItem").value<QQuickItem *>();
    return content ? content->parentItem() : nullptr;
}
} // namespace

SelfTest::SelfTest(QQmlApplicationEngine *engine, const Options &options)
    : QObject(engine), m_engine(engine), m_options(options)
{
    connect(engine, &QQmlEngine::warnings, this, [this](const QList<QQmlError> &warnings) {
        for (const QQmlError &w : warnings)
            s_messages << s_state + QStringLiteral(": ") + w.toString();
    });
    // Screenshots wait for the start-up transitions; the check starts as soon
    // as the window is up (each step lets the window draw before it looks).
    connect(engine, &QQmlApplicationEngine::objectCreated, this, [this](QObject *obj) {
        if (obj)
            QTimer::singleShot(m_options.screenshotDir.isEmpty() ? 0 : kSettleMs, this, &SelfTest::run);
    });
    if (!m_options.textsFile.isEmpty()) {
        m_texts.setFileName(m_options.textsFile);
        if (!m_texts.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
            m_problems << QStringLiteral("texts file not written: ") + m_texts.errorString();
    }
    // Markup in the sample record points here; any connection is a fetch.
    if (m_loopback.listen(QHostAddress::LocalHost)) {
        connect(&m_loopback, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *s = m_loopback.nextPendingConnection()) {
                ++m_fetches;
                s->close();
                s->deleteLater();
            }
        });
    }
    const QString base = QStringLiteral("http://127.0.0.1:%1/").arg(m_loopback.serverPort());
    m_sampleName = QStringLiteral("<img src=\"%1x.png\">张三").arg(base);
    m_samplePlace = QStringLiteral("<a href=\"%1a\"><font size=7>北京市</font></a> 东城区").arg(base);
    s_walk = this;
    s_previousHandler = qInstallMessageHandler(walkMessageHandler);
}

SelfTest::~SelfTest()
{
    if (s_walk == this) {
        qInstallMessageHandler(s_previousHandler);
        s_walk = nullptr;
    }
}

// Tables made on first use have a plain QtObject at the root: nothing to show.
static bool hasObjectRoot(const QByteArray &source)
{
    static const QRegularExpression root(QStringLiteral("^([A-Z][\\w.]*)\\s*\\{"),
                                         QRegularExpression::MultilineOption);
    const QRegularExpressionMatch m = root.match(QString::fromUtf8(source));
    return m.hasMatch() && m.capturedRef(1) == QLatin1String("QtObject");
}

QStringList SelfTest::pageFiles()
{
    QStringList files;
    QDirIterator it(QStringLiteral(":/qml"), {QStringLiteral("*.qml")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        // Style controls load with every page; singletons cannot be created.
        if (path.contains(QLatin1String("/MyFusion/")))
            continue;
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            continue;
        const QByteArray source = f.readAll();
        if (source.contains("pragma Singleton") || hasObjectRoot(source))
            continue;
        files << QStringLiteral("qrc") + path;
    }
    files.sort();
    return files;
}

qreal SelfTest::textOverflow(const QQuickItem *text)
{
    if (!text || keepsTextInside(text) || text->width() <= 0)
        return 0;
    // A pixel of rounding is not an overflow.
    const qreal excess = text->implicitWidth() - text->width();
    return excess > 1 ? excess : 0;
}

QSize SelfTest::parseSize(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^([1-9][0-9]{0,4})x([1-9][0-9]{0,4})$"));
    const QRegularExpressionMatch m = pattern.match(text);
    return m.hasMatch() ? QSize(m.captured(1).toInt(), m.captured(2).toInt()) : QSize();
}

QQuickWindow *SelfTest::window() const
{
    return qobject_cast<QQuickWindow *>(m_engine->rootObjects().value(0));
}

int SelfTest::language() const
{
    const QObject *root = m_engine->rootObjects().value(0);
    return root ? root->property("appLanguage").toInt() : 0;
}

void SelfTest::settle(int ms)
{
    // Objects the pages deleted from this level (closed popups, popped pages)
    // are not deleted inside the nested loop below; delete them now, or they
    // would stay on the window for the rest of the walk.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Lets the window lay out and draw what changed: two frames drawn, or a
// fifth of a second if the window draws nothing.
void SelfTest::settleFrames()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QQuickWindow *win = window();
    if (!win)
        return;
    QEventLoop loop;
    int frames = 0;
    const auto connection = connect(win, &QQuickWindow::frameSwapped, &loop, [&] {
        if (++frames == 2)
            loop.quit();
        else
            win->update();
    });
    QTimer::singleShot(200, &loop, &QEventLoop::quit);
    win->update();
    loop.exec();
    disconnect(connection);
}

// Runs the event loop until `done` holds; false when it did not in time.
bool SelfTest::waitUntil(const std::function<bool()> &done, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.hasExpired(timeoutMs))
            return false;
        settle(5);
    }
    return true;
}

void SelfTest::run()
{
    QObject *root = m_engine->rootObjects().value(0);
    if (!root) {
        QGuiApplication::exit(2);
        return;
    }
    SqloneCustomerModel model;
    m_sampleUserid = model
        .newCustomer(0, 0, QStringLiteral("1990/6/15/10/30"), QStringLiteral("公历: 1990年6月15日10时30分"),
                     QStringLiteral("116.4"), m_samplePlace, m_sampleName, QString(), QString(),
                     QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("0"),
                     QStringLiteral("0"), QStringLiteral("120"))
        .toString();
    const int startLanguage = language();
    // Screenshots are reviewed in the language asked for; the check walks both.
    const QList<int> languages = m_options.check || !m_options.textsFile.isEmpty()
                                     ? QList<int>{1 - startLanguage, startLanguage}
                                     : QList<int>{startLanguage};
    for (const QSize &size : m_options.sizes.isEmpty() ? kSizes : m_options.sizes) {
        for (int lang : languages)
            walk(size, lang);
    }
    finish();
}

void SelfTest::walk(QSize size, int lang)
{
    QObject *root = m_engine->rootObjects().value(0);
    QQuickWindow *win = window();
    if (!win)
        return;
    const QString pass = QStringLiteral("%1x%2/%3/").arg(size.width()).arg(size.height())
                             .arg(QLatin1String(lang == 1 ? "traditional" : "simplified"));
    s_state = pass + QStringLiteral("start");
    m_opened.clear();
    // Pages popped by the last pass are gone first: a language switch
    // re-evaluates every binding, also those of a page on its way out.
    settleFrames();
    win->resize(size);
    settleFrames();
    s_state = pass + QStringLiteral("language");
    QMetaObject::invokeMethod(root, "switchLanguage", Q_ARG(QVariant, lang));

    QList<Step> steps{Step{QStringLiteral("main"), QStringLiteral("main")}};
    QVariant dialogs;
    QMetaObject::invokeMethod(root, "selfTestDialogs", Q_RETURN_ARG(QVariant, dialogs));
    for (const QString &d : dialogs.toStringList())
        steps << Step{QStringLiteral("dialog"), d};
    for (const QString &p : pageFiles())
        steps << Step{QStringLiteral("page"), p};
    for (const QString &v : kChartViews)
        steps << Step{QStringLiteral("chart"), v};

    for (const Step &step : qAsConst(steps)) {
        QString name = step.name;
        if (step.kind == QLatin1String("page"))
            name = name.mid(QStringLiteral("qrc:/qml/").size()).chopped(4).replace(QLatin1Char('/'), QLatin1Char('-'));
        const QString state = pass + step.kind + QLatin1Char('/') + name;
        s_state = state;
        QObject *shown = show(root, step);
        if (m_options.screenshotDir.isEmpty())
            settleFrames();
        else
            settle(kSettleMs);
        inspect(state, win->contentItem());
        capture(state);
        openPopupsUnder(step.kind == QLatin1String("main") ? root : shown, state);
        if (shown)
            QMetaObject::invokeMethod(root, "selfTestClose", Q_ARG(QVariant, QVariant::fromValue(shown)));
        // A push that starts while the pop is still running leaves the popped
        // page on the window; let the stack finish first.
        QObject *stack = root->property("mainstackView").value<QObject *>();
        for (int i = 0; stack && stack->property("busy").toBool() && i < 100; ++i)
            settle(20);
    }
}

QObject *SelfTest::show(QObject *root, const Step &step)
{
    QVariant shown;
    if (step.kind == QLatin1String("dialog"))
        QMetaObject::invokeMethod(root, "selfTestShowDialog", Q_RETURN_ARG(QVariant, shown),
                                  Q_ARG(QVariant, step.name));
    else if (step.kind == QLatin1String("page"))
        QMetaObject::invokeMethod(root, "selfTestShowPage", Q_RETURN_ARG(QVariant, shown),
                                  Q_ARG(QVariant, step.name));
    else if (step.kind == QLatin1String("chart"))
        return showChart(root, step.name);
    QObject *obj = shown.value<QObject *>();
    if (step.kind == QLatin1String("page") && !obj)
        m_problems << QStringLiteral("page not shown: ") + step.name;
    return obj;
}

QObject *SelfTest::showChart(QObject *root, const QString &view)
{
    QVariant shown;
    QMetaObject::invokeMethod(root, "selfTestShowPage", Q_RETURN_ARG(QVariant, shown),
                              Q_ARG(QVariant, QStringLiteral("qrc:/qml/ComeInNext.qml")));
    QObject *page = shown.value<QObject *>();
    if (!page) {
        m_problems << QStringLiteral("page not shown: ") + view;
        return nullptr;
    }
    const bool boundaries = view == QLatin1String("chart-boundaries");
    if (boundaries && m_boundarySampleUserid.isEmpty())
        m_boundarySampleUserid = storeBoundarySampleRecord();
    page->setProperty("theuseridpage", boundaries ? m_boundarySampleUserid : m_sampleUserid);
    page->setProperty("showShenSha", view == QLatin1String("chart-shensha"));
    if (view == QLatin1String("chart-book") || view == QLatin1String("chart-notes"))
        QMetaObject::invokeMethod(page, "showTab", Q_ARG(QVariant, view == QLatin1String("chart-notes") ? 1 : 0));
    QObject *chart = page->property("first").value<QObject *>();
    if (!chart || !chart->property("thisTotalReady").toBool())
        m_problems << QStringLiteral("chart not calculated: ") + view;
    else if (boundaries)
        chart->setProperty("showLuckRules", true);
    else if (view == QLatin1String("chart-display")) {
        chart->setProperty("showDisplay", true);
    } else if (view == QLatin1String("chart-layers")) {
        // The luck and flow lists with the navigator of all luck pillars.
        chart->setProperty("showAllWalking", true);
        QMetaObject::invokeMethod(page, "showLists", Qt::QueuedConnection);
    }
    return page;
}

void SelfTest::openPopupsUnder(QObject *scope, const QString &state)
{
    if (!scope)
        return;
    QList<QObject *> popups;
    QSet<QObject *> seen{scope};
    findPopups(scope, popups, seen);
    if (QQuickItem *item = scope->inherits("QQuickPopup") ? popupItem(scope) : nullptr)
        findPopups(item, popups, seen);
    // Opening one popup may delete others (a page reloading its parts).
    QList<QPointer<QObject>> guarded;
    for (QObject *popup : qAsConst(popups))
        guarded << popup;
    for (const QPointer<QObject> &guard : qAsConst(guarded)) {
        QObject *popup = guard.data();
        if (!popup || m_opened.contains(popup) || popup->property("opened").toBool())
            continue;
        // A popup of a hidden part (a tab not shown) opens with its page.
        auto *parentItem = popup->property("parent").value<QQuickItem *>();
        if (parentItem && !parentItem->isVisible())
            continue;
        m_opened.insert(popup);
        QMetaObject::invokeMethod(popup, "open");
        // "opened" turns true once the popup's enter transition has run.
        waitUntil([&guard] { return !guard || guard->property("opened").toBool(); }, kPopupTimeoutMs);
        settleFrames();
        if (!guard)
            continue;
        const QString inner = state + QLatin1Char('+') + popupName(popup);
        if (!popup->property("visible").toBool())
            m_problems << QStringLiteral("popup did not open: ") + inner;
        if (QQuickItem *item = popupItem(popup))
            inspect(inner, item);
        openPopupsUnder(popup, inner);
        if (guard)
            QMetaObject::invokeMethod(popup, "close");
        waitUntil([&guard] { return !guard || !guard->property("visible").toBool(); }, kPopupTimeoutMs);
    }
}

void SelfTest::inspect(const QString &state, QQuickItem *from)
{
    ++m_states;
    if (from)
        collect(from, state, language());
}

void SelfTest::collect(QQuickItem *item, const QString &state, int lang)
{
    if (!item->isVisible())
        return;
    QList<QPair<QString, QString>> texts; // shown, checked
    if (item->inherits("QQuickText")) {
        const QString text = shownText(item);
        texts << qMakePair(text, checkedText(item));
        const bool fitting = keepsTextInside(item);
        const qreal iw = item->implicitWidth();
        if (!text.isEmpty() && textOverflow(item) > 0)
            m_problems << QStringLiteral("text wider than its box (%1 > %2): %3: %4")
                              .arg(iw, 0, 'f', 0).arg(item->width(), 0, 'f', 0).arg(state, oneLine(text));
        // In a list or grid, a cell is clipped by the view: its texts must
        // lie inside the cell.
        QQuickItem *cell = text.isEmpty() ? nullptr : delegateOf(item);
        if (cell && cell->width() > 0 && cell->height() > 0) {
            const QRectF r = item->mapRectToItem(cell, QRectF(0, 0, fitting ? item->width() : qMax(item->width(), iw), item->height()));
            if (r.left() < -1 || r.top() < -1 || r.right() > cell->width() + 1 || r.bottom() > cell->height() + 1)
                m_problems << QStringLiteral("text outside its cell (%1,%2 %3x%4 in %5x%6): %7: %8")
                                  .arg(r.x(), 0, 'f', 0).arg(r.y(), 0, 'f', 0).arg(r.width(), 0, 'f', 0)
                                  .arg(r.height(), 0, 'f', 0).arg(cell->width(), 0, 'f', 0)
                                  .arg(cell->height(), 0, 'f', 0).arg(state, oneLine(text));
        }
    } else if (item->inherits("QQuickTextInput") || item->inherits("QQuickTextEdit")) {
        const QString placeholder = item->property("placeholderText").toString();
        // A masked field shows its mask's literals before anything is typed.
        const QString shown = item->property("displayText").isValid() ? item->property("displayText").toString()
                                                                       : shownText(item);
        texts << qMakePair(shown, item->inherits("QQuickTextInput") ? shown : checkedText(item))
              << qMakePair(placeholder, placeholder);
    }
    for (const auto &pair : qAsConst(texts)) {
        const QString &text = pair.first;
        if (text.trimmed().isEmpty())
            continue;
        if (text.contains(m_sampleName))
            m_sampleNameShown = true;
        if (m_texts.isOpen()) {
            m_texts.write((QLatin1String(lang == 1 ? "traditional" : "simplified") + QLatin1Char('\t') + state
                           + QLatin1Char('\t') + oneLine(text) + QLatin1Char('\n'))
                              .toUtf8());
        }
        QString checked = pair.second;
        for (const QString &allowed : kOwnScriptNames + QStringList{m_sampleName, m_samplePlace, kBoundarySampleName,
                                                                          kBoundarySamplePlace})
            checked.remove(allowed);
        const QString foreign = ScriptConverter::foreignCharacters(checked, lang);
        if (!foreign.isEmpty())
            m_problems << QStringLiteral("%1 character %2 in %3: %4")
                              .arg(QLatin1String(lang == 1 ? "Simplified" : "Traditional"), foreign, state,
                                   oneLine(text));
    }
    for (QQuickItem *child : item->childItems())
        collect(child, state, lang);
}

void SelfTest::capture(const QString &state)
{
    if (m_options.screenshotDir.isEmpty())
        return;
    QQuickWindow *win = window();
    if (!win)
        return;
    QString name = state;
    name.replace(QLatin1Char('/'), QLatin1Char('-')).replace(QLatin1Char('+'), QLatin1Char('-'));
    const QString file = QDir(m_options.screenshotDir)
                             .filePath(QStringLiteral("%1-%2.png").arg(m_states, 3, 10, QLatin1Char('0')).arg(name));
    if (!win->grabWindow().save(file))
        m_problems << QStringLiteral("screenshot not saved: ") + file;
}

void SelfTest::finish()
{
    settleFrames();
    if (m_fetches > 0)
        m_problems << QStringLiteral("%1 request(s) reached the loopback server the sample record's markup points at")
                          .arg(m_fetches);
    if (!m_sampleNameShown)
        m_problems << QStringLiteral("the sample record's name is not shown as typed: ") + m_sampleName;
    for (const QString &m : qAsConst(s_messages))
        m_problems << QStringLiteral("warning: ") + m;
    s_walk = nullptr;
    if (m_texts.isOpen())
        m_texts.close();
    // The same fault shows in every pass; report each once.
    m_problems.removeDuplicates();
    std::fprintf(stderr, "self-test: %d states shown, %d problems\n", m_states, int(m_problems.size()));
    for (const QString &p : qAsConst(m_problems))
        std::fprintf(stderr, "  %s\n", qPrintable(p));
    const bool failed = m_options.check && !m_problems.isEmpty();
    QGuiApplication::exit(failed ? 1 : 0);
}
