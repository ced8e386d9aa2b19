// SPDX-License-Identifier: GPL-3.0-or-later
#include "InSight.h"

#include "BoundaryWarnings.h"
#include "GetShenShaRelations.h"
#include "HourCandidates.h"

#include "Vocabulary.h"

#include <QCoreApplication>
#include <QEvent>
#include <QVarLengthArray>
#include <QtGlobal>

#include <charconv>
#include <cmath>
#include <cstdio>

namespace {

constexpr int mod60(int x) { return (x % 60 + 60) % 60; }
constexpr int mod12(int x) { return (x % 12 + 12) % 12; }

// Bone weight (称骨) in tenths of a liang.
constexpr int boneByLunarMonth[12] = {6, 7, 18, 9, 5, 16, 9, 15, 18, 8, 9, 5};
constexpr int boneByHourBranch[12] = {16, 6, 7, 10, 9, 16, 10, 8, 8, 9, 6, 6};
constexpr int boneByLunarDay[30] = {5, 10, 8, 15, 16, 15, 8, 16, 8, 16, 9, 17, 8, 17, 10,
                                    8, 9, 18, 5, 15, 10, 9, 8, 9, 15, 18, 7, 8, 16, 6};
constexpr int boneByYearPillar[60] = {12, 9, 6, 7, 12, 5, 9, 8, 7, 8, 15, 9, 16, 8, 8, 19, 12, 6, 8, 7,
                                      5, 15, 6, 16, 15, 7, 9, 12, 10, 7, 15, 6, 5, 14, 14, 9, 7, 7, 9, 12,
                                      8, 7, 13, 5, 14, 5, 9, 17, 5, 7, 12, 8, 8, 6, 19, 6, 8, 16, 10, 6};
constexpr int unsetBoneWeight = 70;

// Walk limits of the pillar search; every step keeps the day pillar.
constexpr int searchSteps = 300;
constexpr int maxMoments = 3;
constexpr double oneCycleBack = 21600; // 360 x 60 days, about 59 years
constexpr double yearsStep = 360; // about a year, a multiple of 60 days

QDate fixedToday;

// A text written into one buffer and made a QString once: the summary is
// written for every chart, and each QString::append checks sharing and
// capacity anew.
class TextBuilder
{
public:
    TextBuilder &operator+=(const QString &text)
    {
        buffer.append(reinterpret_cast<const char16_t *>(text.constData()), text.size());
        return *this;
    }
    TextBuilder &operator+=(char c)
    {
        buffer.append(char16_t(c));
        return *this;
    }
    void appendDigits(const char *begin, const char *end)
    {
        for (const char *p = begin; p != end; ++p)
            buffer.append(char16_t(*p));
    }
    QString text() const { return QString(reinterpret_cast<const QChar *>(buffer.constData()), buffer.size()); }

private:
    QVarLengthArray<char16_t, 192> buffer;
};

// Appends a decimal number without a temporary string (charts are cast in
// bulk); the summary's counts are single digits.
void appendDigits(TextBuilder &text, int number)
{
    char digits[16];
    text.appendDigits(digits, std::to_chars(digits, digits + sizeof digits, number).ptr);
}
inline void appendNumber(TextBuilder &text, int number)
{
    if (number >= 0 && number < 10)
        text += char('0' + number);
    else
        appendDigits(text, number);
}
void appendNumber(QByteArray &text, int number)
{
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    text.append(digits, int(end - digits));
}

// The lunar date as slash-separated numbers: year/[闰]month/day/hour/leap.
template <typename Text, typename Record, typename Leap>
void appendLunarInt(Text &text, const Record &l, const Leap &leapMark)
{
    appendNumber(text, l[0]);
    text += '/';
    if (l[TimePoints::leapSlot] == 1)
        text += leapMark;
    appendNumber(text, l[1]);
    text += '/';
    appendNumber(text, l[2]);
    text += '/';
    appendNumber(text, l[3]);
    text += '/';
    appendNumber(text, l[TimePoints::leapSlot]);
}

// Words of the summary belong to the InSight translation context.
QString inSightTr(const char *text) { return QCoreApplication::translate("InSight", text); }

// Fixed names as strings, converted once per table.
template <const auto &names>
const QString &cachedName(int index)
{
    static const auto strings = [] {
        std::array<QString, std::size(names)> out;
        for (std::size_t i = 0; i < out.size(); ++i)
            out[i] = Vocabulary::qs(names[i]);
        return out;
    }();
    return strings[std::size_t(index)];
}

// Year, month, day, hour and minute of a solar date with the four separators
// between them; minute 0 is written "00", other numbers without leading zeros.
template <typename Record>
QString solarDateText(const Record &s, const QString (&separators)[4])
{
    TextBuilder text;
    for (int i = 0; i < 4; ++i) {
        appendNumber(text, s[i]);
        text += separators[i];
    }
    if (s[4] == 0)
        text += QStringLiteral("00");
    else
        appendNumber(text, s[4]);
    return text.text();
}

// The translated words of the summary, looked up once per language: the
// translators announce a change with a LanguageChange event to the application.
struct SummaryWords {
    QString elements[5];
    QString elementsAfterFirst[4]; // "、火" .. "、水"
    QString byMain, byFull, separator, missing, notMissingByHidden, noneMissing, palace, startAbout, years, monthsThat;
};

class SummaryWordCache : public QObject
{
public:
    const SummaryWords &words()
    {
        if (!valid) {
            if (!watching && QCoreApplication::instance()) {
                QCoreApplication::instance()->installEventFilter(this);
                watching = true;
            }
            w.elements[0] = inSightTr(QT_TRANSLATE_NOOP("InSight", "木"));
            w.elements[1] = inSightTr(QT_TRANSLATE_NOOP("InSight", "火"));
            w.elements[2] = inSightTr(QT_TRANSLATE_NOOP("InSight", "土"));
            w.elements[3] = inSightTr(QT_TRANSLATE_NOOP("InSight", "金"));
            w.elements[4] = inSightTr(QT_TRANSLATE_NOOP("InSight", "水"));
            w.elementsAfterFirst[0] = inSightTr(QT_TRANSLATE_NOOP("InSight", "、火"));
            w.elementsAfterFirst[1] = inSightTr(QT_TRANSLATE_NOOP("InSight", "、土"));
            w.elementsAfterFirst[2] = inSightTr(QT_TRANSLATE_NOOP("InSight", "、金"));
            w.elementsAfterFirst[3] = inSightTr(QT_TRANSLATE_NOOP("InSight", "、水"));
            w.byMain = inSightTr(QT_TRANSLATE_NOOP("InSight", "(按本气计)："));
            w.byFull = inSightTr(QT_TRANSLATE_NOOP("InSight", "(含藏干计)："));
            w.separator = inSightTr(QT_TRANSLATE_NOOP("InSight", "、"));
            w.missing = inSightTr(QT_TRANSLATE_NOOP("InSight", "五行缺"));
            w.notMissingByHidden = inSightTr(QT_TRANSLATE_NOOP("InSight", "(按藏干计则不缺)"));
            w.noneMissing = inSightTr(QT_TRANSLATE_NOOP("InSight", "五行不缺"));
            w.palace = inSightTr(QT_TRANSLATE_NOOP("InSight", "命宫在"));
            w.startAbout = inSightTr(QT_TRANSLATE_NOOP("InSight", "起运约在"));
            w.years = inSightTr(QT_TRANSLATE_NOOP("InSight", "周岁"));
            w.monthsThat = inSightTr(QT_TRANSLATE_NOOP("InSight", "个月，即"));
            valid = true;
        }
        return w;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::LanguageChange)
            valid = false;
        return QObject::eventFilter(watched, event);
    }

private:
    SummaryWords w;
    bool valid = false;
    bool watching = false;
};

