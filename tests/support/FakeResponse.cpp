#include "support/FakeResponse.h"

FakeResponse FakeResponse::json(QByteArray body, int status)
{
    FakeResponse response;
    response.status = status;
    response.body = std::move(body);
    return response;
}

FakeResponse FakeResponse::noBody(int code)
{
    FakeResponse response;
    response.status = code;
    response.contentType.clear();
    return response;
}

FakeResponse FakeResponse::redirect(const QUrl &to, int code)
{
    FakeResponse response = noBody(code);
    response.headers.append({"Location", to.toEncoded()});
    return response;
}

FakeResponse &FakeResponse::withDelay(std::chrono::milliseconds wait)
{
    delay = wait;
    return *this;
}

FakeResponse &FakeResponse::withHeader(QByteArray name, QByteArray value)
{
    headers.append({std::move(name), std::move(value)});
    return *this;
}

FakeResponse &FakeResponse::cutOff()
{
    delivery = Delivery::cutOff;
    return *this;
}

FakeResponse &FakeResponse::dripped(int chunks, std::chrono::milliseconds interval)
{
    delivery = Delivery::dripped;
    dripChunks = chunks;
    dripInterval = interval;
    return *this;
}

FakeResponse &FakeResponse::endless()
{
    delivery = Delivery::endless;
    return *this;
}
