// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>

#include "ShenShaRules.h"

// ShenSha stars, combinations and clashes of up to ten pillars of one chart
// (year, month, day, hour, luck pillar, flow year, flow month, flow day, life
// palace, conception pillar), published as one string list per column, plus the
// basic rows (label, stem, branch, ten gods, NaYin) of each present column.
//
// A relation string is decimal integers joined by "|": relation code, hit
// position, then reference or partner positions. Positions 0-9, 20-29 and
// 60-69 name the stem, branch and pillar of a column.
class GetShenShaRelations : public QObject
{
    Q_OBJECT
    // MEMBER properties: a write from QML emits only when the value differs.
    // Column 0 (year): relation strings "code|hit|partners..."; empty when absent.
    Q_PROPERTY(QStringList zhu0 MEMBER m_zhu0 NOTIFY zhu0Changed)
    // Column 1 (month): relation strings "code|hit|partners..."; empty when absent.
    Q_PROPERTY(QStringList zhu1 MEMBER m_zhu1 NOTIFY zhu1Changed)
    // Column 2 (day): relation strings "code|hit|partners..."; empty when absent.
    Q_PROPERTY(QStringList zhu2 MEMBER m_zhu2 NOTIFY zhu2Changed)
    // Column 3 (hour): relation strings "code|hit|partners..."; empty when absent.
    Q_PROPERTY(QStringList zhu3 MEMBER m_zhu3 NOTIFY zhu3Changed)
    // Column 4 (luck pillar): relation strings "code|hit|partners..."; empty when absent.
    Q_PROPERTY(QStringList zhu4 MEMBER m_zhu4 NOTIFY zhu4Changed)
    // Column 5 (flow year): relation strings "code|hit|partners..."; empty when absent.
    Q_PROPERTY(QStringList zhu5 MEMBER m_zhu5 NOTIFY zhu5Changed)
    // Column 6 (flow month): relation strings "code|hit|partners..."; empty when absent.
    Q_PROPERTY(QStringList zhu6 MEMBER m_zhu6 NOTIFY zhu6Changed)
    // Column 7 (flow day): relation strings "code|hit|partners..."; empty when absent.
    Q_PROPERTY(QStringList zhu7 MEMBER m_zhu7 NOTIFY zhu7Changed)
    // Column 8 (life palace (命宫)): relation strings "code|hit|partners..."; empty when absent.
    Q_PROPERTY(QStringList zhu8 MEMBER m_zhu8 NOTIFY zhu8Changed)
    // Column 9 (conception pillar (胎元)): relation strings "code|hit|partners..."; empty when absent.
    Q_PROPERTY(QStringList zhu9 MEMBER m_zhu9 NOTIFY zhu9Changed)
    // Column 0 (year): basic rows (label, stem, branch, ten gods, NaYin); empty when absent.
    Q_PROPERTY(QStringList zhu0_basic MEMBER m_zhu0_basic NOTIFY zhu0_basicChanged)
    // Column 1 (month): basic rows (label, stem, branch, ten gods, NaYin); empty when absent.
    Q_PROPERTY(QStringList zhu1_basic MEMBER m_zhu1_basic NOTIFY zhu1_basicChanged)
    // Column 2 (day): basic rows (label, stem, branch, ten gods, NaYin); empty when absent.
    Q_PROPERTY(QStringList zhu2_basic MEMBER m_zhu2_basic NOTIFY zhu2_basicChanged)
    // Column 3 (hour): basic rows (label, stem, branch, ten gods, NaYin); empty when absent.
    Q_PROPERTY(QStringList zhu3_basic MEMBER m_zhu3_basic NOTIFY zhu3_basicChanged)
    // Column 4 (luck pillar): basic rows (label, stem, branch, ten gods, NaYin); empty when absent.
    Q_PROPERTY(QStringList zhu4_basic MEMBER m_zhu4_basic NOTIFY zhu4_basicChanged)
    // Column 5 (flow year): basic rows (label, stem, branch, ten gods, NaYin); empty when absent.
    Q_PROPERTY(QStringList zhu5_basic MEMBER m_zhu5_basic NOTIFY zhu5_basicChanged)
    // Column 6 (flow month): basic rows (label, stem, branch, ten gods, NaYin); empty when absent.
    Q_PROPERTY(QStringList zhu6_basic MEMBER m_zhu6_basic NOTIFY zhu6_basicChanged)
    // Column 7 (flow day): basic rows (label, stem, branch, ten gods, NaYin); empty when absent.
    Q_PROPERTY(QStringList zhu7_basic MEMBER m_zhu7_basic NOTIFY zhu7_basicChanged)
    // Column 8 (life palace (命宫)): basic rows (label, stem, branch, ten gods, NaYin); empty when absent.
    Q_PROPERTY(QStringList zhu8_basic MEMBER m_zhu8_basic NOTIFY zhu8_basicChanged)
    // Column 9 (conception pillar (胎元)): basic rows (label, stem, branch, ten gods, NaYin); empty when absent.
    Q_PROPERTY(QStringList zhu9_basic MEMBER m_zhu9_basic NOTIFY zhu9_basicChanged)
    // Update counter, 0..99 (wraps): one step per updateShenShaRel, announced after the columns.
    Q_PROPERTY(int tagForChangedCnt MEMBER m_tagForChangedCnt NOTIFY tagForChangedCntChanged)

public:
    static constexpr int columnCount = 10;

