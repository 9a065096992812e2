// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#include "conversion/digits.h"
#include "conversion/hourstoservice.h"
#include "conversion/sectiontable.h"
#include "conversion/servicetohours.h"

#include <QTest>

#include <limits>

class TestServiceToHours : public QObject
{
    Q_OBJECT

private slots:
    void convertsExactly_data();
    void convertsExactly();
    void refuses_data();
    void refuses();
    void roundTripUpToEveryCeiling();
};

void TestServiceToHours::convertsExactly_data()
{
    QTest::addColumn<int>("weeklyHours");
    QTest::addColumn<int>("years");
    QTest::addColumn<int>("months");
    QTest::addColumn<int>("days");
    QTest::addColumn<int>("hours");

    QTest::newRow("1 year at 21: 1050, months even") << 21 << 1 << 0 << 0 << 1050;
    QTest::newRow("1 month at 21: 87.5 down to 87, +1 for odd months and 0 days") << 21 << 0 << 1 << 0 << 88;
    QTest::newRow("1 month 25 days at 21: 175, -1 for odd months and 25 days") << 21 << 0 << 1 << 25 << 174;
    QTest::newRow("2 months 25 days at 21: 262.5 down to 262, months even") << 21 << 0 << 2 << 25 << 262;
    QTest::newRow("1 month 4 days at 21: 101.5 down to 101, no correction") << 21 << 0 << 1 << 4 << 101;
    QTest::newRow("1 day at 22: 3.67 down to 3") << 22 << 0 << 0 << 1 << 3;
    QTest::newRow("ceiling of ΠΕ") << 21 << 95 << 2 << 21 << 99998;
    QTest::newRow("ceiling of ΤΕ") << 22 << 90 << 10 << 22 << 99997;
    QTest::newRow("ceiling of ΔΕ") << 28 << 71 << 5 << 3 << 99997;
    QTest::newRow("ceiling of 1βάθμια: 100000, -1 keeps it to five digits") << 25 << 79 << 11 << 25 << 99999;
    QTest::newRow("nothing: 0") << 21 << 0 << 0 << 0 << 0;
    QTest::newRow("no section chosen: 0") << 0 << 0 << 0 << 0 << 0;
    QTest::newRow("no section chosen, odd months and 0 days: still 0") << 0 << 0 << 1 << 0 << 0;
    QTest::newRow("no section chosen, odd months and 25 days: still 0") << 0 << 0 << 1 << 25 << 0;
    QTest::newRow("95/2/25 at 21, above the ceiling: six digits") << 21 << 95 << 2 << 25 << 100012;
    QTest::newRow("90/10/25 at 22, above the ceiling") << 22 << 90 << 10 << 25 << 100008;
    QTest::newRow("71/5/25 at 28, above the ceiling") << 28 << 71 << 5 << 25 << 100099;
    QTest::newRow("95/2/25 of ΠΕ left on show in ΔΕ") << 28 << 95 << 2 << 25 << 133350;
}

void TestServiceToHours::convertsExactly()
{
    QFETCH(int, weeklyHours);
    QFETCH(int, years);
    QFETCH(int, months);
    QFETCH(int, days);
    QFETCH(int, hours);
    QCOMPARE(ServiceToHours(years, months, days, static_cast<std::int16_t>(weeklyHours)), hours);
}

void TestServiceToHours::refuses_data()
{
    constexpr int most = std::numeric_limits<std::int32_t>::max();
    QTest::addColumn<int>("years");
    QTest::addColumn<int>("months");
    QTest::addColumn<int>("days");
    QTest::addColumn<int>("weeklyHours");

    QTest::newRow("negative years") << -1 << 0 << 0 << 21;
    QTest::newRow("negative months") << 0 << -1 << 0 << 21;
    QTest::newRow("negative days") << 0 << 0 << -1 << 21;
    QTest::newRow("negative weekly hours") << 1 << 0 << 0 << -21;
    QTest::newRow("years × 12 past 32 bits") << most / 12 + 1 << 0 << 0 << 21;
    QTest::newRow("months added past 32 bits") << most / 12 << most << 0 << 21;
    QTest::newRow("month count × 25 past 32 bits") << most / 300 + 1 << 0 << 0 << 21;
    QTest::newRow("days added past 32 bits") << 0 << most / 25 << most << 21;
    QTest::newRow("day count × weekly hours past 32 bits") << 300000 << 0 << 0 << 32767;
}

void TestServiceToHours::refuses()
{
    QFETCH(int, years);
    QFETCH(int, months);
    QFETCH(int, days);
    QFETCH(int, weeklyHours);
    QCOMPARE(ServiceToHours(years, months, days, static_cast<std::int16_t>(weeklyHours)), std::nullopt);
}

// Every service up to each section's ceiling, to hours and back. At 21 weekly
// hours it comes back as itself; at the others a service with 0 or 25 days may
// come back in its neighbouring form (a month less and 25 days, or a month
// more and 0 days), and every other service as itself.
void TestServiceToHours::roundTripUpToEveryCeiling()
{
    for (int section = FirstSection; section <= LastSection; ++section) {
        const SectionRow &row = sectionRow(static_cast<std::int16_t>(section));
        for (int years = 0; years <= row.maxYears; ++years) {
            for (int months = 0; months <= 11; ++months) {
                for (int days = 0; days <= 25; ++days) {
                    const bool aboveCeiling =
                        years == row.maxYears &&
                        (months > row.maxMonths || (months == row.maxMonths && days > row.maxDays));
                    if (aboveCeiling)
                        continue;
                    const std::optional<std::int32_t> hours = ServiceToHours(years, months, days, row.weeklyHours);
                    QVERIFY(hours.has_value());
                    QVERIFY(*hours >= 0 && *hours <= 99999);
                    const ServiceResult back = *HoursToService(plainDigits(*hours), row.weeklyHours);
                    const int total = (years * 12 + months) * 26 + days;
                    const int backTotal = (back.years * 12 + back.months) * 26 + back.days;
                    const QByteArray where = QStringLiteral("%1/%2/%3 in section %4 gave %5 hours, shown as %6/%7/%8")
                                                 .arg(years)
                                                 .arg(months)
                                                 .arg(days)
                                                 .arg(section)
                                                 .arg(*hours)
                                                 .arg(back.years)
                                                 .arg(back.months)
                                                 .arg(back.days)
                                                 .toUtf8();
                    if (row.weeklyHours == 21 || (days != 0 && days != 25)) {
                        QVERIFY2(backTotal == total, where.constData());
                    } else {
                        const bool neighbour =
                            (days == 0 && backTotal == total - 26 + 25) || (days == 25 && backTotal == total + 26 - 25);
                        QVERIFY2(backTotal == total || neighbour, where.constData());
                    }
                }
            }
        }
    }
}

QTEST_GUILESS_MAIN(TestServiceToHours)
#include "tst_servicetohours.moc"