SummaryWordCache &summaryWords()
{
    static SummaryWordCache cache;
    return cache;
}

// Stem of a branch by the month-stem rule (五虎遁): a 甲 or 己 year gives 丙寅.
constexpr int monthStemOf(int yearStem, int branch) { return ((yearStem % 5) * 2 + 2 + mod12(branch - 2)) % 10; }

// The palaces are counted from the 卯 (命宫) and 酉 (身宫) hours: "逢卯安命，逢酉安身".
constexpr int lifePalaceAnchor = 3;
constexpr int bodyPalaceAnchor = 9;

// Month position counted from the 寅 month: 寅 0, 卯 1, .. 丑 11.
constexpr int monthPosition(int chac) { return (mod12(chac) + 10) % 12; }

void searchDiagnostics(double o, const TimePoints::Record &cal, const TimePoints &candidate)
{
    char text[200];
    std::snprintf(text, sizeof text, "now cal :%8f\n", o);
    TimePoints::writeDiagnostic(text);
    std::snprintf(text, sizeof text, "input solar date : %d, %d, %d\n", cal[0], cal[1], cal[2]);
    TimePoints::writeDiagnostic(text);
    std::snprintf(text, sizeof text, "the julianday = %8f\n", candidate.jdBirth);
    TimePoints::writeDiagnostic(text);
    TimePoints::writeDiagnostic("error:tp.launchTimePointSets\n");
}

} // namespace

