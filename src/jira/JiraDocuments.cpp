#include "jira/JiraDocuments.h"

#include "jira/JiraDate.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <algorithm>
#include <cmath>

namespace {

// Thrown inside this file only; every entry point turns it into a JiraError::decoding.
struct DecodeFailure
{
    QString message;
};

QString typeName(const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::Null:
        return QStringLiteral("null");
    case QJsonValue::Bool:
        return QStringLiteral("a boolean");
    case QJsonValue::Double:
        return QStringLiteral("a number");
    case QJsonValue::String:
        return QStringLiteral("a string");
    case QJsonValue::Array:
        return QStringLiteral("an array");
    case QJsonValue::Object:
        return QStringLiteral("an object");
    case QJsonValue::Undefined:
        break;
    }
    return QStringLiteral("missing");
}

[[noreturn]] void fail(const QString &where, const QString &what)
{
    throw DecodeFailure{where + u' ' + what};
}

[[noreturn]] void wrongType(const QString &where, const QJsonValue &value, QStringView expected)
{
    fail(where, QStringLiteral("is %1, expected %2").arg(typeName(value), expected));
}

QString memberPath(const QString &parent, QStringView name)
{
    return parent.isEmpty() ? name.toString() : parent + u'.' + name.toString();
}

// A required member: present, not null, of the given type.
QJsonValue required(const QJsonObject &object, const QString &parent, QStringView name, QJsonValue::Type type,
                    QStringView expected)
{
    const QJsonValue value = object.value(name);
    const QString where = memberPath(parent, name);
    if (value.isUndefined())
        fail(where, QStringLiteral("is missing"));
    if (value.isNull())
        fail(where, QStringLiteral("is null"));
    if (value.type() != type)
        wrongType(where, value, expected);
    return value;
}

// An optional member: missing and null both read as none; any other type fails.
std::optional<QJsonValue> optional(const QJsonObject &object, const QString &parent, QStringView name,
                                   QJsonValue::Type type, QStringView expected)
{
    const QJsonValue value = object.value(name);
    if (value.isUndefined() || value.isNull())
        return std::nullopt;
    if (value.type() != type)
        wrongType(memberPath(parent, name), value, expected);
    return value;
}

QString requiredString(const QJsonObject &object, const QString &parent, QStringView name)
{
    return required(object, parent, name, QJsonValue::String, u"a string").toString();
}

std::optional<QString> optionalString(const QJsonObject &object, const QString &parent, QStringView name)
{
    const auto value = optional(object, parent, name, QJsonValue::String, u"a string");
    return value ? std::optional(value->toString()) : std::nullopt;
}

// JSON has one number type; an id must be integral and fit in 64 bits. Qt keeps integers that
// fit in qint64 exactly, and hands others over as doubles, which are checked here.
qint64 requiredInt64(const QJsonObject &object, const QString &parent, QStringView name)
{
    const QJsonValue value = required(object, parent, name, QJsonValue::Double, u"an integer");
    const QVariant variant = value.toVariant();
    if (variant.typeId() == QMetaType::LongLong)
        return variant.toLongLong();
    const double number = value.toDouble();
    // 2^63 is exactly representable; every double below it (and at or above -2^63) fits.
    constexpr double limit = 9223372036854775808.0;
    if (!std::isfinite(number) || std::trunc(number) != number || number < -limit || number >= limit)
        fail(memberPath(parent, name), QStringLiteral("is not a 64-bit integer"));
    return static_cast<qint64>(number);
}

QJsonObject parseObject(const QByteArray &body)
{
    if (body.trimmed().isEmpty())
        fail(QStringLiteral("the response"), QStringLiteral("is empty"));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError)
        fail(
            QStringLiteral("the response"),
            QStringLiteral("is not valid JSON (%1 at offset %2)").arg(error.errorString()).arg(error.offset));
    if (!document.isObject())
        fail(QStringLiteral("the response"), QStringLiteral("is not a JSON object"));
    return document.object();
}

QJsonArray requiredArray(const QJsonObject &object, QStringView name)
{
    return required(object, {}, name, QJsonValue::Array, u"an array").toArray();
}

QJsonObject element(const QJsonValue &value, const QString &where)
{
    if (!value.isObject())
        wrongType(where, value, u"an object");
    return value.toObject();
}

RawIssue decodeIssue(const QJsonObject &object, const QString &where)
{
    RawIssue issue;
    issue.key = requiredString(object, where, u"key");
    const QString fieldsPath = memberPath(where, u"fields");
    const QJsonObject fields =
        required(object, where, u"fields", QJsonValue::Object, u"an object").toObject();
    issue.fields.summary = requiredString(fields, fieldsPath, u"summary");
    issue.fields.updated = optionalString(fields, fieldsPath, u"updated");
    if (const auto assignee = optional(fields, fieldsPath, u"assignee", QJsonValue::Object, u"an object"))
        issue.fields.assignee = RawAssignee{
            optionalString(assignee->toObject(), memberPath(fieldsPath, u"assignee"), u"displayName")};
    return issue;
}

QuickFilter decodeQuickFilter(const QJsonObject &object, const QString &where)
{
    QuickFilter filter;
    filter.id = requiredInt64(object, where, u"id");
    filter.name = requiredString(object, where, u"name");
    filter.jql = requiredString(object, where, u"jql");
    return filter;
}

template<typename T, typename Decode> JiraResult<T> decodeGuarded(Decode decode)
{
    try {
        return decode();
    } catch (const DecodeFailure &failure) {
        return JiraError::decoding(failure.message);
    }
}

} // namespace

ReviewIssue RawIssue::toReviewIssue() const
{
    ReviewIssue issue;
    issue.key = key;
    issue.summary = fields.summary;
    if (fields.assignee)
        issue.assignee = fields.assignee->displayName;
    if (fields.updated)
        issue.updated = JiraDate::parse(*fields.updated);
    return issue;
}

JiraResult<BoardIssuesResponse> JiraDocuments::decodeBoardIssues(const QByteArray &body)
{
    return decodeGuarded<BoardIssuesResponse>([&] {
        const QJsonObject document = parseObject(body);
        const QJsonArray issues = requiredArray(document, u"issues");
        BoardIssuesResponse response;
        if (const auto total = optional(document, {}, u"total", QJsonValue::Double, u"a number"))
            response.total = qint64(std::clamp(total->toDouble(), 0.0, 1e15));
        response.nextPageToken = optionalString(document, {}, u"nextPageToken");
        if (const auto isLast = optional(document, {}, u"isLast", QJsonValue::Bool, u"a boolean"))
            response.isLast = isLast->toBool();
        response.issues.reserve(issues.size());
        for (qsizetype i = 0; i < issues.size(); ++i) {
            const QString where = QStringLiteral("issues[%1]").arg(i);
            response.issues.append(decodeIssue(element(issues.at(i), where), where));
        }
        return response;
    });
}

JiraResult<QuickFilterPage> JiraDocuments::decodeQuickFilterPage(const QByteArray &body)
{
    return decodeGuarded<QuickFilterPage>([&] {
        const QJsonObject document = parseObject(body);
        const QJsonArray values = requiredArray(document, u"values");
        QuickFilterPage page;
        page.values.reserve(values.size());
        for (qsizetype i = 0; i < values.size(); ++i) {
            const QString where = QStringLiteral("values[%1]").arg(i);
            page.values.append(decodeQuickFilter(element(values.at(i), where), where));
        }
        if (const auto isLast = optional(document, {}, u"isLast", QJsonValue::Bool, u"a boolean"))
            page.isLast = isLast->toBool();
        return page;
    });
}
