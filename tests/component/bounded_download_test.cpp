// Downloads from servers that misbehave: every download ends, the failures
// leave no file, and nothing arrives over a channel that is not HTTPS with a
// certificate the system trusts.
#include "update/https_download.h"

#include <gtest/gtest.h>
#include <winsock2.h>

#include <string>
#include <thread>
#include <vector>

#include "tests/support/test_files.h"
#include "tests/support/test_run.h"
#include "tests/support/test_server.h"
#include "update/update_files.h"

namespace {

// A local TCP port whose connections never open (its accept queue is full,
// so new connection requests go unanswered) or open and then hear nothing.
class SilentPort {
 public:
  explicit SilentPort(bool acceptConnections) {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
    m_listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(m_listener, reinterpret_cast<sockaddr*>(&address), sizeof address);
    int length = sizeof address;
    getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length);
    m_port = ntohs(address.sin_port);
    listen(m_listener, acceptConnections ? 16 : 0);
    if (!acceptConnections) {
      // Fill the accept queue; later connection requests are dropped.
      for (int i = 0; i < 4; ++i) {
        SOCKET filler = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        u_long nonBlocking = 1;
        ioctlsocket(filler, FIONBIO, &nonBlocking);
        connect(filler, reinterpret_cast<sockaddr*>(&address), sizeof address);
        m_held.push_back(filler);
      }
      Sleep(200);
    } else {
      m_acceptor = std::thread([this] {
        for (;;) {
          SOCKET connection = accept(m_listener, nullptr, nullptr);
          if (connection == INVALID_SOCKET) return;
          m_held.push_back(connection);  // held open, never answered
        }
      });
    }
  }
  ~SilentPort() {
    closesocket(m_listener);
    if (m_acceptor.joinable()) m_acceptor.join();
    for (SOCKET s : m_held) closesocket(s);
  }
  std::string Url() const { return "https://localhost:" + std::to_string(m_port) + "/x"; }

 private:
  SOCKET m_listener;
  int m_port = 0;
  std::vector<SOCKET> m_held;
  std::thread m_acceptor;
};

class BoundedDownloadTest : public testing::Test {
 protected:
  void SetUp() override {
    test_server::Reset();
    folder = FreshWorkFolder(testing::UnitTest::GetInstance()->current_test_info()->name());
  }
  void TearDown() override { test_server::Reset(); }

  bool Download(const std::string& url, const std::string& name) {
    return DownloadUrlToFile(url.c_str(), (folder + "\\" + name).c_str());
  }
  bool DownloadFile(const std::string& serverName) {
    return Download(UpdateFileUrl(serverName.c_str()).GetString(), serverName);
  }
  // Nothing of a failed download stays in the folder.
  void ExpectNoFilesLeft() { EXPECT_EQ(2u, ListFiles(folder, "*").size()); }  // . and ..

  std::string folder;
};

// The four ways a server can keep a download waiting, at once: each ends as a
// failure after the stall limit, without a file.
TEST_F(BoundedDownloadTest, EveryKindOfStallEnds) {
  SilentPort neverOpens(false);
  SilentPort neverSpeaks(true);
  test_server::Publish("response", "3.1.1");
  test_server::SetBehaviour("response", "stall-response");
  test_server::Publish("body", std::string(100000, 'b'));
  test_server::SetBehaviour("body", "stall-body");

  struct Stall {
    const char* what;
    std::string url;
    bool result = true;
    DWORD milliseconds = 0;
  };
  std::vector<Stall> stalls = {
      {"connection never opens", neverOpens.Url()},
      {"TLS handshake never finishes", neverSpeaks.Url()},
      {"response never starts", UpdateFileUrl("response").GetString()},
      {"body stops half-way", UpdateFileUrl("body").GetString()}};
  std::vector<std::thread> running;
  for (size_t i = 0; i < stalls.size(); ++i) {
    running.emplace_back([&, i] {
      DWORD start = GetTickCount();
      stalls[i].result = Download(stalls[i].url, "stall" + std::to_string(i));
      stalls[i].milliseconds = GetTickCount() - start;
    });
  }
  for (std::thread& thread : running) thread.join();

  for (const Stall& stall : stalls) {
    EXPECT_FALSE(stall.result) << stall.what;
    printf("  %-30s ended after %5.1f s (limit %lu s)\n", stall.what,
           stall.milliseconds / 1000.0, kDownloadStallLimitMs / 1000);
  }
  ExpectNoFilesLeft();
}

struct FailureCase {
  const char* what;
  const char* behaviour;  // of the file, or "mode:<mode>" for the server
};

class DownloadFailureTest : public BoundedDownloadTest,
                            public testing::WithParamInterface<FailureCase> {};

TEST_P(DownloadFailureTest, FailsAndLeavesNoFile) {
  test_server::Publish("file", std::string(50000, 'f'));
  std::string behaviour = GetParam().behaviour;
  if (behaviour.compare(0, 5, "mode:") == 0) {
    test_server::SetMode(behaviour.substr(5));
  } else {
    test_server::SetBehaviour("file", behaviour);
  }
  EXPECT_FALSE(DownloadFile("file")) << GetParam().what;
  ExpectNoFilesLeft();
  // A downgrade is never followed: nothing reaches the plain HTTP port.
  for (const std::string& connection : test_server::Connections()) {
    EXPECT_EQ(0u, connection.find("https")) << connection;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Servers, DownloadFailureTest,
    testing::Values(
        FailureCase{"403", "status:403"}, FailureCase{"404", "status:404"},
        FailureCase{"500", "status:500"}, FailureCase{"204 without body", "status:204"},
        FailureCase{"connection reset mid-body", "reset-body"},
        FailureCase{"connection closed before the announced length", "short-body"},
        FailureCase{"redirect loop", "redirect-loop"},
        FailureCase{"redirect from https to http", "redirect:{plain}/pctool/Telvane/Q2875/file"},
        FailureCase{"redirect to ftp", "redirect:ftp://localhost/file"},
        FailureCase{"redirect to a local file", "redirect:file:///C:/windows/win.ini"},
        FailureCase{"expired certificate", "mode:cert:expired"},
        FailureCase{"certificate for another host", "mode:cert:other"},
        FailureCase{"self-signed certificate", "mode:cert:self"}));

TEST_F(BoundedDownloadTest, RedirectWithinHttpsIsFollowed) {
  test_server::Publish("target", "3.1.1");
  test_server::SetBehaviour("moved", "redirect:/pctool/Telvane/Q2875/target");
  EXPECT_TRUE(DownloadFile("moved"));
  EXPECT_EQ("3.1.1", ReadWholeFile(folder + "\\moved"));
}

TEST_F(BoundedDownloadTest, ChunkedBodyComesWhole) {
  std::string body;
  for (int i = 0; i < 5000; ++i) body += std::to_string(i) + "\n";
  test_server::Publish("chunks", body);
  test_server::SetBehaviour("chunks", "chunked");
  EXPECT_TRUE(DownloadFile("chunks"));
  EXPECT_EQ(body, ReadWholeFile(folder + "\\chunks"));
}

TEST_F(BoundedDownloadTest, EmptyFileIsASuccessfulDownload) {
  test_server::Publish("empty", "");
  EXPECT_TRUE(DownloadFile("empty"));
  EXPECT_TRUE(FileExists(folder + "\\empty"));
}

TEST_F(BoundedDownloadTest, FailedDownloadRemovesAnEarlierFileOfTheSameName) {
  WriteWholeFile(folder + "\\file", "left from before");
  EXPECT_FALSE(DownloadFile("file"));  // not on the server
  ExpectNoFilesLeft();
}

}  // namespace
