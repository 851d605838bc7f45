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
// the network work runs on a worker thread that hands the body over in
// chunks, while the caller writes them to the file and watches the
// progress. A transfer that stalls is given up at once: the caller deletes
// its file and goes on; the worker ends by itself later, or with the
// process, and touches nothing of the caller's again.

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

// A piece of the body on its way from the worker to the caller.
struct Chunk {
  Chunk* next;
  DWORD size;
  char data[1];
};

// One download, shared by the caller and the worker thread; whichever lets
// go last frees it, with the library and any chunks not taken.
class DownloadJob {
 public:
  static DownloadJob* Create(const CString& url) {
    void* memory = HeapAlloc(GetProcessHeap(), 0, sizeof(DownloadJob));
    if (!memory) return nullptr;
    DownloadJob* job = new (memory) DownloadJob(url);
    if (!job->m_signal) {
      job->Release();
      job->Release();
      return nullptr;
    }
    return job;
  }

  void Release() {
    if (InterlockedDecrement(&m_refs) == 0) {
      this->~DownloadJob();
      HeapFree(GetProcessHeap(), 0, this);
    }
  }

  // -- the worker's side --------------------------------------------------
  const CSystemLibrary& WinInetLibrary() const { return m_wininet; }
  const CString& Url() const { return m_url; }
  bool IsCancelled() const { return m_cancelled != 0; }

  void Progress() {
    EnterCriticalSection(&m_lock);
    m_lastProgress = GetTickCount();
    LeaveCriticalSection(&m_lock);
    SetEvent(m_signal);
  }

  bool Deliver(const char* data, DWORD size) {
    Chunk* chunk = static_cast<Chunk*>(
        HeapAlloc(GetProcessHeap(), 0, offsetof(Chunk, data) + size));
    if (!chunk) return false;
    chunk->next = nullptr;
    chunk->size = size;
    memcpy(chunk->data, data, size);
    EnterCriticalSection(&m_lock);
    if (m_last) {
      m_last->next = chunk;
    } else {
      m_first = chunk;
    }
    m_last = chunk;
    m_lastProgress = GetTickCount();
    LeaveCriticalSection(&m_lock);
    SetEvent(m_signal);
    return true;
  }

  void Finish(bool succeeded) {
    EnterCriticalSection(&m_lock);
    m_finished = true;
    m_succeeded = succeeded;
    LeaveCriticalSection(&m_lock);
    SetEvent(m_signal);
  }

  // -- the caller's side --------------------------------------------------
  // Writes the body to `file` as it arrives. True once the worker finished
  // with success and every byte is written; false when it failed, stalled
  // or ran out of time, or the file could not be written.
  bool Transfer(HANDLE file, CSha256* digest) {
    DWORD started = GetTickCount();
    for (;;) {
      EnterCriticalSection(&m_lock);
      Chunk* chunks = m_first;
      m_first = m_last = nullptr;
      bool finished = m_finished;
      bool succeeded = m_succeeded;
      DWORD lastProgress = m_lastProgress;
      LeaveCriticalSection(&m_lock);

      bool written = WriteChunks(chunks, file, digest);
      if (!written) return false;
      if (finished) return succeeded;

      DWORD now = GetTickCount();
      DWORD idle = now - lastProgress;
      DWORD elapsed = now - started;
      if (idle >= kDownloadStallLimitMs || elapsed >= kDownloadTotalLimitMs) return false;
      DWORD wait = kDownloadStallLimitMs - idle;
      if (kDownloadTotalLimitMs - elapsed < wait) wait = kDownloadTotalLimitMs - elapsed;
      if (WaitForSingleObject(m_signal, wait) == WAIT_FAILED) return false;
    }
  }

  void Cancel() { InterlockedExchange(&m_cancelled, 1); }

 private:
  explicit DownloadJob(const CString& url)
      : m_wininet("wininet.dll"),
        m_refs(2),
        m_cancelled(0),
        m_signal(CreateEventA(nullptr, FALSE, FALSE, nullptr)),
        m_first(nullptr),
        m_last(nullptr),
        m_lastProgress(GetTickCount()),
        m_finished(false),
        m_succeeded(false),
        // A copy of its own: the worker never shares a string with the caller.
        m_url(url.GetString(), url.GetLength()) {
    InitializeCriticalSection(&m_lock);
  }