InSight::InSight(QObject *parent) : QObject(parent)
{
    qWarning("InSight is constructed.ended");
}

void InSight::connectNotify(const QMetaMethod &signal)
{
    m_watched.store(true, std::memory_order_relaxed);
    QObject::connectNotify(signal);
}

void InSight::setToday(const QDate &date)
{
    fixedToday = date;
}

QDate InSight::today()
{
    return fixedToday.isValid() ? fixedToday : QDate::currentDate();
}

QVariant InSight::beginWithTime(int malefemale, int solarlunar, int y, int m, int d, int h, int minute, int isleap,
                                double ztyJdPlus, int switch11pm)
{
    // A failed launch may leave a half-written time point, but nothing reads it
    // before the next successful one: the properties change only in refresh().
    if (m_timePoints[0].launchTimePointSets(solarlunar, y, m, d, h, minute, isleap, ztyJdPlus, switch11pm) != 0)
        return -1;
    m_malefemale = malefemale;
    refresh();
    return 0;
}

QVariant InSight::beginWithCalendarDay(int solarlunar, int y, int m, int d, int h, int minute, int isleap)
{
    m_timePoints[0].calendarUse = true;
    const int result = m_timePoints[0].launchTimePointSets(solarlunar, y, m, d, h, minute, isleap, 0, 0);
    m_timePoints[0].calendarUse = false;
    if (result != 0)
        return -1;
    refresh();
    return 0;
}

QVariant InSight::beginWithMoment(int malefemale, int y, int m, int d, int h, int minute, double instantOffset,
                                  int switch11pm)
{
    m_timePoints[0].startFromTermMoment = true;
    const int result = m_timePoints[0].launchTimePointSets(0, y, m, d, h, minute, 0, instantOffset, switch11pm);
    m_timePoints[0].startFromTermMoment = false;
    if (result != 0)
        return -1;
    m_malefemale = malefemale;
    refresh();
    return 0;
}

std::vector<TimePoints> InSight::searchPillars(int yearTarget, int monthTarget, int dayTarget, int hourTarget)
{
    std::vector<TimePoints> found;
    // Out-of-range pillars match nothing; a day pillar outside the cycle
    // would otherwise yield moments of some other day pillar.
    for (int chac : {yearTarget, monthTarget, dayTarget, hourTarget})
        if (chac < 0 || chac > 59)
            return found;

    const QDate now = today();
    TimePoints scratch;
    if (scratch.launchTimePointSets(0, now.year(), now.month(), now.day(), 12, 0, 0, 0, 1) != 0)
        return found;
    const int hour = 2 * (hourTarget % 12); // the first clock hour of the branch
    double o = scratch.jdBirth - (scratch.chacs[2] - dayTarget);

    TimePoints::Record cal(TimePoints::recordSize, 0);
    for (int step = 0; step < searchSteps; ++step) {
        TimePoints::getSolarCalFromJulianDayUT(o, cal);
        if (cal[0] < 1800)
            break;
        TimePoints candidate;
        if (cal[0] > TimePoints::lastBirthYear || cal[1] < 1 || cal[1] > 12 || cal[2] < 1 || cal[2] > 31 || hour > 23) {
            searchDiagnostics(o, cal, candidate);
            break;
        }
        if (candidate.launchTimePointSets(0, cal[0], cal[1], cal[2], hour, 0, 0, 0, 1) != 0) {
            searchDiagnostics(o, cal, candidate);
            break;
        }
        const int y = candidate.chacs[0];
        const int m = candidate.chacs[1];
        if (y == yearTarget) {
            if (m == monthTarget) {
                found.push_back(candidate);
                if (int(found.size()) == maxMoments)
                    break;
                o -= oneCycleBack;
            } else {
                o -= monthPosition(m) >= monthPosition(monthTarget) ? 60 : oneCycleBack;
            }
        } else {
            const int k = mod60(y - yearTarget); // years of the cycle past the target
            o -= k < 3 ? 60 : (k - 2) * yearsStep;
        }
    }
    return found;
}

