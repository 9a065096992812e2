// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#include "conversion/digits.h"
#include "conversion/hourstoservice.h"
#include "conversion/sectiontable.h"

#include <QTest>

#include <array>
#include <string>

namespace {
struct Figures
{
    int years;
    int months;
    int days;
};

const std::array<const char *, 5> SectionNames{"", "ΠΕ", "ΤΕ", "ΔΕ", "1βάθμια"};
} // namespace

class TestHoursToService : public QObject
{
    Q_OBJECT

private slots:
    void convertsExactly_data();
    void convertsExactly();
    void refuses_data();
    void refuses();
    void lastWholeMonthCount_data();
    void lastWholeMonthCount();
    void everyHourOfEverySection();
};

void TestHoursToService::convertsExactly_data()
{
    QTest::addColumn<QString>("hoursText");
    QTest::addColumn<int>("section");
    QTest::addColumn<int>("years");
    QTest::addColumn<int>("months");
    QTest::addColumn<int>("days");

    struct Row
    {
        const char *hours;
        std::array<Figures, 4> bySection;
    };
    const Row rows[] = {
        {"", {{{0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}}}},
        {"0", {{{0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}}}},
        {"1", {{{0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}}}},
        {"43", {{{0, 0, 12}, {0, 0, 12}, {0, 0, 9}, {0, 0, 10}}}},
        {"44", {{{0, 0, 13}, {0, 0, 12}, {0, 0, 9}, {0, 0, 11}}}},
        // 63 hours at 28 a week: 13 days in double arithmetic, 14 in exact fractions.
        {"63", {{{0, 0, 18}, {0, 0, 17}, {0, 0, 13}, {0, 0, 15}}}},
        // 86 hours at 21 a week: 25 days, not carried into a month.
        {"86", {{{0, 0, 25}, {0, 0, 23}, {0, 0, 18}, {0, 0, 21}}}},
        {"88", {{{0, 1, 0}, {0, 0, 24}, {0, 0, 19}, {0, 0, 21}}}},
        {"0088", {{{0, 1, 0}, {0, 0, 24}, {0, 0, 19}, {0, 0, 21}}}},
        {"175", {{{0, 2, 0}, {0, 1, 23}, {0, 1, 13}, {0, 1, 17}}}},
        {"1050", {{{1, 0, 0}, {0, 11, 11}, {0, 9, 0}, {0, 10, 2}}}},
        {"12345", {{{11, 9, 2}, {11, 2, 17}, {8, 9, 20}, {9, 10, 13}}}},
        {"99999", {{{95, 2, 21}, {90, 10, 22}, {71, 5, 3}, {79, 11, 25}}}},
        // Six digits, as the adjusters can write past a section's ceiling.
        {"100012", {{{95, 2, 25}, {90, 11, 1}, {71, 5, 6}, {80, 0, 3}}}},
    };
    for (const Row &row : rows) {
        for (int section = FirstSection; section <= LastSection; ++section) {
            const Figures &expected = row.bySection.at(section - 1);
            QTest::addRow("\"%s\" hours in %s: %d, %d, %d", row.hours, SectionNames.at(section), expected.years,
                          expected.months, expected.days)
                << QString::fromLatin1(row.hours) << section << expected.years << expected.months << expected.days;
        }
    }
}

void TestHoursToService::convertsExactly()
{
    QFETCH(QString, hoursText);
    QFETCH(int, section);
    QFETCH(int, years);
    QFETCH(int, months);
    QFETCH(int, days);

    const std::optional<ServiceResult> result =
        HoursToService(hoursText.toStdString(), sectionRow(static_cast<std::int16_t>(section)).weeklyHours);
    QVERIFY(result.has_value());
    QCOMPARE(result->hours, hoursText.isEmpty() ? 0 : hoursText.toInt());
    QCOMPARE(result->years, years);
    QCOMPARE(result->months, months);
    QCOMPARE(result->days, days);
}