  ~DownloadJob() {
    FreeChunks(m_first);
    if (m_signal) CloseHandle(m_signal);
    DeleteCriticalSection(&m_lock);
  }

  static void FreeChunks(Chunk* chunk) {
    while (chunk) {
      Chunk* next = chunk->next;
      HeapFree(GetProcessHeap(), 0, chunk);
      chunk = next;
    }
  }

  static bool WriteChunks(Chunk* chunks, HANDLE file, CSha256* digest) {
    bool written = true;
    for (Chunk* chunk = chunks; chunk && written; chunk = chunk->next) {
      DWORD done = 0;
      written = WriteFile(file, chunk->data, chunk->size, &done, nullptr) &&
                done == chunk->size && (!digest || digest->Add(chunk->data, chunk->size));
    }
    FreeChunks(chunks);
    return written;
  }

  CSystemLibrary m_wininet;
  volatile LONG m_refs;
  volatile LONG m_cancelled;
  HANDLE m_signal;  // set by the worker for each chunk, progress or its end
  CRITICAL_SECTION m_lock;
  Chunk* m_first;
  Chunk* m_last;
  DWORD m_lastProgress;
  bool m_finished;
  bool m_succeeded;
  const CString m_url;
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

// The body of a 200 answer, handed over chunk by chunk. A body shorter than
// its announced length (a connection closed early) is a failure.
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

  char buffer[16384];
  uint64_t total = 0;
  for (;;) {
    if (job.IsCancelled()) return false;
    DWORD read = 0;
    if (!api.readFile(request, buffer, sizeof buffer, &read)) return false;
    if (read == 0) break;
    if (!job.Deliver(buffer, read)) return false;
    total += read;
  }
  return !hasLength || total == announced;
}

bool Fetch(DownloadJob& job) {
  WinInet api(job.WinInetLibrary());
  if (!api.IsComplete()) return false;
  CInternetHandle session(
      api, api.open("VantoLite", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
  if (!session.Get()) return false;
  DWORD timeout = kDownloadStallLimitMs;
  api.setOption(session.Get(), INTERNET_OPTION_CONNECT_TIMEOUT, &timeout, sizeof timeout);
  api.setOption(session.Get(), INTERNET_OPTION_SEND_TIMEOUT, &timeout, sizeof timeout);
  api.setOption(session.Get(), INTERNET_OPTION_RECEIVE_TIMEOUT, &timeout, sizeof timeout);

  CString address = job.Url();
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
  job->Finish(Fetch(*job));
  job->Release();
  return 0;
}

}  // namespace

bool DownloadUrlToFile(const CString& url, const CString& localPath, CScopedHandle* hold) {
  DownloadJob* job = DownloadJob::Create(url);
  if (!job) return false;

  // The entry of this address leaves the internet cache first, so that only
  // the server can answer.
  typedef BOOL(WINAPI * DeleteUrlCacheEntryFn)(LPCSTR);
  if (DeleteUrlCacheEntryFn deleteEntry =
          job->WinInetLibrary().Get<DeleteUrlCacheEntryFn>("DeleteUrlCacheEntryA")) {
    deleteEntry(url);
  }

  // While it is written the file may be read by others, nothing more.
  CScopedHandle file(CreateFileA(localPath, GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                 CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  HANDLE worker = file.IsValid()
                      ? CreateThread(nullptr, 0, DownloadWorker, job, 0, nullptr)
                      : nullptr;
  if (!worker) {
    job->Release();
    job->Release();
    if (file.IsValid()) {
      file.Close();
      DeleteFileA(localPath);
    }
    return false;
  }
  CloseHandle(worker);

  CSha256 digest;
  bool succeeded = job->Transfer(file.Get(), hold ? &digest : nullptr);
  if (!succeeded) job->Cancel();
  job->Release();
  file.Close();

  // The file was writable until now: it is held only if it still holds what
  // the server sent.
  BYTE sent[kSha256Size];
  if (succeeded && hold) {
    succeeded = digest.Finish(sent) && HoldUnchangedFile(localPath, sent, *hold);
  }
  if (!succeeded) DeleteFileA(localPath);
  return succeeded;
}