QVariant InSight::beginWithChacs(int chac1, int chac2, int chac3, int chac4, int malefemale, int nearfar)
{
    Q_UNUSED(nearfar)
    const std::vector<TimePoints> found = searchPillars(chac1, chac2, chac3, chac4);
    if (found.empty()) {
        m_timepointCnt = 0;
        emit timepointCntChanged();
        return -1;
    }
    m_malefemale = malefemale;
    for (std::size_t i = 0; i < found.size(); ++i)
        m_timePoints[i] = found[i];
    m_timepointCnt = int(found.size());
    emit timepointCntChanged();
    refresh();
    return 0;
}

QVariant InSight::reinitAllTimepoints()
{
    for (TimePoints &tp : m_timePoints)
        tp.resetTimePoints();
    m_timepointCnt = 0;
    for (DateTexts &texts : m_dateTexts)
        texts = DateTexts();
    m_datesPending = 0;
    m_ytgChengCnt = unsetBoneWeight;
    m_totalReadyCalc = 0;
    emitDateTextSignals();
    emit timepointCntChanged();
    emit ytgChengCntChanged();
    emit totalReadyCalcChanged();
    return 0;
}

void InSight::takeDateFields(int which, const TimePoints &tp)
{
    DateFields &f = m_dateFields[which];
    const auto take = [](const TimePoints::Record &from, std::array<int, TimePoints::recordSize> &to) {
        const std::size_t n = std::min(from.size(), to.size());
        std::copy_n(from.begin(), n, to.begin());
        std::fill(to.begin() + n, to.end(), 0);
    };
    take(tp.solarCal, f.solar);
    take(tp.lunarCal, f.lunar);
    m_datesPending |= 1u << which;
}

const InSight::DateTexts &InSight::datesOf(int which) const
{
    if (m_datesPending & (1u << which)) {
        m_dateTexts[which] = dateTexts(m_dateFields[which]);
        m_datesPending &= ~(1u << which);
    }
    return m_dateTexts[which];
}

InSight::DateTexts InSight::dateTexts(const DateFields &fields)
{
    const auto &s = fields.solar;
    const auto &l = fields.lunar;
    const int lm = l[1];
    const int ld = l[2];
    const bool leap = l[TimePoints::leapSlot] == 1;
    static const QString solarSeparators[4] = {QStringLiteral("年"), QStringLiteral("月"), QStringLiteral("日 "),
                                               QStringLiteral(":")};
    static const QString numericSeparators[4] = {QStringLiteral("/"), QStringLiteral("/"), QStringLiteral("/ "),
                                                 QStringLiteral("/")};
    DateTexts t;
    t.solar = solarDateText(s, solarSeparators);
    t.solarInt = solarDateText(s, numericSeparators);

    static const QString leapMark = QStringLiteral("闰");
    TextBuilder lunar;
    appendNumber(lunar, l[0]);
    lunar += QStringLiteral("年");
    if (leap)
        lunar += leapMark;
    if (lm >= 1 && lm <= 12)
        lunar += cachedName<Vocabulary::lunarMonthNames>(lm - 1);
    else
        appendNumber(lunar, lm);
    lunar += QStringLiteral("月");
    if (ld >= 1 && ld <= 30)
        lunar += cachedName<Vocabulary::lunarDayNames>(ld - 1);
    else
        appendNumber(lunar, ld);
    lunar += QStringLiteral("日");
    t.lunar = lunar.text();

    TextBuilder lunarInt;
    appendLunarInt(lunarInt, l, leapMark);
    t.lunarInt = lunarInt.text();
    return t;
}

void InSight::appendLunarNumbers(QByteArray &text, const TimePoints &tp)
{
    appendLunarInt(text, tp.lunarCal, "闰");
}

namespace {

int boneWeightOf(int yearChac, int hourChac, const TimePoints::Record &lunar)
{
    const int month = lunar[1];
    const int day = lunar[2];
    const int hourBranch = hourChac % 12;
    if (yearChac < 0 || yearChac > 59 || month < 1 || month > 12 || day < 1 || day > 30 || hourBranch < 0)
        return unsetBoneWeight;
    return boneByLunarMonth[month - 1] + boneByLunarDay[day - 1] + boneByHourBranch[hourBranch]
        + boneByYearPillar[yearChac];
}

} // namespace

