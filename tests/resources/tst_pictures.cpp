// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#include "resources/pictures.h"

#include <QImage>
#include <QImageReader>
#include <QTest>

namespace {
const QString ResourceFolder = QStringLiteral(QUORVEL_SOURCE_DIR "/src/resources/");

// An image's pixels alone, in the form a pixmap keeps them, so that pictures
// read or drawn in different ways compare equal when they look the same.
QImage pixels(const QImage &image)
{
    QImage result = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    result.setDevicePixelRatio(1.0);
    return result;
}
} // namespace

class TestPictures : public QObject
{
    Q_OBJECT

private slots:
    void programIconIsDrawnNotScaled_data();
    void programIconIsDrawnNotScaled();
    void smallPicturesHaveDoubleSize_data();
    void smallPicturesHaveDoubleSize();
#ifndef Q_OS_WIN
    // Reads the .ico with Qt's ico plugin, which the Windows build leaves
    // out; there windows_resources compares it with the executable's icon.
    void windowsIconHoldsEveryRenderedSize();
#endif
};

void TestPictures::programIconIsDrawnNotScaled_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<qreal>("ratio");
    for (const int size : {16, 24, 32, 48, 64})
        QTest::addRow("%d pixels", size) << size << 1.0;
    // A high-density screen asks for twice as many pixels.
    for (const int size : {16, 24, 32})
        QTest::addRow("%d at double density", size) << size << 2.0;
}

void TestPictures::programIconIsDrawnNotScaled()
{
    QFETCH(int, size);
    QFETCH(qreal, ratio);
    const QPixmap shown = programIcon().pixmap(QSize(size, size), ratio);
    const QImage drawn(ResourceFolder + QStringLiteral("icons/quorvel-%1.png").arg(qRound(size * ratio)));
    QVERIFY(!drawn.isNull());
    QCOMPARE(shown.devicePixelRatio(), ratio);
    QCOMPARE(pixels(shown.toImage()), pixels(drawn));
}

void TestPictures::smallPicturesHaveDoubleSize_data()
{
    QTest::addColumn<QIcon>("picture");
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QString>("file");
    QTest::newRow("formula") << formulaPicture() << 1.0 << QStringLiteral("info.png");
    QTest::newRow("formula at double density") << formulaPicture() << 2.0 << QStringLiteral("info@2x.png");
    QTest::newRow("about") << aboutPicture() << 1.0 << QStringLiteral("about.png");
    QTest::newRow("about at double density") << aboutPicture() << 2.0 << QStringLiteral("about@2x.png");
}

void TestPictures::smallPicturesHaveDoubleSize()
{
    QFETCH(QIcon, picture);
    QFETCH(qreal, ratio);
    QFETCH(QString, file);
    const QPixmap shown = picture.pixmap(QSize(23, 23), ratio);
    const QImage drawn(ResourceFolder + QStringLiteral("pictures/") + file);
    QVERIFY(!drawn.isNull());
    QCOMPARE(shown.devicePixelRatio(), ratio);
    QCOMPARE(pixels(shown.toImage()), pixels(drawn));
}

#ifndef Q_OS_WIN
void TestPictures::windowsIconHoldsEveryRenderedSize()
{
    // The .ico is made from the PNGs by scripts/render-pictures.sh: it must
    // hold each of them unchanged, so that a redrawn icon is not forgotten.
    QImageReader reader(ResourceFolder + QStringLiteral("icons/quorvel.ico"));
    QVERIFY2(reader.canRead(), qPrintable(reader.errorString()));
    QList<int> sizes;
    for (int index = 0; index < reader.imageCount(); ++index) {
        QVERIFY(reader.jumpToImage(index));
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.width(), image.height());
        const QImage drawn(ResourceFolder + QStringLiteral("icons/quorvel-%1.png").arg(image.width()));
        QVERIFY(!drawn.isNull());
        QCOMPARE(pixels(image), pixels(drawn));
        sizes.append(image.width());
    }
    QCOMPARE(sizes, QList<int>({16, 24, 32, 48, 64, 128, 256}));
}
#endif

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
