#include "updates/DebianPackage.h"

#include <QProcess>
#include <QRegularExpression>

namespace {

constexpr int toolTimeoutMs = 10000;

// Runs a Debian tool without a shell; its standard output, or none when it did not end well.
std::optional<QByteArray> run(const QString &program, const QStringList &arguments, int *exitCode = nullptr)
{
    QProcess process;
    process.start(program, arguments, QIODevice::ReadOnly);
    if (!process.waitForFinished(toolTimeoutMs) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished();
        return std::nullopt;
    }
    if (exitCode)
        *exitCode = process.exitCode();
    return process.readAllStandardOutput();
}

} // namespace

std::optional<QString> DebianPackage::version(const QString &path)
{
    int exitCode = -1;
    const auto output = run(QStringLiteral("dpkg-deb"),
                            {QStringLiteral("--field"), path, QStringLiteral("Version")}, &exitCode);
    if (!output || exitCode != 0)
        return std::nullopt;
    const QString text = QString::fromUtf8(*output).trimmed();
    // Debian's version syntax: an optional epoch, then letters, digits and . + ~ - :
    static const QRegularExpression syntax(QStringLiteral("^[0-9A-Za-z.+~:-]{1,100}$"));
    if (!syntax.match(text).hasMatch())
        return std::nullopt;
    return text;
}

bool DebianPackage::isLater(const QString &a, const QString &b)
{
    int exitCode = -1;
    const auto output = run(QStringLiteral("dpkg"),
                            {QStringLiteral("--compare-versions"), a, QStringLiteral("gt"), b}, &exitCode);
    return output && exitCode == 0;
}
