#pragma once

class QNetworkAccessManager;

// The one HTTPS client of the process, created on first use on the main thread.
namespace Network {
QNetworkAccessManager &shared();
}
