#pragma once

#include <windows.h>

#include "framework/afx_string.h"
#include "framework/scoped_handle.h"

// A download ends when it makes no progress for this long: no connection,
// no answer, no byte of the body. A server that never answers, a TLS
// handshake that never finishes and a body that stops half-way all end here.
const DWORD kDownloadStallLimitMs = 30 * 1000;
// And in any case after this long in all, however slowly bytes still come.
const DWORD kDownloadTotalLimitMs = 10 * 60 * 1000;

// Fetches `url` from the server, never from a cache, into the file
// `localPath`, replacing a file of that name. True only when the server
// answered 200 and the whole body is stored. Everything else is a failure:
// another status, a body shorter than announced, a certificate the system
// does not trust (expired, self-signed, for another host), a redirect to
// anything but an https address or more than 5 redirects, and a download
// past the limits above. After a failure no file of the download is left
// at `localPath`.
//
// With `hold`, the stored file is left open in it, for reading and sharing
// reading only, once its content is checked to be what the server sent:
// from then until `hold` is closed no process can change, replace or delete
// it.
bool DownloadUrlToFile(const CString& url, const CString& localPath,
                       CScopedHandle* hold = nullptr);
