#pragma once

#include <string>
#include <vector>

// Drives the test run's update server through its state files (see
// tests/server/update_server.py).
namespace test_server {

// The folder the launcher's files are fetched from.
std::string FilesFolder();
// Puts a file on the server, or takes it away.
void Publish(const std::string& name, const std::string& content);
void Unpublish(const std::string& name);
// Puts the same version, with a line end, into all four version files.
void PublishVersions(const std::string& version);
// Takes every file away and every behaviour and mode back.
void Reset();

// A behaviour for requests of one file ("status:404", "stall-body", ...).
void SetBehaviour(const std::string& name, const std::string& behaviour);
// A global mode ("serve", "refuse", "stall-handshake", "cert:expired", ...);
// returns once the server applies it.
void SetMode(const std::string& mode);

// The requests since the last Reset or ForgetTraffic, one line each:
// "<scheme> <method> <path>".
std::vector<std::string> Requests();
// Connections accepted since then, one line each: "<scheme> <port>".
std::vector<std::string> Connections();
void ForgetTraffic();

}  // namespace test_server