InSight::Numbers InSight::numbersOf(const TimePoints &p, int malefemale) const
{
    Numbers n;
    std::copy_n(p.chacs.begin(), 4, n.chacs);
    const bool forward = LuckStart::runsForward(n.chacs[0], malefemale, m_luckDirection);
    n.clockwise = forward ? 1 : -1;
    double age = forward ? p.ageForward : p.ageBackward;
    n.jd_dateBeginDY = forward ? p.jdBeginForward : p.jdBeginBackward;
    if (m_luckRule != LuckRule::Described) {
        const LuckStart chosen = LuckStart::compute(p, forward, m_luckRule);
        age = chosen.age;
        n.jd_dateBeginDY = chosen.jdStart;
    }
    n.age = age;
    n.ageOfBegin = std::floor(age * 100 + 0.5) / 100;
    n.dayunJiaZiofBegin = mod60(n.chacs[1] + (forward ? 1 : 59));
    n.ytgChengCnt = boneWeightOf(n.chacs[0], n.chacs[3], p.lunarCal);
    n.isPassMiddleTerm = p.jdBirth >= p.jdQiMiddle ? 1 : 0;
    return n;
}

bool InSight::castNumbers(int malefemale, int y, int m, int d, int h, int minute, double ztyJdPlus, int switch11pm,
                          Numbers &out)
{
    // The luck start of another rule reads the dates the lean launch leaves out.
    m_leanTimePoint.withMomentDates = m_luckRule != LuckRule::Described;
    if (m_leanTimePoint.launchTimePointSets(0, y, m, d, h, minute, 0, ztyJdPlus, switch11pm) != 0)
        return false;
    out = numbersOf(m_leanTimePoint, malefemale);
    return true;
}

InSight::Numbers InSight::numbers() const
{
    Numbers n;
    n.chacs[0] = m_yearChac;
    n.chacs[1] = m_monthChac;
    n.chacs[2] = m_dayChac;
    n.chacs[3] = m_hourChac;
    n.clockwise = m_clockwise;
    n.ageOfBegin = m_ageOfBegin;
    n.age = m_ageOfBegin;
    n.jd_dateBeginDY = m_jd_dateBeginDY;
    n.dayunJiaZiofBegin = m_dayunJiaZiofBegin;
    n.ytgChengCnt = m_ytgChengCnt;
    n.isPassMiddleTerm = m_isPassMiddleTerm;
    return n;
}

// From 子 as the first month count back to the birth month, there take 子 as
// the birth hour and count on to the anchor hour; a birth past the middle
// term counts as the next month.
int InSight::palaceBranch(int anchorBranch) const
{
    return mod12(anchorBranch + 2 - mod12(m_monthChac) - m_isPassMiddleTerm - mod12(m_hourChac));
}

