#include "update/update_files.h"

#include "update_host.h"

namespace {

const char kScheme[] = "https://";
const char kFolder[] = "/pctool/Telvane/Q2875/";

}  // namespace

CString UpdateFileUrl(const char* fileName) {
  return CString(kScheme) + VANTOLITE_UPDATE_HOST + kFolder + fileName;
}

CString VersionTempFileName(int number) {
  number %= 1000;
  if (number < 0) number += 1000;
  char digits[4] = {static_cast<char>('0' + number / 100),
                    static_cast<char>('0' + number / 10 % 10),
                    static_cast<char>('0' + number % 10), '\0'};
  return CString("QdTemp_") + digits + ".$$$";
}
