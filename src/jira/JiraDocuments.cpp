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

// Where a member sits in the document ("issues[2].fields.summary"), put into words only when
// decoding fails there: a document of a hundred cards is read without building a path per member.
struct Where
{
    const Where *parent = nullptr;
    QStringView name;     // a member's name; empty for the document itself
    qsizetype index = -1; // an element of the array `name`

    QString text() const
    {
        QString path = parent ? parent->text() : QString();
        if (!path.isEmpty() && !name.isEmpty())
            path += u'.';
        path += name.toString();
        if (index >= 0)
            path += QStringLiteral("[%1]").arg(index);
        return path;
    }
};

[[noreturn]] void fail(const QString &where, const QString &what)
{
    throw DecodeFailure{where + u' ' + what};
}

[[noreturn]] void fail(const Where &where, const QString &what)
{
    fail(where.text(), what);
}

[[noreturn]] void wrongType(const Where &where, const QJsonValue &value, QStringView expected)
{
    fail(where, QStringLiteral("is %1, expected %2").arg(typeName(value), expected));
}

// A required member: present, not null, of the given type.
QJsonValue required(const QJsonObject &object, const Where &parent, QStringView name, QJsonValue::Type type,
                    QStringView expected)
{
    const QJsonValue value = object.value(name);
    if (value.type() == type)
        return value;
    const Where where{&parent, name};
    if (value.isUndefined())
        fail(where, QStringLiteral("is missing"));
    if (value.isNull())
        fail(where, QStringLiteral("is null"));
    wrongType(where, value, expected);
}

// An optional member: missing and null both read as none; any other type fails.
std::optional<QJsonValue> optional(const QJsonObject &object, const Where &parent, QStringView name,
                                   QJsonValue::Type type, QStringView expected)
{
    const QJsonValue value = object.value(name);
    if (value.isUndefined() || value.isNull())
        return std::nullopt;
    if (value.type() != type)
        wrongType(Where{&parent, name}, value, expected);
    return value;
}

QString requiredString(const QJsonObject &object, const Where &parent, QStringView name)
{
    return required(object, parent, name, QJsonValue::String, u"a string").toString();
}

std::optional<QString> optionalString(const QJsonObject &object, const Where &parent, QStringView name)
{
    const auto value = optional(object, parent, name, QJsonValue::String, u"a string");
    return value ? std::optional(value->toString()) : std::nullopt;
}

// JSON has one number type; an id must be integral and fit in 64 bits. Qt keeps integers that
// fit in qint64 exactly, and hands others over as doubles, which are checked here.
qint64 requiredInt64(const QJsonObject &object, const Where &parent, QStringView name)
{
    const QJsonValue value = required(object, parent, name, QJsonValue::Double, u"an integer");
    const QVariant variant = value.toVariant();
    if (variant.typeId() == QMetaType::LongLong)
        return variant.toLongLong();
    const double number = value.toDouble();
    // 2^63 is exactly representable; every double below it (and at or above -2^63) fits.
    constexpr double limit = 9223372036854775808.0;
    if (!std::isfinite(number) || std::trunc(number) != number || number < -limit || number >= limit)
        fail(Where{&parent, name}, QStringLiteral("is not a 64-bit integer"));
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

const Where document;

QJsonArray requiredArray(const QJsonObject &object, QStringView name)
{
    return required(object, document, name, QJsonValue::Array, u"an array").toArray();
}

QJsonObject element(const QJsonValue &value, const Where &where)
{
    if (!value.isObject())
        wrongType(where, value, u"an object");
    return value.toObject();
}

RawIssue decodeIssue(const QJsonObject &object, const Where &where)
{
    RawIssue issue;
    issue.key = requiredString(object, where, u"key");
    const Where fieldsWhere{&where, u"fields"};
    const QJsonObject fields =
        required(object, where, u"fields", QJsonValue::Object, u"an object").toObject();
    issue.fields.summary = requiredString(fields, fieldsWhere, u"summary");
    issue.fields.updated = optionalString(fields, fieldsWhere, u"updated");
    if (const auto assignee = optional(fields, fieldsWhere, u"assignee", QJsonValue::Object, u"an object"))
        issue.fields.assignee = RawAssignee{
            optionalString(assignee->toObject(), Where{&fieldsWhere, u"assignee"}, u"displayName")};
    if (const auto status = optional(fields, fieldsWhere, u"status", QJsonValue::Object, u"an object"))
        issue.fields.status = optionalString(status->toObject(), Where{&fieldsWhere, u"status"}, u"name");
    return issue;
}

QuickFilter decodeQuickFilter(const QJsonObject &object, const Where &where)
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
    issue.status = fields.status.value_or(QString());
    return issue;
}

JiraResult<BoardIssuesResponse> JiraDocuments::decodeBoardIssues(const QByteArray &body)
{
    return decodeGuarded<BoardIssuesResponse>([&] {
        const QJsonObject object = parseObject(body);
        const QJsonArray issues = requiredArray(object, u"issues");
        BoardIssuesResponse response;
        if (const auto total = optional(object, document, u"total", QJsonValue::Double, u"a number"))
            response.total = qint64(std::clamp(total->toDouble(), 0.0, 1e15));
        response.nextPageToken = optionalString(object, document, u"nextPageToken");
        if (const auto isLast = optional(object, document, u"isLast", QJsonValue::Bool, u"a boolean"))
            response.isLast = isLast->toBool();
        response.issues.reserve(issues.size());
        for (qsizetype i = 0; i < issues.size(); ++i) {
            const Where where{&document, u"issues", i};
            response.issues.append(decodeIssue(element(issues.at(i), where), where));
        }
        return response;
    });
}

JiraResult<QuickFilterPage> JiraDocuments::decodeQuickFilterPage(const QByteArray &body)
{
    return decodeGuarded<QuickFilterPage>([&] {
        const QJsonObject object = parseObject(body);
        const QJsonArray values = requiredArray(object, u"values");
        QuickFilterPage page;
        page.values.reserve(values.size());
        for (qsizetype i = 0; i < values.size(); ++i) {
            const Where where{&document, u"values", i};
            page.values.append(decodeQuickFilter(element(values.at(i), where), where));
        }
        if (const auto isLast = optional(object, document, u"isLast", QJsonValue::Bool, u"a boolean"))
            page.isLast = isLast->toBool();
        return page;
    });
}
