#include "X11Desktop.h"

#include <QProcess>
#include <QRegularExpression>

namespace X11Desktop {

namespace {

// Runs a program to its end (10 s at most) and returns its standard output; `ok` tells whether it
// exited with 0.
QString run(const QString &program, const QStringList &arguments, bool *ok = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    const bool finished = process.waitForStarted(10000) && process.waitForFinished(10000);
    if (!finished) {
        process.kill();
        process.waitForFinished(1000);
    }
    if (ok)
        *ok = finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

} // namespace

QList<Window> windows()
{
    // Lines such as
    //      0x400007 "Norrid": ("norrid_testapp" "Norrid")  24x24+2+4  +1242+4
    // indented three spaces per level below the root.
    static const QRegularExpression line(QStringLiteral(
        R"re(^(\s+)(0x[0-9a-f]+) (?:"(.*)"|\(has no name\)): \((?:"[^"]*" "([^"]*)")?\)\s+(\d+)x(\d+)\+-?\d+\+-?\d+\s+\+(-?\d+)\+(-?\d+))re"));
    const QString tree = run(QStringLiteral("xwininfo"), {QStringLiteral("-root"), QStringLiteral("-tree")});
    QList<Window> result;
    QList<std::pair<qsizetype, quint32>> ancestors; // indentation and id of the open levels
    const auto lines = tree.split(u'\n');
    for (const QString &text : lines) {
        const QRegularExpressionMatch match = line.match(text);
        if (!match.hasMatch())
            continue;
        const qsizetype indent = match.capturedLength(1);
        while (!ancestors.isEmpty() && ancestors.last().first >= indent)
            ancestors.removeLast();
        const quint32 id = match.captured(2).toUInt(nullptr, 16);
        result.append({id, match.captured(3), match.captured(4),
                       QRect(match.captured(7).toInt(), match.captured(8).toInt(), match.captured(5).toInt(),
                             match.captured(6).toInt()),
                       int(ancestors.size()) + 1, ancestors.isEmpty() ? 0 : ancestors.last().second});
        ancestors.append({indent, id});
    }
    return result;
}

bool isInside(const QList<Window> &list, const Window &window, quint32 ancestor)
{
    for (quint32 parent = window.parent; parent != 0;) {
        if (parent == ancestor)
            return true;
        const auto it = std::find_if(list.begin(), list.end(),
                                     [parent](const Window &other) { return other.id == parent; });
        parent = it == list.end() ? 0 : it->parent;
    }
    return false;
}

QList<quint32> visibleWindowsNamed(const QString &pattern)
{
    const QString ids =
        run(QStringLiteral("xdotool"),
            {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"), pattern});
    QList<quint32> result;
    const auto lines = ids.split(u'\n', Qt::SkipEmptyParts);
    for (const QString &id : lines)
        result.append(id.trimmed().toUInt());
    return result;
}

bool click(const QPoint &at, int button)
{
    bool ok = false;
    run(QStringLiteral("xdotool"),
        {QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()),
         QStringLiteral("click"), QString::number(button)},
        &ok);
    return ok;
}

bool key(const QString &keysym)
{
    bool ok = false;
    run(QStringLiteral("xdotool"), {QStringLiteral("key"), keysym}, &ok);
    return ok;
}

} // namespace X11Desktop
