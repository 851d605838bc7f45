#include "installer/install_result.h"

namespace {

const unsigned int kSuccess = 0;
const unsigned int kSuccessRebootInitiated = 1641;
const unsigned int kSuccessRebootRequired = 3010;

}  // namespace

bool IsInstallSuccess(unsigned int result) {
  return result == kSuccess || result == kSuccessRebootRequired ||
         result == kSuccessRebootInitiated;
}
