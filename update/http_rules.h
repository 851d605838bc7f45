#pragma once

#include <stdint.h>

// Rules the update client applies to what a server answers.

// Whether `url` is an absolute https address (the scheme in any letter case).
bool IsHttpsUrl(const char* url);

// Whether an answer with this status sends the client elsewhere.
bool IsRedirectStatus(unsigned long status);

// The value of a Content-Length header: decimal digits, with blanks or tabs
// around them. False for anything else, and for a value above 2^63.
bool ParseContentLength(const char* text, uint64_t* length);