void InSight::refresh()
{
    const TimePoints &p = m_timePoints[0];
    m_baseGan = p.chacs[2] % 10;

    // An alternative that was never filled keeps its texts.
    for (int which = 0; which < 3; ++which)
        if (which == 0 || m_timePoints[which].solarCal[0] != 0)
            takeDateFields(which, m_timePoints[which]);

    const Numbers n = numbersOf(p, m_malefemale);
    m_yearChac = n.chacs[0];
    m_monthChac = n.chacs[1];
    m_dayChac = n.chacs[2];
    m_hourChac = n.chacs[3];

    m_clockwise = n.clockwise;
    const bool forward = m_clockwise == 1;
    const double age = n.age;
    const TimePoints::Record *beginCal = forward ? &p.beginCalForward : &p.beginCalBackward;
    const TimePoints::Record *beginSino = forward ? &p.beginSinoForward : &p.beginSinoBackward;
    m_jd_dateBeginDY = n.jd_dateBeginDY;
    TimePoints::Record ruleCal, ruleSino;
    if (m_luckRule != LuckRule::Described) {
        ruleCal = *beginCal;
        TimePoints::getSolarCalFromJulianDayUT(n.jd_dateBeginDY, ruleCal);
        ruleSino = TimePoints::getSinoCalFromJulianDay(n.jd_dateBeginDY);
        beginCal = &ruleCal;
        beginSino = &ruleSino;
    }
    m_ageOfBegin = n.ageOfBegin;
    m_solarYearOfBegin = (*beginCal)[0];
    m_solarMonthOfBegin = (*beginCal)[1];
    m_solarDayOfBegin = (*beginCal)[2];
    m_sinoYearOfBegin = (*beginSino)[0];
    m_sinoMonthOfBegin = (*beginSino)[1];
    m_jiaziNianOfBegin = (*beginSino)[3];
    m_dayunJiaZiofBegin = n.dayunJiaZiofBegin;

    m_ytgChengCnt = n.ytgChengCnt;
    m_totalReadyCalc = 1;
    m_isPassMiddleTerm = n.isPassMiddleTerm;
    m_jd_birthTime = p.jdBirth;
    m_jd_JieTimeBefore = p.jdJieBefore;
    m_jd_QiTimeMiddle = p.jdQiMiddle;
    m_jd_JieTimeAfter = p.jdJieAfter;

    // Unrounded, as the start moment itself is.
    const double startAge = std::isfinite(age) && age > 0 ? age : 0;
    const double startMonths = (startAge - std::floor(startAge)) * 12;
    m_startAgeYears = int(std::floor(startAge));
    m_startAgeMonths = int(std::floor(startMonths));
    m_startAgeDays = int(std::floor((startMonths - m_startAgeMonths) * 30));
    m_hourOfBegin = (*beginCal)[3];
    m_minuteOfBegin = (*beginCal)[4];

    const int yearStem = Vocabulary::stemOf(m_yearChac);
    const int lifeBranch = palaceBranch(lifePalaceAnchor);
    const int bodyBranch = palaceBranch(bodyPalaceAnchor);
    m_lifePalaceChac = Vocabulary::cycleOf(monthStemOf(yearStem, lifeBranch), lifeBranch);
    m_bodyPalaceChac = Vocabulary::cycleOf(monthStemOf(yearStem, bodyBranch), bodyBranch);
    // 胎元: the stem after the month stem, the branch three after the month branch.
    m_conceptionChac = Vocabulary::cycleOf(Vocabulary::stemOf(m_monthChac) + 1, Vocabulary::branchOf(m_monthChac) + 3);

    if (!m_watched.load(std::memory_order_relaxed))
        return;
    emit baseGanChanged();
    emit malefemaleChanged();
    emit clockwiseChanged();
    emit ageOfBeginChanged();
    emit solarYearOfBeginChanged();
    emit solarMonthOfBeginChanged();
    emit solarDayOfBeginChanged();
    emit sinoYearOfBeginChanged();
    emit sinoMonthOfBeginChanged();
    emit jiaziNianOfBeginChanged();
    emit dayunJiaZiofBeginChanged();
    emit jd_dateBeginDYChanged();
    emit yearChacChanged();
    emit monthChacChanged();
    emit dayChacChanged();
    emit hourChacChanged();
    emitDateTextSignals();
    emit ytgChengCntChanged();
    emit isPassMiddleTermChanged();
    emit jd_birthTimeChanged();
    emit jd_JieTimeBeforeChanged();
    emit jd_QiTimeMiddleChanged();
    emit jd_JieTimeAfterChanged();
    emit startAgeYearsChanged();
    emit startAgeMonthsChanged();
    emit startAgeDaysChanged();
    emit hourOfBeginChanged();
    emit minuteOfBeginChanged();
    emit lifePalaceChacChanged();
    emit conceptionChacChanged();
    emit bodyPalaceChacChanged();
    emit totalReadyCalcChanged();
}

namespace {

// Stores a choice given by its name and calls `changed` when it differs
// from the one held; false for a name that names no choice.
template <typename Choice, typename Changed>
bool setChoiceByName(const QString &name, bool (*fromName)(const QString &, Choice &), Choice &held,
                     Changed changed)
{
    Choice chosen;
    if (!fromName(name, chosen))
        return false;
    if (chosen != held) {
        held = chosen;
        changed();
    }
    return true;
}

} // namespace

// A ready chart is cast again under the new choice.
bool InSight::setLuckRuleName(const QString &name)
{
    return setChoiceByName(name, &LuckStart::ruleFromName, m_luckRule, [this] {
        if (m_totalReadyCalc == 1)
            refresh();
    });
}

bool InSight::setLuckDirectionName(const QString &name)
{
    return setChoiceByName(name, &LuckStart::directionFromName, m_luckDirection, [this] {
        if (m_totalReadyCalc == 1)
            refresh();
    });
}

LuckStart InSight::luckStart(LuckRule rule) const
{
    return LuckStart::compute(m_timePoints[0], m_clockwise == 1, rule);
}

