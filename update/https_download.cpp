#include "update/https_download.h"

#include <wininet.h>

#include <string.h>

#include <new>

#include "framework/system_library.h"
#include "update/held_file.h"
#include "update/http_rules.h"
#include "update/sha256.h"

// The platform's HTTP client can wait without end for a server that accepts
// a connection and then says nothing, even with its own time-outs set. So
// the transfer runs on a worker thread while the caller watches its
// progress; a transfer that stalls is given up and left to end by itself,
// or with the process, without touching anything of the caller's again.

namespace {

const int kMaxRedirects = 5;
const DWORD kRequestFlags =
    INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE |
    INTERNET_FLAG_PRAGMA_NOCACHE | INTERNET_FLAG_NO_UI |
    INTERNET_FLAG_NO_COOKIES | INTERNET_FLAG_NO_AUTO_REDIRECT;

// The functions of the system's HTTP client, from wininet.dll in the system
// folder.
struct WinInet {
  explicit WinInet(const CSystemLibrary& library)
      : open(library.Get<decltype(&InternetOpenA)>("InternetOpenA")),
        setOption(library.Get<decltype(&InternetSetOptionA)>("InternetSetOptionA")),
        openUrl(library.Get<decltype(&InternetOpenUrlA)>("InternetOpenUrlA")),
        queryInfo(library.Get<decltype(&HttpQueryInfoA)>("HttpQueryInfoA")),
        readFile(library.Get<decltype(&InternetReadFile)>("InternetReadFile")),
        combineUrl(library.Get<decltype(&InternetCombineUrlA)>("InternetCombineUrlA")),
        closeHandle(library.Get<decltype(&InternetCloseHandle)>("InternetCloseHandle")) {}

  bool IsComplete() const {
    return open && setOption && openUrl && queryInfo && readFile && combineUrl &&
           closeHandle;
  }

  decltype(&InternetOpenA) open;
  decltype(&InternetSetOptionA) setOption;
  decltype(&InternetOpenUrlA) openUrl;
  decltype(&HttpQueryInfoA) queryInfo;
  decltype(&InternetReadFile) readFile;
  decltype(&InternetCombineUrlA) combineUrl;
  decltype(&InternetCloseHandle) closeHandle;
};

class CInternetHandle {
 public:
  CInternetHandle(const WinInet& api, HINTERNET handle) : m_api(api), m_handle(handle) {}
  ~CInternetHandle() {
    if (m_handle) m_api.closeHandle(m_handle);
  }
  HINTERNET Get() const { return m_handle; }

 private:
  CInternetHandle(const CInternetHandle&) = delete;
  CInternetHandle& operator=(const CInternetHandle&) = delete;

  const WinInet& m_api;
  HINTERNET m_handle;
};

// One download, shared by the caller and the worker thread; whichever lets
// go last frees it, with the file handle and the library.
struct DownloadJob {
  DownloadJob(const CString& address, bool digest)
      : wininet("wininet.dll"),
        refs(2),
        cancelled(0),
        lastProgress(static_cast<LONG>(GetTickCount())),
        // A copy of its own: the worker never shares a string with the caller.
        url(address.GetString(), address.GetLength()),
        file(INVALID_HANDLE_VALUE),
        wantDigest(digest),
        succeeded(false) {}

  ~DownloadJob() {
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  }

  static DownloadJob* Create(const CString& address, bool wantDigest) {
    void* memory = HeapAlloc(GetProcessHeap(), 0, sizeof(DownloadJob));
    return memory ? new (memory) DownloadJob(address, wantDigest) : nullptr;
  }
  void Release() {
    if (InterlockedDecrement(&refs) == 0) {
      this->~DownloadJob();
      HeapFree(GetProcessHeap(), 0, this);
    }
  }
  void Progress() { InterlockedExchange(&lastProgress, static_cast<LONG>(GetTickCount())); }
  DWORD MillisecondsSinceProgress() const {
    return GetTickCount() - static_cast<DWORD>(lastProgress);
  }
  bool IsCancelled() const { return cancelled != 0; }

