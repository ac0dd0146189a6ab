#include "updates/VersionComparator.h"

#include <QList>
#include <QStringView>
#include <utility>

namespace {

enum class Kind
{
    number,
    text,
    separator
};

Kind kindOf(QChar c)
{
    // Only ASCII digits count as numbers: other scripts' digits have no agreed value in a version.
    if (c >= u'0' && c <= u'9')
        return Kind::number;
    if (c.isSpace() || c.isPunct())
        return Kind::separator;
    return Kind::text;
}

struct Part
{
    QStringView text;
    Kind kind;
};

QList<Part> split(QStringView version)
{
    QList<Part> parts;
    qsizetype start = 0;
    for (qsizetype i = 1; i <= version.size(); ++i) {
        const Kind kind = kindOf(version[start]);
        // Separators stand alone, so "1..2" keeps both dots as separate parts.
        if (i == version.size() || kindOf(version[i]) != kind || kind == Kind::separator) {
            parts.append({version.mid(start, i - start), kind});
            start = i;
        }
    }
    return parts;
}

// Compares two runs of digits by value without converting them, so any length is safe.
int compareNumbers(QStringView a, QStringView b)
{
    while (a.size() > 1 && a.front() == u'0')
        a = a.mid(1);
    while (b.size() > 1 && b.front() == u'0')
        b = b.mid(1);
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return a.compare(b);
}

bool isNumeric(const Part &part)
{
    return part.kind == Kind::number || (part.kind == Kind::separator && part.text == u".");
}

// The dotted number at the start of a version: the index just after its last number, and how many
// numbers it holds.
std::pair<qsizetype, int> numericPrefix(const QList<Part> &parts)
{
    qsizetype end = 0;
    int numbers = 0;
    for (qsizetype i = 0; i < parts.size() && isNumeric(parts[i]); ++i) {
        if (parts[i].kind == Kind::number) {
            end = i + 1;
            ++numbers;
        }
    }
    return {end, numbers};
}

// Pads the dotted number at the start of the shorter version with ".0" so that "1.0" and "1.0.0"
// are the same version, while "1.0" still sorts before "1.0.1".
void padNumericPrefix(QList<Part> &parts, int numbers)
{
    static const QString dot = QStringLiteral(".");
    static const QString zero = QStringLiteral("0");
    auto [end, count] = numericPrefix(parts);
    if (count == 0)
        return;
    for (; count < numbers; ++count) {
        parts.insert(end++, {dot, Kind::separator});
        parts.insert(end++, {zero, Kind::number});
    }
}

} // namespace

int VersionComparator::compare(const QString &a, const QString &b)
{
    QList<Part> partsA = split(a);
    QList<Part> partsB = split(b);
    const int numbersA = numericPrefix(partsA).second;
    const int numbersB = numericPrefix(partsB).second;
    if (numbersA < numbersB)
        padNumericPrefix(partsA, numbersB);
    else if (numbersB < numbersA)
        padNumericPrefix(partsB, numbersA);

    const qsizetype common = std::min(partsA.size(), partsB.size());
    for (qsizetype i = 0; i < common; ++i) {
        const Part &pa = partsA[i];
        const Part &pb = partsB[i];
        if (pa.kind == pb.kind) {
            int result = 0;
            if (pa.kind == Kind::number)
                result = compareNumbers(pa.text, pb.text);
            else if (pa.kind == Kind::text)
                result = pa.text.compare(pb.text);
            if (result != 0)
                return result < 0 ? -1 : 1;
        } else if (pa.kind == Kind::text || pb.kind == Kind::text) {
            // Text against a number or separator: the text side is a pre-release.
            return pa.kind == Kind::text ? -1 : 1;
        } else {
            // A number against a separator: the number carries more of the version.
            return pa.kind == Kind::number ? 1 : -1;
        }
    }
    // One version goes on. Separators alone add nothing ("1.0." is "1.0"); after them, text makes the
    // longer version a pre-release ("2.0b", "1.0 beta", "1.0-rc1" before "1.0") and a number makes it
    // newer ("1.0.1", "1.0 (241)" after "1.0").
    const bool aLonger = partsA.size() > partsB.size();
    const QList<Part> &longer = aLonger ? partsA : partsB;
    for (qsizetype i = common; i < longer.size(); ++i) {
        if (longer[i].kind == Kind::separator)
            continue;
        const bool longerIsNewer = longer[i].kind == Kind::number;
        return (aLonger == longerIsNewer) ? 1 : -1;
    }
    return 0;
}