void TestHoursToService::refuses_data()
{
    QTest::addColumn<QString>("hoursText");
    QTest::addColumn<int>("weeklyHours");

    QTest::newRow("no section chosen") << QStringLiteral("175") << 0;
    QTest::newRow("no section chosen, empty text") << QString() << 0;
    QTest::newRow("negative weekly hours") << QStringLiteral("175") << -21;
    QTest::newRow("weekly hours whose monthly product passes 16 bits") << QStringLiteral("175") << 1311;
    QTest::newRow("a letter") << QStringLiteral("12a") << 21;
    QTest::newRow("a sign") << QStringLiteral("-5") << 21;
    QTest::newRow("a blank") << QStringLiteral(" 5") << 21;
    QTest::newRow("a decimal point") << QStringLiteral("5.5") << 21;
    QTest::newRow("digits of another script") << QStringLiteral("٣") << 21;
    QTest::newRow("hours beyond 32 bits") << QStringLiteral("2147483648") << 21;
    QTest::newRow("more whole months than 16 bits hold") << QStringLiteral("2147483647") << 21;
}

void TestHoursToService::refuses()
{
    QFETCH(QString, hoursText);
    QFETCH(int, weeklyHours);
    QCOMPARE(HoursToService(hoursText.toStdString(), static_cast<std::int16_t>(weeklyHours)), std::nullopt);
}

void TestHoursToService::lastWholeMonthCount_data()
{
    QTest::addColumn<int>("section");
    QTest::addColumn<int>("lastHours");

    QTest::newRow("ΠΕ") << 1 << 2867199;
    QTest::newRow("ΤΕ") << 2 << 3003733;
    QTest::newRow("ΔΕ") << 3 << 3822933;
    QTest::newRow("1βάθμια") << 4 << 3413333;
}

void TestHoursToService::lastWholeMonthCount()
{
    QFETCH(int, section);
    QFETCH(int, lastHours);
    const std::int16_t weeklyHours = sectionRow(static_cast<std::int16_t>(section)).weeklyHours;

    const std::optional<ServiceResult> last = HoursToService(plainDigits(lastHours), weeklyHours);
    QVERIFY(last.has_value());
    QCOMPARE(last->years * 12 + last->months, 32767);
    QCOMPARE(HoursToService(plainDigits(lastHours + 1), weeklyHours), std::nullopt);
}

// Over all the hours the box takes: the figures stay in range, never go down
// as the hours grow, and 99999 hours reach the section's ceiling.
void TestHoursToService::everyHourOfEverySection()
{
    for (int section = FirstSection; section <= LastSection; ++section) {
        const SectionRow &row = sectionRow(static_cast<std::int16_t>(section));
        int previousMonths = 0;
        int previousDays = 0;
        for (int hours = 0; hours <= 99999; ++hours) {
            const std::optional<ServiceResult> result = HoursToService(plainDigits(hours), row.weeklyHours);
            QVERIFY(result.has_value());
            QVERIFY2(result->months >= 0 && result->months <= 11, qPrintable(QString::number(hours)));
            QVERIFY2(result->days >= 0 && result->days <= 25, qPrintable(QString::number(hours)));
            const int totalMonths = result->years * 12 + result->months;
            const bool notDown =
                totalMonths > previousMonths || (totalMonths == previousMonths && result->days >= previousDays);
            QVERIFY2(notDown, qPrintable(QStringLiteral("%1 hours in section %2").arg(hours).arg(section)));
            previousMonths = totalMonths;
            previousDays = result->days;
        }
        const std::optional<ServiceResult> ceiling = HoursToService("99999", row.weeklyHours);
        QCOMPARE(ceiling->years, row.maxYears);
        QCOMPARE(ceiling->months, row.maxMonths);
        QCOMPARE(ceiling->days, row.maxDays);
    }
}

QTEST_GUILESS_MAIN(TestHoursToService)
#include "tst_hourstoservice.moc"