    explicit GetShenShaRelations(QObject *parent = nullptr);

    // Returns 0, or -1 (and changes nothing) when n0..n3 are outside 0..59 or
    // one of the others outside -1..59. -1 marks an absent column.
    Q_INVOKABLE QVariant updateShenShaRel(int n0, int n1, int n2, int n3, int n4 = -1, int n5 = -1,
                                          int ymon6 = -1, int ydmn7 = -1, int gong8 = -1, int yuan9 = -1);

    // Rebuilds the basic rows of the present columns (absent columns keep
    // theirs) and emits all ten basic signals; does nothing on bad arguments.
    void updateBasicRows(int n0, int n1, int n2, int n3, int n4 = -1, int n5 = -1,
                         int ymon6 = -1, int ydmn7 = -1, int gong8 = -1, int yuan9 = -1);

    const QStringList &zhu(int column) const;
    const QStringList &basic(int column) const;
    int tagForChangedCnt() const { return m_tagForChangedCnt; }

    // Display name of a relation code ("天乙", "六冲", ...), empty for unused codes.
    static QString starName(int code);
    // The same for the pages, which mark relations on the pillars by these names.
    Q_INVOKABLE QString relationName(int code) const { return starName(code); }

    // Every relation of the last call that joins a natal pillar with the luck
    // pillar or a flow pillar, or two of those, as relation strings. Unlike the
    // column lists it keeps every partner: a clash a flow year completes is
    // listed even when the same clash already joins two natal pillars.
    Q_INVOKABLE QStringList layerRelations() const;

signals:
    void zhu0Changed();
    void zhu1Changed();
    void zhu2Changed();
    void zhu3Changed();
    void zhu4Changed();
    void zhu5Changed();
    void zhu6Changed();
    void zhu7Changed();
    void zhu8Changed();
    void zhu9Changed();
    void zhu0_basicChanged();
    void zhu1_basicChanged();
    void zhu2_basicChanged();
    void zhu3_basicChanged();
    void zhu4_basicChanged();
    void zhu5_basicChanged();
    void zhu6_basicChanged();
    void zhu7_basicChanged();
    void zhu8_basicChanged();
    void zhu9_basicChanged();
    void tagForChangedCntChanged();

private:
    using Signal = void (GetShenShaRelations::*)();
    // Column-indexed access to the members behind zhu0..zhu9 and zhu0_basic..zhu9_basic.
    static QStringList GetShenShaRelations::*const zhuMembers[columnCount];
    static QStringList GetShenShaRelations::*const basicMembers[columnCount];
    static const Signal zhuSignals[columnCount];
    static const Signal basicSignals[columnCount];

    QStringList m_zhu0;
    QStringList m_zhu1;
    QStringList m_zhu2;
    QStringList m_zhu3;
    QStringList m_zhu4;
    QStringList m_zhu5;
    QStringList m_zhu6;
    QStringList m_zhu7;
    QStringList m_zhu8;
    QStringList m_zhu9;
    QStringList m_zhu0_basic;
    QStringList m_zhu1_basic;
    QStringList m_zhu2_basic;
    QStringList m_zhu3_basic;
    QStringList m_zhu4_basic;
    QStringList m_zhu5_basic;
    QStringList m_zhu6_basic;
    QStringList m_zhu7_basic;
    QStringList m_zhu8_basic;
    QStringList m_zhu9_basic;
    int m_tagForChangedCnt = 0;
    ShenShaRules::EntryList m_lastEntries; // all findings of the last call, unthinned
};