  CSystemLibrary wininet;
  volatile LONG refs;
  volatile LONG cancelled;
  volatile LONG lastProgress;
  const CString url;
  HANDLE file;
  const bool wantDigest;
  // The SHA-256 of the body, when wanted.
  BYTE digest[kSha256Size];
  volatile bool succeeded;
};

DWORD QueryStatus(const WinInet& api, HINTERNET request) {
  DWORD status = 0;
  DWORD size = sizeof status;
  if (!api.queryInfo(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER,
                     &status, &size, nullptr)) {
    return 0;
  }
  return status;
}

// The address a redirect leads to, made absolute; "" when there is none.
CString RedirectTarget(const WinInet& api, HINTERNET request, const CString& from) {
  char location[INTERNET_MAX_URL_LENGTH + 1] = "";
  DWORD size = INTERNET_MAX_URL_LENGTH;
  if (!api.queryInfo(request, HTTP_QUERY_LOCATION, location, &size, nullptr)) {
    return CString();
  }
  location[INTERNET_MAX_URL_LENGTH] = '\0';
  char target[INTERNET_MAX_URL_LENGTH + 1] = "";
  DWORD targetSize = INTERNET_MAX_URL_LENGTH;
  if (!api.combineUrl(from, location, target, &targetSize, 0)) return CString();
  target[INTERNET_MAX_URL_LENGTH] = '\0';
  return CString(target);
}

// The body of a 200 answer into the job's file. A body shorter than its
// announced length (a connection closed early) is a failure.
bool ReadBody(const WinInet& api, HINTERNET request, DownloadJob& job) {
  uint64_t announced = 0;
  bool hasLength = false;
  char header[64] = "";
  DWORD headerSize = sizeof header - 1;
  if (api.queryInfo(request, HTTP_QUERY_CONTENT_LENGTH, header, &headerSize, nullptr)) {
    header[sizeof header - 1] = '\0';
    if (!ParseContentLength(header, &announced)) return false;
    hasLength = true;
  } else if (GetLastError() == ERROR_INSUFFICIENT_BUFFER) {
    return false;
  }

  CSha256 sha256;
  char buffer[16384];
  uint64_t total = 0;
  for (;;) {
    if (job.IsCancelled()) return false;
    DWORD read = 0;
    if (!api.readFile(request, buffer, sizeof buffer, &read)) return false;
    if (read == 0) break;
    job.Progress();
    DWORD written = 0;
    if (!WriteFile(job.file, buffer, read, &written, nullptr) || written != read) {
      return false;
    }
    if (job.wantDigest && !sha256.Add(buffer, read)) return false;
    total += read;
  }
  if (hasLength && total != announced) return false;
  return !job.wantDigest || sha256.Finish(job.digest);
}

bool Fetch(DownloadJob& job) {
  WinInet api(job.wininet);
  if (!api.IsComplete()) return false;
  CInternetHandle session(
      api, api.open("VantoLite", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
  if (!session.Get()) return false;
  DWORD timeout = kDownloadStallLimitMs;
  api.setOption(session.Get(), INTERNET_OPTION_CONNECT_TIMEOUT, &timeout, sizeof timeout);
  api.setOption(session.Get(), INTERNET_OPTION_SEND_TIMEOUT, &timeout, sizeof timeout);
  api.setOption(session.Get(), INTERNET_OPTION_RECEIVE_TIMEOUT, &timeout, sizeof timeout);

  CString address = job.url;
  if (!IsHttpsUrl(address)) return false;
  for (int redirects = 0;; ++redirects) {
    if (job.IsCancelled()) return false;
    CInternetHandle request(
        api, api.openUrl(session.Get(), address, nullptr, 0, kRequestFlags, 0));
    if (!request.Get()) return false;
    job.Progress();

    DWORD status = QueryStatus(api, request.Get());
    if (status == HTTP_STATUS_OK) return ReadBody(api, request.Get(), job);
    if (!IsRedirectStatus(status) || redirects == kMaxRedirects) return false;
    // Never from https to anything else: the files arrive authenticated and
    // encrypted or not at all.
    address = RedirectTarget(api, request.Get(), address);
    if (!IsHttpsUrl(address)) return false;
  }
}

DWORD WINAPI DownloadWorker(void* parameter) {
  DownloadJob* job = static_cast<DownloadJob*>(parameter);
  job->succeeded = Fetch(*job);
  job->Release();
  return 0;
}

// Waits for the worker while it makes progress; false when it stalled or
// ran out of time.
bool WaitForWorker(HANDLE worker, const DownloadJob& job) {
  DWORD started = GetTickCount();
  for (;;) {
    DWORD idle = job.MillisecondsSinceProgress();
    DWORD elapsed = GetTickCount() - started;
    if (idle >= kDownloadStallLimitMs || elapsed >= kDownloadTotalLimitMs) {
      return WaitForSingleObject(worker, 0) == WAIT_OBJECT_0;
    }
    DWORD wait = kDownloadStallLimitMs - idle;
    if (kDownloadTotalLimitMs - elapsed < wait) wait = kDownloadTotalLimitMs - elapsed;
    DWORD result = WaitForSingleObject(worker, wait);
    if (result == WAIT_OBJECT_0) return true;
    if (result != WAIT_TIMEOUT) return false;
  }
}

}  // namespace

bool DownloadUrlToFile(const CString& url, const CString& localPath, CScopedHandle* hold) {
  DownloadJob* job = DownloadJob::Create(url, hold != nullptr);
  if (!job) return false;

  // The entry of this address leaves the internet cache first, so that only
  // the server can answer.
  typedef BOOL(WINAPI * DeleteUrlCacheEntryFn)(LPCSTR);
  if (DeleteUrlCacheEntryFn deleteEntry =
          job->wininet.Get<DeleteUrlCacheEntryFn>("DeleteUrlCacheEntryA")) {
    deleteEntry(url);
  }

  // Shared for deleting: a download given up is deleted while the worker
  // may still hold the file; it goes when the worker's handle closes.
  job->file = CreateFileA(localPath, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE,
                          nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  HANDLE worker = job->file == INVALID_HANDLE_VALUE
                      ? nullptr
                      : CreateThread(nullptr, 0, DownloadWorker, job, 0, nullptr);
  if (!worker) {
    bool created = job->file != INVALID_HANDLE_VALUE;
    job->Release();
    job->Release();
    if (created) DeleteFileA(localPath);
    return false;
  }

  bool ended = WaitForWorker(worker, *job);
  CloseHandle(worker);
  if (!ended) {
    InterlockedExchange(&job->cancelled, 1);
    DeleteFileA(localPath);
    job->Release();
    return false;
  }

  bool succeeded = job->succeeded;
  BYTE digest[kSha256Size];
  memcpy(digest, job->digest, sizeof digest);
  job->Release();  // the last reference: closes the file

  // The file was writable until now: it is held only if it still holds
  // what the server sent.
  if (succeeded && hold) succeeded = HoldUnchangedFile(localPath, digest, *hold);
  if (!succeeded) DeleteFileA(localPath);
  return succeeded;
}