namespace {

QVariantMap luckStartMap(const LuckStart &s)
{
    return QVariantMap{{QStringLiteral("rule"), LuckStart::ruleName(s.rule)},
                       {QStringLiteral("label"), LuckStart::ruleLabel(LuckStart::ruleName(s.rule))},
                       {QStringLiteral("ageYears"), s.ageYears},
                       {QStringLiteral("ageMonths"), s.ageMonths},
                       {QStringLiteral("ageDays"), s.ageDays},
                       {QStringLiteral("ageHours"), s.ageHours},
                       {QStringLiteral("start"), s.start},
                       {QStringLiteral("age"), s.age},
                       {QStringLiteral("jd"), s.jdStart},
                       {QStringLiteral("steps"), s.steps}};
}

QVariantList pillarNames(const int *chacs)
{
    QVariantList names;
    for (int i = 0; i < 4; ++i)
        names.append(Vocabulary::jiaziName(chacs[i]));
    return names;
}

QVariantList intList(const int *values, int count)
{
    QVariantList list;
    for (int i = 0; i < count; ++i)
        list.append(values[i]);
    return list;
}

} // namespace

QVariant InSight::luckStarts() const
{
    QVariantList list;
    if (m_totalReadyCalc != 1)
        return list;
    for (LuckRule rule : LuckStart::allRules) {
        const LuckStart s = luckStart(rule);
        if (s.valid)
            list.append(luckStartMap(s));
    }
    return list;
}

QVariant InSight::boundaryWarnings(int switch11pm, bool trueSolarTime) const
{
    QVariantList list;
    if (m_totalReadyCalc != 1)
        return list;
    for (const BoundaryWarning &w : BoundaryWarnings::of(m_timePoints[0], switch11pm, trueSolarTime)) {
        QVariantMap map{{QStringLiteral("kind"), w.kind},
                        {QStringLiteral("minutesAway"), std::round(w.minutesAway * 100) / 100},
                        {QStringLiteral("budgetSeconds"), w.budgetSeconds},
                        {QStringLiteral("alternative"), pillarNames(w.alternative.data())},
                        {QStringLiteral("alternativeChacs"), intList(w.alternative.data(), 4)},
                        {QStringLiteral("moment"), intList(w.alternativeMoment.data(), 5)},
                        {QStringLiteral("ztyJdPlus"), m_timePoints[0].ztyJdPlus}};
        if (w.alternativeMonthStart != 0)
            map.insert(QStringLiteral("alternativeMonthStart"),
                       QDate::fromJulianDay(w.alternativeMonthStart).toString(Qt::ISODate));
        list.append(map);
    }
    return list;
}

bool InSight::uncertainLunarDay(int y, int m, int d) const
{
    const QDate date(y, m, d);
    return date.isValid() && BoundaryWarnings::dayInUncertainMonth(int(date.toJulianDay()));
}

bool InSight::uncertainTermDay(double termJd) const
{
    return BoundaryWarnings::termDayUncertain(termJd);
}

QVariant InSight::flowWarnings(int sinoYear) const
{
    QVariantList list;
    for (const BoundaryWarning &w : BoundaryWarnings::ofFlowYear(sinoYear)) {
        QVariantMap map{{QStringLiteral("kind"), w.kind},
                        {QStringLiteral("minutesAway"), std::round(w.minutesAway * 100) / 100},
                        {QStringLiteral("budgetSeconds"), w.budgetSeconds},
                        {QStringLiteral("monthStart"), QDate::fromJulianDay(w.monthStart).toString(Qt::ISODate)},
                        {QStringLiteral("alternativeMonthStart"),
                         QDate::fromJulianDay(w.alternativeMonthStart).toString(Qt::ISODate)}};
        if (w.termPosition >= 0)
            map.insert(QStringLiteral("termPosition"), w.termPosition);
        list.append(map);
    }
    return list;
}

QVariant InSight::hourCandidates(int malefemale, int solarlunar, int y, int m, int d, int isleap, double ztyJdPlus,
                                 int switch11pm) const
{
    QVariantList list;
    for (const HourCandidate &c : HourCandidates::of(malefemale, solarlunar, y, m, d, isleap, ztyJdPlus, switch11pm,
                                                      m_luckRule, m_luckDirection)) {
        const int dayStem = Vocabulary::stemOf(c.pillars[2]);
        const int hour = c.pillars[3];
        // The stars, combinations and clashes that touch the hour column.
        GetShenShaRelations relations;
        relations.updateShenShaRel(c.pillars[0], c.pillars[1], c.pillars[2], c.pillars[3]);
        QStringList hourRelations;
        for (const QString &r : relations.zhu(3)) {
            const QString name = GetShenShaRelations::starName(r.section(QLatin1Char('|'), 0, 0).toInt());
            if (!name.isEmpty() && !hourRelations.contains(name))
                hourRelations << name;
        }
        list.append(QVariantMap{
            {QStringLiteral("branch"), c.branch},
            {QStringLiteral("clock"), QString::asprintf("%02d:%02d", c.hour, c.minute)},
            {QStringLiteral("pillars"), pillarNames(c.pillars.data())},
            {QStringLiteral("chacs"), intList(c.pillars.data(), 4)},
            {QStringLiteral("hourStemGod"), Vocabulary::qs(Vocabulary::shen10Full(dayStem, Vocabulary::stemOf(hour)).name)},
            {QStringLiteral("hourBranchGods"), Vocabulary::hiddenShen10Full(dayStem, Vocabulary::branchOf(hour))},
            {QStringLiteral("relations"), hourRelations},
            {QStringLiteral("luckStart"), luckStartMap(c.luck)}});
    }
    return list;
}

