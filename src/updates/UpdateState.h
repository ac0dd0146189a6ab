#pragma once

#include <QObject>
#include <QString>
#include <optional>

// The version of an update found by a scheduled check and not yet dealt with.
class UpdateState : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString availableVersion READ availableVersionText NOTIFY availableVersionChanged)

public:
    using QObject::QObject;

    const std::optional<QString> &availableVersion() const { return m_availableVersion; }
    QString availableVersionText() const { return m_availableVersion.value_or(QString()); }
    void setAvailableVersion(std::optional<QString> version)
    {
        m_availableVersion = std::move(version);
        Q_EMIT availableVersionChanged();
    }

Q_SIGNALS:
    void availableVersionChanged();

private:
    std::optional<QString> m_availableVersion;
};
