#pragma once

#include "framework/win_app.h"

// The launcher's application object. All of a run happens in InitInstance,
// which always returns 0 so that the framework ends the process at once.
class CVantoLiteApp : public CWinApp {
 public:
  CVantoLiteApp();
  ~CVantoLiteApp() override;

  DECLARE_MESSAGE_MAP()

 public:
  BOOL InitInstance() override;
};