QVariant InSight::getEssentials()
{
    int mainCount[5] = {0, 0, 0, 0, 0};
    int fullCount[5] = {0, 0, 0, 0, 0};
    for (int pillar : {m_yearChac, m_monthChac, m_dayChac, m_hourChac}) {
        const int stemElement = Vocabulary::stemOf(pillar) / 2;
        const Vocabulary::Text hidden = Vocabulary::zhiCangGanTable[Vocabulary::branchOf(pillar)].digits;
        const int mainElement = (hidden[0] - '0') / 2;
        ++mainCount[stemElement];
        ++fullCount[stemElement];
        ++mainCount[mainElement];
        ++fullCount[mainElement];
        for (std::size_t i = 1; i < hidden.size(); ++i)
            ++fullCount[(hidden[i] - '0') / 2];
    }

    const SummaryWords &w = summaryWords().words();
    TextBuilder text;
    const char hash = '#';
    for (const int *counts : {mainCount, fullCount}) {
        for (int e = 0; e < 5; ++e) {
            if (e > 0)
                text += '|';
            appendNumber(text, counts[e]);
        }
        text += hash;
    }
    for (const int *counts : {mainCount, fullCount}) {
        text += counts == mainCount ? w.byMain : w.byFull;
        text += w.elements[0];
        appendNumber(text, counts[0]);
        for (int e = 1; e < 5; ++e) {
            text += w.elementsAfterFirst[e - 1];
            appendNumber(text, counts[e]);
        }
        text += hash;
    }

    bool anyMissing = false;
    for (int e = 0; e < 5; ++e) {
        if (mainCount[e] != 0)
            continue;
        if (anyMissing)
            text += w.separator;
        text += w.missing;
        text += w.elements[e];
        if (fullCount[e] != 0)
            text += w.notMissingByHidden;
        anyMissing = true;
    }
    if (!anyMissing)
        text += w.noneMissing;
    text += hash;

    text += w.palace;
    text += cachedName<Vocabulary::zhiNames>(palaceBranch(lifePalaceAnchor));
    text += hash;

    // ageOfBegin is writable from QML; an age that is no number of years
    // reads as 0 rather than as an undefined conversion.
    const double age = std::isfinite(m_ageOfBegin) && std::fabs(m_ageOfBegin) < 1e6 ? m_ageOfBegin : 0;
    const int years = int(std::floor(age));
    const int months = int(std::floor((age - years) * 12));
    text += w.startAbout;
    appendNumber(text, years);
    text += w.years;
    appendNumber(text, months);
    text += w.monthsThat;
    appendNumber(text, m_solarYearOfBegin);
    text += QStringLiteral("年");
    appendNumber(text, m_solarMonthOfBegin);
    text += QStringLiteral("月");
    appendNumber(text, m_solarDayOfBegin);
    text += QStringLiteral("日");
    return text.text();
}

QVariant InSight::getNaYinStr(int chac)
{
    return Vocabulary::qs(Vocabulary::nayinOf(chac));
}

// The twelve date-text signals, in property order.
void InSight::emitDateTextSignals()
{
    emit thisSolarDateStrChanged();
    emit thisLunarDateStrChanged();
    emit thisSolarDateStrIntChanged();
    emit thisLunarDateStrIntChanged();
    emit alternativeSolarDateStr2Changed();
    emit alternativeLunarDateStr2Changed();
    emit alternativeSolarDateStr2IntChanged();
    emit alternativeLunarDateStr2IntChanged();
    emit alternativeSolarDateStr3Changed();
    emit alternativeLunarDateStr3Changed();
    emit alternativeSolarDateStr3IntChanged();
    emit alternativeLunarDateStr3IntChanged();
}
