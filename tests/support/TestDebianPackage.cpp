#include "support/TestDebianPackage.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

QByteArray TestDebianPackage::build(const QString &version, qsizetype payloadBytes)
{
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath(QStringLiteral("tree/DEBIAN")));
    QDir().mkpath(dir.filePath(QStringLiteral("tree/usr/share/norrid")));
    QFile control(dir.filePath(QStringLiteral("tree/DEBIAN/control")));
    QFile payload(dir.filePath(QStringLiteral("tree/usr/share/norrid/payload")));
    if (!control.open(QIODevice::WriteOnly) || !payload.open(QIODevice::WriteOnly))
        return {};
    control.write(
        "Package: norrid\nVersion: " + version.toLatin1() +
        "\nArchitecture: all\nMaintainer: Tests <tests@norrid.example>\nDescription: test package\n");
    control.close();
    // Random bytes, so that the package is about as large as asked whatever the compression.
    QByteArray bytes(payloadBytes - payloadBytes % 4, '\0');
    QRandomGenerator::global()->fillRange(reinterpret_cast<quint32 *>(bytes.data()), bytes.size() / 4);
    payload.write(bytes);
    payload.close();
    QProcess build;
    build.start(QStringLiteral("dpkg-deb"),
                {QStringLiteral("--build"), QStringLiteral("-Zgzip"), QStringLiteral("-z1"),
                 dir.filePath(QStringLiteral("tree")), dir.filePath(QStringLiteral("out.deb"))});
    if (!build.waitForFinished(60000) || build.exitCode() != 0)
        return {};
    QFile deb(dir.filePath(QStringLiteral("out.deb")));
    return deb.open(QIODevice::ReadOnly) ? deb.readAll() : QByteArray();
}
