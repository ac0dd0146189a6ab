#pragma once

#include "jira/JiraError.h"

#include <utility>
#include <variant>

// A value or the JiraError that kept the client from producing it.
template<typename T> class JiraResult
{
public:
    JiraResult(T value) : m_data(std::move(value)) {}
    JiraResult(JiraError error) : m_data(std::move(error)) {}

    bool ok() const { return std::holds_alternative<T>(m_data); }
    const T &value() const { return std::get<T>(m_data); }
    T &value() { return std::get<T>(m_data); }
    const JiraError &error() const { return std::get<JiraError>(m_data); }

private:
    std::variant<T, JiraError> m_data;
};
