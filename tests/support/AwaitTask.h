#pragma once

#include <QCoroTask>
#include <QEventLoop>
#include <optional>

// Runs the event loop until `task` is done and returns its value. Unlike QCoro::waitFor it does
// not need a default-constructible result (JiraResult is not), and it copes with a task that
// finished before it was handed over.
template<typename T> T awaitTask(QCoro::Task<T> task)
{
    std::optional<T> result;
    QEventLoop loop;
    auto waiter = [&]() -> QCoro::Task<> {
        result.emplace(co_await task);
        loop.quit();
    };
    auto running = waiter();
    if (!result)
        loop.exec();
    return std::move(*result);
}
