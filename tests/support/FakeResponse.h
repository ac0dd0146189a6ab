#pragma once

#include <QByteArray>
#include <QList>
#include <QUrl>
#include <chrono>
#include <utility>

// One scripted answer of FakeJiraServer. Build it with a factory and adjust it with the chained
// setters, e.g. FakeResponse::json(body).withDelay(500ms).withHeader("Retry-After", "30").
struct FakeResponse
{
    enum class Delivery
    {
        whole,   // status line, headers and body at once
        cutOff,  // announces the whole body, sends half of it, then closes the connection
        dripped, // sends the body in `dripChunks` pieces, `dripInterval` apart
        endless, // no length; sends filler bytes until the client hangs up (64 MiB at most)
    };

    int status = 200;
    QByteArray body;
    QByteArray contentType = "application/json";
    QList<std::pair<QByteArray, QByteArray>> headers;
    std::chrono::milliseconds delay{0};
    Delivery delivery = Delivery::whole;
    int dripChunks = 10;
    std::chrono::milliseconds dripInterval{100};

    static FakeResponse json(QByteArray body, int status = 200);
    static FakeResponse noBody(int code);
    static FakeResponse redirect(const QUrl &to, int code = 302);

    FakeResponse &withDelay(std::chrono::milliseconds wait);
    FakeResponse &withHeader(QByteArray name, QByteArray value);
    FakeResponse &cutOff();
    FakeResponse &dripped(int chunks, std::chrono::milliseconds interval);
    FakeResponse &endless();
};
