#include "installer/installer_api.h"

CSystemInstaller::CSystemInstaller() : m_library("msi.dll") {
  m_functions.queryProductState =
      m_library.Get<decltype(&MsiQueryProductStateA)>("MsiQueryProductStateA");
  m_functions.setInternalUI = m_library.Get<decltype(&MsiSetInternalUI)>("MsiSetInternalUI");
  m_functions.configureProduct =
      m_library.Get<decltype(&MsiConfigureProductA)>("MsiConfigureProductA");
  m_functions.installProduct =
      m_library.Get<decltype(&MsiInstallProductA)>("MsiInstallProductA");
}
